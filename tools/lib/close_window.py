#!/usr/bin/python3
"""Ask an X window to close, the way a window manager's close button does.

A window manager closes a window by sending it a WM_PROTOCOLS client message carrying
WM_DELETE_WINDOW; the program then decides to close. (xdotool's windowclose destroys the
window instead, which is not what a player's close does.) There is no window manager under
Xvfb, so this sends the message itself, through libX11. The end-to-end and packaging tests
use it to close the game's window the way a player does.

usage: close_window.py WINDOW_ID      (uses $DISPLAY)
"""

import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0
CURRENT_TIME = 0


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("l", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: close_window.py WINDOW_ID\n")
        return 2
    window = int(argv[1], 0)
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    x11 = ctypes.CDLL(name)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.stderr.write("close_window.py: cannot open the X display\n")
        return 1
    protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)

    event = XEvent()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.l[0] = delete
    event.xclient.l[1] = CURRENT_TIME
    sent = x11.XSendEvent(display, window, 0, NO_EVENT_MASK, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    if not sent:
        sys.stderr.write("close_window.py: the X server refused the message\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

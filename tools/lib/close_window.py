#!/usr/bin/python3
"""Ask an X window to close, the way a window manager's close button does.

A window manager closes a window by sending it a WM_PROTOCOLS client message carrying
WM_DELETE_WINDOW; the program then decides to close. (xdotool's windowclose destroys the
window instead, which is not what a player's close does.) There is no window manager under
Xvfb, so this sends the message itself. The end-to-end and packaging tests close the game's
window so, and bench/startup.py the programs it times.

usage: close_window.py WINDOW_ID      (uses $DISPLAY)
"""

import sys

try:
    from Xlib import X, display, error, protocol  # Debian's python3-xlib
except ImportError:
    sys.exit("close_window.py: run it with /usr/bin/python3 and install python3-xlib")

if len(sys.argv) != 2:
    sys.exit("usage: close_window.py WINDOW_ID")
dpy = display.Display()
window = dpy.create_resource_object("window", int(sys.argv[1], 0))
refused = error.CatchError()
window.send_event(protocol.event.ClientMessage(
    window=window, client_type=dpy.intern_atom("WM_PROTOCOLS"),
    data=(32, [dpy.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])), onerror=refused)
dpy.sync()
if refused.get_error():
    sys.exit("close_window.py: the X server refused the message: %s" % refused.get_error())

#!/usr/bin/python3
"""One start-up of a program on the X server in DISPLAY, up to its first frame.

It starts the program, waits for the first top-level window the program maps, then reads one
pixel of the bare client area back from the server every half millisecond until it turns from
the root's black to the window's own colour (Qt gives a top-level X window no background, so
until the program puts its first frame there the screen still shows the root). A moment later
it asks the window to close, as a window manager's close button does (tools/lib/close_window.py),
and reaps the program. With --stop it ends the program (SIGTERM) as soon as the frame is seen
instead: what tools/bench does to a run counted under callgrind, whose count then ends there.

Prints one line: milliseconds from the start to the window mapped and to the first frame, then
the program's peak resident memory in KiB and its CPU time in milliseconds (from wait4).

usage: first_frame.py [--stop] BARE_X BARE_Y CLIENT_HEIGHT COMMAND...
  BARE_X BARE_Y   a spot of bare window in the client area (zoomkin-layout's "bare")
  CLIENT_HEIGHT   the client area's height under the menu bar (zoomkin-layout's "client")
"""

import os
import select
import signal
import subprocess
import sys
import time

from Xlib import X, display, error  # Debian's python3-xlib

CLOSE_WINDOW = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "lib",
                            "close_window.py")


def fail(problem, child=None):
    sys.stderr.write("first_frame.py: %s\n" % problem)
    if child is not None and child.poll() is None:
        child.kill()
        child.wait()
    sys.exit(1)


def pixel(window, x, y):
    return int.from_bytes(window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3], "little")


def main(argv):
    stop = argv[:1] == ["--stop"]
    argv = argv[1:] if stop else argv
    if len(argv) < 4:
        sys.stderr.write(__doc__.split("\n\n")[-1])
        return 2
    bare_x, bare_y, client_height = (int(a) for a in argv[:3])
    patience = 300 if stop else 20  # callgrind runs a program some fifty times slower
    dpy = display.Display()
    dpy.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    dpy.sync()

    start = time.monotonic()
    child = subprocess.Popen(argv[3:], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.STDOUT)

    def since():
        return (time.monotonic() - start) * 1000

    window = None
    while window is None:
        while dpy.pending_events():
            event = dpy.next_event()
            if event.type == X.MapNotify and not event.override and window is None:
                window, mapped = event.window, since()
        if window is None and time.monotonic() - start > patience:
            fail("no window mapped", child)
        if window is None and child.poll() is not None:
            fail("the program ended before it showed a window")
        select.select([dpy], [], [], 0.001)

    # the spot in window pixels: the client area is the window's bottom rows, under the menu bar
    spot_y = window.get_geometry().height - client_height + bare_y
    try:
        while pixel(window, bare_x, spot_y) == 0:
            if time.monotonic() - start > patience:
                fail("no first frame", child)
            time.sleep(0.0005)
        painted = since()
        # Qt puts a first frame on screen in one piece: the bare end of the menu bar confirms it
        if pixel(window, 400, 4) == 0:
            sys.stderr.write("first_frame.py: the client area showed before the menu bar\n")
    except error.XError as problem:
        fail("the window went away before its first frame (%s)" % problem, child)

    if stop:
        child.send_signal(signal.SIGTERM)
    else:
        time.sleep(0.1)
        subprocess.run([CLOSE_WINDOW, str(window.id)], check=False)
    deadline = time.monotonic() + (60 if stop else 5)
    while True:
        pid, _, usage = os.wait4(child.pid, os.WNOHANG)
        if pid == child.pid:
            break
        if time.monotonic() > deadline:
            fail("the program did not end on SIGTERM" if stop else "the program did not close",
                 child)
        time.sleep(0.001)
    print("%.2f %.2f %d %.1f" % (mapped, painted, usage.ru_maxrss,
                                 (usage.ru_utime + usage.ru_stime) * 1000))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

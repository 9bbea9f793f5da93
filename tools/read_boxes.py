#!/usr/bin/python3
"""Read what a screen reader hears from a running Zoomkin Race! game.

The game's message boxes cannot be read from X (their text is drawn, not named), but
the game publishes its widgets on the accessibility bus (AT-SPI) like every Qt program
does once accessibility is on, so this reads them the way a screen reader would.

Run it with Debian's /usr/bin/python3 (it needs python3-pyatspi), inside the same D-Bus
session as the game, and start the game with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 after
the accessibility bus is up (at-spi-bus-launcher).

Modes:
  box     wait for a message box and print "title: text" (exit 1 when none shows in time)
  next    after a box was answered: print the next box as "title: text", or print
          "no box: the race is over" and exit 3 once no box is left and the racers are
          back from the finish line (exit 1 when neither happens in time)
  boxes   print every box showing now, one "title: text" a line (may print nothing)
  window  print the main window as a screen reader sees it

Exit status: 0 found, 1 nothing in time or no accessibility bus (with a message on
stderr), 2 bad usage or no pyatspi, 3 (next only) the race is over.
"""

import argparse
import os
import sys
import time

try:
    import pyatspi
    from gi.repository import Atspi, Gio, GLib
except ImportError as error:  # the pyenv python on PATH has no pyatspi
    sys.stderr.write("read_boxes.py: cannot load pyatspi (%s); run it with /usr/bin/python3 "
                     "and install python3-pyatspi\n" % error)
    sys.exit(2)

POLL_SECONDS = 0.05
BOX_ROLES = ("alert", "dialog")

EXIT_FOUND = 0
EXIT_TIMEOUT = 1
EXIT_USAGE = 2
EXIT_RACE_OVER = 3


class NotReady(Exception):
    """The game, or the part of it asked for, is not on the accessibility bus (yet)."""


def role(accessible):
    return accessible.getRoleName()


def states(accessible):
    return set(accessible.getState().getStates())


def is_showing(accessible):
    return {pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE} <= states(accessible)


def children(accessible):
    # Index by count: iterating may stop early when the tree changes under us.
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def check_bus():
    """Make sure the accessibility bus is there before pyatspi looks for it: without one,
    libatspi aborts the whole program, and without a session bus GLib would start one."""
    if os.environ.get("AT_SPI_BUS_ADDRESS"):
        return None
    runtime_dir = os.environ.get("XDG_RUNTIME_DIR", "")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS") and not (
            runtime_dir and os.path.exists(os.path.join(runtime_dir, "bus"))):
        return "no D-Bus session (DBUS_SESSION_BUS_ADDRESS is not set)"
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        # Ask the launcher that runs, without having D-Bus start one.
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                      GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 5000, None)
    except GLib.Error as error:
        return ("no accessibility bus in this D-Bus session (start "
                "it before the game, as tools/lib/x_session.sh does): %s" % error.message)
    return None


def find_app(app_name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == app_name:
            # The game changes while we watch it: read it afresh every time.
            for forget in (lambda: app.set_cache_mask(Atspi.Cache.NONE), lambda: app.clear_cache()):
                try:
                    forget()
                except (AttributeError, GLib.Error):
                    pass
            return app
    raise NotReady("no application named %r on the accessibility bus" % app_name)


def walk(accessible):
    for child in children(accessible):
        if child is None:
            continue
        yield child
        yield from walk(child)


def box_text(box):
    """The words of a box: its non-empty labels (the empty one is the icon)."""
    return "\n".join(node.name for node in walk(box)
                     if role(node) == "label" and node.name and is_showing(node))


def open_boxes(app):
    return [(top.name, box_text(top)) for top in children(app)
            if top is not None and role(top) in BOX_ROLES and is_showing(top)]


def main_window(app):
    for top in children(app):
        if top is not None and role(top) == "frame":
            return top
    raise NotReady("the game has no main window on the accessibility bus")


def extents(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def window_view(app):
    """The main window as a screen reader sees it, one line a thing, and the left edges of its
    pictures in the client area."""
    frame = main_window(app)
    fx, fy, fw, fh = extents(frame)
    client = next((child for child in children(frame) if role(child) == "filler"), None)
    if client is None:
        raise NotReady("the main window has no client area yet")
    cx, cy, cw, ch = extents(client)
    options, labels, pictures = [], [], []
    for control in children(client):
        if role(control) == "radio button":
            options.append((extents(control)[0], control.name,
                            pyatspi.STATE_CHECKED in states(control)))
        elif role(control) == "label":
            labels.append((control.name, is_showing(control)))
        elif role(control) == "image":
            x, y, w, h = extents(control)
            pictures.append((y - cy, x - cx, w, h))
    lines = ['window "%s": %dx%d, client area %dx%d under a %d pixel menu bar'
             % (frame.name, fw, fh, cw, ch, cy - fy),
             'prompt: "%s"' % (labels[0][0] if labels else "")]
    lines += ['option "%s": %s' % (name, "selected" if checked else "not selected")
              for _, name, checked in options]
    # the labels after the prompt cheer for the racers, in racer order
    lines += ['cheer "%s": %s' % (text, "showing" if shown else "hidden")
              for text, shown in labels[1:]]
    # lanes from top to bottom belong to the racers in the order of their option buttons
    names = [name for _, name, _ in sorted(options)] + ["?"] * len(pictures)
    lines += ["racer %s: picture at x %d, y %d (%dx%d)" % (name, x, y, w, h)
              for name, (y, x, w, h) in zip(names, sorted(pictures))]
    for bar in (child for child in children(frame) if role(child) == "menu bar"):
        lines += ['menu "%s": %s' % (item.name, ", ".join(
            entry.name for popup in children(item) for entry in children(popup)
            if role(entry) == "menu item")) for item in children(bar)]
    lines += ["message box " + format_box(*box) for box in open_boxes(app)] or ["no message box"]
    return "\n".join(lines), [left for _, left, _, _ in pictures]


def racers_back(app):
    """No racer stands at or past the finish line (the window's left edge), where a race's
    winners stand while its boxes show; once every box is answered they jump back."""
    lefts = window_view(app)[1]
    return len(lefts) > 0 and all(left > 0 for left in lefts)


def poll(timeout, look):
    """Call look() until it returns something other than None, for at most timeout seconds."""
    deadline = time.monotonic() + timeout
    last_problem = None
    while True:
        try:
            found = look()
            if found is not None:
                return found, None
        except NotReady as problem:
            last_problem = str(problem)
        except GLib.Error as problem:  # an object went away while we read it
            last_problem = "accessibility bus: %s" % problem.message
        if time.monotonic() >= deadline:
            return None, last_problem
        time.sleep(POLL_SECONDS)


def format_box(title, text):
    return "%s: %s" % (title, text.replace("\n", " / "))


RACE_OVER = "no box: the race is over"


def first_box(app):
    boxes = open_boxes(app)
    return format_box(*boxes[0]) if boxes else None


def next_box(app):
    found = first_box(app)
    if found is None and racers_back(app):
        # Read the boxes once more: one may have opened while we looked at the racers.
        found = first_box(app) or RACE_OVER
    return found


# Each mode: what it looks for (None while it is not there), and what it says when that did not
# come in time.
MODES = {
    "box": (first_box, "no message box of {!r} appeared"),
    "next": (next_box, "neither another message box nor the end of the race showed"),
    "boxes": (lambda app: "\n".join(format_box(*box) for box in open_boxes(app)),
              "could not read the boxes of {!r}"),
    "window": (lambda app: window_view(app)[0], "the main window of {!r} did not show"),
}


def parse(argv):
    parser = argparse.ArgumentParser(prog="read_boxes.py", description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--app", required=True,
                        help="the game's name on the accessibility bus (zoomkin-layout's app)")
    modes = parser.add_subparsers(dest="mode", required=True)
    for name, default in (("box", 10.0), ("next", 10.0), ("boxes", 5.0), ("window", 10.0)):
        modes.add_parser(name).add_argument("--timeout", type=float, default=default,
                                            help="seconds to wait at most (default %(default)s)")
    return parser.parse_args(argv)


def main(argv):
    args = parse(argv)
    if args.timeout <= 0:
        sys.stderr.write("read_boxes.py: --timeout must be positive\n")
        return EXIT_USAGE
    problem = check_bus()
    if problem:
        sys.stderr.write("read_boxes.py: %s\n" % problem)
        return EXIT_TIMEOUT
    look, failure = MODES[args.mode]
    try:
        found, problem = poll(args.timeout, lambda: look(find_app(args.app)))
    except KeyboardInterrupt:
        return EXIT_TIMEOUT
    if found is None:
        detail = " (%s)" % problem if problem else ""
        sys.stderr.write("read_boxes.py: %s within %g s%s\n"
                         % (failure.format(args.app), args.timeout, detail))
        return EXIT_TIMEOUT
    if found:  # the boxes showing now may be none
        print(found, flush=True)
    return EXIT_RACE_OVER if found == RACE_OVER else EXIT_FOUND


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

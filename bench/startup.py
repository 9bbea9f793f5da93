#!/usr/bin/python3
"""The game's start-up (A) against a bare window's (B), on the X server in DISPLAY (tools/bench
runs it in a private Xvfb and D-Bus session). Every run starts the program, waits for the first
top-level window it maps, then reads one pixel of bare client area back from the server every
half millisecond until it turns from the root's black to the window's own colour: its first
frame (Qt gives a top-level X window no background, so until the program puts its first frame
there the screen still shows the root). Timed runs then ask the window to close as a window
manager's close button does (tools/lib/close_window.py); counted runs, under callgrind, are
stopped (SIGTERM) at once, which ends their count. Figures only.

With --launcher (wine, for the Windows programs) each timed run starts its program through it.

usage: startup.py [--pairs N] [--counts N] [--launcher PROGRAM] LAYOUT GAME BASELINE
       (LAYOUT: zoomkin-layout)
"""

import argparse
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error  # Debian's python3-xlib

CLOSE_WINDOW = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "lib",
                            "close_window.py")


def pixel(window, x, y):
    return int.from_bytes(window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3], "little")


def events(dpy):
    while dpy.pending_events():
        yield dpy.next_event()


def first_frame(dpy, spot, child, since, patience):
    """The program's first window, and the milliseconds to its mapping and to its first frame."""
    window = None
    while window is None:
        for event in events(dpy):
            if event.type == X.MapNotify and not event.override and window is None:
                window, mapped = event.window, since()
        if window is None and (since() > patience * 1000 or child.poll() is not None):
            raise RuntimeError("no window mapped, or the program ended first")
        select.select([dpy], [], [], 0.001)
    bare_x, bare_y, client_height = spot  # the client area: the window's bottom rows
    spot_y = window.get_geometry().height - client_height + bare_y
    while pixel(window, bare_x, spot_y) == 0:
        if since() > patience * 1000:
            raise RuntimeError("no first frame")
        time.sleep(0.0005)
    painted = since()
    # Qt puts a first frame on screen in one piece: the bare end of the menu bar confirms it
    if pixel(window, 400, 4) == 0:
        print("  (the client area showed before the menu bar)")
    return window, mapped, painted


def run(dpy, spot, command, counted=False, env=None):
    """One start-up: (mapped ms, first frame ms, peak KiB, CPU ms)."""
    list(events(dpy))
    start = time.monotonic()
    child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.STDOUT, env=env)
    since = lambda: (time.monotonic() - start) * 1000  # noqa: E731
    try:  # callgrind runs a program some fifty times slower
        window, mapped, painted = first_frame(dpy, spot, child, since, 300 if counted else 20)
        if counted:
            child.send_signal(signal.SIGTERM)
        else:
            time.sleep(0.1)
            subprocess.run([CLOSE_WINDOW, str(window.id)], check=False)
        deadline = time.monotonic() + (60 if counted else 5)
        while (reaped := os.wait4(child.pid, os.WNOHANG))[0] != child.pid:
            if time.monotonic() > deadline:
                raise RuntimeError("the program did not end")
            time.sleep(0.001)
    except (RuntimeError, error.XError):
        child.kill()
        child.wait()
        raise
    child.returncode, usage = reaped[1:]
    # the next window opens where this one was: wait until the server has destroyed this one
    for _ in range(2000):
        if any(e.type == X.DestroyNotify and e.window.id == window.id for e in events(dpy)):
            break
        time.sleep(0.001)
    return mapped, painted, usage.ru_maxrss, (usage.ru_utime + usage.ru_stime) * 1000


def timed(dpy, spot, programs, pairs, launcher):
    runs, failed = [], 0
    for pair in range(pairs + 1):  # pair 0 warms up
        try:
            runs.append([run(dpy, spot, launcher + [program]) for program in programs])
        except (RuntimeError, error.XError) as problem:
            print("  pair %d FAILED: %s" % (pair, problem))
            failed += pair > 0
        runs = runs if pair else []
    if failed:
        print("%d pair(s) failed and are left out" % failed)
    if not runs:
        return
    print("\n%-26s %-34s   %-34s   %s" % ("median [quartiles]", "A (game)", "B (baseline)", "A/B"))
    for what, unit, column, scale in (("spawn to window mapped", "ms", 0, 1),
                                      ("spawn to first frame", "ms", 1, 1),
                                      ("CPU time (user+sys)", "ms", 3, 1),
                                      ("peak resident memory", "MiB", 2, 1 / 1024)):
        # the quartiles and the median, interpolated between the values (one value: itself)
        (a1, a, a3), (b1, b, b3) = (
            statistics.quantiles([r[which][column] * scale for r in runs] * (1 + (len(runs) == 1)),
                                 n=4, method="inclusive") for which in (0, 1))
        print("%-26s %9.2f %-3s [%8.2f..%8.2f]   %9.2f %-3s [%8.2f..%8.2f]   %6.3f"
              % (what, a, unit, a1, a3, b, unit, b1, b3, a / b))
    # each pair ran back to back, so its own ratio cancels slow drifts of the machine
    time_ratio, memory_ratio = (statistics.median(a[c] / b[c] for a, b in runs) for c in (1, 2))
    print("median of the per-pair ratios: first frame %.3f, peak memory %.3f "
          "(goals: at most 1.10 and 1.05)" % (time_ratio, memory_ratio))


def counted(dpy, spot, programs, counts):
    print("\ninstructions from exec until stopped at the first frame (callgrind, %d run(s) "
          "each, each in a fresh home)" % counts)
    found = [[], []]
    with tempfile.TemporaryDirectory(prefix="zoomkin-count.") as work:
        for count in range(counts):
            for which, program in enumerate(programs):
                home = os.path.join(work, "%d-%d" % (which, count))
                os.mkdir(home)
                env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config",
                           XDG_CACHE_HOME=home + "/.cache")
                try:
                    run(dpy, spot, ["valgrind", "--tool=callgrind", "--quiet",
                                    "--callgrind-out-file=%s/out" % home, program], True, env)
                except (RuntimeError, error.XError) as problem:
                    print("  count %d FAILED: %s" % (count + 1, problem))
                    continue
                with open(home + "/out") as out:
                    found[which] += [float(line[9:]) for line in out if line[:9] == "summary: "]
    for label, values in zip(("A (game)", "B (baseline)"), found):
        m = statistics.median(values) if values else 0
        print("  %-13s %8.2f M  [%8.2f..%8.2f]  spread %.2f%%" % (
            label, m / 1e6, min(values) / 1e6, max(values) / 1e6,
            (max(values) - min(values)) / m * 100) if values else "  %-13s no count" % label)
    if all(found):
        print("  A/B %.3f (goal: at most 1.15)" % (statistics.median(found[0])
                                                   / statistics.median(found[1])))


def main():
    parser = argparse.ArgumentParser(usage=__doc__.split("usage: ")[1])
    parser.add_argument("--pairs", type=int, default=20)
    parser.add_argument("--counts", type=int, default=3)
    parser.add_argument("--launcher", action="append", default=[])
    parser.add_argument("programs", nargs=3)
    args = parser.parse_args()
    layout = {line.split("\t")[0]: line.split("\t")[1:] for line in subprocess.run(
        [args.programs[0]], capture_output=True, text=True, check=True).stdout.splitlines()}
    spot = (int(layout["bare"][0]), int(layout["bare"][1]), int(layout["client"][1]))
    dpy = display.Display()
    dpy.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    print("%d pairs, A B A B after one warm-up pair, on X display %s\n  A = %s\n  B = %s"
          % (args.pairs, dpy.get_display_name(), *args.programs[1:]), flush=True)
    timed(dpy, spot, args.programs[1:], args.pairs, args.launcher)
    if args.counts:
        counted(dpy, spot, args.programs[1:], args.counts)


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The README's run command: Vantoscope on a private two-monitor desktop with sample windows.

Opens three sample application windows, starts Vantoscope in the sample settings
directory, ticks one window with the toggle button and another in the checklist, as a
user would with the mouse, prints the trace
(decoded from code page 932) and writes a screenshot of both monitors."""

import argparse
import os
import signal
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from testbed import ROOT, TestBed, wait_for  # noqa: E402
from vanto import Vantoscope  # noqa: E402


def print_trace(v, start, state):
    """Prints new trace lines; runs of one repeated line are shown once with a count."""
    with v.cond:
        lines = v.lines[start:]
    for line in lines:
        if line == state.get("last"):
            state["repeats"] = state.get("repeats", 0) + 1
            continue
        if state.get("repeats"):
            print("    (the line above %d more times)" % state["repeats"], flush=True)
        state["repeats"] = 0
        state["last"] = line
        print(line.decode("cp932", "replace"), flush=True)
    return start + len(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=0, help="stop after this many seconds (default: Ctrl-C)")
    parser.add_argument("--shot", default=os.path.join(ROOT, "build", "vantoscope-run.png"),
                        help="where to write the screenshot of both monitors")
    args = parser.parse_args()

    stop = {"now": False}
    signal.signal(signal.SIGINT, lambda *_: stop.update(now=True))
    signal.signal(signal.SIGTERM, lambda *_: stop.update(now=True))

    print("Starting a private desktop with two 1024 x 768 monitors...", flush=True)
    with TestBed(prefix_name="run") as bed:
        probe = bed.probe
        probe.open("Notes", x=40, y=260, w=360, h=300, seed=11)
        viewer = probe.open("Photo viewer", x=430, y=120, w=520, h=400, seed=7)
        probe.open("Terminal", x=120, y=560, w=420, h=180, fill=0x203040)

        v = Vantoscope(bed, cwd=os.path.join(ROOT, "assets"))
        shown = 0
        state = {}
        try:
            v.wait_ready()
            shown = print_trace(v, shown, state)
            # Bring the photo viewer forward and click the toggle button on its caption.
            probe.foreground(viewer)
            rect = probe.info(viewer)["rect"]
            bx, by = rect[2] - 140 + 15, rect[1] + 10
            wait_for(lambda: probe.info(v.find_own("VantoscopeButton"))["rect"][:2] == (rect[2] - 140, rect[1]),
                     10, what="the toggle button on the viewer")
            bed.click(bx, by)
            # Tick the notes window in the checklist too, with a click on its row.
            rows = [r for r in v.rows() if r["text"] == b"Notes"]
            if rows:
                r = rows[0]["rect"]
                bed.click(r[0] + 12, (r[1] + r[3]) // 2)
            probe.foreground(viewer)
            bed.move_pointer(rect[0] + 200, rect[1] + 150)
            time.sleep(2)
            shown = print_trace(v, shown, state)
            os.makedirs(os.path.dirname(os.path.abspath(args.shot)), exist_ok=True)
            bed.screenshot().save_png(args.shot)
            print("Screenshot of both monitors: %s" % args.shot, flush=True)
            deadline = time.monotonic() + args.seconds if args.seconds else None
            while not stop["now"] and v.alive() and (deadline is None or time.monotonic() < deadline):
                time.sleep(0.2)
                shown = print_trace(v, shown, state)
        finally:
            code = v.close() if v.alive() else v.wait_exit()
            print_trace(v, shown, state)
            print("Vantoscope exited with code %s" % code, flush=True)
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The README's run command: Vantoscope on a private two-monitor desktop with sample windows.

Opens three sample application windows, starts Vantoscope in the sample settings
directory, ticks one window with the toggle button and another in the checklist, as a
user would with the mouse, prints the trace
(decoded from code page 932) and writes a screenshot of both monitors."""

import argparse
import os
import signal
import subprocess
import sys
import time

from desk import BUILD, ROOT, DeskError, Desktop, Program, wait_for


def print_trace(v, start, state):
    """Prints new trace lines; runs of one repeated line are shown once with a count."""
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
    try:
        bed = Desktop(prefix="run").start()
    except DeskError as e:
        return str(e)
    try:
        probe = bed.probe
        probe.open("Notes", x=40, y=260, w=360, h=300, seed=11)
        viewer = probe.open("Photo viewer", x=430, y=120, w=520, h=400, seed=7)
        probe.open("Terminal", x=120, y=560, w=420, h=180, fill=0x203040)

        v = Program(bed, os.path.join(BUILD, "Vantoscope.exe"), os.path.join(ROOT, "assets"))
        shown = 0
        state = {}
        try:
            v.wait_ready()
            shown = print_trace(v, shown, state)
            # Bring the photo viewer forward and click the toggle button on its caption.
            probe.foreground(viewer)
            rect = probe.info(viewer)["rect"]
            bx, by = rect[2] - 140 + 15, rect[1] + 10
            wait_for(lambda: probe.info(probe.find("VantoscopeButton")[0])["rect"][:2] == (rect[2] - 140, rect[1]),
                     what="the toggle button on the viewer")
            bed.click(bx, by)
            # Tick the notes window in the checklist too, with a click on its row.
            rows = [r for r in probe.rows(v.checklist) if r["text"] == b"Notes"]
            if rows:
                r = rows[0]["rect"]
                bed.click(r[0] + 12, (r[1] + r[3]) // 2)
            probe.foreground(viewer)
            bed.pointer(rect[0] + 200, rect[1] + 150)
            time.sleep(2)
            shown = print_trace(v, shown, state)
            os.makedirs(os.path.dirname(os.path.abspath(args.shot)), exist_ok=True)
            subprocess.run(["import", "-window", "root", "-display", bed.display, args.shot], check=True, timeout=60)
            print("Screenshot of both monitors: %s" % args.shot, flush=True)
            deadline = time.monotonic() + args.seconds if args.seconds else None
            while not stop["now"] and v.proc.poll() is None and (deadline is None or time.monotonic() < deadline):
                time.sleep(0.2)
                shown = print_trace(v, shown, state)
        finally:
            code = v.close() if v.proc.poll() is None else v.wait_exit()
            print_trace(v, shown, state)
            print("Vantoscope exited with code %s" % code, flush=True)
    finally:
        bed.stop()
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())

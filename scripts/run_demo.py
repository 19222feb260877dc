#!/usr/bin/env python3
"""The README's run command: Vantoscope on a private two-monitor desktop with sample windows.

Opens three sample application windows, starts Vantoscope in the sample settings
directory, ticks one window with the toggle button and another in the checklist, as a
user would with the mouse, opens a context menu in one of them, prints the trace
(decoded from code page 932) and writes a screenshot of both monitors. With --scaled the
main monitor is 1280 x 800 and the external one 1024 x 768, and Vantoscope scales the main
monitor's picture to fit ([DISPLAY] MATCH=scale). With --dpi the desktop is scaled (144: 150 %,
192: 200 %), as most laptops are. With --zoom the zoom key is pressed before the screenshot, the pointer
over the photo viewer's menu."""

import argparse
import os
import shutil
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


def scaled_settings():
    """The sample settings with the main monitor's picture scaled to fit, in a directory under build/."""
    d = os.path.join(ROOT, "build", "run-scaled")
    os.makedirs(d, exist_ok=True)
    for name in ("wallpaper.bmp", "button_off.bmp", "button_on.bmp", "Vantoscope.ini"):
        shutil.copy(os.path.join(ROOT, "assets", name), d)
    with open(os.path.join(d, "Vantoscope.ini"), "ab") as f:
        f.write(b"[DISPLAY]\r\nMATCH=scale\r\n")
    return d


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=0, help="stop after this many seconds (default: Ctrl-C)")
    parser.add_argument("--shot", default=os.path.join(ROOT, "build", "vantoscope-run.png"),
                        help="where to write the screenshot of both monitors")
    parser.add_argument("--scaled", action="store_true",
                        help="a 1280 x 800 main monitor beside a 1024 x 768 external one, scaled to fit")
    parser.add_argument("--dpi", type=int, default=96, help="the desktop's DPI (96: 100 %%, 144: 150 %%, 192: 200 %%)")
    parser.add_argument("--zoom", action="store_true", help="the audience's picture zoomed around the pointer")
    args = parser.parse_args()
    heads, settings = ((1024, 768, 0, 0), (1024, 768, 1024, 0)), os.path.join(ROOT, "assets")
    if args.scaled:
        heads, settings = ((1280, 800, 0, 0), (1024, 768, 1280, 0)), scaled_settings()

    stop = {"now": False}
    signal.signal(signal.SIGINT, lambda *_: stop.update(now=True))
    signal.signal(signal.SIGTERM, lambda *_: stop.update(now=True))

    print("Starting a private desktop with monitors of %s..." % " and ".join("%d x %d" % h[:2] for h in heads),
          flush=True)
    try:
        bed = Desktop(heads, prefix="run", dpi=args.dpi).start()
    except DeskError as e:
        return str(e)
    try:
        probe = bed.probe
        probe.open("Notes", x=40, y=260, w=360, h=300, seed=11)
        viewer = probe.open("Photo viewer", x=430, y=310, w=520, h=400, seed=7)  # below the preview
        probe.open("Terminal", x=120, y=560, w=420, h=180, fill=0x203040)

        v = Program(bed, os.path.join(BUILD, "Vantoscope.exe"), settings)
        shown = 0
        state = {}
        try:
            v.wait_ready()
            shown = print_trace(v, shown, state)
            # Tick the notes window in the checklist, with a click on its row.
            rows = [r for r in probe.rows(v.checklist) if r["text"] == b"Notes"]
            for _ in range(3 if rows else 0):  # a click may be lost while the desktop settles: once more
                r = rows[0]["rect"]
                bed.click(r[0] + 12, (r[1] + r[3]) // 2)
                time.sleep(0.5)
                if [x for x in probe.rows(v.checklist) if x["text"] == b"Notes" and x["check"]]:
                    break
            # Bring the photo viewer forward and click the toggle button on its caption.
            probe.foreground(viewer)
            rect = probe.info(viewer)["rect"]
            bx, by = rect[2] - 140 + 15, rect[1] + 10
            wait_for(lambda: probe.info(probe.find("VantoscopeButton")[0])["rect"][:2] == (rect[2] - 140, rect[1]),
                     what="the toggle button on the viewer")
            bed.click(bx, by)
            probe.foreground(viewer)
            # Open the viewer's context menu: it shows on the external monitor with the viewer.
            bed.xdotool("mousemove", rect[0] + 330, rect[1] + 170, "click", 3)
            bed.pointer(rect[0] + 360, rect[1] + 180)
            if args.zoom:
                bed.xdotool("key", "ctrl+alt+F8")
            time.sleep(2)
            shown = print_trace(v, shown, state)
            os.makedirs(os.path.dirname(os.path.abspath(args.shot)), exist_ok=True)
            subprocess.run(["import", "-window", "root", "-display", bed.display, args.shot], check=True, timeout=60)
            print("Screenshot of both monitors: %s" % args.shot, flush=True)
            bed.click(rect[0] + 100, rect[1] + 100)  # closes the menu
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

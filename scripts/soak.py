#!/usr/bin/env python3
"""The long soak: seeded desktop churn around Vantoscope, checked throughout (desk/churn.py),
then flat GDI objects from the warmed-up start to the end, and flat private memory from the first
minute to the last (the medians of each: a single reading swings with the windows on the screen).
    python3 -m scripts.soak [--minutes 30] [--seed N] [--exe PATH]"""

import argparse
import os
import statistics
import sys

from desk import BUILD, ROOT, DeskError, Desktop, Program
from desk.churn import Churn


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--minutes", type=float, default=30)
    parser.add_argument("--seed", type=int, default=20261206)
    parser.add_argument("--exe", default=os.path.join(BUILD, "Vantoscope.exe"), help="a 64-bit Vantoscope.exe")
    args = parser.parse_args()
    try:
        desktop = Desktop().start()
    except DeskError as e:
        sys.exit(str(e))
    try:
        program = Program(desktop, args.exe, os.path.join(ROOT, "assets"))
        program.wait_ready()
        churn = Churn(desktop, program, args.seed)
        actions, checks, before, after = churn.run(args.minutes * 60)
        last = churn.private[-1][0]
        first_minute = statistics.median(kib for t, kib in churn.private if t <= 60)
        last_minute = statistics.median(kib for t, kib in churn.private if t >= last - 60)
        print("soak: %d actions, %d checks; GDI objects %d -> %d, resident memory %d -> %d KiB, private %d -> %d KiB "
              "(medians of the first and the last minute)" % (actions, checks, before[0], after[0], before[1], after[1],
                                                               first_minute, last_minute))
        code = program.close()
        if code != 0:
            sys.exit("exit code %s after closing the checklist" % code)
        if after[0] - before[0] > 5 or last_minute - first_minute > 2048:
            sys.exit("GDI objects or private memory grew")
    finally:
        desktop.stop()


if __name__ == "__main__":
    main()

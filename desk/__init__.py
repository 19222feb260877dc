"""The private Windows desktop that the run command, the tests, the benchmark and the soak stand on:
Xvfb with nested Xephyr heads and our own Wine prefix (desktop), Vantoscope.exe run with its trace read
as it comes (program), sample application windows with queries for any window (probe, vtprobe.exe), the
desktop's pixels (screen), and a seeded churn of the desktop with its check (churn)."""

from .common import BUILD, ROOT, wait_for  # noqa: F401
from .desktop import TWO_HEADS, DeskError, Desktop, cleanup  # noqa: F401
from .program import CLASS_LINE, Program, t  # noqa: F401

"""The test bed that the tests, the run command and the benchmark share: a private Windows
desktop under Wine, its probe, the program runner, screen reading and the desktop churn."""

from .desktop import BUILD, ROOT, TWO_HEADS, Desktop, cleanup, wait_for  # noqa: F401
from .program import Program, t  # noqa: F401
from .screen import Screen, load_bmp  # noqa: F401


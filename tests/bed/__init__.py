"""The test bed that the tests, the run command, the soak and the benchmark share."""

from .desktop import BUILD, ROOT, TWO_HEADS, Desktop, cleanup, wait_for  # noqa: F401
from .program import Program, t  # noqa: F401
from .screen import Screen, load_bmp  # noqa: F401


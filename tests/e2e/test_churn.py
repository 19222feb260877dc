"""A short seeded churn of the desktop around the program, checked throughout (the long one:
scripts/soak.sh)."""

import os

from .story import EXES, Story, both
from tests.bed.churn import Churn

SECONDS = float(os.environ.get("VANTOSCOPE_CHURN_SECONDS", "10"))


class ChurnStory(Story):
    def test_churn(self):
        self.start()
        before = after = (0, 0)
        churn = Churn(self.d, self.p, seed=20261206, ext=self.ext, gdi=self.exe == EXES["x64"])
        with self.step("exactly the ticked, listed windows' mirrors show, at their places, throughout"):
            actions, checks, before, after = churn.run(SECONDS)
            self.assertGreater(checks, 5)
        with self.step("resident memory stays flat"):
            self.assertLess(after[1] - before[1], 2048, (before, after))
        with self.step("GDI objects stay flat"):
            if not churn.gdi:
                self.skipTest("GDI objects are counted through the 64-bit process layout only")
            self.assertLessEqual(after[0] - before[0], 5, (before, after))


Churn_x64, Churn_x86 = both(ChurnStory)

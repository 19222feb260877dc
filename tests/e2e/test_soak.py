"""The short soak of the test command: about a minute of seeded desktop churn (a 30-minute
run: scripts/soak.sh)."""

import os
import unittest

from base import BedHolder
from soak import Soak

HOLDER = BedHolder()
SECONDS = float(os.environ.get("VANTOSCOPE_SOAK_SECONDS", "60"))


def setUpModule():
    HOLDER.start()


def tearDownModule():
    HOLDER.stop()


class ShortSoak(unittest.TestCase):
    def test_churn_keeps_every_invariant(self):
        actions, checks = Soak(HOLDER.bed, seed=20261206, log=lambda *_: None).run(SECONDS)
        self.assertGreater(actions, 100)
        self.assertGreater(checks, 30)


if __name__ == "__main__":
    unittest.main()

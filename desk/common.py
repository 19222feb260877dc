"""Where the project and its build are, and waiting for a condition: what every part of the desktop uses."""

import os
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("VANTOSCOPE_BUILD", os.path.join(ROOT, "build", "win64"))


def wait_for(condition, timeout=20, what="condition", interval=0.05):
    # Deadlines are generous, for a machine busy with other builds; `what` may be a function, so
    # that the message tells the state at the deadline.
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError("timed out after %.0f s waiting for %s" % (timeout, what() if callable(what) else what))
        time.sleep(interval)
    return value

"""Shared pieces of the end-to-end tests: one test bed per module, a Vantoscope run per
test that must end cleanly (checklist closed, exit code 0, "App end"), and sample windows
that are closed after each test."""

import os
import re
import unittest

from testbed import ROOT, TestBed, wait_for
from vanto import Vantoscope, t

ASSETS = os.path.join(ROOT, "assets")
CLASS_LINE = re.compile(rb"^Class:")

WM_COMMAND = 0x0111
WM_SYSCOMMAND = 0x0112
WM_CLOSE = 0x0010
SW_HIDE, SW_SHOWNORMAL, SW_MINIMIZE, SW_MAXIMIZE, SW_RESTORE = 0, 1, 6, 3, 9
ID_MOUSE_LIMIT, ID_MOUSE_POINTER, ID_WALLPAPER = 1012, 1020, 1021


class BedHolder:
    """Module-level test bed: call start() from setUpModule and stop() from tearDownModule."""

    def __init__(self, heads=((1024, 768), (1024, 768))):
        self.heads = heads
        self.bed = None

    def start(self):
        self.bed = TestBed(self.heads).start()
        return self.bed

    def stop(self):
        if self.bed:
            self.bed.stop()
            self.bed = None


class VantoscopeTest(unittest.TestCase):
    """A test that runs Vantoscope. Subclasses set `holder` (a BedHolder)."""

    holder = None
    cwd = ASSETS

    @property
    def bed(self):
        return self.holder.bed

    @property
    def probe(self):
        return self.holder.bed.probe

    def setUp(self):
        self.v = None
        self.addCleanup(self.probe.close_all)

    def start(self, cwd=None, env=None, ready=True):
        """Starts Vantoscope; with ready, waits for its main loop and returns the checklist."""
        self.v = Vantoscope(self.bed, cwd=cwd or self.cwd, env=env)
        self.addCleanup(self._end_run, self.v)
        return self.v.wait_ready() if ready else None

    def _end_run(self, v):
        if not v.alive():
            code = v.wait_exit()
            self.assertEqual(code, 0, "Vantoscope ended by itself with %s; stderr: %r" % (code, v.stderr[-2000:]))
            return
        if v.checklist is None:
            v.kill()
            self.fail("Vantoscope never reached its main loop; trace: %r" % v.lines[-10:])
        code = v.close()
        self.assertEqual(code, 0, "exit code after closing the checklist; stderr: %r" % v.stderr[-2000:])
        self.assertEqual(v.lines[-1] if v.lines else None, b"App end")

    # -- helpers ----------------------------------------------------------------------
    def rows(self):
        return sorted(self.v.rows(), key=lambda r: r["id"])

    def row_texts(self):
        return [r["text"] for r in self.rows()]

    def checks(self):
        return [r["check"] for r in self.rows()]

    def wait_rows(self, expected_prefix, timeout=10):
        """Waits until the first captions of the rows are these texts (str or bytes)."""
        want = [e.encode("cp932") if isinstance(e, str) else e for e in expected_prefix]
        wait_for(lambda: self.row_texts()[:len(want)] == want, timeout,
                 what="row captions %r (now %r)" % (want, self.row_texts()[:len(want) + 1]))

    def toggle_row(self, i):
        self.probe.send(self.v.checklist, WM_COMMAND, i, 0)

    def pick_switch(self, command):
        self.probe.send(self.v.checklist, WM_SYSCOMMAND, command, 0)

    def mirror_for(self, title):
        """The mirror window whose title is the target's title and a blank."""
        want = (title.encode("cp932") if isinstance(title, str) else title) + b" "
        found = wait_for(lambda: [h for h, vis, c, tt in self.probe.top()
                                  if re.fullmatch(rb"Mirror\d+", c) and tt == want], 10,
                         what="mirror of %r" % title)
        return found[0]

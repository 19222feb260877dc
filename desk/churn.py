"""Seeded churn of the desktop around a running Vantoscope, and the check it applies throughout: the soak's,
and the stories' restless desktop."""
# The check: exactly the ticked, visible, non-minimised listed windows have visible mirrors, each at
# its window's place on the external monitor; the checklist answers; at most 30 windows listed.

import random
import re
import time

from .common import wait_for

MIRROR, LISTED = re.compile(rb"Mirror\d+"), re.compile(rb"^win_num(?: changed!|:) (\d+)$")
WM_NULL, WM_COMMAND, WM_SYSCOMMAND = 0x0000, 0x0111, 0x0112


def visible_mirrors(probe):
    return sorted((t, probe.info(h)["rect"]) for h, vis, c, t in probe.top() if vis and MIRROR.fullmatch(c))


def listed(program):
    # The catalogue's size, as its last (re)build traced it.
    return next((int(m.group(1)) for m in map(LISTED.match, reversed(program.lines)) if m), 0)


class Churn:
    def __init__(self, desktop, program, seed, ext=(1024, 0), gdi=True, places=None):
        self.p, self.probe, self.ext, self.gdi = program, desktop.probe, ext, gdi
        # Where the mirrors of these windows belong, by default at 1:1: sorted (mirror title, rectangle).
        self.places = places or (lambda hwnds: sorted((self.probe.info(h)["title"] + b" ", tuple(
            v + o for v, o in zip(self.probe.info(h)["rect"], ext * 2))) for h in hwnds))
        self.rng, self.serial, self.actions, self.checks, self.minimised = random.Random(seed), 0, 0, 0, set()

    def open(self):
        # A new window with a title of its own (the check tells rows by title) at a random place.
        self.serial, w, h = self.serial + 1, self.rng.randint(150, 500), self.rng.randint(100, 380)
        return self.probe.open("Churn %03d" % self.serial, self.rng.randint(0, 1024 - w), self.rng.randint(0, 760 - h),
                               w, h, seed=self.serial)

    def act(self):
        windows, r = list(self.probe.samples), self.rng.random()
        self.minimised &= set(windows)
        shown, pick, rows = [h for h in windows if h not in self.minimised], self.rng.choice(windows or [0]), listed(self.p)
        if r < 0.18 and len(windows) < 40 or not windows:
            self.open()
        elif r < 0.28:
            self.probe.close(pick)
        elif r < 0.45:
            self.probe.show(pick, 9 if pick in self.minimised else 6)  # restore or minimise
            self.minimised ^= {pick}
        elif r < 0.6 and shown:
            w, h = self.rng.randint(150, 500), self.rng.randint(100, 380)
            self.probe.move(self.rng.choice(shown), self.rng.randint(-50, 1024 - w), self.rng.randint(0, 760 - h), w, h)
        elif r < 0.68:
            self.serial += 1
            self.probe.set_title(pick, "Churn %03d" % self.serial)
        elif r < 0.9 and rows:
            self.probe.send(self.p.checklist, WM_COMMAND, self.rng.randrange(rows))  # a row ticked or unticked
        else:
            self.probe.send(self.p.checklist, WM_SYSCOMMAND, self.rng.choice((1012, 1020, 1021)))  # a switch
        self.actions += 1

    def want(self):
        # A row may outlive its window's minimising until the count of windows changes.
        by_title = {title: h for h, title in self.probe.samples.items()}
        rows = [by_title.get(r["text"]) for r in self.probe.rows(self.p.checklist)[:listed(self.p)] if r["check"]]
        shown = [h for h in rows if h and (lambda i: i["visible"] and not i["iconic"])(self.probe.info(h))]
        return self.places(shown)

    def check(self):
        if self.p.proc.poll() is not None:
            raise AssertionError("Vantoscope ended (%s) after %d actions" % (self.p.proc.returncode, self.actions))
        started = time.monotonic()
        self.probe.send(self.p.checklist, WM_NULL)
        if time.monotonic() - started > 2 or max(int(m.group(1)) for m in map(LISTED.match, self.p.lines) if m) > 30:
            raise AssertionError("the checklist took %.1f s to answer, or listed more than 30 windows" % (
                time.monotonic() - started))
        # The mirrors follow their windows' moves only while the foreground is no helper window.
        self.probe.foreground(self.rng.choice([h for h in self.probe.samples if h not in self.minimised] or
                                              [self.p.checklist]))
        try:
            wait_for(lambda: visible_mirrors(self.probe) == self.want(), 10, interval=0.1)
        except TimeoutError:
            raise AssertionError("after %d actions: visible mirrors %r, expected %r" % (
                self.actions, visible_mirrors(self.probe), self.want())) from None
        self.checks += 1

    def resources(self):
        gdi = self.probe.gdi_objects(self.probe.info(self.p.checklist)["pid"]) if self.gdi else 0
        return gdi, self.p.rss_kib()

    def run(self, seconds):
        # Churns, then closes every window: answers actions, checks, (GDI objects, KiB) warm and at the end.
        # The warm-up fills the catalogue (all 30 mirrors made) and takes every kind of action before
        # the first count: objects made on first use are no leak.
        for _ in range(40):
            self.open()
        wait_for(lambda: listed(self.p) == 30, 30, "a full catalogue")
        for row in range(0, 30, 3):
            self.probe.send(self.p.checklist, WM_COMMAND, row)
        while self.actions < 30:
            self.act()
        self.check()
        before, end = self.resources(), time.monotonic() + seconds
        self.private = []  # (seconds since the warm-up, private resident KiB) after each check
        while time.monotonic() < end:
            for _ in range(self.rng.randint(1, 4)):
                self.act()
            self.check()
            self.private.append((seconds - (end - time.monotonic()), self.p.rss_kib("RssAnon")))
        self.probe.close_all()
        self.check()
        for _ in range(20):  # the wallpaper hidden and shown again: it paints each time it shows
            self.probe.send(self.p.checklist, WM_SYSCOMMAND, 1021)
            self.p.wait_iterations(1)
        return self.actions, self.checks, before, self.resources()

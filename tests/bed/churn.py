"""Seeded churn of the desktop around a running Vantoscope, and the check it applies throughout."""
# The check: exactly the ticked, visible, non-minimised listed windows have visible mirrors, each at
# its window's place on the external monitor; the checklist answers; at most 30 windows listed.

import random
import re
import time

from .desktop import wait_for

MIRROR, LISTED = re.compile(rb"Mirror\d+"), re.compile(rb"^win_num(?: changed!|:) (\d+)$")
WM_NULL, WM_COMMAND, WM_SYSCOMMAND = 0x0000, 0x0111, 0x0112


def mirror_places(probe, hwnds, ext):
    # Where mirrors of these windows belong: sorted (mirror title, rectangle).
    places = [(i["title"] + b" ", i["rect"]) for i in map(probe.info, hwnds)]
    return sorted((t, (r[0] + ext[0], r[1] + ext[1], r[2] + ext[0], r[3] + ext[1])) for t, r in places)


def visible_mirrors(probe):
    return sorted((t, probe.info(h)["rect"]) for h, vis, c, t in probe.top() if vis and MIRROR.fullmatch(c))


def listed(program):
    # The catalogue's size, as its last (re)build traced it.
    return next((int(m.group(1)) for m in map(LISTED.match, reversed(program.lines)) if m), 0)


def ticked_windows(probe, program):
    # A row may outlive its window's minimising until the count of windows changes.
    by_title = {title: h for h, title in probe.samples.items()}  # titles are unique in the churn
    rows = [by_title.get(r["text"]) for r in probe.rows(program.checklist)[:listed(program)] if r["check"]]
    return [h for h in rows if h and (lambda i: i["visible"] and not i["iconic"])(probe.info(h))]


class ChurnFailure(AssertionError):
    pass


class Churn:
    def __init__(self, desktop, program, seed, ext=(1024, 0), gdi=True):
        self.d, self.p, self.probe, self.ext, self.gdi = desktop, program, desktop.probe, ext, gdi
        self.rng, self.serial, self.actions, self.checks, self.minimised = random.Random(seed), 0, 0, 0, set()

    def place(self):
        w, h = self.rng.randint(150, 500), self.rng.randint(100, 380)
        return self.rng.randint(0, 1024 - w), self.rng.randint(0, 760 - h), w, h

    def title(self):
        self.serial += 1
        return "Churn %03d" % self.serial

    def act(self):
        windows, r = list(self.probe.samples), self.rng.random()
        self.minimised &= set(windows)
        shown, pick, rows = [h for h in windows if h not in self.minimised], self.rng.choice(windows or [0]), listed(self.p)
        if r < 0.16 and len(windows) < 40 or not windows:
            self.probe.open(self.title(), *self.place(), seed=self.serial)
        elif r < 0.26:
            self.probe.close(pick)
        elif r < 0.42:
            self.probe.show(pick, 9 if pick in self.minimised else 6)  # restore or minimise
            self.minimised ^= {pick}
        elif r < 0.55 and shown:
            self.probe.move(self.rng.choice(shown), *self.place())
        elif r < 0.62:
            self.probe.set_title(pick, self.title())
        elif r < 0.82 and rows:
            self.probe.send(self.p.checklist, WM_COMMAND, self.rng.randrange(rows))
        elif r < 0.92 and shown:
            self.click_button_on(self.rng.choice(shown))
        else:
            self.probe.send(self.p.checklist, WM_SYSCOMMAND, self.rng.choice((1012, 1020, 1021)))  # a switch
        self.actions += 1

    def click_button_on(self, hwnd):
        self.probe.foreground(hwnd)
        r, button = self.probe.info(hwnd)["rect"], self.probe.find("VantoscopeButton")[0]
        try:
            wait_for(lambda: self.probe.info(button)["rect"] == (r[2] - 140, r[1], r[2] - 110, r[1] + 20), 3)
        except TimeoutError:
            return  # moved on by something else: nothing to click
        if r[2] >= 140 and r[1] >= 0:
            self.d.click(r[2] - 125, r[1] + 10)
            self.d.pointer(1010, 750)

    def check(self):
        if self.p.proc.poll() is not None:
            raise ChurnFailure("Vantoscope ended (%s) after %d actions" % (self.p.proc.returncode, self.actions))
        started = time.monotonic()
        self.probe.send(self.p.checklist, WM_NULL)
        if time.monotonic() - started > 2 or max([int(m.group(1)) for m in map(LISTED.match, self.p.lines) if m]) > 30:
            raise ChurnFailure("the checklist took %.1f s to answer, or listed more than 30 windows" % (
                time.monotonic() - started))
        # The mirrors follow their windows' moves only while the foreground is no helper window.
        self.probe.foreground(self.rng.choice([h for h in self.probe.samples if h not in self.minimised] or
                                              [self.p.checklist]))
        want = lambda: mirror_places(self.probe, ticked_windows(self.probe, self.p), self.ext)  # noqa: E731
        try:
            wait_for(lambda: visible_mirrors(self.probe) == want(), 10, interval=0.1)
        except TimeoutError:
            raise ChurnFailure("after %d actions: visible mirrors %r, expected %r" % (
                self.actions, visible_mirrors(self.probe), want())) from None
        self.checks += 1

    def resources(self):
        gdi = self.probe.gdi_objects(self.probe.info(self.p.checklist)["pid"]) if self.gdi else 0
        return gdi, self.p.rss_kib()

    def run(self, seconds):
        # Churns, then closes every window: answers actions, checks, (GDI objects, KiB) warm and at the end.
        # The warm-up fills the catalogue (all 30 mirrors made) and takes every kind of action before
        # the first count: objects made on first use are no leak.
        for _ in range(40):
            self.probe.open(self.title(), *self.place(), seed=self.serial)
        wait_for(lambda: listed(self.p) == 30, 30, "a full catalogue")
        for row in range(0, 30, 3):
            self.probe.send(self.p.checklist, WM_COMMAND, row)
        while self.actions < 30:
            self.act()
        self.check()
        before, end = self.resources(), time.monotonic() + seconds
        while time.monotonic() < end:
            for _ in range(self.rng.randint(1, 4)):
                self.act()
            self.check()
        self.probe.close_all()
        self.check()
        return self.actions, self.checks, before, self.resources()

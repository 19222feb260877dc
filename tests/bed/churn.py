"""Seeded desktop churn around a running Vantoscope, and the check that it applies throughout:
exactly the ticked, visible, non-minimised listed windows have visible mirrors, each at its
window's place on the external monitor."""

import random
import re
import time

from .desktop import wait_for

MIRROR = re.compile(rb"Mirror\d+")
LISTED = re.compile(rb"^win_num(?: changed!|:) (\d+)$")
WM_NULL, WM_COMMAND, WM_SYSCOMMAND = 0x0000, 0x0111, 0x0112
SWITCHES = (1012, 1020, 1021)


def mirror_places(probe, hwnds, ext):
    """Where mirrors of these windows belong: sorted (mirror title, rectangle)."""
    out = []
    for h in hwnds:
        i = probe.info(h)
        r = i["rect"]
        out.append((i["title"] + b" ", (r[0] + ext[0], r[1] + ext[1], r[2] + ext[0], r[3] + ext[1])))
    return sorted(out)


def visible_mirrors(probe):
    return sorted((t, probe.info(h)["rect"]) for h, vis, c, t in probe.top() if vis and MIRROR.fullmatch(c))


def listed(program):
    """The catalogue's size, as its last (re)build traced it."""
    return next((int(m.group(1)) for m in map(LISTED.match, reversed(program.lines)) if m), 0)


def ticked_windows(probe, program):
    """The visible, non-minimised sample windows of the ticked listed rows (titles are unique in
    the churn). A row may outlive its window's minimising until the count of windows changes."""
    by_title = {title: h for h, title in probe.samples.items()}
    rows = probe.rows(program.checklist)[:listed(program)]
    hwnds = [by_title[r["text"]] for r in rows if r["check"] and r["text"] in by_title]
    return [h for h in hwnds if (lambda i: i["visible"] and not i["iconic"])(probe.info(h))]


class ChurnFailure(AssertionError):
    pass


class Churn:
    def __init__(self, desktop, program, seed, ext=(1024, 0), gdi=True):
        self.d, self.p, self.probe = desktop, program, desktop.probe
        self.rng, self.ext, self.gdi = random.Random(seed), ext, gdi
        self.minimised, self.serial, self.actions, self.checks = set(), 0, 0, 0

    def open(self):
        self.serial += 1
        w, h = self.rng.randint(150, 500), self.rng.randint(100, 380)
        self.probe.open("Churn %03d" % self.serial, self.rng.randint(0, 1024 - w), self.rng.randint(0, 760 - h), w, h,
                        seed=self.serial)

    def act(self):
        windows = list(self.probe.samples)
        shown = [h for h in windows if h not in self.minimised]
        pick = self.rng.choice(windows) if windows else None
        r = self.rng.random()
        if r < 0.16 and len(windows) < 40 or not windows:
            self.open()
        elif r < 0.26:
            self.probe.close(pick)
            self.minimised.discard(pick)
        elif r < 0.42:
            self.probe.show(pick, 9 if pick in self.minimised else 6)  # restore or minimise
            self.minimised ^= {pick}
        elif r < 0.55 and shown:
            w, h = self.rng.randint(150, 500), self.rng.randint(100, 380)
            self.probe.move(self.rng.choice(shown), self.rng.randint(0, 1024 - w), self.rng.randint(0, 760 - h), w, h)
        elif r < 0.62:
            self.serial += 1
            self.probe.set_title(pick, "Churn %03d" % self.serial)
        elif r < 0.82 and listed(self.p):
            self.probe.send(self.p.checklist, WM_COMMAND, self.rng.randrange(listed(self.p)))
        elif r < 0.92 and shown:
            self.click_button_on(self.rng.choice(shown))
        else:
            self.probe.send(self.p.checklist, WM_SYSCOMMAND, self.rng.choice(SWITCHES))
        self.actions += 1

    def click_button_on(self, hwnd):
        """Brings the window forward and clicks the toggle button on its caption, as a user would."""
        self.probe.foreground(hwnd)
        r = self.probe.info(hwnd)["rect"]
        button = self.probe.find("VantoscopeButton")[0]
        try:
            wait_for(lambda: self.probe.info(button)["rect"] == (r[2] - 140, r[1], r[2] - 110, r[1] + 20), 3)
        except TimeoutError:
            return  # moved on by something else; nothing to click
        if r[2] - 140 >= 0 and r[1] >= 0:
            self.d.click(r[2] - 125, r[1] + 10)
            self.d.pointer(1010, 750)

    def check(self):
        if self.p.proc.poll() is not None:
            raise ChurnFailure("Vantoscope ended (%s) after %d actions" % (self.p.proc.returncode, self.actions))
        started = time.monotonic()
        self.probe.send(self.p.checklist, WM_NULL)
        if time.monotonic() - started > 2:
            raise ChurnFailure("the checklist took %.1f s to answer" % (time.monotonic() - started))
        if max(map(int, re.findall(rb"^win_num(?: changed!|:) (\d+)$", b"\n".join(self.p.lines), re.M)),
               default=0) > 30:
            raise ChurnFailure("more than 30 windows listed")
        # The mirrors follow their windows' moves only while the foreground is no helper window.
        shown = [h for h in self.probe.samples if h not in self.minimised]
        self.probe.foreground(self.rng.choice(shown) if shown else self.p.checklist)
        try:
            wait_for(lambda: visible_mirrors(self.probe) == mirror_places(
                self.probe, ticked_windows(self.probe, self.p), self.ext), 10, interval=0.1)
        except TimeoutError:
            raise ChurnFailure("after %d actions: visible mirrors %r, expected %r" % (
                self.actions, visible_mirrors(self.probe),
                mirror_places(self.probe, ticked_windows(self.probe, self.p), self.ext))) from None
        self.checks += 1

    def resources(self):
        gdi = self.probe.gdi_objects(self.probe.info(self.p.checklist)["pid"]) if self.gdi else 0
        return gdi, self.p.rss_kib()

    def run(self, seconds):
        """Churns for this long, then closes every window; answers the actions and checks made,
        and (GDI objects, resident KiB) after the warm-up and at the end."""
        # Warm up with every kind of action, and a full catalogue so that all 30 mirrors exist,
        # before the first count: objects made on first use are no leak.
        for _ in range(40):
            self.open()
        wait_for(lambda: listed(self.p) == 30, 30, "a full catalogue")
        for row in range(0, 30, 3):
            self.probe.send(self.p.checklist, WM_COMMAND, row)
        while self.actions < 30:
            self.act()
        self.check()
        before = self.resources()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            for _ in range(self.rng.randint(1, 4)):
                self.act()
            self.check()
        self.probe.close_all()
        self.minimised.clear()
        self.check()
        return self.actions, self.checks, before, self.resources()

#!/usr/bin/env python3
"""Soak: a seeded driver that churns the desktop around Vantoscope and checks it throughout.

It opens, closes, minimises, restores, moves and retitles up to 40 windows, ticks and unticks
rows, clicks the toggle button and flips the three switches. After every few actions it
checks that the program is alive and its checklist answers within a second, that at most 30
windows are listed, and that exactly the ticked, non-minimised listed windows have a visible
mirror at their place on the external monitor. Memory and GDI objects must stay flat."""

import argparse
import os
import random
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from testbed import ROOT, TestBed, wait_for  # noqa: E402
from vanto import Vantoscope, rss_kib  # noqa: E402

ASSETS = os.path.join(ROOT, "assets")
EXT_X = 1024
WM_NULL, WM_COMMAND, WM_SYSCOMMAND = 0x0000, 0x0111, 0x0112
SW_MINIMIZE, SW_RESTORE = 6, 9
SWITCHES = (1012, 1020, 1021)
LISTED = re.compile(rb"^win_num(?: changed!|:) (\d+)$")


class SoakFailure(AssertionError):
    pass


class Soak:
    def __init__(self, bed, seed, log=print):
        self.bed = bed
        self.probe = bed.probe
        self.rng = random.Random(seed)
        self.log = log
        self.windows = {}      # hwnd -> title
        self.minimised = set()
        self.serial = 0
        self.actions = 0
        self.checks = 0
        self.v = None

    # -- the desktop ------------------------------------------------------------------
    def new_title(self):
        self.serial += 1
        return "Soak %03d" % self.serial

    def some_window(self, minimised=None):
        pool = [h for h in self.windows if minimised is None or (h in self.minimised) == minimised]
        return self.rng.choice(pool) if pool else None

    def random_rect(self):
        w, h = self.rng.randint(150, 500), self.rng.randint(100, 380)
        return self.rng.randint(0, 1024 - w), self.rng.randint(0, 760 - h), w, h

    def act(self):
        r = self.rng.random()
        if r < 0.16 and len(self.windows) < 40:
            x, y, w, h = self.random_rect()
            title = self.new_title()
            self.windows[self.probe.open(title, x=x, y=y, w=w, h=h, seed=self.serial)] = title
        elif r < 0.26 and self.windows:
            hwnd = self.some_window()
            self.probe.close_window(hwnd)
            del self.windows[hwnd]
            self.minimised.discard(hwnd)
        elif r < 0.34 and self.some_window(False):
            hwnd = self.some_window(False)
            self.probe.show(hwnd, SW_MINIMIZE)
            self.minimised.add(hwnd)
        elif r < 0.42 and self.some_window(True):
            hwnd = self.some_window(True)
            self.probe.show(hwnd, SW_RESTORE)
            self.minimised.discard(hwnd)
        elif r < 0.55 and self.some_window(False):
            self.probe.move(self.some_window(False), *self.random_rect())
        elif r < 0.62 and self.windows:
            hwnd = self.some_window()
            self.windows[hwnd] = self.new_title()
            self.probe.set_title(hwnd, self.windows[hwnd])
        elif r < 0.82:
            listed = self.listed_count()
            if listed:
                self.probe.send(self.v.checklist, WM_COMMAND, self.rng.randrange(listed), 0)
        elif r < 0.92 and self.some_window(False):
            self.click_button_on(self.some_window(False))
        else:
            self.probe.send(self.v.checklist, WM_SYSCOMMAND, self.rng.choice(SWITCHES), 0)
        self.actions += 1

    def click_button_on(self, hwnd):
        """Brings the window forward and clicks the toggle button on it, as a user would."""
        self.probe.foreground(hwnd)
        try:
            rect = self.probe.info(hwnd)["rect"]
            button = self.v.find_own("VantoscopeButton")
            want = (rect[2] - 140, rect[1], rect[2] - 110, rect[1] + 20)
            wait_for(lambda: self.probe.info(button)["rect"] == want, 2, what="the button")
        except TimeoutError:
            return
        if 0 <= want[0] and want[2] <= 1024 and 0 <= want[1]:
            self.bed.click(want[0] + 15, want[1] + 10)
            self.bed.move_pointer(1010, 750)

    # -- the program ------------------------------------------------------------------
    def listed_count(self):
        """The catalogue's size as the last (re)build traced it. (The checklist's height says
        the same only while it fits the screen: the window system caps it there.)"""
        with self.v.cond:
            for line in reversed(self.v.lines):
                m = LISTED.match(line)
                if m:
                    return int(m.group(1))
        return 0

    def answers(self):
        start = time.monotonic()
        self.probe.send(self.v.checklist, WM_NULL)
        return time.monotonic() - start

    def expected_and_visible(self):
        """(expected {mirror title: rect}, visible {mirror title: rect}) right now."""
        listed = self.listed_count()
        rows = sorted(self.v.rows(), key=lambda r: r["id"])[:listed]
        by_title = {t.encode(): h for h, t in self.windows.items()}
        expected = {}
        for row in rows:
            hwnd = by_title.get(row["text"])
            if row["check"] and hwnd is not None and hwnd not in self.minimised:
                r = self.probe.info(hwnd)["rect"]
                expected[row["text"] + b" "] = (r[0] + EXT_X, r[1], r[2] + EXT_X, r[3])
        visible = {}
        for h, vis, cls, title in self.probe.top():
            if vis and re.fullmatch(rb"Mirror\d+", cls):
                visible[title] = self.probe.info(h)["rect"]
        return expected, visible

    def explain(self, expected, visible):
        """What the rows and windows say about each mirror that should or should not be there."""
        rows = sorted(self.v.rows(), key=lambda r: r["id"])
        by_title = {t.encode(): h for h, t in self.windows.items()}
        lines = ["listed %d" % self.listed_count()]
        for title in sorted(set(expected) ^ set(visible)):
            name = title[:-1]
            hwnd = by_title.get(name)
            where = [(r["id"], r["check"]) for r in rows if r["text"] == name]
            lines.append("  %r: window %s minimised %s, rows %r, expected %s, visible %s" % (
                name, hex(hwnd) if hwnd else None, hwnd in self.minimised, where, title in expected,
                title in visible))
        lines.append("  rows: %r" % [(r["id"], r["text"], r["check"]) for r in rows[:32]])
        return "\n".join(lines)

    def check(self, settle=5.0):
        if not self.v.alive():
            raise SoakFailure("Vantoscope ended (exit code %s) after %d actions" % (self.v.proc.returncode,
                                                                                   self.actions))
        took = self.answers()
        if took > 1.0:
            raise SoakFailure("the checklist took %.2f s to answer" % took)
        listed = [int(m.group(1)) for l in self.v.lines for m in [LISTED.match(l)] if m]
        if listed and max(listed) > 30:
            raise SoakFailure("more than 30 windows listed: %r" % listed[-5:])
        # The mirrors follow the foreground window's moves only while it is not the button.
        candidates = [h for h in self.windows if h not in self.minimised]
        self.probe.foreground(self.rng.choice(candidates) if candidates else self.v.checklist)
        deadline = time.monotonic() + settle
        while True:
            expected, visible = self.expected_and_visible()
            if expected == visible:
                break
            if time.monotonic() > deadline:
                raise SoakFailure("after %d actions: expected mirrors %r, visible %r\n%s" % (
                    self.actions, expected, visible, self.explain(expected, visible)))
            time.sleep(0.1)
        self.checks += 1

    def resources(self):
        gdi = self.probe.gdi_objects(self.v.pid())
        return gdi, rss_kib(self.v.proc.pid)

    def run(self, seconds):
        self.v = Vantoscope(self.bed, cwd=ASSETS)
        self.v.wait_ready()
        try:
            # Warm up with a full catalogue, so that all 30 mirrors (made on demand and kept
            # for the whole run) exist before the resources are first counted.
            for _ in range(40):
                x, y, w, h = self.random_rect()
                title = self.new_title()
                self.windows[self.probe.open(title, x=x, y=y, w=w, h=h, seed=self.serial)] = title
            wait_for(lambda: self.listed_count() == 30, 10, what="a full catalogue")
            for row in range(0, 30, 3):
                self.probe.send(self.v.checklist, WM_COMMAND, row, 0)
            self.check()
            start_resources = self.resources()
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                for _ in range(self.rng.randint(1, 4)):
                    self.act()
                self.check()
            self.probe.close_all()
            self.windows.clear()
            self.minimised.clear()
            self.check()
            end_resources = self.resources()
            if end_resources[0] - start_resources[0] > 5:
                raise SoakFailure("GDI objects grew from %d to %d" % (start_resources[0], end_resources[0]))
            if end_resources[1] - start_resources[1] > 2048:
                raise SoakFailure("resident memory grew from %d to %d KiB" % start_resources[1:] + end_resources[1:])
            self.log("soak: %d actions, %d checks, GDI objects %d -> %d, resident memory %d -> %d KiB" % (
                self.actions, self.checks, start_resources[0], end_resources[0], start_resources[1],
                end_resources[1]))
        finally:
            if self.v.alive():
                code = self.v.close()
                if code != 0:
                    raise SoakFailure("exit code %s after closing the checklist" % code)
        return self.actions, self.checks


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--minutes", type=float, default=30)
    parser.add_argument("--seed", type=int, default=20261206)
    args = parser.parse_args()
    with TestBed() as bed:
        Soak(bed, args.seed).run(args.minutes * 60)


if __name__ == "__main__":
    main()

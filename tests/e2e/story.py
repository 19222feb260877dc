# What the stories share: the desktop, the program on both builds, steps (failing with the trace's tail), checks.

import atexit
import contextlib
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from desk import BUILD, CLASS_LINE, ROOT, TWO_HEADS, Desktop, Program, t, wait_for, wine
from desk.screen import Screen, load_bmp
from desk.churn import listed, visible_mirrors

ASSETS = os.path.join(ROOT, "assets")
EXES = {"x64": os.path.join(BUILD, "Vantoscope.exe"), "x86": os.path.join(ROOT, "build", "win32", "Vantoscope.exe")}
EXES = {k: os.environ.get("VANTOSCOPE_%s_EXE" % k.upper(), exe) for k, exe in EXES.items()}  # other builds to test
PLACEHOLDER, CAPTION = b"\xfc\x4b", "エラー"
MODE_FAILED = t("外部ディスプレイ解像度の変更に失敗しました")
MODE_REQUEST = re.compile(rb'NtUserChangeDisplaySettings L"\\\\\\\\.\\\\(\w+)" \S+ \(nil\) 0x4 ')  # trace+system
WM_CLOSE, WM_COMMAND, WM_SYSCOMMAND, WS_THICKFRAME, WS_MAXIMIZE = 0x0010, 0x0111, 0x0112, 0x00040000, 0x01000000
RED, ID_MOUSE_POINTER, ID_WALLPAPER, ID_BLANK, ID_PREVIEW = (255, 0, 0), 1020, 1021, 1022, 1023
WALLPAPER = load_bmp(os.path.join(ASSETS, "wallpaper.bmp"))  # 16 x 7 tiles of 20 x 25
_desktop = []
atexit.register(lambda: _desktop and _desktop.pop().stop())


def desktop_for(heads, dpi=96):
    # The running desktop if it has these heads and this DPI, else a new one: one desktop at a time.
    if _desktop and (_desktop[0].heads, _desktop[0].dpi) != (heads, dpi):
        _desktop.pop().stop()
    if not _desktop:
        _desktop.append(Desktop(heads, dpi=dpi).start())
    return _desktop[0]


def asset(name, folder=ASSETS):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def monitor_line(n, x, y, w, h):
    return t("%d番目のモニタ: %d x %d解像度: %d  x %d　%s" % (n, x, y, w, h, "メインモニタ" if n == 1 else "外部モニタ"))


class Story:
    exe, heads, thumbnails, scaled, dpi = None, TWO_HEADS, False, False, 96

    @classmethod
    def setUpClass(cls):
        cls.d = desktop_for(cls.heads, cls.dpi)
        cls.probe, cls.screen = cls.d.probe, Screen(cls.d)
        # The external monitor is the last head; without one, mirrors stand left of the screen.
        cls.ext = cls.heads[-1][2:] if len(cls.heads) > 1 else (-cls.heads[0][0], 0)
        cls.main, cls.ext_area = (0, 0) + cls.heads[0][:2], cls.ext + cls.heads[-1][:2]

    def setUp(self):
        self.p = None
        self.addCleanup(self.probe.close_all)

    def mode_failures(self, cwd=ASSETS, external=None):
        # The warnings of a set-up that may change modes: both monitors are asked for the narrower one's mode (equal
        # widths: the audience's); the 32-bit bed refuses every mode change, the 64-bit one all but the main's own.
        ini = asset("Vantoscope.ini", cwd)
        if len(self.heads) < 2 or re.search(rb"(?im)^\s*MATCH\s*=\s*scale\s*$", ini):
            return []
        named = re.search(rb"(?im)^\s*EXTERNAL\s*=\s*(?:\\\\\.\\DISPLAY)?(\d+)\s*$", ini)
        external = external or (int(named.group(1)) if named else 0)
        main, ext = self.heads[0], self.heads[external - 1 if 2 <= external <= len(self.heads) else -1]
        common = ext[:2] if ext[0] <= main[0] else main[:2]
        return [MODE_FAILED] * 2 if self.exe == EXES["x86"] or common != main[:2] else []

    def start(self, cwd=None, env=None, boxes=()):
        # Starts the program, answers the boxes it must show (any other fails at once); answers the boxes' owners.
        cwd = cwd or self.sample_settings("")
        if self.p and self.p.proc.poll() is None:
            self.p.kill()  # left by a step that failed
        p = self.p = Program(self.d, self.exe, cwd, env or (self.d.compositor_env() if self.thumbnails else None))
        self.addCleanup(self.end, p)
        owners = []
        for text in self.mode_failures(cwd) + list(boxes):
            box = self.probe.box(CAPTION, 30)
            self.assertEqual(box and box[1], text, "warning box; trace: %r" % p.tail())
            owners.append(box[0])
        got = wait_for(lambda: p.count(CLASS_LINE) or self.probe.box(CAPTION, 0), 60, "the main loop")
        self.assertNotIsInstance(got, tuple, "an unexpected warning box: %r" % (got,))
        p.wait_ready()
        return owners

    def settings(self, ini, files={}):
        # A scratch working directory with this settings file and these files (None: a directory).
        d = tempfile.mkdtemp(prefix="settings_", dir=os.path.join(ROOT, "build"))
        self.addCleanup(shutil.rmtree, d, True)
        for name, content in dict(files, **{"Vantoscope.ini": ini}).items():
            if content is None:
                os.makedirs(os.path.join(d, name))
                continue
            with open(os.path.join(d, name), "wb") as f:
                f.write(content.replace("\n", "\r\n").encode("cp932") if isinstance(content, str) else content)
        return d

    def sample_settings(self, extra, preview=False):
        # The sample settings and bitmaps, the preview closed unless asked for, with these lines added.
        files = {name: asset(name) for name in ("wallpaper.bmp", "button_off.bmp", "button_on.bmp")}
        ini = asset("Vantoscope.ini").replace(b"SHOW=yes", b"SHOW=yes" if preview else b"SHOW=no")
        return self.settings(ini + extra.replace("\n", "\r\n").encode("cp932"), files)

    def end(self, p):
        if p.proc.poll() is None:
            self.assertEqual((p.close(), p.lines[-1:]), (0, [b"App end"]), "closing") if p.checklist else p.kill()

    @contextlib.contextmanager
    def step(self, name):
        with self.subTest(name):
            try:
                yield
            except (AssertionError, TimeoutError, RuntimeError, subprocess.TimeoutExpired) as e:
                raise AssertionError("%s\n  trace tail: %r" % (e, self.p and self.p.tail())) from None

    def sc(self, size):
        # A size written for 96 DPI at the desktop's DPI, rounded as the system rounds.
        return math.floor(size * self.dpi / 96 + 0.5)

    def caption_buttons(self, hwnd):
        # The stand-in's caption buttons: 3 of 46 x 30 inside the invisible border (22 high at the edge, maximised).
        info, right, top, height = self.probe.info(hwnd), self.main[2], self.main[1], self.sc(22)
        if not info["style"] & WS_MAXIMIZE:
            right, top = info["rect"][2] - (7 if info["style"] & WS_THICKFRAME else 1), info["rect"][1] + 1
            height = self.sc(30)
        return right - 3 * self.sc(46), top, right, top + height

    def button_place(self, hwnd):
        # The button's place: left of the stand-in's caption buttons, centred; else 140 left of the right edge.
        w, h, r = self.sc(30), self.sc(20), self.probe.info(hwnd)["rect"]
        x, y = r[2] - 140, r[1]
        if self.thumbnails:
            left, top, right, bottom = self.caption_buttons(hwnd)
            x, y = left - self.sc(4) - w, top + (bottom - top - h) // 2
        return x, y, x + w, y + h

    def button_on(self, hwnd):
        # Waits for the button at its place on the window's caption; answers where it stands.
        button = self.probe.find("VantoscopeButton")[0]
        wait_for(lambda: self.probe.info(button)["rect"] == self.button_place(hwnd),
                 what=lambda: "the button at %r (now %r)" % (self.button_place(hwnd), self.probe.info(button)["rect"]))
        return self.button_place(hwnd)

    def texts(self, n=None):
        return [r["text"] for r in self.probe.rows(self.p.checklist)[:n]]

    def preview_says(self, text):
        # Waits for the preview's status line to say this; answers the preview.
        preview = wait_for(lambda: self.probe.shown("VantoscopePreview"), what="the preview")[0]
        wait_for(lambda: self.probe.rows(preview)[0]["text"] == t(text), what="the preview saying %r" % text)
        return preview

    def menus(self):
        return self.probe.shown("#32768")

    def ticked(self):
        return sorted(r["text"] for r in self.probe.rows(self.p.checklist)[:listed(self.p)] if r["check"])

    def wait_rows(self, texts):
        # Waits for these rows at the top, and the checklist's height for that many.
        want, size = [t(x) for x in texts], (0, 0, self.sc(300), self.sc(31 * (len(texts) + 1)))
        wait_for(lambda: self.texts(len(want)) == want and self.probe.info(self.p.checklist)["rect"] == size,
                 what=lambda: "rows %r (now %r)" % (want, self.texts(len(want) + 1)))

    def row_of(self, title):
        # The title's row once the rows stand still: every window opened is listed, no rebuild moves the row.
        def still(before):
            time.sleep(0.25)
            return before == self.texts() and t(title) in before and [before.index(t(title))]
        return wait_for(lambda: still(self.texts()), what="row %r" % title)[0]

    def tick(self, title, front=None):
        # Ticks the title's row with a message, as a click would, and waits for its trace; brings `front` forward.
        mark, row = self.p.mark(), self.row_of(title)
        self.probe.send(self.p.checklist, WM_COMMAND, row)
        self.assertEqual(self.p.next_lines(self.p.wait_line("check ID: %d" % row, mark), 1), [t(title)])
        if front:
            self.probe.foreground(front)

    def press(self, keys, line, start=None):
        # Presses keys as a user does; waits for this trace line after start (default: now); answers its index.
        start = self.p.mark() if start is None else start
        self.d.xdotool("key", keys)
        return self.p.wait_line(line, start)

    def keys_to(self, hwnd):
        # The keyboard into this window, as a click gives it; the pointer then leaves it.
        self.d.click(*[v + 5 for v in self.probe.info(hwnd)["client"][:2]])
        self.d.pointer(1000, 740)

    def click_row(self, title, ticked):
        r = self.probe.rows(self.p.checklist)[self.row_of(title)]["rect"]
        self.d.click(r[0] + 12, (r[1] + r[3]) // 2)
        wait_for(lambda: self.ticked() == sorted(t(x) for x in ticked), what=lambda: "ticks %r" % self.ticked())

    def clear(self):
        self.probe.close_all()
        wait_for(lambda: listed(self.p) == 0, what="an empty catalogue")

    def visible_bounds(self, hwnd):
        # What a mirror shows: the window, for a thumbnail less a sizable window's 7-pixel invisible border.
        info = self.probe.info(hwnd)
        inset = 7 if self.thumbnails and info["style"] & WS_THICKFRAME else 0
        return tuple(v + d for v, d in zip(info["rect"], (inset, 0, -inset, -inset)))

    def land(self, r, shown=None):
        # Where a rectangle lands on the external monitor: 1:1, or fitted, centred and rounded as the program does.
        shown, (ex, ey, ew, eh) = shown or (self.scaled and self.main), self.ext_area
        if not shown:
            return r[0] + ex, r[1] + ey, r[2] + ex, r[3] + ey
        w, h = shown[2] - shown[0], shown[3] - shown[1]
        s = min(ew / w, eh / h)
        o = (ex + (ew - s * w) / 2 - s * shown[0], ey + (eh - s * h) / 2 - s * shown[1])
        return tuple(math.floor(o[i % 2] + s * v + 0.5) for i, v in enumerate(r))

    def places(self, hwnds, spotlight=False):
        # Where the mirrors of these windows belong; a thumbnail mirror is cut to the external monitor.
        bounds = [(self.probe.info(h)["title"] + b" ", self.visible_bounds(h)) for h in hwnds]
        places = sorted((t, self.land(b, spotlight and b)) for t, b in bounds)
        if not self.thumbnails:
            return places
        e = self.ext + (self.ext[0] + self.ext_area[2], self.ext[1] + self.ext_area[3])
        return [(t, (max(r[0], e[0]), max(r[1], e[1]), min(r[2], e[2]), min(r[3], e[3]))) for t, r in places]

    def shows(self, *hwnds, spotlight=False, pixels=None):
        # Waits until exactly these windows have mirrors at their places; then for `pixels`' mirror to show its pixels.
        if pixels:
            self.shows(*hwnds, spotlight=spotlight)
            return self.same_pixels(pixels)
        wait_for(lambda: visible_mirrors(self.probe) == self.places(hwnds, spotlight), what=lambda: (
            "mirrors of %r only (now %r)" % (self.places(hwnds, spotlight), visible_mirrors(self.probe))))

    def disc_at(self, x, y):
        # A red disc of 20 (scaled) there, no red around; a capture may fall between a paint's copy and its disc.
        d = self.sc(20)

        def disc():
            img = self.screen.grab(x - 2 * d, y - 2 * d, 4 * d, 4 * d)
            inner = sum(row[d + d // 2:3 * d - d // 2].count(RED) for row in img.rows[d + d // 2:3 * d - d // 2])
            return inner > d * d // 2 and img.count(RED) == inner
        wait_for(disc, what="a red disc of %d at (%d, %d)" % (d, x, y), interval=0.02)

    def same_pixels(self, hwnd):
        # Waits until the window's pixels on the screen show on the external monitor too.
        x0, y0, x1, y1 = self.visible_bounds(hwnd)
        x0, y0 = max(x0, 0), max(y0, 0)
        wait_for(lambda: self.screen.grab(x0, y0, x1 - x0, y1 - y0).rows == self.screen.grab(
            x0 + self.ext[0], y0 + self.ext[1], x1 - x0, y1 - y0).rows, what="the mirror's pixels", interval=0.1)

    def tile_centres(self, area=(0, 0, 1024, 768)):
        # Each wallpaper tile's middle of its part in this area, clear of its stretched edges, with the bitmap's colour.
        parts = [(c, r, max(64 * c + 4, area[0]), max(80 * r + 4, area[1]), min(64 * c + 60, area[2] - 1),
                  min(80 * r + 76, area[3] - 1)) for c in range(16) for r in range(7)]
        return [(self.ext[0] + (x0 + x1) // 2, self.ext[1] + (y0 + y1) // 2, WALLPAPER.pixel(20 * c + 10, 25 * r + 12))
                for c, r, x0, y0, x1, y1 in parts if x0 <= x1 and y0 <= y1]

    def wallpaper_shows(self, area=(0, 0, 1024, 768)):
        points = self.tile_centres(area)
        self.assertTrue(points, "no part of the wallpaper in %r" % (area,))  # else the check could not fail
        shows = lambda img: all(img.pixel(x, y) == c for x, y, c in points)  # noqa: E731
        wait_for(lambda: shows(self.screen.grab(*self.ext, 1024, 560)), what="wallpaper in %r" % (area,), interval=0.1)


def both(story, thumbnails=False):
    # The story as a test case of the 64-bit program and, where this machine runs them, of the 32-bit one.
    module = sys.modules[story.__module__]
    for k, exe in EXES.items():
        if k == "x64" or wine.runs_32bit():
            name = story.__name__.replace("Story", "Thumbnails_" if thumbnails else "_") + k
            setattr(module, name, type(name, (story, unittest.TestCase), {
                "exe": exe, "thumbnails": thumbnails, "__module__": module.__name__}))

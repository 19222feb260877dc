# Trouble (bad settings, extreme titles, a hung window, a second copy, a crowded desktop): told; the program runs on.

import os
import re
import struct
import time

from .story import ASSETS, EXES, Story, asset, both, t, wait_for
from desk import CLASS_LINE, Program
from desk.churn import Churn, visible_mirrors

BITMAP_LINE = t("ビットマップのロードに失敗しました")
FIRST_FACE, SECOND_FACE, CHANGED = BITMAP_LINE + b"1", BITMAP_LINE + b"2", re.compile(rb"^win_num changed! (\d+)$")
SECOND_COPY = b"Vantoscope is already running: its checklist is brought to the front"
CHURN_SECONDS = float(os.environ.get("VANTOSCOPE_CHURN_SECONDS", "10"))  # the long churn: scripts/soak.sh
JAPANESE_INI = "; 日本語の名前\n[WPNAME]\nFILENAME=壁紙.bmp\n[BTNNAME]\nFILENAME=ボタン1.bmp\n[BTNNAME2]\nFILENAME=ボタン2.bmp\n"


def bmp_header(width, height):
    size = min(((abs(width) * 24 + 31) // 32) * 4 * abs(height), 0xFFFFFF00)  # claimed, not there
    return struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54 + size, 0, 0, 54, 40, width, height, 1, 24, 0, size, 0, 0, 0, 0)


class TroubleStory(Story):
    def still_works(self, hwnd):
        self.tick("Still here", front=hwnd)
        self.shows(hwnd)
        self.assertEqual((self.p.close(), self.p.lines[-1]), (0, b"App end"))

    def test_broken_settings_and_bitmaps(self):
        hwnd = self.probe.open("Still here", 200, 200, 300, 200)
        both_faces = "[WPNAME]\nFILENAME=%s\n[BTNNAME]\nFILENAME=%s\n"
        for name, ini, files in (
                ("binary garbage", bytes((i * 7919 + 13) & 0xFF for i in range(8192)), {}),
                ("sections without the key", "[WPNAME]\nNAME=wallpaper.bmp\n[BTNNAME]\n[BTNNAME2]\nFILE=x\n", {}),
                ("values of 5,000 characters", both_faces % ("w" * 5000, "w" * 5000), {}),
                ("a directory", both_faces % ("pics", "pics\\"), {"pics": None}),
                ("not a bitmap", both_faces % ("notes.bmp", "notes.bmp"), {"notes.bmp": b"Not a bitmap.\r\n" * 40}),
                ("absurd dimensions", both_faces % ("huge.bmp", "huge.bmp"), {"huge.bmp": bmp_header(100000, 100000)})):
            with self.step(name):
                self.start(self.settings(ini, files), boxes=[FIRST_FACE])
                self.assertIn(BITMAP_LINE, self.p.lines)
                self.still_works(hwnd)
        with self.step("a missing second face is named by its digit"):
            self.start(self.settings("[BTNNAME]\nFILENAME=off.bmp\n", {"off.bmp": asset("button_off.bmp")}),
                       boxes=[SECOND_FACE])
            self.still_works(hwnd)
        pictures = {"壁紙.bmp": asset("wallpaper.bmp"), "ボタン1.bmp": asset("button_off.bmp"),
                    "ボタン2.bmp": asset("button_on.bmp")}
        for encoding in ("utf-8", "cp932", "utf-16"):
            with self.step("settings in %s naming bitmaps by Japanese names" % encoding):
                self.start(self.settings(JAPANESE_INI.replace("\n", "\r\n").encode(encoding), pictures))
                self.assertNotIn(BITMAP_LINE, self.p.lines)
                self.wallpaper_shows()
                self.still_works(hwnd)
        # An empty key does nothing; a taken key, unreadable settings and a refused spotlight are named; it runs on.
        with self.step("keys off or taken, settings unreadable"):
            self.probe.hotkey(3, 0x79)  # Ctrl+Alt+F10, held by the sample helper
            self.addCleanup(self.probe.hotkey, 0, 0)
            ini = JAPANESE_INI + "[HOTKEYS]\nTOGGLE=\n[MIRROR]\nMETHOD=fancy\nPOPUPS=maybe\n[DISPLAY]\nMATCH=fit\n" \
                "EXTERNAL=%s\nCURTAIN=per\x01haps%s\nZOOM_FACTOR=2,5\nAUDIENCE=win\x02dow\nAUDIENCE_SIZE=%s\n[PREVIEW]\n" \
                "SHOW=maybe\n" % ("7" * 1000, "s" * 60, "1280*720" * 125)
            self.start(self.settings(ini, pictures))
            for line in (b"HOTKEY BLANK Ctrl+Alt+F10 is taken by another program, the key is off",
                         b"MIRROR_METHOD unreadable, auto is used: fancy", b"MIRROR_METHOD:auto",
                         b"MIRROR_POPUPS unreadable, yes is used: maybe", b"MIRROR_POPUPS:yes",
                         b"MATCH unreadable, resolution is used: fit", b"MATCH:resolution 1.000",
                         b"EXTERNAL unreadable, the last monitor is used: " + b"7" * 40 + b"...",
                         b"EXTERNAL:2 \\\\.\\DISPLAY2 (the last monitor found)",
                         b"CURTAIN unreadable, no is used: per?haps" + b"s" * 32 + b"...", b"CURTAIN:no",
                         b"PREVIEW SHOW unreadable, no is used: maybe", b"ZOOM_FACTOR unreadable, 2 is used: 2,5",
                         b"AUDIENCE unreadable, monitor is used: win?dow", b"AUDIENCE:monitor",
                         b"AUDIENCE_SIZE unreadable, 1280x720 is used: " + b"1280*720" * 5 + b"..."):
                self.assertIn(line, self.p.lines)
            self.keys_to(hwnd)
            mark = self.p.mark()
            self.d.xdotool("key", "ctrl+alt+F9")
            self.press("ctrl+alt+F11", "HOTKEY SPOTLIGHT: the window in front is not shown")  # it is not ticked
            self.assertEqual(self.p.count(re.compile(rb"^check ID"), mark), 0)
            self.still_works(hwnd)

    def test_a_restless_desktop(self):
        long_title = b"L" * 1500
        titles = [t(x) for x in ("ソフト表示", "ポイント|一覧", "能力\\予定")]  # trail bytes 5C and 7C
        for i, title in enumerate([long_title] + titles):
            self.probe.open(title, 60 + 240 * i, 100, 220, 150)
        self.start()
        self.probe.foreground(self.probe.find(title=titles[0])[0])  # mirrors are placed while it is no helper
        p = self.p
        with self.step("a 1,500-byte title is listed, ticked, traced and mirrored cut to 1,023 bytes"):
            self.tick(long_title[:1023])
            place = self.land(self.probe.info(self.probe.find(title=long_title)[0])["rect"])
            wait_for(lambda: visible_mirrors(self.probe) == [(long_title[:1023] + b" ", place)], what="its mirror")
        with self.step("double-byte titles whose second bytes are \\ and | keep their bytes and their tick"):
            self.assertEqual(sorted(self.texts(4)), sorted([long_title[:1023]] + titles))
            mark = p.mark()
            self.tick(titles[2])
            self.probe.close(self.probe.find(title=titles[0])[0])
            p.wait_line(CHANGED, mark)
            wait_for(lambda: self.ticked() == sorted([long_title[:1023], titles[2]]),
                     what=lambda: "both ticks kept (now %r)" % [x[:20] for x in self.ticked()])
        self.clear()
        # With the trace unread for 30 s the program runs on; read again, a line counts those dropped, then as usual.
        with self.step("while nobody reads the trace for 30 s"):
            moving = self.probe.open("Moving", 100, 100, 300, 200, seed=5)
            busy = self.probe.open("Busy", 500, 300, 300, 200, cls="C" * 250, seed=6)  # its class on every turn
            self.tick("Moving", front=busy)
            mark, started = p.mark(), time.monotonic()
            p.reading.clear()
            try:
                time.sleep(22)  # by now the pipe is full, and the program's own buffer nearly
                self.probe.move(moving, 150, 180, 300, 200)
                self.shows(moving)
                self.d.xdotool("key", "ctrl+alt+F10")
                wait_for(lambda: visible_mirrors(self.probe) == [], what="the blank")
                self.click_row("Busy", ["Busy", "Moving"])
                self.d.xdotool("key", "ctrl+alt+F10")
                self.shows(moving, busy)
                self.probe.foreground(busy)
                time.sleep(max(0.0, 31 - (time.monotonic() - started)))
            finally:
                p.reading.set()
            i = p.wait_line(re.compile(rb"^TRACE: \d+ lines dropped while the output was blocked$"), mark, timeout=30)
            p.wait_line(CLASS_LINE, i + 1)
        self.clear()
        with self.step("a second copy says so, brings the checklist to the front, and leaves the first alone"):
            shown = self.probe.open("Shown", 300, 250, 400, 300, seed=4)
            self.tick("Shown", front=shown)
            self.d.pointer(1000, 740)  # a fresh desktop's pointer is at its centre: the disc would be in the mirror
            self.same_pixels(shown)
            second = Program(self.d, self.exe, ASSETS, self.d.env(WINEDEBUG="trace+system"))
            try:
                self.assertEqual((second.wait_exit(20), second.lines), (0, [SECOND_COPY]))
            finally:
                if second.proc.poll() is None:
                    second.kill()
            self.assertNotIn(b"NtUserChangeDisplaySettings", second.stderr, "the second copy changed a display mode")
            self.assertEqual([len(self.probe.find(c)) for c in ("Checklist", "VantoscopeButton", "WallPaper")], [1] * 3)
            # The running copy takes the foreground when its loop next fetches: wait for it.
            wait_for(lambda: self.probe.foreground() == p.checklist, what="the running checklist in front")
            self.same_pixels(shown)
        self.clear()
        with self.step("of 40 windows, 30 are listed and the catalogue stays still; a ticked one keeps its row"):
            keeper = self.probe.open("Keeper", 300, 300, 300, 200)
            self.tick("Keeper")
            # 39 newer windows, enumerated before it, appear at once: one rebuild meets them all.
            crowd = [self.probe.open("Crowd %02d" % i, 10 + 15 * i, 100 + 5 * i, 200, 120, show=0) for i in range(39)]
            mark = p.mark()
            self.probe.show(*crowd, 8)  # SW_SHOWNA
            p.wait_line("win_num changed! 30", mark)
            # A pass may meet the crowd half shown: then one more rebuild, and none after that.
            quiet = lambda m: p.wait_iterations(70) or p.count(CHANGED, m) == 0  # noqa: E731
            wait_for(lambda: quiet(p.mark()), 30, "70 turns without a rebuild")
            self.assertEqual(len([x for x in self.texts() if re.fullmatch(rb"Crowd \d\d|Keeper", x)]), 30)
            self.assertEqual(self.ticked(), [b"Keeper"])
            self.shows(keeper)
        self.clear()
        with self.step("a seeded churn: exactly the ticked, listed windows' mirrors show, at their places; no GDI leak"):
            churn = Churn(self.d, p, seed=20261206, ext=self.ext, gdi=self.exe == EXES["x64"])  # GDI: 64-bit layout only
            actions, checks, before, after = churn.run(CHURN_SECONDS)
            self.assertGreater(checks, 5)
            self.assertLessEqual(after[0] - before[0], 5, "GDI objects grew: %r -> %r" % (before, after))


both(TroubleStory)

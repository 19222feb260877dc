"""Hostile inputs: broken settings files and bitmaps, extreme titles, restless windows and
unusual monitors. Each gives a clear message where the program has one, no crash, and
nothing else lost: the program still lists, ticks and mirrors windows and closes cleanly."""

import os
import re
import shutil
import struct
import tempfile
import time
import unittest

from base import ASSETS, BedHolder, VantoscopeTest, WM_COMMAND, t, wait_for
from testbed import ROOT

HOLDER = BedHolder()
CAPTION = "エラー"
BITMAP_LINE = t("ビットマップのロードに失敗しました")
FIRST_FACE = t("ビットマップのロードに失敗しました1")
SECOND_FACE = t("ビットマップのロードに失敗しました2")
CHANGED = re.compile(rb"^win_num changed! \d+$")


def setUpModule():
    HOLDER.start()


def tearDownModule():
    HOLDER.stop()


def bmp_header(width, height, bits=24, data=b""):
    row = ((abs(width) * bits + 31) // 32) * 4
    size = min(row * abs(height), 0xFFFFFFFF - 54)  # what the header claims; the data is what it is
    return (struct.pack("<2sIHHI", b"BM", 54 + size, 0, 0, 54) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, size, 2835, 2835, 0, 0) + data)


class HostileTest(VantoscopeTest):
    holder = HOLDER

    def settings_dir(self, ini=None, files=None):
        """A scratch working directory with this settings text (bytes or str) and files."""
        d = tempfile.mkdtemp(prefix="hostile_", dir=os.path.join(ROOT, "build"))
        self.addCleanup(shutil.rmtree, d, True)
        if ini is not None:
            with open(os.path.join(d, "Vantoscope.ini"), "wb") as f:
                f.write(ini if isinstance(ini, bytes) else ini.replace("\n", "\r\n").encode("cp932"))
        for name, content in (files or {}).items():
            path = os.path.join(d, name)
            if content is None:
                os.makedirs(path)
            else:
                with open(path, "wb") as f:
                    f.write(content)
        return d

    def run_expecting(self, cwd, box_text=FIRST_FACE, wallpaper_fails=True):
        """Starts in cwd, expects the given warning box (or none) and the wallpaper line (or
        not), then checks that the program still does its job."""
        self.start(cwd=cwd, ready=False)
        box = self.probe.box(CAPTION, 15000 if box_text else 800)
        if box_text is None:
            self.assertIsNone(box, "no warning box expected")
        else:
            self.assertIsNotNone(box, "a warning box")
            self.assertEqual(box["text"], box_text)
        self.v.wait_ready()
        self.assertEqual(BITMAP_LINE in self.v.lines, wallpaper_fails)
        self.still_works()

    def still_works(self):
        hwnd = self.probe.open("Still here", x=200, y=200, w=300, h=200)
        wait_for(lambda: b"Still here" in self.row_texts(), 10, what="the new window listed")
        row = self.row_texts().index(b"Still here")
        self.probe.foreground(hwnd)
        self.toggle_row(row)
        mirror = self.mirror_for("Still here")
        wait_for(lambda: self.probe.info(mirror)["visible"] and self.probe.info(mirror)["rect"][0] == 1224, 10,
                 what="its mirror on the external monitor")


class BrokenSettings(HostileTest):
    def test_unusable_settings_read_as_no_settings(self):
        long_value = "w" * 1023
        longer = "w" * 5000
        garbage = bytes((i * 7919 + 13) & 0xFF for i in range(8192))
        cases = {
            "empty file": (b"", {}),
            "binary garbage": (garbage, {}),
            "sections without the key": ("[WPNAME]\nNAME=wallpaper.bmp\n[BTNNAME]\n[BTNNAME2]\nFILE=x\n", {}),
            "1,023 characters": ("[WPNAME]\nFILENAME=%s\n[BTNNAME]\nFILENAME=%s\n" % (long_value, long_value), {}),
            "5,000 characters": ("[WPNAME]\nFILENAME=%s\n[BTNNAME]\nFILENAME=%s\n" % (longer, longer), {}),
            "a directory": ("[WPNAME]\nFILENAME=pics\n[BTNNAME]\nFILENAME=pics\\\n", {"pics": None}),
            "not a bitmap": ("[WPNAME]\nFILENAME=notes.bmp\n[BTNNAME]\nFILENAME=notes.bmp\n",
                             {"notes.bmp": b"This is not a bitmap at all.\r\n" * 40}),
            "absurd dimensions": ("[WPNAME]\nFILENAME=huge.bmp\n[BTNNAME]\nFILENAME=huge.bmp\n",
                                  {"huge.bmp": bmp_header(100000, 100000, data=b"\x10" * 300)}),
        }
        for name, (ini, files) in cases.items():
            with self.subTest(settings=name):
                self.run_expecting(self.settings_dir(ini=ini, files=files))
                self.assertEqual(self.v.close(), 0)
                self.v = None
                self.probe.close_all()

    def test_truncated_bitmaps(self):
        with open(os.path.join(ASSETS, "wallpaper.bmp"), "rb") as f:
            whole = f.read()
        d = self.settings_dir(ini="[WPNAME]\nFILENAME=cut.bmp\n[BTNNAME]\nFILENAME=head.bmp\n",
                              files={"cut.bmp": whole[:len(whole) // 3], "head.bmp": whole[:60]})
        # Whether the platform loads a cut picture is its own matter; the program must go on.
        self.start(cwd=d, ready=False)
        box = self.probe.box(CAPTION, 15000)
        self.assertIn(box and box["text"], (FIRST_FACE, SECOND_FACE))
        self.v.wait_ready()
        self.still_works()

    def test_zero_sized_second_face_leaves_the_button_blank(self):
        # The platform loads a 0 x 0 bitmap; both faces are drawn from its size, so nothing is.
        with open(os.path.join(ASSETS, "button_on.bmp"), "rb") as f:
            good = f.read()
        d = self.settings_dir(ini="[BTNNAME]\nFILENAME=good.bmp\n[BTNNAME2]\nFILENAME=zero.bmp\n",
                              files={"good.bmp": good, "zero.bmp": bmp_header(0, 0)})
        self.run_expecting(d, box_text=None)
        c = self.probe.info(self.v.find_own("VantoscopeButton"))["client"]
        img = self.bed.screenshot()
        green = (40, 160, 70)  # the face that must not be drawn
        self.assertFalse(any(img.pixel(x, y) == green for y in range(c[1], c[3]) for x in range(c[0], c[2])))

    def test_second_face_absurd_after_a_good_first(self):
        with open(os.path.join(ASSETS, "button_off.bmp"), "rb") as f:
            good = f.read()
        d = self.settings_dir(ini="[BTNNAME]\nFILENAME=good.bmp\n[BTNNAME2]\nFILENAME=huge.bmp\n",
                              files={"good.bmp": good, "huge.bmp": bmp_header(-70000, 90000)})
        self.run_expecting(d, box_text=SECOND_FACE)


class ExtremeTitles(HostileTest):
    def test_titles_of_1023_bytes_and_more(self):
        long_title = ("L" * 1500).encode()
        self.probe.open(long_title, x=100, y=100, w=400, h=300)
        self.probe.open("Short", x=500, y=300, w=300, h=200)
        self.start()
        texts = self.row_texts()
        self.assertIn(long_title[:1023], texts)
        row = texts.index(long_title[:1023])
        mark = self.v.mark()
        self.toggle_row(row)
        i = self.v.wait_line("check ID: %d" % row, start=mark)
        self.assertEqual(self.v.lines[i + 1], long_title[:1023])
        mirror = self.mirror_for(long_title[:1023])
        # A rebuild keeps the tick by the cut title.
        mark = self.v.mark()
        self.probe.close_window(self.probe.find(title="Short")[0])
        self.v.wait_line(CHANGED, start=mark)
        wait_for(lambda: self.checks()[self.row_texts().index(long_title[:1023])] == 1, 5, what="tick kept")
        self.assertTrue(self.probe.info(mirror)["exists"])

    def test_double_byte_titles_with_backslash_and_bar_trail_bytes(self):
        titles = ["ソフト表示", "ポイント|一覧", "能力\\予定"]  # trail bytes 5C and 7C inside
        for i, title in enumerate(titles):
            self.assertTrue(b"\\" in title.encode("cp932") or b"|" in title.encode("cp932"))
            self.probe.open(title, x=100 + 200 * i, y=150, w=250, h=200)
        self.start()
        encoded = [x.encode("cp932") for x in titles]
        self.assertEqual(sorted(self.row_texts()[:3]), sorted(encoded))
        row = self.row_texts().index(encoded[0])
        mark = self.v.mark()
        self.toggle_row(row)
        i = self.v.wait_line("check ID: %d" % row, start=mark)
        self.assertEqual(self.v.lines[i + 1], encoded[0])
        self.mirror_for(encoded[0])
        mark = self.v.mark()
        self.probe.close_window(self.probe.find(title=encoded[2])[0])
        self.v.wait_line(CHANGED, start=mark)
        wait_for(lambda: self.checks()[self.row_texts().index(encoded[0])] == 1, 5, what="tick kept by its bytes")


class RestlessWindows(HostileTest):
    def test_windows_blinking_between_count_and_collection(self):
        # 24 steady windows and 8 that come and go: the count swings from 24 to the cap of 30.
        hwnds = [self.probe.open("Steady %02d" % i, x=20 * i, y=100 + 10 * i, w=200, h=150) for i in range(24)]
        blinkers = [self.probe.open("Blinker %d" % i, x=500 + 50 * i, y=400, w=200, h=150) for i in range(8)]
        self.start()
        self.toggle_row(0)
        for b in blinkers:
            self.probe.cmd("flicker", "%x" % b, 4000)
        deadline = time.monotonic() + 4.5
        while time.monotonic() < deadline:
            self.assertTrue(self.v.alive())
            self.assertEqual(len(self.rows()), 30)
            time.sleep(0.3)
        counts = [int(l.split()[-1]) for l in self.v.lines if CHANGED.match(l)]
        self.assertTrue(counts, "the blinking windows changed the count")
        self.assertLessEqual(max(counts), 30)
        self.assertTrue(self.probe.info(hwnds[0])["exists"])


if __name__ == "__main__":
    unittest.main()

"""What a person sees: mirrors on the external monitor, the pointer marker, the toggle button
and the wallpaper, checked against screen captures; and the settings file."""

import os
import shutil
import sys
import tempfile
import time
import unittest

from base import (ASSETS, ID_MOUSE_POINTER, ID_WALLPAPER, SW_MINIMIZE, SW_RESTORE, BedHolder, VantoscopeTest, t,
                  wait_for)
from screen import load_bmp
from testbed import ROOT

sys.path.insert(0, os.path.join(ROOT, "scripts"))
import make_sample_assets as assets  # noqa: E402

HOLDER = BedHolder()
EXT_X = 1024
RED = (255, 0, 0)
WS_EX_TOPMOST = 0x8
FACE_OFF = load_bmp(os.path.join(ASSETS, "button_off.bmp"))
FACE_ON = load_bmp(os.path.join(ASSETS, "button_on.bmp"))
WALLPAPER_COLOURS = {assets.wallpaper_tile(c, r) for c in range(16) for r in range(7)}


def setUpModule():
    HOLDER.start()


def tearDownModule():
    HOLDER.stop()


def wallpaper_tile_centres():
    """Screen points at the centres of the stretched wallpaper's tiles, with their colours.
    The 320 x 175 picture is drawn 1024 x 560: each 20 x 25 tile becomes 64 x 80."""
    for r in range(7):
        for c in range(16):
            yield EXT_X + 64 * c + 32, 80 * r + 40, assets.wallpaper_tile(c, r)


class MirroringTest(VantoscopeTest):
    holder = HOLDER

    def open_ticked(self, title="Picture", x=120, y=160, w=420, h=300, **kw):
        """A sample window, ticked and in the foreground, with the pointer parked away from it."""
        hwnd = self.probe.open(title, x=x, y=y, w=w, h=h, **kw)
        if self.v is None:
            self.start()
        wait_for(lambda: title.encode("cp932") in self.row_texts(), 10, what="a row for %r" % title)
        self.probe.cursor(1000, 740)
        self.probe.foreground(hwnd)
        row = self.row_texts().index(title.encode("cp932"))
        self.toggle_row(row)
        return hwnd

    def window_and_mirror_match(self, hwnd, skip=None):
        rect = self.probe.info(hwnd)["rect"]
        w, h = rect[2] - rect[0], rect[3] - rect[1]
        img = self.bed.screenshot()
        if skip is None:
            return img.region(rect[0], rect[1], w, h) == img.region(rect[0] + EXT_X, rect[1], w, h)
        # Compare everything outside the rectangle `skip` (screen coordinates on the main monitor).
        for y in range(rect[1], rect[3]):
            for x in range(rect[0], rect[2], 3):
                if skip[0] <= x < skip[2] and skip[1] <= y < skip[3]:
                    continue
                if img.pixel(x, y) != img.pixel(x + EXT_X, y):
                    return False
        return True

    def wait_match(self, hwnd, timeout=5, skip=None):
        wait_for(lambda: self.window_and_mirror_match(hwnd, skip), timeout, interval=0.1,
                 what="the mirror showing the window's pixels")

    def wallpaper_shows_at(self, rect):
        img = self.bed.screenshot()
        points = [(x, y, c) for x, y, c in wallpaper_tile_centres()
                  if rect[0] + EXT_X <= x < rect[2] + EXT_X and rect[1] <= y < rect[3]]
        self.assertTrue(points)
        return all(img.pixel(x, y) == c for x, y, c in points)


class Mirrors(MirroringTest):
    def test_ticked_window_appears_on_the_external_monitor_pixel_for_pixel(self):
        hwnd = self.open_ticked(seed=21)
        mirror = self.mirror_for("Picture")
        self.wait_match(hwnd)
        rect = self.probe.info(hwnd)["rect"]
        self.assertEqual(self.probe.info(mirror)["rect"], (rect[0] + EXT_X, rect[1], rect[2] + EXT_X, rect[3]))

    def test_mirror_follows_a_move_and_a_new_picture(self):
        hwnd = self.open_ticked(seed=22)
        self.wait_match(hwnd)
        self.probe.move(hwnd, 300, 250, 380, 260)
        self.wait_match(hwnd)
        self.probe.fill(hwnd, 0x3366CC)
        self.wait_match(hwnd)

    def test_minimise_and_untick_remove_the_mirror_restore_brings_it_back(self):
        hwnd = self.open_ticked(seed=23)
        self.wait_match(hwnd)
        rect = self.probe.info(hwnd)["rect"]
        mirror = self.mirror_for("Picture")
        self.probe.show(hwnd, SW_MINIMIZE)
        wait_for(lambda: not self.probe.info(mirror)["visible"], 5, what="mirror hidden")
        wait_for(lambda: self.wallpaper_shows_at(rect), 5, interval=0.1, what="wallpaper where the mirror was")
        self.probe.show(hwnd, SW_RESTORE)
        self.probe.foreground(hwnd)
        self.wait_match(hwnd)
        self.toggle_row(self.row_texts().index(b"Picture"))
        wait_for(lambda: not self.probe.info(mirror)["visible"], 5, what="mirror hidden after unticking")
        wait_for(lambda: self.wallpaper_shows_at(rect), 5, interval=0.1, what="wallpaper after unticking")

class StaleMirrors(MirroringTest):
    """A mirror never shows a window that has gone from the catalogue or from the desktop."""

    def visible_mirror_titles(self):
        return sorted(title for h, vis, c, title in self.probe.top() if vis and c.startswith(b"Mirror"))

    def tick_three(self):
        hwnds = {}
        for i, name in enumerate(("One", "Two", "Three")):
            hwnds[name] = self.probe.open(name, x=60 + 300 * i, y=200, w=280, h=200, seed=40 + i)
        self.start()
        wait_for(lambda: len(self.row_texts()) == 30 and b"" in self.row_texts()[:4], 10, what="three rows")
        self.probe.foreground(hwnds["One"])
        for row in range(3):
            self.toggle_row(row)
        wait_for(lambda: self.visible_mirror_titles() == [b"One ", b"Three ", b"Two "], 5, what="three mirrors")
        return hwnds

    def test_each_closing_or_minimised_ticked_window_takes_its_mirror_along(self):
        for name, how in (("One", "close"), ("Two", "close"), ("Three", "minimise")):
            with self.subTest(window=name, how=how):
                self.probe.close_all()
                if self.v:
                    self.assertEqual(self.v.close(), 0)
                    self.v = None
                hwnds = self.tick_three()
                if how == "close":
                    self.probe.close_window(hwnds[name])
                else:
                    self.probe.show(hwnds[name], SW_MINIMIZE)
                rest = sorted(n.encode() + b" " for n in hwnds if n != name)
                wait_for(lambda: self.visible_mirror_titles() == rest, 5, what="mirrors of %r only" % rest)
                self.v.wait_iterations(10)
                self.assertEqual(self.visible_mirror_titles(), rest)

    def test_a_window_replaced_within_one_tick_leaves_no_picture_behind(self):
        old = self.probe.open("Document", cls="EditorClass", x=100, y=150, w=400, h=300, seed=44)
        new = self.probe.open("Document", cls="Chrome_WidgetWin_1", x=600, y=200, w=300, h=200, show=0)
        self.start()
        self.probe.foreground(old)
        self.toggle_row(0)
        self.wait_match(old)
        self.probe.replace(old, new)
        wait_for(lambda: self.visible_mirror_titles() == [], 5, what="no visible mirror")
        self.v.wait_iterations(10)
        self.assertEqual(self.visible_mirror_titles(), [])


class Marker(MirroringTest):
    def disc_centre(self, mirror, chrome, target_rect, pointer):
        client = self.probe.info(mirror)["client"]
        px, py = pointer[0] - target_rect[0], pointer[1] - target_rect[1]
        return (client[0] + px, client[1] + py) if chrome else (client[0] + px - 10, client[1] + py - 30)

    def check_marker(self, cls):
        hwnd = self.open_ticked(title="Pointing", cls=cls, seed=24)
        chrome = "Chrome_WidgetWin_" in cls
        mirror = self.mirror_for("Pointing")
        rect = self.probe.info(hwnd)["rect"]
        pointer = (rect[0] + 200, rect[1] + 150)
        self.bed.move_pointer(*pointer)
        self.probe.foreground(hwnd)
        cx, cy = self.disc_centre(mirror, chrome, rect, pointer)
        # Each paint copies the window and then draws the disc, so a capture may fall between
        # the two: judge the first capture that shows the disc.
        img = wait_for(lambda: (lambda i: i if i.count_colour(cx - 10, cy - 10, 20, 20, RED) > 200 else None)(
            self.bed.screenshot()), 5, interval=0.05, what="a red disc of 20 x 20 at (%d, %d)" % (cx, cy))
        self.assertEqual(img.pixel(cx, cy), RED)
        self.assertEqual(img.count_colour(cx - 40, cy - 40, 80, 80, RED),
                         img.count_colour(cx - 10, cy - 10, 20, 20, RED), "one disc, nowhere else")
        # Switched off, the disc goes and the mirror shows the window there again.
        self.pick_switch(ID_MOUSE_POINTER)
        self.v.wait_line("SET_MOUSEPOINTER:0")
        wait_for(lambda: self.bed.screenshot().count_colour(cx - 12, cy - 12, 24, 24, RED) == 0, 5, interval=0.1,
                 what="the disc gone")
        self.wait_match(hwnd)

    def test_disc_above_and_left_of_the_pointer_in_a_framed_mirror(self):
        self.check_marker("NotepadLike")

    def test_disc_centred_on_the_pointer_in_a_chrome_mirror(self):
        self.check_marker("Chrome_WidgetWin_1")

    def test_no_disc_in_mirrors_of_background_windows(self):
        back = self.open_ticked(title="Background", x=100, y=100, w=300, h=250, seed=25)
        front = self.probe.open("Front", x=500, y=300, w=300, h=250, seed=26)
        self.wait_rows(["Background", "Front"])
        self.toggle_row(1)
        wait_for(lambda: self.checks()[:2] == [1, 1], 5, what="both ticked")
        self.probe.foreground(front)
        rect = self.probe.info(back)["rect"]
        self.bed.move_pointer(rect[0] + 150, rect[1] + 120)
        self.wait_match(back)
        self.assertEqual(self.bed.screenshot().count_colour(rect[0] + EXT_X, rect[1], 300, 250, RED), 0)


class Button(MirroringTest):
    def button(self):
        return self.v.find_own("VantoscopeButton")

    def button_client_matches(self, face):
        info = self.probe.info(self.button())
        c = info["client"]
        img = self.bed.screenshot()
        return all(img.pixel(c[0] + x, c[1] + y) == face.pixel(x, y)
                   for y in range(c[3] - c[1]) for x in range(c[2] - c[0]))

    def wait_button_on(self, hwnd):
        rect = self.probe.info(hwnd)["rect"]
        want = (rect[2] - 140, rect[1], rect[2] - 110, rect[1] + 20)
        wait_for(lambda: self.probe.info(self.button())["rect"] == want, 5, what="the button on %r" % (rect,))
        return want

    def test_button_sits_on_the_foreground_window_and_shows_its_state(self):
        hwnd = self.probe.open("Target", x=100, y=50, w=800, h=600, seed=27)
        self.start()
        self.probe.foreground(hwnd)
        self.wait_button_on(hwnd)
        info = self.probe.info(self.button())
        self.assertTrue(info["exstyle"] & WS_EX_TOPMOST)
        self.assertEqual(info["rect"], (760, 50, 790, 70))
        wait_for(lambda: self.button_client_matches(FACE_OFF), 5, interval=0.1, what="the 'not mirrored' face")
        self.toggle_row(0)
        wait_for(lambda: self.button_client_matches(FACE_ON), 5, interval=0.1, what="the 'mirrored' face")

    def test_a_click_on_the_button_mirrors_the_foreground_window(self):
        hwnd = self.probe.open("Clicked", x=150, y=120, w=500, h=350, seed=28)
        self.start()
        self.probe.foreground(hwnd)
        bx0, by0, bx1, by1 = self.wait_button_on(hwnd)
        mark = self.v.mark()
        self.bed.click((bx0 + bx1) // 2, (by0 + by1) // 2)
        self.bed.move_pointer(1000, 740)
        i = self.v.wait_line("LBUTTONDOWN", start=mark)
        self.assertEqual(self.v.lines[i + 1], b"check ID: 0")
        wait_for(lambda: self.checks()[0] == 1, 5, what="the row ticked")
        wait_for(lambda: self.probe.foreground() == hwnd, 5, what="the foreground back on the window")
        self.wait_match(hwnd)
        wait_for(lambda: self.button_client_matches(FACE_ON), 5, interval=0.1, what="the 'mirrored' face")
        # A second click takes it off again.
        self.bed.click((bx0 + bx1) // 2, (by0 + by1) // 2)
        self.bed.move_pointer(1000, 740)
        wait_for(lambda: self.checks()[0] == 0, 5, what="the row unticked")
        wait_for(lambda: self.button_client_matches(FACE_OFF), 5, interval=0.1, what="the 'not mirrored' face")

    def test_maximised_window_gets_the_button_inside_its_caption(self):
        hwnd = self.probe.open("Big", x=100, y=100, w=400, h=300, show=3)
        self.start()
        self.probe.foreground(hwnd)
        r = self.probe.info(hwnd)["rect"]
        want = (r[2] - 4 - 140, r[1] + 6, r[2] - 4 - 110, r[1] + 26)
        wait_for(lambda: self.probe.info(self.button())["rect"] == want, 5, what="button at %r" % (want,))

    def test_button_stays_put_over_the_programs_own_windows(self):
        hwnd = self.probe.open("Somewhere", x=200, y=300, w=400, h=300)
        checklist = self.start()
        self.probe.foreground(hwnd)
        where = self.wait_button_on(hwnd)
        self.probe.foreground(checklist)
        self.v.wait_iterations(5)
        self.assertEqual(self.probe.info(self.button())["rect"], where)

    def test_minimised_foreground_window_parks_the_button(self):
        hwnd = self.probe.open("Tiny", x=200, y=300, w=400, h=300)
        self.start()
        self.probe.foreground(hwnd)
        self.wait_button_on(hwnd)
        self.probe.show(hwnd, 7)  # minimised, keeping the activation
        self.probe.foreground(hwnd)
        self.assertTrue(self.probe.info(hwnd)["iconic"])
        wait_for(lambda: self.probe.info(self.button())["rect"] == (0, 0, 1, 1), 5, what="the button parked")


class Wallpaper(MirroringTest):
    def wallpaper(self):
        return self.v.find_own("WallPaper", "WallPaper")

    def test_covers_the_external_monitor_disabled_at_the_bottom(self):
        self.start()
        wp = self.wallpaper()
        info = self.probe.info(wp)
        self.assertEqual(info["rect"], (1024, 0, 2048, 768))
        self.assertEqual(info["enabled"], 0)
        self.assertTrue(info["visible"])
        visible = [h for h, vis, c, title in self.probe.top() if vis]
        self.assertEqual(visible[-1], wp, "the wallpaper is the last visible top-level window")

    def test_picture_fills_1024_by_560_and_the_strip_below_is_left_alone(self):
        self.start()
        wait_for(lambda: all(self.bed.screenshot().pixel(x, y) == c for x, y, c in wallpaper_tile_centres()), 5,
                 interval=0.2, what="every tile of the picture")
        img = self.bed.screenshot()
        strip = {img.pixel(x, y) for y in range(562, 768, 7) for x in range(1024, 2048, 9)}
        self.assertFalse(strip & WALLPAPER_COLOURS, "the strip below the picture holds picture colours")

    def test_the_switch_hides_and_shows_it(self):
        self.start()
        wp = self.wallpaper()
        self.pick_switch(ID_WALLPAPER)
        wait_for(lambda: not self.probe.info(wp)["visible"], 5, what="wallpaper hidden")
        wait_for(lambda: self.bed.screenshot().pixel(1024 + 32, 40) != assets.wallpaper_tile(0, 0), 5,
                 interval=0.1, what="the picture gone from the screen")
        self.pick_switch(ID_WALLPAPER)
        wait_for(lambda: self.probe.info(wp)["visible"], 5, what="wallpaper shown")
        wait_for(lambda: self.bed.screenshot().pixel(1024 + 32, 40) == assets.wallpaper_tile(0, 0), 5,
                 interval=0.1, what="the picture back")


class Settings(MirroringTest):
    def scratch_dir(self, name="vt settings"):
        d = tempfile.mkdtemp(prefix=name.replace(" ", "_") + "_", dir=os.path.join(ROOT, "build"))
        self.addCleanup(shutil.rmtree, d, True)
        return d

    def test_another_working_directory_has_no_settings(self):
        cwd = self.scratch_dir()
        self.start(cwd=cwd, ready=False)
        box = self.probe.box("エラー", 15000)
        self.assertIsNotNone(box)
        self.assertEqual(box["text"], t("ビットマップのロードに失敗しました1"))
        self.v.wait_ready()
        self.assertEqual(box["owner"], self.v.find_own("VantoscopeButton"))
        self.assertIn(t("ビットマップのロードに失敗しました"), self.v.lines)
        self.assertIsNone(self.probe.box("エラー", 300), "one box: the second face is not tried")
        # Without faces the button paints nothing of its own.
        c = self.probe.info(self.v.find_own("VantoscopeButton"))["client"]
        img = self.bed.screenshot()
        self.assertFalse(any(img.pixel(x, y) in (FACE_OFF.pixel(5, 5), FACE_ON.pixel(5, 5))
                             for y in range(c[1], c[3]) for x in range(c[0], c[2])))

    def test_relative_paths_are_read_against_the_working_directory(self):
        cwd = self.scratch_dir()
        os.makedirs(os.path.join(cwd, "pics"))
        for name in ("wallpaper.bmp", "button_off.bmp", "button_on.bmp"):
            shutil.copy(os.path.join(ASSETS, name), os.path.join(cwd, "pics", name))
        with open(os.path.join(cwd, "Vantoscope.ini"), "w", newline="\r\n") as f:
            f.write("[WPNAME]\nFILENAME=pics\\wallpaper.bmp\n[BTNNAME]\nFILENAME=pics\\button_off.bmp\n"
                    "[BTNNAME2]\nFILENAME=.\\pics\\button_on.bmp\n")
        self.start(cwd=cwd)
        self.assertNotIn(t("ビットマップのロードに失敗しました"), self.v.lines)
        self.assertIsNone(self.probe.box("エラー", 300))
        wait_for(lambda: self.bed.screenshot().pixel(1024 + 32, 40) == assets.wallpaper_tile(0, 0), 5,
                 interval=0.1, what="the wallpaper from pics\\")

    def test_missing_second_face_is_named_by_its_digit(self):
        cwd = self.scratch_dir()
        shutil.copy(os.path.join(ASSETS, "button_off.bmp"), cwd)
        with open(os.path.join(cwd, "Vantoscope.ini"), "w", newline="\r\n") as f:
            f.write("[BTNNAME]\nFILENAME=button_off.bmp\n")
        self.start(cwd=cwd, ready=False)
        box = self.probe.box("エラー", 15000)
        self.assertEqual(box and box["text"], t("ビットマップのロードに失敗しました2"))
        self.v.wait_ready()

    def directory_of_length(self, dos_length):
        """A directory holding the sample settings whose Windows path (Z:\\...) has this length."""
        d = self.scratch_dir()
        while len(d) + 2 < dos_length:
            d = os.path.join(d, "d" * min(40, dos_length - len(d) - 3))
        self.assertEqual(len(d) + 2, dos_length)
        os.makedirs(d, exist_ok=True)
        for name in ("Vantoscope.ini", "wallpaper.bmp", "button_off.bmp", "button_on.bmp"):
            shutil.copy(os.path.join(ASSETS, name), d)
        return d

    def test_longest_working_directory_whose_settings_path_fits(self):
        # 244 characters, a backslash, "Vantoscope.ini" and the terminator make 260.
        self.start(cwd=self.directory_of_length(244))
        self.assertNotIn(t("ビットマップのロードに失敗しました"), self.v.lines)
        self.assertIsNone(self.probe.box("エラー", 300))

    def test_working_directory_too_long_for_the_settings_path_reads_no_settings(self):
        self.start(cwd=self.directory_of_length(250), ready=False)
        box = self.probe.box("エラー", 15000)
        self.assertEqual(box and box["text"], t("ビットマップのロードに失敗しました1"))
        self.v.wait_ready()
        self.v.wait_iterations(10)
        self.assertIn(t("ビットマップのロードに失敗しました"), self.v.lines)


if __name__ == "__main__":
    unittest.main()

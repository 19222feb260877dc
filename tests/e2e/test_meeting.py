# The audience's screen as a window a meeting app shares (its own picture, however covered), moved between monitors.

import math
import re

from .story import CAPTION, ID_BLANK, MODE_REQUEST, RED, WM_CLOSE, WM_SYSCOMMAND, Story, both, t, wait_for
from .test_monitors import NO_EXTERNAL
from desk.churn import visible_mirrors

ID_AUDIENCE_WINDOW, GREEN, HOST = 1024, (0, 255, 0), "VantoscopeAudience"


class Meeting(Story):
    def host(self):
        return wait_for(lambda: self.probe.shown(HOST), what="the audience's window")[0]

    def client(self):
        # The window's client area: its place in the window's own picture, and its size.
        info = self.probe.info(self.host())
        r, c = info["rect"], info["client"]
        return c[0] - r[0], c[1] - r[1], c[2] - c[0], c[3] - c[1]

    def picture(self):
        # The window's own pixels, covered or not (the compositing manager's picture ends at the screen's edge).
        return self.screen.window_picture(self.d.x_window(HOST))

    def place(self, hwnd, inset=2):
        # Where a client area lands in the picture (the main monitor fitted, centred); inset past rounded edges.
        x, y, w, h = self.client()
        s = min(w / 1024, h / 768)
        o = (x + (w - s * 1024) / 2, y + (h - s * 768) / 2)
        c, b = self.probe.info(hwnd)["client"], self.visible_bounds(hwnd)  # a thumbnail shows the visible bounds
        c = max(c[0], b[0]), max(c[1], b[1]), min(c[2], b[2]), min(c[3], b[3])
        r = [math.floor(o[i % 2] + s * v + 0.5) for i, v in enumerate(c)]
        return r[0] + inset, r[1] + inset, r[2] - inset, r[3] - inset

    def fills(self, hwnd, colour):
        def filled():
            img, (x0, y0, x1, y1) = self.picture(), self.place(hwnd)
            return x1 > x0 and y1 > y0 and all(img.rows[y][x] == colour for y in range(y0, y1) for x in range(x0, x1))
        wait_for(filled, what=lambda: "%r filling %r in the window's picture" % (colour, self.place(hwnd)), interval=0.1)

    def colours(self):
        return {c for row in self.picture().rows for c in row}

    def count(self, colour):
        return self.picture().count(colour)

    def without(self, colour):
        wait_for(lambda: colour not in self.colours(), what="no %r in the window's picture" % (colour,), interval=0.1)


class OneMonitorStory(Meeting):
    heads = ((1024, 768, 0, 0),)

    def test_a_meeting_on_one_monitor(self):
        with self.d.composited():
            self.meeting()

    def meeting(self):
        # The unpicked window over the picked one's place in the picture, not over it (a copy reads the screen).
        picked = self.probe.open("Picked", 20, 500, 120, 100, fill=0xFF0000)
        unpicked = self.probe.open("Unpicked", 170, 470, 150, 130, fill=0x00FF00)
        self.start(self.sample_settings("[DISPLAY]\nAUDIENCE=window\n", preview=True))
        p = self.p
        with self.step("no warning box; the window at 1280 x 720, never listed; traced"):
            self.assertIn(b"AUDIENCE:window 1280x720", p.lines)
            self.assertEqual(self.client()[2:], (1280, 720))
            self.assertNotIn(t(HOST), self.texts())
        with self.step("the picked window fills its place in the window's own picture, covered by the unpicked one"):
            self.tick("Picked", front=picked)
            self.fills(picked, RED)
            x0, y0, x1, y1 = self.place(picked)
            r = self.probe.info(self.host())["rect"]
            self.assertEqual(self.screen.grab(x0 + r[0], y0 + r[1], 1, 1).rows, [[GREEN]])  # covered on the screen
            self.assertNotIn(GREEN, self.colours())
        with self.step("the preview shows the window's picture, as the window prints it"):
            preview = self.preview_says("Audience window: 1280 × 720")
            pc = self.probe.info(preview)["client"]
            shown = lambda: self.screen.grab(pc[0], pc[1], pc[2] - pc[0], pc[3] - pc[1] - 20)  # noqa: E731
            wait_for(lambda: shown().count(RED) > 0, what="red in the preview")
            self.assertEqual(shown().count(GREEN), 0)
        with self.step("the blank, the zoom and the spotlight reach it"):
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_BLANK)
            self.without(RED)
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_BLANK)
            self.fills(picked, RED)
            normal = self.count(RED)
            self.keys_to(picked)
            self.d.pointer(80, 550)
            x0, y0, x1, y1 = self.place(picked)
            disc = lambda: {c for row in self.picture().rows[y0:y1] for c in row[x0:x1]} - {RED}  # noqa: E731
            if not self.thumbnails:  # over a thumbnail, drawn over the window's children, the disc is hidden
                wait_for(disc, what="the pointer's disc, outlined, in the picked window's place")
            self.press("ctrl+alt+F8", "SET_ZOOM:1")
            wait_for(lambda: self.count(RED) > 3 * normal, what="the zoomed picture")
            self.press("ctrl+alt+F8", "SET_ZOOM:0")
            self.press("ctrl+alt+F11", "SET_SPOTLIGHT:1")
            wait_for(lambda: self.count(RED) > 20 * normal, what="the picked window in the spotlight")
            self.press("ctrl+alt+F11", "SET_SPOTLIGHT:0")
            self.d.pointer(1000, 740)
            self.fills(picked, RED)
            self.assertNotIn(GREEN, self.colours())
            self.assertEqual(self.picture().rows[-8][200:1000], [(0, 0, 0)] * 800)  # the band below the wallpaper
        with self.step("sized very small and very large, the picture follows; traced"):
            host, mark = self.host(), p.mark()
            self.probe.move(host, 0, 0, 50, 50)
            p.wait_line("AUDIENCE:window 320x180", mark)
            self.fills(picked, RED)
            self.probe.move(host, 0, 0, 9000, 9000)
            p.wait_line(re.compile(rb"^AUDIENCE:window (3840x\d+|\d+x2160)$"), mark)
            self.probe.move(host, 0, 0, 1000, 700)
            self.fills(picked, RED)
        with self.step("its close button and the menu item move the audience; on one monitor it warns as at start"):
            mark = p.mark()
            self.probe.post(self.host(), WM_CLOSE, 0, 0)
            self.assertEqual((self.probe.box(CAPTION) or (0, None))[1], NO_EXTERNAL)
            p.wait_line("AUDIENCE:monitor", mark)
            wait_for(lambda: not self.probe.shown(HOST), what="the window hidden")
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_AUDIENCE_WINDOW)
            p.wait_line("AUDIENCE:window 1280x720", mark)
            self.fills(picked, RED)
            self.assertIsNone(self.probe.box(CAPTION, 1))
        with self.step("unticked, then closed while shown: gone from the picture, the program runs on"):
            self.click_row("Picked", [])
            self.without(RED)
            self.tick("Picked")
            self.fills(picked, RED)
            self.probe.close(picked)
            self.without(RED)
            p.wait_iterations(5)


class TwoMonitorsStory(Meeting):
    def test_the_audience_moves_to_the_window_and_back(self):
        with self.d.composited():
            self.moves()

    def moves(self):
        picked = self.probe.open("Picked", 20, 500, 120, 100, fill=0xFF0000)
        self.start(env=self.d.env(WINEDEBUG="trace+system"))
        p = self.p
        self.tick("Picked", front=picked)
        self.shows(picked)
        self.assertIn(b"AUDIENCE:monitor", p.lines)
        modes = MODE_REQUEST.findall(p.stderr)
        with self.step("the window menu's item moves the audience into the window: nothing left on the external "
                       "monitor, no mode asked for"):
            mark = p.mark()
            self.probe.foreground(p.checklist)
            self.d.click(12, 11)  # the checklist's icon opens its window menu
            self.d.xdotool("key", *["Down"] * 6 + ["Return"])  # the switches, the blank, the preview, the window
            p.wait_line("AUDIENCE:window 1280x720", mark)
            self.probe.foreground(picked)
            self.fills(picked, RED)
            wait_for(lambda: self.screen.grab(1024, 0, 1024, 768).count(RED) == 0, what="no mirror on the monitor")
            self.assertEqual(visible_mirrors(self.probe), [])
            self.assertFalse(self.probe.shown("WallPaper"))
            self.assertEqual(MODE_REQUEST.findall(p.stderr), modes)
        with self.step("monitors plugged out and in: no warning, the audience stays in the window"):
            mark = p.mark()
            self.probe.plug(1, 0)
            p.wait_line(t("1個のモニタがありました"), mark)
            self.probe.plug(1, 1)
            p.wait_line(t("2個のモニタがありました"), mark)
            self.assertIsNone(self.probe.box(CAPTION, 2))
            self.fills(picked, RED)
            self.assertEqual(p.count("AUDIENCE:monitor", mark), 0)
            self.assertEqual(MODE_REQUEST.findall(p.stderr), modes)
        with self.step("and back: the wallpaper and the mirror return"):
            mark = p.mark()
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_AUDIENCE_WINDOW)
            p.wait_line("AUDIENCE:monitor", mark)
            for text in self.mode_failures():
                self.assertEqual(self.probe.box(CAPTION, 30)[1], text)
            self.wallpaper_shows((0, 0, 1024, 480))  # above the mirror
            self.shows(picked)
            wait_for(lambda: not self.probe.shown(HOST), what="the window hidden")


both(OneMonitorStory)
both(OneMonitorStory, thumbnails=True)
both(TwoMonitorsStory)

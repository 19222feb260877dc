"""Monitor set-ups other than two equal ones: a single monitor, three of unequal sizes with the
external one lower than the main one, and an external monitor smaller than the main one that the
main monitor's picture is scaled to fit."""

from .story import MODE_REQUEST, WALLPAPER, Story, asset, both, monitor_line, t, wait_for

NO_EXTERNAL = t("外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．")


class OneMonitorStory(Story):
    heads = ((1024, 768, 0, 0),)

    def test_one_monitor(self):
        hwnd = self.probe.open("Lonely", 100, 120, 300, 200)
        owners = self.start(env=self.d.env(WINEDEBUG="trace+system"), boxes=[NO_EXTERNAL])
        with self.step("a warning that no external display is connected, owned by no window; no mode changed"):
            self.assertEqual(owners, [0])
            self.assertEqual(self.p.lines[:2], [monitor_line(1, 0, 0, 1024, 768), t("1個のモニタがありました")])
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [])
        with self.step("a ticked window's mirror stands left of the screen"):
            self.tick("Lonely")
            self.probe.foreground(hwnd)
            self.shows(hwnd)


class ThreeMonitorsStory(Story):
    heads = ((1024, 768, 0, 0), (1024, 768, 1024, 0), (800, 600, 2048, 120))

    def test_three_unequal_monitors(self):
        hwnd = self.probe.open("Three heads", 50, 60, 300, 200, seed=7)
        owners = self.start(env=self.d.env(WINEDEBUG="trace+system"))
        with self.step("each monitor traced; the last is the external one"):
            self.assertEqual(self.p.lines[:6], [
                monitor_line(1, 0, 0, 1024, 768), monitor_line(2, 1024, 0, 1024, 768),
                monitor_line(3, 2048, 120, 800, 600), t("3個のモニタがありました")] + [t("設定の変更に失敗しました")] * 2)
        with self.step("the first and the last monitor asked for the narrower one's mode; each refusal warned of"):
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [b"DISPLAY1", b"DISPLAY3"])
            self.assertEqual(self.p.stderr.count(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=800 dmPelsHeight=600"), 2)
            self.assertEqual(owners, [0, 0])
        with self.step("mirrors go to the last monitor, at its height, pixel for pixel"):
            self.tick("Three heads")
            self.probe.foreground(hwnd)
            self.shows(hwnd)
            self.same_pixels(hwnd)


class ScaledMonitorsStory(Story):
    heads, scaled = ((1280, 800, 0, 0), (1024, 768, 1280, 0)), True

    def test_a_smaller_external_monitor(self):
        hwnd = self.probe.open("Plain", 200, 150, 500, 400, fill=0x2060C0, seed=-60)  # a marked corner of 60
        files = {name: asset(name) for name in ("wallpaper.bmp", "button_off.bmp", "button_on.bmp")}
        env = (self.d.compositor_env if self.thumbnails else self.d.env)(WINEDEBUG="trace+system")
        self.start(self.settings(asset("Vantoscope.ini") + b"[DISPLAY]\r\nMATCH=scale\r\n", files), env=env)
        with self.step("no display mode is requested; the trace names the mapping"):
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [])
            self.assertIn(b"MATCH:scale 0.800", self.p.lines)
        with self.step("the mirror stands at the window's place scaled into the middle, in the window's colours"):
            self.tick("Plain")
            self.probe.foreground(hwnd)
            self.d.pointer(1270, 790)  # off the window: its disc would cover the colour
            self.shows(hwnd)
            c = self.probe.info(hwnd)["client"]
            # Inside the marked corner, and just past it, where a picture left at full size would still be marked.
            points = [(self.land((x, y, x, y))[:2], colour) for x, y, colour in (
                (c[0] + 30, c[1] + 30, (0xDF, 0x9F, 0x3F)), (c[0] + 66, c[1] + 66, (0x20, 0x60, 0xC0)))]
            wait_for(lambda: all(self.screen.grab(x, y, 1, 1).pixel(x, y) == colour for (x, y), colour in points),
                     what="the window's colour and its marked corner at their scaled places", interval=0.1)
        with self.step("the wallpaper fills the band above the picture"):
            band = self.screen.grab(self.ext[0], 0, 1024, 64)
            self.assertEqual([band.pixel(self.ext[0] + 64 * i + 32, 40) for i in range(16)],
                             [WALLPAPER.pixel(20 * i + 10, 12) for i in range(16)])
        with self.step("the red disc is at the pointer's scaled place"):
            self.d.pointer(450, 350)
            self.disc_at(*self.land((450, 350, 450, 350))[:2])


both(OneMonitorStory)
both(ThreeMonitorsStory)
both(ScaledMonitorsStory)
both(ScaledMonitorsStory, thumbnails=True)


"""Monitor set-ups other than two equal ones: a single monitor, and three of unequal sizes with
the external one lower than the main one."""

from .story import MODE_REQUEST, Story, both, monitor_line, t

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


both(OneMonitorStory)
both(ThreeMonitorsStory)


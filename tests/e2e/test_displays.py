"""Monitor discovery and resolution matching on one, three and unequal monitors."""

import re
import unittest

from base import CLASS_LINE, BedHolder, VantoscopeTest, t
from test_spine import CAPTION, mode_requests


class BedPerClass(VantoscopeTest):
    heads = None

    @classmethod
    def setUpClass(cls):
        cls.holder = BedHolder(cls.heads)
        cls.holder.start()

    @classmethod
    def tearDownClass(cls):
        cls.holder.stop()


class OneMonitor(BedPerClass):
    heads = ((1024, 768),)

    def test_warns_changes_no_mode_and_carries_on(self):
        self.start(env=self.bed.env(WINEDEBUG="trace+system"), ready=False)
        box = self.probe.box(CAPTION, 10000)
        self.assertIsNotNone(box, "no warning box")
        self.assertEqual(box["text"], t("外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．"))
        self.assertEqual(box["owner"], 0, "the first display set-up runs before the checklist exists")
        self.v.wait_ready()
        self.assertEqual(self.v.lines[:2], [
            t("1番目のモニタ: 0 x 0解像度: 1024  x 768　メインモニタ"),
            t("1個のモニタがありました"),
        ])
        self.assertEqual(mode_requests(self.v.stderr), [])
        self.assertIsNone(self.probe.box(CAPTION, 200), "only one warning")

    def test_mirrors_stand_left_of_the_only_monitor(self):
        target = self.probe.open("Lonely window", x=100, y=120, w=300, h=200)
        self.start(ready=False)
        self.assertIsNotNone(self.probe.box(CAPTION, 10000))
        checklist = self.v.wait_ready()
        self.probe.foreground(target)
        self.probe.send(checklist, 0x0111, 0, 0)
        mirror = self.mirror_for("Lonely window")
        from testbed import wait_for
        info = wait_for(lambda: (lambda i: i if i["visible"] and i["rect"][0] < 0 else None)(self.probe.info(mirror)),
                        10, what="a visible mirror off the screen")
        self.assertEqual(info["rect"], (100 - 1024, 120, 400 - 1024, 320))


class ThreeMonitors(BedPerClass):
    heads = ((1024, 768), (1024, 768), (1024, 768))

    def test_lines_roles_and_mode_changes_on_first_and_last(self):
        self.start(env=self.bed.env(WINEDEBUG="trace+system"))
        self.assertEqual(self.v.lines[:4], [
            t("1番目のモニタ: 0 x 0解像度: 1024  x 768　メインモニタ"),
            t("2番目のモニタ: 1024 x 0解像度: 1024  x 768　外部モニタ"),
            t("3番目のモニタ: 2048 x 0解像度: 1024  x 768　外部モニタ"),
            t("3個のモニタがありました"),
        ])
        self.assertEqual(mode_requests(self.v.stderr), [b"\\\\.\\DISPLAY1", b"\\\\.\\DISPLAY3"])
        self.assertIsNone(self.probe.box(CAPTION, 200))

    def test_mirrors_go_to_the_last_external_monitor(self):
        target = self.probe.open("Three heads", x=50, y=60, w=300, h=200)
        checklist = self.start()
        self.probe.foreground(target)
        self.probe.send(checklist, 0x0111, 0, 0)
        mirror = self.mirror_for("Three heads")
        from testbed import wait_for
        wait_for(lambda: self.probe.info(mirror)["rect"] == (2048 + 50, 60, 2048 + 350, 260), 10,
                 what="the mirror on the third monitor")


class UnequalMonitors(BedPerClass):
    heads = ((1024, 768), (800, 600))

    def test_failed_mode_changes_warn_once_each(self):
        self.start(env=self.bed.env(WINEDEBUG="trace+system"), ready=False)
        boxes = []
        for _ in range(2):
            box = self.probe.box(CAPTION, 10000)
            self.assertIsNotNone(box, "a warning box per failed mode change")
            boxes.append(box)
        self.v.wait_ready()
        for box in boxes:
            self.assertEqual(box["text"], t("外部ディスプレイ解像度の変更に失敗しました"))
            self.assertEqual(box["owner"], 0)
        self.assertEqual(self.v.lines[:5], [
            t("1番目のモニタ: 0 x 0解像度: 1024  x 768　メインモニタ"),
            t("2番目のモニタ: 1024 x 0解像度: 800  x 600　外部モニタ"),
            t("2個のモニタがありました"),
            t("設定の変更に失敗しました"),
            t("設定の変更に失敗しました"),
        ])
        # Both monitors were asked for the narrower one's size.
        self.assertEqual(mode_requests(self.v.stderr), [b"\\\\.\\DISPLAY1", b"\\\\.\\DISPLAY2"])
        self.assertEqual(self.v.stderr.count(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=800 dmPelsHeight=600"), 2)


class MainMonitorNarrower(BedPerClass):
    """A main monitor narrower than the external one: both are asked for the main one's size."""

    heads = ((800, 600), (1024, 768))

    def test_lines_and_modes(self):
        self.start(env=self.bed.env(WINEDEBUG="trace+system"))
        self.assertEqual(self.v.lines[:3], [
            t("1番目のモニタ: 0 x 0解像度: 800  x 600　メインモニタ"),
            t("2番目のモニタ: 800 x 0解像度: 1024  x 768　外部モニタ"),
            t("2個のモニタがありました"),
        ])
        # Both are asked for the main monitor's own size, which the test bed grants.
        self.assertEqual(mode_requests(self.v.stderr), [b"\\\\.\\DISPLAY1", b"\\\\.\\DISPLAY2"])
        self.assertEqual(self.v.stderr.count(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=800 dmPelsHeight=600"), 2)
        self.assertEqual(self.v.count("設定の変更に失敗しました"), 0)
        self.assertIsNone(self.probe.box(CAPTION, 300))


if __name__ == "__main__":
    unittest.main()

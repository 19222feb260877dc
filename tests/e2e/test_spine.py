"""Start-up, displays, the main loop and closing, on one, two and three monitors."""

import re
import time
import unittest

from base import CLASS_LINE, BedHolder, VantoscopeTest, t, wait_for

TWO = BedHolder(((1024, 768), (1024, 768)))
MONITOR_LINE = re.compile(rb"^\d+\x94\xd4\x96\xda\x82\xcc\x83\x82\x83\x6a\x83\x5e: ")
MODE_REQUEST = re.compile(rb'NtUserChangeDisplaySettings L"([^"]*)" \S+ \(nil\) 0x4 ')
CAPTION = "エラー"


def setUpModule():
    TWO.start()


def tearDownModule():
    TWO.stop()


def mode_requests(stderr):
    """Device names of the program's own display-mode changes (flag CDS_FULLSCREEN)."""
    return [m.group(1).replace(b"\\\\", b"\\") for m in MODE_REQUEST.finditer(stderr)]


class TwoMonitors(VantoscopeTest):
    holder = TWO

    def test_monitor_lines_and_count_in_code_page_932(self):
        self.start()
        self.assertEqual(self.v.lines[:3], [
            t("1番目のモニタ: 0 x 0解像度: 1024  x 768　メインモニタ"),
            t("2番目のモニタ: 1024 x 0解像度: 1024  x 768　外部モニタ"),
            t("2個のモニタがありました"),
        ])

    def test_both_monitors_get_the_common_mode_without_complaint(self):
        self.start(env=self.bed.env(WINEDEBUG="trace+system"))
        self.assertEqual(mode_requests(self.v.stderr), [b"\\\\.\\DISPLAY1", b"\\\\.\\DISPLAY2"])
        self.assertIn(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=1024 dmPelsHeight=768", self.v.stderr)
        self.assertEqual(self.v.count("設定の変更に失敗しました"), 0)
        self.assertIsNone(self.probe.box(CAPTION, 300))

    def test_iteration_counter_and_elapsed_time(self):
        started = time.monotonic()
        self.start()
        i = self.v.wait_line("time_count:100", timeout=30)
        took = time.monotonic() - started
        self.assertEqual(self.v.wait_line("実行時間", start=i), i + 1)
        elapsed = self.v.lines[i + 2] if len(self.v.lines) > i + 2 else self.v.lines[self.v.wait_line(
            re.compile(rb"^\d+:\d+:\d+$"), start=i + 2)]
        seconds, minutes, hours = (int(x) for x in elapsed.split(b":"))
        self.assertEqual((minutes, hours), (0, 0))
        self.assertLessEqual(seconds, took + 1)
        # 100 iterations of a 30 ms pump and a 10 ms sleep cannot take under 3 seconds.
        self.assertGreaterEqual(seconds, 3)
        self.assertEqual(self.v.count("time_count:100"), 1)
        self.v.wait_line("time_count:200", timeout=30, start=i)

    def test_class_line_names_the_foreground_window_every_iteration(self):
        hwnd = self.probe.open("Foreground sample", cls="FgSampleClass", x=200, y=200)
        self.start()
        self.probe.foreground(hwnd)
        mark = self.v.mark()
        self.v.wait_iterations(5)
        self.v.wait_line("Class:FgSampleClass", start=mark)
        iterations = self.v.count(CLASS_LINE, mark)
        self.assertGreaterEqual(iterations, 5)

    def test_closing_the_checklist_with_the_mouse_ends_the_program(self):
        checklist = self.start()
        rect = self.probe.info(checklist)["rect"]
        # The close box is the last of the three caption buttons.
        self.bed.click(rect[2] - 12, rect[1] + 11)
        self.assertEqual(self.v.wait_exit(15), 0)
        self.assertEqual(self.v.lines[-1], b"App end")

    def test_checklist_that_cannot_be_created_is_reported_and_fails(self):
        from testbed import build_path
        proc = self.bed.spawn(["wine", build_path("tests", "win32", "checklist_failure_test.exe")],
                              cwd=self.cwd, stdout=__import__("subprocess").PIPE)
        out, _ = proc.communicate(timeout=60)
        self.assertIn(b"Checklist window could not be created", out)
        self.assertIn(b"WinMain returned 1", out)
        self.assertEqual(proc.returncode, 1)


class Win32InProcess(unittest.TestCase):
    """The Win32 test program: window menu and settings reads, in-process."""

    def test_win32_tests_pass(self):
        import subprocess
        from testbed import build_path
        import os
        from testbed import ROOT
        exes = [build_path("Vantoscope.exe"), os.path.join(ROOT, "build", "win32", "Vantoscope.exe")]
        env = TWO.bed.env(VANTOSCOPE_EXES=";".join("Z:" + p.replace("/", "\\") for p in exes))
        proc = TWO.bed.spawn(["wine", build_path("tests", "win32", "win32_tests.exe")], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, env=env)
        out, _ = proc.communicate(timeout=120)
        self.assertEqual(proc.returncode, 0, out.decode("latin-1")[-3000:])
        self.assertIn(b"[  PASSED  ]", out)


if __name__ == "__main__":
    unittest.main()

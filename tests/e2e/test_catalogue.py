"""The window catalogue, the checklist window and the mirror windows."""

import re
import time
import unittest

from base import (CLASS_LINE, ID_MOUSE_LIMIT, ID_MOUSE_POINTER, ID_WALLPAPER, SW_MINIMIZE, SW_RESTORE,
                  WM_COMMAND, BedHolder, VantoscopeTest, t, wait_for)

HOLDER = BedHolder()
PLACEHOLDER = b"\xfc\x4b"
CREATED = re.compile(rb"^hwMir\[\d+\] created$")
CHANGED = re.compile(rb"^win_num changed! \d+$")
BM_GETCHECK = 0x00F0
WS_POPUP, WS_CAPTION, WS_THICKFRAME, WS_BORDER, WS_SYSMENU, WS_VISIBLE = (
    0x80000000, 0x00C00000, 0x00040000, 0x00800000, 0x00080000, 0x10000000)


def setUpModule():
    HOLDER.start()


def tearDownModule():
    HOLDER.stop()


class Rows(VantoscopeTest):
    holder = HOLDER

    def open_fruit(self):
        # Opened in this order, they are enumerated front to back: Cherry, Banana, Apple.
        for i, name in enumerate(("Apple", "Banana", "Cherry")):
            self.probe.open(name, x=120 + 60 * i, y=200 + 40 * i, w=300, h=200, seed=i)

    def test_rows_follow_the_exchange_pass_and_placeholders_fill_the_rest(self):
        self.open_fruit()
        checklist = self.start()
        texts = self.row_texts()
        self.assertEqual(len(texts), 30)
        self.assertEqual(texts[:4], [b"Banana", b"Apple", b"Cherry", b""])
        self.assertEqual(texts[4:], [PLACEHOLDER] * 26)
        self.assertEqual([r["rect"][1] - self.rows()[0]["rect"][1] for r in self.rows()[:3]], [0, 30, 60])
        self.assertIn(t("win_num: 3"), self.v.lines)
        self.assertEqual(self.v.count(CREATED), 3)
        self.assertEqual(self.probe.info(checklist)["rect"], (0, 0, 300, 124))

    def test_a_second_catalogue_of_the_same_windows_creates_no_mirror(self):
        self.open_fruit()
        self.start()
        banana = self.probe.find(title="Banana")[0]
        mark = self.v.mark()
        self.probe.show(banana, SW_MINIMIZE)
        self.v.wait_line("win_num changed! 2", start=mark)
        # Slots 0 and 1 are refilled; entry 2 keeps what it held after the first sort.
        self.wait_rows(["Apple", "Cherry", "Cherry", PLACEHOLDER])
        self.probe.show(banana, SW_RESTORE)
        self.v.wait_line("win_num changed! 3", start=mark)
        wait_for(lambda: sorted(self.row_texts()[:3]) == [b"Apple", b"Banana", b"Cherry"], 10, what="three rows")
        self.assertEqual(self.row_texts()[3], b"")
        self.assertEqual(self.v.count(CREATED), 3)
        self.assertEqual(len(self.v.mirrors()), 3)

    def test_checklist_grows_and_shrinks_with_the_catalogue(self):
        checklist = self.start()
        wait_for(lambda: self.probe.info(checklist)["rect"] == (0, 0, 300, 31), 10, what="an empty checklist")
        self.assertEqual(self.row_texts()[:2], [b"", PLACEHOLDER])
        hwnds = [self.probe.open("Window %d" % i, x=100 + 20 * i, y=150) for i in range(5)]
        wait_for(lambda: self.probe.info(checklist)["rect"] == (0, 0, 300, 186), 10, what="five rows")
        self.probe.close_window(hwnds[0])
        wait_for(lambda: self.probe.info(checklist)["rect"] == (0, 0, 300, 155), 10, what="four rows")

    def test_dragging_the_lower_border_snaps_back(self):
        self.open_fruit()
        checklist = self.start()
        self.probe.foreground(checklist)
        bottom = self.probe.info(checklist)["rect"][3]
        self.bed.xdotool("mousemove", "--sync", 150, bottom - 2)
        self.bed.xdotool("mousedown", 1)
        try:
            for y in (bottom + 40, bottom + 120, bottom + 200):
                self.bed.xdotool("mousemove", "--sync", 150, y)
                time.sleep(0.15)
                # While the platform's sizing loop runs, the size limit alone holds the window.
                self.assertEqual(self.probe.info(checklist)["rect"], (0, 0, 300, 124))
        finally:
            self.bed.xdotool("mouseup", 1)
        self.v.wait_iterations(3)
        self.assertEqual(self.probe.info(checklist)["rect"], (0, 0, 300, 124))


class Exclusions(VantoscopeTest):
    holder = HOLDER

    def test_only_eligible_windows_are_listed(self):
        listed = ["WallPaper 2", "mirror lower case", "Page - Mozilla Firefox", "Plain window"]
        for i, title in enumerate(["WallPaper", "WallPaper 2", "My Mirror", "RADEON AMDGPU", "", "mirror lower case",
                                   "Plain window", "スタート"]):
            self.probe.open(title, x=60 + 30 * i, y=120 + 20 * i, w=250, h=150)
        self.probe.open("Some page", cls="MozillaWindowClass", x=400, y=300)
        self.probe.open("Page - Mozilla Firefox", cls="MozillaWindowClass", x=420, y=320)
        self.probe.open("Feedback host", cls="AppFeedBackWindow", x=440, y=340)
        self.probe.open("Minimised one", show=SW_MINIMIZE, x=460, y=360)
        self.probe.open("Invisible one", show=0, x=480, y=380)
        self.start()
        n = len(listed)
        self.assertEqual(sorted(self.row_texts()[:n]), sorted(t(x) for x in listed))
        self.assertEqual(self.row_texts()[n:n + 2], [b"", PLACEHOLDER])
        self.assertIn(t("win_num: %d" % n), self.v.lines)


class Ticking(VantoscopeTest):
    holder = HOLDER

    def click_row(self, i):
        r = self.rows()[i]["rect"]
        self.bed.click(r[0] + 12, (r[1] + r[3]) // 2)

    def test_a_click_ticks_the_row_and_a_second_click_unticks_it(self):
        self.probe.open("Editor", cls="EditorClass", x=300, y=300)
        self.start()
        mark = self.v.mark()
        self.click_row(0)
        i = self.v.wait_line("check ID: 0", start=mark)
        self.assertEqual(self.v.lines[i + 1:i + 3], [b"Editor", b"EditorClass"])
        wait_for(lambda: self.checks()[0] == 1, 5, what="row 0 ticked")
        mark = self.v.mark()
        self.click_row(0)
        self.v.wait_line("check ID: 0", start=mark)
        wait_for(lambda: self.checks()[0] == 0, 5, what="row 0 unticked")

    def test_tick_survives_minimise_and_restore(self):
        self.probe.open("Alpha", x=100, y=300)
        beta = self.probe.open("Beta", x=300, y=300)
        self.start()
        self.wait_rows(["Alpha", "Beta"])
        self.toggle_row(1)
        wait_for(lambda: self.checks()[:2] == [0, 1], 5, what="Beta ticked")
        mark = self.v.mark()
        self.probe.show(beta, SW_MINIMIZE)
        self.v.wait_line("win_num changed! 1", start=mark)
        self.probe.show(beta, SW_RESTORE)
        self.v.wait_line("win_num changed! 2", start=mark)
        wait_for(lambda: self.checks()[:2] == [0, 1], 5, what="Beta ticked again")

    def test_tick_follows_its_window_to_another_row_after_a_rebuild(self):
        for title in ("Delta", "Alpha", "Charlie", "Bravo"):
            self.probe.open(title, x=200, y=200)
        self.start()
        self.wait_rows(["Alpha", "Bravo", "Charlie", "Delta"])
        self.toggle_row(3)  # Delta
        wait_for(lambda: self.checks()[:4] == [0, 0, 0, 1], 5, what="Delta ticked")
        mark = self.v.mark()
        self.probe.close_window(self.probe.find(title="Bravo")[0])
        self.v.wait_line("win_num changed! 3", start=mark)
        texts = self.row_texts()[:3]
        row = texts.index(b"Delta")
        wait_for(lambda: self.checks()[row] == 1, 5, what="Delta's new row ticked")
        self.assertEqual(sum(self.checks()[:3]), 1)

    def test_unticking_leaves_a_blank_so_no_rebuild_restores_it(self):
        self.probe.open("Alpha", x=100, y=300)
        self.probe.open("Beta", x=300, y=300)
        self.start()
        self.toggle_row(0)
        self.toggle_row(0)
        wait_for(lambda: self.checks()[0] == 0, 5, what="unticked")
        mark = self.v.mark()
        gamma = self.probe.open("Gamma", x=500, y=300)
        self.v.wait_line("win_num changed! 3", start=mark)
        self.probe.close_window(gamma)
        self.v.wait_line("win_num changed! 2", start=mark)
        self.assertEqual(self.checks()[:3], [0, 0, 0])


class Switches(VantoscopeTest):
    holder = HOLDER

    def test_each_pick_toggles_its_switch_and_traces_the_new_value(self):
        self.start()
        mark = self.v.mark()
        for command in (ID_MOUSE_POINTER, ID_MOUSE_POINTER, ID_WALLPAPER, ID_MOUSE_LIMIT, ID_MOUSE_LIMIT):
            self.pick_switch(command)
        self.v.wait_line("MOUSE_LIMIT:0", start=mark)
        got = [l for l in self.v.lines[mark:] if not CLASS_LINE.match(l)]
        self.assertEqual(got[:5], [b"SET_MOUSEPOINTER:0", b"SET_MOUSEPOINTER:1", b"SET_WP:0", b"MOUSE_LIMIT:1",
                                   b"MOUSE_LIMIT:0"])

    def test_switch_ids_as_plain_commands_only_trace(self):
        self.start()
        mark = self.v.mark()
        self.probe.send(self.v.checklist, WM_COMMAND, ID_WALLPAPER, 0)
        self.probe.send(self.v.checklist, WM_COMMAND, 45, 0)
        self.v.wait_line("check ID: 45", start=mark)
        self.assertEqual(self.v.count("SET_WP:0", mark), 0)
        self.assertIn(b"check ID: 1021", self.v.lines[mark:])

    def test_picking_from_the_window_menu_with_the_mouse(self):
        checklist = self.start()
        self.probe.foreground(checklist)
        rect = self.probe.info(checklist)["rect"]
        mark = self.v.mark()
        # The window menu opens from the icon at the caption's left; its first item is the
        # wallpaper switch.
        self.bed.click(rect[0] + 12, rect[1] + 11)
        time.sleep(0.5)
        self.bed.click(rect[0] + 40, rect[1] + 33)
        self.v.wait_line("SET_WP:0", start=mark)

    def test_mouse_limit_keeps_the_pointer_on_the_main_monitor(self):
        self.start()
        self.pick_switch(ID_MOUSE_LIMIT)
        self.v.wait_line("MOUSE_LIMIT:1")
        self.probe.cursor(1500, 300)
        wait_for(lambda: self.probe.cursor() == (1014, 300), 5, what="pointer pulled back")
        self.probe.cursor(-40, 900)
        wait_for(lambda: self.probe.cursor() == (0, 758), 5, what="pointer in the corner")
        self.pick_switch(ID_MOUSE_LIMIT)
        self.v.wait_line("MOUSE_LIMIT:0")
        self.probe.cursor(1500, 300)
        self.v.wait_iterations(5)
        self.assertEqual(self.probe.cursor(), (1500, 300))


class Mirrors(VantoscopeTest):
    holder = HOLDER

    def test_hidden_named_and_styled_by_the_target_class(self):
        self.probe.open("Browser", cls="Chrome_WidgetWin_1", x=100, y=300)
        self.probe.open("Notepad", cls="NotepadClass", x=400, y=300)
        self.start()
        mirrors = self.v.mirrors()
        self.assertEqual(sorted(mirrors), ["Mirror0", "Mirror1"])
        for name, hwnd in mirrors.items():
            info = self.probe.info(hwnd)
            self.assertFalse(info["visible"], name)
            self.assertIn(info["title"], (b"Browser ", b"Notepad "))
            style = info["style"]
            if info["title"] == b"Browser ":
                self.assertEqual(style & (WS_POPUP | WS_BORDER | WS_SYSMENU), WS_POPUP | WS_BORDER | WS_SYSMENU)
                self.assertNotEqual(style & WS_CAPTION, WS_CAPTION)
                self.assertEqual(style & WS_THICKFRAME, 0)
            else:
                self.assertEqual(style & (WS_CAPTION | WS_THICKFRAME), WS_CAPTION | WS_THICKFRAME)
                self.assertEqual(style & WS_POPUP, 0)


class Crowds(VantoscopeTest):
    holder = HOLDER

    def test_forty_windows_give_thirty_rows_and_a_stable_catalogue(self):
        for i in range(40):
            self.probe.open("Crowd %02d" % i, x=10 + 15 * i, y=100 + 5 * i, w=200, h=120)
        self.start()
        texts = self.row_texts()
        self.assertEqual(len(texts), 30)
        self.assertTrue(all(re.fullmatch(rb"Crowd \d\d", x) for x in texts), texts)
        self.assertIn(b"win_num: 30", self.v.lines)
        mark = self.v.mark()
        self.v.wait_iterations(30)
        self.assertEqual(self.v.count(CHANGED, mark), 0)
        self.assertEqual(len(self.v.mirrors()), 30)
        self.toggle_row(29)
        wait_for(lambda: self.checks()[29] == 1, 5, what="the last row ticked")

    def test_a_hung_ticked_window_does_not_hold_up_the_program(self):
        target = self.probe.open("Stuck", x=200, y=200)
        self.start()
        self.toggle_row(0)
        self.probe.hang(target, 30000)
        try:
            time.sleep(0.5)
            mark = self.v.mark()
            time.sleep(3)
            # Normally about 33 iterations a second; a send that waited on the window would stop them.
            self.assertGreater(self.v.count(CLASS_LINE, mark), 30)
            self.v.wait_line(re.compile(rb"^time_count:\d+$"), timeout=10, start=mark)
            started = time.monotonic()
            self.assertEqual(self.probe.send(self.rows()[0]["hwnd"], BM_GETCHECK, 0, 0), 1)
            self.assertLess(time.monotonic() - started, 1.0)
        finally:
            self.probe.unhang(target)


if __name__ == "__main__":
    unittest.main()

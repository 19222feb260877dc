# The checklist as its user meets it on two monitors: start-up, rows, ticks, switches, closing.

import re
import time

from .story import MODE_REQUEST, PLACEHOLDER, Story, both, listed, monitor_line, t, wait_for

EXCLUDED = [("WallPaper", "VtSample", 1), ("My Mirror", "VtSample", 1), ("CAMDEN", "VtSample", 1), ("", "VtSample", 1),
            ("スタート", "VtSample", 1), ("Some page", "MozillaWindowClass", 1), ("Feedback host", "AppFeedBackWindow", 1),
            ("Minimised", "VtSample", 6), ("Invisible", "VtSample", 0)]
LISTED = [("WallPaper 2", "VtSample", 1), ("mirror lower case", "VtSample", 1),
          ("Page - Mozilla Firefox", "MozillaWindowClass", 1)]


class ChecklistStory(Story):
    def menu_pick(self, item):
        # Picks a window-menu item with the mouse: the menu opens from the checklist's icon.
        self.probe.foreground(self.p.checklist)
        self.d.click(12, 11)
        r = self.probe.info(wait_for(self.menus, what="the window menu")[0])["rect"]
        self.d.click(r[0] + 40, r[1] + 11 + 17 * item)

    def rebuild(self, rows):
        # A window opens and closes again: two rebuilds of a catalogue of `rows` windows.
        mark, passing = self.p.mark(), self.probe.open("Passing", 700, 500, 200, 150)
        mark = self.p.wait_line("win_num changed! %d" % (rows + 1), mark)
        self.probe.close(passing)
        self.p.wait_line("win_num changed! %d" % rows, mark)

    def test_a_day_with_the_checklist(self):
        fruit = {n: self.probe.open(n, 120 + 60 * i, 200 + 40 * i, 300, 200, seed=i)
                 for i, n in enumerate(("Apple", "Banana", "Cherry"))}  # enumerated Cherry, Banana, Apple
        started = time.monotonic()
        self.start(env=self.d.env(WINEDEBUG="trace+system"))
        p = self.p
        with self.step("monitor lines in code page 932; both monitors asked for the common mode"):
            self.assertEqual(p.lines[:3], [monitor_line(1, 0, 0, 1024, 768), monitor_line(2, 1024, 0, 1024, 768),
                                           t("2個のモニタがありました")])
            self.assertEqual(MODE_REQUEST.findall(p.stderr), [b"DISPLAY1", b"DISPLAY2"])
            self.assertEqual(p.stderr.count(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=1024 dmPelsHeight=768"), 2)
            self.assertEqual(p.count("設定の変更に失敗しました"), len(self.mode_failures()))
        with self.step("rows after one exchange pass by title, a blank row, then placeholders"):
            self.assertEqual(self.texts(), [b"Banana", b"Apple", b"Cherry", b""] + [PLACEHOLDER] * 26)
            self.assertIn(b"win_num: 3", p.lines)
            self.assertEqual(self.probe.info(p.checklist)["rect"], (0, 0, 300, 124))
        with self.step("the checklist, not the button, has the foreground after start-up"):
            self.assertEqual(self.probe.foreground(), p.checklist)
        with self.step("excluded windows left out; a tick kept as the list shrinks"):
            others = [self.probe.open(title, 400 + 9 * i, 300, 200, 150, cls, show) for i, (title, cls, show) in
                      enumerate(EXCLUDED + LISTED)]
            six = sorted(t(x) for x in ["Apple", "Banana", "Cherry"] + [x for x, c, s in LISTED])
            wait_for(lambda: sorted(self.texts(6)) == six and self.probe.info(p.checklist)["rect"] == (0, 0, 300, 217),
                     what=lambda: "six rows (now %r)" % self.texts(7))
            last = self.texts(6)[5]
            self.tick(last)
            titles = [t(x) for x, c, s in EXCLUDED + LISTED] + [t(n) for n in fruit]
            window = dict(zip(titles, others + list(fruit.values())))[last]
            for hwnd in others:
                if hwnd != window:
                    self.probe.close(hwnd)
            wait_for(lambda: listed(p) == 3 + (window in others), what="three or four rows")
            self.assertEqual(self.ticked(), [last])
            self.shows(window)
            self.probe.close(window) if window in others else self.click_row(last.decode(), [])
        with self.step("a window that closes as another opens, in one turn: the new one is listed, the old row goes"):
            elder, date = self.probe.open("Elder", 500, 400, 300, 200), self.probe.open("Date", 520, 420, 300, 200, show=0)
            wait_for(lambda: sorted(self.texts(4)) == [b"Apple", b"Banana", b"Cherry", b"Elder"], what="Elder listed")
            self.probe.swap(elder, date)
            wait_for(lambda: sorted(self.texts(4)) == [b"Apple", b"Banana", b"Cherry", b"Date"], 5,
                     what=lambda: "Date in Elder's place (rows %r)" % self.texts(5))
            self.probe.close(date)
            self.wait_rows(["Banana", "Apple", "Cherry"])
        with self.step("a click on a row ticks it and traces the window's title and class"):
            mark = p.mark()
            self.click_row("Cherry", ["Cherry"])
            self.assertEqual(p.next_lines(p.wait_line("check ID: 2", mark), 2), [b"Cherry", b"VtSample"])
            self.shows(fruit["Cherry"])
        with self.step("paint requests go to the ticked window, whose mirror copies it, and to no other"):
            before = {name: self.probe.paints(hwnd) for name, hwnd in fruit.items()}
            p.wait_iterations(60)
            sent = {name: self.probe.paints(hwnd) - before[name] for name, hwnd in fruit.items()}
            self.assertEqual((sent["Apple"], sent["Banana"], sent["Cherry"] > 5), (0, 0, True), sent)
        with self.step("ticks follow their windows to other rows; an untick there takes back only its own"):
            self.click_row("Banana", ["Banana", "Cherry"])
            self.click_row("Apple", ["Banana", "Apple", "Cherry"])
            aardvark = self.probe.open("Aardvark", 600, 420, 300, 200)
            self.wait_rows(["Aardvark", "Banana", "Apple", "Cherry"])
            self.assertEqual([r["check"] for r in self.probe.rows(p.checklist)[:4]], [0, 1, 1, 1])
            self.click_row("Banana", ["Apple", "Cherry"])  # made in the row that remembers Apple's tick
            self.rebuild(4)
            self.assertEqual(self.ticked(), [b"Apple", b"Cherry"])
            self.shows(fruit["Apple"], fruit["Cherry"])
            self.click_row("Apple", ["Cherry"])
            self.shows(fruit["Cherry"])
        with self.step("a tick made in the row a moved tick came from keeps both through a rebuild"):
            self.click_row("Apple", ["Apple", "Cherry"])
            self.rebuild(4)
            self.assertEqual(self.ticked(), [b"Apple", b"Cherry"])
        with self.step("unticking forgets a tick wherever it was remembered: no rebuild restores it"):
            self.click_row("Cherry", ["Apple"])  # remembered in the row that Apple's tick moved it from
            self.click_row("Apple", [])
            self.rebuild(4)
            self.assertEqual(self.ticked(), [])
            self.click_row("Cherry", ["Cherry"])
        with self.step("a second window of the same title stays unticked and unmirrored"):
            self.probe.open("Cherry", 500, 100, 300, 200, seed=9)
            self.wait_rows(["Aardvark", "Banana", "Apple", "Cherry", "Cherry"])
            self.assertEqual(self.ticked(), [b"Cherry"])
            self.shows(fruit["Cherry"])
        with self.step("a ticked window keeps its tick and mirror when its title changes"):
            self.probe.set_title(fruit["Cherry"], "*Cherry")
            self.wait_rows(["Aardvark", "Banana", "Apple", "Cherry", "*Cherry"])  # relabelled in its row at once
            self.shows(fruit["Cherry"])
            self.probe.close(aardvark)
            self.wait_rows(["*Cherry", "Banana", "Apple", "Cherry"])
            self.assertEqual(self.ticked(), [b"*Cherry"])
            self.shows(fruit["Cherry"])
        with self.step("a window that opens with the title of a ticked window that closed is ticked"):
            self.click_row("Banana", ["*Cherry", "Banana"])
            mark = p.mark()
            self.probe.close(fruit.pop("Banana"))
            p.wait_line("win_num changed! 3", mark)
            fruit["Banana"] = self.probe.open("Banana", 300, 300, 300, 200, seed=5)
            self.wait_rows(["*Cherry", "Banana", "Apple", "Cherry"])
            self.assertEqual(self.ticked(), [b"*Cherry", b"Banana"])
            self.shows(fruit["Cherry"], fruit["Banana"])
        with self.step("closing a ticked window ticks no window of its title that was there before"):
            mark = p.mark()
            self.probe.close(fruit.pop("Cherry"))  # ticked as "Cherry"; the other "Cherry" opened before it closed
            p.wait_line("win_num changed! 3", mark)
            p.wait_iterations(3)
            self.assertEqual(self.ticked(), [b"Banana"])
            self.shows(fruit["Banana"])
        with self.step("the window menu's first items are the switches and the blank, each traced as picked"):
            mark = p.mark()
            for item, line in ((0, "SET_WP:0"), (0, "SET_WP:1"), (1, "SET_MOUSEPOINTER:0"), (1, "SET_MOUSEPOINTER:1"),
                               (3, "SET_BLANK:1"), (3, "SET_BLANK:0"), (2, "MOUSE_LIMIT:1")):
                self.menu_pick(item)
                mark = p.wait_line(line, mark) + 1
        with self.step("the mouse limit keeps the pointer 10 pixels inside the main monitor"):
            self.d.pointer(1020, 300)
            wait_for(lambda: self.d.pointer() == (1014, 300), what="the pointer pulled back")
            self.d.pointer(-40, 900)
            wait_for(lambda: self.d.pointer() == (0, 758), what=lambda: "the pointer at %r" % (self.d.pointer(),))
            self.menu_pick(2)
            p.wait_line("MOUSE_LIMIT:0", mark)
            self.d.pointer(1500, 300)
            p.wait_iterations(10)
            self.assertEqual(self.d.pointer(), (1500, 300))
        with self.step("dragging the lower border leaves the checklist 300 x 31 per row and one more"):
            self.probe.foreground(p.checklist)
            size = self.probe.info(p.checklist)["rect"]
            self.d.xdotool("mousemove", 150, size[3] - 2, "mousedown", 1)
            try:
                for y in (40, 120, 210):
                    self.d.xdotool("mousemove", 150, size[3] + y)
                    time.sleep(0.2)
                    # While the sizing loop runs the main loop waits: the size limit alone holds it.
                    self.assertEqual(self.probe.info(p.checklist)["rect"], size)
            finally:
                self.d.xdotool("mouseup", 1)
        with self.step("every 100 turns, the count and the run time as seconds:minutes:hours"):
            i = p.wait_line(re.compile(rb"^time_count:"), timeout=60)
            self.assertEqual(p.lines[i], b"time_count:100")
            run_time, elapsed = p.next_lines(i, 2)
            seconds, minutes, hours = map(int, elapsed.split(b":"))
            # 100 turns of a 30 ms wait and a 10 ms sleep take more than 3 s.
            self.assertEqual((run_time, minutes, hours), (t("実行時間"), 0, 0))
            self.assertTrue(3 <= seconds <= time.monotonic() - started + 1, seconds)
        with self.step("closing the checklist with the mouse ends the program cleanly"):
            self.d.click(288, 11)
            self.assertEqual((p.wait_exit(), p.lines[-1]), (0, b"App end"))


both(ChecklistStory)


# Monitor set-ups: a single monitor, three unequal ones, and a smaller external one the picture is scaled to fit.

from .story import CAPTION, MODE_FAILED, MODE_REQUEST, WALLPAPER, Story, both, monitor_line, t, wait_for

NO_EXTERNAL = t("外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．")


class OneMonitorStory(Story):
    heads = ((1024, 768, 0, 0),)

    def test_one_monitor(self):
        hwnd = self.probe.open("Lonely", 100, 120, 300, 200)
        owners = self.start(self.sample_settings("", preview=True), self.d.env(WINEDEBUG="trace+system"), [NO_EXTERNAL])
        with self.step("a warning that no external display is connected, owned by no window; no mode changed"):
            self.assertEqual(owners, [0])
            self.assertEqual(self.p.lines[:2], [monitor_line(1, 0, 0, 1024, 768), t("1個のモニタがありました")])
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [])
        with self.step("the preview says there is no external monitor, and shows no picture"):
            c = self.probe.info(self.preview_says("No external monitor"))["client"]
            self.assertEqual({px for row in self.screen.grab(c[0], c[1], 320, 240).rows for px in row}, {(0, 0, 0)})
        with self.step("a ticked window's mirror stands left of the screen"):
            self.tick("Lonely", front=hwnd)
            self.shows(hwnd)


class ThreeMonitorsStory(Story):
    heads = ((1024, 768, 0, 0), (1024, 768, 1024, 0), (800, 600, 2048, 120))
    MONITORS = {2: (1024, 0, 1024, 768), 3: (2048, 120, 800, 600)}

    def audience_on(self, area, hwnd):
        # The wallpaper, the window's mirror and its context menu's on the monitor of that area.
        x, y, w, h = self.ext_area = area
        self.ext = area[:2]
        wait_for(lambda: self.probe.info(self.probe.find("WallPaper")[0])["rect"] == (x, y, x + w, y + h),
                 what="the wallpaper at %r" % (area,))
        self.shows(hwnd)
        r = self.probe.info(hwnd)["rect"]
        self.d.xdotool("mousemove", r[0] + 60, r[1] + 60, "click", 3)
        m = self.probe.info(wait_for(self.menus, what="the menu")[0])["rect"]
        place = [(m[0] + x, m[1] + y, min(m[2] + x, x + w), min(m[3] + y, y + h))]
        wait_for(lambda: [self.probe.info(p)["rect"] for p in self.probe.shown("MirrorPopup")] == place, what="the menu")
        self.d.xdotool("key", "Escape")

    def test_three_unequal_monitors(self):
        hwnd = self.probe.open("Three heads", 50, 60, 300, 200, seed=7)
        owners = self.start(env=self.d.env(WINEDEBUG="trace+system"))
        with self.step("each monitor traced; the last found is the external one, and the trace says so"):
            self.assertEqual(self.p.lines[:7], [
                monitor_line(1, 0, 0, 1024, 768), monitor_line(2, 1024, 0, 1024, 768),
                monitor_line(3, 2048, 120, 800, 600), t("3個のモニタがありました"),
                b"EXTERNAL:3 \\\\.\\DISPLAY3 (the last monitor found)"] + [t("設定の変更に失敗しました")] * 2)
        with self.step("the main and the external monitor asked for the narrower one's mode; each refusal warned of"):
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [b"DISPLAY1", b"DISPLAY3"])
            self.assertEqual(self.p.stderr.count(b"dmFields=PELSWIDTH,PELSHEIGHT dmPelsWidth=800 dmPelsHeight=600"), 2)
            self.assertEqual(owners, [0, 0])
        with self.step("mirrors go to the last monitor, at its height, pixel for pixel"):
            self.tick("Three heads", front=hwnd)
            self.shows(hwnd, pixels=hwnd)
        # EXTERNAL by device name: the audience's things on that monitor; only it and the main one asked for a mode.
        with self.step("EXTERNAL by device name"):
            self.p.close()
            by_name = self.sample_settings("[DISPLAY]\nEXTERNAL=\\\\.\\DISPLAY2\n")
            self.start(by_name, env=self.d.env(WINEDEBUG="trace+system"))
            self.assertIn(b"EXTERNAL:2 \\\\.\\DISPLAY2 ([DISPLAY] EXTERNAL)", self.p.lines)
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [b"DISPLAY1", b"DISPLAY2"])
            self.tick("Three heads", front=hwnd)
            self.audience_on(self.MONITORS[2], hwnd)
        with self.step("the window menu lists the other monitors; picking one moves everything there at once"):
            self.probe.foreground(self.p.checklist)
            mark = self.p.mark()
            self.d.click(12, 11)  # the checklist's icon opens its window menu
            self.d.xdotool("key", *["Down"] * 8 + ["Return"])  # the switches, the blank, the preview, the audience's
            # window, monitor 2 and 3
            for text in self.mode_failures(by_name, external=3):
                self.assertEqual(self.probe.box(CAPTION, 30)[1], text)
            self.p.wait_line("EXTERNAL:3 \\\\.\\DISPLAY3 (picked in the window menu)", mark)
            self.probe.foreground(hwnd)
            self.audience_on(self.MONITORS[3], hwnd)
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [b"DISPLAY1", b"DISPLAY2", b"DISPLAY1", b"DISPLAY3"])
        with self.step("the audience's monitor moved by the user: everything follows it, and no mode is asked for"):
            self.addCleanup(self.probe.monitor, 2, 2048, 120, 2848, 720)
            self.probe.monitor(2, 2048, 170, 2848, 770)
            self.audience_on((2048, 170, 800, 600), hwnd)
            self.probe.monitor(2, 2048, 120, 2848, 720)
            self.audience_on(self.MONITORS[3], hwnd)
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [b"DISPLAY1", b"DISPLAY2", b"DISPLAY1", b"DISPLAY3"])
        with self.step("EXTERNAL by number"):
            self.p.close()
            self.start(self.sample_settings("[DISPLAY]\nEXTERNAL=2\n"))
            self.assertIn(b"EXTERNAL:2 \\\\.\\DISPLAY2 ([DISPLAY] EXTERNAL)", self.p.lines)
            self.tick("Three heads", front=hwnd)
            self.audience_on(self.MONITORS[2], hwnd)


class ScaledMonitorsStory(Story):
    heads, scaled = ((1280, 800, 0, 0), (1024, 768, 1280, 0)), True

    def in_colours(self, hwnd):
        # Inside the marked corner, and just past it, where a picture left at full size would still be marked.
        c = self.probe.info(hwnd)["client"]
        points = [(self.land((x, y, x, y))[:2], colour) for x, y, colour in (
            (c[0] + 30, c[1] + 30, (0xDF, 0x9F, 0x3F)), (c[0] + 66, c[1] + 66, (0x20, 0x60, 0xC0)))]
        wait_for(lambda: all(self.screen.grab(x, y, 1, 1).pixel(x, y) == colour for (x, y), colour in points),
                 what="the window's colour and its marked corner at their scaled places", interval=0.1)

    def test_a_smaller_external_monitor(self):
        hwnd = self.probe.open("Plain", 200, 150, 500, 400, fill=0x2060C0, seed=-60)  # a marked corner of 60
        env = (self.d.compositor_env if self.thumbnails else self.d.env)(WINEDEBUG="trace+system")
        self.start(self.sample_settings("[DISPLAY]\nMATCH=scale\n", preview=True), env=env)
        with self.step("no display mode is requested; the trace names the mapping; the preview the monitor"):
            self.preview_says("Monitor 2: 1024 × 768")
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [])
            self.assertIn(b"MATCH:scale 0.800", self.p.lines)
        with self.step("the mirror stands at the window's place scaled into the middle, in the window's colours"):
            self.tick("Plain", front=hwnd)
            self.d.pointer(1270, 790)  # off the window: its disc would cover the colour
            self.shows(hwnd)
            self.in_colours(hwnd)
        with self.step("the wallpaper fills the band above the picture"):
            band = self.screen.grab(self.ext[0], 0, 1024, 64)
            self.assertEqual([band.pixel(self.ext[0] + 64 * i + 32, 40) for i in range(16)],
                             [WALLPAPER.pixel(20 * i + 10, 12) for i in range(16)])
        with self.step("the red disc is at the pointer's scaled place"):
            self.d.pointer(450, 350)
            self.disc_at(*self.land((450, 350, 450, 350))[:2])
        # The external monitor turns 800 x 600, is plugged out and in: all fitted anew on it, no mode ever requested.
        with self.step("the external monitor changes, goes and comes"):
            self.addCleanup(self.probe.monitor, 1, 1280, 0, 2304, 768)
            wallpaper, mark = self.probe.find("WallPaper")[0], self.p.mark()
            self.d.pointer(1270, 790)
            self.probe.monitor(1, 1280, 0, 2080, 600)
            self.ext_area = (1280, 0, 800, 600)
            wait_for(lambda: self.probe.info(wallpaper)["rect"] == (1280, 0, 2080, 600), 5, "the wallpaper moved")
            self.in_colours(hwnd)
            self.preview_says("Monitor 2: 800 × 600")
            self.probe.plug(1, 0)
            self.assertEqual(self.probe.box(CAPTION)[1], NO_EXTERNAL)
            self.preview_says("No external monitor")
            self.probe.plug(1, 1)
            self.preview_says("Monitor 2: 800 × 600")
            self.p.wait_line("2個のモニタがありました", self.p.wait_line("1個のモニタがありました", mark))
            self.shows(hwnd)
            self.in_colours(hwnd)
            self.assertEqual(self.p.count("MATCH:scale 0.625", mark), 2)
            self.assertEqual(MODE_REQUEST.findall(self.p.stderr), [])


both(OneMonitorStory)
both(ThreeMonitorsStory)
both(ScaledMonitorsStory)
both(ScaledMonitorsStory, thumbnails=True)



class WindowsDesktopStory(Story):
    # Windows 10 and 11's cloaking and caption buttons (from the stand-in); the checklist, button and disc at this DPI.
    thumbnails = True

    def ink(self, title):
        # The first and last line of the title's row that hold text (near-black pixels), and the row's height.
        r = self.probe.rows(self.p.checklist)[self.row_of(title)]["rect"]
        img = self.screen.grab(r[0] + self.sc(24), r[1], r[2] - r[0] - self.sc(30), r[3] - r[1])
        inked = [y for y, line in enumerate(img.rows) if any(sum(px) < 150 for px in line)]
        return inked and (inked[0], inked[-1], r[3] - r[1])

    def test_a_windows_desktop(self):
        typing = self.probe.open("Typing", 120, 200, 520, 340, seed=31)
        other = self.probe.open("Other", 660, 300, 300, 200, seed=32)
        suspended = self.probe.open("Suspended app", 400, 450, 300, 200, seed=33, show=0)
        self.probe.prop(suspended, "VtCloaked", 1)
        self.probe.show(suspended, 8)
        self.start()
        # A cloaked window gets no row; every row lies inside the client area, its title as tall as the row allows.
        with self.step("a cloaked window gets no row; rows inside the client area"):
            self.wait_rows(["Other", "Typing"])
            c = self.probe.info(self.p.checklist)["client"]
            for r in self.probe.rows(self.p.checklist)[:2]:
                self.assertTrue(c[0] <= r["rect"][0] and c[1] <= r["rect"][1] and r["rect"][3] <= c[3], (r, c))
            first, last, height = wait_for(lambda: self.ink("Typing"), 5, "the title painted")
            self.assertTrue(0 < first and last < height - 1 and last - first >= 0.3 * height, (first, last, height))
        with self.step("the button stands left of the caption buttons, within their height, normal and maximised"):
            for show in (9, 3):  # SW_RESTORE, SW_MAXIMIZE
                self.probe.show(typing, show)
                self.probe.foreground(typing)
                b, c = self.button_on(typing), self.caption_buttons(typing)
                self.assertTrue(b[2] < c[0] and c[1] <= b[1] and b[3] <= c[3], (b, c))
            self.probe.show(typing, 9)
        with self.step("where the compositor refuses, the button stands 140 pixels from the right; the window is listed"):
            self.probe.prop(other, "VtRefuse", 0x80070005)
            self.probe.foreground(other)
            self.thumbnails = False  # as without a compositor
            self.button_on(other)
            self.thumbnails = True
            self.assertEqual(self.texts(2), [b"Other", b"Typing"])
            self.probe.prop(other, "VtRefuse", 0)
        # Cloaked, a ticked window loses row and mirror till uncloaked, an unticked one leaves; the disc is scaled.
        with self.step("cloaked and back"):
            self.tick("Typing", front=typing)
            self.shows(typing)
            self.probe.prop(typing, "VtCloaked", 1)
            self.wait_rows(["Other"])
            self.shows()
            self.probe.prop(typing, "VtCloaked", 0)
            self.wait_rows(["Other", "Typing"])
            self.probe.prop(other, "VtCloaked", 1)
            self.wait_rows(["Typing"])
            self.assertEqual(self.ticked(), [b"Typing"])
            self.shows(typing)
            c = self.probe.info(typing)["client"]
            self.d.pointer(c[0] + 100, c[1] + 100)
            self.disc_at(c[0] + 100 + self.ext[0], c[1] + 100 + self.ext[1])


class WindowsDesktop144Story(WindowsDesktopStory):
    dpi = 144


class WindowsDesktop192Story(WindowsDesktopStory):
    dpi = 192


class UnusableDpiStory(Story):
    dpi = 480  # past every scale the sizes follow

    def test_an_unusable_dpi(self):
        self.probe.open("Lonely", 100, 120, 300, 200)
        self.start()
        with self.step("rows of 96 DPI, said once in the trace"):
            self.row_of("Lonely")
            r = self.probe.rows(self.p.checklist)[0]["rect"]
            self.assertEqual((r[2] - r[0], r[3] - r[1]), (300, 30))
            self.p.wait_iterations(5)
            self.assertEqual(self.p.count("DPI 480 unusable, 96 is used"), 1)


for story in (WindowsDesktopStory, WindowsDesktop144Story, WindowsDesktop192Story):
    both(story, thumbnails=True)
both(UnusableDpiStory)

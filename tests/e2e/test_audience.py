# What the audience sees and the presenter's button: with mirrors that copy, and with thumbnails (a stand-in).

import os
import re
import time

from .story import ASSETS, EXES, ID_BLANK, ID_MOUSE_POINTER, ID_PREVIEW, ID_WALLPAPER, RED, WM_CLOSE, WM_SYSCOMMAND, Story, both, wait_for
from desk.probe import Probe
from desk.screen import load_bmp
from desk.churn import MIRROR, Churn, visible_mirrors

FACES = {state: load_bmp(os.path.join(ASSETS, "button_%s.bmp" % state)) for state in ("off", "on")}
BLUE, WS_CAPTION_THICKFRAME, WS_BORDER = (0, 0, 192), 0x00C40000, 0x00800000
COPIES = re.compile(rb"^hwMir\[\d+\] copies its window: no thumbnail \(0x80004001\)$")


class Audience(Story):
    def face(self, state):
        # Waits for the button to show this face, as much of it as its client area holds.
        x0, y0, x1, y1 = self.probe.info(self.probe.find("VantoscopeButton")[0])["client"]
        wait_for(lambda: self.screen.grab(x0, y0, x1 - x0, y1 - y0).rows == [
            row[:x1 - x0] for row in FACES[state].rows[:y1 - y0]], what="the button's '%s' face" % state, interval=0.1)

    def marker(self, mirror, pointer, offset):
        # The pointer's disc: at this offset in a copy's client area; over a thumbnail, at the pointer's place there.
        self.d.pointer(*pointer)
        if self.thumbnails:
            return self.disc_at(pointer[0] + self.ext[0], pointer[1] + self.ext[1])
        client = self.probe.info(mirror)["client"]
        self.disc_at(client[0] + offset[0], client[1] + offset[1])

    def mirror_of(self, title):
        # The shown mirror of this title: a mirror past the catalogue may keep the title of a window it showed.
        mirrors = lambda: [h for h in self.probe.shown(MIRROR) if self.probe.info(h)["title"] == title.encode()]  # noqa: E731
        return wait_for(mirrors, what="the mirror %r" % title)[0]

    def popups(self, *hwnds):
        # Waits for exactly these pop-ups' mirrors, cut to the monitor, stacked as they are, showing their pixels
        # (stacked is read from the mirrors' order: where they overlap, a copy reads the screen with the sub-menu).
        x, y = self.ext
        cut = lambda r: (max(r[0] + x, x), max(r[1] + y, y), min(r[2] + x, x + 1024), min(r[3] + y, y + 768))  # noqa: E731
        want = [cut(self.probe.info(h)["rect"]) for h, v, c, title in self.probe.top() if h in hwnds]
        mirrors = lambda: [self.probe.info(h)["rect"] for h in self.probe.shown("MirrorPopup")]  # noqa: E731
        wait_for(lambda: mirrors() == want, what=lambda: "pop-up mirrors at %r (now %r)" % (want, mirrors()))
        for hwnd in hwnds:
            self.same_pixels(hwnd)

    def registrations(self):
        # Live thumbnail registrations (the stand-in's count), and the ticked rows of windows still there.
        count = next(int(title) for h, v, c, title in self.probe.top() if c == b"VtDwmStandIn")
        return count, len(set(self.ticked()) & set(self.probe.samples.values()))


class AudienceStory(Audience):
    def test_a_presentation(self):
        picture = self.probe.open("Picture", 220, 300, 400, 300, seed=21)
        browser = self.probe.open("Web", 640, 300, 300, 250, cls="Chrome_WidgetWin_1", seed=22)
        # Below where a mirror will reach into the main monitor; the program's windows, made later, stack above it.
        under = self.probe.open("Under", 800, 0, 224, 320, fill=0x00C000)
        self.start()
        p = self.p
        with self.step("the wallpaper fills 1024 x 560 of the external monitor and leaves the strip below"):
            self.wallpaper_shows()
            # The picture starts inside the window's 2-pixel border: rows 2 to 561.
            strip = self.screen.grab(self.ext[0], self.ext[1] + 562, 1024, 206)
            self.assertFalse({c for row in strip.rows for c in row} & {c for x, y, c in self.tile_centres()})
        with self.step("the button rides on the foreground window and shows it is not mirrored"):
            self.probe.foreground(picture)
            b = self.button_on(picture)
            self.face("off")
        with self.step("a click on the button mirrors the foreground window and gives it the foreground back"):
            mark = p.mark()
            self.d.click((b[0] + b[2]) // 2, (b[1] + b[3]) // 2)
            self.d.pointer(1000, 740)
            i = p.wait_line("LBUTTONDOWN", mark)
            self.assertEqual(p.next_lines(i, 1), [b"check ID: %d" % self.texts().index(b"Picture")])
            wait_for(lambda: self.probe.foreground() == picture, what="the foreground back on the window")
            self.assertEqual(self.ticked(), [b"Picture"])
            self.face("on")
            self.shows(picture, pixels=picture)
        with self.step("the mirror follows a move and a new picture"):
            self.probe.move(picture, 180, 250, 380, 280)
            self.shows(picture, pixels=picture)
            self.probe.fill(picture, 0x3366CC)
            self.same_pixels(picture)
        # A menu, its sub-menu, a pop-up below the window and its tooltip follow, move and go with the window.
        with self.step("pop-ups follow the ticked window in front"):
            r = self.probe.info(picture)["rect"]
            hanging = self.probe.open("", r[0] + 30, r[3] - 40, 220, 120, fill=0xC000C0, popup=True, owner=picture,
                                      host=picture)
            tip = self.probe.open("", r[0] + 260, r[3] + 30, 90, 24, fill=0xE0E000, popup=True, owner=hanging,
                                  host=picture)
            self.popups(hanging, tip)
            self.probe.move(tip, r[0] + 300, r[3] + 60, 90, 24)
            self.popups(hanging, tip)
            self.d.xdotool("mousemove", r[2] - 20, r[3] - 20, "click", 3)
            menu = wait_for(self.menus, what="the menu")[0]
            m = self.probe.info(menu)["rect"]
            self.d.pointer(m[0] + 20, m[1] + 28)  # over "More"
            sub = wait_for(lambda: [h for h in self.menus() if h != menu], what="the sub-menu")[0]
            self.popups(hanging, tip, menu, sub)
            self.d.click(r[0] + 100, r[1] + 100)  # a click beside the menus closes them
            wait_for(lambda: not self.menus(), what="the menus closed")
            self.popups(hanging, tip)
            self.probe.close(hanging)  # and with it the tooltip it owns
            self.popups()
            self.wallpaper_shows((r[0] + 30, r[3] + 1, r[0] + 390, r[3] + 85))
        # Not an unticked same-thread window's pop-ups, nor another program's beside; the blank hides the rest.
        with self.step("nothing unpicked follows"):
            r = self.probe.info(picture)["rect"]
            other = self.probe.open("Unticked", r[2] + 60, r[1], 300, 200, seed=26, host=picture)
            # Unowned, of the ticked window's thread, touching its right edge: what a menu is on Windows.
            beside = self.probe.open("", r[2], r[1] + 40, 40, 100, fill=0xC06000, popup=True, host=picture)
            stranger = Probe(self.d)
            self.addCleanup(stranger.quit)
            stranger.open("", r[0] - 50, r[1] + 40, 50, 100, fill=0x6000C0, popup=True)
            self.probe.foreground(other)
            self.d.xdotool("mousemove", r[2] + 200, r[1] + 100, "click", 3)
            wait_for(self.menus, what="the unticked window's menu")
            p.wait_iterations(10)
            self.popups()
            self.d.click(r[2] + 100, r[1] + 100)
            self.probe.foreground(picture)
            self.popups(beside)
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_BLANK)
            self.popups()
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_BLANK)
            self.popups(beside)
            stranger.quit()
            self.probe.close(other)
            self.wait_rows(["Picture", "Under", "Web"])
            self.probe.foreground(picture)
            self.d.pointer(1000, 740)
        with self.step("a red disc 10 pixels left of and 30 above the pointer in a framed window's copy"):
            r, mirror = self.probe.info(picture)["rect"], self.mirror_of("Picture ")
            self.marker(mirror, (r[0] + 200, r[1] + 150), (190, 120))
        with self.step("a disc centred on the pointer in a Chrome window's mirror; none in another window's"):
            self.tick("Web", front=browser)
            self.shows(picture, browser)  # placed: its client area tells where the disc goes
            r, mirror = self.probe.info(browser)["rect"], self.mirror_of("Web ")
            self.marker(mirror, (r[0] + 150, r[1] + 100), (150, 100))
            x0, y0, x1, y1 = self.probe.info(picture)["rect"]
            self.d.pointer(x0 + 100, y0 + 100)  # over the picture, which is not the foreground window
            p.wait_iterations(10)
            self.assertEqual(self.screen.grab(x0 + self.ext[0], y0 + self.ext[1], x1 - x0, y1 - y0).count(RED), 0)
        with self.step("switched off, the disc goes and the mirror shows the window there again"):
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_MOUSE_POINTER)
            self.same_pixels(browser)
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_MOUSE_POINTER)
            self.d.pointer(1000, 740)
        with self.step("a minimised window's mirror goes, the wallpaper shows there; restored, it is back"):
            area = self.probe.info(picture)["rect"]
            self.probe.show(picture, 6)
            self.shows(browser)
            self.wallpaper_shows(area)
            self.probe.show(picture, 9)
            self.probe.foreground(picture)
            self.shows(browser, picture, pixels=picture)
            # A page whose frame the checklist does not list (its title) shows through that frame, its owner.
            owner = self.probe.open("AMD owner", 40, 560, 200, 150, seed=25)
            self.probe.open("Page", 60, 580, 150, 100, cls="Chrome_WidgetWin_", owner=owner, host=owner)
            self.tick("AMD owner")
            self.shows(browser, picture, owner)
            self.probe.show(owner, 6)  # the page stays listed
            p.wait_iterations(10)
            self.shows(browser, picture)
            self.probe.close(owner)
            self.wait_rows(["Picture", "Under", "Web"])
        with self.step("unticked, its mirror goes and the wallpaper shows there"):
            self.click_row("Web", ["Picture"])
            self.shows(picture)
            self.wallpaper_shows(self.probe.info(browser)["rect"])
            if self.thumbnails:
                wait_for(lambda: self.registrations() == (1, 1), what="one registration left")
        with self.step("the wallpaper switch takes the picture away and brings it back"):
            x, y, colour = self.tile_centres()[0]
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_WALLPAPER)
            wait_for(lambda: self.screen.grab(x, y, 1, 1).pixel(x, y) != colour, what="the wallpaper gone")
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_WALLPAPER)
            self.wallpaper_shows((0, 0, 1024, 240))  # above the mirror
        with self.step("a mirror never covers the main monitor, where its window reaches past the edge"):
            # (Wine copies no pixels of a window's part off the screen: the mirror's own part is not compared.)
            left = self.probe.open("Zebra", -200, -20, 400, 300, seed=23)
            try:
                self.tick("Zebra", front=left)
                self.shows(left, picture)
                # An area of a window that nothing paints keeps the pixels beneath: only a new picture tells.
                self.probe.fill(under, 0x0000C0)
                x0, y0, x1, y1 = self.probe.info(under)["client"]
                wait_for(lambda: self.screen.grab(824, y0, x1 - 824, 280 - y0).count(BLUE) == (x1 - 824) * (280 - y0),
                         what="the window's new picture under the mirror's place on the main monitor")
            finally:
                self.probe.close(left)
        # Helpers owned by an invisible window (no taskbar button); a copy keeps its window's frame, a thumbnail none.
        with self.step("the helpers' owner and the mirrors' frames"):
            self.probe.foreground(picture)
            self.shows(picture)
            helpers = self.probe.find("VantoscopeButton") + self.probe.find("WallPaper")
            for hwnd in helpers + [h for h, v, c, title in self.probe.top() if c.startswith(b"Mirror")]:
                owner = self.probe.info(hwnd)["owner"]
                self.assertTrue(owner and not self.probe.info(owner)["visible"], self.probe.info(hwnd))
            style = self.probe.info(self.mirror_of("Picture "))["style"] & (WS_CAPTION_THICKFRAME | WS_BORDER)
            self.assertEqual(style, 0 if self.thumbnails else WS_CAPTION_THICKFRAME)
        # Clicks on a mirror or the wallpaper take no foreground; closing them or the button does nothing.
        with self.step("helpers take no foreground and stay open"):
            for helper in (self.mirror_of("Picture "), self.probe.find("WallPaper")[0]):
                self.d.click(*[v - 20 for v in self.probe.info(helper)["rect"][2:]])
                p.wait_iterations(3)
                self.assertEqual(self.probe.foreground(), picture, "a click took the foreground from the window")
            for helper in ("Picture ", "WallPaper", "VantoscopeButton"):
                self.probe.post(self.probe.find(title=helper)[0], WM_CLOSE, 0, 0)
            button = self.probe.find("VantoscopeButton")[0]
            wait_for(lambda: self.probe.foreground(button) == button, what="the button in the foreground")
            self.d.xdotool("key", "alt+F4")
            p.wait_iterations(10)
            self.probe.foreground(picture)
            self.shows(picture, pixels=picture)
            self.wallpaper_shows((600, 0, 1024, 768))
            b = self.button_on(picture)
            self.d.click((b[0] + b[2]) // 2, (b[1] + b[3]) // 2)
            self.shows()
        # The toggle key ticks the window in front (in the first row) and unticks it, and the keyboard stays there.
        with self.step("the toggle key"):
            self.keys_to(picture)
            for ticks in ([b"Picture"], [], [b"Picture"]):
                i = self.press("ctrl+alt+F9", "check ID: %d" % self.row_of("Picture"))
                if ticks:
                    self.assertEqual(p.next_lines(i, 2), [b"Picture", b"VtSample"])
                self.shows(*([picture] if ticks else []))
                self.assertEqual(self.ticked(), ticks)
            self.same_pixels(picture)
            self.assertEqual(self.probe.foreground(), picture)
        # The blank shows the wallpaper, its switch off or not; a tick or window made while blank shows only after.
        with self.step("the blank key"):
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_WALLPAPER)  # off
            self.press("ctrl+alt+F10", "SET_BLANK:1")
            p.wait_iterations(1)
            self.assertEqual(visible_mirrors(self.probe), [])
            self.wallpaper_shows()
            self.tick("Web")
            zebra = self.probe.open("Zebra", 520, 80, 200, 150, seed=24)  # ticked again by its remembered title
            wait_for(lambda: self.ticked() == [b"Picture", b"Web", b"Zebra"], what="three ticks")
            p.wait_iterations(10)
            self.assertEqual(visible_mirrors(self.probe), [])
            self.wallpaper_shows()
            self.keys_to(zebra)
            self.press("ctrl+alt+F10", "SET_BLANK:0")
            self.shows(picture, browser, zebra)
            self.probe.send(p.checklist, WM_SYSCOMMAND, ID_WALLPAPER)
        # The spotlight fits the front window to the monitor; the key again, minimising or unticking ends it.
        with self.step("the spotlight key"):
            self.keys_to(picture)
            self.press("ctrl+alt+F11", "SET_SPOTLIGHT:1")
            self.shows(picture, spotlight=True)
            r = visible_mirrors(self.probe)[0][1]
            self.assertTrue(r[2] - r[0] == 1024 or r[3] - r[1] == 768, r)
            self.press("ctrl+alt+F11", "SET_SPOTLIGHT:0")
            self.shows(picture, browser, zebra)
            mark = self.press("ctrl+alt+F11", "SET_SPOTLIGHT:1")
            self.probe.show(picture, 6)
            p.wait_line("SET_SPOTLIGHT:0", mark)
            self.shows(browser, zebra)
            self.probe.show(picture, 9)
            self.keys_to(picture)
            mark = self.press("ctrl+alt+F11", "SET_SPOTLIGHT:1")
            self.click_row("Picture", ["Web", "Zebra"])  # unticked, it ends the spotlight too
            p.wait_line("SET_SPOTLIGHT:0", mark)
            self.shows(browser, zebra)
        # A copy says once per mirror it has no thumbnail; after a churn, one registration per ticked window.
        with self.step("no thumbnail said once; registrations after a churn"):
            if not self.thumbnails:
                self.assertIn(p.count(COPIES), range(1, 6), "at most one line for each of the five mirrors")
            else:
                churn = Churn(self.d, p, seed=20, ext=self.ext, gdi=False, places=self.places)
                for _ in range(60):
                    churn.act()
                churn.check()
                wait_for(lambda: len(set(self.registrations())) == 1, what=lambda: "registrations, ticked windows: %r" % (
                    self.registrations(),))


class CurtainStory(Audience):
    def test_the_curtain(self):
        picture = self.probe.open("Picture", 220, 300, 400, 300, seed=21)
        stranger = Probe(self.d)  # another program
        self.addCleanup(stranger.quit)
        # A task bar along the external monitor's bottom edge, as Windows 11 shows one on every monitor.
        tray = stranger.open("", 1024, 728, 1024, 40, cls="Shell_SecondaryTrayWnd", fill=0xEE12A0, popup=True)
        stranger.topmost(tray)
        # Without the curtain, each window of others on the external monitor is named once, the shell's desktop never.
        with self.step("windows of others on the external monitor named once, the desktop never"):
            shell = stranger.open("Program Manager", 0, 0, 2048, 768, cls="Progman", fill=0x303030, popup=True)
            self.start()
            other = stranger.open("Stranger", 1300, 100, 300, 200, fill=0x12EE34)
            self.p.wait_line('ON_EXTERNAL_MONITOR: VtSample "Stranger"')
            self.p.wait_iterations(40)  # each window's rectangle read again many times
            self.assertEqual(sorted(x for x in self.p.lines if x.startswith(b"ON_EXTERNAL")), [
                b'ON_EXTERNAL_MONITOR: Shell_SecondaryTrayWnd ""', b'ON_EXTERNAL_MONITOR: VtSample "Stranger"'])
            stranger.close(other)
            stranger.close(shell)
            self.p.close()
        # With the curtain, neither reaches the audience, while the mirror, its menu and the marker show.
        with self.step("the curtain hides windows of others, not the audience's"):
            self.start(self.sample_settings("[DISPLAY]\nCURTAIN=yes\n"))
            self.assertIn(b"CURTAIN:yes", self.p.lines)
            stranger.open("Stranger", 1300, 100, 300, 200, fill=0x12EE34)
            stranger.topmost(tray)  # raised again above everything
            self.tick("Picture", front=picture)
            self.shows(picture)
            strangers = lambda: {(0x12, 0xEE, 0x34), (0xEE, 0x12, 0xA0)} & {  # noqa: E731
                c for row in self.screen.grab(1024, 0, 1024, 768).rows for c in row}
            wait_for(lambda: not strangers(), what="the external monitor without the others' windows")
            r = self.probe.info(picture)["rect"]
            self.d.xdotool("mousemove", r[0] + 100, r[1] + 100, "click", 3)
            self.popups(wait_for(self.menus, what="the menu")[0])
            self.d.xdotool("key", "Escape")
            self.marker(self.mirror_of("Picture "), (r[0] + 200, r[1] + 150), (190, 120))
            self.assertFalse(strangers())


class PreviewStory(Audience):
    def picture(self):
        # The preview's 320 x 240 picture, and where a point of the external monitor lands in it.
        x, y = self.probe.info(self.preview)["client"][:2]
        img = self.screen.grab(x, y, 320, 240)
        return img, lambda px, py: img.pixel(x + (px - self.ext[0]) * 320 // 1024, y + (py - self.ext[1]) * 240 // 768)

    def test_the_preview(self):
        red = self.probe.open("Red", 200, 150, 300, 200, fill=0xC01020)
        green = self.probe.open("Green", 560, 420, 300, 180, fill=0x20C040)
        self.start(self.sample_settings("", preview=True))
        p, (RED_, GREEN) = self.p, ((0xC0, 0x10, 0x20), (0x20, 0xC0, 0x40))
        with self.step("open at start at the main monitor's top-right corner, 320 wide, owned, never listed"):
            self.assertIn(b"SET_PREVIEW:1", p.lines)
            self.preview = self.preview_says("Monitor 2: 1024 × 768")
            info = self.probe.info(self.preview)
            self.assertEqual((info["rect"][1:3], info["client"][2] - info["client"][0]), ((0, 1024), 320))
            self.assertTrue(info["owner"] and not self.probe.info(info["owner"])["visible"])
            self.wait_rows(["Green", "Red"])
        with self.step("the picked window's colour in its share of the picture, the wallpaper around it, the unpicked "
                       "window's nowhere"):
            self.tick("Red", front=red)
            self.d.pointer(1000, 740)
            tiles = [(x, y, c) for x, y, c in self.tile_centres() if not (200 <= x - 1024 < 500 and 150 <= y < 350)]
            shown = lambda img, at: at(1374, 250) == RED_ and all(at(x, y) == c for x, y, c in tiles) and not (  # noqa
                GREEN in {c for row in img.rows for c in row})
            wait_for(lambda: shown(*self.picture()), what="the picture", interval=0.1)
        with self.step("about 30 refreshes keep the program's GDI objects flat"):
            if self.exe == EXES["x64"]:  # the probe reads the 64-bit handle table's layout only
                gdi = lambda: self.probe.gdi_objects(self.probe.info(p.checklist)["pid"])  # noqa: E731
                before = gdi()
                p.wait_iterations(160)
                self.assertLessEqual(gdi() - before, 5, "GDI objects grew from %d" % before)
        with self.step("the blank reaches the preview within a second"):
            self.press("ctrl+alt+F10", "SET_BLANK:1")
            wait_for(lambda: self.picture()[1](1374, 250) != RED_, 1, "the blank in the preview", interval=0.05)
            self.preview_says("Monitor 2: 1024 × 768, blank")
            self.press("ctrl+alt+F10", "SET_BLANK:0")
        with self.step("a window of others on the external monitor shows in it"):
            stranger = Probe(self.d)
            self.addCleanup(stranger.quit)
            stranger.open("Stranger", 1300, 420, 200, 120, fill=0x4040E0, show=4)
            wait_for(lambda: self.picture()[1](1400, 480) == (0x40, 0x40, 0xE0), what="the stranger in the preview")
            stranger.quit()
        with self.step("moved onto the external monitor, it goes back to the main one"):
            w, h = info["rect"][2] - info["rect"][0], info["rect"][3] - info["rect"][1]
            self.probe.move(self.preview, 1100, 100, w, h)
            wait_for(lambda: self.probe.info(self.preview)["rect"] == (1024 - w, 100, 1024, 100 + h), what="it back")
        with self.step("a picked window that stops answering holds up nothing, is named and marked, then named again; "
                       "the unpicked one hanging beside it is never named"):
            mark = p.mark()
            self.probe.hang(red, 12000)
            self.probe.hang(green, 12000)
            time.sleep(0.5)
            p.wait_iterations(30, timeout=5)  # about a second; a send to the hung window would wait 12 s
            started = time.monotonic()
            self.probe.send(self.probe.rows(p.checklist)[0]["hwnd"], 0x00F0)  # BM_GETCHECK
            self.assertLess(time.monotonic() - started, 2)
            p.wait_line('NOT_RESPONDING: "Red"', mark, timeout=15)
            wait_for(lambda: self.picture()[0].count((255, 176, 0)) > 200, 2, "its place marked in the preview")
            self.press("ctrl+alt+F10", "SET_BLANK:1")
            self.press("ctrl+alt+F10", "SET_BLANK:0")
            p.wait_line('RESPONDING: "Red"', mark, timeout=15)
            wait_for(lambda: not self.picture()[0].count((255, 176, 0)), 2, "the mark gone")
            self.assertEqual([line for line in p.lines[mark:] if b'RESPONDING: "Green"' in line], [])
        with self.step("the window menu's item and the preview's own close button close it, traced"):
            for close in (lambda: self.probe.send(p.checklist, WM_SYSCOMMAND, ID_PREVIEW),
                          lambda: self.probe.post(self.preview, WM_CLOSE, 0, 0)):
                mark = p.mark()
                close()
                p.wait_line("SET_PREVIEW:0", mark)
                wait_for(lambda: not self.probe.info(self.preview)["visible"], what="the preview closed")
                self.probe.send(p.checklist, WM_SYSCOMMAND, ID_PREVIEW)
                p.wait_line("SET_PREVIEW:1", mark)
                wait_for(lambda: self.probe.info(self.preview)["visible"], what="the preview open")


class ZoomStory(Audience):
    def zoomed(self, hwnd, left, top):
        # The window's mirror twice as large, the region's top left at (left, top); a thumbnail's cut to the monitor.
        r = [2 * (v - o) + e for v, o, e in zip(self.visible_bounds(hwnd), (left, top) * 2, self.ext * 2)]
        r = [max(r[0], 1024), max(r[1], 0), min(r[2], 2048), min(r[3], 768)] if self.thumbnails else r
        return [(b"Picked ", tuple(r))]

    def test_the_zoom(self):
        picked = self.probe.open("Picked", 300, 250, 200, 150, fill=0xC01020)
        self.probe.open("Unpicked", 600, 450, 120, 80, fill=0x20C040)  # inside the zoomed region
        self.start()
        colours = lambda: {c for row in self.screen.grab(1024, 0, 1024, 768).rows for c in row}  # noqa: E731
        with self.step("the region around the pointer fills the external monitor twice as large; only the picked "
                       "window shows there; the presenter's screen is as it was"):
            self.tick("Picked", front=picked)
            self.d.pointer(512, 384)
            self.p.wait_iterations(5)
            main = self.screen.grab(0, 0, 1024, 768).rows
            self.press("ctrl+alt+F8", "SET_ZOOM:1")
            # A copy at (88, 116)-(488, 416) of the external monitor: the region (256, 192)-(768, 576) magnified.
            wait_for(lambda: visible_mirrors(self.probe) == self.zoomed(picked, 256, 192), what="the mirror")
            wait_for(lambda: self.screen.grab(1312, 266, 1, 1).pixel(1312, 266) == (0xC0, 0x10, 0x20), what="its colour")
            self.assertNotIn((0x20, 0xC0, 0x40), colours())
            self.assertEqual(self.screen.grab(0, 0, 1024, 768).rows, main)
        with self.step("the pointer at (100, 100): the region stops at the top-left quarter, the picture follows"):
            self.d.pointer(100, 100)
            wait_for(lambda: visible_mirrors(self.probe) == self.zoomed(picked, 0, 0), what="the mirror")
        with self.step("the blank hides it and gives the zoom back; the spotlight and the zoom end each other; the "
                       "key again brings 1:1 back"):
            self.press("ctrl+alt+F10", "SET_BLANK:1")
            self.shows()
            self.press("ctrl+alt+F10", "SET_BLANK:0")
            wait_for(lambda: visible_mirrors(self.probe) == self.zoomed(picked, 0, 0), what="the zoom")
            mark = self.press("ctrl+alt+F11", "SET_SPOTLIGHT:1")
            self.assertIn(b"SET_ZOOM:0", self.p.lines[mark - 3:mark + 1])
            self.shows(picked, spotlight=True)
            mark = self.press("ctrl+alt+F8", "SET_ZOOM:1")
            self.assertIn(b"SET_SPOTLIGHT:0", self.p.lines[mark - 3:mark + 1])
            self.press("ctrl+alt+F8", "SET_ZOOM:0")
            self.shows(picked)


both(AudienceStory)
both(AudienceStory, thumbnails=True)
both(CurtainStory)
both(PreviewStory)
both(ZoomStory)
both(ZoomStory, thumbnails=True)

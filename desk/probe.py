"""Client of vtprobe.exe: sample application windows, and queries and messages for any window."""

import os
import subprocess

from .common import BUILD, wait_for


def cp932(text):
    return text.encode("cp932") if isinstance(text, str) else text


def hx(text):
    return cp932(text).hex() or "-"


def unhex(h):
    return bytes.fromhex(h.replace("-", ""))


def rect(text):
    return tuple(int(v) for v in text.split(","))


class Probe:
    # Commands without a method here go as they are: probe.move(hwnd, x, y, w, h), probe.show(hwnd, ..., sw),
    # probe.post(hwnd, msg, wparam, lparam), probe.hang(hwnd, ms).
    def __init__(self, desktop):
        self.proc = desktop.start_program(os.path.join(BUILD, "desk", "vtprobe.exe"),
                                          stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if not self.proc.stdout.readline().startswith(b"ready"):
            raise RuntimeError("vtprobe did not start")
        self.samples = {}  # hwnd: title

    def cmd(self, *words):
        line = " ".join(str(w) for w in words)
        self.proc.stdin.write(line.encode() + b"\n")
        self.proc.stdin.flush()
        reply = self.proc.stdout.readline().decode().split()
        if reply[:1] != ["ok"]:
            raise RuntimeError("%s -> %s" % (line[:120], " ".join(reply)))
        return reply[1:]

    def __getattr__(self, command):
        return lambda *args: self.cmd(command, *args)

    def quit(self):
        try:
            self.proc.communicate(b"quit\n", 5)
        except (OSError, ValueError, subprocess.TimeoutExpired):
            self.proc.kill()

    def open(self, title, x=100, y=100, w=400, h=300, cls="VtSample", show=None, seed=1, fill=-1, popup=False,
             owner=0, host=0):
        # A sample window painting cells after its seed, or a solid colour 0xRRGGBB; a bordered pop-up
        # (untitled, it is what an application opens from a window; shown without taking the activation, as
        # menus and tooltips are), owned by another window, and made by another sample's thread (host)
        # rather than one of its own.
        style = 0x80800000 if popup else 0  # WS_POPUP | WS_BORDER, or an overlapped window
        show = (4 if popup else 1) if show is None else show  # SW_SHOWNOACTIVATE, SW_SHOWNORMAL
        hwnd = int(self.cmd("open", hx(title), hx(cls), x, y, w, h, show, seed, "%x" % fill, style, owner, host)[0])
        self.samples[hwnd] = cp932(title)
        return hwnd

    def close(self, hwnd):
        self.cmd("close", hwnd)
        del self.samples[hwnd]

    def close_all(self):
        for hwnd in list(self.samples):
            self.close(hwnd)

    def swap(self, hwnd, hidden):
        # Closes one sample and shows another, opened hidden, in one go.
        self.cmd("swap", hwnd, hidden)
        del self.samples[hwnd]

    def paints(self, hwnd):
        # Paint requests that other programs have sent the sample.
        return int(self.cmd("paints", hwnd)[0])

    def fill(self, hwnd, colour=-1, seed=1):
        self.cmd("fill", hwnd, "%x" % colour, seed)

    def set_title(self, hwnd, title):
        self.cmd("title", hwnd, hx(title))
        self.samples[hwnd] = cp932(title)

    def info(self, hwnd):
        v = self.cmd("info", hwnd)
        return dict(visible=v[0] == "1", iconic=v[1] == "1", style=int(v[2], 16), rect=rect(v[3]), client=rect(v[4]),
                    owner=int(v[5]), pid=int(v[6]), cls=unhex(v[7]), title=unhex(v[8]))

    def top(self):
        # Top-level windows front to back: (hwnd, visible, class, title).
        return [(int(h), v == "1", unhex(c), unhex(t)) for h, v, c, t in (i.split(":") for i in self.cmd("top"))]

    def find(self, cls=None, title=None):
        return [h for h, v, c, t in self.top() if cp932(cls) in (None, c) and cp932(title) in (None, t)]

    def shown(self, cls):
        # The visible windows of this class (a pattern matches the whole name), front to back.
        return [h for h, v, c, t in self.top() if v and (cls.fullmatch(c) if hasattr(cls, "fullmatch") else c == cp932(cls))]

    def rows(self, checklist):
        # The checklist's rows by id: dicts of hwnd, id, check, text and rect.
        return sorted((dict(hwnd=int(h), id=int(i), check=int(c), text=unhex(t), rect=rect(r)) for h, i, c, t, r in
                       (item.split(":") for item in self.cmd("rows", checklist))), key=lambda r: r["id"])

    def send(self, hwnd, msg, wparam=0, lparam=0):
        return int(self.cmd("send", hwnd, msg, wparam, lparam)[0])

    def foreground(self, hwnd=0):
        return int(self.cmd("fg", hwnd)[0])

    def box(self, caption, timeout=20):
        # Waits for a message box with this caption and presses OK: answers (owner, text), or None.
        boxes = lambda: [h for h, v, c, t in self.top() if v and c == b"#32770" and t == cp932(caption)]  # noqa: E731
        try:
            box = wait_for(boxes, timeout)[0]
        except TimeoutError:
            return None
        found = self.info(box)["owner"], next(r["text"] for r in self.rows(box) if r["id"] == 0xFFFF)
        self.post(box, 0x0111, 1, 0)  # WM_COMMAND, IDOK
        wait_for(lambda: box not in boxes(), 5, "the box gone")  # so that the next search cannot find it again
        return found

    def gdi_objects(self, windows_pid):
        # The probe reads the handle table through a 64-bit process's layout only.
        return int(self.cmd("gdi", windows_pid)[0])

"""Client of vtprobe.exe: sample application windows, and queries and messages for any window."""

import os
import subprocess

from .desktop import BUILD


def cp932(text):
    return text.encode("cp932") if isinstance(text, str) else text


def hx(text):
    return cp932(text).hex() or "-"


def unhex(h):
    return b"" if h == "-" else bytes.fromhex(h)


def rect(text):
    return tuple(int(v) for v in text.split(","))


class ProbeError(RuntimeError):
    pass


class Probe:
    def __init__(self, desktop):
        self.proc = desktop.spawn(["wine", os.path.join(BUILD, "tests", "win32", "vtprobe.exe")],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if not self.proc.stdout.readline().startswith(b"ready"):
            raise ProbeError("vtprobe did not start")
        self.samples = {}  # hwnd -> title

    def cmd(self, *words):
        line = " ".join(str(w) for w in words)
        self.proc.stdin.write(line.encode() + b"\n")
        self.proc.stdin.flush()
        reply = self.proc.stdout.readline().decode().split()
        if reply[:1] != ["ok"]:
            raise ProbeError("%s -> %s" % (line[:120], " ".join(reply)))
        return reply[1:]

    def quit(self):
        try:
            self.proc.stdin.write(b"quit\n")
            self.proc.stdin.flush()
            self.proc.wait(5)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()

    # -- sample windows -------------------------------------------------------------------
    def open(self, title, x=100, y=100, w=400, h=300, cls="VtSample", show=1, seed=1, fill=-1):
        hwnd = int(self.cmd("open", hx(title), hx(cls), x, y, w, h, show, seed, "%x" % fill)[0], 16)
        self.samples[hwnd] = cp932(title)
        return hwnd

    def close(self, hwnd):
        self.cmd("close", "%x" % hwnd)
        del self.samples[hwnd]

    def close_all(self):
        for hwnd in list(self.samples):
            self.close(hwnd)

    def fill(self, hwnd, colour=-1, seed=1):
        """A solid colour (0xRRGGBB) or, with -1, the pattern of this seed; painted before it returns."""
        self.cmd("fill", "%x" % hwnd, "%x" % colour, seed)

    def set_title(self, hwnd, title):
        self.cmd("title", "%x" % hwnd, hx(title))
        self.samples[hwnd] = cp932(title)

    # -- any window -----------------------------------------------------------------------
    def info(self, hwnd):
        v = self.cmd("info", "%x" % hwnd)
        return dict(visible=v[0] == "1", iconic=v[1] == "1", style=int(v[2], 16), exstyle=int(v[3], 16),
                    rect=rect(v[4]), client=rect(v[5]), owner=int(v[6], 16), pid=int(v[7]), cls=unhex(v[8]),
                    title=unhex(v[9]))

    def top(self):
        """Top-level windows front to back: (hwnd, visible, class, title)."""
        return [(int(h, 16), vis == "1", unhex(c), unhex(t)) for h, vis, c, t in
                (item.split(":") for item in self.cmd("top"))]

    def find(self, cls=None, title=None):
        return [h for h, vis, c, t in self.top()
                if (cls is None or cp932(cls) == c) and (title is None or cp932(title) == t)]

    def rows(self, checklist):
        """The checklist's rows by id: dicts of hwnd, id, check, text and rect."""
        rows = [dict(hwnd=int(h, 16), id=int(i), check=int(c), text=unhex(t), rect=rect(r)) for h, i, c, t, r in
                (item.split(":") for item in self.cmd("rows", "%x" % checklist))]
        return sorted(rows, key=lambda r: r["id"])

    def send(self, hwnd, msg, wparam=0, lparam=0):
        return int(self.cmd("send", "%x" % hwnd, msg, wparam, lparam)[0])

    def post(self, hwnd, msg, wparam=0, lparam=0):
        self.cmd("post", "%x" % hwnd, msg, wparam, lparam)

    def show(self, hwnds, sw):
        """ShowWindow on a window, or on a list of windows in one go."""
        self.cmd("show", *["%x" % h for h in (hwnds if isinstance(hwnds, list) else [hwnds])], sw)

    def move(self, hwnd, x, y, w, h):
        self.cmd("move", "%x" % hwnd, x, y, w, h)

    def foreground(self, hwnd=None):
        return int(self.cmd("fg", *(["%x" % hwnd] if hwnd else []))[0], 16)

    def box(self, caption, ms=20000):
        """Waits for a message box with this caption and presses OK: (owner, text), or None."""
        v = self.cmd("box", hx(caption), ms)
        return None if v == ["none"] else (int(v[0], 16), unhex(v[1]))

    def gdi_objects(self, windows_pid):
        """GDI objects of a 64-bit process; its handle table is read through the 64-bit PEB."""
        return int(self.cmd("gdi", windows_pid)[0])

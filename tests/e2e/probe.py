"""Client of vtprobe.exe: sample windows and window queries inside the Wine desktop."""

import os
import subprocess
import threading


def hx(text):
    """Hex of a title or class: str is encoded as code page 932, bytes are taken as they are."""
    if isinstance(text, str):
        text = text.encode("cp932")
    return text.hex() if text else "-"


def unhex(h):
    return b"" if h == "-" else bytes.fromhex(h)


class ProbeError(RuntimeError):
    pass


class Probe:
    def __init__(self, bed):
        from testbed import build_path
        self.bed = bed
        self.proc = bed.spawn(["wine", build_path("tests", "win32", "vtprobe.exe")], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.lock = threading.Lock()
        line = self.proc.stdout.readline()
        if not line.startswith(b"ready"):
            raise ProbeError("vtprobe did not start: %r" % line)
        self.samples = []

    def cmd(self, *words):
        line = " ".join(str(w) for w in words)
        with self.lock:
            self.proc.stdin.write(line.encode() + b"\n")
            self.proc.stdin.flush()
            reply = self.proc.stdout.readline().decode("latin-1").rstrip("\r\n")
        if not reply.startswith("ok"):
            raise ProbeError("%s -> %s" % (line[:200], reply))
        return reply[3:]

    def close(self):
        if self.proc.poll() is None:
            try:
                self.proc.stdin.write(b"quit\n")
                self.proc.stdin.flush()
                self.proc.wait(5)
            except (OSError, subprocess.TimeoutExpired):
                self.proc.kill()

    # -- sample windows ---------------------------------------------------------------
    def open(self, title, x=100, y=100, w=400, h=300, cls="VtSample", show=1, seed=1, style=None, owner=None,
             fill=None):
        words = ["open", "title=" + hx(title), "class=" + hx(cls), "x=%d" % x, "y=%d" % y, "w=%d" % w,
                 "h=%d" % h, "show=%d" % show, "seed=%d" % seed]
        if style is not None:
            words.append("style=%08x" % style)
        if owner is not None:
            words.append("owner=%x" % owner)
        if fill is not None:
            words.append("fill=%06x" % fill)
        hwnd = int(self.cmd(*words), 16)
        self.samples.append(hwnd)
        return hwnd

    def close_window(self, hwnd):
        self.cmd("close", "%x" % hwnd)
        self.samples.remove(hwnd)

    def close_all(self):
        for hwnd in list(self.samples):
            try:
                self.cmd("unhang", "%x" % hwnd)
                self.close_window(hwnd)
            except ProbeError:
                self.samples.remove(hwnd)

    def replace(self, old, new):
        """Closes sample `old` and shows the hidden sample `new` in one step."""
        self.cmd("replace", "%x" % old, "%x" % new)
        self.samples.remove(old)

    def fill(self, hwnd, colour):
        self.cmd("fill", "%x" % hwnd, "%06x" % colour)

    def pattern(self, hwnd, seed):
        self.cmd("fill", "%x" % hwnd, "pattern", seed)

    def set_title(self, hwnd, title):
        self.cmd("settitle", "%x" % hwnd, hx(title))

    def hang(self, hwnd, ms):
        self.cmd("hang", "%x" % hwnd, ms)

    def unhang(self, hwnd):
        self.cmd("unhang", "%x" % hwnd)

    # -- queries ----------------------------------------------------------------------
    def info(self, hwnd):
        out = {}
        for word in self.cmd("info", "%x" % hwnd).split():
            key, _, value = word.partition("=")
            if key in ("rect", "client"):
                out[key] = tuple(int(v) for v in value.split(","))
            elif key in ("class", "title"):
                out[key] = unhex(value)
            elif key in ("style", "exstyle", "owner"):
                out[key] = int(value, 16)
            else:
                out[key] = int(value)
        return out

    def top(self):
        """Top-level windows front to back: list of (hwnd, visible, class bytes, title bytes)."""
        out = []
        for item in self.cmd("top").split():
            h, vis, cls, title = item.split(":")
            out.append((int(h, 16), vis == "1", unhex(cls), unhex(title)))
        return out

    def find(self, cls=None, title=None, visible=None):
        cls = cls.encode("cp932") if isinstance(cls, str) else cls
        title = title.encode("cp932") if isinstance(title, str) else title
        return [h for h, vis, c, t in self.top()
                if (cls is None or c == cls) and (title is None or t == title) and (visible is None or vis == visible)]

    def children(self, hwnd):
        out = []
        for item in self.cmd("children", "%x" % hwnd).split():
            h, cid, cls, text, check, rect = item.split(":")
            out.append({"hwnd": int(h, 16), "id": int(cid), "class": unhex(cls), "text": unhex(text),
                        "check": int(check), "rect": tuple(int(v) for v in rect.split(","))})
        return out

    def send(self, hwnd, msg, wparam=0, lparam=0):
        return int(self.cmd("send", "%x" % hwnd, msg, wparam, lparam))

    def post(self, hwnd, msg, wparam=0, lparam=0):
        self.cmd("post", "%x" % hwnd, msg, wparam, lparam)

    def show(self, hwnd, sw):
        self.cmd("show", "%x" % hwnd, sw)

    def move(self, hwnd, x, y, w, h):
        self.cmd("move", "%x" % hwnd, x, y, w, h)

    def foreground(self, hwnd=None):
        return int(self.cmd("fg", "%x" % hwnd) if hwnd else self.cmd("fg"), 16)

    def cursor(self, x=None, y=None):
        out = self.cmd("cursor", x, y) if x is not None else self.cmd("cursor")
        return tuple(int(v) for v in out.split())

    def box(self, caption, wait_ms=3000, keep=False):
        """Waits for a message box with this caption; returns dict(text, owner, rect) or None."""
        words = ["box", hx(caption), wait_ms] + (["keep"] if keep else [])
        out = self.cmd(*words)
        if out == "none":
            return None
        parts = out.split()
        fields = dict(p.split("=", 1) for p in parts[1:])
        return {"hwnd": int(parts[0], 16), "owner": int(fields["owner"], 16), "text": unhex(fields["text"]),
                "rect": tuple(int(v) for v in fields["rect"].split(","))}

    def gdi_objects(self, pid):
        """GDI objects in use by a Windows process (by its Windows process ID)."""
        return int(self.cmd("gdi", pid))

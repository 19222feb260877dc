"""Runs Vantoscope.exe on a test bed and reads its trace as it comes."""

import os
import re
import subprocess
import threading
import time

from probe import hx
from testbed import build_path, wait_for

CP932 = "cp932"
TICKS = os.sysconf("SC_CLK_TCK")
WM_CLOSE = 0x0010


def cpu_seconds(pid):
    """CPU time (user and system) a Linux process has used, in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def rss_kib(pid):
    """Resident memory of a Linux process."""
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def t(text):
    """A trace text as the program writes it: code page 932 bytes."""
    return text.encode(CP932)


class Vantoscope:
    def __init__(self, bed, cwd=None, env=None, exe=None):
        self.bed = bed
        self.cwd = cwd
        self.exe = exe or os.environ.get("VANTOSCOPE_EXE") or build_path("Vantoscope.exe")
        self.lines = []          # complete trace lines, bytes without the line end
        self.times = []          # when each line arrived (time.monotonic())
        self.partial = b""       # text after the last line end (a line being written)
        self.cond = threading.Condition()
        self.proc = bed.spawn(["wine", self.exe], cwd=cwd, env=env or bed.env(), stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE)
        self.stderr = b""
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self._err_reader = threading.Thread(target=self._read_err, daemon=True)
        self._err_reader.start()
        self.checklist = None

    def _read(self):
        while True:
            chunk = self.proc.stdout.read1(65536)
            with self.cond:
                if not chunk:
                    if self.partial:
                        self.lines.append(self.partial)
                        self.partial = b""
                    self.cond.notify_all()
                    return
                data = self.partial + chunk
                *complete, self.partial = data.split(b"\n")
                self.lines.extend(line[:-1] if line.endswith(b"\r") else line for line in complete)
                self.times.extend([time.monotonic()] * len(complete))
                self.cond.notify_all()

    def _read_err(self):
        for chunk in iter(lambda: self.proc.stderr.read1(65536), b""):
            self.stderr += chunk

    # -- trace ------------------------------------------------------------------------
    def text(self):
        with self.cond:
            return b"\n".join(self.lines) + (b"\n" + self.partial if self.partial else b"")

    def wait_line(self, match, timeout=15, start=0):
        """Waits for a trace line (exact bytes/str, or a compiled bytes regex) from index start on;
        returns its index."""
        if isinstance(match, str):
            match = t(match)
        test = (lambda l: match.search(l)) if hasattr(match, "search") else (lambda l: l == match)
        deadline = time.monotonic() + timeout
        with self.cond:
            i = start
            while True:
                while i < len(self.lines):
                    if test(self.lines[i]):
                        return i
                    i += 1
                remaining = deadline - time.monotonic()
                if remaining <= 0 or self.proc.poll() is not None and i >= len(self.lines):
                    raise TimeoutError("no trace line %r; last lines: %r" % (match, self.lines[-8:]))
                self.cond.wait(min(remaining, 0.2))

    def count(self, match, start=0):
        if isinstance(match, str):
            match = t(match)
        with self.cond:
            lines = self.lines[start:]
        if hasattr(match, "search"):
            return sum(1 for l in lines if match.search(l))
        return sum(1 for l in lines if l == match)

    def mark(self):
        with self.cond:
            return len(self.lines)

    def wait_iterations(self, n=3, timeout=10):
        """Waits until the main loop has run n more iterations (one "Class:" line each)."""
        start = self.mark()
        wait_for(lambda: self.count(re.compile(rb"^Class:"), start) >= n, timeout, what="%d iterations" % n)

    # -- windows ----------------------------------------------------------------------
    def wait_ready(self, timeout=20):
        """Waits until the main loop runs and returns the checklist window."""
        self.wait_line(re.compile(rb"^Class:"), timeout)
        self.checklist = self.find_own("Checklist", "VantoscopeCheck")
        return self.checklist

    def pid(self):
        info = self.bed.probe.info(self.checklist)
        return info["pid"]

    def find_own(self, cls, title=None):
        found = wait_for(lambda: self.bed.probe.find(cls=cls, title=title), 10, what="window %s" % cls)
        return found[0]

    def rows(self):
        return [c for c in self.bed.probe.children(self.checklist) if c["class"] == b"Button"
                or c["class"].upper() == b"BUTTON"]

    def mirrors(self):
        """{class name: hwnd} of the program's mirror windows."""
        return {c.decode(): h for h, vis, c, title in self.bed.probe.top() if re.fullmatch(rb"Mirror\d+", c)}

    # -- ending -----------------------------------------------------------------------
    def wait_exit(self, timeout=15):
        """Waits for the program to end and for its last trace line; returns the exit code."""
        code = self.proc.wait(timeout)
        self._reader.join(timeout)
        self._err_reader.join(timeout)
        return code

    def close(self, timeout=15):
        """Closes the checklist as the user would and returns the exit code."""
        if self.proc.poll() is None and self.checklist:
            try:
                self.bed.probe.post(self.checklist, WM_CLOSE)
            except Exception:
                pass
        try:
            return self.wait_exit(timeout)
        except subprocess.TimeoutExpired:
            self.kill()
            raise

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)

    def alive(self):
        return self.proc.poll() is None

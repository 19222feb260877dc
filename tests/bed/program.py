"""Runs Vantoscope.exe on a desktop and reads its trace (code-page-932 lines) as it comes."""

import os
import re
import subprocess
import sys
import threading
import time

from .desktop import wait_for

CLASS_LINE = re.compile(rb"^Class:")
WM_CLOSE = 0x0010


def t(text):
    """A trace text as the program writes it."""
    return text.encode("cp932") if isinstance(text, str) else text


class Program:
    def __init__(self, desktop, exe, cwd, env=None):
        self.desktop, self.exe, self.checklist = desktop, exe, None
        self.lines, self.times, self.stderr, self.cond = [], [], b"", threading.Condition()
        earlier = set(desktop.unix_pids())
        for attempt in range(3):
            self.proc = desktop.spawn(["wine", exe], cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            readers = [threading.Thread(target=self._read, args=(pipe,), daemon=True)
                       for pipe in (self.proc.stdout, self.proc.stderr)]
            for r in readers:
                r.start()
            wait_for(lambda: self.lines or self.proc.poll() is not None, 60, "the first trace line")
            # Wine's launcher now and then fails to start a program: it says so and ends at once.
            if self.lines or b"ShellExecuteEx failed" not in self._drained(readers):
                break
            print("(Wine failed to start %s; starting it again)" % exe, file=sys.stderr)
        self._readers = readers
        self._earlier = earlier

    def _read(self, pipe):
        rest = b""
        for chunk in iter(lambda: pipe.read1(65536), b""):
            with self.cond:
                if pipe is self.proc.stderr:
                    self.stderr += chunk
                    continue
                *complete, rest = (rest + chunk).split(b"\n")
                self.lines += [line.rstrip(b"\r") for line in complete]
                self.times += [time.monotonic()] * len(complete)
                self.cond.notify_all()
        with self.cond:
            if rest and pipe is self.proc.stdout:
                self.lines.append(rest)
            self.cond.notify_all()

    def _drained(self, readers):
        for r in readers:
            r.join(10)
        return self.stderr

    # -- the trace ------------------------------------------------------------------------
    def mark(self):
        return len(self.lines)

    def tail(self, n=12):
        return [l.decode("cp932", "replace")[:160] for l in self.lines[-n:]]

    def count(self, match, start=0):
        return sum(1 for l in self.lines[start:] if (match.search(l) if hasattr(match, "search") else l == t(match)))

    def wait_line(self, match, start=0, timeout=20):
        """Index of the first trace line from start on that is this text or matches this pattern."""
        test = match.search if hasattr(match, "search") else (lambda l: l == t(match))
        deadline = time.monotonic() + timeout
        with self.cond:
            while True:
                for i in range(start, len(self.lines)):
                    if test(self.lines[i]):
                        return i
                start = len(self.lines)
                ended = self.proc.poll() is not None and not any(r.is_alive() for r in self._readers)
                if ended or time.monotonic() > deadline:
                    raise TimeoutError("no trace line %r" % (match,))
                self.cond.wait(0.2)

    def wait_iterations(self, n, timeout=30):
        """Waits until the main loop has turned n more times (one "Class:" line each)."""
        start = self.mark()
        wait_for(lambda: self.count(CLASS_LINE, start) >= n, timeout, "%d turns of the main loop" % n)

    def wait_ready(self):
        """Waits for the main loop and answers the checklist window."""
        self.wait_line(CLASS_LINE, timeout=60)
        self.checklist = wait_for(lambda: self.desktop.probe.find("Checklist", "VantoscopeCheck"), what="checklist")[0]
        return self.checklist

    # -- its own process ----------------------------------------------------------------------
    def unix_pid(self):
        """The program's own Unix process: `wine` may have started it through a launcher."""
        pids = set(self.desktop.unix_pids()) - self._earlier
        if len(pids) != 1:
            raise RuntimeError("cannot tell the program's process among %r" % sorted(pids))
        return pids.pop()

    def cpu_seconds(self):
        with open("/proc/%d/stat" % self.unix_pid()) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def rss_kib(self):
        with open("/proc/%d/status" % self.unix_pid()) as f:
            return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1))

    # -- ending -----------------------------------------------------------------------------
    def wait_exit(self, timeout=30):
        code = self.proc.wait(timeout)
        self._drained(self._readers)
        return code

    def close(self):
        """Closes the checklist as the user would and answers the exit code."""
        if self.proc.poll() is None and self.checklist:
            self.desktop.probe.post(self.checklist, WM_CLOSE)
        return self.wait_exit()

    def kill(self):
        pids = set(self.desktop.unix_pids()) - self._earlier
        for pid in pids:
            os.kill(pid, 9)
        self.proc.kill()
        self.proc.wait(10)

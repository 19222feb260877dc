"""Runs Vantoscope.exe on a desktop and reads its trace (code-page-932 lines) as it comes."""

import os
import re
import subprocess
import sys
import tempfile
import threading
import time

from .common import wait_for

CLASS_LINE = re.compile(rb"^Class:")


def t(text):
    # A trace text as the program writes it.
    return text.encode("cp932") if isinstance(text, str) else text


def matches(match):
    return match.search if hasattr(match, "search") else (lambda line: line == t(match))


class Program:
    def __init__(self, desktop, exe, cwd, env=None):
        self.desktop, self.checklist, self._earlier = desktop, None, set(desktop.unix_pids())
        self.reading = threading.Event()  # cleared, the trace is not read: the pipe fills, as a stuck console's would
        self.reading.set()
        for attempt in range(3):
            self.lines, self.times, self._err = [], [], tempfile.TemporaryFile()
            self.proc = desktop.start_program(exe, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=self._err)
            self._reader = threading.Thread(target=self._read, daemon=True)
            self._reader.start()
            try:
                if wait_for(lambda: self.lines or self.proc.poll() is not None, 60, "a first line") is not True:
                    break  # it has written a line
            except TimeoutError:
                self.kill()  # started late, it would hold the one-copy lock against every later start
                raise
            # Wine's launcher now and then fails to start a program: it says so and ends at once.
            self.wait_exit()
            if b"ShellExecuteEx failed" not in self.stderr:
                break
            print("(Wine failed to start %s; starting it again)" % exe, file=sys.stderr)

    def _read(self):
        rest = b""
        for chunk in iter(lambda: self.reading.wait() and self.proc.stdout.read1(65536), b""):
            *complete, rest = (rest + chunk).split(b"\n")
            self.times += [time.monotonic()] * len(complete)
            self.lines += [line.rstrip(b"\r") for line in complete]
        self.lines += [rest] if rest else []

    @property
    def stderr(self):
        # Read without moving the file position, which the program shares; kept once it has ended.
        return self._stderr if self._err.closed else os.pread(self._err.fileno(), os.fstat(self._err.fileno()).st_size, 0)

    def mark(self):
        return len(self.lines)

    def tail(self, n=12):
        return [line.decode("cp932", "replace")[:160] for line in self.lines[-n:]]

    def count(self, match, start=0):
        return sum(1 for line in self.lines[start:] if matches(match)(line))

    def next_lines(self, i, n):
        # The n lines after line i, once they have come.
        return wait_for(lambda: len(self.lines) > i + n and self.lines[i + 1:i + 1 + n], what="%d more lines" % n)

    def wait_line(self, match, start=0, timeout=20):
        # Index of the first trace line from start on that is this text or matches this pattern.
        test = matches(match)
        return wait_for(lambda: next(([i] for i in range(start, len(self.lines)) if test(self.lines[i])), None),
                        timeout, "a trace line %r" % (match,))[0]

    def wait_iterations(self, n, timeout=30):
        # Waits until the main loop has turned n more times (a "Class:" line each).
        start = self.mark()
        wait_for(lambda: self.count(CLASS_LINE, start) >= n, timeout, "%d turns of the main loop" % n)

    def wait_ready(self):
        # Waits for the main loop; answers the checklist window.
        self.wait_line(CLASS_LINE, timeout=60)
        self.checklist = wait_for(lambda: self.desktop.probe.find("Checklist", "VantoscopeCheck"), what="checklist")[0]
        return self.checklist

    def unix_pid(self):
        # The program's own process: with 32-bit Wine installed, `wine` starts a 64-bit program
        # through a launcher, whose process is not the program's.
        pids = set(self.desktop.unix_pids()) - self._earlier
        if len(pids) != 1:
            raise RuntimeError("cannot tell the program's process among %r" % sorted(pids))
        return pids.pop()

    def rss_kib(self, kind="VmRSS"):
        # Resident memory; "RssAnon": only the process's private part, without the memory it shares with the
        # X server (Wine's window surfaces, which come and go with the windows on the screen).
        with open("/proc/%d/status" % self.unix_pid()) as f:
            return int(re.search(kind + r":\s+(\d+)", f.read()).group(1))

    def wait_exit(self, timeout=30):
        # Waits for the end and for the last of the trace; answers the exit code.
        code = self.proc.wait(timeout)
        self._reader.join(10)
        if not self._reader.is_alive():
            self.proc.stdout.close()
        self._stderr = self.stderr
        self._err.close()
        return code

    def close(self):
        # Closes the checklist as the user would; answers the exit code.
        if self.proc.poll() is None and self.checklist:
            self.desktop.probe.post(self.checklist, 0x0010, 0, 0)  # WM_CLOSE
        return self.wait_exit()

    def kill(self):
        for pid in set(self.desktop.unix_pids()) - self._earlier:
            os.kill(pid, 9)
        self.proc.kill()
        self.wait_exit(10)

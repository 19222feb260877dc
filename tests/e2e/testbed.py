"""A private Windows desktop for the end-to-end tests: a host Xvfb, a nested Xephyr with
one to three Xinerama heads, a Wine prefix of our own, and the vtprobe helper inside it.

Every process started here is stopped by PID when the bed closes, and `wineserver -k`
is scoped to the bed's own prefix."""

import fcntl
import glob
import os
import shutil
import signal
import subprocess
import threading
import time

from probe import Probe
from screen import capture

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("VANTOSCOPE_BUILD", os.path.join(ROOT, "build", "win64"))
PREFIX_VERSION = "vantoscope-prefix-1"
PID_DIR = os.path.join(BUILD, "wine", "running")


def build_path(*parts):
    return os.path.join(BUILD, *parts)


def wait_for(condition, timeout, interval=0.02, what="condition"):
    """Polls condition() until it returns something true; raises after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def _display_free(n):
    return not os.path.exists("/tmp/.X%d-lock" % n) and not os.path.exists("/tmp/.X11-unix/X%d" % n)


def _start_x_server(argv_for, env, first=40):
    """Starts an X server on the first free display number; returns (number, process)."""
    for n in range(first, first + 400):
        if not _display_free(n):
            continue
        proc = subprocess.Popen(argv_for(n), env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        sock = "/tmp/.X11-unix/X%d" % n
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and proc.poll() is None and not os.path.exists(sock):
            time.sleep(0.02)
        if proc.poll() is None and os.path.exists(sock):
            return n, proc
        _stop_process(proc)
    raise RuntimeError("no free X display")


def _stop_process(proc, grace=3.0):
    if proc is None:
        return
    if proc.poll() is not None:
        _close_pipes(proc)
        return
    try:
        os.killpg(proc.pid, signal.SIGTERM)
    except (ProcessLookupError, PermissionError):
        proc.terminate()
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            proc.kill()
        proc.wait(grace)
    _close_pipes(proc)


def _close_pipes(proc):
    for pipe in (proc.stdin, proc.stdout, proc.stderr):
        if pipe is not None:
            try:
                pipe.close()
            except OSError:
                pass


class TestBed:
    """heads: list of (width, height), side by side from the origin."""

    def __init__(self, heads=((1024, 768), (1024, 768)), prefix_name="test"):
        self.heads = [tuple(h) for h in heads]
        self.prefix = build_path("wine", prefix_name)
        self.procs = []
        self.probe = None
        self.display = None
        self._lock_file = None
        self._pid_file = None

    # -- life cycle -------------------------------------------------------------------
    def start(self):
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self._lock_file = open(self.prefix + ".lock", "w")
        fcntl.flock(self._lock_file, fcntl.LOCK_EX)
        os.makedirs(PID_DIR, exist_ok=True)
        self._pid_file = os.path.join(PID_DIR, "%d-%d" % (os.getpid(), id(self)))
        self._record()
        try:
            self._start_displays()
            self._ensure_prefix()
            self.probe = Probe(self)
        except BaseException:
            self.stop()
            raise
        return self

    def stop(self):
        if self.probe is not None:
            self.probe.close()
            self.probe = None
        if self.display is not None:
            subprocess.run(["wineserver", "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
            subprocess.run(["wineserver", "-w"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        for proc in reversed(self.procs):
            _stop_process(proc)
        self.procs = []
        if self._pid_file and os.path.exists(self._pid_file):
            os.remove(self._pid_file)
        if self._lock_file is not None:
            fcntl.flock(self._lock_file, fcntl.LOCK_UN)
            self._lock_file.close()
            self._lock_file = None

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()

    # -- pieces -----------------------------------------------------------------------
    def _start_displays(self):
        width = sum(w for w, _ in self.heads)
        height = max(h for _, h in self.heads)
        host_env = dict(os.environ)
        host_n, host = _start_x_server(
            lambda n: ["Xvfb", ":%d" % n, "-screen", "0", "%dx%dx24" % (width + 64, height + 64), "-nolisten", "tcp"],
            host_env)
        self.procs.append(host)
        self._record()
        nested_env = dict(os.environ, DISPLAY=":%d" % host_n)
        screens = []
        for w, h in self.heads:
            screens += ["-screen", "%dx%d" % (w, h)]
        xinerama = ["+xinerama"] if len(self.heads) > 1 else []
        n, nested = _start_x_server(
            lambda n: ["Xephyr", ":%d" % n] + xinerama + screens + ["-ac", "-nolisten", "tcp", "-noreset"],
            nested_env, first=host_n + 1)
        self.procs.append(nested)
        self.display = ":%d" % n
        self._record()

    def _record(self):
        """Writes the bed's prefix and process IDs, for cleanup() after an interrupted run."""
        with open(self._pid_file, "w") as f:
            f.write(self.prefix + "\n")
            f.write(" ".join(str(p.pid) for p in self.procs) + "\n")

    def env(self, **extra):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": self.prefix,
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": self.display or "",
            # A Japanese desktop: the ANSI code page is 932, as on the users' machines.
            "LC_ALL": "ja_JP.UTF-8",
        })
        env.update(extra)
        return env

    def _ensure_prefix(self):
        stamp = os.path.join(self.prefix, PREFIX_VERSION)
        if not os.path.exists(stamp):
            shutil.rmtree(self.prefix, ignore_errors=True)
            run = lambda *argv: subprocess.run(list(argv), env=self.env(), stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, timeout=300, check=True)
            run("wineboot", "-i")
            key = r"HKCU\Software\Wine\X11 Driver"
            # Xinerama heads as monitors, and no window manager: Wine draws frames itself and
            # hiding a window takes milliseconds instead of seconds.
            run("wine", "reg", "add", key, "/v", "UseXRandR", "/t", "REG_SZ", "/d", "N", "/f")
            run("wine", "reg", "add", key, "/v", "Managed", "/t", "REG_SZ", "/d", "N", "/f")
            run("wineserver", "-w")
            open(stamp, "w").close()
        else:
            # A wineserver left from a bed with other heads would keep the old monitors.
            subprocess.run(["wineserver", "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
            subprocess.run(["wineserver", "-w"], env=self.env(), timeout=30)

    # -- user actions -----------------------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=dict(os.environ, DISPLAY=self.display),
                       check=True, timeout=30, stdout=subprocess.DEVNULL)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", button)

    def drag(self, x0, y0, x1, y1, steps=8):
        self.xdotool("mousemove", "--sync", x0, y0)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            time.sleep(0.03)
            self.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        time.sleep(0.1)
        self.xdotool("mouseup", 1)

    def move_pointer(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)

    def screenshot(self):
        return capture(self.display)

    def spawn(self, argv, cwd=None, env=None, **kwargs):
        proc = subprocess.Popen(argv, cwd=cwd, env=env or self.env(), start_new_session=True, **kwargs)
        self.procs.append(proc)
        self._record()
        return proc


def cleanup():
    """Stops whatever beds of interrupted runs left behind: their processes and wineservers."""
    for path in glob.glob(os.path.join(PID_DIR, "*")):
        try:
            with open(path) as f:
                prefix = f.readline().strip()
                pids = [int(p) for p in f.readline().split()]
        except (OSError, ValueError):
            continue
        if prefix:
            subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        for pid in pids:
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(pid, sig)
                except (ProcessLookupError, PermissionError):
                    pass
                time.sleep(0.1)
        os.remove(path)


if __name__ == "__main__":
    import sys
    if sys.argv[1:] == ["--cleanup"]:
        cleanup()

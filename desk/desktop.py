"""A private Windows desktop: host Xvfb, nested Xephyr with Xinerama heads, our own Wine prefix."""
# Everything it starts is stopped by its PID, and `wineserver -k` only reaches its own prefix.

import contextlib
import fcntl
import glob
import os
import shutil
import signal
import subprocess

from . import wine
from .common import BUILD, ROOT, wait_for
from .probe import Probe

MARK = "VANTOSCOPE_BED_PREFIX"  # in the environment of everything a desktop starts, for cleanup()
QUIET = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
TWO_HEADS = ((1024, 768, 0, 0), (1024, 768, 1024, 0))  # heads: width, height, x, y


class DeskError(Exception):
    """A first step that failed, as one sentence saying what to do."""


class Desktop:
    def __init__(self, heads=TWO_HEADS, prefix="test", dpi=96):
        # dpi: the prefix's LogPixels, the one DPI of every monitor (100 %: 96, 150 %: 144, 200 %: 192).
        self.heads, self.prefix, self.dpi = tuple(heads), os.path.join(BUILD, "wine", prefix), dpi
        self.procs, self.probe, self.display = [], None, None

    def start(self):
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        self._lock = open(self.prefix + ".lock", "w")
        fcntl.flock(self._lock, fcntl.LOCK_EX)  # one desktop per prefix at a time
        try:
            size = "%dx%dx24" % (max(x + w for w, h, x, y in self.heads), max(y + h for w, h, x, y in self.heads))
            host = self._x_server(lambda n: ["Xvfb", ":%d" % n, "-screen", "0", size])
            heads = [a for w, h, x, y in self.heads for a in ("-origin", "%d,%d" % (x, y), "-screen", "%dx%d" % (w, h))]
            self.display = self._x_server(lambda n: ["Xephyr", ":%d" % n, "+xinerama", "-ac", "-noreset"] + heads,
                                          int(host[1:]) + 1, DISPLAY=host)
            # The X server keeps Ctrl+Alt+F-keys for switching consoles: let them reach the programs.
            subprocess.run(["setxkbmap", "-display", self.display, "-option", "srvrkeys:none"], check=True, timeout=30,
                           **QUIET)
            self._prefix()
            subprocess.run(wine.command("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                                        "/d", str(self.dpi), "/f"), env=self.env(), timeout=60, check=True, **QUIET)
            self.wineserver("-k")  # every program of the desktop, its own desktop process too, starts at that DPI
            self.wineserver("-w")
            self._stand_in()
            self.probe = Probe(self)
        except BaseException:
            self.stop()
            raise
        return self

    def stop(self):
        if self.probe:
            self.probe.quit()
        if self.display:
            self.wineserver("-k")
        for proc in reversed(self.procs):
            for sig in (signal.SIGTERM, signal.SIGKILL):  # to the whole group, which holds Wine's processes too
                with contextlib.suppress(ProcessLookupError, PermissionError, subprocess.TimeoutExpired):
                    os.killpg(proc.pid, sig)
                    proc.wait(3)
        self.procs, self.probe, self.display = [], None, None
        self._lock.close()

    def _x_server(self, argv_for, first=40, **env):
        for n in range(first, first + 300):
            if not glob.glob("/tmp/.X%d-lock" % n) + glob.glob("/tmp/.X11-unix/X%d" % n):
                proc = self.spawn(argv_for(n) + ["-nolisten", "tcp"], env={**os.environ, MARK: self.prefix, **env}, **QUIET)
                wait_for(lambda: proc.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % n), 10, "X :%d" % n)
                if proc.poll() is None:
                    return ":%d" % n
        raise DeskError("Could not start the X server %s; run scripts/setup.sh, then try again." % argv_for(0)[0])

    def env(self, **extra):
        # A Japanese desktop: the ANSI code page is 932, as on the program's users' machines.
        return {**os.environ, MARK: self.prefix, "WINEPREFIX": self.prefix, "WINEDEBUG": "-all", "DISPLAY": self.display or "",
                "WINEDLLOVERRIDES": "mscoree,mshtml=;dwmapi=b", "LC_ALL": "ja_JP.UTF-8", **wine.environment(), **extra}

    def compositor_env(self, **extra):
        # Programs started with this load the stand-in compositor (desk/dwmapi_standin.cpp) instead of
        # Wine's dwmapi, which has no thumbnails.
        return self.env(WINEDLLOVERRIDES="mscoree,mshtml=;dwmapi=n", **extra)

    def wineserver(self, *args):
        subprocess.run(wine.server(*args), env=self.env(), timeout=60, **QUIET)

    def _prefix(self):
        # The stamp is written last: a prefix that an interrupted run left half made has none.
        stamp = os.path.join(self.prefix, "vantoscope-prefix-2-" + wine.prefix_kind())
        if os.path.exists(stamp):
            self.wineserver("-k")  # a wineserver of an earlier desktop would keep its monitors
            return self.wineserver("-w")
        self.wineserver("-k")
        shutil.rmtree(self.prefix, ignore_errors=True)
        # Xinerama heads as monitors, and no window manager: Wine draws the frames itself, and
        # hiding a window takes milliseconds instead of seconds.
        key = wine.command("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/d", "N", "/f", "/v")
        for argv in (wine.command("wineboot", "-i"), key + ["UseXRandR"], key + ["Managed"], wine.server("-w")):
            try:
                subprocess.run(argv, env=self.env(), timeout=300, check=True, **QUIET)
            except (OSError, subprocess.SubprocessError) as e:
                raise DeskError("Could not make the Wine prefix %s (%s failed: %s); run scripts/setup.sh, then try "
                                "again." % (self.prefix, " ".join(argv[:2]), e)) from None
        open(stamp, "w").close()

    def _stand_in(self):
        # Where a program that asks for the system's own dwmapi.dll finds it; Wine loads its own
        # unless the environment says otherwise (compositor_env).
        for build, folder in ((BUILD, "system32"), (os.path.join(ROOT, "build", "win32"), "syswow64")):
            stand_in = os.path.join(build, "desk", "dwmapi.dll")
            system = os.path.join(self.prefix, "drive_c", "windows", folder)
            if os.path.exists(stand_in) and os.path.isdir(system):
                shutil.copyfile(stand_in, os.path.join(system, "dwmapi.dll"))

    @contextlib.contextmanager
    def composited(self):
        # A compositing manager on the desktop (Debian's xcompmgr): it keeps each window's own pixels, covered or
        # not, as Windows' compositor does, so that a window's own picture can be read (Screen.window_picture).
        proc = self.spawn(["xcompmgr"], env={**os.environ, MARK: self.prefix, "DISPLAY": self.display}, **QUIET)
        try:
            yield
        finally:
            with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(5)
            self.procs.remove(proc)

    def x_window(self, title):
        # The X window that Wine made for the top-level window of this title.
        found = subprocess.run(["xdotool", "search", "--name", "^%s$" % title], env=dict(os.environ, DISPLAY=self.display),
                               capture_output=True, timeout=30).stdout.split()
        return int(found[0]) if found else None

    def start_program(self, exe, *args, **kwargs):
        # A Windows program of this desktop, started as this machine's Wine starts it.
        return self.spawn(wine.command(exe, *[str(a) for a in args]), **kwargs)

    def spawn(self, argv, env=None, **kwargs):
        self.procs.append(subprocess.Popen(argv, env=env or self.env(), start_new_session=True, **kwargs))
        return self.procs[-1]

    def unix_pids(self, comm="Vantoscope.exe"):
        # Unix processes of this desktop that Wine named after this Windows program.
        return [pid for pid, name, prefix in _marked() if name == comm and prefix == self.prefix]

    def xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=dict(os.environ, DISPLAY=self.display),
                              check=True, timeout=30, capture_output=True).stdout

    def click(self, x, y):
        self.xdotool("mousemove", "--", x, y, "click", 1)

    def pointer(self, x=None, y=None):
        # Moves the pointer there, if asked; answers where it is.
        if x is not None:
            self.xdotool("mousemove", "--", x, y)
        words = dict(w.split(b":") for w in self.xdotool("getmouselocation").split())
        return int(words[b"x"]), int(words[b"y"])


def _marked():
    # (pid, name, prefix) of every process that a desktop started, or that those started.
    for d in glob.glob("/proc/[0-9]*"):
        with contextlib.suppress(OSError), open(d + "/comm") as f, open(d + "/environ", "rb") as e:
            prefix = [v[len(MARK) + 1:] for v in e.read().decode(errors="replace").split("\0") if v.startswith(MARK + "=")]
            if prefix:
                yield int(d[6:]), f.read().strip(), prefix[0]


def cleanup():
    # Stops what this build's desktops of interrupted runs left: their wineservers and every
    # process they started. Other builds' desktops (another clone's tests) run on.
    ours = [(pid, prefix) for pid, name, prefix in _marked() if prefix.startswith(os.path.join(BUILD, "wine", ""))]
    for prefix in {prefix for pid, prefix in ours}:
        subprocess.run(wine.server("-k"), env=dict(os.environ, WINEPREFIX=prefix), timeout=60, **QUIET)
    for pid, prefix in ours:
        with contextlib.suppress(OSError):
            os.kill(pid, signal.SIGKILL)

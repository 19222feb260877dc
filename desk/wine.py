"""How Wine is started on this machine: the one place that knows whether 32-bit programs run here."""
# Debian's `wine` starts its 32-bit loader whenever 32-bit Wine is installed, and that loader cannot
# run where the kernel refuses 32-bit programs. There the 64-bit loader is started directly.

import functools
import os
import re
import struct
import subprocess

LOADER64 = "/usr/lib/wine/wine64"
LOADER32 = "/usr/lib/wine/wine"  # Debian's wine32:i386
BINFMT = "/proc/sys/fs/binfmt_misc"


def _tiny_i386_program():
    # A whole 32-bit x86 Linux program: one loadable segment whose code is exit(0) (int 0x80).
    base, code = 0x08048000, bytes.fromhex("b801000000" "31db" "cd80")
    size = 52 + 32 + len(code)
    header = struct.pack("<4sBBBB8xHHIIIIIHHHHHH", b"\x7fELF", 1, 1, 1, 0, 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1,
                         0, 0, 0)
    segment = struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
    return header + segment + code


def _i386_emulator():
    # The binfmt_misc handler (qemu-user, say) that runs 32-bit x86 programs here instead of the
    # kernel: the kernel asks such handlers first. Wine then runs, but a hundred times slower.
    for name in sorted(os.listdir(BINFMT)) if os.path.isdir(BINFMT) else []:
        try:
            with open(os.path.join(BINFMT, name)) as f:
                entry = f.read()
        except OSError:
            continue
        magic = re.search(r"^magic ([0-9a-f]+)", entry, re.M)
        if entry.startswith("enabled") and magic and magic.group(1)[:12] == "7f454c460101" and \
                magic.group(1)[36:40] == "0300":  # a 32-bit little-endian ELF file for the i386
            return name
    return None


@functools.lru_cache(maxsize=None)
def why_no_32bit(installed=True):
    # Why the 32-bit program's stories cannot run here, or None where they can; with installed
    # False, only whether the machine could run them once 32-bit Wine is installed. The variable
    # makes a machine that can run them behave as one that cannot.
    if os.environ.get("VANTOSCOPE_RUN_32BIT", "").lower() == "no":
        return "VANTOSCOPE_RUN_32BIT=no treats this machine as one that does not run 32-bit programs"
    if not _i386_runs():  # "Exec format error"
        return "this machine's kernel does not run 32-bit programs"
    emulator = _i386_emulator()
    if emulator:
        return "this machine runs 32-bit programs only through the emulator %s/%s, far too slowly for Wine" % (
            BINFMT, emulator)
    if installed and not os.path.exists(LOADER32):  # the set-up could not install it (a mirror out of step, say)
        return "32-bit Wine (wine32:i386) is not installed: scripts/setup.sh installs it where it can"
    return None


def runs_32bit():
    return why_no_32bit() is None


def _i386_runs():
    # Found by trying: some kernels are built or booted without 32-bit emulation.
    path = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "build", "i386-probe")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(_tiny_i386_program())
    os.chmod(path, 0o755)
    try:
        return subprocess.run([path], timeout=10).returncode == 0
    except OSError:  # "Exec format error"
        return False


def direct_loader():
    # The 64-bit loader, started directly, where the 32-bit one cannot run.
    return not runs_32bit() and os.path.exists(LOADER64)


def command(*argv):
    # The command line that starts a Windows program (or a Wine tool such as wineboot) under Wine.
    return [LOADER64 if direct_loader() else "wine"] + list(argv)


def environment():
    # What the loader needs in the environment: the programs Wine starts use the same loader.
    return {"WINELOADER": LOADER64} if direct_loader() else {}


def server(*args):
    # Debian's wineserver picks the 64-bit server where there is one: it runs on every machine.
    return ["wineserver"] + list(args)


def prefix_kind():
    # A prefix made without 32-bit Wine cannot serve it later ("could not load kernel32.dll"): a prefix
    # is made again when the kind of Wine that starts programs here changes.
    return "wow64" if runs_32bit() else "wine64"

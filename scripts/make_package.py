#!/usr/bin/env python3
"""Packs the built 64-bit and 32-bit programs, the sample settings and the how-to text
into build/dist/Vantoscope-<version>-windows.zip. Each of the x64 and x86 folders can be
started by double-click: the settings sit beside the program."""

import os
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SETTINGS = ("Vantoscope.ini", "wallpaper.bmp", "button_off.bmp", "button_on.bmp")


def version():
    with open(os.path.join(ROOT, "VERSION")) as f:
        return f.readline().strip()


def package_path():
    return os.path.join(ROOT, "build", "dist", "Vantoscope-%s-windows.zip" % version())


def entries():
    """(name in the archive, file on disk)"""
    top = "Vantoscope-%s/" % version()
    yield top + "HOW-TO-USE.txt", os.path.join(ROOT, "packaging", "HOW-TO-USE.txt")
    for folder, build in (("x64", "win64"), ("x86", "win32")):
        yield top + folder + "/Vantoscope.exe", os.path.join(ROOT, "build", build, "Vantoscope.exe")
        for name in SETTINGS:
            yield top + folder + "/" + name, os.path.join(ROOT, "assets", name)


def main():
    out = package_path()
    os.makedirs(os.path.dirname(out), exist_ok=True)
    missing = [path for _, path in entries() if not os.path.exists(path)]
    if missing:
        sys.exit("missing (run scripts/build.sh first): %s" % ", ".join(missing))
    with zipfile.ZipFile(out + ".part", "w", zipfile.ZIP_DEFLATED) as z:
        for name, path in entries():
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(path, "rb") as f:
                z.writestr(info, f.read())
    os.replace(out + ".part", out)
    print(out)


if __name__ == "__main__":
    main()

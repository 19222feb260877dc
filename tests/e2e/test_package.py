"""The release package: both programs, each with its settings and bitmaps beside it, and the
how-to text; programs that need no DLL beyond Windows' own and carry their version and manifest."""

import configparser
import os
import re
import struct
import subprocess
import sys
import unittest
import zipfile

from tests.bed import ROOT

with open(os.path.join(ROOT, "VERSION")) as f:
    VERSION = f.read().strip()
TOP = "Vantoscope-%s/" % VERSION
FILES = ["HOW-TO-USE.txt"] + [folder + name for folder in ("x64/", "x86/") for name in (
    "Vantoscope.exe", "Vantoscope.ini", "wallpaper.bmp", "button_off.bmp", "button_on.bmp")]
BUILDS = {"x64": ("win64", 0x8664, "x86_64-w64-mingw32-objdump"), "x86": ("win32", 0x014C, "i686-w64-mingw32-objdump")}
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
                "version.dll"}


def resource_text(exe, key):
    # A value of the version resource: UTF-16, after its key and any padding to 4 bytes.
    m = re.search(re.escape((key + "\0").encode("utf-16-le")) + b"(?:\0\0)?((?:[^\0]\0)+)", exe)
    return m and m.group(1).decode("utf-16-le")


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        path = subprocess.run([sys.executable, "-m", "scripts.make_package"], cwd=ROOT, check=True,
                              capture_output=True, text=True).stdout.strip()
        with zipfile.ZipFile(path) as z:
            cls.files = {name[len(TOP):]: z.read(name) for name in z.namelist()}
            cls.names = z.namelist()

    def test_the_package(self):
        with self.subTest("exactly these files, under one folder named with the version"):
            self.assertEqual(sorted(self.names), sorted(TOP + n for n in FILES))
        for folder, (build, machine, objdump) in BUILDS.items():
            exe = self.files[folder + "/Vantoscope.exe"]
            with self.subTest("the %s program is the one built, for its machine" % folder):
                with open(os.path.join(ROOT, "build", build, "Vantoscope.exe"), "rb") as f:
                    self.assertEqual(exe, f.read())
                self.assertEqual(struct.unpack_from("<H", exe, struct.unpack_from("<I", exe, 0x3C)[0] + 4)[0], machine)
            with self.subTest("the %s program needs no DLL beyond Windows' own" % folder):
                dump = subprocess.run([objdump, "-p", os.path.join(ROOT, "build", build, "Vantoscope.exe")],
                                      capture_output=True, text=True, check=True).stdout
                dlls = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line}
                self.assertTrue(dlls and dlls <= WINDOWS_DLLS, dlls)
            with self.subTest("the %s program carries its version and a per-monitor DPI-aware manifest" % folder):
                self.assertEqual((resource_text(exe, "ProductName"), resource_text(exe, "ProductVersion")),
                                 ("Vantoscope", VERSION))
                self.assertIn(b"<dpiAware", exe)
                self.assertIn(b"true/pm</dpiAware>", exe)
                self.assertIn(b">PerMonitorV2", exe)
            with self.subTest("the %s settings name 24-bit bitmaps that sit beside the program" % folder):
                ini = configparser.ConfigParser()
                ini.read_string(self.files[folder + "/Vantoscope.ini"].decode("ascii"))
                for section in ("WPNAME", "BTNNAME", "BTNNAME2"):
                    bmp = self.files[folder + "/" + ini[section]["FILENAME"]]
                    self.assertEqual((bmp[:2], struct.unpack_from("<H", bmp, 28)[0]), (b"BM", 24), section)

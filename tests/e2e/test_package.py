# The release package: both programs with the samples and the how-to, their version and a DPI-aware manifest.

import os
import re
import subprocess
import sys
import unittest
import zipfile

from desk import ROOT

with open(os.path.join(ROOT, "VERSION")) as f:
    VERSION = f.read().strip()
SOURCES = dict({"HOW-TO-USE.txt": "packaging/HOW-TO-USE.txt"}, **{
    "%s/%s" % (folder, name): ("build/%s/" % build if name.endswith(".exe") else "assets/") + name
    for folder, build in (("x64", "win64"), ("x86", "win32"))
    for name in ("Vantoscope.exe", "Vantoscope.ini", "wallpaper.bmp", "button_off.bmp", "button_on.bmp")})


def resource_text(exe, key):
    # A value of the version resource: UTF-16, after its key and any padding to 4 bytes.
    m = re.search(re.escape((key + "\0").encode("utf-16-le")) + b"(?:\0\0)?((?:[^\0]\0)+)", exe)
    return m and m.group(1).decode("utf-16-le")


class Package(unittest.TestCase):
    def test_the_package(self):
        path = subprocess.run([sys.executable, "-m", "scripts.make_package"], cwd=ROOT, check=True,
                              capture_output=True, text=True).stdout.strip()
        with zipfile.ZipFile(path) as z:
            files = {name: z.read(name) for name in z.namelist()}
        top = "Vantoscope-%s/" % VERSION
        with self.subTest("exactly the built programs and the sample files, under one folder named with the version"):
            self.assertEqual(sorted(files), sorted(top + name for name in SOURCES))
            for name, source in SOURCES.items():
                with open(os.path.join(ROOT, source), "rb") as f:
                    self.assertEqual(files[top + name], f.read(), name)
        for folder in ("x64", "x86"):
            with self.subTest("the %s program carries its version and a per-monitor DPI-aware manifest" % folder):
                exe = files[top + folder + "/Vantoscope.exe"]
                self.assertEqual((resource_text(exe, "ProductName"), resource_text(exe, "ProductVersion")),
                                 ("Vantoscope", VERSION))
                self.assertIn(b"true/pm</dpiAware>", exe)
                self.assertIn(b">PerMonitorV2", exe)
                self.assertTrue(b'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' in exe, "current controls")

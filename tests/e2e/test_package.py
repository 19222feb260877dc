"""The release package: both programs, the sample settings beside each, the how-to text."""

import configparser
import io
import os
import struct
import subprocess
import sys
import unittest
import zipfile

from testbed import ROOT

sys.path.insert(0, os.path.join(ROOT, "scripts"))
import make_package  # noqa: E402

MACHINES = {"x64": 0x8664, "x86": 0x014C}


def pe_machine(data):
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[offset:offset + 4] != b"PE\0\0":
        return None
    return struct.unpack_from("<H", data, offset + 4)[0]


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "make_package.py")], check=True,
                       stdout=subprocess.DEVNULL)
        cls.zip = zipfile.ZipFile(make_package.package_path())
        cls.top = "Vantoscope-%s/" % make_package.version()

    @classmethod
    def tearDownClass(cls):
        cls.zip.close()

    def test_holds_exactly_the_programs_settings_and_how_to(self):
        expected = {self.top + "HOW-TO-USE.txt"}
        for folder in ("x64", "x86"):
            expected |= {self.top + folder + "/" + n for n in ("Vantoscope.exe",) + make_package.SETTINGS}
        self.assertEqual(set(self.zip.namelist()), expected)
        self.assertIsNone(self.zip.testzip())

    def test_programs_are_the_built_64_and_32_bit_windows_executables(self):
        for folder, build in (("x64", "win64"), ("x86", "win32")):
            data = self.zip.read(self.top + folder + "/Vantoscope.exe")
            self.assertEqual(pe_machine(data), MACHINES[folder], folder)
            with open(os.path.join(ROOT, "build", build, "Vantoscope.exe"), "rb") as f:
                self.assertEqual(data, f.read(), folder)

    def test_programs_need_no_dll_beyond_windows_own(self):
        system = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
                  "ole32.dll", "oleaut32.dll", "comdlg32.dll", "winspool.drv", "version.dll"}
        for build, tool in (("win64", "x86_64-w64-mingw32-objdump"), ("win32", "i686-w64-mingw32-objdump")):
            dump = subprocess.run([tool, "-p", os.path.join(ROOT, "build", build, "Vantoscope.exe")],
                                  capture_output=True, text=True, check=True).stdout
            dlls = {line.split("DLL Name:")[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line}
            self.assertTrue(dlls, build)
            self.assertLessEqual(dlls, system, build)

    def test_settings_name_bitmaps_that_sit_beside_the_program(self):
        for folder in ("x64", "x86"):
            ini = configparser.ConfigParser()
            ini.read_string(self.zip.read(self.top + folder + "/Vantoscope.ini").decode("ascii"))
            for section in ("WPNAME", "BTNNAME", "BTNNAME2"):
                name = ini[section]["FILENAME"]
                bmp = self.zip.read(self.top + folder + "/" + name)
                self.assertEqual(bmp[:2], b"BM", name)
                self.assertEqual(struct.unpack_from("<H", bmp, 28)[0], 24, name)

    def test_how_to_explains_starting_and_the_switches(self):
        text = self.zip.read(self.top + "HOW-TO-USE.txt").decode("utf-8")
        for words in ("Double-click Vantoscope.exe", "WallPaper ON/OFF", "MOUSE_POINTER ON/OFF", "MOUSE_LIMIT ON/OFF",
                      "current directory", "30 windows"):
            self.assertIn(words, text)


if __name__ == "__main__":
    unittest.main()

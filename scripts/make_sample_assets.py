#!/usr/bin/env python3
"""Writes the sample settings file and its three bitmaps into assets/.

The pictures are made of flat tiles, so a stretched copy keeps exact colours at tile
centres, which the end-to-end tests compare with the screen."""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "assets")


def write_bmp(path, width, height, pixel):
    """24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


WALL_W, WALL_H, TILE_W, TILE_H = 320, 175, 20, 25


def wallpaper_tile(col, row):
    """A calm evening mosaic: deep blue at the top to warm orange at the bottom."""
    t = row / 6.0
    shade = (col * 7 + row * 3) % 5 * 6
    r = int(30 + 190 * t) + shade
    g = int(50 + 90 * t) + shade
    b = int(120 - 80 * t) + shade
    return (min(r, 250), min(g, 250), max(min(b, 250), 20))


def wallpaper(x, y):
    return wallpaper_tile(x // TILE_W, y // TILE_H)


def button_face(mirrored):
    """30 x 20: a small monitor symbol, outlined when not mirrored, filled on green when it is."""
    back = (40, 160, 70) if mirrored else (215, 215, 215)
    ink = (255, 255, 255) if mirrored else (70, 70, 70)

    def pixel(x, y):
        if x in (0, 29) or y in (0, 19):
            return (30, 30, 30)
        screen = 8 <= x <= 21 and 4 <= y <= 12
        edge = x in (8, 21) or y in (4, 12)
        stand = (13 <= x <= 16 and 13 <= y <= 14) or (11 <= x <= 18 and y == 15)
        if stand or (screen and (edge or mirrored)):
            return ink
        return back
    return pixel


SETTINGS = """; Vantoscope settings: the bitmaps it shows. Paths are relative to the working directory.
[WPNAME]
FILENAME=wallpaper.bmp
[BTNNAME]
FILENAME=button_off.bmp
[BTNNAME2]
FILENAME=button_on.bmp
"""


def main(out=OUT):
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "wallpaper.bmp"), WALL_W, WALL_H, wallpaper)
    write_bmp(os.path.join(out, "button_off.bmp"), 30, 20, button_face(False))
    write_bmp(os.path.join(out, "button_on.bmp"), 30, 20, button_face(True))
    with open(os.path.join(out, "Vantoscope.ini"), "w", newline="\r\n") as f:
        f.write(SETTINGS)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else OUT)

"""What a person sees: the desktop's pixels through ImageMagick's `import`, and bitmap files in the same form."""

import struct
import subprocess


class Image:
    # Rows of (r, g, b), the area's top left at (x, y).
    def __init__(self, x, y, rows):
        self.x, self.y, self.rows = x, y, rows

    def pixel(self, x, y):
        return self.rows[y - self.y][x - self.x]

    def count(self, colour):
        return sum(row.count(colour) for row in self.rows)


class Screen:
    def __init__(self, desktop):
        self.display = desktop.display
        self.size = max(x + w for w, h, x, y in desktop.heads), max(y + h for w, h, x, y in desktop.heads)

    def grab(self, x, y, w, h):
        # Cut to the screen: there are no pixels outside it.
        x0, y0 = max(x, 0), max(y, 0)
        w, h = min(x + w, self.size[0]) - x0, min(y + h, self.size[1]) - y0
        raw = subprocess.run(["import", "-display", self.display, "-window", "root", "-crop", "%dx%d+%d+%d" % (
            w, h, x0, y0), "-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=30).stdout
        return Image(x0, y0, [[tuple(raw[o:o + 3]) for o in range(3 * w * r, 3 * w * (r + 1), 3)] for r in range(h)])

    def window_picture(self, x_window):
        # A window's own pixels, as the compositing manager keeps them, whatever covers it.
        out = subprocess.run(["import", "-display", self.display, "-window", str(x_window), "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=30).stdout
        head = out.split(b"\n", 3)
        w, h = (int(v) for v in head[1].split())
        raw = head[3]
        return Image(0, 0, [[tuple(raw[o:o + 3]) for o in range(3 * w * r, 3 * w * (r + 1), 3)] for r in range(h)])


def load_bmp(path):
    # A 24-bit bitmap file, its top row at y = 0.
    with open(path, "rb") as f:
        raw = f.read()
    offset, (w, h) = struct.unpack_from("<I", raw, 10)[0], struct.unpack_from("<ii", raw, 18)
    at = [offset + (h - 1 - y) * ((w * 3 + 3) & ~3) for y in range(h)]
    return Image(0, 0, [[(raw[at[y] + 3 * x + 2], raw[at[y] + 3 * x + 1], raw[at[y] + 3 * x]) for x in range(w)]
                        for y in range(h)])

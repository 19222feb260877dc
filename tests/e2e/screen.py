"""Screen captures of the X display, as a person would see it, with pixel access."""

import subprocess


class Image:
    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def region(self, x, y, w, h):
        """Row-major bytes of a rectangle, clipped to the image."""
        rows = []
        for yy in range(max(y, 0), min(y + h, self.height)):
            x0 = max(x, 0)
            x1 = min(x + w, self.width)
            if x1 > x0:
                rows.append(self.data[(yy * self.width + x0) * 3:(yy * self.width + x1) * 3])
        return b"".join(rows)

    def count_colour(self, x, y, w, h, colour, tolerance=0):
        n = 0
        for yy in range(max(y, 0), min(y + h, self.height)):
            for xx in range(max(x, 0), min(x + w, self.width)):
                p = self.pixel(xx, yy)
                if all(abs(p[k] - colour[k]) <= tolerance for k in range(3)):
                    n += 1
        return n

    def save_png(self, path):
        ppm = b"P6 %d %d 255\n" % (self.width, self.height) + self.data
        subprocess.run(["convert", "ppm:-", path], input=ppm, check=True, timeout=60)


def parse_ppm(raw):
    fields = []
    pos = 0
    while len(fields) < 4:
        while raw[pos:pos + 1].isspace():
            pos += 1
        if raw[pos:pos + 1] == b"#":
            pos = raw.index(b"\n", pos) + 1
            continue
        end = pos
        while not raw[end:end + 1].isspace():
            end += 1
        fields.append(raw[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("unexpected image format")
    w, h = int(fields[1]), int(fields[2])
    return Image(w, h, raw[pos:pos + w * h * 3])


def capture(display):
    raw = subprocess.run(["import", "-window", "root", "-display", display, "-depth", "8", "ppm:-"],
                         capture_output=True, check=True, timeout=60).stdout
    return parse_ppm(raw)


def load_bmp(path):
    """A 24-bit BMP file as an Image (top row first)."""
    import struct
    with open(path, "rb") as f:
        raw = f.read()
    offset = struct.unpack_from("<I", raw, 10)[0]
    width, height = struct.unpack_from("<ii", raw, 18)
    bits = struct.unpack_from("<H", raw, 28)[0]
    if bits != 24:
        raise ValueError("only 24-bit bitmaps")
    bottom_up = height > 0
    height = abs(height)
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height):
        src = height - 1 - y if bottom_up else y
        row = raw[offset + src * row_size:offset + src * row_size + width * 3]
        for x in range(width):
            b, g, r = row[x * 3:x * 3 + 3]
            data += bytes((r, g, b))
    return Image(width, height, bytes(data))

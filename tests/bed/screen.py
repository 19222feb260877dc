"""What a person sees: pixels read straight from the X server (a millisecond for a small area),
and bitmap files read into the same form."""

import ctypes
import struct


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


_x = ctypes.CDLL("libX11.so.6")
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XGetImage.restype = ctypes.POINTER(_XImage)
_x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + \
    [ctypes.c_ulong, ctypes.c_int]
_x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
_x.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x.XDisplayWidth.argtypes = _x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]


class Image:
    """Pixels as (r, g, b), from (x, y) of the screen or of a file."""

    def __init__(self, x, y, w, h, rows):
        self.x, self.y, self.w, self.h, self.rows = x, y, w, h, rows

    def pixel(self, x, y):
        return self.rows[y - self.y][x - self.x]

    def count(self, colour):
        return sum(row.count(colour) for row in self.rows)


class Screen:
    def __init__(self, display):
        self.dpy = _x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display %s" % display)

    def grab(self, x, y, w, h):
        """The area, cut to the screen: an area outside it would end the process."""
        x0, y0 = max(x, 0), max(y, 0)
        w, h = min(x + w, _x.XDisplayWidth(self.dpy, 0)) - x0, min(y + h, _x.XDisplayHeight(self.dpy, 0)) - y0
        x, y = x0, y0
        img = _x.XGetImage(self.dpy, _x.XDefaultRootWindow(self.dpy), x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not img:
            raise RuntimeError("XGetImage failed at %r" % ((x, y, w, h),))
        i = img.contents
        w, h, stride, bits = i.width, i.height, i.bytes_per_line, i.bits_per_pixel
        raw = ctypes.string_at(i.data, stride * h)
        _x.XDestroyImage(img)
        if bits != 32 or stride < 4 * w:
            raise RuntimeError("unexpected image of %d x %d, %d bits, %d bytes a row" % (w, h, bits, stride))
        rows = [[(raw[o + 2], raw[o + 1], raw[o]) for o in range(r * stride, r * stride + 4 * w, 4)] for r in range(h)]
        return Image(x, y, w, h, rows)

    def close(self):
        _x.XCloseDisplay(self.dpy)


def load_bmp(path):
    """A 24-bit bitmap file, its top row at y = 0."""
    with open(path, "rb") as f:
        raw = f.read()
    offset, (w, h) = struct.unpack_from("<I", raw, 10)[0], struct.unpack_from("<ii", raw, 18)
    stride = (w * 3 + 3) & ~3
    rows = [[tuple(raw[offset + (h - 1 - y) * stride + 3 * x + k] for k in (2, 1, 0)) for x in range(w)]
            for y in range(h)]
    return Image(0, 0, w, h, rows)

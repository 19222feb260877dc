"""What a person sees: pixels read straight from the X server, and bitmap files in the same form."""

import ctypes
import struct


class _XImage(ctypes.Structure):
    _fields_ = [(n, ctypes.c_int) for n in ("width", "height", "xoffset", "format")] + [("data", ctypes.c_void_p)] + [
        (n, ctypes.c_int) for n in ("byte_order", "unit", "bit_order", "pad", "depth", "stride", "bits")]


_x = ctypes.CDLL("libX11.so.6")
_x.XOpenDisplay.restype, _x.XGetImage.restype = ctypes.c_void_p, ctypes.POINTER(_XImage)
_x.XDefaultRootWindow.restype, _x.XDefaultRootWindow.argtypes = ctypes.c_ulong, [ctypes.c_void_p]
_x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                         ctypes.c_ulong, ctypes.c_int]
_x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
_x.XDisplayWidth.argtypes = _x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]


class Image:
    # Rows of (r, g, b), the area's top left at (x, y).

    def __init__(self, x, y, rows):
        self.x, self.y, self.rows = x, y, rows

    def pixel(self, x, y):
        return self.rows[y - self.y][x - self.x]

    def count(self, colour):
        return sum(row.count(colour) for row in self.rows)


class Screen:
    def __init__(self, display):
        self.dpy = _x.XOpenDisplay(display.encode())

    def grab(self, x, y, w, h):
        # Cut to the screen: XGetImage outside it is an X error, which ends the process.
        x0, y0 = max(x, 0), max(y, 0)
        w, h = min(x + w, _x.XDisplayWidth(self.dpy, 0)) - x0, min(y + h, _x.XDisplayHeight(self.dpy, 0)) - y0
        img = _x.XGetImage(self.dpy, _x.XDefaultRootWindow(self.dpy), x0, y0, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        i = img.contents
        raw = ctypes.string_at(i.data, i.stride * i.height)
        if i.bits != 32 or (i.width, i.height) != (w, h):
            raise RuntimeError("unexpected image: %d x %d, %d bits" % (i.width, i.height, i.bits))
        _x.XDestroyImage(img)
        return Image(x0, y0, [[(raw[o + 2], raw[o + 1], raw[o]) for o in range(r * i.stride, r * i.stride + 4 * w, 4)]
                              for r in range(h)])


def load_bmp(path):
    # A 24-bit bitmap file, its top row at y = 0.
    with open(path, "rb") as f:
        raw = f.read()
    offset, (w, h) = struct.unpack_from("<I", raw, 10)[0], struct.unpack_from("<ii", raw, 18)
    at = [offset + (h - 1 - y) * ((w * 3 + 3) & ~3) for y in range(h)]
    return Image(0, 0, [[(raw[at[y] + 3 * x + 2], raw[at[y] + 3 * x + 1], raw[at[y] + 3 * x]) for x in range(w)]
                        for y in range(h)])

"""A tiny drawing canvas that writes PNG files with the standard library only.

Flat-coloured pictures (lines, filled polygons, circles, rectangles and upper-case block letters) for
the sample catalogues. The output is a palette PNG when the picture has at most 256 colours, which
keeps a drawn picture to a few kilobytes. The same drawing always gives the same bytes.
"""

import math
import struct
import zlib

# 5 x 7 block letters; lower case is drawn as upper case.
_FONT = {
    "A": ("01110", "10001", "10001", "11111", "10001", "10001", "10001"),
    "B": ("11110", "10001", "10001", "11110", "10001", "10001", "11110"),
    "C": ("01110", "10001", "10000", "10000", "10000", "10001", "01110"),
    "D": ("11100", "10010", "10001", "10001", "10001", "10010", "11100"),
    "E": ("11111", "10000", "10000", "11110", "10000", "10000", "11111"),
    "F": ("11111", "10000", "10000", "11110", "10000", "10000", "10000"),
    "G": ("01110", "10001", "10000", "10111", "10001", "10001", "01111"),
    "H": ("10001", "10001", "10001", "11111", "10001", "10001", "10001"),
    "I": ("01110", "00100", "00100", "00100", "00100", "00100", "01110"),
    "J": ("00111", "00010", "00010", "00010", "00010", "10010", "01100"),
    "K": ("10001", "10010", "10100", "11000", "10100", "10010", "10001"),
    "L": ("10000", "10000", "10000", "10000", "10000", "10000", "11111"),
    "M": ("10001", "11011", "10101", "10101", "10001", "10001", "10001"),
    "N": ("10001", "10001", "11001", "10101", "10011", "10001", "10001"),
    "O": ("01110", "10001", "10001", "10001", "10001", "10001", "01110"),
    "P": ("11110", "10001", "10001", "11110", "10000", "10000", "10000"),
    "Q": ("01110", "10001", "10001", "10001", "10101", "10010", "01101"),
    "R": ("11110", "10001", "10001", "11110", "10100", "10010", "10001"),
    "S": ("01111", "10000", "10000", "01110", "00001", "00001", "11110"),
    "T": ("11111", "00100", "00100", "00100", "00100", "00100", "00100"),
    "U": ("10001", "10001", "10001", "10001", "10001", "10001", "01110"),
    "V": ("10001", "10001", "10001", "10001", "10001", "01010", "00100"),
    "W": ("10001", "10001", "10001", "10101", "10101", "10101", "01010"),
    "X": ("10001", "10001", "01010", "00100", "01010", "10001", "10001"),
    "Y": ("10001", "10001", "01010", "00100", "00100", "00100", "00100"),
    "Z": ("11111", "00001", "00010", "00100", "01000", "10000", "11111"),
    "Ä": ("01010", "00000", "01110", "10001", "11111", "10001", "10001"),
    "Ö": ("01010", "00000", "01110", "10001", "10001", "10001", "01110"),
    "Ü": ("01010", "00000", "10001", "10001", "10001", "10001", "01110"),
    "0": ("01110", "10001", "10011", "10101", "11001", "10001", "01110"),
    "1": ("00100", "01100", "00100", "00100", "00100", "00100", "01110"),
    "2": ("01110", "10001", "00001", "00010", "00100", "01000", "11111"),
    "3": ("11110", "00001", "00001", "01110", "00001", "00001", "11110"),
    "4": ("00010", "00110", "01010", "10010", "11111", "00010", "00010"),
    "5": ("11111", "10000", "11110", "00001", "00001", "10001", "01110"),
    "6": ("00110", "01000", "10000", "11110", "10001", "10001", "01110"),
    "7": ("11111", "00001", "00010", "00100", "01000", "01000", "01000"),
    "8": ("01110", "10001", "10001", "01110", "10001", "10001", "01110"),
    "9": ("01110", "10001", "10001", "01111", "00001", "00010", "01100"),
    " ": ("00000",) * 7,
    "-": ("00000", "00000", "00000", "11111", "00000", "00000", "00000"),
    ".": ("00000", "00000", "00000", "00000", "00000", "01100", "01100"),
    ",": ("00000", "00000", "00000", "00000", "01100", "00100", "01000"),
    ":": ("00000", "01100", "01100", "00000", "01100", "01100", "00000"),
    "/": ("00001", "00010", "00010", "00100", "01000", "01000", "10000"),
    "(": ("00010", "00100", "01000", "01000", "01000", "00100", "00010"),
    ")": ("01000", "00100", "00010", "00010", "00010", "00100", "01000"),
    "+": ("00000", "00100", "00100", "11111", "00100", "00100", "00000"),
    "=": ("00000", "00000", "11111", "00000", "11111", "00000", "00000"),
    "?": ("01110", "10001", "00001", "00010", "00100", "00000", "00100"),
    "!": ("00100", "00100", "00100", "00100", "00100", "00000", "00100"),
    "'": ("00100", "00100", "01000", "00000", "00000", "00000", "00000"),
    "<": ("00010", "00100", "01000", "10000", "01000", "00100", "00010"),
    ">": ("01000", "00100", "00010", "00001", "00010", "00100", "01000"),
    "*": ("00000", "10101", "01110", "11111", "01110", "10101", "00000"),
}


def text_width(s, scale=1):
    """Width in pixels of s drawn with text()."""
    return max(0, len(_prepare(s)) * 6 * scale - scale)


def _prepare(s):
    s = s.replace("ß", "SS").replace("ä", "Ä").replace("ö", "Ö").replace("ü", "Ü").upper()
    return "".join(c if c in _FONT else "?" for c in s)


class Canvas:
    def __init__(self, width, height, background=(255, 255, 255)):
        self.w = width
        self.h = height
        self.px = [background] * (width * height)

    # --- primitives ---------------------------------------------------------------------------------

    def dot(self, x, y, colour):
        x = int(x)
        y = int(y)
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Filled rectangle, corners included."""
        x0, x1 = sorted((int(round(x0)), int(round(x1))))
        y0, y1 = sorted((int(round(y0)), int(round(y1))))
        x0, y0 = max(x0, 0), max(y0, 0)
        x1, y1 = min(x1, self.w - 1), min(y1, self.h - 1)
        for y in range(y0, y1 + 1):
            row = y * self.w
            for x in range(x0, x1 + 1):
                self.px[row + x] = colour

    def frame(self, x0, y0, x1, y1, colour, width=1):
        """Rectangle outline."""
        for i in range(width):
            self.rect(x0 + i, y0 + i, x1 - i, y0 + i, colour)
            self.rect(x0 + i, y1 - i, x1 - i, y1 - i, colour)
            self.rect(x0 + i, y0 + i, x0 + i, y1 - i, colour)
            self.rect(x1 - i, y0 + i, x1 - i, y1 - i, colour)

    def disc(self, cx, cy, r, colour):
        r2 = r * r
        for y in range(int(math.floor(cy - r)), int(math.ceil(cy + r)) + 1):
            for x in range(int(math.floor(cx - r)), int(math.ceil(cx + r)) + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r2:
                    self.dot(x, y, colour)

    def ring(self, cx, cy, r, colour, width=1):
        outer = r * r
        inner = max(r - width, 0) ** 2
        for y in range(int(math.floor(cy - r)), int(math.ceil(cy + r)) + 1):
            for x in range(int(math.floor(cx - r)), int(math.ceil(cx + r)) + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if inner < d <= outer:
                    self.dot(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        half = (width - 1) / 2.0
        for i in range(n + 1):
            t = i / n
            x = x0 + t * (x1 - x0)
            y = y0 + t * (y1 - y0)
            if width <= 1:
                self.dot(round(x), round(y), colour)
            else:
                self.rect(x - half, y - half, x + half, y + half, colour)

    def polyline(self, points, colour, width=1):
        for a, b in zip(points, points[1:]):
            self.line(a[0], a[1], b[0], b[1], colour, width)

    def polygon(self, points, colour):
        """Filled polygon (even-odd rule), sampled at pixel centres."""
        if len(points) < 3:
            return
        ys = [p[1] for p in points]
        for y in range(max(int(math.floor(min(ys))), 0), min(int(math.ceil(max(ys))), self.h - 1) + 1):
            yc = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for xa, xb in zip(xs[0::2], xs[1::2]):
                lo = max(int(math.ceil(xa - 0.5)), 0)
                hi = min(int(math.floor(xb - 0.5)), self.w - 1)
                row = y * self.w
                for x in range(lo, hi + 1):
                    self.px[row + x] = colour

    def text(self, x, y, s, colour, scale=1):
        """Block letters with the top-left corner at (x, y); 6 * scale pixels per letter."""
        x = int(round(x))
        y = int(round(y))
        for i, c in enumerate(_prepare(s)):
            for r, bits in enumerate(_FONT[c]):
                for k, b in enumerate(bits):
                    if b == "1":
                        self.rect(x + (i * 6 + k) * scale, y + r * scale,
                                  x + (i * 6 + k) * scale + scale - 1, y + r * scale + scale - 1, colour)

    def text_centred(self, cx, y, s, colour, scale=1):
        self.text(cx - text_width(s, scale) / 2.0, y, s, colour, scale)

    # --- output -------------------------------------------------------------------------------------

    def png(self):
        colours = sorted(set(self.px))
        if len(colours) <= 256:
            index = {c: i for i, c in enumerate(colours)}
            raw = bytearray()
            for y in range(self.h):
                raw.append(0)
                raw.extend(index[c] for c in self.px[y * self.w:(y + 1) * self.w])
            header = struct.pack(">IIBBBBB", self.w, self.h, 8, 3, 0, 0, 0)
            chunks = [(b"IHDR", header), (b"PLTE", b"".join(bytes(c) for c in colours))]
        else:
            raw = bytearray()
            for y in range(self.h):
                raw.append(0)
                for c in self.px[y * self.w:(y + 1) * self.w]:
                    raw.extend(c)
            header = struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)
            chunks = [(b"IHDR", header)]
        chunks.append((b"IDAT", zlib.compress(bytes(raw), 9)))
        chunks.append((b"IEND", b""))
        out = bytearray(b"\x89PNG\r\n\x1a\n")
        for tag, data in chunks:
            out.extend(struct.pack(">I", len(data)))
            out.extend(tag)
            out.extend(data)
            out.extend(struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
        return bytes(out)

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.png())

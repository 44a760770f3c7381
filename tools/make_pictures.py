#!/usr/bin/env python3
"""Draws the pictures of the picture library (Qelres) and writes them twice: as BMP files in
data/pictures/ (4 bits per pixel, the 16 colours of the standard palette) and as the byte tables
of src/controls/QelresPictures.cpp, which the library is built from.

Each picture is one or more square images side by side; the bottom-left pixel is the background
(olive), which buttons take as their transparent colour. Run it from anywhere:

    python3 tools/make_pictures.py
"""
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The 16 colours of the standard palette, as (R, G, B).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)
BACK = OLIVE


class Image:
    def __init__(self, size):
        self.size = size
        self.px = [[BACK] * size for _ in range(size)]

    def dot(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, fill=None, frame=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge and frame is not None:
                    self.dot(x, y, frame)
                elif fill is not None:
                    self.dot(x, y, fill)

    def line(self, x0, y0, x1, y1, c, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for w in range(width):
                self.dot(x + w, y, c)

    def disc(self, cx, cy, r, fill=None, frame=None):
        for y in range(self.size):
            for x in range(self.size):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if frame is not None and (r - 0.5) ** 2 <= d <= (r + 0.5) ** 2:
                    self.dot(x, y, frame)
                elif fill is not None and d < (r - 0.5) ** 2:
                    self.dot(x, y, fill)


def disabled(img):
    """The grey form of an image, for pictures that ship their disabled image themselves."""
    out = Image(img.size)
    for y in range(img.size):
        for x in range(img.size):
            c = img.px[y][x]
            if c != BACK:
                out.px[y][x] = GRAY if sum(PALETTE[c]) < 384 else WHITE
    return out


# --- The pictures -----------------------------------------------------------------------------

def lookup(size=16):  # 8: the general lookup: a magnifier over a list
    i = Image(size)
    i.rect(1, 1, 10, 13, WHITE, GRAY)
    for y in (4, 7, 10):
        i.line(3, y, 8, y, NAVY)
    i.disc(10, 9, 3, SILVER, BLACK)
    i.line(12, 12, 14, 14, BLACK, 2)
    return i


def calendar(size=16):  # 9: the date quick pick
    i = Image(size)
    i.rect(1, 2, 14, 14, WHITE, BLACK)
    i.rect(2, 3, 13, 5, RED)
    i.line(4, 1, 4, 3, BLACK)
    i.line(11, 1, 11, 3, BLACK)
    for y in (8, 11):
        for x in (3, 6, 9, 12):
            i.rect(x, y, x + 1, y + 1, NAVY)
    return i


def users(size=16):  # 39: users and staff
    i = Image(size)
    i.disc(5, 4, 2, YELLOW, BLACK)
    i.rect(2, 8, 8, 14, BLUE, BLACK)
    i.disc(11, 5, 2, YELLOW, BLACK)
    i.rect(8, 9, 14, 14, GREEN, BLACK)
    return i


def delete_one(size=16):  # 47: delete one chosen entry
    i = Image(size)
    i.line(3, 3, 12, 12, RED, 2)
    i.line(12, 3, 3, 12, RED, 2)
    return i


def clear_all(size=16):  # 4: delete every chosen entry (two images: up and disabled)
    i = Image(size)
    i.rect(1, 1, 9, 14, WHITE, GRAY)
    for y in (4, 7, 10):
        i.line(3, y, 7, y, NAVY)
    i.line(8, 6, 14, 12, RED, 2)
    i.line(14, 6, 8, 12, RED, 2)
    return [i, disabled(i)]


def note(size=16):  # 81: notes and sign-off texts
    i = Image(size)
    i.rect(1, 1, 11, 14, YELLOW, BLACK)
    for y in (4, 7, 10):
        i.line(3, y, 8, y, GRAY)
    i.line(14, 4, 7, 11, MAROON, 2)
    i.dot(6, 12, BLACK)
    return i


def scheme(size):  # the condition scheme of the list
    i = Image(size)
    m = size // 8
    i.rect(m, m, size - 1 - m, size - 1 - m, WHITE, NAVY)
    i.rect(m + 1, m + 1, size - 2 - m, m + 2, BLUE)
    for y in range(m + 5, size - 2 - m, 3):
        i.line(m + 3, y, size - 4 - m, y, TEAL)
    return i


def save(size=18):
    i = Image(size)
    i.rect(1, 1, 16, 16, NAVY, BLACK)
    i.rect(4, 2, 13, 7, WHITE)
    i.rect(5, 11, 12, 16, SILVER, BLACK)
    return i


def open_folder(size=18):
    i = Image(size)
    i.rect(1, 4, 14, 15, YELLOW, BLACK)
    i.rect(1, 2, 6, 4, YELLOW, BLACK)
    i.line(4, 8, 17, 8, BLACK)
    i.line(4, 8, 1, 15, BLACK)
    i.line(17, 8, 14, 15, BLACK)
    return i


def delete_scheme(size=18):
    i = Image(size)
    i.line(3, 3, 14, 14, RED, 2)
    i.line(14, 3, 3, 14, RED, 2)
    return i


def view(size=18):
    i = Image(size)
    for x, y in ((2, 2), (10, 2), (2, 10), (10, 10)):
        i.rect(x, y, x + 5, y + 5, AQUA, NAVY)
    return i


PICTURES = {
    4: clear_all(),
    8: [lookup()],
    9: [calendar()],
    39: [users()],
    47: [delete_one()],
    81: [note()],
    # The scheme pane: its tool bar and small list images (18 x 18: scheme, save, open, delete,
    # view), and its large list image (24 x 24).
    90: [scheme(18), save(), open_folder(), delete_scheme(), view()],
    91: [scheme(24)],
}


def bmp(images):
    size = images[0].size
    width, height = size * len(images), size
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = [images[x // size].px[y][x % size] for x in range(width)]
        if len(row) % 2:
            row.append(0)
        data = bytes((row[k] << 4) | row[k + 1] for k in range(0, len(row), 2))
        rows.append(data + b"\0" * (stride - len(data)))
    pixels = b"".join(rows)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    return header + info + palette + pixels


def main():
    folder = os.path.join(ROOT, "data", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        if name.endswith(".bmp"):
            os.remove(os.path.join(folder, name))
    tables = []
    for number, images in sorted(PICTURES.items()):
        data = bmp(images)
        with open(os.path.join(folder, "%d.bmp" % number), "wb") as f:
            f.write(data)
        lines = ["    " + ", ".join("0x%02x" % b for b in data[k:k + 16]) + "," for k in range(0, len(data), 16)]
        tables.append((number, "const unsigned char kPicture%d[] = {\n%s\n};" % (number, "\n".join(lines))))

    out = ["// Generated by tools/make_pictures.py from the drawings there; do not edit.",
           "// The same pictures are shipped as BMP files in data/pictures/.",
           '#include "controls/QelresPictures.h"', "", "namespace znp {", "", "namespace {", ""]
    out += [t for _, t in tables]
    out += ["", "}  // namespace", "", "const ShippedPicture kShippedPictures[] = {"]
    out += ["    {%d, kPicture%d, sizeof kPicture%d}," % (n, n, n) for n, _ in tables]
    out += ["};", "", "const int kShippedPictureCount = %d;" % len(tables), "", "}  // namespace znp", ""]
    with open(os.path.join(ROOT, "src", "controls", "QelresPictures.cpp"), "w") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the pictures that both programs carry as resources.

    make_pictures.py OUTPUT_DIR

writes army.ico (the window class icon), dot11.bmp and dot22.bmp (the marks of
the "Male Only" option) and quenrow.bmp (the maker's logo of the About box).
The pictures are drawn from code rather than kept as binaries, so they can be
reviewed and changed like any other source; the output is the same, byte for
byte, on every run.
"""

import math
import os
import struct
import sys

# The standard 16-colour palette in the order every 16-colour Windows bitmap
# expects it, as (red, green, blue).
PALETTE16 = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 dark blue
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, DARK_GREEN, OLIVE, DARK_BLUE = 0, 2, 3, 4
GREY, RED, YELLOW, BLUE, WHITE = 8, 9, 11, 12, 15

PALETTE2 = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]


# --- File formats ----------------------------------------------------------

def _row_bytes(row, bpp):
    """Packs one row of palette indexes, most significant bits first, padded
    to a multiple of four bytes as DIB rows must be."""
    per_byte = 8 // bpp
    out = bytearray()
    for start in range(0, len(row), per_byte):
        value = 0
        chunk = row[start:start + per_byte]
        for i in range(per_byte):
            index = chunk[i] if i < len(chunk) else 0
            if not 0 <= index < (1 << bpp):
                raise ValueError(f"palette index {index} does not fit {bpp} bits")
            value = (value << bpp) | index
        out.append(value)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def _pixel_bytes(pixels, bpp):
    # DIBs with a positive height are stored bottom row first.
    return b"".join(_row_bytes(row, bpp) for row in reversed(pixels))


def _palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def _info_header(width, height, bpp, image_size, colours):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression
    # (BI_RGB), image size, resolution x and y (none), colours used,
    # colours important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, colours, 0)


def bmp_bytes(pixels, bpp, palette):
    height = len(pixels)
    width = len(pixels[0])
    if any(len(row) != width for row in pixels):
        raise ValueError("ragged picture")
    if len(palette) != 1 << bpp:
        raise ValueError("palette size does not match the bit count")
    bits = _pixel_bytes(pixels, bpp)
    info = _info_header(width, height, bpp, len(bits), len(palette))
    colours = _palette_bytes(palette)
    offset = 14 + len(info) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + info + colours + bits


def ico_bytes(pixels, transparent):
    """One 16-colour image in an icon file: colour bits, then the AND mask in
    which a set bit lets the background show through."""
    height = len(pixels)
    width = len(pixels[0])
    colour = [[0 if transparent[y][x] else pixels[y][x] for x in range(width)]
              for y in range(height)]
    mask = [[1 if transparent[y][x] else 0 for x in range(width)]
            for y in range(height)]
    xor_bits = _pixel_bytes(colour, 4)
    and_bits = _pixel_bytes(mask, 1)
    # An icon image's header counts both halves in its height.
    info = _info_header(width, 2 * height, 4, len(xor_bits) + len(and_bits), 16)
    image = info + _palette_bytes(PALETTE16) + xor_bits + and_bits
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image),
                        len(directory) + 16)
    return directory + entry + image


# --- Drawing helpers -------------------------------------------------------

def canvas(width, height, index):
    return [[index] * width for _ in range(height)]


def coverage(inside, x, y, n=4):
    """Share of the pixel (x, y) that the shape covers, from n x n samples."""
    hits = 0
    for sy in range(n):
        for sx in range(n):
            if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                hits += 1
    return hits / (n * n)


def polygon_contains(points, px, py):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > py) != (yj > py):
            if px < xi + (py - yi) * (xj - xi) / (yj - yi):
                inside = not inside
        j = i
    return inside


def star_points(cx, cy, outer, inner):
    """A five-pointed star with one point straight up."""
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def draw_glyphs(pixels, text, font, x, y, index, x_scale=1, y_scale=1, bold=False,
                spacing=1):
    """Draws text from a bitmap font whose glyphs are lists of strings with '#'
    for a set pixel. Returns the x just after the last glyph."""
    for ch in text:
        glyph = font[ch]
        width = len(glyph[0])
        for row, line in enumerate(glyph):
            for col, mark in enumerate(line):
                if mark != "#":
                    continue
                for dy in range(y_scale):
                    for dx in range(x_scale + (1 if bold else 0)):
                        pixels[y + row * y_scale + dy][x + col * x_scale + dx] = index
        x += width * x_scale + (1 if bold else 0) + spacing
    return x - spacing


def text_width(text, font, x_scale=1, bold=False, spacing=1):
    total = sum(len(font[ch][0]) * x_scale + (1 if bold else 0) for ch in text)
    return total + spacing * (len(text) - 1)


# A 5 x 7 font, only the letters of the maker's name.
FONT_5X7 = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
}

# A 3 x 5 font for the small line under the name.
FONT_3X5 = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "C": ["###", "#..", "#..", "#..", "###"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "O": ["###", "#.#", "#.#", "#.#", "###"],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "S": ["###", "#..", "###", "..#", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "U": ["#.#", "#.#", "#.#", "#.#", "###"],
}


# --- The pictures ----------------------------------------------------------

def dot11():
    """One black pixel, monochrome."""
    return bmp_bytes([[0]], 1, PALETTE2)


def dot22():
    """Four black pixels in 16 colours."""
    return bmp_bytes(canvas(2, 2, BLACK), 4, PALETTE16)


def army_icon():
    """An olive-drab shield with a black rim and a white five-pointed star."""
    size = 32
    cx = 16.0

    def shield(px, py):
        if py < 2.0 or py > 30.5:
            return False
        if py <= 16.0:
            return abs(px - cx) <= 13.0
        # Below the straight sides the edge curves in to a point at the bottom.
        t = (py - 16.0) / 14.5
        return abs(px - cx) <= 13.0 * math.sqrt(max(0.0, 1.0 - t * t))

    star = star_points(cx, 15.5, 9.5, 3.8)

    inside = [[coverage(shield, x, y) >= 0.5 for x in range(size)] for y in range(size)]

    def edge_distance(x, y):
        """Steps (4-neighbourhood) from a shield pixel to the outside, up to 3."""
        for d in range(1, 3):
            for nx, ny in ((x - d, y), (x + d, y), (x, y - d), (x, y + d)):
                if not (0 <= nx < size and 0 <= ny < size and inside[ny][nx]):
                    return d
        return 3

    pixels = canvas(size, size, BLACK)
    transparent = [[not inside[y][x] for x in range(size)] for y in range(size)]
    for y in range(size):
        for x in range(size):
            if not inside[y][x]:
                continue
            d = edge_distance(x, y)
            if d == 1:
                pixels[y][x] = BLACK
            elif d == 2:
                pixels[y][x] = DARK_GREEN
            elif coverage(lambda px, py: polygon_contains(star, px, py), x, y) >= 0.5:
                pixels[y][x] = WHITE
            else:
                pixels[y][x] = OLIVE
    return ico_bytes(pixels, transparent)


def quenrow_logo():
    """104 x 43: a round "Q" emblem and the name QUENROW on a framed white card."""
    width, height = 104, 43
    pixels = canvas(width, height, WHITE)
    for x in range(width):
        pixels[0][x] = pixels[height - 1][x] = DARK_BLUE
    for y in range(height):
        pixels[y][0] = pixels[y][width - 1] = DARK_BLUE

    # The emblem: a blue disc with a dark rim, a white ring and a yellow tail
    # crossing it at the lower right, which together read as a Q.
    ex, ey = 21.5, 21.5
    for y in range(2, height - 2):
        for x in range(2, 42):
            px, py = x + 0.5, y + 0.5
            d = math.hypot(px - ex, py - ey)
            if d > 17.5:
                continue
            colour = DARK_BLUE if d > 15.5 else BLUE
            if 5.8 <= d <= 10.3:
                colour = WHITE
            if d <= 15.5 and segment_distance(px, py, 24.5, 24.5, 32.5, 32.5) <= 1.8:
                colour = YELLOW
            pixels[y][x] = colour

    name = "QUENROW"
    name_left = 45
    name_width = text_width(name, FONT_5X7, bold=True, spacing=2)
    draw_glyphs(pixels, name, FONT_5X7, name_left, 8, DARK_BLUE, y_scale=2,
                bold=True, spacing=2)
    for y in (25, 26):
        for x in range(name_left, name_left + name_width):
            pixels[y][x] = RED
    tagline = "CALCULATORS"
    tag_width = text_width(tagline, FONT_3X5)
    draw_glyphs(pixels, tagline, FONT_3X5,
                name_left + (name_width - tag_width) // 2, 30, GREY)
    return bmp_bytes(pixels, 4, PALETTE16)


PICTURES = {
    "army.ico": army_icon,
    "dot11.bmp": dot11,
    "dot22.bmp": dot22,
    "quenrow.bmp": quenrow_logo,
}


def main(argv):
    if len(argv) != 2:
        print("usage: make_pictures.py OUTPUT_DIR", file=sys.stderr)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(draw())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Draws the application's images (toolbar strips, team flags, icons, small
button images) into resources/app/ and writes the files the program finds
beside its .exe into app/assets/: the match list GAMES.XML (from the simulated
site's table) and the two JPEG pictures pics/logo.jpg and pics/about.jpg.
Standard library only; a rerun writes the same bytes. The files are committed."""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, 'ticketsite'))

import make_test_images as img  # noqa: E402  (shared BMP/ICO writers and shapes)
import sitedata  # noqa: E402

ROOT = os.path.join(HERE, '..')
RES = os.path.join(ROOT, 'resources', 'app')
ASSETS = os.path.join(ROOT, 'app', 'assets')

GREEN = (0, 255, 0)

# ---------------------------------------------------------------- pixel font
# 5 x 7 glyphs, one string of five bits per row.
FONT = {
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'B': ['11110', '10001', '10001', '11110', '10001', '10001', '11110'],
    'C': ['01110', '10001', '10000', '10000', '10000', '10001', '01110'],
    'D': ['11110', '10001', '10001', '10001', '10001', '10001', '11110'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
    'H': ['10001', '10001', '10001', '11111', '10001', '10001', '10001'],
    'I': ['01110', '00100', '00100', '00100', '00100', '00100', '01110'],
    'K': ['10001', '10010', '10100', '11000', '10100', '10010', '10001'],
    'L': ['10000', '10000', '10000', '10000', '10000', '10000', '11111'],
    'N': ['10001', '11001', '10101', '10011', '10001', '10001', '10001'],
    'O': ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'V': ['10001', '10001', '10001', '10001', '10001', '01010', '00100'],
    'W': ['10001', '10001', '10001', '10101', '10101', '10101', '01010'],
    '0': ['01110', '10001', '10011', '10101', '11001', '10001', '01110'],
    '1': ['00100', '01100', '00100', '00100', '00100', '00100', '01110'],
    '2': ['01110', '10001', '00001', '00010', '00100', '01000', '11111'],
    '6': ['00110', '01000', '10000', '11110', '10001', '10001', '01110'],
    '?': ['01110', '10001', '00001', '00010', '00100', '00000', '00100'],
    '.': ['00000', '00000', '00000', '00000', '00000', '01100', '01100'],
    '-': ['00000', '00000', '00000', '11111', '00000', '00000', '00000'],
    ' ': ['00000'] * 7,
}


def text_shape(text, x0, y0, scale):
    """Inside-test of a text drawn with the pixel font, one cell = scale."""
    advance = 6 * scale

    def inside(x, y):
        col = int((x - x0) // advance)
        if col < 0 or col >= len(text) or y < y0:
            return False
        gx = int((x - x0 - col * advance) // scale)
        gy = int((y - y0) // scale)
        if gx > 4 or gy > 6:
            return False
        return FONT[text[col]][gy][gx] == '1'
    return inside


def text_width(text, scale):
    return len(text) * 6 * scale - scale


# ------------------------------------------------------------ layered images
def render(width, height, layers, background=None, n=4):
    """Rows top-down of (b, g, r, a): layers (shape, colour) painted in order
    with supersampled coverage over a background (None: transparent)."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            if background is None:
                r = g = b = 0.0
                a = 0.0
            else:
                r, g, b = (float(c) for c in background(x, y))
                a = 1.0
            for shape, colour in layers:
                cov = img.coverage(shape, x, y, n)
                if cov == 0:
                    continue
                cr, cg, cb = colour(x, y) if callable(colour) else colour
                # "over" with straight alpha
                na = cov + a * (1 - cov)
                r = (cr * cov + r * a * (1 - cov)) / na
                g = (cg * cov + g * a * (1 - cov)) / na
                b = (cb * cov + b * a * (1 - cov)) / na
                a = na
            row.append((int(round(b)), int(round(g)), int(round(r)), int(round(a * 255))))
        rows.append(row)
    return rows


def on_background(rows, background):
    """Flattens straight-alpha rows onto a solid colour, hard edges (for the
    24-bit strips cut by a mask colour)."""
    out = []
    for row in rows:
        line = []
        for b, g, r, a in row:
            line.append((b, g, r) if a >= 128 else tuple(reversed(background)))
        out.append(line)
    return out


def shaded(colour, top, height):
    def paint(x, y):
        f = 1.2 - 0.4 * (y - top) / max(height, 1)
        return tuple(max(0, min(255, int(c * f))) for c in colour)
    return paint


def poly(points):
    """Inside-test of a convex or concave polygon (even-odd)."""
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def rounded_box(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ticket(x0, y0, x1, y1):
    """A ticket: rounded card with two half-round notches at the sides."""
    cy = (y0 + y1) / 2
    return minus(rounded_box(x0, y0, x1, y1, 2.5),
                 union(img.circle(x0, cy, 3), img.circle(x1, cy, 3)))


# --------------------------------------------------------- toolbar buttons
def button_images():
    """The seven 32 x 32 toolbar images: start search, stop search, single
    ticket, TST ticket, options, help, logo."""
    s = 32
    start = [(img.circle(16, 16, 14.5), shaded((40, 150, 60), 2, 28)),
             (poly([(12, 8), (25, 16), (12, 24)]), (255, 255, 255))]
    stop = [(img.circle(16, 16, 14.5), shaded((200, 45, 40), 2, 28)),
            (img.box(10, 10, 22, 22), (255, 255, 255))]
    single = [(ticket(2, 7, 30, 25), shaded((240, 180, 40), 7, 18)),
              (text_shape('1', 13, 9.5, 2), (120, 60, 0))]
    tst = [(ticket(2, 7, 30, 25), shaded((70, 130, 210), 7, 18)),
           (text_shape('TST', 5.4, 11.6, 1.25), (255, 255, 255))]

    def gear(x, y):
        dx, dy = x - 16, y - 16
        d = math.hypot(dx, dy)
        a = math.atan2(dy, dx)
        tooth = 0.5 + 0.5 * math.cos(8 * a)
        outer = 11 + 3.5 * (1 if tooth > 0.5 else 0)
        return 5 <= d <= outer
    options = [(gear, shaded((130, 130, 140), 2, 28))]
    helpme = [(img.circle(16, 16, 14.5), shaded((50, 100, 200), 2, 28)),
              (text_shape('?', 10.5, 5.5, 3), (255, 255, 255))]
    logo = [(img.star(32), shaded((245, 190, 30), 0, 32)),
            (img.circle(16, 17, 4), (200, 60, 30))]
    return [render(s, s, layers) for layers in (start, stop, single, tst, options, helpme, logo)]


# ------------------------------------------------------------------- flags
def stripes_h(*colours):
    """Horizontal bands of equal height (a colour listed twice is twice as high)."""
    return lambda u, v: colours[min(int(v * len(colours)), len(colours) - 1)]


def stripes_v(*colours):
    return lambda u, v: colours[min(int(u * len(colours)), len(colours) - 1)]


def with_(base, shape, colour):
    return lambda u, v: colour if shape(u, v) else base(u, v)


def disc(cx, cy, r, aspect=16 / 11.0):
    return lambda u, v: ((u - cx) * aspect) ** 2 + (v - cy) ** 2 <= r * r


def rect(u0, v0, u1, v1):
    return lambda u, v: u0 <= u < u1 and v0 <= v < v1


RED, WHITE, BLUE, BLACK = (206, 17, 38), (255, 255, 255), (0, 56, 168), (0, 0, 0)
GOLD, YELLOW, GREEN_F = (255, 204, 0), (252, 209, 22), (0, 135, 60)
ORANGE, LIGHT_BLUE = (247, 127, 0), (116, 172, 223)


def cross(u, v, width=0.2, cu=0.5):
    return abs(u - cu) < width / 2 or abs(v - 0.5) < width * 16 / 11 / 2


FLAGS = {
    1: stripes_h(BLACK, RED, GOLD),
    2: with_(lambda u, v: RED if int(v * 7) % 2 == 0 else WHITE, rect(0, 0, 0.45, 4 / 7), (60, 59, 110)),
    3: stripes_h(BLUE, WHITE, RED, RED, WHITE, BLUE),
    4: stripes_h(WHITE, RED),
    5: stripes_h(YELLOW, YELLOW, BLUE, RED),
    6: with_(lambda u, v: WHITE, lambda u, v: cross(u, v, 0.18), RED),
    7: stripes_h(RED, WHITE, BLUE),
    8: with_(with_(lambda u, v: RED, lambda u, v: abs((u - v) * 0.7) < 0.2, WHITE),
             lambda u, v: abs((u - v) * 0.7) < 0.13, BLACK),
    9: with_(lambda u, v: (0, 106, 167), lambda u, v: cross(u, v, 0.18, 0.38), (254, 204, 0)),
    10: with_(stripes_h(LIGHT_BLUE, WHITE, LIGHT_BLUE), disc(0.5, 0.5, 0.13), GOLD),
    11: stripes_v(ORANGE, WHITE, GREEN_F),
    12: stripes_h(BLUE, WHITE, RED),
    13: stripes_h((174, 28, 40), WHITE, (33, 70, 139)),
    14: with_(stripes_v((0, 104, 71), WHITE, RED), disc(0.5, 0.5, 0.12), (140, 90, 40)),
    15: stripes_h((35, 159, 64), WHITE, (218, 0, 0)),
    16: with_(stripes_h(RED, BLACK), disc(0.5, 0.5, 0.16), GOLD),
    17: with_(lambda u, v: (0, 102, 0) if u < 0.4 else (255, 0, 0), disc(0.4, 0.5, 0.2), GOLD),
    18: stripes_v((0, 146, 70), WHITE, (206, 43, 55)),
    19: with_(stripes_h(RED, GOLD, (0, 107, 63)), disc(0.5, 0.5, 0.13), BLACK),
    20: with_(stripes_h(WHITE, (215, 20, 26)), lambda u, v: u < 0.5 * (1 - abs(v - 0.5) * 2), (17, 69, 126)),
    21: with_(with_(lambda u, v: (0, 156, 59), lambda u, v: abs(u - 0.5) * 1.1 + abs(v - 0.5) * 1.3 < 0.45,
                    (255, 223, 0)), disc(0.5, 0.5, 0.22), (0, 39, 118)),
    22: lambda u, v: ((RED if (int(u * 20) + int(v * 14)) % 2 == 0 else WHITE)
                      if 0.38 <= u < 0.62 and 0.22 <= v < 0.65 else stripes_h(RED, WHITE, (23, 23, 150))(u, v)),
    23: with_(with_(lambda u, v: (0, 0, 139), rect(0, 0, 0.5, 0.5), (0, 0, 139)),
              lambda u, v: (u < 0.5 and v < 0.5 and (abs(u - 0.25) < 0.04 or abs(v - 0.25) < 0.06))
              or disc(0.25, 0.78, 0.08)(u, v) or disc(0.75, 0.3, 0.06)(u, v) or disc(0.8, 0.7, 0.06)(u, v),
              WHITE),
    24: with_(lambda u, v: WHITE, disc(0.5, 0.5, 0.3), (188, 0, 45)),
    25: stripes_v((0, 35, 149), WHITE, (237, 41, 57)),
    26: with_(lambda u, v: (255, 0, 0), lambda u, v: (abs(u - 0.5) < 0.08 and abs(v - 0.5) < 0.32)
              or (abs(u - 0.5) < 0.22 and abs(v - 0.5) < 0.11), WHITE),
    27: with_(with_(lambda u, v: WHITE, disc(0.5, 0.5, 0.26), (0, 71, 160)),
              lambda u, v: disc(0.5, 0.5, 0.26)(u, v) and v < 0.5, (205, 46, 58)),
    28: with_(with_(lambda u, v: (0, 106, 78) if int(v * 5) % 2 == 0 else (255, 206, 0),
                    rect(0, 0, 0.4, 0.6), (210, 16, 52)), disc(0.2, 0.3, 0.1), WHITE),
    29: stripes_h((170, 21, 27), (241, 191, 0), (241, 191, 0), (170, 21, 27)),
    30: stripes_h((0, 87, 183), (255, 215, 0)),
    31: with_(with_(lambda u, v: (231, 0, 19), disc(0.5, 0.5, 0.3), WHITE), disc(0.53, 0.5, 0.18),
              (231, 0, 19)),
    32: with_(lambda u, v: (0, 108, 53), lambda u, v: (0.2 < u < 0.8 and abs(v - 0.68) < 0.04)
              or (0.25 < u < 0.75 and abs(v - 0.38) < 0.1 and int(u * 18) % 2 == 0), WHITE),
}


def flag_image(number):
    """One 16 x 16 flag: an 16 x 11 cloth with a thin grey edge, transparent
    above and below."""
    paint = FLAGS[number]
    cloth = img.box(0, 2.5, 16, 13.5)

    def colour(x, y):
        u, v = (x + 0.5) / 16.0, (y + 0.5 - 2.5) / 11.0
        return paint(min(max(u, 0), 0.999), min(max(v, 0), 0.999))

    rows = render(16, 16, [(cloth, colour)], n=1)
    # A soft edge so that white flags show on a white row.
    for y in range(16):
        for x in range(16):
            b, g, r, a = rows[y][x]
            if a and (x in (0, 15) or y in (2, 13)):
                rows[y][x] = (b * 3 // 4, g * 3 // 4, r * 3 // 4, a)
    return rows


# --------------------------------------------------------------- small bits
def web_icons():
    """Bitmap 147: two 16 x 16 images on green: a globe (32802) and a page
    with a link arrow (32801)."""
    def globe(x, y):
        d = math.hypot(x - 8, y - 8)
        return d <= 7 and not (abs(x - 8) < 0.6 and d > 1) and not (abs(y - 8) < 0.6 and d > 1) \
            and not (abs(math.hypot((x - 8) * 2.2, y - 8) - 6.5) < 0.7)
    first = render(16, 16, [(globe, shaded((40, 110, 200), 1, 14))])
    page = union(img.box(3, 1, 13, 15))
    arrow = poly([(6, 12), (10, 8), (8, 8), (11, 5), (12, 9), (11, 8), (7, 13)])
    second = render(16, 16, [(page, (250, 250, 250)), (minus(img.box(3, 1, 13, 15), img.box(4, 2, 12, 14)),
                                                       (90, 90, 90)), (arrow, (30, 120, 200))])
    return [on_background(first, GREEN), on_background(second, GREEN)]


def play_image():
    """Bitmap 144: the options dialog's play button, 16 x 16 on green."""
    speaker = poly([(2, 6), (5, 6), (9, 2), (9, 14), (5, 10), (2, 10)])

    def waves(x, y):
        d = math.hypot(x - 8, y - 8)
        return x > 10 and (abs(d - 4.5) < 0.7 or abs(d - 7) < 0.7)
    return on_background(render(16, 16, [(speaker, (40, 40, 40)), (waves, (40, 110, 200))]), GREEN)


def close_icon():
    """Icon 136: the alert popup's close button, 16 x 16."""
    def x_mark(x, y):
        return 3 <= x <= 13 and 3 <= y <= 13 and (abs((x - 8) - (y - 8)) < 1.3 or abs((x - 8) + (y - 8)) < 1.3)
    rows = render(16, 16, [(rounded_box(1, 1, 15, 15, 2), (235, 235, 235)),
                           (minus(rounded_box(1, 1, 15, 15, 2), rounded_box(2, 2, 14, 14, 1.5)), (120, 120, 120)),
                           (x_mark, (90, 90, 90))])
    return rows


def app_icon(size):
    """Icon 128: a golden ticket with a red dot."""
    k = size / 32.0
    layers = [(ticket(1 * k, 6 * k, 31 * k, 26 * k), shaded((240, 180, 40), 6 * k, 20 * k)),
              (img.circle(16 * k, 16 * k, 5 * k), (200, 50, 30))]
    return render(size, size, layers)


# ------------------------------------------------------------------ writers
def write_bmp(path, rows, bits):
    data = img.pixel_bytes(rows, bits)
    width, height = len(rows[0]), len(rows)
    header = img.info_header(width, height, bits, len(data))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header))
    with open(path, 'wb') as f:
        f.write(file_header + header + data)


def write_icon_resource(stem, images, first_id):
    """An icon as the raw resources a group icon is made of: one image file
    per size (ids first_id, first_id + 1, ...) and the group directory that
    names them. Raw, because icon image ids are numbered per script
    otherwise and would clash with the other scripts' icons."""
    entries = b''
    for k, rows in enumerate(images):
        size = len(rows)
        mask = [[px[3] == 0 for px in row] for row in rows]
        blob = img.icon_image(rows, mask, 32)
        with open(os.path.join(RES, '%s%d.icoimg' % (stem, size)), 'wb') as f:
            f.write(blob)
        entries += struct.pack('<BBBBHHIH', size % 256, size % 256, 0, 0, 1, 32, len(blob), first_id + k)
    with open(os.path.join(RES, stem + '.icogrp'), 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries)


def write_toolbar(path, width, height, ids):
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHHH', 1, width, height, len(ids)) + struct.pack('<%dH' % len(ids), *ids))


# ------------------------------------------------------------ baseline JPEG
ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7,
          14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46,
          53, 60, 61, 54, 47, 55, 62, 63]
LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22,
          29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92, 49, 64, 78, 87, 103,
          121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99, 99, 47, 66,
            99, 99, 99, 99, 99, 99] + [99] * 32
# Standard Huffman tables: code counts per length 1..16, then the symbols.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d], bytes.fromhex(
    '01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435363738'
    '393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a92939495969798999aa2a3a4a5'
    'a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa'))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    '000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a353637'
    '38393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a92939495969798999aa2a3'
    'a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa'))


def huffman_codes(table):
    counts, symbols = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def scaled_quant(base, quality):
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [max(1, min(255, (q * scale + 50) // 100)) for q in base]


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1.0) / 2 for x in range(8)]
       for u in range(8)]


def fdct(block):
    """Separable 8 x 8 forward DCT of 64 values (row-major)."""
    rows = [[sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def write(self, code, length):
        self.acc = (self.acc << length) | code
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.acc >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # byte stuffing
        self.acc &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def magnitude(value):
    bits = abs(value).bit_length()
    return bits, (value if value >= 0 else value + (1 << bits) - 1)


def encode_block(bits, coefficients, quant, previous_dc, dc_codes, ac_codes):
    q = [int(round(coefficients[ZIGZAG[i]] / quant[i])) for i in range(64)]
    diff = q[0] - previous_dc
    size, value = magnitude(diff)
    bits.write(*dc_codes[size])
    if size:
        bits.write(value, size)
    run = 0
    for i in range(1, 64):
        if q[i] == 0:
            run += 1
            continue
        while run > 15:
            bits.write(*ac_codes[0xF0])
            run -= 16
        size, value = magnitude(q[i])
        bits.write(*ac_codes[(run << 4) | size])
        bits.write(value, size)
        run = 0
    if run:
        bits.write(*ac_codes[0x00])
    return q[0]


def write_jpeg(path, rgb_rows, quality=90):
    """Baseline JPEG, YCbCr 4:4:4, standard Huffman tables."""
    height, width = len(rgb_rows), len(rgb_rows[0])
    lq, cq = scaled_quant(LUMA_Q, quality), scaled_quant(CHROMA_Q, quality)
    planes = [[], [], []]
    for row in rgb_rows:
        for p in planes:
            p.append([])
        for r, g, b in row:
            planes[0][-1].append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            planes[1][-1].append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2][-1].append(0.5 * r - 0.418688 * g - 0.081312 * b)
    codes = [(huffman_codes(DC_LUMA), huffman_codes(AC_LUMA), lq),
             (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA), cq),
             (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA), cq)]
    bits = BitWriter()
    dc = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = [planes[c][min(by + y, height - 1)][min(bx + x, width - 1)] for y in range(8) for x in range(8)]
                dc_codes, ac_codes, quant = codes[c]
                dc[c] = encode_block(bits, fdct(block), quant, dc[c], dc_codes, ac_codes)
    bits.flush()

    def segment(marker, payload):
        return struct.pack('>BBH', 0xFF, marker, len(payload) + 2) + payload

    out = b'\xff\xd8'
    out += segment(0xE0, b'JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00')
    out += segment(0xDB, b'\x00' + bytes(lq) + b'\x01' + bytes(cq))
    out += segment(0xC0, struct.pack('>BHHB', 8, height, width, 3) + b'\x01\x11\x00\x02\x11\x01\x03\x11\x01')
    for cls_id, table in ((0x00, DC_LUMA), (0x10, AC_LUMA), (0x01, DC_CHROMA), (0x11, AC_CHROMA)):
        out += segment(0xC4, bytes([cls_id]) + bytes(table[0]) + bytes(table[1]))
    out += segment(0xDA, b'\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00')
    out += bytes(bits.out) + b'\xff\xd9'
    with open(path, 'wb') as f:
        f.write(out)


def flatten(rows):
    """(b, g, r, a) rows over white to (r, g, b)."""
    out = []
    for row in rows:
        out.append([tuple(int(round(c * a / 255 + 255 * (1 - a / 255))) for c in (r, g, b)) for b, g, r, a in row])
    return out


def logo_picture():
    """pics/logo.jpg: 256 x 64, the product name beside a golden ticket."""
    w, h = 256, 64

    def sky(x, y):
        t = y / (h - 1)
        return (int(255 - 30 * t), int(250 - 40 * t), int(235 - 90 * t))
    name = 'TAVROLIN'
    layers = [(ticket(6, 12, 62, 52), shaded((240, 180, 40), 12, 40)),
              (img.circle(34, 32, 9), (200, 50, 30)),
              (text_shape(name, 76, 19.75, 3.5), (30, 60, 120))]
    return [[(r, g, b) for b, g, r, a in row] for row in render(w, h, layers, background=sky, n=3)]


def about_picture():
    """pics/about.jpg: 400 x 300, the About box's whole content."""
    w, h = 400, 300

    def backdrop(x, y):
        t = y / (h - 1)
        return (int(20 + 30 * t), int(60 + 70 * t), int(130 + 60 * t))
    stripes = lambda x, y: y > 230 and int((x + y) / 12) % 2 == 0  # noqa: E731
    title = 'TAVROLIN'
    tx = (w - text_width(title, 8)) / 2
    version = 'VERSION 1.0'
    vx = (w - text_width(version, 3)) / 2
    maker = 'BRANNOCH 2006'
    mx = (w - text_width(maker, 2)) / 2
    layers = [(stripes, (35, 85, 160)),
              (ticket(150, 30, 250, 90), shaded((240, 180, 40), 30, 60)),
              (img.circle(200, 60, 13), (200, 50, 30)),
              (text_shape(title, tx, 115, 8), (255, 255, 255)),
              (text_shape(version, vx, 190, 3), (230, 230, 180)),
              (text_shape(maker, mx, 250, 2), (200, 210, 230))]
    return [[(r, g, b) for b, g, r, a in row] for row in render(w, h, layers, background=backdrop, n=2)]


# -------------------------------------------------------------- GAMES.XML
def round_name(match):
    if match.number <= 48:
        for letter, teams in sitedata.GROUPS:
            if sitedata.TEAMS[teams[0]] in (match.first, match.second) or \
               any(sitedata.TEAMS[t] == match.first for t in teams):
                return 'Gruppe ' + letter
        raise ValueError('match %d in no group' % match.number)
    if match.number <= 56:
        return 'Achtelfinale'
    if match.number <= 60:
        return 'Viertelfinale'
    if match.number <= 62:
        return 'Halbfinale'
    return 'Spiel um Platz 3' if match.number == 63 else 'Finale'


def xml_text(text):
    return text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


def games_xml():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', '<Games>']
    for m in sitedata.MATCHES:
        # year-day-month, the order the program's XML reader expects
        when = m.when.strftime('%Y-%d-%mT%H:%M:%S')
        lines.append('  <Record>')
        for name, value in (('ID', str(m.number)), ('Round', round_name(m)), ('Country1', m.first),
                            ('Country2', m.second), ('City', m.city), ('Date', when)):
            lines.append('    <%s>%s</%s>' % (name, xml_text(value), name))
        lines.append('  </Record>')
    lines.append('</Games>')
    return ('\r\n'.join(lines) + '\r\n').encode('utf-8')


def main():
    os.makedirs(RES, exist_ok=True)
    os.makedirs(os.path.join(ASSETS, 'pics'), exist_ok=True)
    buttons = button_images()
    write_bmp(os.path.join(RES, 'toolbar32.bmp'), img.strip(buttons), 32)
    write_bmp(os.path.join(RES, 'toolbar24.bmp'), img.strip([on_background(b, GREEN) for b in buttons]), 24)
    toolbar = [32771, 32772, 32775, 32804, 0, 32773, 0, 57670, 32823]
    write_toolbar(os.path.join(RES, 'toolbar32.tbr'), 32, 32, toolbar)
    write_toolbar(os.path.join(RES, 'toolbar24.tbr'), 32, 32, toolbar)
    write_bmp(os.path.join(RES, 'flags.bmp'), img.strip([flag_image(n) for n in range(1, 33)]), 32)
    write_bmp(os.path.join(RES, 'play.bmp'), play_image(), 24)
    write_bmp(os.path.join(RES, 'webicons.bmp'), img.strip(web_icons()), 24)
    write_icon_resource('tavrolin', [app_icon(16), app_icon(32), app_icon(48)], 12801)
    write_icon_resource('close', [close_icon()], 13601)
    with open(os.path.join(ASSETS, 'GAMES.XML'), 'wb') as f:
        f.write(games_xml())
    write_jpeg(os.path.join(ASSETS, 'pics', 'logo.jpg'), logo_picture())
    write_jpeg(os.path.join(ASSETS, 'pics', 'about.jpg'), about_picture())


if __name__ == '__main__':
    main()

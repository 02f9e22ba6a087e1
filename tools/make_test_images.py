#!/usr/bin/env python3
"""Draws the small images the toolkit's image code is tried on and writes them
into resources/images/ (32-bit alpha and 24-bit colour bitmap strips, icons
with 32-bit and 24-bit images, a toolbar resource), and the button image
editor's cursors into resources/toolkit_common/. Run it again after
changing a drawing; the files are committed."""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'images')

GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)


def coverage(shape, x, y, n=4):
    """Fraction (0..1) of pixel (x, y) inside shape, by n x n supersampling."""
    inside = 0
    for sy in range(n):
        for sx in range(n):
            if shape(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                inside += 1
    return inside / (n * n)


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def triangle(size):
    def inside(x, y):
        # apex at the top centre, base along the bottom
        h = size - 2
        if y < 1 or y > 1 + h:
            return False
        half = (y - 1) / h * (size / 2 - 1)
        return abs(x - size / 2) <= half
    return inside


def diamond(size):
    c = size / 2
    return lambda x, y: abs(x - c) + abs(y - c) <= c - 1


def star(size):
    c = size / 2
    outer, inner = c - 0.5, (c - 0.5) * 0.45

    def inside(x, y):
        a = math.atan2(y - c, x - c) + math.pi / 2
        d = math.hypot(x - c, y - c)
        k = (a % (2 * math.pi / 5)) / (2 * math.pi / 5)
        edge = inner + (outer - inner) * abs(1 - 2 * k)
        return d <= edge
    return inside


def ring(size):
    c = size / 2
    return lambda x, y: (c - 2) ** 2 <= (x - c) ** 2 + (y - c) ** 2 <= (c - 0.5) ** 2


def cross(size):
    c = size / 2
    return lambda x, y: abs(x - c) < size * 0.15 or abs(y - c) < size * 0.15


def arrow(size):
    def inside(x, y):
        c = size / 2
        if x < size * 0.55:
            return abs(y - c) < size * 0.15 and x > 1
        return abs(y - c) <= (size - 1 - x) and x < size - 1
    return inside


def frame(size):
    return lambda x, y: (1 <= x < size - 1 and 1 <= y < size - 1) and not (4 <= x < size - 4 and 4 <= y < size - 4)


def half_moon(size):
    c = size / 2
    return lambda x, y: circle(c, c, c - 1)(x, y) and not circle(c + 4, c - 2, c - 2)(x, y)


SHAPES = [
    (circle(8, 8, 7), (220, 40, 40)),
    (box(2, 2, 14, 14), (40, 110, 220)),
    (triangle(16), (240, 170, 20)),
    (diamond(16), (30, 160, 70)),
    (star(16), (250, 200, 0)),
    (ring(16), (120, 40, 170)),
    (cross(16), (200, 30, 30)),
    (arrow(16), (20, 120, 160)),
    (frame(16), (90, 90, 90)),
    (half_moon(16), (230, 190, 60)),
]


def scaled(shape, factor):
    """A shape drawn for 16 pixels, stretched by factor."""
    return lambda x, y: shape(x / factor, y / factor)


def shade(colour, y, height):
    """A light top-to-bottom shading so the icons do not look flat."""
    f = 1.15 - 0.3 * y / max(height - 1, 1)
    return tuple(max(0, min(255, int(c * f))) for c in colour)


def draw_alpha(shape, colour, size):
    """Rows top-down of (b, g, r, a), straight (not premultiplied) alpha."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            a = int(round(coverage(shape, x, y) * 255))
            r, g, b = shade(colour, y, size) if a else (0, 0, 0)
            row.append((b, g, r, a))
        rows.append(row)
    return rows


def draw_masked(shape, colour, size, background):
    """Rows top-down of (b, g, r) with hard edges on a background colour, and
    the matching transparency (True where the background shows)."""
    rows, mask = [], []
    for y in range(size):
        row, mrow = [], []
        for x in range(size):
            on = coverage(shape, x, y) >= 0.5
            r, g, b = shade(colour, y, size) if on else background
            row.append((b, g, r))
            mrow.append(not on)
        rows.append(row)
        mask.append(mrow)
    return rows, mask


def info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def pixel_bytes(rows, bits):
    """Bottom-up pixel data, rows padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for px in row:
            line += bytes(px[:bits // 8])
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def write_bmp(name, rows, bits):
    data = pixel_bytes(rows, bits)
    width, height = len(rows[0]), len(rows)
    header = info_header(width, height, bits, len(data))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0, 14 + len(header))
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(file_header + header + data)


def mask_bytes(mask):
    out = bytearray()
    for mrow in reversed(mask):
        line = bytearray((len(mrow) + 7) // 8)
        for x, transparent in enumerate(mrow):
            if transparent:
                line[x // 8] |= 0x80 >> (x % 8)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(rows, mask, bits):
    width, height = len(rows[0]), len(rows)
    colour = pixel_bytes(rows, bits)
    and_mask = mask_bytes(mask)
    return info_header(width, height * 2, bits, len(colour) + len(and_mask)) + colour + and_mask


def write_ico(name, images):
    """images: list of (width, height, bits, bytes)."""
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b'', b''
    for width, height, bits, blob in images:
        entries += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(header + entries + blobs)


def alpha_icon(shape, colour, size):
    rows = draw_alpha(shape, colour, size)
    mask = [[px[3] == 0 for px in row] for row in rows]
    return (size, size, 32, icon_image(rows, mask, 32))


def colour_icon(shape, colour, size):
    rows, mask = draw_masked(shape, colour, size, (0, 0, 0))
    return (size, size, 24, icon_image(rows, mask, 24))


def strip(images):
    return [sum((img[y] for img in images), []) for y in range(len(images[0]))]


def write_toolbar(name, width, height, ids):
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(struct.pack('<HHHH', 1, width, height, len(ids)) + struct.pack('<%dH' % len(ids), *ids))


# Quadrants of an icon with fixed straight alpha: top left, top right,
# bottom left, bottom right as ((r, g, b), alpha).
QUADRANTS = [((200, 30, 30), 255), ((30, 160, 60), 128), ((0, 0, 0), 0), ((30, 60, 200), 64)]


def draw_quadrants(size):
    """Rows top-down of (b, g, r, a): four flat quadrants, so that a reader
    can tell rows and columns apart and check alpha exactly."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            (r, g, b), a = QUADRANTS[(2 if y >= size // 2 else 0) + (1 if x >= size // 2 else 0)]
            row.append((b, g, r, a))
        rows.append(row)
    return rows


def quadrant_icon(size):
    rows = draw_quadrants(size)
    mask = [[px[3] == 0 for px in row] for row in rows]
    return (size, size, 32, icon_image(rows, mask, 32))


# ---- standalone controls: browse-button glyphs and the edit menu's icons

def draw_masked_rect(shapes, width, height, background):
    """Rows top-down of (b, g, r): each (shape, colour) in turn over the
    background, hard-edged, later shapes on top."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            r, g, b = background
            for shape, colour in shapes:
                if coverage(shape, x, y) >= 0.5:
                    r, g, b = colour
            row.append((b, g, r))
        rows.append(row)
    return rows


def browse_glyphs():
    """Eight 11 x 11 glyphs on magenta: left, right, up, a cross, down (the
    popup browse button's), a dot, three dots, a plus."""
    black = (0, 0, 0)
    glyphs = [
        [(lambda x, y: 3 <= x <= 8 and abs(y - 5.5) <= (x - 2.5) * 0.6, black)],
        [(lambda x, y: 2 <= x <= 8 and abs(y - 5.5) <= (8.5 - x) * 0.6, black)],
        [(lambda x, y: 3 <= y <= 8 and abs(x - 5.5) <= (y - 2.5) * 0.6, black)],
        [(lambda x, y: abs((x - 5.5) - (y - 5.5)) < 1.2 and 2 <= x <= 9, black),
         (lambda x, y: abs((x - 5.5) + (y - 5.5)) < 1.2 and 2 <= x <= 9, black)],
        [(lambda x, y: 3 <= y <= 8 and abs(x - 5.5) <= (8.5 - y) * 0.7, black)],
        [(circle(5.5, 5.5, 2), black)],
        [(box(1, 7, 3, 9), black), (box(5, 7, 7, 9), black), (box(9, 7, 11, 9), black)],
        [(box(5, 2, 7, 10), black), (box(2, 5, 10, 7), black)],
    ]
    return strip([draw_masked_rect(g, 11, 11, MAGENTA) for g in glyphs])


def window_glyphs():
    """Four 16 x 16 glyphs on magenta for the window commands: restore, minimize,
    maximize, close."""
    black = (0, 0, 0)
    outline = lambda x0, y0, x1, y1: lambda x, y: box(x0, y0, x1, y1)(x, y) and not box(x0 + 1, y0 + 2, x1 - 1, y1 - 1)(x, y)
    glyphs = [
        [(outline(5, 2, 14, 10), black), (box(2, 6, 11, 14), (255, 255, 255)), (outline(2, 6, 11, 14), black)],
        [(box(3, 11, 10, 13), black)],
        [(outline(2, 2, 14, 14), black)],
        [(lambda x, y: abs(x - y) < 1.2 and 3 <= x <= 13, black),
         (lambda x, y: abs(x + y - 16) < 1.2 and 3 <= x <= 13, black)],
    ]
    return strip([draw_masked_rect(g, 16, 16, MAGENTA) for g in glyphs])


def edit_menu_icons():
    """Five 16 x 15 icons on magenta: undo, cut, copy, paste, delete."""
    navy, grey, white, red = (20, 40, 130), (90, 90, 90), (255, 255, 255), (200, 30, 30)
    brown = (150, 100, 40)
    outline = lambda x0, y0, x1, y1: lambda x, y: box(x0, y0, x1, y1)(x, y) and not box(x0 + 1, y0 + 1, x1 - 1, y1 - 1)(x, y)
    undo = [
        (lambda x, y: (x - 8) ** 2 + (y - 8) ** 2 <= 36 and (x - 8) ** 2 + (y - 8) ** 2 >= 16 and y <= 8 and x >= 4, navy),
        (lambda x, y: 1 <= x <= 6 and 5 <= y <= 10 and (y - 5) + abs(x - 3.5) * 0 <= 5 and abs(x - 3.5) <= (y - 4.5) * 0.6, navy),
    ]
    cut = [
        (lambda x, y: abs((x - 8) - (y - 4) * 0.5) < 1 and 1 <= y <= 9, grey),
        (lambda x, y: abs((x - 8) + (y - 4) * 0.5) < 1 and 1 <= y <= 9, grey),
        (lambda x, y: 4 <= (x - 5) ** 2 + (y - 11.5) ** 2 <= 9, navy),
        (lambda x, y: 4 <= (x - 11) ** 2 + (y - 11.5) ** 2 <= 9, navy),
    ]
    copy = [
        (box(1, 1, 9, 11), white), (outline(1, 1, 9, 11), navy),
        (box(6, 4, 15, 14), white), (outline(6, 4, 15, 14), navy),
        (box(8, 7, 13, 8), grey), (box(8, 10, 13, 11), grey),
    ]
    paste = [
        (box(2, 2, 12, 14), brown), (box(5, 1, 9, 4), grey),
        (box(7, 6, 15, 15), white), (outline(7, 6, 15, 15), navy),
    ]
    delete = [
        (lambda x, y: abs((x - 8) - (y - 7.5)) < 1.5 and 2 <= x <= 14 and 1 <= y <= 14, red),
        (lambda x, y: abs((x - 8) + (y - 7.5)) < 1.5 and 2 <= x <= 14 and 1 <= y <= 14, red),
    ]
    return strip([draw_masked_rect(i, 16, 15, MAGENTA) for i in (undo, cut, copy, paste, delete)])


def report_glyphs():
    """Six 12 x 12 glyphs of the report on magenta: the collapsed (plus) and
    expanded (minus) boxes, an unchecked and a checked box, and the two
    boxes disabled."""
    grey, dark, white, black = (128, 128, 128), (64, 64, 64), (255, 255, 255), (0, 0, 0)
    shade = (212, 208, 200)

    def outline(x, y, x0, y0, x1, y1):
        px, py = int(x), int(y)
        return x0 <= px < x1 and y0 <= py < y1 and (px in (x0, x1 - 1) or py in (y0, y1 - 1))

    def expander(plus):
        shapes = [(box(2, 2, 11, 11), white), (lambda x, y: outline(x, y, 2, 2, 11, 11), grey),
                  (box(4, 6, 9, 7), black)]
        if plus:
            shapes.append((box(6, 4, 7, 9), black))
        return shapes

    def check_box(checked, enabled):
        face, edge, mark = (white, dark, black) if enabled else (shade, grey, grey)
        shapes = [(box(0, 0, 12, 12), face), (lambda x, y: outline(x, y, 0, 0, 12, 12), edge)]
        if checked:
            shapes.append((lambda x, y: 2.5 <= x <= 9.5 and abs(y - (7.5 - abs(x - 4.5) if x < 4.5 else
                                                                   7.5 - (x - 4.5))) < 1.1, mark))
        return shapes

    glyphs = [expander(True), expander(False), check_box(False, True), check_box(True, True),
              check_box(False, False), check_box(True, False)]
    return strip([draw_masked_rect(g, 12, 12, MAGENTA) for g in glyphs])


def check_list_boxes():
    """The check list box's three 13 x 13 check images: unchecked, checked,
    indeterminate (greyed)."""
    white, dark, grey, silver = (255, 255, 255), (0, 0, 0), (128, 128, 128), (192, 192, 192)
    border = lambda x, y: box(0, 0, 13, 13)(x, y) and not box(1, 1, 12, 12)(x, y)
    mark = lambda x, y: (3 <= x <= 6 and abs(y - (x + 3)) <= 1.0) or (6 <= x <= 10 and abs(y - (15 - x)) <= 1.0)
    images = [
        [(border, grey)],
        [(border, grey), (mark, dark)],
        [(box(1, 1, 12, 12), silver), (border, grey), (mark, grey)],
    ]
    return strip([draw_masked_rect(i, 13, 13, white) for i in images])


def gallery_icons():
    """The customize menu's 42 button images on magenta: the ten shapes in
    turn, each row of six in colours around the colour wheel."""
    images = []
    for i in range(42):
        hue = (i * 360 / 42) % 360
        h = hue / 60
        c, x = 200, int(200 * (1 - abs(h % 2 - 1)))
        r, g, b = [(c, x, 0), (x, c, 0), (0, c, x), (0, x, c), (x, 0, c), (c, 0, x)][int(h) % 6]
        colour = (r + 30, g + 30, b + 30)
        images.append(draw_masked(SHAPES[i % len(SHAPES)][0], colour, 16, MAGENTA)[0])
    return strip(images)


# Skin cells of the Office 2007 look: hot, pressed, checked, checked and hot
# (fill, frame) as (r, g, b); a light line inside the frame.
SKIN_CELLS = [((255, 231, 162), (221, 180, 90)), ((251, 184, 100), (160, 110, 50)),
              ((255, 213, 140), (194, 138, 48)), ((252, 199, 120), (160, 110, 50))]


def skin_cell(width, height, fill, frame, cut_corners=False):
    """Rows top-down of (b, g, r): frame, inner light line, plain fill; the
    corner pixels magenta when cut."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            edge = min(x, y, width - 1 - x, height - 1 - y)
            colour = frame if edge == 0 else (255, 250, 235) if edge == 1 else fill
            corner = (x in (0, width - 1)) and (y in (0, height - 1))
            if cut_corners and corner:
                colour = MAGENTA
            row.append((colour[2], colour[1], colour[0]))
        rows.append(row)
    return rows


def skin_column(width, height, cells, cut_corners=False):
    """Cells one below the other."""
    rows = []
    for fill, frame in cells:
        rows += skin_cell(width, height, fill, frame, cut_corners)
    return rows


def write_office2007_skins():
    """The test program's skins, named as the look asks for them."""
    write_bmp('office2007_toolbarbuttons22.bmp', skin_column(22, 22, SKIN_CELLS), 24)
    write_bmp('office2007_toolbarbuttonssplit22.bmp', skin_column(23, 22, SKIN_CELLS), 24)
    write_bmp('office2007_toolbarbuttonssplitdropdown22.bmp', skin_column(11, 22, SKIN_CELLS), 24)
    write_bmp('office2007_toolbarpopupbutton.bmp', skin_column(41, 22, SKIN_CELLS[:2], True), 24)
    write_bmp('office2007_menuselecteditem22.bmp', skin_cell(20, 22, *SKIN_CELLS[0]), 24)
    write_bmp('office2007_menucheckeditem.bmp', skin_cell(20, 20, *SKIN_CELLS[2]), 24)
    write_bmp('office2007_menuselecteddisableditem22.bmp', skin_cell(20, 22, (236, 236, 236), (180, 180, 180)), 24)


# The button image editor: sixteen 16 x 16 images of its tools (pencil,
# fill, undo, redo, colour pick, line, copy, paste, rectangle, ellipse,
# clear, import) and its four move arrows (left, down, up, right).
SILVER = (192, 192, 192)


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def outline(x0, y0, x1, y1):
    return lambda x, y: box(x0, y0, x1, y1)(x, y) and not box(x0 + 1, y0 + 1, x1 - 1, y1 - 1)(x, y)


def turned_arrow(quarter):
    """The arrow pointing right turned by quarter turns clockwise."""
    base = arrow(16)

    def inside(x, y):
        for _ in range(quarter):
            x, y = y, 16 - x
        return base(x, y)
    return inside


def mirrored(shape):
    return lambda x, y: shape(16 - x, y)


EDITOR_TOOLS = [
    (segment(3, 13, 13, 3, 3), (200, 120, 20)),
    (union(box(3, 6, 11, 14), circle(13, 11, 2)), (30, 90, 200)),
    (mirrored(turned_arrow(0)), (40, 40, 160)),
    (turned_arrow(0), (40, 40, 160)),
    (union(segment(3, 13, 11, 5, 2), circle(12, 4, 3)), (90, 90, 90)),
    (segment(2, 14, 14, 2, 1.2), (20, 20, 20)),
    (union(outline(2, 2, 10, 11), outline(6, 5, 14, 14)), (30, 30, 120)),
    (union(outline(3, 3, 13, 15), box(6, 1, 10, 4)), (140, 90, 30)),
    (outline(2, 3, 14, 13), (20, 20, 20)),
    (ring(16), (20, 20, 20)),
    (union(segment(3, 3, 13, 13, 2.5), segment(3, 13, 13, 3, 2.5)), (200, 30, 30)),
    (union(box(1, 5, 15, 14), box(1, 3, 7, 5)), (220, 180, 60)),
    (mirrored(turned_arrow(0)), (20, 120, 60)),
    (turned_arrow(1), (20, 120, 60)),
    (turned_arrow(3), (20, 120, 60)),
    (turned_arrow(0), (20, 120, 60)),
]


def write_cursor(name, shape, hotspot):
    """A 32 x 32 two-colour cursor: the shape in black with a white rim."""
    size = 32
    on = [[shape(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]

    def rim(x, y):
        return not on[y][x] and any(0 <= x + dx < size and 0 <= y + dy < size and on[y + dy][x + dx]
                                    for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    xor_rows = [[1 if rim(x, y) else 0 for x in range(size)] for y in range(size)]
    and_rows = [[not (on[y][x] or rim(x, y)) for x in range(size)] for y in range(size)]
    xor_bits = mask_bytes([[bool(v) for v in row] for row in xor_rows])
    and_bits = mask_bytes(and_rows)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info_header(size, size * 2, 1, len(xor_bits) + len(and_bits)) + palette + xor_bits + and_bits
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(os.path.join(CURSORS, name), 'wb') as f:
        f.write(header + entry + image)


CURSORS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'toolkit_common')


def editor_images():
    write_bmp('editor_tools_alpha.bmp', strip([draw_alpha(s, c, 16) for s, c in EDITOR_TOOLS]), 32)
    write_bmp('editor_tools.bmp', strip([draw_masked(s, c, 16, SILVER)[0] for s, c in EDITOR_TOOLS]), 24)
    cross_hair = union(box(15, 2, 16, 30), box(2, 15, 30, 16))
    write_cursor('editor_shape.cur', cross_hair, (15, 15))
    write_cursor('editor_pick.cur', union(segment(1, 30, 16, 15, 2), circle(19, 12, 5)), (1, 30))
    write_cursor('editor_fill.cur', union(outline(4, 10, 18, 26), segment(18, 12, 24, 20, 2), box(1, 1, 2, 2)), (1, 1))
    write_cursor('editor_pencil.cur', union(segment(1, 30, 22, 9, 4), segment(22, 9, 27, 4, 5)), (1, 30))


def bar_drag_cursors():
    """The command bars' customize drag: a pointer with a page (move), with a
    page and a plus (copy), and a barred circle where nothing takes the drop."""
    pointer = union(segment(1, 1, 1, 17, 1.5), segment(1, 1, 12, 12, 1.5), segment(1, 17, 5, 13, 1.5),
                    segment(5, 13, 12, 12, 1.5))
    page = outline(8, 18, 20, 28)
    plus = union(box(22, 22, 30, 24), box(25, 19, 27, 27))
    write_cursor('bar_drag_move.cur', union(pointer, page), (1, 1))
    write_cursor('bar_drag_copy.cur', union(pointer, page, plus), (1, 1))
    barred = union(ring(28), segment(6, 6, 22, 22, 3))
    write_cursor('bar_drag_none.cur', lambda x, y: barred(x - 2, y - 2), (16, 16))


# Docking stickers: tiles on pure green, every pixel of a tile non-black, so
# that a tile drawn on black gives its whole shape as a region.
STICKER_EDGE = (96, 96, 96)


def bgr(rgb):
    return (rgb[2], rgb[1], rgb[0])


def sticker_tile(width, height, direction, fill, glyph, cut=2):
    """A bordered tile with corners cut; an arrow pointing to `direction`
    ('top', 'left', 'bottom', 'right') or, for 'centre', a small window."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            dx, dy = min(x, width - 1 - x), min(y, height - 1 - y)
            if dx + dy < cut:
                row.append(GREEN)
                continue
            edge = dx == 0 or dy == 0 or dx + dy == cut
            row.append(bgr(STICKER_EDGE if edge else fill))
        rows.append(row)
    cx, cy = (width - 1) / 2.0, (height - 1) / 2.0
    half = min(width, height) / 4.0
    for y in range(height):
        for x in range(width):
            u, v = x - cx, y - cy
            if direction == 'centre':
                inside = abs(u) <= half + 2 and abs(v) <= half + 2 and (abs(u) >= half or abs(v) >= half or v < -half + 3)
            else:
                # Along the arrow's axis a (towards the tip) and across it b.
                a, b = {'top': (-v, u), 'bottom': (v, u), 'left': (-u, v), 'right': (u, v)}[direction]
                head = -2 <= a <= half + 2 and abs(b) <= (half + 2 - a)
                shaft = -half - 3 <= a < -2 and abs(b) <= half / 3.0
                inside = head or shaft
            if inside:
                rows[y][x] = bgr(glyph)
    return rows


def cross_back(size, fill, cut=10):
    """The square behind a cross, corners cut by `cut` pixels."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = min(x, size - 1 - x), min(y, size - 1 - y)
            if dx + dy < cut:
                row.append(GREEN)
            else:
                row.append(bgr(STICKER_EDGE if dx == 0 or dy == 0 or dx + dy == cut else fill))
        rows.append(row)
    return rows


def paste(canvas, x0, y0, rows):
    for y, row in enumerate(rows):
        for x, px in enumerate(row):
            canvas[y0 + y][x0 + x] = px


def classic_stickers(fill, glyph, light, glyph_light):
    """120 x 109: arrows and centre, plain in the upper band and the middle
    band's right half, highlighted in the lower band and the middle band's
    other half."""
    canvas = [[GREEN] * 120 for _ in range(109)]
    tiles = [
        ((0, 0, 43, 30), 'top', False), ((43, 0, 86, 30), 'bottom', False), ((86, 0, 119, 33), 'centre', False),
        ((0, 33, 30, 76), 'right', False), ((30, 33, 60, 76), 'left', False),
        ((60, 33, 90, 76), 'right', True), ((90, 33, 120, 76), 'left', True),
        ((0, 76, 43, 106), 'top', True), ((43, 76, 86, 106), 'bottom', True), ((86, 76, 119, 109), 'centre', True),
    ]
    for (x0, y0, x1, y1), direction, hot in tiles:
        paste(canvas, x0, y0, sticker_tile(x1 - x0, y1 - y0, direction, light if hot else fill,
                                           glyph_light if hot else glyph))
    return canvas


def second_style_stickers():
    """161 x 122: the second style's cross parts, single arrows and backgrounds."""
    canvas = [[GREEN] * 161 for _ in range(122)]
    fill, glyph = (246, 246, 246), (56, 96, 168)
    light, glyph_light = (255, 226, 150), (24, 56, 120)
    tiles = [
        ((61, 29, 90, 59), 'top', False), ((90, 30, 120, 59), 'left', False),
        ((91, 0, 120, 30), 'bottom', False), ((62, 0, 92, 29), 'right', False),
        ((61, 90, 90, 120), 'top', True), ((90, 91, 120, 120), 'left', True),
        ((91, 61, 120, 91), 'bottom', True), ((62, 61, 92, 90), 'right', True),
        ((120, 82, 148, 111), 'centre', False),
        ((0, 29, 29, 61), 'top', False), ((29, 32, 61, 61), 'left', False),
        ((32, 0, 61, 32), 'bottom', False), ((0, 0, 32, 29), 'right', False),
        ((0, 90, 29, 122), 'top', True), ((29, 93, 61, 122), 'left', True),
        ((32, 61, 61, 93), 'bottom', True), ((0, 61, 32, 90), 'right', True),
    ]
    paste(canvas, 120, 0, cross_back(41, (200, 208, 220)))
    paste(canvas, 120, 41, cross_back(41, (255, 226, 150)))
    for (x0, y0, x1, y1), direction, hot in tiles:
        paste(canvas, x0, y0, sticker_tile(x1 - x0, y1 - y0, direction, light if hot else fill,
                                           glyph_light if hot else glyph))
    return canvas


def write_stickers():
    write_bmp('sticker_cross.bmp', cross_back(43, (214, 214, 214)), 24)
    write_bmp('stickers_blue.bmp', classic_stickers((236, 240, 250), (49, 106, 197), (255, 231, 162), (8, 36, 107)), 24)
    write_bmp('stickers_olive.bmp', classic_stickers((242, 244, 228), (118, 140, 70), (255, 231, 162), (60, 76, 30)), 24)
    write_bmp('stickers_silver.bmp', classic_stickers((242, 242, 246), (120, 120, 140), (255, 231, 162), (56, 56, 72)), 24)
    write_bmp('stickers_second.bmp', second_style_stickers(), 24)


def main():
    os.makedirs(OUT, exist_ok=True)
    # Ten 16 x 16 images side by side with straight alpha: 160 x 16, 32 bits.
    write_bmp('alpha_strip.bmp', strip([draw_alpha(s, c, 16) for s, c in SHAPES]), 32)
    # Four hard-edged images on pure green (the application's mask colour).
    write_bmp('green_strip.bmp', strip([draw_masked(s, c, 16, GREEN)[0] for s, c in SHAPES[:4]]), 24)
    # The same four at 24 x 24 on green, for a toolbar of mid-sized images.
    write_bmp('green_strip24.bmp', strip([draw_masked(scaled(s, 1.5), c, 24, GREEN)[0] for s, c in SHAPES[:4]]), 24)
    # The same four on magenta, for cutting by the top-left pixel.
    write_bmp('magenta_strip.bmp', strip([draw_masked(s, c, 16, MAGENTA)[0] for s, c in SHAPES[4:8]]), 24)
    # Icons: one with 32-bit images at 16 and 32 pixels, plain 24-bit ones.
    big_circle = circle(16, 16, 15)
    write_ico('app.ico', [alpha_icon(SHAPES[0][0], SHAPES[0][1], 16), alpha_icon(big_circle, SHAPES[0][1], 32)])
    for i, (shape, colour) in enumerate(SHAPES[1:4]):
        write_ico('plain%d.ico' % (i + 1), [colour_icon(shape, colour, 16)])
    # A 24-bit image first, then 32-bit quadrant images of 24 and 16 pixels:
    # for reading a 32-bit image of a given width straight from the file.
    write_ico('quadrants.ico', [colour_icon(SHAPES[1][0], SHAPES[1][1], 16), quadrant_icon(24), quadrant_icon(16)])
    # Toolbar over the green strip: four buttons and one separator.
    write_toolbar('green_strip.tbr', 16, 16, [200, 0, 201, 202, 203])
    # A toolbar of separators only: no command id to load images for.
    write_toolbar('separators.tbr', 16, 16, [0, 0])
    # Standalone controls: the browse button's glyph strip and the edit menu's icons.
    write_bmp('browse_glyphs.bmp', browse_glyphs(), 24)
    write_bmp('edit_toolbar.bmp', edit_menu_icons(), 24)
    # The menu bar's window command glyphs.
    write_bmp('menubar_glyphs.bmp', window_glyphs(), 24)
    # The report's glyphs: expand boxes and check boxes, 72 x 12.
    write_bmp('report_glyphs.bmp', report_glyphs(), 24)
    # The framework's check list box.
    write_bmp('check_list_box.bmp', check_list_boxes(), 24)
    # The customize menu's button image gallery, 672 x 16.
    write_bmp('customize_gallery.bmp', gallery_icons(), 24)
    # Skins of the Office 2007 look, linked into the command bar tests only.
    write_office2007_skins()
    # The button image editor's toolbar strips and cursors.
    editor_images()
    bar_drag_cursors()
    # The docking stickers: cross background, three colour schemes, the second style.
    write_stickers()
    # Pictures the application's tests load from files.
    write_app_test_pictures()


def write_app_test_pictures():
    """tests/app/bars/pics/wide.jpg: 400 x 100, red left half, blue right half,
    for scaling a logo picture to the toolbar's height."""
    import make_app_assets  # here: it imports this module itself
    folder = os.path.join(os.path.dirname(OUT), '..', 'tests', 'app', 'bars', 'pics')
    os.makedirs(folder, exist_ok=True)
    rows = [[(220, 20, 20) if x < 200 else (20, 20, 220) for x in range(400)] for _ in range(100)]
    make_app_assets.write_jpeg(os.path.join(folder, 'wide.jpg'), rows)


if __name__ == '__main__':
    main()

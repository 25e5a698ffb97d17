#!/usr/bin/python3
"""Draws every picture the program carries and writes it into resources/.

Standard library only, and deterministic: the same bytes come out on every run,
so the committed files only change when the drawing code does.

    /usr/bin/python3 scripts/make_pictures.py              # rewrite resources/
    /usr/bin/python3 scripts/make_pictures.py --preview D  # also write zoomed views into D
"""
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(ROOT, "resources")

# 96 dots per inch, as PNG stores it: pixels per metre.
PIXELS_PER_METRE = 3780

TRANSPARENT = (0, 0, 0, 0)


# ---------------------------------------------------------------------------
# Pixels


class Picture:
    """An RGBA picture with straight (not premultiplied) alpha."""

    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.px = [fill] * (width * height)

    def get(self, x, y):
        return self.px[y * self.width + x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            if len(colour) == 3:
                colour = (colour[0], colour[1], colour[2], 255)
            self.px[y * self.width + x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def blend(self, x, y, colour, alpha):
        """Lays colour at alpha (0..1) over the pixel: the usual 'over' rule."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        r, g, b, a = self.get(x, y)
        da = a / 255.0
        oa = alpha + da * (1 - alpha)
        if oa <= 0:
            return
        mix = [(colour[i] * alpha + (r, g, b)[i] * da * (1 - alpha)) / oa for i in range(3)]
        self.px[y * self.width + x] = (
            int(round(mix[0])), int(round(mix[1])), int(round(mix[2])), int(round(oa * 255)))

    def rows(self):
        for y in range(self.height):
            yield self.px[y * self.width:(y + 1) * self.width]

    def scaled(self, factor):
        out = Picture(self.width * factor, self.height * factor)
        for y in range(out.height):
            for x in range(out.width):
                out.px[y * out.width + x] = self.get(x // factor, y // factor)
        return out


# ---------------------------------------------------------------------------
# Encoders


def png_bytes(pic):
    """PNG, colour type 6 (RGBA, 8 bits per channel), with a 96 dpi pHYs chunk."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = bytearray()
    for row in pic.rows():
        raw.append(0)  # filter: none
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    ihdr = struct.pack(">IIBBBBB", pic.width, pic.height, 8, 6, 0, 0, 0)
    phys = struct.pack(">IIB", PIXELS_PER_METRE, PIXELS_PER_METRE, 1)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"pHYs", phys) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def lzw_encode(indices, min_code_size=8):
    """GIF flavour of LZW: variable code width up to 12 bits, LSB-first packing."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = bytearray()
    bits = nbits = 0

    def emit(code, width):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    width = min_code_size + 1
    next_code = end + 1
    table = {}
    emit(clear, width)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix << 8) | k
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        emit(prefix, width)
        table[key] = next_code
        next_code += 1
        if next_code > (1 << width) and width < 12:
            width += 1
        if next_code == 4096:
            # The table is full: start afresh rather than run on with a stale one.
            emit(clear, width)
            table = {}
            width = min_code_size + 1
            next_code = end + 1
        prefix = k
    emit(prefix, width)
    emit(end, width)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif_bytes(frames, delay_centiseconds):
    """Animated GIF89a from equally sized RGB frames; loops forever.

    Every frame is a whole picture (disposal: leave in place), so a decoder that
    shows only the first frame still shows a complete scene.
    """
    width, height = frames[0].width, frames[0].height
    colours = sorted({p[:3] for f in frames for p in f.px})
    if len(colours) > 256:
        raise ValueError("background uses %d colours; a GIF holds 256" % len(colours))
    index = {c: i for i, c in enumerate(colours)}
    table_bits = max(1, (len(colours) - 1).bit_length())
    palette = bytearray()
    for c in colours + [(0, 0, 0)] * ((1 << table_bits) - len(colours)):
        palette += bytes(c)

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (table_bits - 1), 0, 0)
    out += palette
    # Application extension that makes viewers loop: count 0 means forever.
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    for frame in frames:
        out += b"\x21\xf9\x04" + struct.pack("<BHB", 1 << 2, delay_centiseconds, 0) + b"\x00"
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        data = lzw_encode([index[p[:3]] for p in frame.px])
        out.append(8)
        for i in range(0, len(data), 255):
            block = data[i:i + 255]
            out.append(len(block))
            out += block
        out.append(0)
    out.append(0x3B)
    return bytes(out)


def ico_bytes(pictures):
    """Windows icon with one 32-bit BGRA image (plus its AND mask) per picture."""
    images = []
    for pic in pictures:
        w, h = pic.width, pic.height
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = bytearray()
        mask = bytearray()
        mask_stride = ((w + 31) // 32) * 4
        for y in range(h - 1, -1, -1):  # bottom-up
            row_mask = bytearray(mask_stride)
            for x in range(w):
                r, g, b, a = pic.get(x, y)
                colour += bytes((b, g, r, a))
                if a == 0:
                    row_mask[x // 8] |= 0x80 >> (x % 8)
            mask += row_mask
        images.append(header + bytes(colour) + bytes(mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(pictures)))
    offset = 6 + 16 * len(pictures)
    for pic, data in zip(pictures, images):
        out += struct.pack("<BBBBHHII", pic.width % 256, pic.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


# ---------------------------------------------------------------------------
# Check boxes, drop arrow and up-down arrows: exact pixel designs.

CHECK_GRADIENT = [
    0xdedfd6, 0xe0e0d8, 0xe2e2da, 0xe4e4dc, 0xe7e6df, 0xe9e8e1, 0xebe9e3, 0xedebe5, 0xf0ede8, 0xf2efea, 0xf4f1ec,
    0xf7f3ef, 0xf7f4f0, 0xf8f5f1, 0xf9f6f3, 0xf9f7f4, 0xfaf8f6, 0xfbf9f7, 0xfcfaf9, 0xfcfbfa, 0xfdfcfc,
]
# Tick of the checked box: row -> columns.
CHECK_TICK = {3: [9], 4: [8, 9], 5: [3, 7, 8, 9], 6: [3, 4, 6, 7, 8], 7: [3, 4, 5, 6, 7], 8: [4, 5, 6], 9: [5]}


def hex_rgb(value):
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def check_box(border, tick_colour=None):
    pic = Picture(13, 13)
    for y in range(13):
        for x in range(13):
            if x in (0, 12) or y in (0, 12):
                pic.put(x, y, border)
            else:
                pic.put(x, y, hex_rgb(CHECK_GRADIENT[x + y - 2]))
    if tick_colour:
        for y, xs in CHECK_TICK.items():
            for x in xs:
                pic.put(x, y, tick_colour)
    return pic


def triangle(width, height, spans):
    """Opaque black pixels at spans[row] = (first, last) column, transparent elsewhere."""
    pic = Picture(width, height)
    for y, (first, last) in enumerate(spans):
        for x in range(first, last + 1):
            pic.put(x, y, (0, 0, 0, 255))
    return pic


def arrow_down():
    return triangle(7, 4, [(0, 6), (1, 5), (2, 4), (3, 3)])


def arrow_up():
    return triangle(7, 4, [(3, 3), (2, 4), (1, 5), (0, 6)])


def arrow_left():
    return triangle(4, 7, [(3, 3), (2, 3), (1, 3), (0, 3), (1, 3), (2, 3), (3, 3)])


def arrow_right():
    return triangle(4, 7, [(0, 0), (0, 1), (0, 2), (0, 3), (0, 2), (0, 1), (0, 0)])


# ---------------------------------------------------------------------------
# Caption buttons: light pixel glyphs with a soft dark halo, transparent elsewhere.

GLYPH_COLOUR = (255, 255, 255)
HALO_COLOUR = (12, 20, 32)

GLYPHS = {
    "help": [
        ".####.",
        "##..##",
        "....##",
        "...##.",
        "..##..",
        "..##..",
        "......",
        "..##..",
        "..##..",
    ],
    "menu": [
        "##########",
        "##########",
        "..........",
        "..........",
        "##########",
        "##########",
        "..........",
        "..........",
        "##########",
        "##########",
    ],
    "minimize": [
        "##########",
        "##########",
    ],
    "maximize": [
        "##########",
        "##########",
        "#........#",
        "#........#",
        "#........#",
        "#........#",
        "#........#",
        "##########",
    ],
    "restore": [
        "...#######",
        "...#######",
        "...#.....#",
        "#######..#",
        "#######..#",
        "#.....#..#",
        "#.....####",
        "#.....#...",
        "#######...",
    ],
    "close": [
        "##.....##",
        "###...###",
        ".###.###.",
        "..#####..",
        "...###...",
        "..#####..",
        ".###.###.",
        "###...###",
        "##.....##",
    ],
}


def caption_button(glyph, width, height=18, bottom=None):
    """Centres the glyph (or sits it on row `bottom`) and wraps it in a fading halo."""
    gh, gw = len(glyph), len(glyph[0])
    left = (width - gw) // 2
    top = (height - gh) // 2 if bottom is None else bottom - gh + 1
    on = set()
    for y, row in enumerate(glyph):
        for x, ch in enumerate(row):
            if ch == "#":
                on.add((left + x, top + y))
    pic = Picture(width, height)
    for y in range(height):
        for x in range(width):
            if (x, y) in on:
                pic.put(x, y, GLYPH_COLOUR + (255,))
                continue
            # Halo strength falls with distance to the nearest glyph pixel.
            nearest = min(((x - gx) ** 2 + (y - gy) ** 2 for gx, gy in on), default=99)
            alpha = 0.58 if nearest <= 1 else 0.36 if nearest <= 2 else 0.13 if nearest <= 5 else 0.0
            if alpha:
                pic.put(x, y, HALO_COLOUR + (int(round(alpha * 255)),))
    return pic


def caption_buttons():
    return {
        "caption_help": caption_button(GLYPHS["help"], 26),
        "caption_menu": caption_button(GLYPHS["menu"], 26),
        "caption_minimize": caption_button(GLYPHS["minimize"], 26, bottom=12),
        "caption_maximize": caption_button(GLYPHS["maximize"], 26),
        "caption_restore": caption_button(GLYPHS["restore"], 26),
        "caption_close": caption_button(GLYPHS["close"], 38),
    }


# ---------------------------------------------------------------------------
# The mob: a green block head, used for the icon and in the background scene.

MOB_GREENS = {"G": (96, 170, 72), "g": (78, 148, 58), "L": (126, 196, 94), "d": (36, 54, 34), "w": (236, 244, 226)}
MOB_FACE = [
    "LLGLLGLL",
    "GgGGGgGG",
    "GwdGGwdG",
    "GddGgddG",
    "GGGgGGGG",
    "gGdddddG",
    "GGdGgdGg",
    "GgGGGGGG",
]
MOB_FACE_BLINK = MOB_FACE[:2] + ["GGGGGGGG", "GddGgddG"] + MOB_FACE[4:]
MOB_EDGE = (30, 70, 28)


def mob_icon(size):
    """The face on an 8 x 8 grid, scaled up, with a dark rim and a lit top-left edge."""
    cell = size // 8
    pic = Picture(size, size)
    for y in range(size):
        for x in range(size):
            pic.put(x, y, MOB_GREENS[MOB_FACE[y // cell][x // cell]])
    if size >= 32:
        for i in range(1, size - 1):
            pic.blend(i, 1, (255, 255, 255), 0.35)
            pic.blend(1, i, (255, 255, 255), 0.25)
            pic.blend(i, size - 2, (0, 0, 0), 0.25)
            pic.blend(size - 2, i, (0, 0, 0), 0.25)
    for i in range(size):
        for x, y in ((i, 0), (i, size - 1), (0, i), (size - 1, i)):
            pic.put(x, y, MOB_EDGE)
    # Clip the four corner pixels so the block reads as a soft cube, not a square.
    for x, y in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
        pic.put(x, y, TRANSPARENT)
    return pic


# ---------------------------------------------------------------------------
# Background: a calm blocky landscape, 391 x 220, six frames.

BG_W, BG_H = 391, 220
BLOCK = 10


def hash2(x, y, salt):
    """Repeatable 32-bit noise for a position; unlike the random module, fixed for good."""
    h = (x * 374761393 + y * 668265263 + salt * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return h ^ (h >> 16)


def lerp_colour(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


SKY_STOPS = [(0, (88, 136, 204)), (16, (116, 162, 222)), (48, (166, 202, 240)), (100, (206, 229, 248)),
             (160, (226, 240, 252))]


def sky_colour(y):
    band = (y // 3) * 3 + 1  # pixel-art steps rather than a smooth ramp
    for (y0, c0), (y1, c1) in zip(SKY_STOPS, SKY_STOPS[1:]):
        if band <= y1:
            return lerp_colour(c0, c1, (band - y0) / float(y1 - y0))
    return SKY_STOPS[-1][1]


CLOUD_TOP, CLOUD_SIDE = (252, 253, 255), (226, 236, 248)
CLOUDS = [
    (40, 22, ["..####...", ".#######.", "#########", "..####..."]),
    (190, 18, ["...###....", ".########.", "##########", "..#####..."]),
    (110, 56, [".#####.", "#######"]),
    (296, 40, ["..######", "########", ".######."]),
    (-4, 70, [".###..", "######"]),
    (244, 82, [".####.", "######"]),
]
CLOUD_CELL_W, CLOUD_CELL_H = 7, 4


def paint_sky(pic):
    for y in range(BG_H):
        c = sky_colour(y)
        for x in range(BG_W):
            pic.put(x, y, c)
    for cx, cy, rows in CLOUDS:
        for r, row in enumerate(rows):
            for c, ch in enumerate(row):
                if ch != "#":
                    continue
                below = r + 1 < len(rows) and c < len(rows[r + 1]) and rows[r + 1][c] == "#"
                for yy in range(CLOUD_CELL_H):
                    # The underside of a cloud is a shade darker.
                    shade = CLOUD_SIDE if (not below and yy == CLOUD_CELL_H - 1) else CLOUD_TOP
                    for xx in range(CLOUD_CELL_W):
                        pic.put(cx + c * CLOUD_CELL_W + xx, cy + r * CLOUD_CELL_H + yy, shade)


def smooth_noise(x, spacing, salt):
    """0..1, eased between random values placed every `spacing` pixels."""
    i, t = divmod(x, spacing)
    t /= float(spacing)
    a = hash2(i, 0, salt) % 1000 / 1000.0
    b = hash2(i + 1, 0, salt) % 1000 / 1000.0
    t = t * t * (3 - 2 * t)
    return a + (b - a) * t


def ridge(x, base, amplitude, step_x, step_y, salt):
    """Top of a range of hills, made of whole steps so it reads as stacked blocks."""
    x = (x // step_x) * step_x
    h = 0.65 * smooth_noise(x, 70, salt) + 0.35 * smooth_noise(x, 23, salt + 1)
    return base - (int(h * amplitude) // step_y) * step_y


MOUNTAIN = (188, 206, 222)
MOUNTAIN_SHADE = (178, 198, 216)
MOUNTAIN_SNOW = (238, 245, 251)
HILL = [(176, 208, 150), (168, 202, 142)]
HILL_TOP = (192, 220, 164)


def mountain_top(x):
    return ridge(x, 166, 70, 4, 3, 7)


def hill_top(x):
    return ridge(x, 186, 26, 10, 4, 11)


def paint_distance(pic):
    for x in range(BG_W):
        top = mountain_top(x)
        # Slopes that face away from the light (going down to the right) are a shade darker.
        falling = mountain_top(x + 12) > mountain_top(x - 12)
        for y in range(top, BG_H):
            if top < 120 and y < top + 3 + (120 - top) // 6:
                c = MOUNTAIN_SNOW
            else:
                c = MOUNTAIN_SHADE if falling else MOUNTAIN
            pic.put(x, y, c)
    for x in range(BG_W):
        top = hill_top(x)
        for y in range(top, BG_H):
            if y < top + 2:
                pic.put(x, y, HILL_TOP)
            else:
                pic.put(x, y, HILL[hash2(x // 2, y // 2, 3) % 5 == 0])
    # A few far trees on the hills, pale with distance.
    for tx in (70, 132, 214, 318, 352):
        top = min(hill_top(tx + i) for i in range(6))
        pic.rect(tx + 2, top - 4, 2, 4, (150, 136, 112))
        pic.rect(tx, top - 11, 6, 7, (140, 186, 124))
        pic.rect(tx + 1, top - 13, 4, 2, (150, 194, 132))


GRASS = [(112, 176, 76), (100, 164, 66), (128, 188, 88)]
DIRT = [(150, 112, 80), (138, 102, 72), (164, 124, 90), (126, 94, 66)]
STONE = [(150, 150, 150), (138, 138, 138), (164, 164, 164), (122, 122, 122)]
SAND = [(236, 224, 176), (226, 212, 162), (242, 234, 192)]
WATER = [(142, 196, 230), (158, 208, 238), (186, 224, 246), (128, 184, 222)]

GROUND_TOP = 200   # top of the grass blocks on the left
SAND_TOP = 206     # the beach on the right sits a little lower
SAND_FROM = 150    # x where the grass gives way to sand
POND = (250, 330)  # x range of the pool in the sand


def block_texture(material, x, y):
    """Speckled colour of a block pixel; the speckles repeat per 10 x 10 block like a tile."""
    h = hash2(x % BLOCK + 17 * (x // BLOCK % 3), y % BLOCK, 5)
    return material[h % len(material)]


def ground_top(x):
    # The left corner dips a block so the mob stands clear of the labels above it.
    if x < SAND_FROM:
        return GROUND_TOP + (8 if x < 40 else 0)
    return SAND_TOP


def paint_ground(pic, frame):
    for x in range(BG_W):
        top = ground_top(x)
        for y in range(top, BG_H):
            depth = y - top
            if x >= SAND_FROM:
                c = block_texture(SAND, x, y)
            elif depth < 3 or (depth < 5 and hash2(x, 0, 9) % 3 == 0):
                c = block_texture(GRASS, x, y)
            elif depth < 12:
                c = block_texture(DIRT, x, y)
            else:
                c = block_texture(STONE, x, y)
            pic.put(x, y, c)
    # The pool: ripples drift one pixel a frame along a six-pixel pattern, so the loop is seamless.
    x0, x1 = POND
    for y in range(SAND_TOP + 2, BG_H):
        for x in range(x0, x1):
            if y == SAND_TOP + 2 and (x < x0 + 2 or x >= x1 - 2):
                continue
            phase = (x + frame + (y - SAND_TOP) * 2) % 6
            row_light = (y - SAND_TOP) % 4 == 1
            c = WATER[2] if phase == 0 and row_light else WATER[1] if phase in (1, 5) else WATER[0]
            if y == SAND_TOP + 2:
                c = WATER[3] if phase == 3 else WATER[1]
            pic.put(x, y, c)


def paint_mob(pic, frame):
    """The block mob hops in place: squash, rise, hang (and blink), land."""
    lift = [0, 0, 3, 5, 3, 0][frame]
    squash = frame == 1
    face = MOB_FACE_BLINK if frame == 3 else MOB_FACE
    ground = ground_top(20)
    size_w, size_h = (18, 14) if squash else (16, 16)
    left = 20 - size_w // 2
    top = ground - size_h - lift
    # Shadow on the grass, smaller the higher it hops.
    shadow = 12 - lift
    for x in range(20 - shadow // 2, 20 + shadow // 2):
        pic.blend(x, ground, (0, 0, 0), 0.28)
    for y in range(size_h):
        for x in range(size_w):
            ch = face[y * 8 // size_h][x * 8 // size_w]
            c = MOB_GREENS[ch]
            if x in (0, size_w - 1) or y in (0, size_h - 1):
                c = MOB_EDGE
            pic.put(left + x, top + y, c)


def background_frames():
    frames = []
    for frame in range(6):
        pic = Picture(BG_W, BG_H)
        paint_sky(pic)
        paint_distance(pic)
        paint_ground(pic, frame)
        paint_mob(pic, frame)
        frames.append(pic)
    return frames


# ---------------------------------------------------------------------------


def pictures():
    """Every carried PNG, by file stem."""
    out = {
        "check_unchecked": check_box((3, 3, 3, 230)),
        "check_checked": check_box((24, 81, 132, 255), (36, 110, 117, 255)),
        "combo_arrow": arrow_down(),
        "updown_up": arrow_up(),
        "updown_down": arrow_down(),
        "updown_left": arrow_left(),
        "updown_right": arrow_right(),
    }
    out.update(caption_buttons())
    return out


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def lay_in_a_row(sheet, x, gap, pictures):
    """Blends the pictures onto the sheet from x along its top, gap pixels apart."""
    for p in pictures:
        for yy in range(p.height):
            for xx in range(p.width):
                r, g, bl, a = p.get(xx, yy)
                sheet.blend(x + xx, yy, (r, g, bl), a / 255.0)
        x += p.width + gap


def write_previews(folder, pngs, frames):
    """Zoomed views for a person to look at; never part of the build."""
    os.makedirs(folder, exist_ok=True)
    sheet = Picture(BG_W * 2, BG_H * 3 * 2)
    for i, frame in enumerate(frames[:3]):
        big = frame.scaled(2)
        for y in range(big.height):
            sheet.px[(i * big.height + y) * sheet.width:(i * big.height + y + 1) * sheet.width] = big.px[
                y * big.width:(y + 1) * big.width]
    write(os.path.join(folder, "background_frames.png"), png_bytes(sheet))
    for i, frame in enumerate(frames):
        write(os.path.join(folder, "frame%d.png" % i), png_bytes(frame.scaled(3)))
    # Caption buttons over the top right corner of the background, as the title band shows them.
    strip = Picture(160, 22)
    for y in range(22):
        for x in range(160):
            strip.px[y * 160 + x] = frames[0].get(BG_W - 160 + x, y)
    lay_in_a_row(strip, 3, 1, [pngs[name] for name in ("caption_help", "caption_menu", "caption_minimize",
                                                       "caption_maximize", "caption_restore", "caption_close")])
    write(os.path.join(folder, "caption_over_background.png"), png_bytes(strip.scaled(6)))
    small = Picture(13 * 2 + 7 * 3 + 4 * 2 + 20, 13, (200, 200, 200, 255))
    lay_in_a_row(small, 0, 2, [pngs[name] for name in ("check_unchecked", "check_checked", "combo_arrow", "updown_up",
                                                       "updown_down", "updown_left", "updown_right")])
    write(os.path.join(folder, "small_pictures.png"), png_bytes(small.scaled(12)))
    icons = Picture(48 + 32 + 16 + 20, 48, (90, 140, 205, 255))
    lay_in_a_row(icons, 0, 10, [mob_icon(size) for size in (48, 32, 16)])
    write(os.path.join(folder, "icons.png"), png_bytes(icons.scaled(4)))


def main(argv):
    pngs = pictures()
    for stem, pic in sorted(pngs.items()):
        write(os.path.join(RESOURCES, stem + ".png"), png_bytes(pic))
    frames = background_frames()
    write(os.path.join(RESOURCES, "background.gif"), gif_bytes(frames, 15))
    write(os.path.join(RESOURCES, "app.ico"), ico_bytes([mob_icon(16), mob_icon(32), mob_icon(48)]))
    if len(argv) == 3 and argv[1] == "--preview":
        write_previews(argv[2], pngs, frames)


if __name__ == "__main__":
    main(sys.argv)

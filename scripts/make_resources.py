#!/usr/bin/python3
"""Draws every picture the program carries and writes it into resources/.

Run from anywhere:  /usr/bin/python3 scripts/make_resources.py

The output is fully determined by this file: all noise comes from a seeded
generator, text is laid out with the basic FreeType layout and the encoders
get fixed options, so two runs give byte-identical files.  After writing,
the script reads every file back and checks its size, format and, where the
pixels are fixed exactly (skins, arrows, tick), every pixel.
"""

import hashlib
import io
import math
import random
import re
import struct
import sys
import zlib
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = Path(__file__).resolve().parent.parent
OUT_DIR = ROOT / "resources"
RC_FILE = OUT_DIR / "resources.rc"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
SEED = 20060418

SEA_BLUE = (113, 179, 193)
GOLDEN = (223, 199, 112)

# ---------------------------------------------------------------------------
# Encoding helpers
# ---------------------------------------------------------------------------


def png_bytes(img, dpi=None):
    buf = io.BytesIO()
    options = {"optimize": False, "compress_level": 9}
    if dpi is not None:
        options["dpi"] = (dpi, dpi)
    img.save(buf, "PNG", **options)
    return buf.getvalue()


def jpeg_bytes(img, quality, subsampling):
    buf = io.BytesIO()
    img.convert("RGB").save(buf, "JPEG", quality=quality, subsampling=subsampling,
                            optimize=True, progressive=False)
    return buf.getvalue()


def downsample(img, size):
    """Box-filter reduction of a supersampled RGBA or L drawing."""
    if img.mode == "RGBA":
        return img.convert("RGBa").resize(size, Image.BOX).convert("RGBA")
    return img.resize(size, Image.BOX)


def solid_layer(size, colour, mask):
    """An RGBA layer of one colour whose alpha is `mask` (mode L) scaled by colour's alpha."""
    r, g, b = colour[:3]
    a = colour[3] if len(colour) == 4 else 255
    layer = Image.new("RGBA", size, (r, g, b, 0))
    if a != 255:
        mask = mask.point(lambda v: (v * a + 127) // 255)
    layer.putalpha(mask)
    return layer


def vertical_gradient(size, top, bottom):
    """RGBA gradient from `top` at the first row to `bottom` at the last row."""
    w, h = size
    ramp = Image.linear_gradient("L").resize((1, 256)).resize((w, h), Image.BILINEAR)
    a = Image.new("RGBA", size, top if len(top) == 4 else top + (255,))
    b = Image.new("RGBA", size, bottom if len(bottom) == 4 else bottom + (255,))
    return Image.composite(b, a, ramp)


def diagonal_gradient(size, start, end):
    """RGB gradient from `start` at the top-left corner to `end` at the bottom-right."""
    w, h = size
    ramp = Image.linear_gradient("L").rotate(45, resample=Image.BILINEAR, expand=True)
    # After the 45 degree turn the ramp runs from the top-left to the bottom-right
    # corner of the enlarged square; trim the empty triangles away.
    side = ramp.size[0]
    inset = int(side * 0.1465)
    ramp = ramp.crop((inset, inset, side - inset, side - inset)).resize((w, h), Image.BILINEAR)
    return Image.composite(Image.new("RGB", size, end), Image.new("RGB", size, start), ramp)


def thick_line(draw, p0, p1, width, fill):
    """A straight stroke with square ends cut at right angles to the stroke."""
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    draw.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)],
                 fill=fill)


def tilted_ellipse(cx, cy, rx, ry, degrees, steps=96):
    t = math.radians(degrees)
    ct, st = math.cos(t), math.sin(t)
    points = []
    for i in range(steps):
        u = 2 * math.pi * i / steps
        ex, ey = rx * math.cos(u), ry * math.sin(u)
        points.append((cx + ex * ct - ey * st, cy + ex * st + ey * ct))
    return points


# ---------------------------------------------------------------------------
# Skin pictures
# ---------------------------------------------------------------------------

SKIN_SIZE = (131, 73)


def make_skin_sea_blue():
    return png_bytes(Image.new("RGB", SKIN_SIZE, SEA_BLUE))


def make_skin_golden():
    return png_bytes(Image.new("RGBA", SKIN_SIZE, GOLDEN + (255,)))


def make_skin_black():
    """Brushed dark metal: horizontal streaks over a faint diagonal sheen."""
    rng = random.Random(SEED + 1)
    w, h = SKIN_SIZE
    img = Image.new("RGB", SKIN_SIZE)
    px = img.load()
    for y in range(h):
        streak = rng.uniform(-3.0, 3.0)
        raw = [rng.uniform(-6.0, 6.0) for _ in range(w + 8)]
        # A running mean along the row stretches the noise into brush strokes.
        for x in range(w):
            brushed = sum(raw[x:x + 9]) / 9.0
            sheen = 5.0 * math.cos((x + 2 * y) / 40.0)
            v = 24.0 + streak + 2.2 * brushed + sheen
            v = max(12, min(38, int(round(v))))
            px[x, y] = (v, v, min(40, v + 2))
    return jpeg_bytes(img, quality=85, subsampling=0)


# ---------------------------------------------------------------------------
# Emblem: a microphone and a pair of notes on a gradient disc
# ---------------------------------------------------------------------------

DISC_LIGHT = (72, 196, 220)
DISC_DARK = (92, 66, 182)
NOTE_GOLD = (255, 214, 110)


def draw_emblem(side, detailed):
    """The emblem on a transparent square of `side` pixels (drawn 4x and reduced)."""
    ss = 4
    S = side * ss
    u = S / 100.0  # design units: the emblem is laid out on a 100 x 100 grid

    def box(x0, y0, x1, y1):
        return [x0 * u, y0 * u, x1 * u, y1 * u]

    size = (S, S)
    canvas = Image.new("RGBA", size, (0, 0, 0, 0))

    disc_r = 48.5 if detailed else 49.5
    disc_mask = Image.new("L", size, 0)
    ImageDraw.Draw(disc_mask).ellipse(box(50 - disc_r, 50 - disc_r, 50 + disc_r, 50 + disc_r), fill=255)
    disc = diagonal_gradient(size, DISC_LIGHT, DISC_DARK).convert("RGBA")
    disc.putalpha(disc_mask)
    canvas = Image.alpha_composite(canvas, disc)

    # Gloss over the upper half of the disc.
    gloss_shape = Image.new("L", size, 0)
    ImageDraw.Draw(gloss_shape).ellipse(box(12, 3, 88, 58), fill=255)
    gloss_shape = gloss_shape.filter(ImageFilter.GaussianBlur(2.5 * u))
    ramp = Image.linear_gradient("L").resize((S, S), Image.BILINEAR)
    fade = ramp.point(lambda v: max(0, 80 - v * 80 // 150))
    gloss_alpha = Image.new("L", size, 0)
    gloss_alpha.paste(fade, (0, 0), gloss_shape)
    canvas = Image.alpha_composite(canvas, solid_layer(size, (255, 255, 255), gloss_alpha))

    cx = 41 if detailed else 38  # microphone axis

    if detailed:
        # Thin light rim and sound waves on both sides of the microphone.
        rim = Image.new("L", size, 0)
        ImageDraw.Draw(rim).ellipse(box(50 - disc_r + 1.2, 50 - disc_r + 1.2,
                                        50 + disc_r - 1.2, 50 + disc_r - 1.2),
                                    outline=255, width=max(1, int(0.9 * u)))
        canvas = Image.alpha_composite(canvas, solid_layer(size, (255, 255, 255, 90), rim))
        waves = Image.new("L", size, 0)
        wd = ImageDraw.Draw(waves)
        for radius, alpha in ((21, 150), (28, 95)):
            for start, end in ((150, 210), (-30, 30)):
                wd.arc(box(cx - radius, 37 - radius, cx + radius, 37 + radius), start, end,
                       fill=alpha, width=int(2.2 * u))
        canvas = Image.alpha_composite(canvas, solid_layer(size, (255, 255, 255), waves))

    # Microphone: capsule, holder, stem and foot, with a soft shadow underneath.
    mic = Image.new("L", size, 0)
    md = ImageDraw.Draw(mic)
    cap_w = 19 if detailed else 22
    md.rounded_rectangle(box(cx - cap_w / 2, 18, cx + cap_w / 2, 56), radius=cap_w / 2 * u, fill=255)
    holder_w = 3.6 if detailed else 5
    md.arc(box(cx - 16, 30, cx + 16, 62), 0, 180, fill=255, width=int(holder_w * u))
    md.rectangle(box(cx - holder_w / 2, 61, cx + holder_w / 2, 73), fill=255)
    md.rounded_rectangle(box(cx - 13, 72, cx + 13, 78), radius=2.5 * u, fill=255)

    note = Image.new("L", size, 0)
    nd = ImageDraw.Draw(note)
    stem_w = 2.6 if detailed else 4.0
    left_x, right_x = (76, 87) if detailed else (71, 85)
    top_l, top_r = (29, 24) if detailed else (20, 14)
    foot_l, foot_r = (top_l + 23, top_r + 23) if detailed else (44, 39)
    thick_line(nd, (left_x * u, (top_l + 1) * u), (left_x * u, foot_l * u), stem_w * u, 255)
    thick_line(nd, (right_x * u, (top_r + 1) * u), (right_x * u, foot_r * u), stem_w * u, 255)
    beam = 4.5 if detailed else 6.0
    nd.polygon([((left_x - stem_w / 2) * u, top_l * u), ((right_x + stem_w / 2) * u, top_r * u),
                ((right_x + stem_w / 2) * u, (top_r + beam) * u),
                ((left_x - stem_w / 2) * u, (top_l + beam) * u)], fill=255)
    head_rx, head_ry = (4.6, 3.4) if detailed else (5.5, 4.2)
    for hx, hy in ((left_x - head_rx + stem_w / 2, foot_l), (right_x - head_rx + stem_w / 2, foot_r)):
        nd.polygon([(px_ * u, py_ * u) for px_, py_ in tilted_ellipse(hx, hy, head_rx, head_ry, -25)],
                   fill=255)

    shadow = Image.new("L", size, 0)
    shadow.paste(mic, (int(1.2 * u), int(1.8 * u)))
    shadow.paste(255, (int(1.2 * u), int(1.8 * u)), note)
    shadow = shadow.filter(ImageFilter.GaussianBlur(1.6 * u)).point(lambda v: v * 70 // 255)
    shadow_clip = Image.new("L", size, 0)
    shadow_clip.paste(shadow, (0, 0), disc_mask)
    canvas = Image.alpha_composite(canvas, solid_layer(size, (20, 10, 60), shadow_clip))
    canvas = Image.alpha_composite(canvas, solid_layer(size, (255, 255, 255), mic))
    canvas = Image.alpha_composite(canvas, solid_layer(size, NOTE_GOLD, note))

    if detailed:
        # Grille slots and a collar band on the capsule.
        grille = Image.new("L", size, 0)
        gd = ImageDraw.Draw(grille)
        for gy in (27, 32, 37):
            gd.rounded_rectangle(box(cx - 5.5, gy, cx + 5.5, gy + 1.6), radius=0.8 * u, fill=255)
        gd.rectangle(box(cx - cap_w / 2, 43, cx + cap_w / 2, 45.5), fill=255)
        grille.paste(0, (0, 0), Image.eval(mic, lambda v: 255 - v))
        canvas = Image.alpha_composite(canvas, solid_layer(size, (150, 160, 215), grille))

    return downsample(canvas, (side, side))


AVATAR_SIZE = (735, 734)


def make_avatar():
    w, h = AVATAR_SIZE
    side = 690
    emblem = draw_emblem(side, detailed=True)
    ox, oy = (w - side) // 2, (h - side) // 2 - 4
    img = Image.new("RGBA", AVATAR_SIZE, (255, 255, 255, 255))
    shadow_mask = Image.new("L", AVATAR_SIZE, 0)
    ImageDraw.Draw(shadow_mask).ellipse([ox + 12, oy + 22, ox + side - 12, oy + side - 2], fill=70)
    shadow_mask = shadow_mask.filter(ImageFilter.GaussianBlur(9))
    img = Image.alpha_composite(img, solid_layer(AVATAR_SIZE, (40, 30, 80), shadow_mask))
    layer = Image.new("RGBA", AVATAR_SIZE, (0, 0, 0, 0))
    layer.paste(emblem, (ox, oy))
    img = Image.alpha_composite(img, layer)
    return jpeg_bytes(img, quality=90, subsampling=0)


def icon_image():
    small = draw_emblem(32, detailed=False)
    # Fully transparent pixels carry black, as icon editors write them.
    black = Image.new("RGBA", small.size, (0, 0, 0, 0))
    return Image.composite(small, black, small.getchannel("A").point(lambda v: 255 if v else 0))


def ico_bytes(img):
    """A classic icon file with one 32-bit DIB image (XOR colour data plus AND mask)."""
    w, h = img.size
    px = img.load()
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        row_bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
            if a == 0:
                row_bits[x // 8] |= 0x80 >> (x % 8)
        mask += row_bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    dib = header + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(dib), 6 + 16)
    return icondir + entry + dib


def make_app_icon():
    return ico_bytes(icon_image())


# ---------------------------------------------------------------------------
# Help picture: the accompaniment settings panel of a voice-chat client
# ---------------------------------------------------------------------------

HELP_SIZE = (259, 186)
CLOSE_LINK_BOX = (224, 16, 234, 26)  # where the window's "X" link label sits

HELP_TITLE = "伴奏设置"
HELP_GROUP = "伴奏来源："
HELP_OPTIONS = ("麦克风", "当前伴奏（系统声音）", "不使用伴奏")
HELP_CHOSEN = 1
HELP_HINT_LINES = (("选择", "“当前伴奏”", "即可把网页播放器"), ("的声音作为频道背景音乐。", "", ""))

PANEL_BORDER = (88, 112, 150)
HEADER_TOP = (86, 150, 222)
HEADER_BOTTOM = (46, 104, 184)
BODY = (244, 247, 251)
TEXT = (34, 40, 52)
HINT = (84, 96, 116)
MARK_RED = (226, 24, 24)


def cjk_font(px):
    return ImageFont.truetype(CJK_FONT, px, index=0, layout_engine=ImageFont.Layout.BASIC)


def make_help_picture():
    w, h = HELP_SIZE
    ss = 4
    big = (w * ss, h * ss)
    header_h = 40
    group_top, group_bottom = 50, 118
    row_y = (60, 79, 98)
    hint_y = 124
    button_y = 158
    radio_x = 26

    # Shapes are drawn four times larger and reduced; text is drawn afterwards at 1x.
    img = Image.new("RGBA", big, BODY + (255,))
    img.paste(vertical_gradient((big[0], header_h * ss), HEADER_TOP, HEADER_BOTTOM), (0, 0))
    gloss = vertical_gradient((big[0], header_h * ss // 2), (255, 255, 255, 60), (255, 255, 255, 10))
    img = Image.alpha_composite(img, _placed(big, gloss, (0, 0)))
    d = ImageDraw.Draw(img)
    d.rectangle([0, header_h * ss, big[0], header_h * ss + ss - 1], fill=(36, 84, 150, 255))

    # Header emblem: a small white note in a ring.
    d.ellipse([10 * ss, 11 * ss, 28 * ss, 29 * ss], outline=(255, 255, 255, 230), width=int(1.4 * ss))
    thick_line(d, (20.6 * ss, 14.5 * ss), (20.6 * ss, 23.5 * ss), 1.6 * ss, (255, 255, 255, 255))
    d.polygon([(20.6 * ss, 14.5 * ss), (24.5 * ss, 16.5 * ss), (24.5 * ss, 18.8 * ss),
               (20.6 * ss, 17 * ss)], fill=(255, 255, 255, 255))
    d.polygon([(x * ss, y * ss) for x, y in tilted_ellipse(18.6, 23.8, 2.6, 1.9, -25)],
              fill=(255, 255, 255, 255))

    # Group box around the options.
    d.rounded_rectangle([10 * ss, group_top * ss, (w - 11) * ss, group_bottom * ss], radius=3 * ss,
                        outline=(176, 190, 210, 255), width=ss, fill=(255, 255, 255, 255))

    # Radio buttons.
    for i, y in enumerate(row_y):
        cy = y + 7
        d.ellipse([(radio_x - 6) * ss, (cy - 6) * ss, (radio_x + 6) * ss, (cy + 6) * ss],
                  fill=(120, 136, 160, 255))
        d.ellipse([(radio_x - 5) * ss, (cy - 5) * ss, (radio_x + 5) * ss, (cy + 5) * ss],
                  fill=(252, 253, 255, 255))
        if i == HELP_CHOSEN:
            d.ellipse([(radio_x - 3) * ss, (cy - 3) * ss, (radio_x + 3) * ss, (cy + 3) * ss],
                      fill=(40, 110, 200, 255))

    # Info mark in front of the hint.
    d.ellipse([12 * ss, (hint_y + 1) * ss, 24 * ss, (hint_y + 13) * ss], fill=(74, 138, 214, 255))
    d.rectangle([17.3 * ss, (hint_y + 5.8) * ss, 18.7 * ss, (hint_y + 10.6) * ss], fill=(255, 255, 255, 255))
    d.ellipse([17.2 * ss, (hint_y + 3.2) * ss, 18.8 * ss, (hint_y + 4.8) * ss], fill=(255, 255, 255, 255))

    # Buttons along the bottom.
    buttons = ((139, "确定"), (196, "取消"))
    for bx, _ in buttons:
        d.rounded_rectangle([bx * ss, button_y * ss, (bx + 50) * ss, (button_y + 18) * ss], radius=3 * ss,
                            fill=(120, 140, 170, 255))
        d.rounded_rectangle([(bx + 1) * ss, (button_y + 1) * ss, (bx + 49) * ss, (button_y + 17) * ss],
                            radius=2 * ss, fill=(236, 241, 248, 255))

    img = downsample(img, HELP_SIZE).convert("RGB")
    d = ImageDraw.Draw(img)
    f13, f12 = cjk_font(13), cjk_font(12)

    d.text((34, 13), HELP_TITLE, font=f13, fill=(255, 255, 255))
    d.text((35, 13), HELP_TITLE, font=f13, fill=(255, 255, 255))  # a touch bolder

    # Group caption interrupts the group box line.
    gw = d.textlength(HELP_GROUP, font=f12)
    d.rectangle([16, group_top - 4, 20 + gw, group_top], fill=BODY)
    d.rectangle([16, group_top + 1, 20 + gw, group_top + 4], fill=(255, 255, 255))
    d.text((18, group_top - 7), HELP_GROUP, font=f12, fill=TEXT)

    for i, (y, label) in enumerate(zip(row_y, HELP_OPTIONS)):
        d.text((radio_x + 11, y + 1), label, font=f12, fill=TEXT)
        if i == HELP_CHOSEN:
            right = radio_x + 11 + int(d.textlength(label, font=f12)) + 5
            d.rectangle([radio_x - 10, y - 3, right, y + 17], outline=MARK_RED, width=2)

    for line_no, parts in enumerate(HELP_HINT_LINES):
        x = 29 if line_no == 0 else 14
        y = hint_y + line_no * 15
        for part_no, part in enumerate(parts):
            colour = MARK_RED if part_no == 1 else HINT
            d.text((x, y), part, font=f12, fill=colour)
            x += d.textlength(part, font=f12)

    for bx, caption in buttons:
        tw = d.textlength(caption, font=f12)
        d.text((bx + 25 - tw / 2, button_y + 3), caption, font=f12, fill=TEXT)

    d.rectangle([0, 0, w - 1, h - 1], outline=PANEL_BORDER)
    return jpeg_bytes(img, quality=92, subsampling=0)


def _placed(size, layer, pos):
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    out.paste(layer, pos)
    return out


# ---------------------------------------------------------------------------
# Caption button glyphs
# ---------------------------------------------------------------------------

GLYPH_H = 18
EDGE_LINE_ALPHA = 40     # the faint light line along the top and left edges
EDGE_SHADOW_ALPHA = 150  # strongest alpha of the dark rim around the pictogram


def _rect(d, x0, y0, x1, y1, ss, value=255):
    """Fills the pixel cells x0..x1-1, y0..y1-1 (given in glyph pixels)."""
    d.rectangle([x0 * ss, y0 * ss, x1 * ss - 1, y1 * ss - 1], fill=value)


def _window_outline(d, x0, y0, x1, y1, ss):
    _rect(d, x0, y0, x1, y1, ss)
    _rect(d, x0 + 1, y0 + 2, x1 - 1, y1 - 1, ss, 0)


def pictogram_close(d, w, ss):
    c, r = w / 2, 4.6
    for (ax, ay), (bx, by) in (((c - r, 9 - r), (c + r, 9 + r)), ((c + r, 9 - r), (c - r, 9 + r))):
        thick_line(d, (ax * ss, ay * ss), (bx * ss, by * ss), 2.1 * ss, 255)


def pictogram_minimise(d, w, ss):
    _rect(d, 8, 11, 18, 13, ss)


def pictogram_maximise(d, w, ss):
    _window_outline(d, 8, 4, 18, 14, ss)


def pictogram_restore(d, w, ss):
    _window_outline(d, 10, 3, 19, 11, ss)
    _rect(d, 7, 6, 16, 15, ss, 0)
    _window_outline(d, 7, 7, 16, 15, ss)


def pictogram_menu(d, w, ss):
    # Window frame whose lower-right corner is cut away by a notch.
    _rect(d, 7, 4, 19, 6, ss)     # title bar
    _rect(d, 7, 6, 8, 14, ss)     # left side
    _rect(d, 8, 13, 15, 14, ss)   # bottom, up to the notch
    _rect(d, 18, 6, 19, 11, ss)   # right side, down to the notch
    _rect(d, 14, 10, 18, 11, ss)  # notch, across
    _rect(d, 14, 11, 15, 13, ss)  # notch, down
    # A small drop mark sits in the notch.
    d.polygon([(16 * ss, 12 * ss), (20 * ss, 12 * ss), (18 * ss, 14.5 * ss)], fill=255)


def pictogram_help(d, w, ss):
    cx, cy = w / 2, 9
    d.ellipse([(cx - 6) * ss, (cy - 6) * ss, (cx + 6) * ss, (cy + 6) * ss], fill=255)
    # The question mark is cut out of the disc; the dark rim fills the cut.
    d.arc([(cx - 2.4) * ss, (cy - 5.0) * ss, (cx + 2.4) * ss, (cy - 0.2) * ss], 180, 450,
          fill=0, width=int(1.5 * ss))
    d.rectangle([(cx - 0.75) * ss, (cy - 0.6) * ss, (cx + 0.75) * ss, (cy + 1.6) * ss], fill=0)
    d.ellipse([(cx - 0.9) * ss, (cy + 2.5) * ss, (cx + 0.9) * ss, (cy + 4.3) * ss], fill=0)


CAPTION_GLYPHS = {
    "close": (38, pictogram_close),
    "minimise": (26, pictogram_minimise),
    "maximise": (26, pictogram_maximise),
    "restore": (26, pictogram_restore),
    "menu": (26, pictogram_menu),
    "help": (26, pictogram_help),
}


def caption_glyph_image(name):
    width, pictogram = CAPTION_GLYPHS[name]
    ss = 4
    size = (width, GLYPH_H)
    big = Image.new("L", (width * ss, GLYPH_H * ss), 0)
    pictogram(ImageDraw.Draw(big), width, ss)
    shape = big.resize(size, Image.BOX)

    rim = shape.filter(ImageFilter.MaxFilter(3)).filter(ImageFilter.GaussianBlur(0.7))
    rim = rim.point(lambda v: min(255, v * 2) * EDGE_SHADOW_ALPHA // 255)
    # The top row and the left column belong to the light edge line alone.
    rim.paste(0, (0, 0, width, 1))
    rim.paste(0, (0, 0, 1, GLYPH_H))

    edge = Image.new("L", size, 0)
    ImageDraw.Draw(edge).line([(0, size[1] - 1), (0, 0), (size[0] - 1, 0)], fill=EDGE_LINE_ALPHA)

    img = solid_layer(size, (255, 255, 255), edge)
    img = Image.alpha_composite(img, solid_layer(size, (0, 0, 0), rim))
    img = Image.alpha_composite(img, solid_layer(size, (255, 255, 255), shape))
    return img


# ---------------------------------------------------------------------------
# Arrow glyphs and the tick
# ---------------------------------------------------------------------------


def arrow_image(direction):
    """Opaque black triangle filling its box; apex towards `direction`."""
    widths = (1, 3, 5, 7)
    img = Image.new("RGBA", (7, 4), (0, 0, 0, 0))
    for row, n in enumerate(widths):
        for x in range((7 - n) // 2, (7 + n) // 2):
            img.putpixel((x, row), (0, 0, 0, 255))
    turns = {"up": None, "down": Image.FLIP_TOP_BOTTOM,
             "left": Image.ROTATE_90, "right": Image.ROTATE_270}
    return img if turns[direction] is None else img.transpose(turns[direction])


# Colours of the tick; "." is pure white, which is stored fully transparent.
TICK_TABLE = """
. . . . . . . . . . . EAF1F0 D3E6AF
. . . . . . . . . . CEE7A3 ADD56A .
. . . . . . . . EBF5DB 8AC138 98C74D . .
. . . . . . . DCEDC2 79B221 86BB35 F9FDF7 . .
. . . . . . E4F1D0 72AC1B 6CA715 E0EEC9 . . .
D3E6AF C4DC98 F0F7E6 . . . 81B233 65A00D 9EC45D . . . .
. F2F7E7 7AAB2E 8AB544 . B5D284 60980B 649C10 EAF3DD . . . .
. . EDF3E1 70A223 5C9309 5C9309 5C9309 96BC59 . . . . .
. . . DCE8C5 5B900B 588E06 5A8F09 E3EFD0 . . . . .
. . . . 98B95E 548805 7FA73B . . . . . .
. . . . EDF2E0 558709 C4D7A1 . . . . . .
. . . . . A8C479 . . . . . . .
"""
TICK_SIZE = (13, 12)


def tick_cells():
    rows = [line.split() for line in TICK_TABLE.strip().splitlines()]
    assert len(rows) == TICK_SIZE[1] and all(len(r) == TICK_SIZE[0] for r in rows), "tick table shape"
    return rows


def tick_pixel(cell):
    if cell == ".":
        return (255, 255, 255, 0)
    value = int(cell, 16)
    return (value >> 16, (value >> 8) & 0xFF, value & 0xFF, 255)


def make_tick():
    img = Image.new("RGBA", TICK_SIZE)
    for y, row in enumerate(tick_cells()):
        for x, cell in enumerate(row):
            img.putpixel((x, y), tick_pixel(cell))
    return png_bytes(img, dpi=96)


# ---------------------------------------------------------------------------
# Output list
# ---------------------------------------------------------------------------


def builders():
    out = {
        "skin_sea_blue.png": make_skin_sea_blue,
        "skin_golden.png": make_skin_golden,
        "skin_black.jpg": make_skin_black,
        "avatar.jpg": make_avatar,
        "help_picture.jpg": make_help_picture,
        "app_icon.ico": make_app_icon,
        "tick.png": make_tick,
    }
    for name in CAPTION_GLYPHS:
        out["caption_%s.png" % name] = (lambda n=name: png_bytes(caption_glyph_image(n)))
    for direction in ("up", "down", "left", "right"):
        out["arrow_%s.png" % direction] = (lambda d=direction: png_bytes(arrow_image(d)))
    return out


def build_all():
    return {name: make() for name, make in builders().items()}


# ---------------------------------------------------------------------------
# Self-check of the written files
# ---------------------------------------------------------------------------


def png_chunks(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "PNG signature"
    pos, chunks = 8, {}
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert zlib.crc32(kind + body) == crc, "PNG chunk CRC"
        chunks.setdefault(kind.decode("ascii"), []).append(body)
        pos += 12 + length
    return chunks


def open_checked(path, fmt, size, mode):
    img = Image.open(path)
    img.load()
    assert img.format == fmt, "%s: format %s" % (path.name, img.format)
    assert img.size == size, "%s: size %s" % (path.name, img.size)
    assert img.mode == mode, "%s: mode %s" % (path.name, img.mode)
    return img


def check_flat(path, mode, colour):
    img = open_checked(path, "PNG", SKIN_SIZE, mode)
    assert img.getcolors() == [(SKIN_SIZE[0] * SKIN_SIZE[1], colour)], "%s: not one flat colour" % path.name
    ihdr = png_chunks(path.read_bytes())["IHDR"][0]
    bit_depth, colour_type = ihdr[8], ihdr[9]
    assert (bit_depth, colour_type) == (8, 2 if mode == "RGB" else 6), "%s: PNG pixel format" % path.name


def check_black_skin(path):
    img = open_checked(path, "JPEG", SKIN_SIZE, "RGB")
    values = list(img.convert("L").getdata())
    assert 5 <= min(values) and max(values) <= 48, "black skin leaves the near-black range"
    mean = sum(values) / len(values)
    assert 15 <= mean <= 35, "black skin mean %.1f" % mean
    assert max(values) - min(values) >= 8, "black skin has no texture"


def check_emblem_picture(path, size):
    img = open_checked(path, "JPEG", size, "RGB")
    w, h = size
    # White ground in the corners, the gradient disc around the middle.
    for corner in ((2, 2), (w - 3, 2), (2, h - 3)):
        assert min(img.getpixel(corner)) >= 245, "%s: corner not white" % path.name
    r, g, b = img.getpixel((w // 5, h // 2))
    assert b > r + 40, "%s: disc colour missing" % path.name


def check_help_picture(path):
    img = open_checked(path, "JPEG", HELP_SIZE, "RGB")
    # The red frame around the chosen option is there.
    reds = sum(1 for r, g, b in img.getdata() if r > 180 and g < 90 and b < 90)
    assert reds >= 150, "help picture: red frame missing (%d red pixels)" % reds
    # The area under the close link is calm: no detail drawn there.
    x0, y0, x1, y1 = CLOSE_LINK_BOX
    calm = img.crop((x0 - 4, y0 - 4, x1 + 5, y1 + 5)).convert("L")
    lo, hi = calm.getextrema()
    assert hi - lo <= 40, "help picture: busy area under the close link (%d..%d)" % (lo, hi)


def check_icon(path):
    data = path.read_bytes()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    assert (reserved, kind, count) == (0, 1, 1), "icon directory"
    w, h, colours, _, planes, bpp, length, offset = struct.unpack("<BBBBHHII", data[6:22])
    assert (w, h, colours, planes, bpp, offset) == (32, 32, 0, 1, 32, 22), "icon entry"
    assert offset + length == len(data), "icon length"
    hdr = struct.unpack("<IiiHHIIiiII", data[22:62])
    assert hdr[:6] == (40, 32, 64, 1, 32, 0), "icon DIB header %r" % (hdr,)
    xor_len, and_len = 32 * 32 * 4, 32 * 4
    assert length == 40 + xor_len + and_len, "icon DIB size"
    xor = data[62:62 + xor_len]
    and_mask = data[62 + xor_len:]
    expected = icon_image()
    px = expected.load()
    for row in range(32):
        y = 31 - row
        for x in range(32):
            b, g, r, a = xor[(row * 32 + x) * 4:(row * 32 + x) * 4 + 4]
            assert (r, g, b, a) == px[x, y], "icon pixel %d,%d" % (x, y)
            masked = bool(and_mask[row * 4 + x // 8] & (0x80 >> (x % 8)))
            assert masked == (a == 0), "icon AND mask at %d,%d" % (x, y)
    alphas = [px[x, y][3] for y in range(32) for x in range(32)]
    assert alphas.count(255) > 400 and alphas.count(0) > 50, "icon has no disc on a clear ground"
    # An independent reader agrees.
    decoded = Image.open(path)
    decoded.load()
    assert decoded.size == (32, 32), "icon as read back"
    assert list(decoded.convert("RGBA").getdata()) == list(expected.getdata()), "icon decoded pixels"


def check_caption_glyph(path, name):
    width = CAPTION_GLYPHS[name][0]
    img = open_checked(path, "PNG", (width, GLYPH_H), "RGBA")
    px = img.load()
    edge = [(x, 0) for x in range(width)] + [(0, y) for y in range(1, GLYPH_H)]
    for p in edge:
        r, g, b, a = px[p]
        assert (r, g, b) == (255, 255, 255) and 0 < a <= 60, "%s: edge line at %s is %r" % (path.name, p, px[p])
    inner = [px[x, y] for y in range(1, GLYPH_H) for x in range(1, width)]
    assert sum(1 for p in inner if p == (255, 255, 255, 255)) >= 8, "%s: no white pictogram" % path.name
    assert any(p[3] > 40 and max(p[:3]) < 120 for p in inner), "%s: no dark edge" % path.name
    assert px[width - 1, GLYPH_H - 1][3] == 0, "%s: ground not transparent" % path.name
    # The pictogram sits in the middle of its button; the minimise bar lies low.
    white = [(x, y) for y in range(GLYPH_H) for x in range(width) if px[x, y] == (255, 255, 255, 255)]
    xs, ys = [x for x, _ in white], [y for _, y in white]
    mid_x, mid_y = (min(xs) + max(xs) + 1) / 2, (min(ys) + max(ys) + 1) / 2
    assert abs(mid_x - width / 2) <= 1.5, "%s: pictogram off centre (x %.1f)" % (path.name, mid_x)
    if name == "minimise":
        assert min(ys) > GLYPH_H / 2, "%s: bar not low in the picture" % path.name
    else:
        assert abs(mid_y - GLYPH_H / 2) <= 1.5, "%s: pictogram off centre (y %.1f)" % (path.name, mid_y)


# Written out by hand: "#" opaque black, "." transparent.
ARROW_PICTURES = {
    "up": ["...#...",
           "..###..",
           ".#####.",
           "#######"],
    "down": ["#######",
             ".#####.",
             "..###..",
             "...#..."],
    "left": ["...#",
             "..##",
             ".###",
             "####",
             ".###",
             "..##",
             "...#"],
    "right": ["#...",
              "##..",
              "###.",
              "####",
              "###.",
              "##..",
              "#..."],
}


def check_arrow(path, direction):
    picture = ARROW_PICTURES[direction]
    size = (len(picture[0]), len(picture))
    img = open_checked(path, "PNG", size, "RGBA")
    for y, line in enumerate(picture):
        for x, ch in enumerate(line):
            want = (0, 0, 0, 255) if ch == "#" else (0, 0, 0, 0)
            assert img.getpixel((x, y)) == want, "%s: pixel %d,%d" % (path.name, x, y)
    ihdr = png_chunks(path.read_bytes())["IHDR"][0]
    assert (ihdr[8], ihdr[9]) == (8, 6), "%s: not 32-bit RGBA" % path.name


def check_tick(path):
    img = open_checked(path, "PNG", TICK_SIZE, "RGBA")
    cells = tick_cells()
    for y in range(TICK_SIZE[1]):
        for x in range(TICK_SIZE[0]):
            assert img.getpixel((x, y)) == tick_pixel(cells[y][x]), "tick pixel %d,%d" % (x, y)
    # Spot checks against the table as printed, independent of the parser.
    assert img.getpixel((12, 0)) == (0xD3, 0xE6, 0xAF, 255)
    assert img.getpixel((0, 5)) == (0xD3, 0xE6, 0xAF, 255)
    assert img.getpixel((5, 11)) == (0xA8, 0xC4, 0x79, 255)
    assert img.getpixel((0, 0)) == (255, 255, 255, 0)
    assert sum(1 for p in img.getdata() if p[3] == 255) == 46, "tick: count of tick pixels"
    chunks = png_chunks(path.read_bytes())
    assert (chunks["IHDR"][0][8], chunks["IHDR"][0][9]) == (8, 6), "tick: not 32-bit RGBA"
    ppm_x, ppm_y, unit = struct.unpack(">IIB", chunks["pHYs"][0])
    assert (ppm_x, ppm_y, unit) == (3780, 3780, 1), "tick: not 96 dpi"


def check_rc(names):
    """Every picture is bound into the program by resources.rc, and nothing else is."""
    text = RC_FILE.read_text(encoding="ascii")
    referenced = re.findall(r'^\s*\w+\s+(?:ICON|RCDATA)\s+"([^"]+)"', text, re.MULTILINE)
    assert sorted(referenced) == sorted(names), "resources.rc lists %r" % (referenced,)
    ids = re.findall(r'^\s*(\w+)\s+(?:ICON|RCDATA)\s+"([^"]+)"', text, re.MULTILINE)
    for rid, file_name in ids:
        if file_name != "app_icon.ico":
            assert rid == Path(file_name).stem.upper(), "resource name %s for %s" % (rid, file_name)


def self_check(written):
    checks = {
        "skin_sea_blue.png": lambda p: check_flat(p, "RGB", SEA_BLUE),
        "skin_golden.png": lambda p: check_flat(p, "RGBA", GOLDEN + (255,)),
        "skin_black.jpg": check_black_skin,
        "avatar.jpg": lambda p: check_emblem_picture(p, AVATAR_SIZE),
        "help_picture.jpg": check_help_picture,
        "app_icon.ico": check_icon,
        "tick.png": check_tick,
    }
    for name in CAPTION_GLYPHS:
        checks["caption_%s.png" % name] = lambda p, n=name: check_caption_glyph(p, n)
    for direction in ARROW_PICTURES:
        checks["arrow_%s.png" % direction] = lambda p, d=direction: check_arrow(p, d)
    assert sorted(checks) == sorted(written), "every written file has a check"
    for name, check in checks.items():
        check(OUT_DIR / name)
    if RC_FILE.exists():
        check_rc(written)
    # Drawing again gives the same bytes: nothing depends on time or shared state.
    again = build_all()
    for name, data in written.items():
        assert again[name] == data, "%s is not reproducible" % name


def main():
    OUT_DIR.mkdir(exist_ok=True)
    written = build_all()
    for name, data in written.items():
        (OUT_DIR / name).write_bytes(data)
    self_check(written)
    for name, data in sorted(written.items()):
        print("%-22s %7d bytes  %s" % (name, len(data), hashlib.sha256(data).hexdigest()[:12]))
    print("all %d files checked" % len(written))
    return 0


if __name__ == "__main__":
    sys.exit(main())

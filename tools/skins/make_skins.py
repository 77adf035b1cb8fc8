#!/usr/bin/python3
"""Draws the Nostalgia skins that ship in data/Skins and writes their skins files.

Every picture is drawn here from shapes and gradients (no third-party artwork), and every layout
value is computed from one design per window-width bucket, so that the boxes stay consistent with
each other and with the pictures: the game's screen lands exactly on the monitor glass that was
drawn into each computer. Run it after changing a drawing or the layout, then commit data/Skins:

    /usr/bin/python3 tools/skins/make_skins.py            # writes data/Skins
    /usr/bin/python3 tools/skins/make_skins.py --preview /tmp/skins-preview

It needs Debian's python3-pil. The preview option also composes each skin at the smallest window
of every bucket, with stand-in pictures in the game boxes, so a layout can be judged without
building the program.
"""

import argparse
import math
import os
import random
import shutil
import sys
import zlib

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(REPO, "data", "Skins")

SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SANS_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
MONO = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"

# The DOS font for the list comes from Debian's fonts-pc (the Oldschool PC Font Pack, CC BY-SA 4.0);
# it is copied beside the skins with its licence so that the program can load it at start.
DOS_FONT_FILE = "/usr/share/fonts/pc/Px_IBM_VGA8.ttf"
DOS_FONT_LICENCE = "/usr/share/doc/fonts-pc/copyright"
DOS_FONT_FAMILY = "Px IBM VGA8"

SS = 3  # supersampling: shapes are drawn three times larger and scaled down for smooth edges

# All computer pictures share one canvas, so that one Computer box per bucket suits every skin.
COMP_W, COMP_H = 1000, 800
# The disk is laid over the computer picture's bottom-right corner (a third of its height, square);
# the drawings keep that corner free.
DISK_ZONE = (COMP_W - COMP_H // 3, COMP_H - COMP_H // 3)

BUCKETS = [800, 1000, 1200, 1400, 1800]
# The smallest window of each bucket: a layout that fits it fits every window of the bucket.
DESIGN_WINDOW = {800: (800, 600), 1000: (1001, 650), 1200: (1201, 750), 1400: (1401, 850),
                 1800: (1701, 950)}


def rgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t=0.25):
    return mix(c, (255, 255, 255), t)


def darker(c, t=0.25):
    return mix(c, (0, 0, 0), t)


class Canvas:
    """An RGBA picture drawn at SS times its size; coordinates are given at the final size."""

    def __init__(self, w, h, background=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), background)
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def s(v):
        return int(round(v * SS))

    def box(self, b):
        return [self.s(b[0]), self.s(b[1]), self.s(b[2]), self.s(b[3])]

    def _mask(self, b, shape, radius=0, points=None):
        x0, y0, x1, y1 = self.box(b)
        m = Image.new("L", (max(1, x1 - x0), max(1, y1 - y0)), 0)
        d = ImageDraw.Draw(m)
        if shape == "rect":
            if radius:
                d.rounded_rectangle([0, 0, x1 - x0 - 1, y1 - y0 - 1], self.s(radius), fill=255)
            else:
                d.rectangle([0, 0, x1 - x0 - 1, y1 - y0 - 1], fill=255)
        elif shape == "ellipse":
            d.ellipse([0, 0, x1 - x0 - 1, y1 - y0 - 1], fill=255)
        elif shape == "poly":
            d.polygon([(self.s(px) - x0, self.s(py) - y0) for px, py in points], fill=255)
        return m, (x0, y0)

    def _paint(self, mask, origin, colours, vertical=True, alpha=255):
        w, h = mask.size
        if isinstance(colours[0], int):
            layer = Image.new("RGBA", (w, h), tuple(colours) + (255,))
        else:
            stops = colours
            if vertical:
                grad = Image.linear_gradient("L").resize((w, h))
            else:
                grad = Image.linear_gradient("L").rotate(90, expand=True).transpose(
                    Image.FLIP_LEFT_RIGHT).resize((w, h))
            if len(stops) == 2:
                layer = Image.composite(Image.new("RGBA", (w, h), stops[1] + (255,)),
                                        Image.new("RGBA", (w, h), stops[0] + (255,)), grad)
            else:
                # three stops: first half then second half
                lut_a = [min(255, v * 2) for v in range(256)]
                lut_b = [max(0, v * 2 - 255) for v in range(256)]
                first = Image.composite(Image.new("RGBA", (w, h), stops[1] + (255,)),
                                        Image.new("RGBA", (w, h), stops[0] + (255,)),
                                        grad.point(lut_a))
                layer = Image.composite(Image.new("RGBA", (w, h), stops[2] + (255,)), first,
                                        grad.point(lut_b))
        if alpha != 255:
            mask = mask.point(lambda v: v * alpha // 255)
        base = self.img.crop((origin[0], origin[1], origin[0] + w, origin[1] + h))
        layer.putalpha(mask)
        base.alpha_composite(layer)
        self.img.paste(base, origin)

    def rect(self, b, fill, radius=0, vertical=True, alpha=255, outline=None, width=1):
        m, o = self._mask(b, "rect", radius)
        self._paint(m, o, fill, vertical, alpha)
        if outline:
            self.outline_rect(b, outline, radius, width)

    def outline_rect(self, b, colour, radius=0, width=1):
        x0, y0, x1, y1 = self.box(b)
        if radius:
            self.draw.rounded_rectangle([x0, y0, x1 - 1, y1 - 1], self.s(radius), outline=colour,
                                        width=max(1, self.s(width)))
        else:
            self.draw.rectangle([x0, y0, x1 - 1, y1 - 1], outline=colour, width=max(1, self.s(width)))

    def ellipse(self, b, fill, vertical=True, alpha=255, outline=None, width=1):
        m, o = self._mask(b, "ellipse")
        self._paint(m, o, fill, vertical, alpha)
        if outline:
            self.draw.ellipse(self.box(b), outline=outline, width=max(1, self.s(width)))

    def poly(self, points, fill, vertical=True, alpha=255, outline=None, width=1):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        b = (min(xs), min(ys), max(xs) + 1, max(ys) + 1)
        m, o = self._mask(b, "poly", points=points)
        self._paint(m, o, fill, vertical, alpha)
        if outline:
            self.draw.line([(self.s(x), self.s(y)) for x, y in points + [points[0]]], fill=outline,
                           width=max(1, self.s(width)))

    def line(self, points, colour, width=1):
        self.draw.line([(self.s(x), self.s(y)) for x, y in points], fill=colour,
                       width=max(1, self.s(width)))

    def shadow(self, b, opacity=110, blur=12, radius=0):
        """A soft dark blot, for objects standing or lying on a surface."""
        x0, y0, x1, y1 = self.box(b)
        pad = self.s(blur) * 3
        m = Image.new("L", (x1 - x0 + 2 * pad, y1 - y0 + 2 * pad), 0)
        ImageDraw.Draw(m).rounded_rectangle([pad, pad, pad + x1 - x0, pad + y1 - y0],
                                            self.s(radius), fill=opacity)
        m = m.filter(ImageFilter.GaussianBlur(self.s(blur)))
        layer = Image.new("RGBA", m.size, (0, 0, 0, 255))
        layer.putalpha(m)
        self.img.alpha_composite(layer, (max(0, x0 - pad), max(0, y0 - pad)),
                                 (max(0, pad - x0), max(0, pad - y0)))

    def text(self, xy, text, size, colour, font=SANS_BOLD, anchor="mm", max_width=None):
        f = ImageFont.truetype(font, self.s(size))
        while max_width and size > 6 and f.getlength(text) > self.s(max_width):
            size -= 1
            f = ImageFont.truetype(font, self.s(size))
        self.draw.text((self.s(xy[0]), self.s(xy[1])), text, font=f, fill=colour, anchor=anchor)

    def image(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


# --------------------------------------------------------------------------------------------
# Pieces of the computers


def keyboard(c, b, body, key, dark_key=None, rows=5, tilt=10, func_row=True):
    """A separate keyboard seen from the front and a little above."""
    x0, y0, x1, y1 = b
    c.shadow((x0 + 6, y0 + 10, x1 + 6, y1 + 8), opacity=120, blur=8, radius=8)
    c.poly([(x0 + tilt, y0), (x1 - tilt, y0), (x1, y1), (x0, y1)], [lighter(body, 0.15), body])
    c.rect((x0, y1 - 12, x1, y1), [body, darker(body, 0.25)], radius=3)
    kx0, ky0 = x0 + tilt + 12, y0 + 10
    kx1, ky1 = x1 - tilt - 12, y1 - 18
    n_cols = 15
    row_h = (ky1 - ky0) / rows
    for r in range(rows):
        ry = ky0 + r * row_h
        shrink = (rows - r) * tilt / rows * 0.4
        rx0, rx1 = kx0 - r * 1.5 - shrink * 0, kx1 + r * 1.5
        kw = (rx1 - rx0) / n_cols
        col = 0
        while col < n_cols:
            span = 1
            if r == rows - 1 and col == 4:
                span = 7  # space bar
            elif r in (1, 2, 3) and col == n_cols - 1:
                span = 1
            kc = key
            if dark_key and (col < 2 or col >= n_cols - 2 or (r == 0 and func_row)):
                kc = dark_key
            k = (rx0 + col * kw + 1.2, ry + 1.2, rx0 + (col + span) * kw - 1.2, ry + row_h - 1.5)
            c.rect(k, [lighter(kc, 0.2), darker(kc, 0.12)], radius=2)
            col += span


def crt(c, b, bezel, glass, inset, radius=18, glass_radius=14, deep=True):
    """A CRT monitor seen from the front. Returns the box of its glass."""
    x0, y0, x1, y1 = b
    c.shadow((x0 + 8, y0 + 12, x1 + 8, y1 + 10), opacity=110, blur=10, radius=radius)
    if deep:
        # the cabinet's side, to give the box some depth
        c.poly([(x1 - 4, y0 + 10), (x1 + 14, y0 + 26), (x1 + 14, y1 - 8), (x1 - 4, y1)],
               [darker(bezel, 0.3), darker(bezel, 0.45)], vertical=False)
    c.rect(b, [lighter(bezel, 0.12), bezel, darker(bezel, 0.12)], radius=radius)
    c.outline_rect(b, darker(bezel, 0.35), radius=radius, width=1.2)
    gl, gt, gr, gbm = inset
    g = (x0 + gl, y0 + gt, x1 - gr, y1 - gbm)
    # recess around the glass
    c.rect((g[0] - 10, g[1] - 10, g[2] + 10, g[3] + 10),
           [darker(bezel, 0.35), darker(bezel, 0.1)], radius=glass_radius + 6)
    c.rect(g, glass, radius=glass_radius)
    # a faint reflection across the upper glass
    c.poly([(g[0] + 12, g[1] + 8), (g[0] + (g[2] - g[0]) * 0.55, g[1] + 8),
            (g[0] + (g[2] - g[0]) * 0.35, g[1] + (g[3] - g[1]) * 0.35), (g[0] + 12, g[1] + (g[3] - g[1]) * 0.45)],
           (255, 255, 255), alpha=18)
    return g


def drive_525(c, b, face, slot=(20, 20, 20), lever=True):
    x0, y0, x1, y1 = b
    c.rect(b, [lighter(face, 0.1), darker(face, 0.1)], radius=2, outline=darker(face, 0.4))
    my = (y0 + y1) / 2
    c.rect((x0 + 14, my - 5, x1 - 14, my + 5), [slot, lighter(slot, 0.15)], radius=2)
    if lever:
        cx = (x0 + x1) / 2
        c.rect((cx - 6, my - (y1 - y0) * 0.38, cx + 6, my + (y1 - y0) * 0.38),
               [lighter(face, 0.2), darker(face, 0.3)], radius=3)
    c.rect((x1 - 22, y1 - 10, x1 - 12, y1 - 6), (40, 180, 60))


def drive_35(c, b, face):
    x0, y0, x1, y1 = b
    c.rect(b, [lighter(face, 0.1), darker(face, 0.1)], radius=2, outline=darker(face, 0.4))
    my = (y0 + y1) / 2
    c.rect((x0 + (x1 - x0) * 0.18, my - 4, x1 - (x1 - x0) * 0.18, my + 3), (30, 30, 30), radius=2)
    c.rect((x1 - 26, my + 6, x1 - 12, my + 12), [lighter(face, 0.2), darker(face, 0.2)], radius=2)
    c.rect((x0 + 10, my + 7, x0 + 20, my + 10), (60, 200, 80))


def cdrom(c, b, face):
    x0, y0, x1, y1 = b
    c.rect(b, [lighter(face, 0.08), darker(face, 0.08)], radius=2, outline=darker(face, 0.35))
    c.rect((x0 + 10, y0 + 6, x1 - 10, y1 - 10), [lighter(face, 0.1), darker(face, 0.06)], radius=3,
           outline=darker(face, 0.25))
    c.rect((x1 - 32, y1 - 9, x1 - 14, y1 - 4), [darker(face, 0.1), darker(face, 0.3)], radius=2)
    c.rect((x0 + 14, y1 - 8, x0 + 22, y1 - 5), (230, 150, 40))


def seven_seg(c, x, y, digits, h=22, on=(255, 60, 40)):
    """A tiny seven-segment speed display, as the turbo displays of the time had."""
    segs = {"0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc", "5": "afgcd",
            "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg", "-": "g"}
    w = h * 0.55
    t = h * 0.12
    c.rect((x - 6, y - 5, x + len(digits) * (w + 8) + 2, y + h + 5), (20, 8, 8), radius=2)
    for i, d in enumerate(digits):
        ox = x + i * (w + 8)
        pos = {"a": (ox, y, ox + w, y + t), "g": (ox, y + h / 2 - t / 2, ox + w, y + h / 2 + t / 2),
               "d": (ox, y + h - t, ox + w, y + h), "f": (ox, y, ox + t, y + h / 2),
               "b": (ox + w - t, y, ox + w, y + h / 2), "e": (ox, y + h / 2, ox + t, y + h),
               "c": (ox + w - t, y + h / 2, ox + w, y + h)}
        for s_ in "abcdefg":
            colour = on if s_ in segs[d] else (60, 20, 18)
            c.rect(pos[s_], colour)


def vents(c, x0, y0, x1, n, colour, gap=7, h=2.5):
    for i in range(n):
        c.rect((x0, y0 + i * gap, x1, y0 + i * gap + h), colour, radius=1)


def knob(c, cx, cy, r, colour):
    c.ellipse((cx - r, cy - r, cx + r, cy + r), [lighter(colour, 0.35), darker(colour, 0.35)],
              outline=darker(colour, 0.5))
    c.ellipse((cx - r * 0.35, cy - r * 0.35, cx + r * 0.35, cy + r * 0.35), darker(colour, 0.2))


# --------------------------------------------------------------------------------------------
# The computers. Each returns (picture, glass box in picture pixels).

BEIGE = rgb("d8cfb4")
BEIGE_DARK = rgb("b9ae8f")
PUTTY = rgb("cfc8b0")


def glass_colour(kind):
    return {"green": [rgb("0a2a12"), rgb("061a0a")], "colour": [rgb("1a2030"), rgb("0b0d14")],
            "amber": [rgb("2a1a06"), rgb("120a02")], "tv": [rgb("26303a"), rgb("0e1216")]}[kind]


def computer_8086():
    c = Canvas(COMP_W, COMP_H)
    # system unit: wide, low, beige, with two full-height 5.25" drives on the right
    unit = (70, 340, 930, 528)
    c.shadow((unit[0] + 6, unit[1] + 14, unit[2] + 10, unit[3] + 8), opacity=130, blur=10)
    c.rect(unit, [lighter(BEIGE, 0.1), BEIGE, BEIGE_DARK], radius=6, outline=darker(BEIGE, 0.4))
    c.rect((unit[0], unit[1], unit[2], unit[1] + 16), [lighter(BEIGE, 0.25), BEIGE], radius=6)
    drive_525(c, (560, 380, 730, 500), rgb("c9c0a4"), lever=True)
    drive_525(c, (742, 380, 912, 500), rgb("c9c0a4"), lever=True)
    vents(c, 100, 400, 280, 9, darker(BEIGE, 0.25))
    c.rect((90, 368, 150, 380), darker(BEIGE, 0.3), radius=2)  # badge plate left blank
    # monitor: boxy, beige, green phosphor, sitting on the unit
    c.rect((330, 318, 670, 346), [BEIGE_DARK, darker(BEIGE, 0.3)], radius=4)
    g = crt(c, (245, 0, 735, 372), BEIGE, glass_colour("green"), (56, 40, 56, 56), radius=14,
            glass_radius=8)
    c.rect((676, 336, 706, 356), [lighter(BEIGE, 0.1), darker(BEIGE, 0.2)], radius=3)
    knob(c, 276, 346, 8, BEIGE_DARK)
    keyboard(c, (60, 585, 700, 775), BEIGE, rgb("e6dfcb"), dark_key=rgb("a89f86"), rows=5, tilt=14)
    return c.image(), g


def computer_286():
    c = Canvas(COMP_W, COMP_H)
    unit = (40, 318, 950, 528)
    c.shadow((unit[0] + 6, unit[1] + 14, unit[2] + 10, unit[3] + 8), opacity=130, blur=10)
    c.rect(unit, [lighter(BEIGE, 0.12), BEIGE, BEIGE_DARK], radius=6, outline=darker(BEIGE, 0.4))
    c.rect((unit[0], unit[1], unit[2], unit[1] + 14), [lighter(BEIGE, 0.25), BEIGE], radius=6)
    # a smoked front strip with the key lock and the power light
    c.rect((60, 350, 500, 500), [rgb("a59d87"), rgb("8c8572")], radius=4)
    c.ellipse((90, 400, 124, 434), [rgb("e0e0e0"), rgb("808080")], outline=rgb("505050"))
    c.rect((104, 404, 110, 430), rgb("303030"))
    c.rect((150, 412, 166, 420), (60, 200, 80), radius=2)
    vents(c, 200, 372, 480, 16, rgb("7e7766"), gap=7)
    drive_525(c, (560, 350, 920, 420), rgb("cfc6ab"), lever=True)
    drive_525(c, (560, 428, 920, 498), rgb("cfc6ab"), lever=True)
    c.rect((330, 298, 670, 324), [BEIGE_DARK, darker(BEIGE, 0.3)], radius=4)
    g = crt(c, (262, 0, 738, 330), BEIGE, glass_colour("colour"), (60, 36, 60, 48), radius=16,
            glass_radius=8)
    for i, col in enumerate([BEIGE_DARK] * 3):
        knob(c, 296 + i * 26, 306, 7, col)
    c.rect((682, 298, 716, 316), [lighter(BEIGE, 0.1), darker(BEIGE, 0.2)], radius=3)
    keyboard(c, (50, 580, 705, 778), BEIGE, rgb("e8e1cd"), dark_key=rgb("aaa189"), rows=6, tilt=12)
    return c.image(), g


def computer_386():
    c = Canvas(COMP_W, COMP_H)
    unit = (60, 392, 940, 528)
    body = rgb("dcd6c2")
    c.shadow((unit[0] + 6, unit[1] + 14, unit[2] + 10, unit[3] + 8), opacity=130, blur=10)
    c.rect(unit, [lighter(body, 0.12), body, darker(body, 0.15)], radius=8, outline=darker(body, 0.4))
    c.rect((80, 412, 520, 510), [lighter(body, 0.05), darker(body, 0.06)], radius=4,
           outline=darker(body, 0.2))
    seven_seg(c, 110, 440, "33", h=26)
    c.rect((200, 446, 232, 462), [lighter(body, 0.2), darker(body, 0.2)], radius=3)  # turbo
    c.rect((250, 446, 282, 462), [lighter(body, 0.2), darker(body, 0.2)], radius=3)  # reset
    c.rect((300, 450, 312, 456), (60, 200, 80), radius=1)
    c.rect((322, 450, 334, 456), (230, 160, 40), radius=1)
    vents(c, 360, 428, 500, 10, darker(body, 0.2))
    drive_525(c, (560, 410, 900, 460), rgb("d2ccb6"), lever=True)
    drive_35(c, (640, 466, 820, 508), rgb("d2ccb6"))
    # VGA colour monitor on a tilt-swivel foot
    c.ellipse((360, 372, 640, 404), [darker(body, 0.2), darker(body, 0.4)])
    c.rect((440, 350, 560, 388), [darker(body, 0.1), darker(body, 0.3)], radius=6)
    g = crt(c, (245, 0, 755, 378), body, glass_colour("colour"), (50, 36, 50, 56), radius=20,
            glass_radius=8)
    c.rect((276, 342, 560, 362), darker(body, 0.08), radius=3)
    for i in range(4):
        c.rect((586 + i * 32, 344, 610 + i * 32, 358), [lighter(body, 0.2), darker(body, 0.25)],
               radius=3)
    c.rect((722, 347, 734, 355), (60, 200, 80), radius=2)
    keyboard(c, (40, 584, 705, 780), body, rgb("ece7d8"), dark_key=rgb("a6a08d"), rows=6, tilt=12)
    return c.image(), g


def tower(c, b, body, drives, led="66", cd=False):
    x0, y0, x1, y1 = b
    c.shadow((x0 + 6, y0 + 12, x1 + 10, y1 + 6), opacity=130, blur=10)
    c.rect(b, [lighter(body, 0.1), body, darker(body, 0.18)], radius=8, vertical=False,
           outline=darker(body, 0.4))
    c.rect((x0 + 8, y0 + 8, x1 - 8, y0 + 20), [lighter(body, 0.25), body], radius=4)
    yy = y0 + 34
    for d in drives:
        h = 46 if d in ("525", "cd") else 36
        if d == "525":
            drive_525(c, (x0 + 16, yy, x1 - 16, yy + h), lighter(body, 0.04), lever=True)
        elif d == "35":
            drive_35(c, (x0 + 30, yy, x1 - 30, yy + h), lighter(body, 0.04))
        elif d == "cd":
            cdrom(c, (x0 + 16, yy, x1 - 16, yy + h), lighter(body, 0.06))
        elif d == "blank":
            c.rect((x0 + 16, yy, x1 - 16, yy + h), [lighter(body, 0.06), darker(body, 0.06)],
                   radius=2, outline=darker(body, 0.3))
        yy += h + 8
    if led:
        seven_seg(c, x0 + 24, yy + 14, led, h=22)
        c.rect((x1 - 70, yy + 18, x1 - 46, yy + 32), [lighter(body, 0.2), darker(body, 0.2)], radius=3)
        c.rect((x1 - 36, yy + 22, x1 - 26, yy + 28), (60, 200, 80), radius=1)
        yy += 56
    vents(c, x0 + 26, yy + 10, x1 - 26, max(0, int((y1 - 90 - yy) / 9)), darker(body, 0.22), gap=9)
    c.rect(((x0 + x1) / 2 - 22, y1 - 70, (x0 + x1) / 2 + 22, y1 - 26),
           [lighter(body, 0.25), darker(body, 0.25)], radius=6)


def computer_486():
    c = Canvas(COMP_W, COMP_H)
    body = rgb("dedad0")
    tower(c, (28, 118, 258, 560), body, ["525", "35", "blank"], led="66")
    c.ellipse((420, 488, 720, 524), [darker(body, 0.2), darker(body, 0.42)])
    c.rect((510, 462, 630, 504), [darker(body, 0.1), darker(body, 0.3)], radius=6)
    g = crt(c, (300, 64, 820, 468), body, glass_colour("colour"), (50, 38, 50, 64), radius=22,
            glass_radius=8)
    c.rect((336, 424, 600, 446), darker(body, 0.07), radius=3)
    for i in range(5):
        c.rect((630 + i * 30, 426, 652 + i * 30, 442), [lighter(body, 0.2), darker(body, 0.25)],
               radius=3)
    c.rect((786, 430, 798, 438), (60, 200, 80), radius=2)
    keyboard(c, (280, 590, 722, 782), body, rgb("efebe2"), dark_key=rgb("aaa596"), rows=6, tilt=10)
    # a mouse on the desk beside the keyboard's left end
    c.shadow((200, 690, 254, 770), opacity=110, blur=6, radius=24)
    c.ellipse((196, 680, 250, 764), [lighter(body, 0.2), darker(body, 0.15)], outline=darker(body, 0.45))
    c.line([(223, 682), (223, 712)], darker(body, 0.45), 1.5)
    c.line([(223, 680), (230, 640), (262, 610), (300, 600)], rgb("5a5a5a"), 2)
    return c.image(), g


def computer_pentium():
    c = Canvas(COMP_W, COMP_H)
    body = rgb("e4e2da")
    tower(c, (8, 70, 214, 630), body, ["cd", "cd", "35", "blank"], led="")
    # speakers flanking a large monitor
    for sx in (222, 904):
        c.shadow((sx + 4, 330, sx + 70, 534), opacity=110, blur=8, radius=10)
        c.rect((sx, 322, sx + 64, 528), [lighter(body, 0.05), darker(body, 0.12)], radius=10,
               outline=darker(body, 0.35))
        c.ellipse((sx + 12, 346, sx + 52, 386), [rgb("3a3a3a"), rgb("1a1a1a")])
        c.ellipse((sx + 6, 410, sx + 58, 462), [rgb("3a3a3a"), rgb("141414")])
        c.ellipse((sx + 23, 427, sx + 41, 445), rgb("505050"))
    c.ellipse((460, 500, 720, 530), [darker(body, 0.2), darker(body, 0.42)])
    c.rect((540, 478, 640, 514), [darker(body, 0.1), darker(body, 0.3)], radius=6)
    g = crt(c, (292, 4, 884, 488), body, glass_colour("colour"), (40, 32, 40, 62), radius=24,
            glass_radius=8)
    c.rect((330, 446, 640, 468), darker(body, 0.07), radius=3)
    for i in range(5):
        c.rect((700 + i * 28, 448, 722 + i * 28, 464), [lighter(body, 0.2), darker(body, 0.25)],
               radius=3)
    keyboard(c, (290, 596, 722, 784), body, rgb("f2f0ea"), dark_key=rgb("b0ada2"), rows=6, tilt=10)
    c.shadow((220, 700, 272, 776), opacity=110, blur=6, radius=24)
    c.ellipse((214, 690, 266, 770), [lighter(body, 0.2), darker(body, 0.15)], outline=darker(body, 0.45))
    c.line([(240, 692), (240, 722)], darker(body, 0.45), 1.5)
    return c.image(), g


def computer_amiga():
    c = Canvas(COMP_W, COMP_H)
    body = rgb("e6e2d4")
    mon = rgb("cbc7bb")
    # colour monitor with the controls flap under the glass
    c.rect((330, 462, 630, 496), [darker(mon, 0.15), darker(mon, 0.4)], radius=6)
    g = crt(c, (190, 6, 770, 474), mon, glass_colour("colour"), (60, 40, 60, 84), radius=16,
            glass_radius=8)
    c.rect((214, 406, 746, 452), [darker(mon, 0.05), darker(mon, 0.18)], radius=4)
    for i in range(6):
        knob(c, 540 + i * 32, 428, 8, darker(mon, 0.1))
    c.rect((236, 422, 252, 432), (60, 200, 80), radius=2)
    # the wedge: a keyboard computer with its drive slot on the right side
    x0, x1 = 30, 722
    c.shadow((x0 + 8, 540, x1 + 10, 790), opacity=140, blur=10, radius=10)
    c.poly([(x0 + 30, 530), (x1 - 30, 530), (x1, 700), (x0, 700)], [lighter(body, 0.12), body])
    c.rect((x0, 696, x1, 782), [body, darker(body, 0.22)], radius=8, outline=darker(body, 0.4))
    c.line([(x0 + 30, 530), (x1 - 30, 530)], darker(body, 0.3), 1.2)
    # keys sit in a recessed tray on the slope
    tray = [(x0 + 52, 548), (x1 - 150, 548), (x1 - 128, 690), (x0 + 28, 690)]
    c.poly(tray, [darker(body, 0.18), darker(body, 0.28)])
    rows = 6
    for r in range(rows):
        fy0 = 552 + r * 23
        fx0 = x0 + 50 - r * 4
        fx1 = x1 - 150 + r * 4
        cols = 14
        kw = (fx1 - fx0) / cols
        col = 0
        while col < cols:
            span = 7 if (r == rows - 1 and col == 3) else 1
            kc = rgb("9a9486") if r == 0 else rgb("efece2")
            c.rect((fx0 + col * kw + 1.2, fy0, fx0 + (col + span) * kw - 1.2, fy0 + 20),
                   [lighter(kc, 0.15), darker(kc, 0.1)], radius=2)
            col += span
    # cursor cluster and keypad at the right of the tray
    for r in range(5):
        for k in range(4):
            c.rect((x1 - 118 + k * 22, 560 + r * 25, x1 - 98 + k * 22, 580 + r * 25),
                   [rgb("f4f1e8"), rgb("d8d4c8")], radius=2)
    # power and drive lights, and the drive slot on the right-hand flank
    c.rect((x0 + 40, 730, x0 + 62, 736), (60, 200, 80), radius=1)
    c.rect((x0 + 76, 730, x0 + 98, 736), (230, 160, 40), radius=1)
    c.rect((x1 - 14, 722, x1 - 2, 760), rgb("444444"), radius=2)
    vents(c, x0 + 140, 716, x0 + 520, 6, darker(body, 0.25), gap=10)
    return c.image(), g


def computer_c64():
    c = Canvas(COMP_W, COMP_H)
    wood = rgb("6b4526")
    # a colour television with a wood-grain cabinet and a knob panel at its right
    tv = (100, 40, 800, 500)
    c.shadow((tv[0] + 10, tv[1] + 14, tv[2] + 10, tv[3] + 10), opacity=130, blur=10, radius=16)
    c.rect(tv, [lighter(wood, 0.12), wood, darker(wood, 0.2)], radius=16, vertical=False)
    rnd = random.Random(64)
    for i in range(40):
        y = tv[1] + 10 + rnd.random() * (tv[3] - tv[1] - 20)
        c.line([(tv[0] + 8, y), (tv[2] - 8, y + rnd.uniform(-6, 6))], darker(wood, 0.3 + rnd.random() * 0.2), 1)
    c.outline_rect(tv, darker(wood, 0.5), radius=16, width=2)
    face = rgb("2e2b28")
    c.rect((tv[0] + 24, tv[1] + 22, tv[2] - 150, tv[3] - 26), [rgb("3b3835"), face], radius=12)
    g = (tv[0] + 58, tv[1] + 52, tv[2] - 184, tv[3] - 58)
    c.rect((g[0] - 8, g[1] - 8, g[2] + 8, g[3] + 8), [rgb("111111"), rgb("2a2a2a")], radius=16)
    c.rect(g, glass_colour("tv"), radius=12)
    c.poly([(g[0] + 20, g[1] + 14), (g[0] + 260, g[1] + 14), (g[0] + 140, g[1] + 120), (g[0] + 20, g[1] + 160)],
           (255, 255, 255), alpha=16)
    panel = (tv[2] - 136, tv[1] + 22, tv[2] - 22, tv[3] - 26)
    c.rect(panel, [rgb("c8c0ac"), rgb("9a927e")], radius=8)
    knob(c, (panel[0] + panel[2]) / 2, panel[1] + 60, 30, rgb("3a3a3a"))
    knob(c, (panel[0] + panel[2]) / 2, panel[1] + 150, 22, rgb("3a3a3a"))
    for i in range(6):
        c.line([(panel[0] + 16, panel[1] + 220 + i * 12), (panel[2] - 16, panel[1] + 220 + i * 12)],
               rgb("6a6454"), 2)
    c.rect((panel[0] + 20, panel[3] - 60, panel[2] - 20, panel[3] - 36), [rgb("e6e0d0"), rgb("a8a090")],
           radius=4)
    c.rect((300, 500, 340, 530), [darker(wood, 0.3), darker(wood, 0.5)])
    c.rect((580, 500, 620, 530), [darker(wood, 0.3), darker(wood, 0.5)])
    # the breadbox computer in front
    body = rgb("8c7b62")
    x0, x1, top, bottom = 70, 720, 580, 780
    c.shadow((x0 + 8, top + 10, x1 + 10, bottom + 6), opacity=140, blur=10, radius=30)
    c.poly([(x0 + 40, top), (x1 - 40, top), (x1, bottom - 40), (x1, bottom), (x0, bottom), (x0, bottom - 40)],
           [lighter(body, 0.18), body, darker(body, 0.15)])
    c.rect((x0, bottom - 44, x1, bottom), [body, darker(body, 0.3)], radius=14)
    c.outline_rect((x0, bottom - 44, x1, bottom), darker(body, 0.45), radius=14, width=1)
    kb = (x0 + 60, top + 14, x1 - 60, bottom - 50)
    c.rect(kb, [darker(body, 0.2), darker(body, 0.3)], radius=6)
    rows = 5
    kh = (kb[3] - kb[1] - 8) / rows
    for r in range(rows):
        cols = 16
        fx0, fx1 = kb[0] + 8 + r * 3, kb[2] - 70 - r * 3
        kw = (fx1 - fx0) / cols
        col = 0
        while col < cols:
            span = 8 if (r == rows - 1 and col == 4) else 1
            kc = rgb("4a3a2c")
            c.rect((fx0 + col * kw + 1.3, kb[1] + 4 + r * kh, fx0 + (col + span) * kw - 1.3,
                    kb[1] + 4 + (r + 1) * kh - 2), [lighter(kc, 0.22), darker(kc, 0.2)], radius=2)
            col += span
    for r in range(4):
        c.rect((kb[2] - 52, kb[1] + 6 + r * kh * 1.2, kb[2] - 12, kb[1] + 6 + r * kh * 1.2 + kh),
               [rgb("a08870"), rgb("806a54")], radius=2)
    c.rect((x1 - 110, bottom - 30, x1 - 94, bottom - 24), (220, 60, 40), radius=1)
    return c.image(), g


def computer_default():
    """The fallback skin: a plain grey desktop of no particular year, for every other platform."""
    c = Canvas(COMP_W, COMP_H)
    body = rgb("cfd0cc")
    unit = (50, 400, 950, 528)
    c.shadow((unit[0] + 6, unit[1] + 14, unit[2] + 10, unit[3] + 8), opacity=130, blur=10)
    c.rect(unit, [lighter(body, 0.12), body, darker(body, 0.15)], radius=8, outline=darker(body, 0.4))
    c.rect((70, 420, 520, 510), [rgb("4a4c50"), rgb("2c2e32")], radius=4)
    for i in range(3):
        c.rect((90 + i * 130, 440, 200 + i * 130, 448), rgb("6a6c70"), radius=2)
    c.rect((90, 470, 104, 478), (60, 200, 80), radius=1)
    drive_35(c, (560, 418, 760, 460), rgb("d6d7d3"))
    drive_35(c, (560, 466, 760, 508), rgb("d6d7d3"))
    c.rect((780, 430, 920, 496), [lighter(body, 0.1), darker(body, 0.1)], radius=6)
    c.ellipse((360, 380, 640, 410), [darker(body, 0.2), darker(body, 0.4)])
    c.rect((440, 356, 560, 394), [darker(body, 0.1), darker(body, 0.3)], radius=6)
    g = crt(c, (245, 0, 755, 382), body, glass_colour("colour"), (46, 36, 46, 58), radius=20,
            glass_radius=8)
    c.rect((716, 350, 728, 358), (60, 200, 80), radius=2)
    keyboard(c, (40, 586, 705, 780), body, rgb("eeefec"), dark_key=rgb("9c9e9a"), rows=6, tilt=12)
    return c.image(), g


# --------------------------------------------------------------------------------------------
# Backgrounds: a wall with period wallpaper and a desk, stretched over the whole view.

BG_W, BG_H = 1600, 1000
DESK_Y = 640  # where the desk top meets the wall, in background pixels


def wallpaper(c, style, base, accent):
    c.rect((0, 0, BG_W, DESK_Y), [lighter(base, 0.08), base, darker(base, 0.08)])
    # str hashes change from run to run; the pictures must not
    rnd = random.Random(zlib.crc32(style.encode()))
    if style == "pinstripe":
        for x in range(0, BG_W, 26):
            c.rect((x, 0, x + 3, DESK_Y), accent, alpha=70)
    elif style == "panel":  # wood panelling of an early-eighties study
        for x in range(0, BG_W, 120):
            c.rect((x, 0, x + 118, DESK_Y), [lighter(base, 0.06), darker(base, 0.06)], vertical=False)
            c.rect((x + 118, 0, x + 120, DESK_Y), darker(base, 0.4))
            for i in range(8):
                xx = x + 10 + rnd.random() * 100
                c.line([(xx, 0), (xx + rnd.uniform(-6, 6), DESK_Y)], darker(base, 0.15), 1)
    elif style == "stripes":  # broad seventies-into-eighties bands
        for x in range(0, BG_W, 180):
            c.rect((x + 20, 0, x + 70, DESK_Y), accent, alpha=90)
            c.rect((x + 78, 0, x + 88, DESK_Y), darker(accent, 0.3), alpha=90)
    elif style == "memphis":  # squiggles and confetti of the late eighties
        cols = [rgb("e84a7f"), rgb("2bb3c0"), rgb("f3c623"), rgb("6a4c93")]
        for i in range(260):
            x, y = rnd.random() * BG_W, rnd.random() * DESK_Y
            col = cols[i % 4]
            k = i % 3
            if k == 0:
                c.ellipse((x, y, x + 10, y + 10), col, alpha=120)
            elif k == 1:
                c.line([(x, y), (x + 12, y - 8), (x + 24, y), (x + 36, y - 8)], col, 2.5)
            else:
                c.poly([(x, y), (x + 14, y), (x + 7, y - 12)], col, alpha=110)
    elif style == "diamond":
        for y in range(0, DESK_Y, 60):
            for x in range(0 if (y // 60) % 2 == 0 else 40, BG_W, 80):
                c.poly([(x, y + 30), (x + 20, y + 10), (x + 40, y + 30), (x + 20, y + 50)], accent, alpha=55)
    elif style == "sponge":  # nineties sponge-painted wall
        for i in range(900):
            x, y = rnd.random() * BG_W, rnd.random() * DESK_Y
            r = 8 + rnd.random() * 30
            c.ellipse((x - r, y - r, x + r, y + r), accent if i % 2 else lighter(base, 0.2), alpha=26)
    elif style == "flowers":  # a living room of the early eighties
        for y in range(20, DESK_Y, 90):
            for x in range(20 if (y // 90) % 2 == 0 else 75, BG_W, 110):
                for a in range(5):
                    ang = a * 2 * math.pi / 5
                    px, py = x + 13 * math.cos(ang), y + 13 * math.sin(ang)
                    c.ellipse((px - 9, py - 9, px + 9, py + 9), accent, alpha=80)
                c.ellipse((x - 6, y - 6, x + 6, y + 6), darker(accent, 0.4), alpha=110)
    elif style == "grid":
        for x in range(0, BG_W, 64):
            c.rect((x, 0, x + 2, DESK_Y), accent, alpha=60)
        for y in range(0, DESK_Y, 64):
            c.rect((0, y, BG_W, y + 2), accent, alpha=60)
    # skirting shadow where wall meets desk
    c.rect((0, DESK_Y - 40, BG_W, DESK_Y), [base, darker(base, 0.35)], alpha=120)


def desk(c, top, front):
    c.rect((0, DESK_Y, BG_W, BG_H), [lighter(top, 0.08), top, darker(top, 0.25)])
    rnd = random.Random(7)
    for i in range(70):
        y = DESK_Y + 10 + rnd.random() * (BG_H - DESK_Y - 60)
        c.line([(0, y), (BG_W, y + rnd.uniform(-10, 10))], darker(top, 0.12 + rnd.random() * 0.12), 1.2)
    c.rect((0, DESK_Y, BG_W, DESK_Y + 6), lighter(top, 0.25), alpha=140)
    c.rect((0, BG_H - 28, BG_W, BG_H), [front, darker(front, 0.4)])


def window_frame(c, b, sky_top, sky_bottom, frame):
    x0, y0, x1, y1 = b
    c.rect((x0 - 14, y0 - 14, x1 + 14, y1 + 14), [lighter(frame, 0.1), darker(frame, 0.1)], radius=3)
    c.rect(b, [sky_top, sky_bottom])
    c.rect((x0, y1 - (y1 - y0) * 0.22, x1, y1), [rgb("5c7a52"), rgb("3c5436")], alpha=200)
    c.rect(((x0 + x1) / 2 - 6, y0, (x0 + x1) / 2 + 6, y1), frame)
    c.rect((x0, (y0 + y1) / 2 - 6, x1, (y0 + y1) / 2 + 6), frame)


def poster(c, b, colours, kind):
    x0, y0, x1, y1 = b
    c.shadow((x0 + 6, y0 + 8, x1 + 6, y1 + 8), opacity=90, blur=8)
    c.rect(b, [colours[0], colours[1]])
    w, h = x1 - x0, y1 - y0
    d = min(w, h)
    if kind == "sun":  # a synthwave sunset of pure shapes
        c.ellipse((x0 + w / 2 - d * 0.3, y0 + h * 0.2, x0 + w / 2 + d * 0.3, y0 + h * 0.2 + d * 0.6), [rgb("ffd35a"), rgb("ff4f7b")])
        for i in range(6):
            yy = y0 + h * 0.62 + i * h * 0.06
            c.rect((x0, yy, x1, yy + h * 0.015 * (i + 1)), colours[1])
        c.rect((x0, y0 + h * 0.78, x1, y1), [rgb("2a0845"), rgb("120020")])
    elif kind == "rocket":
        c.poly([(x0 + w / 2, y0 + h * 0.12), (x0 + w * 0.62, y0 + h * 0.5), (x0 + w * 0.38, y0 + h * 0.5)], rgb("e0e0e0"))
        c.rect((x0 + w * 0.38, y0 + h * 0.5, x0 + w * 0.62, y0 + h * 0.72), rgb("c8c8c8"))
        c.poly([(x0 + w * 0.4, y0 + h * 0.72), (x0 + w * 0.6, y0 + h * 0.72), (x0 + w / 2, y0 + h * 0.9)], rgb("ff8c1a"))
        rnd = random.Random(3)
        for i in range(40):
            sx, sy = x0 + rnd.random() * w, y0 + rnd.random() * h
            c.ellipse((sx, sy, sx + 3, sy + 3), (255, 255, 255))
    elif kind == "grid":
        for i in range(10):
            c.line([(x0 + w / 2, y0 + h * 0.45), (x0 + i * w / 9, y1)], rgb("30e0ff"), 1.5)
        for i in range(6):
            yy = y0 + h * 0.45 + (h * 0.55) * (i / 5) ** 1.6
            c.line([(x0, yy), (x1, yy)], rgb("30e0ff"), 1.5)
        c.ellipse((x0 + w / 2 - d * 0.18, y0 + h * 0.08, x0 + w / 2 + d * 0.18, y0 + h * 0.08 + d * 0.36), [rgb("ffe066"), rgb("ff5e62")])
    c.outline_rect(b, darker(colours[1], 0.5), width=2)


def background(look):
    c = Canvas(BG_W, BG_H, (0, 0, 0, 255))
    wallpaper(c, look["wall"], rgb(look["base"]), rgb(look["accent"]))
    if look.get("window"):
        window_frame(c, (1000, 44, 1210, 190), rgb("8fc3ef"), rgb("d8ecf8"), rgb(look["window"]))
    if look.get("poster"):
        poster(c, (996, 36, 1216, 190), [rgb(look["poster"][0]), rgb(look["poster"][1])], look["poster"][2])
    desk(c, rgb(look["desk"]), rgb(look["desk_front"]))
    return c.image().convert("RGB")


# --------------------------------------------------------------------------------------------
# Manual, open box, disk and the big-screen frame


def manual(look, glow=False):
    W, H = 300, 400
    c = Canvas(W, H)
    cover = rgb(look["cover"])
    ink = rgb(look["ink"])
    m = 24
    if glow:
        # a warm halo so the manual reads as "clickable" under the mouse
        halo = Image.new("L", (W * SS, H * SS), 0)
        ImageDraw.Draw(halo).rounded_rectangle([m * SS - 8 * SS, m * SS - 8 * SS, (W - m + 8) * SS, (H - m + 8) * SS],
                                               12 * SS, fill=230)
        halo = halo.filter(ImageFilter.GaussianBlur(9 * SS))
        layer = Image.new("RGBA", halo.size, (255, 236, 140, 255))
        layer.putalpha(halo)
        c.img.alpha_composite(layer)
        cover = lighter(cover, 0.2)
    else:
        c.shadow((m + 6, m + 8, W - m + 6, H - m + 8), opacity=140, blur=7, radius=4)
    # pages peeking out at the right and the bottom
    c.rect((m + 8, m + 6, W - m + 4, H - m + 4), [rgb("f4f0e4"), rgb("d4cfc0")], radius=3)
    for i in range(4):
        c.line([(W - m + 1 - i * 2, m + 14), (W - m + 1 - i * 2, H - m)], rgb("c8c2b0"), 0.8)
    c.rect((m, m, W - m - 6, H - m - 4), [lighter(cover, 0.12), cover, darker(cover, 0.15)], radius=4)
    if look.get("spine"):
        c.rect((m, m, m + 26, H - m - 4), [darker(cover, 0.25), darker(cover, 0.1)], radius=4, vertical=False)
        for y in range(m + 22, H - m - 20, 28):
            c.ellipse((m + 7, y, m + 19, y + 12), [rgb("d0d0d0"), rgb("707070")])
    tx = (m + W - m - 6) / 2 + (10 if look.get("spine") else 0)
    c.rect((m + 46, m + 60, W - m - 30, m + 64), ink)
    text_w = W - 2 * m - 60
    c.text((tx, m + 110), look["title"][0], 30, ink, font=look.get("font", SANS_BOLD), max_width=text_w)
    if len(look["title"]) > 1:
        c.text((tx, m + 150), look["title"][1], 20, ink, font=SANS, max_width=text_w)
    c.rect((m + 46, m + 180, W - m - 30, m + 184), ink)
    if look.get("emblem") == "stripes":
        for i, col in enumerate(["e23b3b", "f08a24", "f3c623", "3bb54a", "2b7bd6"]):
            c.rect((m + 46, m + 230 + i * 14, W - m - 30, m + 240 + i * 14), rgb(col))
    elif look.get("emblem") == "grid":
        for i in range(6):
            c.line([(m + 60 + i * 36, m + 220), (m + 60 + i * 36, m + 310)], ink, 1.5)
            c.line([(m + 60, m + 220 + i * 18), (m + 240, m + 220 + i * 18)], ink, 1.5)
    elif look.get("emblem") == "disk":
        c.rect((tx - 48, m + 222, tx + 48, m + 318), [darker(cover, 0.5), darker(cover, 0.65)], radius=4)
        c.rect((tx - 30, m + 222, tx + 30, m + 256), rgb("c0c0c0"))
        c.rect((tx - 36, m + 272, tx + 36, m + 314), rgb("f0f0f0"))
    if glow:
        c.outline_rect((m - 2, m - 2, W - m - 4, H - m - 2), (255, 246, 200, 255), radius=5, width=3)
    return c.image()


def open_box(look):
    """An empty game box lying open: the lid leans back, the tray shows its cardboard inside."""
    W, H = 480, 360
    c = Canvas(W, H)
    outer = rgb(look["outer"])
    inner = rgb(look["inner"])
    c.shadow((40, 170, 470, 350), opacity=150, blur=10, radius=8)
    # the lid, standing behind the tray and leaning away
    lid = [(70, 20), (410, 20), (440, 190), (40, 190)]
    c.poly(lid, [lighter(outer, 0.1), darker(outer, 0.1)])
    c.poly([(86, 34), (394, 34), (420, 186), (60, 186)], [lighter(inner, 0.15), inner])
    c.line(lid + [lid[0]], darker(outer, 0.4), 1.5)
    # the tray: floor, back wall, sides and front wall
    floor = [(60, 190), (420, 190), (460, 300), (20, 300)]
    c.poly(floor, [darker(inner, 0.25), darker(inner, 0.1)])
    c.poly([(40, 190), (440, 190), (420, 205), (60, 205)], [darker(inner, 0.35), darker(inner, 0.2)])
    c.poly([(20, 300), (40, 190), (60, 205), (44, 300)], [darker(inner, 0.15), darker(inner, 0.3)], vertical=False)
    c.poly([(460, 300), (440, 190), (420, 205), (436, 300)], [darker(inner, 0.35), darker(inner, 0.15)], vertical=False)
    c.rect((20, 296, 460, 340), [outer, darker(outer, 0.3)], radius=3)
    c.line([(20, 296), (460, 296)], lighter(outer, 0.35), 1.5)
    if look.get("band"):
        c.rect((20, 308, 460, 322), rgb(look["band"]), alpha=220)
    # a cardboard insert divider, as the trays of the time had
    c.poly([(150, 205), (330, 205), (344, 296), (136, 296)], [darker(inner, 0.05), darker(inner, 0.2)], alpha=200)
    c.line([(150, 205), (136, 296)], darker(inner, 0.4), 1)
    c.line([(330, 205), (344, 296)], darker(inner, 0.4), 1)
    return c.image()


def disk_525(look):
    """A 5.25-inch floppy half in its paper sleeve; the sleeve is where the game's name goes."""
    S = 300
    c = Canvas(S, S)
    jacket = rgb(look.get("jacket", "1c1c1e"))
    c.shadow((20, 22, 290, 292), opacity=150, blur=7, radius=4)
    c.rect((14, 10, 286, 282), [lighter(jacket, 0.12), jacket], radius=5)
    c.ellipse((104, 30, 196, 122), [rgb("5a4a3a"), rgb("2c241c")])
    c.ellipse((124, 50, 176, 102), rgb("f2f0ea"))
    c.ellipse((130, 56, 170, 96), [rgb("0a0a0a"), rgb("222222")])
    c.rect((38, 30, 52, 44), rgb("0a0a0a"))  # write-protect notch
    # paper sleeve: a light envelope over the lower part, with a thumb cut at its top edge
    sleeve = rgb(look.get("sleeve", "f3efe2"))
    c.shadow((10, 132, 290, 298), opacity=110, blur=5)
    c.poly([(8, 128), (112, 128), (124, 140), (176, 140), (188, 128), (292, 128), (292, 296), (8, 296)],
           [sleeve, darker(sleeve, 0.1)])
    c.line([(8, 128), (112, 128), (124, 140), (176, 140), (188, 128), (292, 128)], darker(sleeve, 0.3), 1.2)
    if look.get("lines"):
        for i in range(4):
            c.rect((36, 176 + i * 24, 264, 177 + i * 24), rgb(look["lines"]), alpha=120)
    c.rect((8, 282, 292, 296), rgb(look.get("stripe", "3a6fb0")), alpha=200)
    return c.image()


def disk_35(look):
    """A 3.5-inch disk; its label takes the lower half, where the game's name goes."""
    S = 300
    c = Canvas(S, S)
    shell = rgb(look.get("shell", "2a2d33"))
    c.shadow((22, 22, 292, 292), opacity=150, blur=7, radius=8)
    c.poly([(12, 10), (270, 10), (288, 28), (288, 286), (12, 286)], [lighter(shell, 0.15), shell, darker(shell, 0.1)])
    c.rect((78, 10, 222, 104), [rgb("d8dbe0"), rgb("9aa0a8")], radius=2)
    c.rect((150, 24, 186, 92), rgb("2a2a2a"), radius=2)
    c.outline_rect((78, 10, 222, 104), rgb("6a7078"))
    # the label is wide: the name is written from an eighth of the width, less a few pixels
    label = rgb(look.get("label", "f4f2ea"))
    c.rect((16, 126, 280, 286), [label, darker(label, 0.08)], radius=4)
    c.rect((16, 126, 280, 142), rgb(look.get("label_band", "c83c3c")), radius=4)
    c.rect((16, 134, 280, 142), rgb(look.get("label_band", "c83c3c")))
    for i in range(4):
        c.rect((30, 180 + i * 24, 266, 181 + i * 24), rgb("b9c6d8"), alpha=140)
    return c.image()


BIG_W, BIG_H = 800, 600


def big_screen(bezel, tint):
    """The enlarged monitor: a bezel round a dark glass; the text of the facts goes on the glass."""
    c = Canvas(BIG_W, BIG_H, (0, 0, 0, 0))
    c.rect((0, 0, BIG_W, BIG_H), [lighter(bezel, 0.15), bezel, darker(bezel, 0.18)], radius=26)
    c.outline_rect((0, 0, BIG_W, BIG_H), darker(bezel, 0.45), radius=26, width=2)
    c.rect((22, 20, BIG_W - 22, BIG_H - 46), [darker(bezel, 0.4), darker(bezel, 0.15)], radius=22)
    glass = (32, 30, BIG_W - 32, BIG_H - 56)
    c.rect(glass, [mix(tint, (0, 0, 0), 0.55), mix(tint, (0, 0, 0), 0.8)], radius=18)
    # a faint glow towards the middle of the tube, kept dark so silver text stays readable
    c.ellipse((180, 120, 620, 440), tint, alpha=18)
    c.rect((BIG_W - 120, BIG_H - 38, BIG_W - 60, BIG_H - 26), [lighter(bezel, 0.1), darker(bezel, 0.25)], radius=3)
    c.rect((BIG_W - 48, BIG_H - 36, BIG_W - 38, BIG_H - 28), (60, 200, 80), radius=2)
    img = c.image()
    return img


# --------------------------------------------------------------------------------------------
# The skins

SKINS = [
    {
        "file": "skins.ini", "prefix": "Nostalgia", "title": "Default Nostalgia skin: a grey desktop of no particular era, "
        "used for platforms without a skin of their own.",
        "computer": computer_default,
        "bg": {"wall": "grid", "base": "d9dcd6", "accent": "b5bbb2", "desk": "8a6a48", "desk_front": "5a4028",
               "window": "e8e8e2"},
        "manual": {"cover": "3d5a80", "ink": "f2f2f2", "title": ["MANUAL", "Game Guide"], "emblem": "grid"},
        "openbox": {"outer": "3d5a80", "inner": "c9b48e", "band": "e0c060"},
        "disk": ("35", {"shell": "30343a", "label_band": "3d5a80"}),
        "bigscreen": ("cfd0cc", (20, 30, 50)),
    },
    {
        "file": "DOS8086skins.ini", "prefix": "DOS8086", "title": "DOS games up to 1982: a first-generation PC with "
        "a green screen, in a wood-panelled study.",
        "computer": computer_8086,
        "bg": {"wall": "panel", "base": "d6b88e", "accent": "8a5a30", "desk": "6e5038", "desk_front": "3e2a1a"},
        "manual": {"cover": "2f4f8f", "ink": "f4f0e0", "title": ["GUIDE TO", "OPERATIONS"], "spine": True,
                   "font": SERIF_BOLD},
        "openbox": {"outer": "c0a878", "inner": "d8c8a0", "band": "2f4f8f"},
        "disk": ("525", {"sleeve": "f3efe2", "stripe": "2f4f8f"}),
        "bigscreen": ("d8cfb4", (10, 60, 25)),
    },
    {
        "file": "DOS286skins.ini", "prefix": "DOS286", "title": "DOS games of 1983 to 1985: an AT-class desktop "
        "with an EGA monitor, against striped wallpaper.",
        "computer": computer_286,
        "bg": {"wall": "stripes", "base": "e8d6b0", "accent": "c8783c", "desk": "7a5a3c", "desk_front": "442e1c",
               "window": "f0ebe0"},
        "manual": {"cover": "8c2f2f", "ink": "f4ecd8", "title": ["REFERENCE", "Technical Manual"], "spine": True,
                   "font": SERIF_BOLD},
        "openbox": {"outer": "8c2f2f", "inner": "d6c4a0", "band": "e8c070"},
        "disk": ("525", {"sleeve": "eef0f4", "stripe": "8c2f2f", "lines": "8aa0c0"}),
        "bigscreen": ("d8cfb4", (20, 25, 60)),
    },
    {
        "file": "DOS386skins.ini", "prefix": "DOS386", "title": "DOS games of 1986 to 1989: a 386 desktop with a "
        "VGA colour monitor, in a late-eighties room.",
        "computer": computer_386,
        "bg": {"wall": "memphis", "base": "ece8df", "accent": "2bb3c0", "desk": "9c8a74", "desk_front": "5c4e40",
               "poster": ("ff9a8b", "7a3b9c", "sun")},
        "manual": {"cover": "1f1f24", "ink": "f0f0f0", "title": ["USER'S", "GUIDE"], "emblem": "stripes"},
        "openbox": {"outer": "1f1f24", "inner": "d0c0a4", "band": "e84a7f"},
        "disk": ("35", {"shell": "24262c", "label_band": "e84a7f"}),
        "bigscreen": ("dcd6c2", (20, 25, 50)),
    },
    {
        "file": "DOS486skins.ini", "prefix": "DOS486", "title": "DOS games of 1990 to 1995 (and DOS games without a "
        "year): a 486 minitower, early-nineties wallpaper.",
        "computer": computer_486,
        "bg": {"wall": "diamond", "base": "dfe4ea", "accent": "7d93b4", "desk": "b49a78", "desk_front": "6a5640",
               "poster": ("0b1a3a", "2a0845", "grid")},
        "manual": {"cover": "2b6a8a", "ink": "f6f6f6", "title": ["MANUAL", "Installation & Play"], "emblem": "disk"},
        "openbox": {"outer": "2b6a8a", "inner": "cbb592", "band": "f0b030"},
        "disk": ("35", {"shell": "1e4f8a", "label_band": "f0b030"}),
        "bigscreen": ("dedad0", (18, 22, 40)),
    },
    {
        "file": "DOSPentiumskins.ini", "prefix": "DOSPentium", "title": "DOS games of 1996 and later: a Pentium-class "
        "tower with a large monitor and speakers, in a late-nineties room.",
        "computer": computer_pentium,
        "bg": {"wall": "sponge", "base": "e6dcc8", "accent": "8a6fb0", "desk": "c9b08c", "desk_front": "7a6446",
               "window": "f4f4f0"},
        "manual": {"cover": "5a2d82", "ink": "ffffff", "title": ["QUICK START", "Getting Started"], "emblem": "stripes"},
        "openbox": {"outer": "5a2d82", "inner": "d2c2a4", "band": "30c0c0"},
        "disk": ("35", {"shell": "3a3f47", "label_band": "30a0c0"}),
        "bigscreen": ("e4e2da", (16, 20, 36)),
    },
    {
        "file": "Amigaskins.ini", "prefix": "Amiga", "title": "Amiga games: a wedge-shaped keyboard computer with a "
        "colour monitor, in a teenager's room of the late eighties.",
        "computer": computer_amiga,
        "bg": {"wall": "pinstripe", "base": "d7e3ee", "accent": "9fb7d0", "desk": "8e7456", "desk_front": "50402e",
               "poster": ("0a0a30", "301860", "rocket")},
        "manual": {"cover": "eeeae0", "ink": "2e5fa8", "title": ["INTRODUCING", "the Computer"], "emblem": "grid"},
        "openbox": {"outer": "202a48", "inner": "d6c8a8", "band": "e06030"},
        "disk": ("35", {"shell": "2c5aa0", "label_band": "e06030"}),
        "bigscreen": ("cbc7bb", (16, 28, 70)),
    },
    {
        "file": "Commodore 64skins.ini", "prefix": "C64", "title": "Commodore 64 games: a breadbox home computer in "
        "front of a wood-grain television, in a flowered living room.",
        "computer": computer_c64,
        "bg": {"wall": "flowers", "base": "efe1bd", "accent": "d4873a", "desk": "6b4a30", "desk_front": "3c2818"},
        "manual": {"cover": "8c7b62", "ink": "f4eedc", "title": ["USER'S GUIDE", "Programming & Games"], "spine": True},
        "openbox": {"outer": "3a3a8c", "inner": "d8c8a0", "band": "e8c040"},
        "disk": ("525", {"sleeve": "f6f2e6", "stripe": "3a3a8c", "lines": "b0a890"}),
        "bigscreen": ("6b4526", (30, 50, 110)),
    },
]


# --------------------------------------------------------------------------------------------
# Layout


def view_height(window_h):
    # The view fills the client area below the menu bar; leave room for the bar and a status line.
    return window_h - 44


LIST = {800: (9, 168), 1000: (9, 196), 1200: (12, 232), 1400: (12, 262), 1800: (12, 300)}
EXTRAS_SIZE = {800: 9, 1000: 9, 1200: 10, 1400: 11, 1800: 12}
DISK_SIZE = {800: 8, 1000: 9, 1200: 10, 1400: 11, 1800: 12}
PLATFORM_ROW = 34  # the platform labels sit at the bottom left


def layout(bucket):
    """One design per bucket, laid out for the smallest window of the bucket.

    The computer stands on the right, next to the list, as large as the height allows once the
    extras have room above it: the big screen opens centred on the computer, and only there does it
    stay inside the window. The game box stands at the left, with the manual beside it where the
    width allows, and the open box lies below. The list keeps the right edge.
    """
    W, H = DESIGN_WINDOW[bucket]
    Hv = view_height(H)
    font_size, list_w = LIST[bucket]
    list_left = W - list_w - 4
    right = list_left - 12            # nothing may reach under the list
    bottom = Hv - PLATFORM_ROW        # nor into the platform row
    m = max(8, W // 100)
    gap = max(10, W // 80)
    ex_size = EXTRAS_SIZE[bucket]
    line_h = int(ex_size * 96 / 72 * 1.25) + 1
    extras_h = 7 * line_h

    # computer: 5 x 4 units so that "fit, aspect kept" fills the box exactly
    comp_top = m + extras_h + gap
    n = (bottom - comp_top) // 4
    # the smallest window needs the computer large to be read at all; wider ones leave the box
    # and the manual room to stand side by side
    share = 0.66 if bucket == 800 else 0.60
    n = min(n, int((right - m) * share) // 5)
    comp = (right - 5 * n, bottom - 4 * n, 5 * n, 4 * n)

    rx0 = m
    rw = comp[0] - gap - rx0
    right = rx0 + rw
    front_h = int(min(bottom * 0.42, rw / 0.75))
    front_w = int(front_h * 0.75)
    front = (rx0, m, front_w, front_h)
    below = m + front_h + gap
    strip = bottom - below
    space_right = right - (rx0 + front_w + gap)
    boxes = {"Computer": comp, "Front": front, "Back": front}
    if space_right >= 0.55 * front_w:
        # wide: the manual leans beside the box, the open box lies below both
        man_w = int(min(space_right, 0.7 * front_w))
        man_h = int(man_w / 0.75)
        boxes["Manual"] = (rx0 + front_w + gap, m + front_h - man_h, man_w, man_h)
        ob_w = int(min(rw, strip / 0.75, 1.6 * front_w))
        ob_h = int(ob_w * 0.75)
        boxes["OpenBox"] = (rx0 + (rw - ob_w) // 2, below + (strip - ob_h) // 2, ob_w, ob_h)
    elif rw < 260:
        # narrowest: the open box across the column, the manual below it
        ob_w = rw
        ob_h = int(ob_w * 0.75)
        man_h = strip - ob_h - gap
        man_w = int(min(rw, man_h * 0.75))
        man_h = int(man_w / 0.75)
        boxes["OpenBox"] = (rx0, below, ob_w, ob_h)
        boxes["Manual"] = (rx0 + (rw - man_w) // 2, below + ob_h + gap, man_w, man_h)
    else:
        # narrow: open box and manual share the strip below the box
        man_w = int(min(0.75 * strip * 0.8, rw * 0.38))
        man_h = int(man_w / 0.75)
        ob_w = int(min(rw - man_w - gap, strip / 0.75, 1.6 * front_w))
        ob_h = int(ob_w * 0.75)
        boxes["OpenBox"] = (rx0, below + (strip - ob_h) // 2, ob_w, ob_h)
        boxes["Manual"] = (rx0 + ob_w + gap, bottom - man_h - (strip - man_h) // 4, man_w, man_h)

    extras = (comp[0] + 4, m)
    return {
        "window": (W, H, Hv), "boxes": boxes, "list": (font_size, list_w, list_left), "extras": extras,
        "extras_size": ex_size, "disk_size": DISK_SIZE[bucket], "line_h": line_h,
    }


def screen_box(comp_box, glass):
    """Where the game's screen goes: the drawn glass, scaled as the computer picture is."""
    left, top, w, h = comp_box
    k = min(w / COMP_W, h / COMP_H)
    ox = left + (w - COMP_W * k) / 2
    oy = top + (h - COMP_H * k) / 2
    gx0, gy0, gx1, gy1 = glass
    # stay a pixel inside the glass so that no sliver of the bezel shows at any size
    x0 = int(round(ox + gx0 * k)) + 1
    y0 = int(round(oy + gy0 * k)) + 1
    x1 = int(round(ox + gx1 * k)) - 1
    y1 = int(round(oy + gy1 * k)) - 1
    return (x0, y0, x1 - x0, y1 - y0)


# --------------------------------------------------------------------------------------------
# Writing


def write_ini(path, skin, glass, names):
    lines = ["; " + skin["title"],
             "; Written by tools/skins/make_skins.py; the pictures are drawn by the same script.",
             "; Layout keys per window-width bucket: 800 (up to 1000), 1000 (to 1200), 1200 (to 1400),",
             "; 1400 (to 1700) and 1800 (above).",
             "",
             "[Main]", "TransitionDelay=3", "",
             "[Background]", "Image=" + names["bg"], ""]
    lays = {b: layout(b) for b in BUCKETS}

    def box_section(name, image_keys, box_of):
        out = ["[%s]" % name] + image_keys
        for b in BUCKETS:
            x, y, w, h = box_of(b)
            out += ["%dLeft=%d" % (b, x), "%dTop=%d" % (b, y), "%dWidth=%d" % (b, w), "%dHeight=%d" % (b, h)]
        return out + [""]

    lines += box_section("Computer", ["Image=" + names["computer"]], lambda b: lays[b]["boxes"]["Computer"])
    lines += box_section("Screen", [], lambda b: screen_box(lays[b]["boxes"]["Computer"], glass))
    lines += box_section("Title", [], lambda b: screen_box(lays[b]["boxes"]["Computer"], glass))
    lines += box_section("Manual", ["Image=" + names["manual"], "Highlight=" + names["highlight"]],
                         lambda b: lays[b]["boxes"]["Manual"])
    lines += box_section("Front", [], lambda b: lays[b]["boxes"]["Front"])
    lines += box_section("Back", [], lambda b: lays[b]["boxes"]["Back"])
    lines += box_section("OpenBox", ["Image=" + names["openbox"]], lambda b: lays[b]["boxes"]["OpenBox"])
    lines += ["[BigScreen]", "Image=" + names["bigscreen"], ""]
    lines += ["[Disk]", "Image=" + names["disk"]] + ["%dFontSize=%d" % (b, lays[b]["disk_size"]) for b in BUCKETS] + [""]
    lines += ["[List]"]
    for b in BUCKETS:
        fs, lw, _ = lays[b]["list"]
        lines += ["%dFont=%s" % (b, DOS_FONT_FAMILY), "%dFontSize=%d" % (b, fs), "%dWidth=%d" % (b, lw)]
    lines += ["", "[Extras]"]
    for b in BUCKETS:
        x, y = lays[b]["extras"]
        lines += ["%dTop=%d" % (b, y), "%dLeft=%d" % (b, x), "%dFont=Verdana" % b,
                  "%dFontSize=%d" % (b, lays[b]["extras_size"])]
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def save_png(img, path):
    # Quantising keeps the pieces small; the alpha survives as a palette with transparency.
    q = img.quantize(colors=256, method=Image.LIBIMAGEQUANT, dither=Image.FLOYDSTEINBERG)
    q.save(path, optimize=True)


def build(out):
    os.makedirs(out, exist_ok=True)
    made = {}
    for skin in SKINS:
        p = skin["prefix"]
        names = {"computer": p + "Computer.png", "bg": p + "Background.jpg", "manual": p + "Manual.png",
                 "highlight": p + "ManualHighlight.png", "openbox": p + "OpenBox.png",
                 "disk": p + "Disk.png", "bigscreen": p + "BigScreen.png"}
        comp, glass = skin["computer"]()
        aspect = (glass[2] - glass[0]) / (glass[3] - glass[1])
        if not 1.25 <= aspect <= 1.5:
            print("warning: %s screen is %.2f:1, not about 4:3" % (skin["file"], aspect))
        save_png(comp, os.path.join(out, names["computer"]))
        background(skin["bg"]).save(os.path.join(out, names["bg"]), quality=80, optimize=True, progressive=True)
        save_png(manual(skin["manual"]), os.path.join(out, names["manual"]))
        save_png(manual(skin["manual"], glow=True), os.path.join(out, names["highlight"]))
        save_png(open_box(skin["openbox"]), os.path.join(out, names["openbox"]))
        kind, dspec = skin["disk"]
        save_png(disk_525(dspec) if kind == "525" else disk_35(dspec), os.path.join(out, names["disk"]))
        bezel, tint = skin["bigscreen"]
        save_png(big_screen(rgb(bezel), tint), os.path.join(out, names["bigscreen"]))
        write_ini(os.path.join(out, skin["file"]), skin, glass, names)
        made[skin["file"]] = (names, glass)
        print("wrote", skin["file"])
    shutil.copyfile(DOS_FONT_FILE, os.path.join(out, os.path.basename(DOS_FONT_FILE)))
    with open(DOS_FONT_LICENCE) as src, open(os.path.join(out, "Px_IBM_VGA8-LICENSE.txt"), "w", newline="\r\n") as dst:
        dst.write("Px_IBM_VGA8.ttf (family \"Px IBM VGA8\") is copied unmodified from Debian's package\n"
                  "fonts-pc, the Ultimate Oldschool PC Font Pack by VileR, https://int10h.org/oldschool-pc-fonts/.\n"
                  "It is licensed under the Creative Commons Attribution-ShareAlike 4.0 International\n"
                  "licence (https://creativecommons.org/licenses/by-sa/4.0/); Debian's copyright file,\n"
                  "with the full licence text, follows.\n\n")
        dst.write(src.read())
    return made


# --------------------------------------------------------------------------------------------
# Preview: each skin composed at the smallest window of each bucket


def fit(img, box):
    x, y, w, h = box
    k = min(w / img.width, h / img.height)
    im = img.resize((max(1, int(img.width * k)), max(1, int(img.height * k))), Image.LANCZOS)
    return im, (x + (w - im.width) // 2, y + (h - im.height) // 2)


def preview(out, made, dest):
    os.makedirs(dest, exist_ok=True)
    font = ImageFont.truetype(DOS_FONT_FILE, 16)
    sans = ImageFont.truetype(SANS, 12)
    for skin in SKINS:
        names, glass = made[skin["file"]]
        for b in BUCKETS:
            lay = layout(b)
            W, H, Hv = lay["window"]
            view = Image.open(os.path.join(out, names["bg"])).convert("RGBA").resize((W, Hv))
            bx = lay["boxes"]

            def put(img, box):
                im, at = fit(img, box)
                view.alpha_composite(im.convert("RGBA"), at)

            comp = Image.open(os.path.join(out, names["computer"]))
            put(comp, bx["Computer"])
            sx, sy, sw, sh = screen_box(bx["Computer"], glass)
            d = ImageDraw.Draw(view)
            d.rectangle([sx, sy, sx + sw - 1, sy + sh - 1], fill=(40, 90, 160))
            d.text((sx + 6, sy + 6), "SCREEN", fill=(255, 255, 255), font=sans)
            put(Image.open(os.path.join(out, names["openbox"])), bx["OpenBox"])
            put(Image.open(os.path.join(out, names["manual"])), bx["Manual"])
            fx, fy, fw, fh = bx["Front"]
            d.rectangle([fx, fy, fx + fw - 1, fy + fh - 1], fill=(170, 40, 40), outline=(255, 255, 255))
            d.text((fx + 6, fy + 6), "FRONT", fill=(255, 255, 255), font=sans)
            cl, ct, cw, ch = bx["Computer"]
            ds = ch // 3
            put(Image.open(os.path.join(out, names["disk"])), (cl + cw - ds, ct + ch - ds, ds, ds))
            dfont = ImageFont.truetype(SANS, int(lay["disk_size"] * 96 / 72))
            d.text((cl + cw - ds // 2 - 8, ct + ch - ds + ds // 2 + 4), "Harbour Barons", fill=(0, 0, 0),
                   font=dfont, anchor="ma")
            fs, lw, ll = lay["list"]
            d.rectangle([ll, 4, ll + lw - 1, Hv], fill=(0, 0, 0))
            lf = ImageFont.truetype(DOS_FONT_FILE, int(fs * 96 / 72))
            for i, name in enumerate(["Beneath a Steel Sky", "Case of the Paper Moon", "Colony Ledger",
                                      "Harbour Barons: Northern Trade", "Iron Meridian"]):
                d.text((ll + 2, 6 + i * (lf.size + 2)), name, fill=(255, 255, 255), font=lf)
            ex, ey = lay["extras"]
            ef = ImageFont.truetype(SANS, int(lay["extras_size"] * 96 / 72))
            for i, t in enumerate(["Map of the castle", "Walkthrough", "Unit table", "", "", "", ""]):
                d.text((ex, ey + i * lay["line_h"]), t or "Extra %d" % (i + 1), fill=(0, 0, 128), font=ef)
            pf = ImageFont.truetype(SANS_BOLD, 13)
            for i, t in enumerate(["DOS", "Amiga"]):
                d.text((12 + i * 60 + 2, Hv - 24 + 2), t, fill=(0, 0, 0), font=pf)
                d.text((12 + i * 60, Hv - 24), t, fill=(0, 200, 0), font=pf)
            view.convert("RGB").save(os.path.join(dest, "%s-%d.png" % (skin["prefix"], b)))
        # the big screen over the largest layout
        lay = layout(1800)
        W, H, Hv = lay["window"]
        view = Image.open(os.path.join(dest, "%s-1800.png" % skin["prefix"])).convert("RGBA")
        cl, ct, cw, ch = lay["boxes"]["Computer"]
        bs = Image.open(os.path.join(out, names["bigscreen"])).convert("RGBA")
        bl, bt = cl + cw // 2 - 400, max(0, ct + ch // 2 - 300)
        view.alpha_composite(bs, (max(0, bl), bt), (max(0, -bl), 0))
        d = ImageDraw.Draw(view)
        for i, t in enumerate(["Starting MS-DOS...", "", "C:\\>Name: Harbour Barons", "C:\\>Year: 1991",
                               "C:\\>Developer: Tidewater Software", "C:\\>Genre: Strategy", "", "C:\\>_"]):
            d.text((bl + 60, bt + 50 + i * 18), t, fill=(192, 192, 192), font=font)
        view.convert("RGB").save(os.path.join(dest, "%s-bigscreen.png" % skin["prefix"]))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=OUT)
    ap.add_argument("--preview", metavar="FOLDER")
    args = ap.parse_args()
    made = build(args.out)
    if args.preview:
        preview(args.out, made, args.preview)
    total = sum(os.path.getsize(os.path.join(args.out, f)) for f in os.listdir(args.out))
    print("skins folder: %.1f KiB" % (total / 1024))


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the system library shipped with the program into this folder.

    python3 make_slib.py [folder]

Files (layouts in README.md beside this script):
  colortable.txt  colour numbers -> RGB
  subgraph.lib    sub-graphs (point symbols)
  LINESTY.lib     line types, two-level index "type-sub-style"
  FILLGRPH.lib    fill patterns, with the name list FILLGRPH.txt

Standard library only. The output is deterministic, so running the script
again changes no committed byte unless the content below changes.
"""

import colorsys
import math
import os
import struct
import sys

# ---------------------------------------------------------------- colours

BASIC_COLOURS = {
    1: (0, 0, 0),          # black: outlines, texts
    2: (0, 0, 255),        # blue
    3: (0, 176, 0),        # green
    4: (0, 200, 200),      # cyan
    5: (96, 160, 255),     # light blue: rubber bands, trace lines, default fill
    6: (255, 0, 0),        # red: section-line overlay
    7: (255, 0, 255),      # magenta
    8: (150, 90, 30),      # brown
    9: (255, 255, 255),    # white: white fills; the colour nearest to white (DXF white and black import as 1)
    10: (96, 96, 96),      # dark grey
    11: (160, 160, 160),   # grey
    12: (210, 210, 210),   # light grey
    13: (0, 0, 128),       # navy: library samples
    14: (255, 255, 0),     # yellow
    15: (255, 255, 255),   # white: backgrounds (9 is white too and, lower, is the nearest to white)
    16: (255, 128, 0),     # orange
}

NAMED_COLOURS = {
    46: (0, 90, 255),      # strong blue: water-level curve A markers
    49: (230, 30, 30),     # strong red: water-level curve B markers
    128: (255, 230, 150),  # sand: overburden
    174: (255, 170, 130),  # salmon: ore of the second kind
    175: (215, 40, 40),    # ore red: ore of the first kind
    255: (128, 0, 255),    # highlight (drawn inverted in XOR mode)
    620: (255, 236, 204),  # light fill of the block in the range maps (三) of a mining-right block
}

COLOUR_COUNT = 621  # numbers 1 .. 620


def ramp_colour(index):
    """Colours 17 .. 620 run through 14 lightness bands of 48 hues each."""
    band, hue_step = divmod(index, 48)
    if band >= 14:
        raise ValueError("the colour ramp holds 672 colours")
    hue = hue_step / 48.0
    lightness = 0.18 + 0.05 * band
    saturation = 1.0 if band % 2 == 0 else 0.6
    r, g, b = colorsys.hls_to_rgb(hue, lightness, saturation)
    return (round(r * 255), round(g * 255), round(b * 255))


def build_colours():
    colours = {}
    used = set()
    for n, rgb in list(BASIC_COLOURS.items()) + list(NAMED_COLOURS.items()):
        colours[n] = rgb
        used.add(rgb)
    index = 0
    for n in range(1, COLOUR_COUNT):
        if n in colours:
            continue
        while True:
            rgb = ramp_colour(index)
            index += 1
            if rgb not in used:
                break
        colours[n] = rgb
        used.add(rgb)
    return colours


def write_colours(folder):
    colours = build_colours()
    lines = [
        "ZVCOLOR 1",
        "# Colour numbers of the system library: one line per number,",
        "# \"number red green blue\" with values 0-255. Lines starting with # are comments.",
    ]
    for n in sorted(colours):
        r, g, b = colours[n]
        lines.append(f"{n} {r} {g} {b}")
    with open(os.path.join(folder, "colortable.txt"), "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ------------------------------------------------------ symbol entries

# Element kinds of sub-graphs and patterns.
AREA, AREA_OUTLINED, POLYLINE, ARC, DISC, DISC2, CIRCLE = 0, 1, 2, 3, 4, 5, 6


class Entry:
    """Elements of one sub-graph or pattern: (kind, fill, line colour, width, parts)."""

    def __init__(self):
        self.elements = []

    def add(self, kind, parts, fill=0, colour=0, width=2):
        self.elements.append((kind, fill, colour, width, parts))
        return self

    def area(self, pts, fill=0):
        return self.add(AREA, [pts], fill=fill)

    def outlined(self, pts, fill=0, width=2):
        return self.add(AREA_OUTLINED, [pts], fill=fill, width=width)

    def line(self, *parts, width=2, colour=0):
        return self.add(POLYLINE, list(parts), colour=colour, width=width)

    def arc(self, cx, cy, r, start, end, width=2):
        return self.add(ARC, [[(cx, cy), (r, start), (end, 0.0)]], width=width)

    def disc(self, cx, cy, r, fill=0):
        return self.add(DISC, [[(cx, cy), (r, 0.0)]], fill=fill)

    def circle(self, cx, cy, r, width=2):
        return self.add(CIRCLE, [[(cx, cy), (r, 0.0)]], width=width)

    def pack(self):
        """16-bit E, 16-bit K, E elements of 10 bytes, part sizes, K floats."""
        head = b""
        sizes = b""
        floats = []
        for kind, fill, colour, width, parts in self.elements:
            head += struct.pack("<hhhhh", kind, fill, colour, width, len(parts))
            for part in parts:
                sizes += struct.pack("<h", len(part))
                for x, y in part:
                    floats += [x, y]
        return (struct.pack("<hh", len(self.elements), len(floats)) + head + sizes
                + struct.pack(f"<{len(floats)}f", *floats))


def regular(n, r, cx=0.0, cy=0.0, phase=90.0):
    pts = [(cx + r * math.cos(math.radians(phase + 360.0 * i / n)),
            cy + r * math.sin(math.radians(phase + 360.0 * i / n))) for i in range(n)]
    return pts + [pts[0]]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1), (x0, y0)]


def star(points, outer, inner):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = math.radians(90.0 + 180.0 * i / points)
        pts.append((r * math.cos(a), r * math.sin(a)))
    return pts + [pts[0]]


# ------------------------------------------------------------ sub-graphs

def subgraphs():
    """Point symbols of geological maps, centred on 0 with a size of about 1."""
    s = {}
    s[1] = Entry().disc(0, 0, 0.15)                                        # point
    s[2] = Entry().circle(0, 0, 0.4)                                       # small circle
    s[3] = Entry().area(regular(3, 0.45))                                  # triangle marker
    s[4] = Entry().area(rect(-0.35, -0.35, 0.35, 0.35))                    # square marker
    s[5] = Entry().area([(0, 0.45), (0.45, 0), (0, -0.45), (-0.45, 0), (0, 0.45)])  # diamond
    s[6] = Entry().line([(-0.45, 0), (0.45, 0)], [(0, -0.45), (0, 0.45)])  # cross
    s[7] = Entry().line([(-0.4, -0.4), (0.4, 0.4)], [(-0.4, 0.4), (0.4, -0.4)])  # x mark
    s[8] = Entry().area(star(5, 0.5, 0.2))                                 # star
    s[9] = Entry().circle(0, 0, 0.4).disc(0, 0, 0.12)                       # circle with dot
    s[10] = Entry().circle(0, 0, 0.4).line([(-0.4, 0), (0.4, 0)], [(0, -0.4), (0, 0.4)])  # horizontal bedding
    s[11] = Entry().line([(-0.5, 0), (0.5, 0)], [(0, 0), (0, 0.25)])        # strike and dip
    s[12] = Entry().line([(-0.5, 0), (0.5, 0)], [(0, -0.25), (0, 0.25)])    # vertical bedding
    s[13] = Entry().line([(-0.5, 0), (0.5, 0)], [(0, 0), (0, 0.3)]).arc(0, 0.3, 0.12, 180, 360)  # overturned
    s[14] = Entry().line([(-0.5, 0), (0.5, 0)]).area([(0, 0), (0.12, 0.3), (-0.12, 0.3), (0, 0)])  # cleavage
    s[15] = Entry().line([(0, -0.5), (0, 0.3)]).area([(0, 0.5), (0.15, 0.2), (-0.15, 0.2), (0, 0.5)])  # arrow
    s[16] = Entry().area(regular(3, 0.45)).disc(0, -0.02, 0.07, fill=15)   # triangulation point
    s[17] = Entry().disc(0, 0, 0.08).circle(0, 0, 0.25)                     # elevation point
    s[18] = Entry().circle(0, 0.1, 0.25).line([(0, -0.15), (0, -0.5)])      # spring
    s[19] = Entry().circle(0, 0, 0.35).line([(-0.35, 0), (0.35, 0)])        # well
    s[20] = Entry().outlined(rect(-0.35, -0.35, 0.35, 0.35), fill=15).area([(-0.35, -0.35), (0.35, 0.35), (-0.35, 0.35), (-0.35, -0.35)])  # shaft
    s[21] = Entry().disc(0, 0, 0.4)                                        # filled circle marker
    s[22] = Entry().line([(-0.35, 0.4), (0, 0), (0.35, 0.4)], [(0, 0), (0, -0.45)])  # adit
    s[23] = Entry().line([(-0.45, 0.2), (-0.45, -0.2), (0.45, -0.2), (0.45, 0.2)])  # trench
    s[24] = Entry().outlined(rect(-0.25, -0.25, 0.25, 0.25), fill=15)      # sample point
    s[25] = Entry().arc(0, -0.2, 0.45, 0, 180).line([(-0.45, -0.2), (0.45, -0.2)])  # cave
    s[26] = Entry().line([(-0.4, -0.4), (0.4, 0.4)], [(-0.4, 0.4), (0.4, -0.4)]).circle(0, 0, 0.45)  # quarry
    s[27] = Entry().area(star(6, 0.5, 0.25))                               # volcanic vent
    s[28] = Entry().arc(0, 0, 0.4, 200, 340).line([(-0.38, -0.14), (0.38, -0.14)]).disc(0, 0.15, 0.08)  # fossil
    s[29] = Entry().circle(0, 0, 0.45).disc(0, 0, 0.3)                     # ore point
    s[30] = Entry().line([(-0.5, 0), (0.5, 0)]).area([(0.5, 0), (0.25, 0.12), (0.25, -0.12), (0.5, 0)]).area([(-0.5, 0), (-0.25, 0.12), (-0.25, -0.12), (-0.5, 0)])  # anticline axis
    s[31] = Entry().line([(-0.5, 0), (0.5, 0)]).area([(0.05, 0), (0.3, 0.12), (0.3, -0.12), (0.05, 0)]).area([(-0.05, 0), (-0.3, 0.12), (-0.3, -0.12), (-0.05, 0)])  # syncline axis
    s[32] = Entry().line([(0, -0.5), (0, 0.5)], [(-0.2, 0.3), (0, 0.5), (0.2, 0.3)]).area([(-0.15, -0.1), (0, 0.15), (0, -0.1), (-0.15, -0.1)])  # north arrow
    s[33] = Entry().line([(-0.45, 0.3), (-0.15, -0.3), (0.15, 0.3), (0.45, -0.3)])  # landslide
    s[34] = Entry().circle(0, 0, 0.4).line([(-0.28, -0.28), (0.28, 0.28)])  # collapse
    s[35] = Entry().area(regular(6, 0.45))                                 # hexagon
    s[36] = Entry().outlined(regular(3, 0.45), fill=15)                    # hollow triangle
    s[37] = Entry().outlined([(0, 0.45), (0.45, 0), (0, -0.45), (-0.45, 0), (0, 0.45)], fill=15)  # hollow diamond
    s[38] = Entry().circle(0, 0, 0.45).circle(0, 0, 0.25)                   # double circle
    s[39] = Entry().line([(-0.45, 0), (0.45, 0)], [(-0.3, 0.25), (0.3, 0.25)], [(-0.15, 0.5), (0.15, 0.5)])  # benchmark
    s[40] = Entry().area([(0, 0), (0.5, 0), (0.5, 0.5), (0, 0)]).circle(0, 0, 0.45)  # dip in circle
    s[41] = Entry().line([(-0.45, 0), (0.45, 0)]).arc(0, 0, 0.3, 0, 180)    # dome
    s[42] = Entry().line([(-0.45, -0.3), (0, 0.45), (0.45, -0.3), (-0.45, -0.3)])  # peak
    s[127] = Entry().area([(0, 0.45), (0.3, 0), (0, -0.45), (-0.3, 0), (0, 0.45)])  # chart value mark
    s[319] = Entry().circle(0, 0, 0.3).line([(0, 0.3), (0, 0.6)]).disc(0, 0, 0.1)  # borehole collar on a section
    s[502] = Entry().line([(-0.5, 0.1), (-0.25, 0.3), (0, 0.1), (0.25, 0.3), (0.5, 0.1)],
                          [(-0.5, -0.3), (-0.25, -0.1), (0, -0.3), (0.25, -0.1), (0.5, -0.3)])  # break mark
    s[1011] = Entry().circle(0, 0, 0.45).area([(0, 0.45)] + [(0.45 * math.cos(math.radians(a)), 0.45 * math.sin(math.radians(a))) for a in range(90, 271, 15)] + [(0, 0.45)])  # borehole
    s[1016] = Entry().circle(0, 0, 0.45).disc(0, 0, 0.2)                   # borehole collar on a plan
    return s


def write_single_level(path, entries, record_size):
    """Slot 0 holds the count (highest number + 1); slot n the offset of entry n."""
    count = max(entries) + 1
    index = bytearray(count * record_size)
    struct.pack_into("<i", index, 0, count)
    body = b""
    for n in sorted(entries):
        struct.pack_into("<i", index, n * record_size, len(index) + len(body))
        body += entries[n].pack()
    with open(path, "wb") as f:
        f.write(bytes(index) + body)


# ------------------------------------------------------------- line types

# Line-type element kinds (our renderer's): the unit cell runs along x from
# 0 to 1 (X coefficient map units), y across (Y coefficient map units).
BASE, STROKE, TOOTH, DOT = 0, 1, 2, 3


class LineCell:
    def __init__(self):
        self.elements = []  # (kind, points)

    def base(self, offset=None):
        self.elements.append((BASE, [] if offset is None else [(0.0, offset)]))
        return self

    def stroke(self, *pts):
        self.elements.append((STROKE, list(pts)))
        return self

    def tooth(self, *pts):
        self.elements.append((TOOTH, list(pts)))
        return self

    def dot(self, x, y, r):
        self.elements.append((DOT, [(x, y), (r, 0.0)]))
        return self

    def pack(self):
        """16-bit E, E records of 6 bytes (kind, point count, 0), then the points."""
        head = struct.pack("<h", len(self.elements))
        pts = []
        for kind, points in self.elements:
            head += struct.pack("<hhh", kind, len(points), 0)
            pts += points
        flat = [v for p in pts for v in p]
        return head + struct.pack(f"<{len(flat)}f", *flat)


def line_types():
    t = {}
    t[1] = [LineCell().base(), LineCell().base(0.15).base(-0.15)]                    # solid; double
    t[2] = [LineCell().stroke((0, 0), (0.6, 0)), LineCell().stroke((0, 0), (0.3, 0)),
            LineCell().stroke((0, 0), (0.8, 0))]                                    # dashed
    t[3] = [LineCell().stroke((0, 0), (0.6, 0)).stroke((0.75, 0), (0.8, 0))]         # dash-dot
    t[4] = [LineCell().stroke((0, 0), (0.5, 0)).stroke((0.65, 0), (0.7, 0)).stroke((0.85, 0), (0.9, 0))]  # dash-dot-dot
    t[5] = [LineCell().dot(0.25, 0, 0.06).dot(0.75, 0, 0.06)]                         # dotted
    t[6] = [LineCell().base().stroke((0.5, 0), (0.5, 0.3)),
            LineCell().base().stroke((0.5, 0), (0.5, 0.3)).stroke((0.5, 0), (0.5, -0.3))]  # fault with ticks
    t[7] = [LineCell().base().tooth((0.3, 0), (0.5, 0.35), (0.7, 0), (0.3, 0))]       # thrust with teeth
    t[8] = [LineCell().stroke((0, 0), (0.7, 0)).stroke((0.8, 0), (0.9, 0)),
            LineCell().stroke((0, 0), (0.45, 0)).dot(0.7, 0, 0.05)]                  # inferred boundary
    t[9] = [LineCell().stroke((0, 0), (0.25, 0.2), (0.5, 0), (0.75, -0.2), (1.0, 0))] # wavy
    t[10] = [LineCell().base().dot(0.5, 0.25, 0.07)]                                  # unconformity
    t[11] = [LineCell().base(0.12).base(-0.12).stroke((0.5, 0.12), (0.5, -0.12))]   # railway
    t[12] = [LineCell().base().tooth((0.4, 0), (0.5, 0.3), (0.6, 0), (0.4, 0))
             .tooth((0.4, 0), (0.5, -0.3), (0.6, 0), (0.4, 0))]                      # boundary with teeth both sides
    return t


def write_line_types(path):
    types = line_types()
    count = max(types) + 1
    rs = 6
    top = bytearray(count * rs)
    struct.pack_into("<ih", top, 0, count, 2)        # slot 0: count, form 2 (two-level)
    blocks = b""
    for g in sorted(types):
        base = len(top) + len(blocks)
        cells = types[g]
        struct.pack_into("<ih", top, g * rs, base, len(cells))
        table = bytearray(len(cells) * rs)
        body = b""
        for n, cell in enumerate(cells):
            struct.pack_into("<ih", table, n * rs, base + len(table) + len(body), 0)
            body += cell.pack()
        blocks += bytes(table) + body
    with open(path, "wb") as f:
        f.write(bytes(top) + blocks)


# --------------------------------------------------------------- patterns

def dots(points, r=0.04):
    e = Entry()
    for x, y in points:
        e.disc(x, y, r)
    return e


def patterns():
    """Lithology patterns in the unit cell [0,1] x [0,1]."""
    p = {}
    names = {}

    def put(n, name, entry):
        p[n] = entry
        names[n] = name

    put(1, "砂岩", dots([(0.25, 0.25), (0.75, 0.25), (0.5, 0.75), (0.0, 0.75), (1.0, 0.75)]))
    put(2, "粉砂岩", dots([(0.25, 0.75), (0.75, 0.75)]).line([(0.1, 0.25), (0.4, 0.25)], [(0.6, 0.25), (0.9, 0.25)]))
    put(3, "泥岩", Entry().line([(0, 0.25), (0.4, 0.25)], [(0.6, 0.25), (1.0, 0.25)], [(0.1, 0.75), (0.9, 0.75)]))
    put(4, "页岩", Entry().line([(0, 0.2), (1, 0.2)], [(0, 0.5), (0.35, 0.5)], [(0.65, 0.5), (1, 0.5)], [(0, 0.8), (1, 0.8)]))
    put(5, "砾岩", Entry().circle(0.25, 0.3, 0.15).circle(0.75, 0.7, 0.18))
    put(6, "石灰岩", Entry().line([(0, 0), (1, 0)], [(0, 0.5), (1, 0.5)], [(0.5, 0), (0.5, 0.5)], [(0, 0.5), (0, 1)]))
    put(7, "白云岩", Entry().line([(0, 0), (1, 0)], [(0, 0.5), (1, 0.5)], [(0.5, 0), (0.5, 0.5)], [(0, 0.5), (0, 1)],
                               [(0.15, 0.1), (0.35, 0.4)], [(0.65, 0.6), (0.85, 0.9)]))
    put(8, "泥灰岩", Entry().line([(0, 0), (1, 0)], [(0, 0.5), (1, 0.5)], [(0.5, 0), (0.5, 0.5)],
                               [(0.1, 0.75), (0.4, 0.75)], [(0.6, 0.75), (0.9, 0.75)]))
    put(9, "花岗岩", Entry().line([(0.15, 0.25), (0.35, 0.25)], [(0.25, 0.15), (0.25, 0.35)],
                               [(0.65, 0.75), (0.85, 0.75)], [(0.75, 0.65), (0.75, 0.85)]))
    put(10, "闪长岩", Entry().line([(0.15, 0.15), (0.35, 0.35)], [(0.15, 0.35), (0.35, 0.15)],
                                [(0.65, 0.65), (0.85, 0.85)], [(0.65, 0.85), (0.85, 0.65)]))
    put(11, "辉长岩", Entry().line([(0.1, 0.25), (0.4, 0.25)], [(0.25, 0.1), (0.25, 0.4)],
                                [(0.6, 0.6), (0.9, 0.9)], [(0.6, 0.9), (0.9, 0.6)]))
    put(12, "玄武岩", Entry().line([(0.1, 0.4), (0.25, 0.1), (0.4, 0.4)], [(0.6, 0.9), (0.75, 0.6), (0.9, 0.9)]))
    put(13, "安山岩", Entry().line([(0.1, 0.4), (0.25, 0.1), (0.4, 0.4)]).line([(0.6, 0.75), (0.9, 0.75)]))
    put(14, "流纹岩", Entry().line([(0, 0.3), (0.25, 0.4), (0.5, 0.3), (0.75, 0.2), (1, 0.3)]).line([(0.25, 0.75), (0.75, 0.75)]))
    put(15, "凝灰岩", Entry().line([(0.1, 0.4), (0.25, 0.1), (0.4, 0.4)]).disc(0.75, 0.75, 0.05).disc(0.25, 0.75, 0.05))
    put(16, "角砾岩", Entry().outlined([(0.1, 0.1), (0.4, 0.15), (0.2, 0.4), (0.1, 0.1)], fill=15)
        .outlined([(0.6, 0.55), (0.9, 0.7), (0.65, 0.9), (0.6, 0.55)], fill=15))
    put(17, "片麻岩", Entry().line([(0, 0.25), (0.2, 0.35), (0.4, 0.25), (0.6, 0.35), (0.8, 0.25), (1, 0.35)],
                                [(0.2, 0.7), (0.5, 0.7)]))
    put(18, "片岩", Entry().line([(0, 0.3), (0.25, 0.4), (0.5, 0.3)], [(0.5, 0.8), (0.75, 0.9), (1, 0.8)]))
    put(19, "板岩", Entry().line([(0, 0.25), (1, 0.25)], [(0, 0.75), (1, 0.75)], [(0.3, 0.0), (0.5, 0.25)], [(0.7, 0.5), (0.9, 0.75)]))
    put(20, "千枚岩", Entry().line([(0, 0.3), (0.33, 0.4), (0.66, 0.3), (1, 0.4)], [(0, 0.8), (0.33, 0.9), (0.66, 0.8), (1, 0.9)]))
    put(21, "大理岩", Entry().line([(0, 0), (1, 0)], [(0, 0.5), (1, 0.5)], [(0.5, 0), (0.5, 0.5)], [(0, 0.5), (0, 1)]).disc(0.25, 0.25, 0.05))
    put(22, "石英岩", dots([(0.25, 0.25), (0.75, 0.75)], 0.05).line([(0.6, 0.25), (0.9, 0.25)], [(0.1, 0.75), (0.4, 0.75)]))
    put(23, "黏土", Entry().line([(0, 0.25), (1, 0.25)], [(0, 0.75), (1, 0.75)]))
    put(24, "砂", dots([(0.2, 0.2), (0.6, 0.3), (0.4, 0.6), (0.85, 0.75), (0.1, 0.85)], 0.03))
    put(25, "砾石", Entry().circle(0.3, 0.3, 0.1).circle(0.7, 0.75, 0.12).circle(0.8, 0.2, 0.07))
    put(26, "黄土", Entry().line([(0.25, 0.1), (0.25, 0.9)], [(0.75, 0.1), (0.75, 0.4)], [(0.75, 0.6), (0.75, 0.9)]))
    put(27, "亚黏土", Entry().line([(0, 0.25), (1, 0.25)], [(0, 0.75), (0.4, 0.75)], [(0.6, 0.75), (1, 0.75)]).disc(0.5, 0.5, 0.04))
    put(28, "煤线", Entry().area(rect(0, 0.4, 1, 0.6)))
    put(29, "硅质岩", Entry().line([(0.1, 0.25), (0.35, 0.25)], [(0.6, 0.75), (0.85, 0.75)]).area(regular(3, 0.1, 0.75, 0.25)).area(regular(3, 0.1, 0.25, 0.75)))
    put(30, "蛇纹岩", Entry().line([(0, 0.5), (0.25, 0.75), (0.5, 0.5), (0.75, 0.25), (1, 0.5)]))
    put(31, "矽卡岩", Entry().outlined(regular(4, 0.2, 0.5, 0.5, 45), fill=15).line([(0, 0), (0.2, 0.2)], [(0.8, 0.8), (1, 1)]))
    put(32, "斜线", Entry().line([(0, 0), (1, 1)]))
    put(33, "网格", Entry().line([(0, 0.5), (1, 0.5)], [(0.5, 0), (0.5, 1)]))
    put(200, "煤", Entry().area(rect(0, 0, 1, 1)))
    return p, names


def write_patterns(folder):
    entries, names = patterns()
    write_single_level(os.path.join(folder, "FILLGRPH.lib"), entries, 6)
    with open(os.path.join(folder, "FILLGRPH.txt"), "wb") as f:
        for n in sorted(names):
            f.write(f"{n} {names[n]}\r\n".encode("gbk"))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_colours(folder)
    write_single_level(os.path.join(folder, "subgraph.lib"), subgraphs(), 4)
    write_line_types(os.path.join(folder, "LINESTY.lib"))
    write_patterns(folder)


if __name__ == "__main__":
    main()

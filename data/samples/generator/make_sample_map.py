#!/usr/bin/env python3
"""Writes the sample contour map: a small hilly area drawn from an analytic
terrain at 1:10,000, in the platform's point, line, region and project files.

Coordinates are millimetres on paper (1 mm = 10 m on the ground), origin at
the sheet's lower-left corner. The map parameters name a Gauss-Krueger
projection (3-degree zone 38, central meridian 114 E, Xi'an 1980 ellipsoid).

Standard library only; the output is the same on every run.

    python3 make_sample_map.py [output folder]   (default: the folder above)
"""

import math
import os
import struct
import sys

SCALE = 10000.0
SHEET_W, SHEET_H = 400.0, 300.0  # mm on paper: 4 km x 3 km on the ground
GRID_STEP = 2.5                  # mm between terrain samples
CONTOUR_STEP = 10.0              # m
INDEX_STEP = 50.0                # m: every fifth contour is drawn thicker
TABLE_DATE = (2026, 12, 1)       # creation date written into attribute tables

# Where the sheet lies: its lower-left corner and the zone.
ZONE = 38
CENTRAL_MERIDIAN = 114.0
LOWER_LEFT_LON = 113.0 + 30 / 60.0
LOWER_LEFT_LAT = 39.0 + 55 / 60.0

# Colour numbers of the platform's colour library, and a sub-graph number.
COLOUR_BLACK, COLOUR_CONTOUR, COLOUR_WATER, COLOUR_FOREST, COLOUR_RED = 1, 5, 4, 3, 6
SYMBOL_TRIG_POINT, SYMBOL_BOREHOLE = 1, 2


# ---- terrain --------------------------------------------------------------------

def terrain(x_mm, y_mm):
    """Ground height in metres at a paper position."""
    gx, gy = x_mm * SCALE / 1000.0, y_mm * SCALE / 1000.0

    def hill(cx, cy, sx, sy, height):
        return height * math.exp(-(((gx - cx) / sx) ** 2 + ((gy - cy) / sy) ** 2) / 2)

    return (430.0
            + hill(1200, 1800, 600, 600, 260)
            + hill(2900, 1100, 450, 520, 205)
            + hill(2150, 2500, 900, 300, 90)
            - hill(2000, 600, 500, 350, 60)
            + 12 * math.sin(gx / 470.0) * math.cos(gy / 650.0))


def sample_grid():
    nx, ny = int(SHEET_W / GRID_STEP) + 1, int(SHEET_H / GRID_STEP) + 1
    return [[terrain(i * GRID_STEP, j * GRID_STEP) for i in range(nx)] for j in range(ny)]


# ---- contours (marching squares, segments chained into polylines) ----------------

def contour_lines(grid, level):
    """Polylines of one level; each a list of (x, y) in mm."""
    ny, nx = len(grid), len(grid[0])

    def crossing(edge):
        (i0, j0), (i1, j1) = edge
        h0, h1 = grid[j0][i0], grid[j1][i1]
        t = (level - h0) / (h1 - h0)
        return ((i0 + t * (i1 - i0)) * GRID_STEP, (j0 + t * (j1 - j0)) * GRID_STEP)

    links = {}

    def link(a, b):
        links.setdefault(a, []).append(b)
        links.setdefault(b, []).append(a)

    for j in range(ny - 1):
        for i in range(nx - 1):
            corners = [(i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)]
            above = [grid[cj][ci] > level for ci, cj in corners]
            edges = [tuple(sorted((corners[k], corners[(k + 1) % 4]))) for k in range(4)]
            cut = [k for k in range(4) if above[k] != above[(k + 1) % 4]]
            if len(cut) == 2:
                link(edges[cut[0]], edges[cut[1]])
            elif len(cut) == 4:  # saddle: the centre decides which corners join
                centre_above = sum(grid[cj][ci] for ci, cj in corners) / 4 > level
                if centre_above == above[0]:
                    link(edges[0], edges[1])
                    link(edges[2], edges[3])
                else:
                    link(edges[3], edges[0])
                    link(edges[1], edges[2])

    lines, seen = [], set()

    def walk(start):
        chain, previous, current = [start], None, start
        seen.add(start)
        while True:
            following = [e for e in links[current] if e != previous and e not in seen]
            if not following:
                if len(chain) > 2 and start in links[current] and previous != start:
                    chain.append(start)  # closed ring
                return chain
            previous, current = current, following[0]
            seen.add(current)
            chain.append(current)

    for edge in sorted(links):  # open lines start at the sheet border
        if edge not in seen and len(links[edge]) == 1:
            lines.append(walk(edge))
    for edge in sorted(links):
        if edge not in seen:
            lines.append(walk(edge))
    return [[tuple(round(c, 4) for c in crossing(e)) for e in chain] for chain in lines if len(chain) >= 2]


def polyline_length(points):
    return sum(math.dist(points[k], points[k + 1]) for k in range(len(points) - 1))


def ring_area(points):
    return abs(sum(points[k][0] * points[k + 1][1] - points[k + 1][0] * points[k][1]
                   for k in range(len(points) - 1))) / 2


# ---- Gauss-Krueger forward projection (for the sheet corner only) ----------------

def packed_dms(degrees):
    sign = -1 if degrees < 0 else 1
    seconds = round(abs(degrees) * 3600, 4)
    d, rest = divmod(seconds, 3600)
    m, s = divmod(rest, 60)
    return sign * (d * 10000 + m * 100 + s)


def gauss_krueger(lon, lat, a=6378140.0, f=1 / 298.257):
    """Northing and easting (without zone or false easting) on the ellipsoid."""
    e2 = f * (2 - f)
    ep2 = e2 / (1 - e2)
    phi, dl = math.radians(lat), math.radians(lon - CENTRAL_MERIDIAN)
    n = a / math.sqrt(1 - e2 * math.sin(phi) ** 2)
    t, c = math.tan(phi) ** 2, ep2 * math.cos(phi) ** 2
    big_a = dl * math.cos(phi)
    m = a * ((1 - e2 / 4 - 3 * e2 ** 2 / 64) * phi - (3 * e2 / 8 + 3 * e2 ** 2 / 32) * math.sin(2 * phi)
             + (15 * e2 ** 2 / 256) * math.sin(4 * phi))
    northing = m + n * math.tan(phi) * (big_a ** 2 / 2 + (5 - t + 9 * c + 4 * c * c) * big_a ** 4 / 24)
    easting = n * (big_a + (1 - t + c) * big_a ** 3 / 6)
    return northing, easting


# ---- records of the platform's files ------------------------------------------------

def gbk(text):
    return text.encode("gbk")


def fixed_text(text, size):
    data = gbk(text)[:size - 1]
    return data + bytes(size - len(data))


def map_parameters():
    northing, easting = gauss_krueger(LOWER_LEFT_LON, LOWER_LEFT_LAT)
    ground_w, ground_h = SHEET_W * SCALE / 1000, SHEET_H * SCALE / 1000
    lon_span = ground_w / (111320 * math.cos(math.radians(LOWER_LEFT_LAT)))
    lat_span = ground_h / 110950
    p = bytearray(169)
    struct.pack_into("<BBdd", p, 0, 3, 1, SHEET_W, SHEET_H)  # projected plane, millimetres
    struct.pack_into("<BB", p, 18, 5, 2)                      # Gauss-Krueger, Xi'an 1980
    struct.pack_into("<dddd", p, 20, packed_dms(LOWER_LEFT_LON), packed_dms(LOWER_LEFT_LAT),
                     packed_dms(lon_span), packed_dms(lat_span))
    struct.pack_into("<dd", p, 52, SCALE, packed_dms(CENTRAL_MERIDIAN))
    struct.pack_into("<dd", p, 108, ZONE * 1e6 + 500000.0, 0.0)  # false easting with the zone number
    struct.pack_into("<Bddd", p, 124, 0, 0.0, 0.0, SCALE)
    struct.pack_into("<BBBBdd", p, 149, 2, 0, 1, 1, 1.0, 1.0)
    return bytes(p), (ZONE * 1e6 + 500000.0 + easting, northing)


FIELD_SIZES = {"string": (0, None), "long": (3, 4), "double": (5, 8)}


def attribute_table(fields, rows):
    """fields: (name, type, display length, decimals); rows: per slot a tuple
    of values or None for a deleted slot (slot 0, the dummy, not included)."""
    descriptors, offset, formats = bytearray(), 1, []
    for number, (name, kind, length, decimals) in enumerate(fields):
        code, storage = FIELD_SIZES[kind]
        storage = storage or length + 1
        descriptors += fixed_text(name, 20) + struct.pack("<BihhBhBh4x", code, offset, storage, length, decimals,
                                                          2 if kind == "double" else 1, 0, number)
        formats.append((kind, storage))
        offset += storage
    record_length = offset
    records = bytearray(record_length)
    for row in rows:
        record = bytearray(record_length)
        if row is not None:
            record[0] = 1
            at = 1
            for (kind, storage), value in zip(formats, row):
                if kind == "string":
                    record[at:at + storage] = fixed_text(value, storage)
                else:
                    struct.pack_into("<i" if kind == "long" else "<d", record, at, value)
                at += storage
        records += record
    count = len(rows) + 1
    header = bytearray(348)
    header[0:2] = header[320:322] = b"`D"
    struct.pack_into("<hBB", header, 2, *TABLE_DATE)
    struct.pack_into("<ii", header, 12, 348 + 39 * len(fields), count - 1)
    struct.pack_into("<hii", header, 322, len(fields), count, record_length)
    return bytes(header + descriptors + records)


def vector_file(kind, map_params, sections, slots, regions, extent):
    """kind: 0 line, 1 point, 2 region; sections: {index: bytes}."""
    header = bytearray(657)
    header[0:8] = b"WMAP`D2" + bytes([ord("1") + kind])
    struct.pack_into("<iii", header, 8, kind, 657, 16)
    header[91:260] = map_params
    struct.pack_into("<i", header, 260, slots)
    if kind == 2:
        struct.pack_into("<i", header, 276, regions)
    struct.pack_into("<dddd", header, 304, *extent)
    directory, body, offset = bytearray(), bytearray(), 657 + 160
    for index in range(16):
        data = sections.get(index, b"")
        directory += struct.pack("<IIH", offset if data else 0, len(data), 0xFFFF)
        body += data
        offset += len(data)
    return bytes(header + directory + body)


def extent_of(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys)) if points else (0.0, 0.0, 0.0, 0.0)


def line_params(style, colour, width, layer):
    return struct.pack("<hBBifBffih", style, 0, 0, colour, width, 0, 1.0, 1.0, 0, layer) + bytes([0] * 6 + [1, 2])


def line_section(lines, pool):
    """lines: (vertices, parameter bytes); vertices appended to pool."""
    records = bytearray(57)
    for vertices, params in lines:
        record = bytearray(57)
        struct.pack_into("<BH7xiii", record, 0, 1, 2, len(vertices), len(pool), 1)
        record[22:57] = params
        for x, y in vertices:
            pool += struct.pack("<dd", x, y)
        records += record
    return bytes(records)


# ---- the map's content ------------------------------------------------------------------

def contour_file(grid, map_params):
    low, high = min(map(min, grid)), max(map(max, grid))
    lines, rows = [], []
    level = math.ceil(low / CONTOUR_STEP) * CONTOUR_STEP
    while level <= high:
        index = level % INDEX_STEP == 0
        for vertices in contour_lines(grid, level):
            params = line_params(1, COLOUR_CONTOUR, 0.3 if index else 0.15, 2 if index else 1)
            lines.append((vertices, params))
            rows.append((len(lines), round(polyline_length(vertices), 6), level))
        level += CONTOUR_STEP
    pool = bytearray()
    records = line_section(lines, pool)
    table = attribute_table([("ID", "long", 10, 0), ("长度", "double", 15, 6), ("高程", "double", 15, 2)], rows)
    extent = extent_of([v for vertices, _ in lines for v in vertices])
    return vector_file(0, map_params, {0: records, 1: bytes(pool), 2: table}, len(lines), 0, extent), lines, rows


def note_params(height, angle, colour, layer):
    params = bytearray(62)
    struct.pack_into("<BBffffhhBB", params, 0, 0, 0, height, height, height * 0.1, angle, 1, 1, 0, 0)
    struct.pack_into("<iih", params, 44, colour, 0, layer)
    return bytes(params)


def symbol_params(number, size, colour, layer):
    params = bytearray(62)
    struct.pack_into("<BBiffffi", params, 0, 1, 0, number, size, size, 0.0, 0.1, 0)
    struct.pack_into("<iih", params, 44, colour, 0, layer)
    return bytes(params)


def point_file(map_params, lines, rows):
    points = [
        ((200.0, 290.0), "示例等高线图  1:10000", note_params(6.0, 0.0, COLOUR_BLACK, 1)),
        ((120.0, 180.0), "", symbol_params(SYMBOL_TRIG_POINT, 4.0, COLOUR_RED, 2)),
        ((123.0, 183.0), "老鹰山 %.1f" % terrain(120.0, 180.0), note_params(3.5, 0.0, COLOUR_BLACK, 1)),
        ((290.0, 110.0), "", symbol_params(SYMBOL_TRIG_POINT, 4.0, COLOUR_RED, 2)),
        ((293.0, 113.0), "青龙岭 %.1f" % terrain(290.0, 110.0), note_params(3.5, 0.0, COLOUR_BLACK, 1)),
        ((80.0, 60.0), "", symbol_params(SYMBOL_BOREHOLE, 3.0, COLOUR_RED, 3)),
        ((83.0, 60.0), "ZK01", note_params(2.5, 0.0, COLOUR_RED, 3)),
        ((245.0, 215.0), "", symbol_params(SYMBOL_BOREHOLE, 3.0, COLOUR_RED, 3)),
        ((248.0, 215.0), "ZK02", note_params(2.5, 0.0, COLOUR_RED, 3)),
        ((205.0, 52.0), "白水塘", note_params(3.0, 0.0, COLOUR_WATER, 1)),
    ]
    # One elevation label on the longest line of every index contour, along it.
    best = {}
    for (vertices, _), (_, length, level) in zip(lines, rows):
        if level % INDEX_STEP == 0 and length > best.get(level, (0, None))[0]:
            best[level] = (length, vertices)
    for level in sorted(best):
        vertices = best[level][1]
        k = len(vertices) // 2
        (x0, y0), (x1, y1) = vertices[k - 1], vertices[k]
        angle = math.degrees(math.atan2(y1 - y0, x1 - x0))
        angle = angle + 180 if angle > 90 else angle - 180 if angle < -90 else angle
        points.append(((x0, y0), "%d" % level, note_params(2.0, round(angle, 2), COLOUR_CONTOUR, 2)))

    pool, records, rows_out = bytearray(), bytearray(93), []
    for (x, y), text, params in points:
        data = gbk(text)
        record = bytearray(93)
        struct.pack_into("<Bhiddd", record, 0, 1, len(data), len(pool) if data else 0, x, y, 0.0)
        record[31:93] = params
        pool += data
        records += record
        rows_out.append((len(rows_out) + 1, "符号" if params[0] == 1 else "注记"))
    table = attribute_table([("ID", "long", 10, 0), ("类别", "string", 10, 0)], rows_out)
    extent = extent_of([p for p, _, _ in points])
    return vector_file(1, map_params, {0: bytes(records), 1: bytes(pool), 2: table}, len(points), 0, extent)


def circle(cx, cy, r, count, start=0.0, sweep=360.0):
    return [(round(cx + r * math.cos(math.radians(start + sweep * k / count)), 4),
             round(cy + r * math.sin(math.radians(start + sweep * k / count)), 4)) for k in range(count + 1)]


def wobbly_ring(cx, cy, rx, ry, count, seed):
    ring = [(round(cx + rx * (1 + 0.12 * math.sin(seed + 3 * t)) * math.cos(t), 4),
             round(cy + ry * (1 + 0.1 * math.cos(seed + 5 * t)) * math.sin(t), 4))
            for t in (2 * math.pi * k / count for k in range(count))]
    return ring + [ring[0]]


def region_file(map_params):
    lake = wobbly_ring(205.0, 45.0, 40.0, 18.0, 48, 1.0)
    island = circle(212.0, 47.0, 5.0, 16)
    forest = wobbly_ring(95.0, 230.0, 60.0, 40.0, 60, 2.0)
    clearing = [(80.0, 220.0), (80.0, 240.0), (105.0, 242.0), (108.0, 222.0), (80.0, 220.0)]
    arcs = [lake[:25], lake[24:], island, forest, clearing]  # the lake's shore in two arcs
    water = struct.pack("<ihffihBh", COLOUR_WATER, 0, 0.0, 0.0, 0, 0, 0, 1) + bytes(8)
    woods = struct.pack("<ihffihBh", COLOUR_FOREST, 12, 4.0, 4.0, COLOUR_FOREST, 0, 0, 2) + bytes(8)
    regions = [([1, 2, 0, -3], water, "白水塘"), ([4, 0, 5], woods, "松林")]

    pool = bytearray()
    params = line_params(1, COLOUR_BLACK, 0.1, 0)
    arc_records = line_section([(arc, params) for arc in arcs], pool)
    region_records, region_rows = bytearray(40), []
    topology = bytearray(24) + bytearray(24 * len(arcs))
    for number, (arc_list, fill, name) in enumerate(regions, start=1):
        rings = sum(1 for k, a in enumerate(arc_list) if a and (k == 0 or arc_list[k - 1] == 0))
        total = sum(len(arcs[abs(a) - 1]) for a in arc_list if a) + rings
        record = bytearray(40)
        struct.pack_into("<Bii", record, 0, 1, len(arc_list) + 1, len(pool))
        record[9:40] = fill
        pool += struct.pack("<%di" % (len(arc_list) + 1), total, *arc_list)
        region_records += record
        for a in arc_list:
            if a:
                struct.pack_into("<i", topology, 24 * abs(a) + (8 if a > 0 else 12), number)
        ring_list, current = [], []
        for a in arc_list + [0]:
            if a:
                current += arcs[abs(a) - 1] if a > 0 else arcs[abs(a) - 1][::-1]
            elif current:
                ring_list.append(current)
                current = []
        area = ring_area(ring_list[0]) - sum(ring_area(r) for r in ring_list[1:])
        perimeter = sum(polyline_length(r) for r in ring_list)
        region_rows.append((number, round(area, 6), round(perimeter, 6), name))
    arc_rows = [(k + 1, round(polyline_length(arc), 6)) for k, arc in enumerate(arcs)]
    sections = {
        0: arc_records, 1: bytes(pool),
        2: attribute_table([("ID", "long", 10, 0), ("长度", "double", 15, 6)], arc_rows),
        3: bytes(topology), 8: bytes(region_records),
        9: attribute_table([("ID", "long", 10, 0), ("面积", "double", 15, 6), ("周长", "double", 15, 6),
                            ("名称", "string", 20, 0)], region_rows),
    }
    extent = extent_of([v for arc in arcs for v in arc])
    return vector_file(2, map_params, sections, len(arcs), len(regions), extent)


def project_file(map_params, items, title):
    header = bytearray(1113)
    header[0:8] = b"WMAP`D2:"
    struct.pack_into("<ih4d", header, 8, 9, len(items), 0.0, 0.0, SHEET_W, SHEET_H)
    header[686:746] = fixed_text(title, 60)
    struct.pack_into("<ii7dhi", header, 746, 0, 1113, 0.0, 0.0, 1.0, 1.0, 0.0, 1024.0, 768.0, 0, 0)
    header[816:985] = map_params
    body = bytearray()
    for kind, name, description in items:
        item = bytearray(400)
        item[0:2] = bytes([kind, 2])
        item[2:130] = fixed_text(".\\" + name, 128)
        item[130:258] = fixed_text(description, 128)
        struct.pack_into("<4d", item, 258, 0.0, 0.0, SHEET_W, SHEET_H)
        body += item
    return bytes(header + body)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    map_params, origin = map_parameters()
    grid = sample_grid()
    contours, lines, rows = contour_file(grid, map_params)
    files = {
        "CONTOUR.WL": contours,
        "POINTS.WT": point_file(map_params, lines, rows),
        "AREAS.WP": region_file(map_params),
        "HILLS.MPJ": project_file(map_params, [(2, "AREAS.WP", "面域"), (0, "CONTOUR.WL", "等高线"),
                                               (1, "POINTS.WT", "注记与符号")], "示例等高线图"),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    print("%d contour lines; sheet origin at E %.1f m, N %.1f m" % (len(lines), origin[0], origin[1]))


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes a large DXF drawing for the DXF import benchmark: R2004 layout,
code page ANSI_936 (texts and layer names in GBK), many LWPOLYLINEs with
bulges, POLYLINEs with VERTEX entities, LINEs and TEXTs on fifty layers,
with the handles and subclass markers that strict readers ask for.
    make_bench_dxf.py OUTPUT [MEGABYTES]   (default 200)
"""
import random
import sys

target = sys.argv[1]
megabytes = float(sys.argv[2]) if len(sys.argv) > 2 else 200.0
limit = int(megabytes * 1024 * 1024)
rng = random.Random(20261210)
layers = ["地层%02d" % i if i % 2 else "LAYER_%02d" % i for i in range(50)]


def groups(pairs):
    return "".join("%3d\n%s\n" % (code, value) for code, value in pairs)


header = groups([(0, "SECTION"), (2, "HEADER"), (9, "$ACADVER"), (1, "AC1018"),
                 (9, "$DWGCODEPAGE"), (3, "ANSI_936"), (0, "ENDSEC"),
                 (0, "SECTION"), (2, "TABLES"), (0, "TABLE"), (2, "LAYER"), (70, len(layers))])
for i, name in enumerate(layers):
    header += groups([(0, "LAYER"), (5, "%X" % (0x100 + i)), (100, "AcDbSymbolTableRecord"),
                      (100, "AcDbLayerTableRecord"), (2, name), (70, 0), (62, 1 + i % 254),
                      (6, "CONTINUOUS"), (370, (i % 10) * 5)])
header += groups([(0, "ENDTAB"), (0, "ENDSEC"), (0, "SECTION"), (2, "ENTITIES")])


handles = iter(range(0x1000, 1 << 62))


def entity(name, layer):
    return [(0, name), (5, "%X" % next(handles)), (100, "AcDbEntity"), (8, layer)]


def lwpolyline():
    n = rng.randint(5, 40)
    x, y = rng.uniform(0, 1e5), rng.uniform(0, 1e5)
    pairs = entity("LWPOLYLINE", rng.choice(layers)) + [
        (62, 256), (100, "AcDbPolyline"), (90, n), (70, rng.choice((0, 1))), (43, 0.0)]
    for _ in range(n):
        x += rng.uniform(-50, 50)
        y += rng.uniform(-50, 50)
        pairs += [(10, "%.6f" % x), (20, "%.6f" % y)]
        if rng.random() < 0.1:
            pairs.append((42, "%.6f" % rng.uniform(-1, 1)))
    return groups(pairs)


def polyline():
    n = rng.randint(5, 20)
    x, y = rng.uniform(0, 1e5), rng.uniform(0, 1e5)
    text = groups(entity("POLYLINE", rng.choice(layers)) + [
        (100, "AcDb2dPolyline"), (66, 1), (10, 0.0), (20, 0.0), (30, 12.5), (70, 0)])
    for _ in range(n):
        x += rng.uniform(-50, 50)
        y += rng.uniform(-50, 50)
        text += groups(entity("VERTEX", "0") + [(100, "AcDbVertex"), (100, "AcDb2dVertex"),
                                                (10, "%.6f" % x), (20, "%.6f" % y), (30, 0.0)])
    return text + groups(entity("SEQEND", "0"))


def line():
    return groups(entity("LINE", rng.choice(layers)) + [
                   (62, rng.randint(1, 255)), (370, 25), (100, "AcDbLine"), (10, "%.6f" % rng.uniform(0, 1e5)), (20, "%.6f" % rng.uniform(0, 1e5)), (30, 0.0),
                   (11, "%.6f" % rng.uniform(0, 1e5)), (21, "%.6f" % rng.uniform(0, 1e5)), (31, 0.0)])


def text():
    return groups(entity("TEXT", rng.choice(layers)) + [
                   (100, "AcDbText"), (10, "%.6f" % rng.uniform(0, 1e5)), (20, "%.6f" % rng.uniform(0, 1e5)),
                   (30, 0.0), (40, 2.5), (1, "钻孔ZK%d 标高%.2f" % (rng.randint(1, 999), rng.uniform(0, 900))),
                   (100, "AcDbText")])


makers = [lwpolyline, lwpolyline, polyline, line, text]
with open(target, "wb") as out:
    out.write(header.encode("gbk"))
    written = len(header)
    chunk = []
    size = 0
    while written < limit:
        piece = rng.choice(makers)().encode("gbk")
        chunk.append(piece)
        size += len(piece)
        written += len(piece)
        if size > 1 << 20:
            out.write(b"".join(chunk))
            chunk, size = [], 0
    out.write(b"".join(chunk))
    out.write(groups([(0, "ENDSEC"), (0, "EOF")]).encode("gbk"))

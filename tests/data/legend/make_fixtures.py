#!/usr/bin/env python3
"""Builds the legend item fixtures from the byte layout alone (Python
standard library only): an annotated hex dump for the tests and binary seeds
for the fuzz corpus. Run: python3 make_fixtures.py"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, '..', '..', 'fuzz', 'legend_item', 'corpus')

rows = []  # (bytes, comment)


def put(data, comment):
    rows.append((data, comment))


def zero_filled(text, size):
    data = text.encode('gbk')
    return data + b'\0' * (size - len(data))


def pnt_info():
    info = bytearray(94)
    info[0] = 0                                   # kind 0: text
    struct.pack_into('<f', info, 2, 4.0)          # character height
    struct.pack_into('<f', info, 6, 3.5)          # character width
    struct.pack_into('<f', info, 10, 0.5)         # spacing
    struct.pack_into('<i', info, 44, 3)           # colour
    return bytes(info)


def lin_info(colour):
    info = bytearray(67)
    struct.pack_into('<h', info, 0, 1)            # plain solid
    struct.pack_into('<i', info, 4, colour)
    struct.pack_into('<f', info, 8, 0.2)          # width
    return bytes(info)


def reg_info():
    info = bytearray(63)
    struct.pack_into('<i', info, 0, 7)            # fill colour
    struct.pack_into('<f', info, 6, 10.0)
    struct.pack_into('<f', info, 10, 10.0)
    return bytes(info)


def line(vertices, colour, what):
    put(struct.pack('<i', len(vertices)), what + ': vertex count')
    for x, y in vertices:
        put(struct.pack('<dd', x, y), '  (%g, %g)' % (x, y))
    put(lin_info(colour), what + ': LIN_INFO (67)')


# Header
put(b'0003', '@0 number')
put(zero_filled('砂岩', 20), '@4 name 砂岩, GBK, zero-filled')
put(struct.pack('<i', 8), '@24 height')
put(struct.pack('<i', 12), '@28 width')
put(struct.pack('<h', 2), '@32 flag')
put(struct.pack('<i', 5), '@34 order')
put(zero_filled('细粒砂岩', 200), '@38 annotation 细粒砂岩, GBK, zero-filled')
# Points
put(struct.pack('<i', 1), '@238 point count')
put(struct.pack('<h', 4), 'point 1: text length L = 4')
put('砂岩'.encode('gbk'), 'point 1: text 砂岩')
put(struct.pack('<dd', -2.5, 1.25), 'point 1: x, y')
put(pnt_info(), 'point 1: PNT_INFO (94)')
# Lines
put(struct.pack('<i', 1), 'line count')
line([(-6.0, -4.0), (6.0, 4.0)], 5, 'line 1')
# Regions
put(struct.pack('<i', 2), 'region count')
put(struct.pack('<i', 5), 'region 1: arc-list length')
put(struct.pack('<5i', 12, 1, -2, 0, 3), 'region 1: arcs [12, 1, -2, 0, 3]')
line([(-5.0, -3.0), (5.0, -3.0), (5.0, 3.0)], 1, 'region 1 arc 1')
line([(-5.0, -3.0), (-5.0, 3.0), (5.0, 3.0)], 1, 'region 1 arc -2')
line([(-1.0, -1.0), (1.0, -1.0), (1.0, 1.0), (-1.0, -1.0)], 1, 'region 1 arc 3')
put(reg_info(), 'region 1: REG_INFO (63)')
put(struct.pack('<i', 1), 'region 2: arc-list length 1 (no line records)')
put(struct.pack('<i', 0), 'region 2: arcs [0]')
put(reg_info(), 'region 2: REG_INFO (63)')

with open(os.path.join(HERE, 'item_0003.hex'), 'w', encoding='utf-8') as out:
    out.write('# legend item 0003_砂岩.TL; made by make_fixtures.py\n')
    for data, comment in rows:
        for i in range(0, len(data), 16):
            chunk = data[i:i + 16]
            note = ('  # ' + comment) if i == 0 else ''
            out.write(' '.join('%02x' % b for b in chunk) + note + '\n')

item = b''.join(data for data, _ in rows)
header = item[:238]
seeds = {
    'item': item,
    'empty': header + struct.pack('<3i', 0, 0, 0),
    'header_only': header,
    'short_header': header[:100],
    'negative_count': header + struct.pack('<i', -1),
    'oversized_count': header + struct.pack('<3i', 0, 100000000, 0),
    'truncated_region': item[:-40],
}
os.makedirs(CORPUS, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(CORPUS, name), 'wb') as out:
        out.write(data)

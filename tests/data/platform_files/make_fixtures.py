#!/usr/bin/env python3
"""Writes the fixtures of this folder: files laid out the way other writers
lay them out, not the way ours does (see PROVENANCE.md). Standard library only.

    python3 make_fixtures.py
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def fixed(text, size):
    data = text.encode("gbk")[:size - 1]
    return data + bytes(size - len(data))


def map_params():
    p = bytearray(169)
    struct.pack_into("<BB", p, 0, 1, 4)           # geographic, degrees
    struct.pack_into("<BB", p, 18, 0, 16)         # lon/lat, ellipsoid code 16 (seen in real data)
    struct.pack_into("<d", p, 52, 200000.0)       # a scale that must not be applied
    struct.pack_into("<dd", p, 153, 1.0, 1.0)
    return bytes(p)


def attribute_table(fields, records, record_length, extra_tail=b""):
    header = bytearray(348)
    header[0:2] = header[320:322] = b"`D"
    struct.pack_into("<hBB", header, 2, 2017, 12, 7)
    header[24:24 + 12] = b"D:\\DATA\\MAPS"
    struct.pack_into("<ii", header, 12, 348 + 39 * len(fields), len(records) - 1)
    struct.pack_into("<hii", header, 322, len(fields), len(records), record_length)
    body = bytearray()
    for number, (name, code, offset, storage, length, decimals) in enumerate(fields):
        body += fixed(name, 20) + struct.pack("<BihhBhBh4x", code, offset, storage, length, decimals, 1, 0, number)
    for record in records:
        body += record.ljust(record_length, b"\0")
    return bytes(header + body + extra_tail)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def container(kind, sections, entries, unknown_header):
    """Sections first, the directory of `entries` entries at the end."""
    header = bytearray(657)
    header[0:8] = b"WMAP`D2" + bytes([ord("1") + kind])
    struct.pack_into("<i", header, 8, kind)
    header[20:91] = unknown_header
    header[91:260] = map_params()
    header[336:340] = b"\x11\x22\x33\x44"
    body, directory, offset = bytearray(), bytearray(), 657
    for index in range(entries):
        data = sections.get(index, b"")
        directory += struct.pack("<IIH", offset if data else 0, len(data), 0xFFFF)
        body += data
        offset += len(data)
    struct.pack_into("<i", header, 12, offset)
    struct.pack_into("<i", header, 16, entries)
    return bytes(header + body + directory)


def foreign_line_file():
    lines = [
        [(113.5, 39.9), (113.6, 39.95), (113.7, 39.9)],
        [(113.55, 39.91), (113.56, 39.92)],   # deleted below, vertices left in place
        [(113.8, 40.0)],                      # a single vertex
        [(113.6, 39.8), (113.6, 39.8)],       # zero length
    ]
    pool = bytearray(b"\xAA\xBB")  # a 2-byte lead-in before the first vertex
    records = bytearray(57)
    for number, vertices in enumerate(lines, start=1):
        record = bytearray(57)
        struct.pack_into("<BH", record, 0, 0 if number == 2 else 1, 2)
        record[3:10] = bytes([number, 0, 0, 9, 9, 9, 9])
        struct.pack_into("<iii", record, 10, len(vertices), len(pool), 1)
        struct.pack_into("<hBBifBffih", record, 22, 1, 0, 0, 7 + number, 0.2, 0, 1.0, 1.0, 0, number)
        record[55:57] = b"\x01\x02"
        for x, y in vertices:
            pool += struct.pack("<dd", x, y)
        records += record
    # Fields in reverse offset order, a text field of type 9 and only three of
    # the four lines with a record.
    fields = [("NAME", 0, 13, 11, 10, 0), ("ID", 3, 1, 4, 10, 0), ("备注", 9, 5, 8, 8, 0)]
    rows = [b""]
    for number in (1, 2, 3):
        rows.append(struct.pack("<Bi", 1, number) + b"TEXTBLOB" + fixed("断层%d" % number, 11))
    table = attribute_table(fields, rows, 24, extra_tail=b"\x00\x7f")
    sections = {0: bytes(records), 1: bytes(pool), 2: table,
                6: bytes(range(32)) * (len(lines) + 1), 7: b"\x01\x00\x01\x00" * (len(lines) + 1)}
    return container(0, sections, 10, bytes(range(1, 72)))


def foreign_point_file():
    texts = [b"\xb6\xcf\xb2\xe3\x00\x00",   # "断层" with the trailing NULs some writers count
             b"AB\xff\x20CD",              # an invalid GBK pair in the middle
             b""]
    pool, records = bytearray(b"\x00"), bytearray(93)
    kinds = [0, 0, 2]
    for number, (text, kind) in enumerate(zip(texts, kinds), start=1):
        record = bytearray(93)
        struct.pack_into("<Bhiddd", record, 0, 1, len(text), len(pool), 113.5 + number / 10, 39.9, 0.0)
        record[31] = kind
        if kind == 2:
            struct.pack_into("<difB", record, 33, 1.5, 3, 0.1, 1)
        else:
            struct.pack_into("<ffff", record, 33, 3.0, 3.0, 0.0, 30.0)
        struct.pack_into("<iih", record, 75, 12, 0, 4)
        pool += text + b"\x55"  # junk between texts
        records += record
    return container(1, {0: bytes(records), 1: bytes(pool)}, 16, bytes(71))


def old_project():
    header = bytearray(1113)
    header[0:8] = b"GDMP`D29"
    struct.pack_into("<ih4d", header, 8, 9, 2, 0, 0, 1, 1)
    header[46:46 + 11] = b"C:\\GISDAT\\C"
    header[686:746] = fixed("旧工程", 60)
    items = bytearray()
    for name in ("D:\\SURVEY\\FOREIGN.WL", ".\\foreign.wt"):
        item = bytearray(400)
        item[0:2] = b"\x05\x01"
        item[2:130] = fixed(name, 128)
        item[130:258] = fixed("图层", 128)
        item[370:372] = b"\xee\xee"
        items += item
    dictionary = b"LAYERDICT\x00\x01\x02"
    struct.pack_into("<ii", header, 746, 1113 + len(items), 1113)
    struct.pack_into("<d", header, 770, 1.0)
    return bytes(header + items + dictionary)


def main():
    write("FOREIGN.WL", foreign_line_file())
    write("FOREIGN.WT", foreign_point_file())
    write("OLD.MPJ", old_project())


if __name__ == "__main__":
    main()

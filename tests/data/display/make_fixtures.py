#!/usr/bin/env python3
"""Writes the small libraries of the display tests into lib/ (standard library only).

Uses the entry writers of the shipped library's generator, so the fixtures
and the shipped files share one layout.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "data", "zavediz", "slib"))
sys.dont_write_bytecode = True
import make_slib as slib  # noqa: E402

OUT = os.path.join(HERE, "lib")


def every_kind():
    """Sub-graph 2 holds one element of each kind 0..6, with distinct colours and widths."""
    e = slib.Entry()
    e.add(0, [[(0, 0), (1, 0), (1, 1), (0, 0)]], fill=2, colour=3, width=4)
    e.add(1, [[(0, 0), (-1, 0), (-1, -1), (0, 0)]], fill=5, colour=6, width=1)
    e.add(2, [[(0, 0), (2, 2)], [(3, 3), (4, 4), (5, 5)]], colour=7)
    e.arc(0.5, 0.5, 0.25, 30, 150)
    e.disc(1, 1, 0.3, fill=8)
    e.add(5, [[(2, 2), (0.1, 0)]], fill=9)
    e.circle(-3, 0, 3)
    return e


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def single_level(entries, record_size):
    path = os.path.join(OUT, "_tmp")
    slib.write_single_level(path, entries, record_size)
    data = open(path, "rb").read()
    os.remove(path)
    return data


def main():
    os.makedirs(OUT, exist_ok=True)
    # A good library: sub-graphs 1 and 2, count 4 (number 3 has no entry).
    sub = single_level({1: slib.Entry().disc(0, 0, 0.4), 2: every_kind(), 3: slib.Entry()}, 4)
    sub = bytearray(sub)
    struct.pack_into("<i", sub, 3 * 4, 0)  # number 3: no entry
    write("subgraph.LIB", bytes(sub))

    # Two-level line types: type 1 with two sub-styles, type 2 with one.
    lines = {1: [slib.LineCell().base(), slib.LineCell().stroke((0, 0), (0.5, 0)).dot(0.75, 0, 0.1)],
             2: [slib.LineCell().base().tooth((0.2, 0), (0.5, 0.4), (0.8, 0), (0.2, 0))]}
    saved = slib.line_types
    slib.line_types = lambda: lines
    slib.write_line_types(os.path.join(OUT, "linesty.lib"))
    slib.line_types = saved

    # The same kind of content through a single-level index (types 1 and 2).
    flat = bytearray(single_level({1: slib.Entry(), 2: slib.Entry().line([(0, 0), (0.5, 0)])}, 6))
    struct.pack_into("<h", flat, 4, 1)  # form 1: single level
    write("linesty_single.lib", bytes(flat))

    # Patterns 1 and 3 and a name list whose first line for 3 wins.
    write("FillGrph.LIB", single_level({1: slib.Entry().line([(0, 0), (1, 1)]),
                                        3: slib.Entry().area(slib.rect(0, 0, 1, 1), fill=4)}, 6))
    with open(os.path.join(OUT, "FillGrph.txt"), "wb") as f:
        f.write("1 斜线\r\n3 Sand\r\n3 Clay\r\nnot-a-line\r\n".encode("gbk"))

    with open(os.path.join(OUT, "ColorTable.TXT"), "w", newline="\n") as f:
        f.write("ZVCOLOR 1\n# test colours\n1 0 0 0\n2 255 0 0\n\n4 0 0 255\n")

    # Malformed files.
    good = bytes(sub)
    write("bad_truncated.lib", good[:len(good) - 9])         # the last entry's points are cut
    bad_offset = bytearray(good)
    struct.pack_into("<i", bad_offset, 4, 0x7FFFFF00)          # entry 1 points far past the end
    write("bad_offset.lib", bytes(bad_offset))
    bad_count = bytearray(good)
    struct.pack_into("<i", bad_count, 0, 1000000)             # count larger than the index can be
    write("bad_count.lib", bytes(bad_count))
    negative = bytearray(good)
    off = struct.unpack_from("<i", good, 8)[0]
    struct.pack_into("<h", negative, off, -3)                  # entry 2: negative element count
    write("bad_negative.lib", bytes(negative))
    write("bad_short.lib", b"\x01\x00")


if __name__ == "__main__":
    main()

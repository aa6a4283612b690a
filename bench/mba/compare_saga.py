#!/usr/bin/env python3
"""Runs the bench_mba points through SAGA GIS's multilevel B-spline tool and
compares the two grids.

    compare_saga.py BENCH_MBA [--levels L] [--m M] [--saga-levels S ...]

BENCH_MBA is the built bench_mba program. Both fits use the same points, the
same 1025 x 1025 grid nodes over [0, 1024]^2 and, unless --saga-levels says
otherwise, the same level count. SAGA's first level has one cell, as ours has
with --m 1 (the default), so that the same count gives the same lattices. Prints both fit times, the RMS difference of
the two grids and each grid's RMS error against the true surface. Needs
saga_cmd (Debian package saga); exits with 0 and a note when it is missing.
"""

import argparse
import array
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

GRID_NODES = 1025
EXTENT = 1024.0


def read_doubles(path):
    values = array.array("d")
    with open(path, "rb") as file:
        values.frombytes(file.read())
    if sys.byteorder != "little":
        values.byteswap()
    return values


def write_point_shapefile(points, base):
    """A point shapefile (.shp, .shx, .dbf) with the value in field Z."""
    count = len(points) // 3
    xs = points[0::3]
    ys = points[1::3]
    bbox = struct.pack("<4d", min(xs), min(ys), max(xs), max(ys)) + bytes(32)

    def header(length_words):
        return struct.pack(">7i", 9994, 0, 0, 0, 0, 0, length_words) + struct.pack("<2i", 1000, 1) + bbox

    record_words = 10  # shape type and x, y: 20 bytes
    with open(base + ".shp", "wb") as shp:
        shp.write(header(50 + count * (4 + record_words)))
        for index in range(count):
            shp.write(struct.pack(">2i", index + 1, record_words) + struct.pack("<i2d", 1, xs[index], ys[index]))
    with open(base + ".shx", "wb") as shx:
        shx.write(header(50 + count * 4))
        for index in range(count):
            shx.write(struct.pack(">2i", 50 + index * (4 + record_words), record_words))
    width, decimals = 20, 10
    with open(base + ".dbf", "wb") as dbf:
        dbf.write(struct.pack("<4BIHH20x", 3, 126, 12, 10, count, 32 + 32 + 1, 1 + width))
        dbf.write(b"Z".ljust(11, b"\0") + b"N" + bytes(4) + bytes([width, decimals]) + bytes(14))
        dbf.write(b"\r")
        zs = points[2::3]
        dbf.write(b"".join(b" " + f"{z:{width}.{decimals}f}".encode() for z in zs))
        dbf.write(b"\x1a")


def read_saga_grid(base):
    """A SAGA grid as doubles, rows from the south, with its header fields."""
    fields = {}
    with open(base + ".sgrd", encoding="latin-1") as header:
        for line in header:
            if "=" in line:
                key, value = line.split("=", 1)
                fields[key.strip()] = value.strip()
    columns = int(fields["CELLCOUNT_X"])
    rows = int(fields["CELLCOUNT_Y"])
    formats = {"FLOAT": "f", "DOUBLE": "d"}
    code = formats[fields["DATAFORMAT"]]
    values = array.array(code)
    with open(base + ".sdat", "rb") as data:
        values.frombytes(data.read())
    if (fields.get("BYTEORDER_BIG", "FALSE") == "TRUE") != (sys.byteorder == "big"):
        values.byteswap()
    if fields.get("TOPTOBOTTOM", "FALSE") == "TRUE":
        flipped = array.array(code)
        for row in range(rows - 1, -1, -1):
            flipped.extend(values[row * columns:(row + 1) * columns])
        values = flipped
    return values, columns, rows, fields


def rms(first, second):
    return math.sqrt(sum((a - b) * (a - b) for a, b in zip(first, second)) / len(first))


def run_saga(shapes, levels, out_base):
    command = [
        "saga_cmd", "grid_spline", "4",
        "-SHAPES", shapes, "-FIELD", "Z",
        "-TARGET_DEFINITION", "0",
        "-TARGET_USER_XMIN", "0", "-TARGET_USER_XMAX", str(EXTENT),
        "-TARGET_USER_YMIN", "0", "-TARGET_USER_YMAX", str(EXTENT),
        "-TARGET_USER_SIZE", str(EXTENT / (GRID_NODES - 1)),
        "-TARGET_USER_FITS", "0",
        "-METHOD", "0",
        "-LEVEL_MAX", str(levels),
        "-TARGET_OUT_GRID", out_base + ".sgrd",
    ]
    start = time.monotonic()
    result = subprocess.run(command, capture_output=True, text=True)
    wall = time.monotonic() - start
    if result.returncode != 0:
        sys.exit("saga_cmd failed:\n" + result.stdout[-2000:] + result.stderr[-2000:])
    # The tool's own time (fit and grid), without loading and saving.
    tool = re.search(r"total execution time: (\d+) milliseconds", result.stdout)
    return wall, int(tool.group(1)) / 1000.0 if tool else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bench_mba")
    parser.add_argument("--levels", type=int, default=8)
    parser.add_argument("--m", type=int, default=1, help="cells of our first level in x and y")
    parser.add_argument("--saga-levels", type=int, nargs="*")
    args = parser.parse_args()
    if shutil.which("saga_cmd") is None:
        print("saga_cmd is not installed (Debian package saga); nothing compared")
        return 0

    with tempfile.TemporaryDirectory(prefix="mba-saga-") as work:
        ours = subprocess.run([args.bench_mba, "--levels", str(args.levels), "--m", str(args.m),
                               "--n", str(args.m), "--export", work],
                              capture_output=True, text=True, check=True)
        print("Zembrol:")
        print(ours.stdout.rstrip())
        points = read_doubles(os.path.join(work, "points.bin"))
        mba = read_doubles(os.path.join(work, "mba.bin"))
        truth = read_doubles(os.path.join(work, "truth.bin"))

        shapes = os.path.join(work, "points")
        start = time.monotonic()
        write_point_shapefile(points, shapes)
        print(f"(shapefile of {len(points) // 3} points written in {time.monotonic() - start:.1f} s)")

        for levels in args.saga_levels or [args.levels]:
            out_base = os.path.join(work, f"saga{levels}")
            wall, tool = run_saga(shapes + ".shp", levels, out_base)
            grid, columns, rows, _ = read_saga_grid(out_base)
            if (columns, rows) != (GRID_NODES, GRID_NODES):
                sys.exit(f"SAGA made a {columns} x {rows} grid")
            print(f"SAGA grid_spline 4, LEVEL_MAX {levels}: fit and grid {tool:.1f} s as SAGA reports it, "
                  f"{wall:.2f} s for the whole saga_cmd run (with loading the points and saving the grid)")
            print(f"  RMS difference Zembrol - SAGA  {rms(mba, grid):.4f}")
            print(f"  RMS error of SAGA against the true surface  {rms(grid, truth):.4f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

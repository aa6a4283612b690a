#!/usr/bin/python3
"""Writes the DXF fixtures of the DXF import tests with independent writers:
ezdxf (Debian python3-ezdxf, run under the system Python) and GDAL's DXF
writer (Debian gdal-bin, ogr2ogr). Run it in this folder:
    /usr/bin/python3 make_fixtures.py
"""
import json
import math
import os
import subprocess
import tempfile

import ezdxf


def layers(doc, gbk):
    doc.layers.add("WALL", color=3, lineweight=50)
    doc.layers.add("地层界线", color=5)
    off = doc.layers.add("关闭", color=6)
    off.off()
    if doc.dxfversion > "AC1009":
        doc.layers.add("TRUE", true_color=ezdxf.colors.rgb2int((10, 20, 30)))


def r12():
    # Left in its default code page (ANSI_1252), ezdxf writes the Chinese
    # names and texts as \U+XXXX escapes.
    doc = ezdxf.new("R12")
    layers(doc, True)
    msp = doc.modelspace()
    msp.add_line((0, 0, 5), (10, 0, 5), dxfattribs={"layer": "WALL"})
    msp.add_line((0, 1), (10, 1), dxfattribs={"layer": "地层界线", "color": 1})
    msp.add_line((0, 2), (10, 2), dxfattribs={"layer": "关闭"})
    # 2-D polyline: a straight segment, then a semicircle (bulge 1) to (4, 0).
    msp.add_polyline2d([(0, 0, 0, 0, 0), (2, 0, 0, 0, 1), (4, 0, 0, 0, 0)], format="xyseb",
                       dxfattribs={"layer": "WALL"})
    # Closed 2-D polyline of two vertices with bulge 1 each: a circle.
    msp.add_polyline2d([(10, 0, 0, 0, 1), (14, 0, 0, 0, 1)], format="xyseb", close=True,
                       dxfattribs={"layer": "地层界线"})
    msp.add_polyline3d([(0, 0, 1), (1, 1, 2), (2, 0, 3)], dxfattribs={"layer": "WALL"})
    msp.add_text("剖面图", dxfattribs={"layer": "地层界线", "height": 2.5}).set_placement((0, 5))
    doc.saveas("r12_escaped.dxf")


def lw_entities(msp):
    msp.add_lwpolyline([(0, 0, 0, 0, 0), (2, 0, 0, 0, 1), (4, 0, 0, 0, 0)], format="xyseb",
                       dxfattribs={"layer": "WALL", "color": 256, "const_width": 0.5})
    msp.add_lwpolyline([(10, 0, 0.3, 0.3, 1), (14, 0, 0.3, 0.3, 1)], format="xyseb", close=True,
                       dxfattribs={"layer": "地层界线", "color": 0})
    mirrored = msp.add_lwpolyline([(1, 0), (3, 0), (3, 2)], dxfattribs={"layer": "WALL", "color": 1})
    mirrored.dxf.extrusion = (0, 0, -1)
    msp.add_line((0, 0), (5, 5), dxfattribs={"layer": "TRUE", "lineweight": -2})
    msp.add_line((0, 0), (5, -5), dxfattribs={"layer": "WALL", "true_color": ezdxf.colors.rgb2int((0, 0, 255))})
    msp.add_line((0, 0), (-5, 5), dxfattribs={"layer": "关闭"})
    msp.add_text("中文注记", dxfattribs={"layer": "地层界线"}).set_placement((0, 10))


def modern(version, name, codepage=None):
    doc = ezdxf.new(version)
    if codepage:
        doc.encoding = codepage
    layers(doc, codepage == "gbk")
    msp = doc.modelspace()
    lw_entities(msp)
    if version == "R2018":
        mesh = msp.add_polyface()
        mesh.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0), (0, 1, 0)])
    doc.saveas(name)


def crlf(source, target):
    with open(source, "rb") as f:
        data = f.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
    with open(target, "wb") as f:
        f.write(data)


def gdal():
    features = [
        {"type": "Feature", "properties": {"Layer": "断层"},
         "geometry": {"type": "LineString", "coordinates": [[0, 0], [10, 0], [10, 10]]}},
        {"type": "Feature", "properties": {"Layer": "ROAD"},
         "geometry": {"type": "LineString", "coordinates": [[0, 0], [-5, 3]]}},
        {"type": "Feature", "properties": {"Layer": "ROAD"},
         "geometry": {"type": "Polygon", "coordinates": [[[0, 0], [1, 0], [1, 1], [0, 0]]]}},
    ]
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "lines.geojson")
        with open(source, "w", encoding="utf-8") as f:
            json.dump({"type": "FeatureCollection", "features": features}, f, ensure_ascii=False)
        if os.path.exists("gdal_lines.dxf"):
            os.remove("gdal_lines.dxf")
        subprocess.run(["ogr2ogr", "-f", "DXF", "gdal_lines.dxf", source], check=True)


if __name__ == "__main__":
    r12()
    modern("R2000", "r2000_gbk.dxf", "gbk")
    modern("R2004", "r2004_gbk.dxf", "gbk")
    crlf("r2004_gbk.dxf", "r2004_gbk_crlf.dxf")
    os.remove("r2004_gbk.dxf")
    modern("R2018", "r2018_utf8.dxf")
    gdal()

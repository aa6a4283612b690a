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
from ezdxf.enums import TextEntityAlignment


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


def curves_and_texts(msp):
    msp.add_point((1, 2, 3), dxfattribs={"layer": "WALL"})
    msp.add_circle((0, 0), 5, dxfattribs={"layer": "地层界线"})
    # Crosses 0 degrees: 350 through 0 to 10.
    msp.add_arc((20, 0), 3, 350, 10, dxfattribs={"layer": "地层界线"})
    mirrored = msp.add_arc((30, 0), 2, 0, 90, dxfattribs={"layer": "WALL"})
    mirrored.dxf.extrusion = (0, 0, -1)
    msp.add_ellipse((40, 0), major_axis=(6, 2), ratio=0.5, dxfattribs={"layer": "WALL"})
    msp.add_ellipse((60, 0), major_axis=(4, 0), ratio=0.5, start_param=0, end_param=math.pi,
                    dxfattribs={"layer": "WALL"})
    control = [(0, 20), (5, 25), (10, 20), (15, 25), (20, 20), (25, 25), (30, 20)]
    msp.add_open_spline(control, dxfattribs={"layer": "WALL"})
    closed = msp.add_open_spline([(40, 20), (45, 25), (50, 20), (45, 15)], dxfattribs={"layer": "WALL"})
    closed.closed = True
    msp.add_text("钻孔ZK1", dxfattribs={"layer": "地层界线", "height": 2.5, "width": 0.8,
                                      "rotation": 30}).set_placement((10, 20))
    msp.add_text("中心%%d", dxfattribs={"layer": "WALL", "height": 2}).set_placement(
        (50, 50), align=TextEntityAlignment.MIDDLE_CENTER)
    msp.add_mtext("断层F1 1\\S1/2;", dxfattribs={"layer": "地层界线", "char_height": 3,
                                           "attachment_point": 5, "rotation": 90,
                                           "insert": (70, 30)})
    msp.add_mtext("第一行\\P第二行{\\H2x;高}", dxfattribs={"layer": "WALL", "char_height": 2,
                                                 "insert": (70, 50), "width": 40})
    msp.add_mtext("关闭层的文字", dxfattribs={"layer": "关闭", "insert": (0, 0)})


def hatches_and_solids(msp):
    # A square with a square hole; the hole flagged as the writer's
    # outermost path, not external.
    hatch = msp.add_hatch(color=1, dxfattribs={"layer": "WALL"})
    hatch.paths.add_polyline_path([(0, 100), (20, 100), (20, 120), (0, 120)],
                                  flags=ezdxf.const.BOUNDARY_PATH_EXTERNAL)
    hatch.paths.add_polyline_path([(5, 105), (15, 105), (15, 115), (5, 115)],
                                  flags=ezdxf.const.BOUNDARY_PATH_OUTERMOST)
    # Edge path: line, counter-clockwise arc, line, elliptic arc back.
    edges = msp.add_hatch(color=5, dxfattribs={"layer": "地层界线"})
    path = edges.paths.add_edge_path(flags=ezdxf.const.BOUNDARY_PATH_EXTERNAL)
    path.add_line((30, 100), (40, 100))
    path.add_arc((40, 105), 5, -90, 90)
    path.add_line((40, 110), (30, 110))
    path.add_ellipse((30, 105), major_axis=(0, 5), ratio=0.4, start_angle=0, end_angle=180)
    # Bulged polyline path: a half disc.
    bulged = msp.add_hatch(color=3, dxfattribs={"layer": "WALL"})
    bulged.paths.add_polyline_path([(50, 100, 1), (60, 100, 0)], is_closed=True)
    msp.add_solid([(0, 130), (10, 130), (0, 140), (10, 140)], dxfattribs={"layer": "WALL"})
    msp.add_solid([(20, 130), (30, 130), (25, 140)], dxfattribs={"layer": "WALL"})


def blocks(doc, msp):
    well = doc.blocks.new("井", base_point=(1, 1))
    well.add_line((1, 1), (11, 1))
    well.add_circle((1, 1), 1, dxfattribs={"color": 0})
    well.add_text("井口", dxfattribs={"height": 2, "rotation": 30}).set_placement((1, 3))
    well.add_attdef("NAME", (1, 5), dxfattribs={"height": 1})
    nest = doc.blocks.new("NEST")
    nest.add_blockref("井", (10, 0), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 90})
    hatch = nest.add_hatch(color=2)
    hatch.paths.add_polyline_path([(0, 0), (4, 0), (4, 4), (0, 4)], flags=ezdxf.const.BOUNDARY_PATH_EXTERNAL)
    hatch.paths.add_polyline_path([(10, 0), (14, 0), (14, 4), (10, 4)], flags=ezdxf.const.BOUNDARY_PATH_EXTERNAL)
    nest.add_line((0, 10), (5, 10))
    doc.blocks.new("MAPPED").add_point((0, 0))
    msp.add_blockref("NEST", (100, 0), dxfattribs={"layer": "WALL", "rotation": 30, "color": 4})
    mirror = msp.add_blockref("井", (200, 0), dxfattribs={"layer": "地层界线", "xscale": -1})
    mirror.add_attrib("NAME", "钻孔1", (200, 5))
    msp.add_blockref("井", (300, 0), dxfattribs={"layer": "WALL", "rotation": 90})
    msp.add_blockref("MAPPED", (0, 0), dxfattribs={"layer": "WALL", "xscale": 2, "yscale": 3, "rotation": 45})


def shapes(version, name, codepage=None):
    doc = ezdxf.new(version)
    if codepage:
        doc.encoding = codepage
    layers(doc, codepage == "gbk")
    msp = doc.modelspace()
    curves_and_texts(msp)
    hatches_and_solids(msp)
    blocks(doc, msp)
    doc.saveas(name)


def crlf(source, target):
    with open(source, "rb") as f:
        data = f.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
    with open(target, "wb") as f:
        f.write(data)


def ogr2ogr(features, target):
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "features.geojson")
        with open(source, "w", encoding="utf-8") as f:
            json.dump({"type": "FeatureCollection", "features": features}, f, ensure_ascii=False)
        if os.path.exists(target):
            os.remove(target)
        subprocess.run(["ogr2ogr", "-f", "DXF", target, source], check=True)


def gdal_shapes():
    # A polygon with a hole (a HATCH of two paths), a label (a text) and a
    # plain point.
    ogr2ogr([
        {"type": "Feature", "properties": {"Layer": "ROAD"},
         "geometry": {"type": "Polygon", "coordinates": [[[0, 0], [10, 0], [10, 10], [0, 10], [0, 0]],
                                                         [[2, 2], [4, 2], [4, 4], [2, 2]]]}},
        {"type": "Feature", "properties": {"Layer": "断层", "OGR_STYLE": 'LABEL(f:"Arial",t:"断层F2",s:2g,a:45)'},
         "geometry": {"type": "Point", "coordinates": [5, 5]}},
        {"type": "Feature", "properties": {"Layer": "ROAD"},
         "geometry": {"type": "Point", "coordinates": [7, 8]}},
    ], "gdal_shapes.dxf")


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
    shapes("R2000", "r2000_shapes_gbk.dxf", "gbk")
    shapes("R2004", "r2004_shapes_gbk.dxf", "gbk")
    shapes("R2018", "r2018_shapes_utf8.dxf")
    gdal()
    gdal_shapes()

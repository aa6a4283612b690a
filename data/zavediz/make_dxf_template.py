#!/usr/bin/env python3
"""Writes dxf2004.dxf, the drawing the DXF export splices a project into.

Run `python3 make_dxf_template.py` here after changing it; the output is
deterministic. The file is an AC1018 drawing in the GBK code page with CR LF
line ends and group codes right-aligned in three characters. Its own handles
run from 1 to 2D ($HANDSEED 2E); the export relies on this order of parts:

  HEADER, CLASSES, TABLES (VPORT, LTYPE with at least one record, LAYER with
  layer "0", STYLE, VIEW, UCS, APPID, DIMSTYLE, BLOCK_RECORD with the three
  layout records), BLOCKS (the three layout blocks), an empty ENTITIES
  section, OBJECTS, EOF.

The export writes its own LAYER table (same table handle 2, layer "0" with
handle 10 and plot style F), its own BLOCK_RECORD table and BLOCKS section.
It finds the layout of each layout record in the record's group 340 here and
renames the record handles that the LAYOUT objects name to its own.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "dxf2004.dxf")

# Handles (hexadecimal) of the template's own objects.
H = dict(
    block_record_table="1", layer_table="2", style_table="3", ltype_table="5",
    view_table="6", ucs_table="7", vport_table="8", appid_table="9", dimstyle_table="A",
    root="C", groups="D", plot_styles="E", placeholder="F", layer0="10", standard_style="11",
    acad_appid="12", by_block="14", by_layer="15", continuous="16", mline_styles="17",
    standard_mline="18", layouts="1A",
    paper_record="1B", paper_block="1C", paper_endblk="1D", paper_layout="1E",
    model_record="1F", model_block="20", model_endblk="21", model_layout="22",
    paper0_record="23", paper0_block="24", paper0_endblk="25", paper0_layout="26",
    iso25="27", active_vport="29",
)
HANDSEED = "2E"

LAYOUTS = [  # name, record, block, endblk, layout, tab order, paper space
    ("*Model_Space", "Model", "model", 0, False),
    ("*Paper_Space", "布局1", "paper", 1, True),
    ("*Paper_Space0", "布局2", "paper0", 2, True),
]


class Dxf:
    def __init__(self):
        self.lines = []

    def g(self, code, value):
        self.lines.append("%3d" % code)
        self.lines.append(str(value))

    def groups(self, *pairs):
        for code, value in pairs:
            self.g(code, value)

    def bytes(self):
        return ("\r\n".join(self.lines) + "\r\n").encode("gbk")


def header(d):
    d.groups((0, "SECTION"), (2, "HEADER"))
    variables = [
        ("$ACADVER", [(1, "AC1018")]),
        ("$ACADMAINTVER", [(70, 0)]),
        ("$DWGCODEPAGE", [(3, "ANSI_936")]),
        ("$INSBASE", [(10, "0.0"), (20, "0.0"), (30, "0.0")]),
        ("$EXTMIN", [(10, "0.0"), (20, "0.0"), (30, "0.0")]),
        ("$EXTMAX", [(10, "420.0"), (20, "297.0"), (30, "0.0")]),
        ("$LIMMIN", [(10, "0.0"), (20, "0.0")]),
        ("$LIMMAX", [(10, "420.0"), (20, "297.0")]),
        ("$LTSCALE", [(40, "1.0")]),
        ("$TEXTSIZE", [(40, "2.5")]),
        ("$TEXTSTYLE", [(7, "Standard")]),
        ("$CLAYER", [(8, "0")]),
        ("$CELTYPE", [(6, "ByLayer")]),
        ("$CECOLOR", [(62, 256)]),
        ("$DIMSTYLE", [(2, "ISO-25")]),
        ("$DIMASZ", [(40, "2.5")]),
        ("$DIMTXT", [(40, "2.5")]),
        ("$MEASUREMENT", [(70, 1)]),
        ("$INSUNITS", [(70, 4)]),
        ("$HANDSEED", [(5, HANDSEED)]),
    ]
    for name, values in variables:
        d.g(9, name)
        d.groups(*values)
    d.groups((0, "ENDSEC"))


def classes(d):
    d.groups((0, "SECTION"), (2, "CLASSES"))
    d.groups((0, "CLASS"), (1, "ACDBPLACEHOLDER"), (2, "AcDbPlaceHolder"), (3, "ObjectDBX Classes"),
             (90, 0), (91, 1), (280, 0), (281, 0))
    d.groups((0, "ENDSEC"))


def table(d, name, handle, count, extra=()):
    d.groups((0, "TABLE"), (2, name), (5, handle), (330, "0"), (100, "AcDbSymbolTable"), (70, count), *extra)


def record(d, kind, handle, owner, subclass, handle_code=5):
    d.groups((0, kind), (handle_code, handle), (330, owner), (100, "AcDbSymbolTableRecord"), (100, subclass))


def tables(d):
    d.groups((0, "SECTION"), (2, "TABLES"))

    table(d, "VPORT", H["vport_table"], 1)
    record(d, "VPORT", H["active_vport"], H["vport_table"], "AcDbViewportTableRecord")
    d.groups((2, "*Active"), (70, 0), (10, "0.0"), (20, "0.0"), (11, "1.0"), (21, "1.0"),
             (12, "210.0"), (22, "148.5"), (13, "0.0"), (23, "0.0"), (14, "10.0"), (24, "10.0"),
             (15, "10.0"), (25, "10.0"), (16, "0.0"), (26, "0.0"), (36, "1.0"), (17, "0.0"),
             (27, "0.0"), (37, "0.0"), (40, "297.0"), (41, "1.414"), (42, "50.0"), (43, "0.0"),
             (44, "0.0"), (50, "0.0"), (51, "0.0"), (71, 0), (72, 100), (73, 1), (74, 3), (75, 0),
             (76, 0), (77, 0), (78, 0), (281, 0), (65, 1), (110, "0.0"), (120, "0.0"), (130, "0.0"),
             (111, "1.0"), (121, "0.0"), (131, "0.0"), (112, "0.0"), (122, "1.0"), (132, "0.0"),
             (79, 0), (146, "0.0"))
    d.groups((0, "ENDTAB"))

    table(d, "LTYPE", H["ltype_table"], 3)
    for name, handle, description in (("ByBlock", "by_block", ""), ("ByLayer", "by_layer", ""),
                                      ("Continuous", "continuous", "Solid line")):
        record(d, "LTYPE", H[handle], H["ltype_table"], "AcDbLinetypeTableRecord")
        d.groups((2, name), (70, 0), (3, description), (72, 65), (73, 0), (40, "0.0"))
    d.groups((0, "ENDTAB"))

    table(d, "LAYER", H["layer_table"], 1)
    record(d, "LAYER", H["layer0"], H["layer_table"], "AcDbLayerTableRecord")
    d.groups((2, "0"), (70, 0), (62, 7), (6, "Continuous"), (370, -3), (390, H["placeholder"]))
    d.groups((0, "ENDTAB"))

    table(d, "STYLE", H["style_table"], 1)
    record(d, "STYLE", H["standard_style"], H["style_table"], "AcDbTextStyleTableRecord")
    d.groups((2, "Standard"), (70, 0), (40, "0.0"), (41, "1.0"), (50, "0.0"), (71, 0), (42, "2.5"),
             (3, "txt"), (4, ""))
    d.groups((0, "ENDTAB"))

    table(d, "VIEW", H["view_table"], 0)
    d.groups((0, "ENDTAB"))
    table(d, "UCS", H["ucs_table"], 0)
    d.groups((0, "ENDTAB"))

    table(d, "APPID", H["appid_table"], 1)
    record(d, "APPID", H["acad_appid"], H["appid_table"], "AcDbRegAppTableRecord")
    d.groups((2, "ACAD"), (70, 0))
    d.groups((0, "ENDTAB"))

    table(d, "DIMSTYLE", H["dimstyle_table"], 1, [(100, "AcDbDimStyleTable"), (71, 0)])
    record(d, "DIMSTYLE", H["iso25"], H["dimstyle_table"], "AcDbDimStyleTableRecord", handle_code=105)
    d.groups((2, "ISO-25"), (70, 0), (41, "2.5"), (42, "0.625"), (43, "3.75"), (44, "1.25"),
             (140, "2.5"), (141, "2.5"), (147, "0.625"), (77, 1), (78, 8), (271, 2), (272, 2),
             (340, H["standard_style"]))
    d.groups((0, "ENDTAB"))

    table(d, "BLOCK_RECORD", H["block_record_table"], 3)
    for name, _layout, key, _tab, _paper in LAYOUTS:
        record(d, "BLOCK_RECORD", H[key + "_record"], H["block_record_table"], "AcDbBlockTableRecord")
        d.groups((2, name), (340, H[key + "_layout"]))
    d.groups((0, "ENDTAB"))
    d.groups((0, "ENDSEC"))


def blocks(d):
    d.groups((0, "SECTION"), (2, "BLOCKS"))
    for name, _layout, key, _tab, paper in LAYOUTS:
        space = [(67, 1)] if paper else []
        d.groups((0, "BLOCK"), (5, H[key + "_block"]), (330, H[key + "_record"]), (100, "AcDbEntity"), *space,
                 (8, "0"), (100, "AcDbBlockBegin"), (2, name), (70, 0), (10, "0.0"), (20, "0.0"),
                 (30, "0.0"), (3, name), (1, ""))
        d.groups((0, "ENDBLK"), (5, H[key + "_endblk"]), (330, H[key + "_record"]), (100, "AcDbEntity"), *space,
                 (8, "0"), (100, "AcDbBlockEnd"))
    d.groups((0, "ENDSEC"))


def dictionary(d, handle, owner, entries, kind="DICTIONARY", default=None):
    d.groups((0, kind), (5, handle), (330, owner), (100, "AcDbDictionary"), (281, 1))
    for name, value in entries:
        d.groups((3, name), (350, value))
    if default:
        d.groups((100, "AcDbDictionaryWithDefault"), (340, default))


def layout(d, name, key, tab):
    d.groups((0, "LAYOUT"), (5, H[key + "_layout"]), (330, H["layouts"]),
             (100, "AcDbPlotSettings"), (1, ""), (2, "none_device"), (4, "ISO_A3_(420.00_x_297.00_MM)"),
             (6, ""), (40, "0.0"), (41, "0.0"), (42, "0.0"), (43, "0.0"), (44, "420.0"), (45, "297.0"),
             (46, "0.0"), (47, "0.0"), (48, "0.0"), (49, "0.0"), (140, "0.0"), (141, "0.0"),
             (142, "1.0"), (143, "1.0"), (70, 688), (72, 1), (73, 0), (74, 5), (7, ""), (75, 16),
             (147, "1.0"), (76, 0), (77, 2), (78, 300), (148, "0.0"), (149, "0.0"),
             (100, "AcDbLayout"), (1, name), (70, 1), (71, tab), (10, "0.0"), (20, "0.0"),
             (11, "420.0"), (21, "297.0"), (12, "0.0"), (22, "0.0"), (32, "0.0"), (14, "0.0"),
             (24, "0.0"), (34, "0.0"), (15, "420.0"), (25, "297.0"), (35, "0.0"), (146, "0.0"),
             (13, "0.0"), (23, "0.0"), (33, "0.0"), (16, "1.0"), (26, "0.0"), (36, "0.0"),
             (17, "0.0"), (27, "1.0"), (37, "0.0"), (76, 0), (330, H[key + "_record"]))


def objects(d):
    d.groups((0, "SECTION"), (2, "OBJECTS"))
    dictionary(d, H["root"], "0", [("ACAD_GROUP", H["groups"]), ("ACAD_LAYOUT", H["layouts"]),
                                   ("ACAD_MLINESTYLE", H["mline_styles"]),
                                   ("ACAD_PLOTSTYLENAME", H["plot_styles"])])
    dictionary(d, H["groups"], H["root"], [])
    dictionary(d, H["plot_styles"], H["root"], [("Normal", H["placeholder"])], kind="ACDBDICTIONARYWDFLT",
               default=H["placeholder"])
    d.groups((0, "ACDBPLACEHOLDER"), (5, H["placeholder"]), (330, H["plot_styles"]))
    dictionary(d, H["mline_styles"], H["root"], [("STANDARD", H["standard_mline"])])
    d.groups((0, "MLINESTYLE"), (5, H["standard_mline"]), (330, H["mline_styles"]), (100, "AcDbMlineStyle"),
             (2, "STANDARD"), (70, 0), (3, ""), (62, 256), (51, "90.0"), (52, "90.0"), (71, 2),
             (49, "0.5"), (62, 256), (6, "BYLAYER"), (49, "-0.5"), (62, 256), (6, "BYLAYER"))
    dictionary(d, H["layouts"], H["root"], [(layout_name, H[key + "_layout"])
                                             for _n, layout_name, key, _t, _p in LAYOUTS])
    for _name, layout_name, key, tab, _paper in LAYOUTS:
        layout(d, layout_name, key, tab)
    d.groups((0, "ENDSEC"))


def main():
    d = Dxf()
    header(d)
    classes(d)
    tables(d)
    blocks(d)
    d.groups((0, "SECTION"), (2, "ENTITIES"), (0, "ENDSEC"))
    objects(d)
    d.g(0, "EOF")
    with open(OUTPUT, "wb") as f:
        f.write(d.bytes())


if __name__ == "__main__":
    main()

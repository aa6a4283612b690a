#!/usr/bin/python3
"""Makes the workbook fixtures of this folder (see PROVENANCE.md).

Run with Debian's python3-openpyxl and libreoffice-calc-nogui installed:
    /usr/bin/python3 make_fixtures.py <output folder>
Workbooks built with openpyxl are passed through LibreOffice Calc
(soffice --headless --convert-to xlsx), which recalculates the formulas and
writes the file as a spreadsheet program saves it.
"""
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.styles import Alignment, Border, Font, Side
from openpyxl.styles.colors import Color
from openpyxl.utils.datetime import CALENDAR_MAC_1904
from openpyxl.worksheet.views import Selection

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
os.makedirs(OUT, exist_ok=True)
WORK = tempfile.mkdtemp()


def calc_convert(source, target_name, to="xlsx"):
    subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + WORK + "/profile",
                    "--convert-to", to, "--outdir", WORK + "/out", source],
                   check=True, stdout=subprocess.DEVNULL)
    produced = os.path.join(WORK, "out", os.path.splitext(os.path.basename(source))[0] + "." + to.split(":")[0])
    shutil.move(produced, os.path.join(OUT, target_name))


# Number formats: value, format code. The displayed texts are checked in the tests.
FORMAT_CASES = [
    (1234.5678, "General"), (0.1, "General"), (1234.5678, "0.00"), (1234567.891, "#,##0.00"),
    (-1234.5, "#,##0.00;[Red]-#,##0.00"), (0.256, "0.0%"), (12345.678, "0.00E+00"),
    (42, "000000"), (3.5, '0.0" m"'), (45296.75, "yyyy-mm-dd hh:mm"), (45296, "yyyy\"年\"m\"月\"d\"日\""),
    (0.5625, "h:mm:ss"), (1.25, "[h]:mm"), ("0123", "@"), (0, "0.00;-0.00;\"-\""),
]


def build_cases():
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "格式"
    for row, (value, code) in enumerate(FORMAT_CASES, start=1):
        cell = ws.cell(row=row, column=1, value=value)
        cell.number_format = code
        ws.cell(row=row, column=2, value=code)
    # Formulas (cached values come from the conversion).
    ws["D1"] = 21
    ws["D2"] = "=D1*2"
    ws["D3"] = '="abc"&"def"'
    ws["D4"] = "=1/0"
    # Merged, centred area with text.
    ws["F2"] = "合并"
    ws.merge_cells("F2:G3")
    ws["F2"].alignment = Alignment(horizontal="center", vertical="center")
    ws["H2"].alignment = Alignment(horizontal="right", vertical="top")
    ws["H2"] = "右上"
    # Borders: F6 sets its right edge only; G6 sets nothing but shows a left
    # edge; F8 sets a dashed bottom edge, F9 a double top edge.
    thin = Side(style="thin")
    ws["F6"].border = Border(right=thin)
    ws["F6"] = 1
    ws["G6"] = 2
    ws["F8"].border = Border(bottom=Side(style="dashed"))
    ws["F9"].border = Border(top=Side(style="double"))
    # Fonts and colours.
    ws["F11"] = "红字"
    ws["F11"].font = Font(name="黑体", size=14, color="FF0000", bold=True)
    # Widths and heights.
    ws.column_dimensions["B"].width = 20
    ws.row_dimensions[5].height = 30
    # Second sheet: the used range starts at C3. Third: empty.
    offset = wb.create_sheet("偏移")
    offset["C3"] = "起点"
    offset["E7"] = 5.5
    wb.create_sheet("空表")
    path = os.path.join(WORK, "calc_cases.xlsx")
    wb.save(path)
    calc_convert(path, "calc_cases.xlsx")


def build_1904():
    wb = openpyxl.Workbook()
    wb.epoch = CALENDAR_MAC_1904
    ws = wb.active
    ws["A1"] = 0
    ws["A1"].number_format = "yyyy-mm-dd"
    ws["A2"] = 43831
    ws["A2"].number_format = "yyyy-mm-dd"
    path = os.path.join(WORK, "dates_1904.xlsx")
    wb.save(path)
    calc_convert(path, "dates_1904.xlsx")


def build_openpyxl_only():
    """Theme and indexed colours, formulas without cached values and a stored
    selection, which LibreOffice would resolve, recalculate or drop when it
    converts headless."""
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "颜色"
    ws["A1"] = "主题"
    ws["A1"].font = Font(color=Color(theme=4))
    ws["A2"] = "主题浅色"
    ws["A2"].font = Font(color=Color(theme=4, tint=0.3999755851924192))
    ws["A3"] = "索引"
    ws["A3"].font = Font(color=Color(indexed=10))
    ws["A4"] = "=1+1"
    ws["A5"] = 7
    # The active sheet, with a selection dragged up and to the left: the
    # active cell is the bottom-right corner.
    picked = wb.create_sheet("选择")
    picked["C4"] = "左上"
    picked["E6"] = "右下"
    picked.sheet_view.selection = [Selection(activeCell="E6", sqref="C4:E6")]
    wb.active = 1
    ws.sheet_view.tabSelected = False
    picked.sheet_view.tabSelected = True
    wb.save(os.path.join(OUT, "openpyxl_cases.xlsx"))


RICH_FODS = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <style:style style:name="T1" style:family="text"><style:text-properties style:text-position="super 58%"/></style:style>
  <style:style style:name="T2" style:family="text"><style:text-properties style:text-position="sub 58%"/></style:style>
 </office:automatic-styles>
 <office:body><office:spreadsheet><table:table table:name="Sheet1">
  <table:table-row><table:table-cell office:value-type="string"><text:p>H<text:span text:style-name="T2">2</text:span>O</text:p></table:table-cell></table:table-row>
  <table:table-row><table:table-cell office:value-type="string"><text:p>m<text:span text:style-name="T1">2</text:span></text:p></table:table-cell></table:table-row>
 </table:table></office:spreadsheet></office:body></office:document>
"""


def build_rich():
    path = os.path.join(WORK, "rich_text.fods")
    with open(path, "w", encoding="utf-8") as f:
        f.write(RICH_FODS)
    calc_convert(path, "rich_text.xlsx")


def build_xls():
    calc_convert(os.path.join(OUT, "calc_cases.xlsx"), "calc_cases.xls", to="xls:MS Excel 97")


if __name__ == "__main__":
    build_cases()
    build_1904()
    build_openpyxl_only()
    build_rich()
    build_xls()
    shutil.rmtree(WORK)

#!/usr/bin/python3
"""Makes the survey workbook fixtures of this folder (see PROVENANCE.md).

Run with Debian's python3-openpyxl installed:
    /usr/bin/python3 make_survey_fixtures.py [output folder]
The workbooks come straight from openpyxl: the tests read the texts the
cells show from their values and number formats, as a spreadsheet program
shows them. The sample survey workbook's generator
(data/samples/generator/make_survey_sample.py) saves through `save` here.
"""
import datetime
import os
import sys
import zipfile

import openpyxl

FIXED_TIME = datetime.datetime(2026, 12, 1)

SECTION_HEADINGS = ["剖面", "起点X", "起点Y", "备用", "终点Y", "终点X", "备用", "勘查单位", "图名", "拟编", "审核",
                    "计算机成图", "项目负责", "总工程师", "大队长", "资料来源", "比例尺", "日期", "图号", "顺序号"]
POINT_HEADINGS = ["剖面", "点号", "高程", "平距"]

# Sheet 2: key, B start x, C start y, D, E end y, F end x, G, then H to T.
SIGN_OFF = ["张三", "李四", "王五", "赵六", "钱七", "孙八"]
SECTIONS = [
    ["5线", "1,000", 2000, "", 2600, 1800, ""] + ["某某地质队", "5线实测剖面图"] + SIGN_OFF
    + ["实测", 2000, "2026-12", "图5", "1"],
    ["5线 ", 500, 600, "", 900, 800, ""] + ["某某地质队", "5线(尾随空格)剖面图"] + SIGN_OFF
    + ["实测", 1000, "2026-12", "图6", "2"],
    ["7线", 0, 0, "", 0, 100, ""] + ["某某地质队", "7线剖面图"] + SIGN_OFF + ["实测", "比例尺待定", "", "", ""],
    None,  # an empty A ends the list
    ["9线", 0, 0, "", 0, 100, ""] + ["某某地质队", "9线剖面图"] + SIGN_OFF + ["实测", 500, "", "", ""],
]
# Sheet 3: key, name, elevation, distance. "5线" is spread over other keys'
# rows, its stations out of distance order; a blank A ends the walk.
POINTS = [
    ["5线", "P1", 300, 150],
    ["5线 ", "Q1", 100, 0],
    ["7线", "R1", 50, 10],
    ["5线", "P2", 1200, 0],
    ["5线", "P3", 310, 300],
    None,
    ["5线", "P4", 320, 400],
]


def fill(sheet, headings, rows, formats):
    sheet.append(headings)
    for r, row in enumerate(rows, start=2):
        if row is None:
            continue
        for c, value in enumerate(row, start=1):
            if value == "":
                continue
            cell = sheet.cell(row=r, column=c, value=value)
            if (r, c) in formats:
                cell.number_format = formats[(r, c)]


def save(wb, path):
    wb.properties.created = FIXED_TIME
    wb.properties.modified = FIXED_TIME
    wb.save(path)
    # Fixed entry times: the same bytes on every run.
    with zipfile.ZipFile(path) as source:
        parts = [(info.filename, source.read(info.filename)) for info in source.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as target:
        for filename, data in parts:
            target.writestr(zipfile.ZipInfo(filename, date_time=(2026, 12, 1, 0, 0, 0)), data,
                            compress_type=zipfile.ZIP_DEFLATED)


def survey_cases(out):
    wb = openpyxl.Workbook()
    wb.active.title = "说明"
    wb.active["A1"] = "第二页：剖面；第三页：测点"
    # Q2 2000 shown "2,000"; elevation 1200 of P2 (sheet 3 row 5) shown "1,200".
    fill(wb.create_sheet("剖面"), SECTION_HEADINGS, SECTIONS, {(2, 17): "#,##0"})
    fill(wb.create_sheet("测点"), POINT_HEADINGS, POINTS, {(5, 3): "#,##0"})
    save(wb, os.path.join(out, "survey_cases.xlsx"))


def two_sheets(out):
    wb = openpyxl.Workbook()
    wb.active.title = "说明"
    fill(wb.create_sheet("剖面"), SECTION_HEADINGS, SECTIONS[:1], {})
    save(wb, os.path.join(out, "survey_two_sheets.xlsx"))


if __name__ == "__main__":
    OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(OUT, exist_ok=True)
    survey_cases(OUT)
    two_sheets(OUT)

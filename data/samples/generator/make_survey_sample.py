#!/usr/bin/python3
"""Writes data/samples/SURVEY.xlsx: the survey workbook of two exploration
lines across the sample hills (HILLS.MPJ), for 读取测量数据 and 绘制剖面.

The lines lie in the map's own ground metres (plan mm x 10 at 1:10,000);
their stations are the map's analytic terrain (make_sample_map.terrain)
sampled every 50 m along each line, so the drawn section follows the
contours of the map. Sheet 2 holds one row per line (ground ends and the
title-block texts, section scale 1:5,000), sheet 3 one row per station.
Distances and coordinates show thousands separators, as surveyors' sheets
often do.

Needs Debian's python3-openpyxl; the same bytes on every run.
    /usr/bin/python3 make_survey_sample.py [output folder]   (default: the folder above)
"""
import math
import os
import sys

import openpyxl

import make_sample_map

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(HERE))), "tests", "data", "survey"))
from make_survey_fixtures import save  # noqa: E402  (fixed dates and entry times)

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(HERE)
GROUND_PER_MM = make_sample_map.SCALE / 1000.0
STEP = 50.0  # metres between stations
SECTION_SCALE = 5000

# Line key, ground start (x, y) and end (x, y), metres.
LINES = [
    ("1线", (200.0, 1500.0), (3800.0, 1500.0)),
    ("2线", (1000.0, 400.0), (3000.0, 2600.0)),
]
SIGN_OFF = ["示例", "示例", "示例", "示例", "示例", "示例"]


def stations(start, end):
    length = math.hypot(end[0] - start[0], end[1] - start[1])
    count = int(length // STEP)
    distances = [i * STEP for i in range(count + 1)]
    if length - distances[-1] > 1e-9:
        distances.append(length)
    for n, d in enumerate(distances, start=1):
        x = start[0] + (end[0] - start[0]) * d / length
        y = start[1] + (end[1] - start[1]) * d / length
        yield "P%d" % n, round(make_sample_map.terrain(x / GROUND_PER_MM, y / GROUND_PER_MM), 1), round(d, 1)


def build():
    wb = openpyxl.Workbook()
    note = wb.active
    note.title = "说明"
    note["A1"] = "示例勘探线测量数据：第二页为剖面，第三页为测点（高程、平距，米）。"
    sections = wb.create_sheet("剖面")
    sections.append(["剖面", "起点X", "起点Y", "备用", "终点Y", "终点X", "备用", "勘查单位", "图名", "拟编", "审核",
                     "计算机成图", "项目负责", "总工程师", "大队长", "资料来源", "比例尺", "日期", "图号", "顺序号"])
    points = wb.create_sheet("测点")
    points.append(["剖面", "点号", "高程", "平距"])
    for number, (key, start, end) in enumerate(LINES, start=1):
        sections.append([key, start[0], start[1], None, end[1], end[0], None, "示例地质勘查院",
                         "示例矿区%s实测剖面图" % key] + SIGN_OFF
                        + ["实测", SECTION_SCALE, "2026年12月", "图%d" % number, str(number)])
        row = sections.max_row
        for column in (2, 3, 5, 6):
            sections.cell(row=row, column=column).number_format = "#,##0.00"
        sections.cell(row=row, column=17).number_format = "#,##0"
        for name, elevation, distance in stations(start, end):
            points.append([key, name, elevation, distance])
            points.cell(row=points.max_row, column=3).number_format = "0.0"
            points.cell(row=points.max_row, column=4).number_format = "#,##0.0"
    wb.active = 1
    return wb


if __name__ == "__main__":
    save(build(), os.path.join(OUT, "SURVEY.xlsx"))

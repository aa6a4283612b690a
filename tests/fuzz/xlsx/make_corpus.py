#!/usr/bin/python3
"""Seeds the fuzz corpus: the workbook fixtures and damaged variants of one.

    python3 make_corpus.py   (from this folder)
"""
import io
import os
import shutil
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "..", "data", "workbook")
OUT = os.path.join(HERE, "corpus")
os.makedirs(OUT, exist_ok=True)

for name in ("calc_cases.xlsx", "rich_text.xlsx", "openpyxl_cases.xlsx", "dates_1904.xlsx"):
    shutil.copy(os.path.join(DATA, name), os.path.join(OUT, name))

with open(os.path.join(DATA, "rich_text.xlsx"), "rb") as f:
    good = f.read()
parts = {}
with zipfile.ZipFile(io.BytesIO(good)) as z:
    for info in z.infolist():
        parts[info.filename] = z.read(info.filename)


def write(name, changes):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as z:
        for part, data in parts.items():
            data = changes.get(part, data)
            if data is not None:
                z.writestr(part, data)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(buffer.getvalue())


sheet = "xl/worksheets/sheet1.xml"
write("truncated_xml.xlsx", {sheet: parts[sheet][: len(parts[sheet]) // 2]})
write("no_strings.xlsx", {"xl/sharedStrings.xml": None})
write("bad_refs.xlsx", {sheet: parts[sheet].replace(b'r="A1"', b'r="ZZZZ99999999"')})
write("merge_everything.xlsx", {sheet: parts[sheet].replace(b"</sheetData>", b'</sheetData><mergeCells><mergeCell ref="A1:XFD1048576"/></mergeCells>')})
write("huge_style_ids.xlsx", {sheet: parts[sheet].replace(b's="0"', b's="4294967295"')})
with open(os.path.join(OUT, "truncated_zip.xlsx"), "wb") as f:
    f.write(good[: len(good) // 3])

# The part readers directly: a first byte "w", "s" or "t", then a worksheet,
# styles or shared strings.
with zipfile.ZipFile(os.path.join(DATA, "calc_cases.xlsx")) as z:
    for prefix, part, name in ((b"w", "xl/worksheets/sheet1.xml", "part_sheet.xml"),
                               (b"s", "xl/styles.xml", "part_styles.xml")):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(prefix + z.read(part))
with open(os.path.join(OUT, "part_strings.xml"), "wb") as f:
    f.write(b"t" + parts["xl/sharedStrings.xml"])

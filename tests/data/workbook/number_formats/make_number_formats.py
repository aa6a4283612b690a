"""Writes number_formats.xlsx (by openpyxl) and number_formats_calc.csv: the
texts LibreOffice Calc displays for its cells, from a headless conversion to
CSV (which keeps each cell's text as shown).

Run here with the system Python: /usr/bin/python3 make_number_formats.py

Row n holds the format code in column A (as text) and the values below in
columns B onwards, each formatted with that code.

Calc rounds the 15-digit value half away from zero at the format's decimals,
as the program does, except in two ways the program does not copy (their
values are left out): it multiplies percentages by 100 in binary first, and
it rounds to whole numbers without taking 15 digits first (0.49999999999999994
shows 0 in "0", where 15 digits make it 0.5 and so 1).
"""
import os
import shutil
import subprocess
import tempfile

import openpyxl

VALUES = [2.5, -2.5, 0.5, 1.5, 0.125, 1.005, 2.675, 9.995, 0.045, 1234.5, -1234.5, 0.1, 1e-7,
          123456789012345678, 999.9999, 1e300, -1e-300, 0.0, 1e308, 2.4999999999999996]

# Calc multiplies by 100 in binary before it rounds a percentage, so 1.005
# shows 100% there (1.005 × 100 is 100.49999999999999 in binary) where the
# 15-digit rule gives 101%; and 1e308 × 100 overflows to "#FMT". Those values
# are left out of the percent rows.
PERCENT_VALUES = [v for v in VALUES if v not in (1.005, 9.995, 1e308)]

FORMATS = ["0", "0.00", "0.000", "#,##0", "#,##0.00", "0%", "0.0%", "0.00E+00", "##0.0E+0", "#,##0.0,",
           "0." + "0" * 30]


def main():
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "formats"
    for row, code in enumerate(FORMATS, start=1):
        sheet.cell(row=row, column=1, value=code)
        for column, value in enumerate(PERCENT_VALUES if "%" in code else VALUES, start=2):
            cell = sheet.cell(row=row, column=column, value=value)
            cell.number_format = code
    book.save("number_formats.xlsx")

    with tempfile.TemporaryDirectory() as work:
        profile = "file://" + os.path.join(work, "profile")
        subprocess.run(["soffice", "--headless", "--norestore", "-env:UserInstallation=" + profile,
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true",
                        "--outdir", work, "number_formats.xlsx"], check=True, capture_output=True)
        shutil.copy(os.path.join(work, "number_formats.csv"), "number_formats_calc.csv")


if __name__ == "__main__":
    main()

#include "tests/exchange/sheets/table_test_support.h"

#include <algorithm>
#include <cstdio>

#include "framework/workbook/workbook_data.h"

namespace zv::sheets::test {

using namespace workbook;

void SheetStyler::Width(int column, double width) {
  auto& columns = sheet_.Data()->columns;
  columns.push_back({column, column, width});
  std::sort(columns.begin(), columns.end(), [](const ColumnSpan& a, const ColumnSpan& b) { return a.first < b.first; });
}

void SheetStyler::Height(int row, double points) { sheet_.Data()->rowHeights[row] = points; }

void SheetStyler::Style(int row, int column,
                        const std::function<void(CellFormat&, BorderData&, FontData&)>& change) {
  WorkbookData& data = *sheet_.GetBook()->data;
  Cell& cell = sheet_.Data()->FindOrAdd(row, column);
  CellFormat format = data.formats[cell.format];
  BorderData border = data.borders[format.border];
  FontData font = data.fonts[format.font];
  change(format, border, font);
  data.borders.push_back(border);
  format.border = static_cast<std::uint32_t>(data.borders.size() - 1);
  format.font = data.AddFont(font);
  cell.format = data.AddFormat(format);
}

void SheetStyler::Borders(const CellRect& rect) {
  for (int r = rect.first.row; r <= rect.last.row; ++r)
    for (int c = rect.first.column; c <= rect.last.column; ++c)
      Style(r, c, [](CellFormat&, BorderData& b, FontData&) {
        b.left = b.top = b.bottom = b.right = line::kContinuous;
      });
}

std::vector<std::string> LineDump(WorkAreaHandle area) {
  std::vector<std::string> dump;
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, kLineEntity, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    if (BasReadLine(area, id, &v, nullptr) <= 0) continue;
    std::string text;
    char buffer[64];
    for (const D_DOT& p : v) {
      std::snprintf(buffer, sizeof buffer, "%s%.4f,%.4f", text.empty() ? "" : " ", p.x, p.y);
      text += buffer;
    }
    dump.push_back(text);
  }
  return dump;
}

std::vector<NoteDump> Notes(WorkAreaHandle area) {
  std::vector<NoteDump> notes;
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, kPointEntity, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    NoteDump note;
    if (BasReadPoint(area, id, &note.at, &note.text, &note.info) > 0) notes.push_back(note);
  }
  return notes;
}

}  // namespace zv::sheets::test

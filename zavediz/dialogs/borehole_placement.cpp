#include "zavediz/dialogs/borehole_placement.h"

#include <variant>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "zavediz/dialogs/text_lines.h"

namespace zv::zavediz {

void ReadPlacementCoordinates(std::string_view bytes, BoreholePlacement& p) {
  // A byte-order mark, or the UTF-16 an editor saves as "Unicode", would
  // otherwise make the scale read 0.
  const std::string text = text::DecodeTextFile(bytes);
  std::string_view rest = text;
  const std::variant<int*, double*> fields[] = {&p.scale,    &p.lineX,    &p.lineY, &p.sectionX,
                                                &p.sectionY, &p.sectionH, &p.planX, &p.planY};
  for (const auto& field : fields) {
    const std::string_view line = TakeLine(rest);
    if (const auto* number = std::get_if<int*>(&field)) {
      **number = num::ParseInt(line);
    } else {
      *std::get<double*>(field) = num::ParseDouble(line);
    }
  }
}

bool SheetIsEmpty(const workbook::Worksheet& sheet) {
  const workbook::Range used = sheet.UsedRange();
  if (used.Rows().Count() == 0 || used.Columns().Count() == 0) return true;
  return used.Count() == 1 && used.Text().empty();
}

std::vector<std::string> HoleIdsOf(const workbook::Worksheet& sheet) {
  std::vector<std::string> ids;
  const workbook::Range cells = sheet.Cells();
  for (int row = 2; row <= workbook::kMaxRows; ++row) {
    ids.push_back(cells.Item(row, 1).Text());
    if (ids.back().empty()) break;
  }
  return ids;
}

}  // namespace zv::zavediz

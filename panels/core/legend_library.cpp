#include "panels/core/legend_library.h"

#include "framework/text/numbers.h"

namespace zv::panels {

int LegendFilterMatches(std::string_view filter, int16_t flag) {
  int matches = 0;
  for (std::size_t comma = filter.find(','); comma != std::string_view::npos; comma = filter.find(',')) {
    const std::string_view piece = filter.substr(0, comma);
    if (!piece.empty() && num::ParseInt(piece) == flag) ++matches;
    filter.remove_prefix(comma + 1);
  }
  return matches;
}

LegendListing ScanLegendFolder(bool showAll, std::string_view filter) {
  LegendListing listing;
  int serial = 0;
  for (const std::string& name : ListLegendFolder()) {
    ++serial;
    if (LegendNumberValue(name) == 0 || !IsLegendItemFileName(name, std::string_view(name).substr(0, 4))) continue;
    LegendRow row{serial, name, {}};
    if (!ReadLegendHeaderFile(LegendFolder() + name, &row.header)) {
      listing.unreadable.push_back(name);
      continue;
    }
    if (LegendNumberValue(row.header.number) == 0) continue;
    const int copies = showAll ? 1 : LegendFilterMatches(filter, row.header.flag);
    for (int i = 0; i < copies; ++i) listing.rows.push_back(row);
  }
  return listing;
}

}  // namespace zv::panels

#pragma once
// The legend library's listing: which files of the legend folder become rows
// of the library dialog, in which order and how often.
//
// Files are walked by file name; each regular file counts from 1 as its
// serial number, skipped ones included. Only item files (four characters of a
// nonzero number, "_", a name, ".TL") are listed; a header number of 0 skips
// the file; a file shorter than its header is skipped and named in
// `unreadable`. Every row keeps the file it was read from, so later
// operations act on that file whatever the row's texts say.

#include <string>
#include <string_view>
#include <vector>

#include "panels/core/legend_item_file.h"

namespace zv::panels {

struct LegendRow {
  int serial = 0;
  std::string fileName;  // in the legend folder
  LegendHeader header;
};

struct LegendListing {
  std::vector<LegendRow> rows;
  std::vector<std::string> unreadable;  // file names
};

// How many rows an item of this flag takes under the filter: one for every
// piece of the text that ends in "," and is not empty whose integer value is
// the flag ("2," lists flag 2 once, "2,2," twice, "2" nothing).
int LegendFilterMatches(std::string_view filter, int16_t flag);

// Every item (showAll), or the items the filter lets through.
LegendListing ScanLegendFolder(bool showAll, std::string_view filter);

}  // namespace zv::panels

#pragma once
// The corner list of a mining-right block as the block dialog holds it: rows
// of texts (number, longitude, latitude as packed DDDMMSS.ss), read from
// corner files and the clipboard, and collected into rings of corners.
//
// A row with an empty longitude or latitude separates two rings; a second
// such row right after it ends the list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::block {

struct CornerRow {
  std::string number, lon, lat;
  friend bool operator==(const CornerRow&, const CornerRow&) = default;
};
using CornerRows = std::vector<CornerRow>;

// Characters a pasted field keeps.
inline constexpr std::size_t kPasteFieldCharacters = 19;

// A corner file: "number,longitude,latitude" a line (commas after the
// second go from the latitude). Angles written 116°5′3″ are packed from
// their degrees, minutes and seconds (1160503.00); angles in ddd.mmss form
// (116.3030, 25.1545, and 5.1545 for one-digit degrees) are multiplied by
// 10000 ("%.2f"). Runs of blank lines
// give one separator row; separators at the end are dropped. UTF-8 when
// valid, else GB18030.
CornerRows ReadCornerFile(std::string_view bytes);

// Clipboard text: a row ends at LF, CR LF or CR, a last row without an end
// counts; fields end at runs of tabs, commas or blanks; three fields of at
// most 19 characters are kept. A blank line gives a separator row.
CornerRows ParseCornerClipboard(std::string_view text);
// Number, TAB, longitude, TAB, latitude, CR LF per row.
std::string CornerClipboardText(const CornerRows& rows);

// A packed DDDMMSS.ss value with 60 seconds or 60 minutes carried on
// (1165960 becomes 1170000).
double NormalizeDms(double packed);

struct Corner {
  std::string number;
  double lon = 0;  // packed DDDMMSS.ss
  double lat = 0;
  double lonSeconds = 0;
  double latSeconds = 0;
};
using Ring = std::vector<Corner>;

struct CollectedCorners {
  std::vector<Ring> rings;  // in list order; empty rings are dropped
  // A corner that is no number, that the projection library rejects or
  // that lies off the sheet series, by row.
  std::optional<std::string> error;
};
CollectedCorners CollectCorners(const CornerRows& rows);

}  // namespace zv::block

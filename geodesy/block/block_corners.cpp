#include "geodesy/block/block_corners.h"

#include <cmath>

#include "geodesy/map_sheet.h"
#include "geodesy/point_text.h"
#include "framework/text/numbers.h"
#include "platform/projection/dms.h"

namespace zv::block {
namespace {

// Whether a file's angle is written ddd.mmss: the point after the degrees'
// digits, two or three for a longitude ("116.3030", "99.30"), two for a
// latitude ("25.1545"), and one for either ("5.1545": a corner 5° from the
// equator, which the two-digit test would read as 5.15 packed seconds).
bool DottedDms(const std::string& text, bool longitude) {
  if (text.size() >= 3 && text[1] == '.') return true;
  return longitude ? text.size() > 3 && (text[3] == '.' || text[2] == '.') : text.size() >= 4 && text[2] == '.';
}

// A file's angle as DDDMMSS.ss: "116°5′3.5″" packed from its parts
// (1160503.50), ddd.mmss (116.3030, 25.1545, 5.1545) times 10000; others
// unchanged.
std::string PackedField(const std::string& text, bool longitude) {
  if (const auto parts = point_text::SymbolAngle(text))
    return num::Format("%.2f", (*parts)[0] * 10000 + (*parts)[1] * 100 + (*parts)[2]);
  const bool dotted = DottedDms(text, longitude);
  return dotted ? num::Format("%.2f", num::ParseDouble(text) * 10000) : text;
}

bool Blank(const CornerRow& r) { return r.number.empty() && r.lon.empty() && r.lat.empty(); }
bool Separator(const CornerRow& r) { return r.lon.empty() || r.lat.empty(); }

}  // namespace

CornerRows ReadCornerFile(std::string_view bytes) {
  CornerRows rows;
  for (const point_text::Fields& f : point_text::ReadFile(bytes)) {
    CornerRow row{f[0], PackedField(f[1], true), PackedField(f[2], false)};
    if (Blank(row) && (rows.empty() || Blank(rows.back()))) continue;
    rows.push_back(row);
  }
  while (!rows.empty() && Separator(rows.back())) rows.pop_back();
  return rows;
}

CornerRows ParseCornerClipboard(std::string_view text) {
  return point_text::FromFields<CornerRow>(point_text::ParseClipboard(text, kPasteFieldCharacters));
}

std::string CornerClipboardText(const CornerRows& rows) {
  return point_text::Join(point_text::ToFields(rows), "\t");
}

double NormalizeDms(double v) {
  if (v - 100 * std::trunc(v / 100) >= 60) v = v - 60 + 100;
  if (std::trunc((v - 10000 * std::trunc(v / 10000)) / 100) >= 60) v = v - 6000 + 10000;
  return v;
}

CollectedCorners CollectCorners(const CornerRows& rows) {
  CollectedCorners out;
  Ring ring;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CornerRow& row = rows[i];
    if (Separator(row)) {
      if (i + 1 < rows.size() && rows[i + 1].lon.empty()) break;
      if (!ring.empty()) out.rings.push_back(std::move(ring));
      ring = {};
      continue;
    }
    const auto lon = num::ParseTypedReal(row.lon), lat = num::ParseTypedReal(row.lat);
    Corner c{row.number, lon.value_or(0), lat.value_or(0), 0, 0};
    c.lonSeconds = c.lon;
    c.latSeconds = c.lat;
    // A text that is no number would read as 0°, and a point off the sheet
    // series has no sheet: either would draw a block over half the country
    // or on no sheet at all.
    if (!lon || !lat || !ProjDmsToSeconds(&c.lonSeconds) || !ProjDmsToSeconds(&c.latSeconds) ||
        CMapSheet::NewSheetNumber(c.lonSeconds / 3600, c.latSeconds / 3600, 50000).empty()) {
      out.error = num::Format("第%zu行的坐标不正确：", i + 1) + row.lon + ", " + row.lat;
      out.rings.clear();
      return out;
    }
    ring.push_back(c);
  }
  if (!ring.empty()) out.rings.push_back(std::move(ring));
  return out;
}

}  // namespace zv::block

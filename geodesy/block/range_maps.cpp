#include "geodesy/block/range_maps.h"

#include <algorithm>
#include <cmath>

#include "framework/text/numbers.h"
#include "geodesy/block/range_map_parts.h"
#include "geodesy/map_sheet.h"
#include "platform/projection/dms.h"
#include "platform/topology/topology.h"

namespace zv::block {
namespace {

using parts::Line;
using parts::Rectangle;
using parts::Text;

std::string Plain(std::string number) {
  number.erase(std::remove(number.begin(), number.end(), ' '), number.end());
  return number;
}

// The corner NewNumberToCorner gives, in seconds.
bool CornerSeconds(const std::string& number, double* lon, double* lat) {
  double l = 0, b = 0;
  if (!CMapSheet::NewNumberToCorner(number, &l, &b)) return false;
  *lon = std::round(l * 3600 * 1e6) / 1e6;
  *lat = std::round(b * 3600 * 1e6) / 1e6;
  return true;
}

REG_INFO RegionParams(int32_t fill) {
  REG_INFO info = *BasGetDefaultRegionParam();
  info.setFillColour(fill);
  return info;
}

// ---- (一)

void FillSheetCell(WorkAreaHandle regions, int c, int r) {
  const double x0 = 7.0 * (c - 1), y0 = 5.0 * (r - 1), x1 = 7.0 * c, y1 = 5.0 * r;
  const int32_t arc =
      BasAppendLine(regions, std::vector<D_DOT>{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}, *BasGetDefaultLineParam());
  if (arc != 0) BasAppendRegion(regions, {6, arc}, RegionParams(5));
}

void WriteRangeLegend1(WorkAreaHandle points, WorkAreaHandle lines, Date today) {
  Rectangle(lines, -7, -5, 175, 125, 0.3);
  for (int i = 0; i <= 25; ++i) Line(lines, {{7.0 * i, 0}, {7.0 * i, 125}}, i % 2 == 0 ? 0.3 : 0.1);
  for (int i = 0; i <= 25; ++i) {
    const double right = i == 0 || i == 24 ? 175 : 168;
    Line(lines, {{-7, 5.0 * i}, {right, 5.0 * i}}, i % 2 == 0 ? 0.3 : 0.1);
  }
  Line(lines, {{21, 126.5}, {70, 126.5}}, 0.2);
  Line(lines, {{180, 45}, {180, 105}}, 0.2);
  Line(lines, {{242, 45}, {242, 105}}, 0.2);
  for (int i = 0; i < 7; ++i) Line(lines, {{180, 45.0 + 10 * i}, {242, 45.0 + 10 * i}}, 0.2);
  for (int i = 0; i < 24; ++i) {
    Text(points, 1.6 + 7 * i, 121, num::FormatInt(i + 1));
    Text(points, -4.4, 116 - 5.0 * i, num::FormatInt(i + 1));
  }
  Text(points, 70, 135, "探矿权申请登记区块范围图(一)", 6.0);
  Text(points, -7, 126.5, "1:100万图幅号：", 4.0);
  Text(points, 190.5, 109, "申请登记区所在图幅号");
  Text(points, 194, 37.5, "共      个1:5万图幅");
  Text(points, 199.5, 18.8, "申  请  人");
  Text(points, 203, 11.4, "(盖章)");
  Text(points, 202, 1.68, "年     月     日");
  parts::Date3(points, today, 190.5, 209.5, 223.5, 1.68);
}

// ---- (三)

void WriteRangeLegend3(WorkAreaHandle points, WorkAreaHandle lines) {
  Rectangle(lines, -6, -6, 186, 126, 0.3);
  for (int i = 0; i <= 60; ++i) {
    const double x = 3.0 * i;
    if (i % 4 == 0) Line(lines, {{x, -6}, {x, 126}}, 0.3);
    else Line(lines, {{x, 0}, {x, 120}}, 0.1);
  }
  for (int i = 0; i <= 40; ++i) {
    const double y = 3.0 * i;
    if (i % 4 == 0) Line(lines, {{-6, y}, {186, y}}, 0.3);
    else Line(lines, {{0, y}, {180, y}}, 0.1);
  }
  Line(lines, {{26, 137}, {73, 137}}, 0.2);
  Line(lines, {{26, 130}, {73, 130}}, 0.2);
  Line(lines, {{123, 130}, {131, 130}}, 0.2);
  Line(lines, {{156, 130}, {163, 130}}, 0.2);
  for (int i = 1; i <= 15; ++i) Text(points, 4.7 + 12 * (i - 1), 121.4, num::FormatInt(i));
  for (int i = 1; i <= 10; ++i) {
    Text(points, -4.64, 112.54 - 12 * (i - 1), num::FormatInt(i));
    Text(points, 181.37, 112.54 - 12 * (i - 1), num::FormatInt(10 - i) + "′");
  }
  Text(points, 72.44, 147.65, "探矿权申请登记区块范围图(三)", 6.0);
  Text(points, -5.46, 137.34, "1:5万图幅号：", 5.0);
  Text(points, -5.46, 130.22, "1:5万旧图号：", 5.0);
  Text(points, 114.8, 130.22, "第");
  Text(points, 133.55, 130.22, "张");
  Text(points, 147.0, 130.22, "共");
  Text(points, 165.94, 130.22, "张");
  parts::ApplicationTexts(points);
}

void DrawRangeLabels3(WorkAreaHandle points, const TouchedSheet& sheet, int index, int count, double left,
                      double bottom, Date today) {
  const DmsParts leftParts = ProjSplitDms(NormalizeDms(ProjSecondsToDms(left)));
  for (int i = 1; i <= 15; ++i) Text(points, 4.0 + 12 * (i - 1), -4.8, num::FormatInt(leftParts.minutes + i) + "′");
  Text(points, -6.09, -12.11, parts::AngleLabel(left), 4.0);
  Text(points, 170.85, -12.11, parts::AngleLabel(left + 900), 4.0);
  Text(points, 189.41, -5.85, parts::AngleLabel(bottom), 4.0);
  Text(points, 189.41, 120.06, parts::AngleLabel(bottom + 600), 4.0);
  Text(points, 37.29, 137.94, Plain(sheet.newNumber));
  Text(points, 37.29, 131.11, Plain(sheet.oldNumber));
  Text(points, 125.74, 131.07, num::FormatInt(index + 1));
  Text(points, 158.21, 131.07, num::FormatInt(count));
  parts::Date3(points, today, 198.42, 217.5, 231.6, 19.4);
}

// The block in a temporary set, clipped by the sheet's frame into the map.
void BuildBlockRegions(const MapAreas& map, const std::vector<Ring>& rings, double left, double bottom) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const MapAreas block{BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
  const WorkAreaHandle frame = BasCreateLineWorkArea(set);
  REG_INFO fill = RegionParams(620);
  fill.setPatternHeight(3.0f);
  fill.setPatternWidth(3.0f);
  fill.setPatternColour(8);
  parts::BlockRings(block, rings, 0.2, left, bottom, 3.0, fill);
  Line(frame, {{0, 0}, {180, 0}, {180, 120}, {0, 120}, {0, 0}}, 0.2);
  constexpr double kTolerance = 0.01;
  TopoClipRegions(frame, block.regions, map.regions, kTolerance, kTopoKeepInside);
  TopoClipLines(frame, block.lines, map.lines, kTolerance, kTopoKeepInside);
  TopoClipPoints(frame, block.points, map.points, kTolerance, kTopoKeepInside);
  BasFreeWorkAreaSet(set);
}

}  // namespace

void DrawRangeMap1(const MapAreas& map, const std::vector<TouchedSheet>& sheets, const std::string& million,
                   Date today) {
  for (std::size_t i = 0; i < sheets.size(); ++i) Text(map.points, 198, 98 - 10.0 * i, sheets[i].newNumber);
  Text(map.points, 203, 37.5, num::FormatInt(static_cast<long>(sheets.size())));
  Text(map.points, 34, 127, million);
  for (const TouchedSheet& s : sheets) {
    if (MillionSheetOf(s.newNumber) != million || s.newNumber.size() != 10) continue;
    const int row = num::ParseInt(s.newNumber.substr(4, 3));
    const int column = num::ParseInt(s.newNumber.substr(7, 3));
    FillSheetCell(map.regions, column, 25 - row);
  }
  WriteRangeLegend1(map.points, map.lines, today);
  double lon = 0, lat = 0;
  if (!CornerSeconds(million, &lon, &lat)) return;
  for (int i = 0; i < 7; ++i) Text(map.points, -4.0 + 28 * i, -3.8, parts::AngleLabel(lon + 3600.0 * i, true, false));
  for (int i = 0; i < 5; ++i) {
    const double y = -1.5 + 30 * i + (i == 0 ? 2 : 0) - (i == 4 ? 2 : 0);
    Text(map.points, 169, y, parts::AngleLabel(lat - 14400 + 3600.0 * i, true, false));
  }
}

void DrawRangeMap2(const MapAreas& map, const std::vector<Ring>& rings, Date today) {
  double minLon = 2000000 * 3600.0, minLat = 900000 * 3600.0;
  for (const Ring& r : rings)
    for (const Corner& c : r) {
      minLon = std::min(minLon, c.lonSeconds);
      minLat = std::min(minLat, c.latSeconds);
    }
  WorkAreaHandle points = map.points, lines = map.lines;
  Rectangle(lines, -6, -6, 186, 126, 0.3);
  for (int i = 0; i <= 30; ++i) Line(lines, {{6.0 * i, 0}, {6.0 * i, 126}}, i % 15 == 0 ? 0.3 : 0.1);
  for (int i = 0; i <= 20; ++i) Line(lines, {{-6, 6.0 * i}, {186, 6.0 * i}}, i % 10 == 0 ? 0.3 : 0.1);
  for (double y : {138.0, -17.0}) {
    Line(lines, {{26, y}, {73, y}}, 0.2);
    Line(lines, {{135, y}, {182, y}}, 0.2);
  }
  for (int i = 0; i < 30; ++i) Text(points, 1.6 + 6 * i, 121.4, num::FormatInt(i % 15 + 1));
  for (int j = 0; j < 20; ++j) {
    Text(points, -4.4, 115.5 - 6 * j, num::FormatInt(j % 10 + 1));
    Text(points, 181.9, 115.5 - 6 * j, num::FormatInt(9 - j % 10) + "′");
  }
  Text(points, 72.44, 147.65, "探矿权申请登记区块范围图(二)", 6.0);
  for (const D_DOT& at : {D_DOT{-5.5, 138.2}, D_DOT{103.2, 138.2}, D_DOT{-5.9, -17.0}, D_DOT{102.8, -17.0}})
    Text(points, at.x, at.y, "1:5万图幅号：", 5.0);
  parts::ApplicationTexts(points);
  parts::Date3(points, today, 198.42, 217.5, 231.6, 19.4);

  if (rings.empty()) return;
  auto sheetAt = [](double lonSeconds, double latSeconds) {
    return Plain(CMapSheet::NewSheetNumber(lonSeconds / 3600, latSeconds / 3600, 50000));
  };
  const std::string south = sheetAt(minLon, minLat);
  Text(points, 36.9, -16.4, south, 4.0);
  Text(points, 145.5, -16.4, sheetAt(minLon + 900, minLat), 4.0);
  Text(points, 37.3, 138.8, sheetAt(minLon, minLat + 600), 4.0);
  Text(points, 146.0, 138.8, sheetAt(minLon + 900, minLat + 600), 4.0);
  double east = 0, bottom = 0;
  if (!CornerSeconds(south, &east, &bottom)) return;
  const double west = east - 900;
  const double lonX[] = {-4.3, 85.6, 174.7};
  const double latY[] = {-0.9, 59.0, 118.6};
  for (int i = 0; i < 3; ++i) {
    Text(points, lonX[i], -4.5, parts::AngleLabel(west + 900.0 * i));
    Text(points, 189.1, latY[i], parts::AngleLabel(bottom + 600.0 * i));
  }
  REG_INFO fill = RegionParams(9);
  fill.setPattern(3);
  fill.setPatternHeight(5.0f);
  fill.setPatternWidth(5.0f);
  fill.setPatternColour(1);
  parts::BlockRings(map, rings, 0.1, west, bottom, 2.0, fill);
}

void DrawRangeMap3(const MapAreas& map, const std::vector<Ring>& rings, const TouchedSheet& sheet, int index,
                   int count, Date today) {
  double east = 0, bottom = 0;
  if (!CornerSeconds(Plain(sheet.newNumber), &east, &bottom)) return;
  const double left = east - 900;
  WriteRangeLegend3(map.points, map.lines);
  DrawRangeLabels3(map.points, sheet, index, count, left, bottom, today);
  BuildBlockRegions(map, rings, left, bottom);
}

}  // namespace zv::block

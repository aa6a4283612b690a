#include "annotation/core/legend_place.h"

#include <cmath>
#include <cstdlib>

#include "annotation/core/legend_sizes.h"
#include "framework/text/numbers.h"

namespace zv::annot {
namespace {

// Item sizes outside (1, 50] are refused.
constexpr int32_t kSmallestItemSize = 1;
constexpr int32_t kLargestItemSize = 50;
// Rows or columns that a 0 beside a nonzero other stands for.
constexpr int32_t kOpenGridSide = 100;

// The item text beside its box: 4 × 4 units of the item, 3 units right of
// the box and 2 below its centre line.
constexpr double kTextSize = 4.0;
constexpr double kTextGapX = 3.0;
constexpr double kTextDropY = 2.0;
// The list text: characters 3 × 3, line spacing 2, box height 10, 5 below
// the last box.
constexpr float kListCharSize = 3.0f;
constexpr float kListLineSpacing = 2.0f;
constexpr float kListBoxHeight = 10.0f;
constexpr double kListGapBelow = 5.0;
constexpr float kFrameWidth = 0.2f;

constexpr char kBadHeight[] = "  图例高度有问题，请修改。";
constexpr char kBadWidth[] = "  图例宽度有问题，请修改。";

bool SizeFits(int32_t size) { return size > kSmallestItemSize && size <= kLargestItemSize; }

D_DOT Mapped(const D_DOT& p, double sx, double sy, double x, double y) { return {p.x * sx + x, p.y * sy + y}; }

void MapVertices(std::vector<D_DOT>& v, double sx, double sy, double x, double y) {
  for (D_DOT& p : v) p = Mapped(p, sx, sy, x, y);
}

}  // namespace

void AdvanceLegendCell(LegendLayout& layout, int32_t& column, int32_t& row) {
  if (layout.rows != 0 && layout.columns == 0) layout.rows = kOpenGridSide;
  if (layout.rows == 0 && layout.columns != 0) layout.columns = kOpenGridSide;
  if (layout.rows >= layout.columns) {
    if (++row > layout.rows - 1) {
      ++column;
      row = 0;
    }
  } else if (++column > layout.columns - 1) {
    ++row;
    column = 0;
  }
}

LegendPlacement::LegendPlacement(LegendLayout& layout, const LegendTargets& targets, const D_DOT& origin)
    : layout_(layout), targets_(targets), origin_(origin), lastY_(origin.y) {}

bool LegendPlacement::Place(const LegendItemData& item, int index, std::string* message) {
  if (!SizeFits(item.height)) {
    if (message) *message = item.number + kBadHeight;
    return false;
  }
  if (!SizeFits(item.width)) {
    if (message) *message = item.number + kBadWidth;
    return false;
  }
  const double W = layout_.width, H = layout_.height;
  const double sy = H / item.height, sx = W / item.width;
  const double X = origin_.x + column_ * (layout_.spaceX + W);
  const double Y = origin_.y - row_ * (layout_.spaceY + H);
  lastY_ = Y;

  LIN_INFO frame = *BasGetDefaultLineParam(0);
  frame.Set<int16_t>(lin::kStyle, 1);
  frame.Set<int32_t>(lin::kColour, 1);
  frame.Set<float>(lin::kWidth, kFrameWidth);
  frame.Set<uint8_t>(lin::kLineKind, 0);
  const std::vector<D_DOT> box = {
      {X - W / 2, Y + H / 2}, {X + W / 2, Y + H / 2}, {X + W / 2, Y - H / 2}, {X - W / 2, Y - H / 2},
      {X - W / 2, Y + H / 2}};
  if (const int32_t id = BasAppendLine(targets_.lines, box, frame)) ids_.lines.push_back(id);

  PNT_INFO* text = BasGetDefaultPointParam(0);
  text->Set<float>(pnt::kCharWidth, static_cast<float>(kTextSize * sx));
  text->Set<float>(pnt::kCharHeight, static_cast<float>(kTextSize * sy));
  text->Set<float>(pnt::kTextAngle, 0.0f);
  text->Set<uint8_t>(pnt::kArrangement, 0);
  text->Set<float>(pnt::kCharSpacing, 0.0f);
  const D_DOT textAt{X + W / 2 + kTextGapX * sx, Y - kTextDropY * sy};
  const std::string& label = item.annotation.empty() ? item.name : item.annotation;
  std::string shown = label;
  if (layout_.textMode == 0) {
    shown = num::FormatInt(index + 1);
    list_ += shown + "、" + label + " ";
  }
  if (const int32_t id = BasAppendPoint(targets_.points, textAt, shown, *text)) ids_.points.push_back(id);

  AdvanceLegendCell(layout_, column_, row_);
  AppendBody(item, sx, sy, X, Y);
  return true;
}

void LegendPlacement::AppendBody(const LegendItemData& item, double sx, double sy, double x, double y) {
  int32_t live = 0, bound = 0;
  BasGetPointCount(item.points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at{};
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(item.points, id, &at, &text, &info)) continue;
    ScalePointSizes(info, PlaceSizeFields(), sx, sy);
    if (const int32_t added = BasAppendPoint(targets_.points, Mapped(at, sx, sy, x, y), text, info))
      ids_.points.push_back(added);
  }
  BasGetLineCount(item.lines, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    LIN_INFO info;
    if (!BasReadLine(item.lines, id, &v, &info)) continue;
    MapVertices(v, sx, sy, x, y);
    if (const int32_t added = BasAppendLine(targets_.lines, v, info)) ids_.lines.push_back(added);
  }
  BasGetRegionCount(item.regions, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<int32_t> arcs;
    REG_INFO info;
    if (!BasReadRegion(item.regions, id, &arcs, &info)) continue;
    for (std::size_t i = 1; i < arcs.size(); ++i) {
      if (arcs[i] == 0) continue;
      std::vector<D_DOT> v;
      LIN_INFO arcInfo;
      if (!BasReadLine(item.regions, std::abs(arcs[i]), &v, &arcInfo)) continue;
      MapVertices(v, sx, sy, x, y);
      const int32_t added = BasAppendLine(targets_.regions, v, arcInfo);
      if (added == 0) continue;
      ids_.arcs.push_back(added);
      arcs[i] = arcs[i] < 0 ? -added : added;
    }
    if (const int32_t added = BasAppendRegion(targets_.regions, arcs, info)) ids_.regions.push_back(added);
  }
}

void LegendPlacement::Finish() {
  PNT_INFO* block = BasGetDefaultPointParam(5);
  block->Set<float>(pnt::kCharWidth, kListCharSize);
  block->Set<float>(pnt::kCharHeight, kListCharSize);
  block->Set<float>(pnt::kLineSpacing, kListLineSpacing);
  block->Set<float>(pnt::kBoxWidth, static_cast<float>(std::abs(
                                        (layout_.width + layout_.spaceX) * layout_.columns - layout_.spaceX)));
  block->Set<float>(pnt::kBoxHeight, kListBoxHeight);
  const D_DOT at{origin_.x - layout_.width / 2, lastY_ - layout_.height - kListGapBelow};
  if (const int32_t id = BasAppendPoint(targets_.points, at, list_, *block)) ids_.points.push_back(id);
}

void PushPlacedLegends(GisUndo& undo, const LegendTargets& targets, const PlacedLegendIds& ids) {
  undo.PushList(targets.points, kPointEntity, ids.points, GisUndo::kAppended);
  undo.PushList(targets.lines, kLineEntity, ids.lines, GisUndo::kAppended);
  undo.PushList(targets.regions, kLineEntity, ids.arcs, GisUndo::kAppended);
  undo.PushList(targets.regions, kRegionEntity, ids.regions, GisUndo::kAppended);
}

}  // namespace zv::annot

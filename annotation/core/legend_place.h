#pragma once
// Placing legend items into the map: a grid of framed boxes whose first box
// is centred on the point given, each item's drawing scaled into its box,
// its text beside it, and, when the texts are drawn apart, one list text
// below the grid.
//
// What a caller can rely on:
//  - An item whose height or width in its header is not above 1 and at most
//    50 is refused with a message naming its number, and uses no cell: the
//    next item takes that cell. The caller refuses unreadable items the same
//    way (Skip), before anything of them is appended.
//  - The frames take a copy of the current default line parameters; the
//    item texts the current default text parameters and the list text the
//    current default kind-5 parameters, both changed in place (the changes
//    stay in force afterwards, as the next legend expects them).
//  - The layout's rows and columns may be changed by the grid's advance
//    (a 0 beside a nonzero one becomes 100) and keep that change.
//  - Every appended id is recorded, however many.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"

namespace zv::annot {

struct LegendLayout {
  int32_t columns = 0;
  int32_t rows = 1;
  double width = 12.0;   // W
  double height = 8.0;   // H
  double spaceX = 30.0;
  double spaceY = 5.0;
  int16_t textMode = 1;  // nonzero: each text beside its box; 0: numbers there and one list text
};

// One item as read from its file: header values and its body in a point,
// a line and a region area.
struct LegendItemData {
  std::string number;  // the four characters of the item number
  std::string name;
  std::string annotation;
  int32_t height = 8;
  int32_t width = 12;
  WorkAreaHandle points = 0, lines = 0, regions = 0;
};

struct LegendTargets {
  WorkAreaHandle points = 0, lines = 0, regions = 0;
};

// Everything one placement appended.
struct PlacedLegendIds {
  std::vector<int32_t> points, lines, arcs, regions;
};

// The grid's next cell after (column, row), by the rule of the layout; the
// layout's 0 rows or columns beside a nonzero other become 100 here.
void AdvanceLegendCell(LegendLayout& layout, int32_t& column, int32_t& row);

class LegendPlacement {
 public:
  // `origin`: the centre of the first box, in map units.
  LegendPlacement(LegendLayout& layout, const LegendTargets& targets, const D_DOT& origin);

  // Item `index` (0-based among the chosen items): false, with the message
  // for the user, when its size is refused; nothing is appended then.
  bool Place(const LegendItemData& item, int index, std::string* message);
  // Appends the list text below the last box used (below the origin when no
  // box was used); empty in text mode nonzero. Call once, after the items.
  void Finish();

  const PlacedLegendIds& ids() const { return ids_; }
  const std::string& listText() const { return list_; }

 private:
  void AppendBody(const LegendItemData& item, double sx, double sy, double x, double y);

  LegendLayout& layout_;
  LegendTargets targets_;
  D_DOT origin_;
  int32_t column_ = 0, row_ = 0;
  double lastY_;
  std::string list_;
  PlacedLegendIds ids_;
};

// One undo record per list: points, frames and lines, region arcs, regions.
void PushPlacedLegends(GisUndo& undo, const LegendTargets& targets, const PlacedLegendIds& ids);

}  // namespace zv::annot

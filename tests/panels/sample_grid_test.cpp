// Grid geometry, scrolling, cell rectangles and the samples of each page.
#include <gtest/gtest.h>

#include "panels/core/sample_build.h"
#include "panels/core/sample_grid.h"

inline bool operator==(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

namespace zv::panels {
namespace {

TEST(SampleGrid, GeometryFollowsTheClientSize) {
  struct Case {
    const char* name;
    GridSpec spec;
    int w, h, count;
    std::optional<GridGeometry> expected;
  };
  const Case cases[] = {
      {"symbols", kSymbolGrid, 200, 300, 45, GridGeometry{4, 13, 5, 0, 45.0 * 13 - 300, 8}},
      {"exact width", kSymbolGrid, 45, 100, 3, GridGeometry{1, 5, 1, 0, 225 - 100, 4}},
      {"tall page does not scroll", kSymbolGrid, 450, 2000, 20, GridGeometry{10, 4, 43, 0, 180.0 - 2000, 0}},
      {"under one cell", kSymbolGrid, 44, 300, 45, std::nullopt},
      {"colours", kColourGrid, 180, 400, 256, GridGeometry{10, 29, 19, 0, 20.0 * 29 - 400, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LayoutGrid(c.spec, c.w, c.h, c.count), c.expected);
  }
}

TEST(SampleGrid, ScrollPositionsStayInRange) {
  const GridGeometry grid{4, 13, 5, 0, 0, 8};
  EXPECT_EQ(ScrollPosition(ScrollAction::kLineDown, 0, 0, grid), 1);
  EXPECT_EQ(ScrollPosition(ScrollAction::kLineUp, 0, 0, grid), 0);
  EXPECT_EQ(ScrollPosition(ScrollAction::kPageDown, 1, 0, grid), 6);
  EXPECT_EQ(ScrollPosition(ScrollAction::kPageDown, 6, 0, grid), 8);
  EXPECT_EQ(ScrollPosition(ScrollAction::kPageUp, 3, 0, grid), 0);
  EXPECT_EQ(ScrollPosition(ScrollAction::kThumb, 0, 7, grid), 7);
  EXPECT_EQ(ScrollPosition(ScrollAction::kThumb, 0, 99, grid), 8);
  EXPECT_EQ(ScrollPosition(ScrollAction::kBottom, 2, 0, grid), 8);
  EXPECT_EQ(ScrollPosition(ScrollAction::kTop, 5, 0, grid), 0);
  EXPECT_EQ(WheelPosition(120, 3, grid), 2);
  EXPECT_EQ(WheelPosition(-240, 3, grid), 4);
  EXPECT_EQ(WheelPosition(-120, 8, grid), 8);
}

TEST(SampleGrid, CellsOfWindowPoints) {
  EXPECT_EQ(CellAt(kSymbolGrid, 50, 44), (CellRect{45, 0, 90, 45}));
  EXPECT_EQ(CellAt(kSymbolGrid, 90, 90), (CellRect{90, 90, 135, 135}));
  EXPECT_EQ(CellAt(kColourGrid, 37, 41), (CellRect{36, 40, 53, 59}));
}

TEST(SampleGrid, SamplesFillTheirCellsAndOnlyTheVisibleRowsAtFirst) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle lines = BasCreateLineWorkArea(set), regions = BasCreateRegionWorkArea(set),
                       points = BasCreatePointWorkArea(set);
  const GridGeometry grid = *LayoutGrid(kSymbolGrid, 90, 90, 9);  // 2 columns, 6 rows, 1 visible
  const std::vector<LineStyleNo> styles{{1, 0}, {2, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}};
  EXPECT_EQ(BuildLineSamples(lines, grid, false, styles), 2);
  EXPECT_EQ(BuildLineSamples(lines, grid, true, styles), 9);
  std::vector<D_DOT> v;
  LIN_INFO info;
  ASSERT_TRUE(BasReadLine(lines, 1, &v, &info));
  EXPECT_EQ(v, (std::vector<D_DOT>{{5, 270 - 22.5}, {40, 270 - 22.5}}));
  EXPECT_EQ(info.colour(), 13);
  EXPECT_FLOAT_EQ(info.width(), 0.2f);
  EXPECT_FLOAT_EQ(info.xScale(), 40.0f);
  EXPECT_FLOAT_EQ(info.yScale(), 40.0f);
  ASSERT_TRUE(BasReadLine(lines, 9, &v, &info));  // the last: column 0 of row 4
  EXPECT_EQ(v.front(), (D_DOT{5, 45.0 * (6 - 4) - 22.5}));
  EXPECT_EQ(SampleAt(3, lines, {22, 270 - 22.5}, kPickReach), (SampleValue{0, "1-0"}));
  EXPECT_EQ(SampleAt(3, lines, {67, 270 - 22.5}, kPickReach), (SampleValue{0, "2-0"}));

  // A library with gaps: pattern 200 sits right after 33.
  BasGetDefaultLineParam(0)->setStyle(5);
  const std::vector<int32_t> patterns{32, 33, 200};
  EXPECT_EQ(BuildPatternSamples(regions, grid, true, patterns), 3);
  EXPECT_EQ(BasGetDefaultLineParam(0)->style(), 5);  // restored after the build
  ASSERT_TRUE(BasReadLine(regions, 1, &v, &info));
  EXPECT_EQ(info.style(), 0);
  EXPECT_EQ(v.front(), (D_DOT{2, 270 - 43}));
  EXPECT_EQ(v[2], (D_DOT{43, 270 - 2}));
  REG_INFO reg;
  ASSERT_TRUE(BasReadRegionParam(regions, 3, &reg));
  EXPECT_EQ(reg.pattern(), 200);
  EXPECT_EQ(reg.fillColour(), 9);
  EXPECT_EQ(reg.patternColour(), 13);
  EXPECT_FLOAT_EQ(reg.patternHeight(), 40.0f);
  EXPECT_EQ(reg.Get<uint8_t>(20), 1);
  EXPECT_EQ(SampleAt(4, regions, {22, 225 - 22}, kHoverReach), (SampleValue{200, {}}));
  EXPECT_EQ(SampleAt(4, regions, {44, 225 - 22}, kHoverReach), std::nullopt);  // between cells

  EXPECT_EQ(BuildSubgraphSamples(points, grid, true, patterns), 3);
  D_DOT at;
  ASSERT_TRUE(BasReadPointPos(points, 2, &at));
  EXPECT_EQ(at, (D_DOT{67.5, 270 - 22.5}));
  // Hovering reaches below 22.0, picking below 22.5.
  const D_DOT centre{22.5, 270 - 22.5};
  for (const auto& [distance, reach, found] : std::vector<std::tuple<double, double, bool>>{
           {21.9, kHoverReach, true}, {22.0, kHoverReach, false}, {22.4, kPickReach, true}, {22.5, kPickReach, false}}) {
    SCOPED_TRACE(distance);
    EXPECT_EQ(SampleAt(2, points, {centre.x, centre.y - distance}, reach).has_value(), found);
  }

  const GridGeometry colours = *LayoutGrid(kColourGrid, 36, 60, 5);  // 2 columns, 6 rows
  const std::vector<int32_t> numbers{1, 2, 3, 4};
  EXPECT_EQ(BuildColourSwatches(regions, colours, false, numbers), 4);
  ASSERT_TRUE(BasReadLine(regions, 4, &v, &info));  // column 1 of row 1: top 20 · 5 − 1
  EXPECT_EQ(v, (std::vector<D_DOT>{{19, 81}, {35, 81}, {35, 99}, {19, 99}, {19, 81}}));
  EXPECT_EQ(SampleAt(6, regions, {27, 90}, kPickReach), (SampleValue{4, {}}));
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv::panels

// Aligning placed legend boxes: which selected lines are frames, their
// order and reference point, and moving each frame with what lies in it.
#include "annotation/core/legend_align.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/annotation/core/dot_compare.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

class LegendAlignTest : public test::WorkAreasTest {
 protected:
  // A closed 5-vertex box centred on (x, y).
  ENTITY_MSG Box(double x, double y, double w = 12, double h = 8, WorkAreaHandle area = 0) {
    const std::vector<D_DOT> v = {
        {x - w / 2, y + h / 2}, {x + w / 2, y + h / 2}, {x + w / 2, y - h / 2}, {x - w / 2, y - h / 2}, {x - w / 2, y + h / 2}};
    return {area ? area : lines_, kLineEntity, BasAppendLine(area ? area : lines_, v, LIN_INFO{})};
  }
  ENTITY_MSG Line(std::vector<D_DOT> v) { return {lines_, kLineEntity, BasAppendLine(lines_, v, LIN_INFO{})}; }
  ENTITY_MSG Point(D_DOT at) { return {points_, kPointEntity, BasAppendPoint(points_, at, "p", PNT_INFO{})}; }
  ENTITY_MSG Region(std::vector<int32_t> arcs) {
    return {regions_, kRegionEntity, BasAppendRegion(regions_, arcs, REG_INFO{})};
  }
  int32_t Arc(std::vector<D_DOT> v) { return BasAppendLine(regions_, v, LIN_INFO{}); }
  D_DOT CentreOf(const ENTITY_MSG& e) {
    D_RECT r{};
    if (e.type == kRegionEntity)
      BasGetRegionRect(e.area, e.id, &r);
    else
      BasGetLineRect(e.area, e.id, &r);
    return {(r.xmin + r.xmax) / 2, (r.ymin + r.ymax) / 2};
  }
  D_DOT At(const ENTITY_MSG& p) {
    D_DOT at{};
    BasReadPointPos(p.area, p.id, &at);
    return at;
  }
  std::vector<int32_t> Align(bool horizontal, double spacing, int* moved = nullptr) {
    std::vector<int32_t> frames = FindLegendFrames(pool.entries());
    const D_DOT ref = SortLegendFrames(pool.entries(), frames, horizontal);
    const int n = MoveLegendFrames(pool, undo, frames, ref, spacing, horizontal);
    if (moved) *moved = n;
    return frames;
  }

  SelectionPool pool;
  GisUndo undo;
};

TEST_F(LegendAlignTest, FramesAreTheClosedLinesWithinTwoOfTheLargestOtherArea) {
  struct Case {
    const char* what;
    std::vector<std::vector<D_DOT>> lines;
    std::vector<int32_t> frames;
  };
  const std::vector<D_DOT> big = {{0, 0}, {12, 0}, {12, 8}, {0, 8}, {0, 0}};        // 96
  const std::vector<D_DOT> nearly = {{0, 0}, {12, 0}, {12, 7.9}, {0, 7.9}, {0, 0}}; // 94.8
  const std::vector<D_DOT> small = {{0, 0}, {12, 0}, {12, 7.8}, {0, 7.8}, {0, 0}};  // 93.6
  const std::vector<D_DOT> open = {{0, 0}, {13, 0}, {13, 9}, {0, 9}, {0, 1}};       // 117, not closed
  const std::vector<D_DOT> four = {{0, 0}, {20, 0}, {20, 20}, {0, 0}};              // too few vertices
  const std::vector<D_DOT> ajar = {{0, 0}, {12, 0}, {12, 8}, {0, 8}, {0, 1e-4}};
  const Case cases[] = {
      {"equal boxes", {big, big, big}, {0, 1, 2}},
      {"within 2", {big, nearly}, {0, 1}},
      {"more than 2 below", {big, small}, {0}},
      {"an open line outweighs", {big, open}, {}},
      {"short lines do not count", {small, four}, {0}},
      {"ends further apart than 1e-5", {ajar}, {}},
      {"one box alone", {small}, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BasClearWorkArea(lines_);
    pool.Clear();
    for (const auto& v : c.lines) pool.Add(Line(v));
    pool.Add(Point({1, 1}));
    EXPECT_EQ(FindLegendFrames(pool.entries()), c.frames);
  }
}

// Centres at x 50, 10 and 30 in pool order, spacing 25: x 10, 35, 60, all at
// the centre y of the last in pool order.
TEST_F(LegendAlignTest, HorizontalAndVerticalAlignmentLineFramesUpFromTheReference) {
  struct Case {
    bool horizontal;
    std::vector<D_DOT> centres;
    std::vector<D_DOT> after;
  };
  const Case cases[] = {
      {true, {{50, 5}, {10, 40}, {30, 20}}, {{60, 20}, {10, 20}, {35, 20}}},
      {false, {{5, 50}, {40, 10}, {20, 30}}, {{20, 50}, {20, 0}, {20, 25}}},
      {true, {{10, 0}, {10, 30}}, {{10, 30}, {35, 30}}},  // equal centres keep pool order
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.horizontal ? "horizontal" : "vertical");
    BasClearWorkArea(lines_);
    pool.Clear();
    std::vector<ENTITY_MSG> boxes;
    for (const D_DOT& p : c.centres) boxes.push_back(Box(p.x, p.y));
    for (const ENTITY_MSG& b : boxes) pool.Add(b);
    Align(c.horizontal, 25);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_DOUBLE_EQ(CentreOf(boxes[i]).x, c.after[i].x) << i;
      EXPECT_DOUBLE_EQ(CentreOf(boxes[i]).y, c.after[i].y) << i;
    }
  }
}

// What lies in a frame's rectangle widened by 1 moves with it, once; lines
// of a region area move only through their regions; undo puts all back.
TEST_F(LegendAlignTest, EachFrameCarriesWhatLiesInItOnceAndUndoPutsItBack) {
  const ENTITY_MSG a = Box(0, 0), b = Box(100, 50);
  const ENTITY_MSG edge = Point({6.9, 4.9});   // inside the widened box
  const ENTITY_MSG off = Point({7.1, 0});      // outside it
  const ENTITY_MSG inner = Line({{99, 49}, {101, 51}});
  const ENTITY_MSG across = Line({{0, 0}, {100, 50}});  // in neither
  const int32_t arc = Arc({{98, 48}, {102, 48}, {102, 52}, {98, 48}});
  const ENTITY_MSG region = Region({0, arc});
  for (const ENTITY_MSG& e : {a, b, edge, off, inner, across, region}) pool.Add(e);
  int moved = 0;
  Align(true, 30, &moved);
  // The row runs at the centre y of b, the last in pool order.
  EXPECT_EQ(moved, 5);
  EXPECT_DOUBLE_EQ(CentreOf(a).y, 50);
  EXPECT_DOUBLE_EQ(CentreOf(b).x, 30);
  EXPECT_DOUBLE_EQ(CentreOf(b).y, 50);
  EXPECT_DOUBLE_EQ(At(edge).y, 54.9);
  EXPECT_DOUBLE_EQ(At(off).y, 0);
  EXPECT_DOUBLE_EQ(CentreOf(inner).x, 30);
  EXPECT_DOUBLE_EQ(CentreOf(inner).y, 50);
  EXPECT_DOUBLE_EQ(CentreOf(across).x, 50);
  EXPECT_DOUBLE_EQ(CentreOf(region).x, 30);
  EXPECT_DOUBLE_EQ(CentreOf(region).y, 50);
  EXPECT_TRUE(pool.Contains({regions_, kLineEntity, arc}));  // for the undo record

  undo.Undo();
  EXPECT_DOUBLE_EQ(CentreOf(b).x, 100);
  EXPECT_DOUBLE_EQ(CentreOf(inner).x, 100);
  EXPECT_DOUBLE_EQ(CentreOf(region).x, 100);
}

TEST_F(LegendAlignTest, RegionsSharingAnArcMoveItOnce) {
  const ENTITY_MSG left = Box(0, 0), right = Box(40, 20);
  // Two squares side by side in the right box, sharing the arc x = 40.
  const int32_t shared = Arc({{40, 17}, {40, 23}});
  const int32_t west = Arc({{40, 23}, {36, 23}, {36, 17}, {40, 17}});
  const int32_t east = Arc({{40, 17}, {44, 17}, {44, 23}, {40, 23}});
  const ENTITY_MSG r1 = Region({0, shared, west});
  const ENTITY_MSG r2 = Region({0, -shared, east});
  for (const ENTITY_MSG& e : {right, left, r1, r2}) pool.Add(e);
  Align(false, 20);
  // The column runs at the centre x of the left box, the last in pool
  // order; the right box, topmost, moves to (0, 20).
  EXPECT_DOUBLE_EQ(CentreOf(right).x, 0);
  EXPECT_DOUBLE_EQ(CentreOf(right).y, 20);
  std::vector<D_DOT> v;
  BasReadLine(regions_, shared, &v, nullptr);
  EXPECT_EQ(v, (std::vector<D_DOT>{{0, 17}, {0, 23}}));
  EXPECT_DOUBLE_EQ(CentreOf(r1).x, -2);
  EXPECT_DOUBLE_EQ(CentreOf(r2).x, 2);
}

TEST_F(LegendAlignTest, WithoutFramesNothingMovesButTheUndoRecordIsTaken) {
  const ENTITY_MSG p = Point({3, 3});
  pool.Add(p);
  pool.Add(Line({{0, 0}, {5, 5}}));
  int moved = -1;
  EXPECT_TRUE(Align(true, 15, &moved).empty());
  EXPECT_EQ(moved, 0);
  EXPECT_EQ(undo.StepCount(), 1);
  EXPECT_DOUBLE_EQ(At(p).x, 3);
}

TEST(LegendSpacing, ASpacingThatWouldPutAFrameAtInfinityIsRefused) {
  const double huge = 1e308;
  const struct {
    D_DOT reference;
    std::size_t frames;
    double spacing;
    bool horizontal;
    bool fits;
  } cases[] = {
      {{10, 20}, 3, 15, true, true},
      {{10, 20}, 3, -15, false, true},
      {{10, 20}, 0, 15, true, true},
      {{10, 20}, 2, huge, true, true},
      {{10, 20}, 3, huge, true, false},
      {{10, 20}, 3, huge, false, false},
      {{-huge, 0}, 2, huge, true, true},
      {{huge, 0}, 2, huge, true, false},
      {{0, -huge}, 2, huge, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.frames << " frames, spacing " << c.spacing);
    EXPECT_EQ(LegendSpacingFits(c.reference, c.frames, c.spacing, c.horizontal), c.fits);
  }
}

}  // namespace
}  // namespace zv::annot

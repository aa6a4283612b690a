// Placing legend items: the grid, the frame and text of each box, refused
// sizes, the list text, the body scaled into the box, and one undo step for
// everything appended.
#include "annotation/core/legend_place.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/data/scratch_set.h"
#include "tests/annotation/core/dot_compare.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

// (column, row) of the first boxes of a layout.
std::vector<std::pair<int, int>> Cells(LegendLayout layout, int count) {
  std::vector<std::pair<int, int>> out;
  int32_t c = 0, r = 0;
  for (int i = 0; i < count; ++i) {
    out.emplace_back(c, r);
    AdvanceLegendCell(layout, c, r);
  }
  return out;
}

TEST(LegendGrid, BoxesFillAColumnOrARowAsTheLayoutSays) {
  LegendLayout column;  // the dialog's defaults: rows 1, columns 0
  const auto a = Cells(column, 102);
  EXPECT_EQ(a[99], std::make_pair(0, 99));
  EXPECT_EQ(a[100], std::make_pair(1, 0));
  EXPECT_EQ(a[101], std::make_pair(1, 1));

  LegendLayout row;
  row.rows = 0;
  row.columns = 0;
  EXPECT_EQ(Cells(row, 3), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}}));

  LegendLayout grid;
  grid.rows = 2;
  grid.columns = 3;
  EXPECT_EQ(Cells(grid, 8),
            (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}}));

  LegendLayout wide;
  wide.rows = 0;
  wide.columns = 3;
  int32_t c = 0, r = 0;
  AdvanceLegendCell(wide, c, r);
  EXPECT_EQ(wide.columns, 100);  // kept by the layout
}

class LegendPlaceTest : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    BasResetDefaultParams();
    for (int type : {kPointArea, kLineArea, kRegionArea}) item_[type == kPointArea ? 0 : type == kLineArea ? 1 : 2] = scratch_.Create(type);
  }
  void TearDown() override {
    BasResetDefaultParams();
    WorkAreasTest::TearDown();
  }
  LegendItemData Item(const char* number, const char* name, int32_t h = 8, int32_t w = 12, const char* note = "") {
    LegendItemData d;
    d.number = number;
    d.name = name;
    d.annotation = note;
    d.height = h;
    d.width = w;
    d.points = item_[0];
    d.lines = item_[1];
    d.regions = item_[2];
    return d;
  }
  LegendTargets Targets() const { return {points_, lines_, regions_}; }
  std::vector<D_DOT> Line(int32_t id) const {
    std::vector<D_DOT> v;
    BasReadLine(lines_, id, &v, nullptr);
    return v;
  }
  std::string Text(int32_t id, D_DOT* at = nullptr, PNT_INFO* info = nullptr) const {
    std::string s;
    BasReadPoint(points_, id, at, &s, info);
    return s;
  }

  ScratchSet scratch_;
  WorkAreaHandle item_[3] = {};
};

TEST_F(LegendPlaceTest, AnItemOfTheBoxSizeKeepsItsSizeWithItsFrameAndTextBeside) {
  LegendLayout layout;
  LegendPlacement placement(layout, Targets(), {100, 200});
  std::string message;
  ASSERT_TRUE(placement.Place(Item("0003", "砂岩"), 0, &message));
  placement.Finish();
  EXPECT_EQ(Line(1), (std::vector<D_DOT>{{94, 204}, {106, 204}, {106, 196}, {94, 196}, {94, 204}}));
  LIN_INFO frame;
  BasReadLine(lines_, 1, nullptr, &frame);
  EXPECT_EQ(frame.Get<int16_t>(0), 1);
  EXPECT_EQ(frame.Get<int32_t>(4), 1);
  EXPECT_FLOAT_EQ(frame.Get<float>(8), 0.2f);
  EXPECT_EQ(frame.Get<uint8_t>(12), 0);
  D_DOT at{};
  PNT_INFO text;
  EXPECT_EQ(Text(1, &at, &text), "砂岩");
  EXPECT_DOUBLE_EQ(at.x, 109);
  EXPECT_DOUBLE_EQ(at.y, 198);
  EXPECT_FLOAT_EQ(text.Get<float>(2), 4);
  EXPECT_FLOAT_EQ(text.Get<float>(6), 4);
  EXPECT_FLOAT_EQ(text.Get<float>(10), 0);
  EXPECT_FLOAT_EQ(text.Get<float>(14), 0);
  EXPECT_EQ(text.Get<uint8_t>(23), 0);
  // The default text parameters keep the change.
  EXPECT_EQ(*BasGetDefaultPointParam(0), text);
}

// An item refused for its size uses no cell: the next takes it. The texts
// give the annotation, else the name.
TEST_F(LegendPlaceTest, RefusedSizesAreToldAndLeaveTheirCellToTheNextItem) {
  struct Case {
    int32_t h, w;
    const char* message;
  };
  const Case cases[] = {
      {60, 12, "0007  图例高度有问题，请修改。"}, {1, 12, "0007  图例高度有问题，请修改。"},
      {8, 0, "0007  图例宽度有问题，请修改。"},  {8, 51, "0007  图例宽度有问题，请修改。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    LegendLayout layout;
    layout.rows = 0;
    LegendPlacement placement(layout, Targets(), {0, 0});
    std::string message;
    EXPECT_FALSE(placement.Place(Item("0007", "x", c.h, c.w), 0, &message));
    EXPECT_EQ(message, c.message);
    EXPECT_TRUE(placement.ids().lines.empty());
    ASSERT_TRUE(placement.Place(Item("0008", "y", 50, 2, "注"), 1, &message));
    EXPECT_EQ(Line(placement.ids().lines[0])[0].x, -6);  // the first cell
    EXPECT_EQ(Text(placement.ids().points[0]), "注");
  }
}

TEST_F(LegendPlaceTest, TextsDrawnApartNumberTheBoxesAndListThemBelowTheGrid) {
  LegendLayout layout;
  layout.textMode = 0;
  layout.rows = 2;
  layout.columns = 1;
  layout.spaceX = 10;
  LegendPlacement placement(layout, Targets(), {50, 100});
  std::string message;
  ASSERT_TRUE(placement.Place(Item("0001", "A"), 0, &message));
  ASSERT_TRUE(placement.Place(Item("0002", "B"), 1, &message));
  placement.Finish();
  EXPECT_EQ(placement.listText(), "1、A 2、B ");
  const auto& points = placement.ids().points;
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(Text(points[0]), "1");
  EXPECT_EQ(Text(points[1]), "2");
  D_DOT at{};
  PNT_INFO block;
  EXPECT_EQ(Text(points[2], &at, &block), "1、A 2、B ");
  // Below the second box (centre y 100 − 13): 8 + 5 lower, from the grid's left edge.
  EXPECT_DOUBLE_EQ(at.x, 44);
  EXPECT_DOUBLE_EQ(at.y, 87 - 8 - 5);
  EXPECT_FLOAT_EQ(block.Get<float>(2), 3);
  EXPECT_FLOAT_EQ(block.Get<float>(6), 3);
  EXPECT_FLOAT_EQ(block.Get<float>(23), 2);
  EXPECT_FLOAT_EQ(block.Get<float>(27), 12);  // |(12 + 10) × 1 − 10|
  EXPECT_FLOAT_EQ(block.Get<float>(31), 10);
  EXPECT_EQ(*BasGetDefaultPointParam(5), block);
}

TEST_F(LegendPlaceTest, WithNoBoxUsedTheListTextStandsBelowTheClickedPoint) {
  LegendLayout layout;
  LegendPlacement placement(layout, Targets(), {50, 100});
  std::string message;
  EXPECT_FALSE(placement.Place(Item("0001", "A", 0, 0), 0, &message));
  placement.Finish();
  D_DOT at{};
  ASSERT_EQ(placement.ids().points.size(), 1u);
  EXPECT_EQ(Text(placement.ids().points[0], &at), "");  // texts beside the boxes: the list is empty
  EXPECT_DOUBLE_EQ(at.x, 44);
  EXPECT_DOUBLE_EQ(at.y, 100 - 8 - 5);
}

// An item 24 × 16 drawn in a box 12 × 4: sx 0.5, sy 0.25.
TEST_F(LegendPlaceTest, TheBodyIsScaledIntoItsBoxWithPointSizesByKind) {
  const LIN_INFO li;
  PNT_INFO sub;
  sub.setKind(1);
  sub.Set<float>(6, 4.0f);
  sub.Set<float>(10, 4.0f);
  BasAppendPoint(item_[0], {4, 8}, "", sub);
  PNT_INFO circle;
  circle.setKind(2);
  circle.Set<double>(2, 4.0);
  BasAppendPoint(item_[0], {0, 0}, "", circle);
  PNT_INFO text;
  text.setKind(5);
  text.Set<float>(2, 4.0f);
  text.Set<float>(6, 4.0f);
  text.Set<float>(23, 4.0f);
  BasAppendPoint(item_[0], {0, 0}, "t", text);
  BasAppendLine(item_[1], {{-12, -8}, {12, 8}}, li);
  const int32_t a = BasAppendLine(item_[2], {{0, 0}, {4, 0}, {4, 4}}, li);
  const int32_t b = BasAppendLine(item_[2], {{0, 0}, {0, 4}, {4, 4}}, li);
  BasAppendRegion(item_[2], {0, a, -b}, REG_INFO{});

  LegendLayout layout;
  layout.height = 4;
  LegendPlacement placement(layout, Targets(), {100, 100});
  std::string message;
  ASSERT_TRUE(placement.Place(Item("0001", "A", 16, 24), 0, &message));
  const PlacedLegendIds& ids = placement.ids();
  ASSERT_EQ(ids.points.size(), 4u);
  D_DOT at{};
  PNT_INFO got;
  Text(ids.points[1], &at, &got);
  EXPECT_DOUBLE_EQ(at.x, 102);
  EXPECT_DOUBLE_EQ(at.y, 102);
  EXPECT_FLOAT_EQ(got.Get<float>(10), 2.0f);  // × sx
  EXPECT_FLOAT_EQ(got.Get<float>(6), 1.0f);   // × sy
  Text(ids.points[2], &at, &got);
  EXPECT_DOUBLE_EQ(got.Get<double>(2), 4.0 * 0.375);  // × (sx + sy) / 2
  Text(ids.points[3], &at, &got);
  EXPECT_FLOAT_EQ(got.Get<float>(6), 2.0f);
  EXPECT_FLOAT_EQ(got.Get<float>(2), 1.0f);
  EXPECT_FLOAT_EQ(got.Get<float>(23), 4.0f);  // not a size here
  ASSERT_EQ(ids.lines.size(), 2u);
  EXPECT_EQ(Line(ids.lines[1]), (std::vector<D_DOT>{{94, 98}, {106, 102}}));
  ASSERT_EQ(ids.arcs.size(), 2u);
  ASSERT_EQ(ids.regions.size(), 1u);
  std::vector<int32_t> arcs;
  ASSERT_TRUE(BasReadRegion(regions_, ids.regions[0], &arcs, nullptr));
  EXPECT_EQ(std::vector<int32_t>(arcs.begin() + 1, arcs.end()), (std::vector<int32_t>{ids.arcs[0], -ids.arcs[1]}));
  std::vector<D_DOT> v;
  BasReadLine(regions_, ids.arcs[0], &v, nullptr);
  EXPECT_EQ(v, (std::vector<D_DOT>{{100, 100}, {102, 100}, {102, 101}}));
}

TEST_F(LegendPlaceTest, FifteenHundredItemsAreUndoneInOneStep) {
  const LIN_INFO li;
  BasAppendPoint(item_[0], {1, 1}, "p", PNT_INFO{});
  BasAppendLine(item_[1], {{-1, -1}, {1, 1}}, li);
  const int32_t a = BasAppendLine(item_[2], {{0, 0}, {2, 0}, {2, 2}, {0, 0}}, li);
  BasAppendRegion(item_[2], {0, a}, REG_INFO{});
  LegendLayout layout;
  GisUndo undo;
  undo.BeginStep();
  LegendPlacement placement(layout, Targets(), {0, 0});
  std::string message;
  for (int i = 0; i < 1500; ++i) ASSERT_TRUE(placement.Place(Item("0001", "A"), i, &message));
  placement.Finish();
  PushPlacedLegends(undo, Targets(), placement.ids());
  undo.EndStep();
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 3000);
  BasGetRegionCount(regions_, &live, &bound);
  EXPECT_EQ(live, 1500);
  EXPECT_EQ(undo.StepCount(), 1);
  undo.Undo();
  for (WorkAreaHandle area : {points_, lines_, regions_}) EXPECT_TRUE(BasIsWorkAreaEmpty(area)) << area;
  BasGetLineCount(regions_, &live, &bound);
  EXPECT_EQ(live, 0);  // the arcs too
}

}  // namespace
}  // namespace zv::annot

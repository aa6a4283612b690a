// Deleting patterns (modes −8 and 8): what the tag and the inside test
// select, as one table over one map, and the undo.
#include <gtest/gtest.h>

#include "annotation/core/pattern_tag.h"
#include "annotation/tool/annot_commands.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"

namespace zv::annot {
namespace {

class AnnotDeleteTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    RegisterAnnotCommands();
    ASSERT_TRUE(EnsurePatternTag(lin, kLineEntity));
    ASSERT_TRUE(EnsurePatternTag(pnt, kPointEntity));
    ASSERT_TRUE(EnsurePatternTag(reg, kRegionEntity));
  }
  static std::vector<D_DOT> Square(double x, double y, double size) {
    return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}};
  }
  int32_t Line(std::vector<D_DOT> v, int32_t tag) {
    const int32_t id = AddLine(std::move(v));
    if (tag) WritePatternTag(lin, kLineEntity, id, tag);
    return id;
  }
  int32_t Region(double x, double y, double size, int32_t tag) {
    const int32_t arc = AddLine(Square(x, y, size), reg);
    const int32_t id = BasAppendRegion(reg, {0, arc}, REG_INFO{});
    if (tag) WritePatternTag(reg, kRegionEntity, id, tag);
    return id;
  }
  int32_t Point(D_DOT at, int32_t tag) {
    const int32_t id = AddPoint(at);
    WritePatternTag(pnt, kPointEntity, id, tag);
    return id;
  }
  void RunOn(int16_t mode, ENTITY_MSG selected) {
    view->ClearPool();
    view->AddToPool(&selected, 1);
    ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", mode, false, 0));
  }
  bool Live(WorkAreaHandle area, int type, int32_t id) const { return BasIsEntityLive(area, type, id) != 0; }
};

TEST_F(AnnotDeleteTest, ARegionsPatternIsWhatCarriesItsIdAndLiesInsideIt) {
  const int32_t region = Region(0, 0, 100, 0);
  const int32_t otherRegion = Region(200, 0, 50, 0);
  struct Entity {
    const char* name;
    WorkAreaHandle area;
    int type;
    int32_t id;
    bool deleted;
  };
  const int32_t patternRegion = Region(10, 10, 20, region);
  std::vector<int32_t> arcs;
  BasReadRegion(reg, patternRegion, &arcs, nullptr);
  const Entity table[] = {
      {"a tagged line inside", lin, kLineEntity, Line({{10, 50}, {90, 50}}, region), true},
      {"a line touching the outline from inside", lin, kLineEntity, Line({{0, 60}, {100, 60}}, region), true},
      {"a tagged line moved outside", lin, kLineEntity, Line({{110, 50}, {190, 50}}, region), false},
      {"a tagged line leaving the region", lin, kLineEntity, Line({{50, 50}, {150, 50}}, region), false},
      {"an untagged line inside", lin, kLineEntity, Line({{10, 40}, {90, 40}}, 0), false},
      {"a line tagged for another id", lin, kLineEntity, Line({{10, 30}, {90, 30}}, otherRegion), false},
      {"a tagged point inside", pnt, kPointEntity, Point({50, 80}, region), true},
      {"a tagged point outside", pnt, kPointEntity, Point({150, 80}, region), false},
      {"a tagged region inside", reg, kRegionEntity, patternRegion, true},
      {"its arc", reg, kLineEntity, arcs[1], true},
      {"the selected region itself", reg, kRegionEntity, region, false},
      {"the other region", reg, kRegionEntity, otherRegion, false},
  };
  RunOn(-8, {reg, kRegionEntity, region});
  for (const Entity& e : table) EXPECT_EQ(Live(e.area, e.type, e.id), !e.deleted) << e.name;
  // One undo brings every pattern entity back.
  view->Undo();
  for (const Entity& e : table) EXPECT_TRUE(Live(e.area, e.type, e.id)) << e.name;
}

TEST_F(AnnotDeleteTest, ALinesPatternNeverIncludesTheLineItselfAndTheTrendTagNeedsId10000) {
  const int32_t outline = Line(Square(0, 0, 100), 0);
  WritePatternTag(lin, kLineEntity, outline, outline);  // tagged with its own id, and inside itself
  const int32_t inside = Line({{10, 50}, {90, 50}}, outline);
  const int32_t trend = Line({{10, 20}, {90, 20}}, 10000);
  RunOn(8, {lin, kLineEntity, outline});
  EXPECT_TRUE(Live(lin, kLineEntity, outline));
  EXPECT_FALSE(Live(lin, kLineEntity, inside));
  EXPECT_TRUE(Live(lin, kLineEntity, trend));

  // An outline whose id is 10000 takes the trend patterns with it.
  while (BasAppendDeletedId(lin, kLineEntity) < 9999) {
  }
  const int32_t big = Line(Square(0, 0, 100), 0);
  ASSERT_EQ(big, 10000);
  RunOn(8, {lin, kLineEntity, big});
  EXPECT_FALSE(Live(lin, kLineEntity, trend));
  // A region selected in a line mode is not a line: nothing happens.
  const int32_t region = Region(0, 0, 100, 0);
  const int32_t tagged = Line({{10, 60}, {90, 60}}, region);
  RunOn(8, {reg, kRegionEntity, region});
  EXPECT_TRUE(Live(lin, kLineEntity, tagged));
}

}  // namespace
}  // namespace zv::annot

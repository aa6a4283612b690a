#include "tools/clip/core/split_regions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/data/geometry.h"
#include "tests/annotation/core/dot_compare.h"
#include "tests/platform/data/area_probes.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::tools {
namespace {

using Polyline = std::vector<D_DOT>;

class SplitRegionsTest : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    BasResetDefaultParams();
  }
  int32_t Arc(Polyline v) {
    LIN_INFO info;
    info.setColour(3);
    return BasAppendLine(regions_, v, info);
  }
  int32_t Region(std::vector<int32_t> arcs) {
    REG_INFO info;
    info.setFillColour(7);
    arcs.insert(arcs.begin(), 0);
    return BasAppendRegion(regions_, arcs, info);
  }
  // Two squares side by side sharing the arc x = 10, the left one with a
  // hole from (2, 2) to (4, 4), and a free arc of the user's.
  void TwoSquaresAndAFreeArc() {
    const int32_t shared = Arc({{10, 0}, {10, 10}});
    const int32_t left = Arc({{10, 10}, {0, 10}, {0, 0}, {10, 0}});
    const int32_t right = Arc({{10, 0}, {20, 0}, {20, 10}, {10, 10}});
    const int32_t hole = Arc({{2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}});
    Region({left, shared, 0, hole});
    Region({right, -shared});
    free_ = Arc({{5, 20}, {15, 20}});
  }
  std::vector<int32_t> Live(int type) { return test::LiveIds(regions_, type); }
  double TotalArea() {
    double sum = 0;
    for (const int32_t id : Live(kRegionEntity)) sum += BasRegionArea(regions_, id);
    return sum;
  }
  // Everything of the live entities: geometry, parameters, records, order.
  std::string Dump() {
    std::string out;
    char buf[64];
    auto bytes = [&](const uint8_t* data, std::size_t n) {
      for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02x", data[i]);
        out += buf;
      }
      out += '\n';
    };
    for (const int type : {kLineEntity, kRegionEntity}) {
      for (const int32_t id : BasGetDisplayOrder(regions_, type)) {
        out += std::to_string(type) + ":" + std::to_string(id) + " ";
        if (type == kLineEntity) {
          Polyline v;
          LIN_INFO info;
          BasReadLine(regions_, id, &v, &info);
          for (const D_DOT& p : v) {
            std::snprintf(buf, sizeof buf, "(%.17g %.17g)", p.x, p.y);
            out += buf;
          }
          bytes(info.data(), LIN_INFO::kSize);
        } else {
          std::vector<int32_t> arcs;
          REG_INFO info;
          BasReadRegion(regions_, id, &arcs, &info);
          for (const int32_t a : arcs) out += std::to_string(a) + ",";
          bytes(info.data(), REG_INFO::kSize);
        }
        AttributeRecord record;
        if (BasReadAttribute(regions_, type, id, &record)) bytes(record.bytes.data(), record.bytes.size());
      }
    }
    return out;
  }

  GisUndo undo_;
  int32_t free_ = 0;
};

TEST_F(SplitRegionsTest, ALineThroughTwoRegionsAndAHoleSplitsBothKeepsTheFreeArcAndUndoesAsOneStep) {
  TwoSquaresAndAFreeArc();
  const std::string before = Dump();
  const double area = TotalArea();
  undo_.BeginStep();
  const TopoEditOutcome outcome = SplitRegions(undo_, regions_, {{-1, 3}, {25, 3}});
  undo_.EndStep();
  EXPECT_EQ(outcome.changed, 2);
  EXPECT_TRUE(outcome.error.empty());
  EXPECT_EQ(Live(kRegionEntity).size(), 4u);
  EXPECT_NEAR(TotalArea(), area, 1e-9);
  // Through the hole: the left square's pieces each hold half of it as a notch.
  EXPECT_NEAR(BasRegionArea(regions_, 1), 70 - 2, 1e-9);
  // Every arc bounds a region, but for the user's free arc, which stays.
  const std::vector<ArcSides> sides = BasComputeArcTopology(regions_);
  for (const int32_t id : Live(kLineEntity)) {
    const bool bounds = sides[static_cast<std::size_t>(id)].left != 0 || sides[static_cast<std::size_t>(id)].right != 0;
    EXPECT_EQ(bounds, id != free_) << "arc " << id;
  }
  Polyline v;
  ASSERT_EQ(BasReadLine(regions_, free_, &v, nullptr), 1);
  EXPECT_EQ(v, (Polyline{{5, 20}, {15, 20}}));

  EXPECT_EQ(undo_.StepCount(), 1);
  undo_.Undo();
  EXPECT_EQ(Dump(), before);
}

TEST_F(SplitRegionsTest, LinesThatCutNothingThroughChangeNothingAndRecordNothing) {
  TwoSquaresAndAFreeArc();
  const std::string before = Dump();
  const Polyline cases[] = {{{5, 5}}, {{-5, 5}, {5, 5}}, {{30, 0}, {30, 10}}, {}};
  for (const Polyline& line : cases) {
    EXPECT_EQ(SplitRegions(undo_, regions_, line).changed, 0);
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(undo_.IsEmpty());
  }
  EXPECT_EQ(SplitRegions(undo_, lines_, {{0, 0}, {1, 1}}).changed, 0);
}

TEST_F(SplitRegionsTest, ASelfCrossingArcIsCutAsOneUndoStep) {
  const int32_t arc = Arc({{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}});
  Region({arc});
  Region({-arc});
  const std::string before = Dump();
  undo_.BeginStep();
  const TopoEditOutcome outcome = CutSelfCrossings(undo_, regions_, arc);
  undo_.EndStep();
  EXPECT_EQ(outcome.changed, 1);
  EXPECT_EQ(Live(kLineEntity).size(), 3u);
  EXPECT_EQ(undo_.StepCount(), 1);
  undo_.Undo();
  EXPECT_EQ(Dump(), before);
}

}  // namespace
}  // namespace zv::tools

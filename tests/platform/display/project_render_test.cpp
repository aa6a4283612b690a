#include <gtest/gtest.h>

#include <filesystem>

#include "platform/display/project_renderer.h"
#include "tests/platform/display/golden.h"
#include "tests/support/test_env.h"

namespace zv::display {
namespace {

// Three region items, each one filled square over the same spot.
class ProjectRender : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string folder = zv::test::TempRoot() + "/project";
    std::filesystem::create_directories(folder);
    project_ = PrjCreate(0);
    ASSERT_TRUE(PrjSetPath(project_, folder + "/map.mpj"));
    for (long colour : {6L, 2L, 5L}) {
      const int item = PrjAddItem(project_, folder + "/r" + std::to_string(colour) + ".wp");
      ASSERT_GE(item, 0);
      Square(PrjGetItemArea(project_, item), colour);
    }
  }
  void TearDown() override { PrjClose(project_); }

  static void Square(WorkAreaHandle area, long colour) {
    LIN_INFO arc;
    arc.setStyle(0);
    const int32_t id = BasAppendLine(area, {{5, 5}, {45, 5}, {45, 45}, {5, 45}, {5, 5}}, arc);
    REG_INFO info;
    info.setFillColour(colour);
    ASSERT_NE(BasAppendRegion(area, std::vector<int32_t>{0, id}, info), 0);
  }

  // The colour drawn at map (25, 25), 2 pixels per map unit.
  QRgb CentreAtScale2() {
    QImage image = zv::test::BlankImage(100, 100);
    KernelDriver driver(image);
    driver.SetWindow(0, 0, 2.0);
    DrawProject(driver, *project_);
    return image.pixel(50, 50);
  }

  MapProject* project_ = nullptr;
};

TEST_F(ProjectRender, ItemsDrawInItemOrderLeavingOutHiddenAndOutOfScaleItems) {
  PrjSetItemState(project_, 2, kItemHidden);
  struct Case {
    const char* what;
    uint8_t state;
    double minimum, maximum;
    long expected;
  } cases[] = {
      {"shown, no range: the later item covers", kItemShown, 0, 0, 2},
      {"current items draw too", kItemCurrent, 0, 0, 2},
      {"hidden", kItemHidden, 0, 0, 6},
      {"scale below the minimum", kItemShown, 3, 0, 6},
      {"scale above the maximum", kItemShown, 0, 1, 6},
      {"scale inside the range", kItemShown, 1, 4, 2},
      {"bounds are inclusive", kItemShown, 2, 2, 2},
  };
  for (const Case& c : cases) {
    PrjSetItemState(project_, 1, c.state);
    PrjSetItemScaleRange(project_, 1, c.minimum, c.maximum);
    EXPECT_EQ(CentreAtScale2(), zv::test::LibraryRgb(c.expected)) << c.what;
  }
}

TEST_F(ProjectRender, AreasAtScaleFollowTheSameRules) {
  PrjSetItemScaleRange(project_, 0, 5, 10);
  PrjSetItemState(project_, 2, kItemHidden);
  const WorkAreaHandle second = PrjGetItemArea(project_, 1);
  EXPECT_EQ(ProjectAreasAtScale(project_, 2), std::vector<WorkAreaHandle>{second});
  EXPECT_EQ(ProjectAreasAtScale(project_, 7), (std::vector<WorkAreaHandle>{PrjGetItemArea(project_, 0), second}));
  EXPECT_TRUE(ProjectAreasAtScale(nullptr, 1).empty());
  EXPECT_FALSE(ItemShownAtScale(project_, 99, 1));
}

}  // namespace
}  // namespace zv::display

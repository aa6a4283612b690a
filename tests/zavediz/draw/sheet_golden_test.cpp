// A whole straight-section sheet rendered offscreen: end posts and base
// line, plan strip with its caption and end labels, double frame, title
// block, legend column, grid ticks and lines, elevation lines and labels,
// and the ground line over its filled overburden, cut open by a trench.
#include <gtest/gtest.h>

#include "platform/display/work_area_renderer.h"
#include "section_fixture.h"
#include "tests/platform/display/golden.h"
#include "tests/support/work_areas_fixture.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/zavediz_drawing.h"

namespace zv::zavediz {
namespace {

using SheetGolden = zv::test::WorkAreasTest;

TEST_F(SheetGolden, StraightSectionSheet) {
  BasResetDefaultParams();
  SectionData data;
  test::FillStraightSection(data);
  data.trenches[0] = DesignTrenchRec{true, "TC1", 240.0, 0, 270.0, 0, 0, 0, 0, 0, 359.0, 357.0, 30.0};
  ASSERT_EQ(CutZavediz(data, 2, 30.0).operation, kDrawStraight);
  SheetOptions options;
  options.groundData = 6.0;
  std::vector<std::string> told;
  ASSERT_TRUE(DrawZavedizSheet(kDrawStraight, data, {lines_, points_, regions_}, options,
                               [&](const std::string& m) { told.push_back(m); }));
  EXPECT_TRUE(told.empty());

  // The sheet spans x −31 … 631 and y 119 … 418 mm: 1.5 pixels per mm.
  QImage image = zv::test::BlankImage(1040, 470);
  display::KernelDriver driver(image);
  driver.SetWindow(-40, 110, 1.5);
  for (WorkAreaHandle area : {regions_, lines_, points_}) {
    display::WorkAreaRenderer renderer(area);
    renderer.Draw(driver);
  }
  std::string report;
  EXPECT_TRUE(zv::test::MatchesGolden(image, "zavediz_straight_section", &report)) << report;
}

}  // namespace
}  // namespace zv::zavediz

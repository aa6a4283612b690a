#include "tools/frame/frame_labels.h"

#include <gtest/gtest.h>

namespace zv::frame {
namespace {

TEST(FrameLabels, KilometresSplitTwoCharactersBeforeThePoint) {
  const struct {
    const char* text;
    const char* small;
    const char* large;
  } cases[] = {
      {"2863.651", "28", "63.651"}, {"621.387", "6", "21.387"}, {"2866", "28", "66"},
      {"21.5", "", "21.5"},         {"5.3", "", "5.3"},         {"", "", ""},
  };
  for (const auto& c : cases) {
    const SplitLabel label = SplitKilometres(c.text);
    EXPECT_EQ(label.small, c.small) << c.text;
    EXPECT_EQ(label.large, c.large) << c.text;
  }
}

TEST(FrameLabels, GridLabelsShowAsManyDecimalsAsTheStepNeeds) {
  EXPECT_EQ(GridDecimals(0.5), 1);
  EXPECT_EQ(GridDecimals(1.0), 1);
  EXPECT_EQ(GridDecimals(0.3), 1);
  EXPECT_EQ(GridDecimals(0.25), 2);
  EXPECT_EQ(GridDecimals(0.1234), 4);
  EXPECT_EQ(GridDecimals(1.0 / 3.0), 6);
  EXPECT_EQ(GridLabel(2864.0, 1), "64.0");
  EXPECT_EQ(GridLabel(2864.25, 2), "64.25");
  EXPECT_EQ(GridLabel(2864.1000000000004, 1), "64.1");
}

TEST(FrameLabels, PackedAnglesGetTheirSigns) {
  EXPECT_EQ(FormatDms("1170315"), "117°03′15″");
  EXPECT_EQ(FormatDms("254400"), "25°44′00″");
  EXPECT_EQ(FormatDms("1170315.5"), "117°03′15.5″");
  EXPECT_EQ(FormatDms("315"), "°3′15″");
  const SplitLabel latitude = SplitAfterDegrees(FormatDms("254400"));
  EXPECT_EQ(latitude.small, "25°");
  EXPECT_EQ(latitude.large, "44′00″");
}

}  // namespace
}  // namespace zv::frame

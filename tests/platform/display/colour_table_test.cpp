#include <gtest/gtest.h>

#include <set>

#include "platform/display/system_library.h"

namespace zv::display {
namespace {

TEST(ColourTable, EveryShippedColourRoundTripsAndHasValidKcmy) {
  const SystemLibrary library = SystemLibrary::Load(DefaultLibraryFolder());
  const ColourTable& table = library.Colours();
  ASSERT_GE(table.Count(), 501);
  std::set<std::tuple<int, int, int>> seen;
  for (int n = 1; n < table.Count(); ++n) {
    ASSERT_TRUE(table.Has(n)) << n;
    const Rgb rgb = table.ToRgb(n);
    // Only the background white 15 repeats a colour: white 9, which being
    // the lower number is the one nearest to white.
    EXPECT_EQ(seen.insert({rgb.r, rgb.g, rgb.b}).second, n != 15) << "colour " << n << " repeats an RGB";
    EXPECT_EQ(table.Nearest(rgb), n == 15 ? 9 : n);
    const Kcmy kcmy = table.ToKcmy(n);
    for (int v : {kcmy.k, kcmy.c, kcmy.m, kcmy.y}) {
      EXPECT_GE(v, 0) << n;
      EXPECT_LE(v, 255) << n;
    }
    EXPECT_EQ(kcmy.k, 255 - std::max({rgb.r, rgb.g, rgb.b})) << n;
  }
}

TEST(ColourTable, NumbersTheProgramUsesHaveFittingColours) {
  const SystemLibrary library = SystemLibrary::Load(DefaultLibraryFolder());
  const ColourTable& table = library.Colours();
  EXPECT_EQ(table.ToRgb(1), (Rgb{0, 0, 0}));          // outlines and texts
  EXPECT_EQ(table.ToRgb(9), (Rgb{255, 255, 255}));    // white fills, the hatch samples' background
  EXPECT_EQ(table.ToRgb(15), (Rgb{255, 255, 255}));   // view and sample-grid backgrounds
  EXPECT_EQ(table.Nearest({255, 255, 255}), 9);       // DXF white and black import through 9 as 1
  EXPECT_EQ(table.Nearest({250, 250, 250}), 9);
  EXPECT_EQ(table.Nearest({0, 0, 0}), 1);
  const Rgb overlay = table.ToRgb(6);
  EXPECT_GT(overlay.r, 200);                          // section line stands out in red
  EXPECT_LT(overlay.g + overlay.b, 100);
  for (long pale : {128L}) {                          // overburden
    const Rgb c = table.ToRgb(pale);
    EXPECT_GT(c.r + c.g + c.b, 600) << pale;
  }
  const Rgb oreRed = table.ToRgb(175);
  EXPECT_GT(oreRed.r, oreRed.g + 100);
}

TEST(ColourTable, KcmyComesInTheOrderKCMY) {
  struct Case {
    Rgb rgb;
    Kcmy expected;
  };
  const Case cases[] = {
      {{255, 0, 0}, {0, 0, 255, 255}},    // red: magenta and yellow
      {{0, 0, 255}, {0, 255, 255, 0}},    // blue: cyan and magenta
      {{0, 0, 0}, {255, 0, 0, 0}},        // black: K only
      {{255, 255, 255}, {0, 0, 0, 0}},
      {{128, 128, 128}, {127, 0, 0, 0}},  // grey: K only
  };
  for (const auto& c : cases) {
    const Kcmy got = RgbToKcmy(c.rgb);
    EXPECT_EQ(got.k, c.expected.k);
    EXPECT_EQ(got.c, c.expected.c);
    EXPECT_EQ(got.m, c.expected.m);
    EXPECT_EQ(got.y, c.expected.y);
  }
}

TEST(ColourTable, NearestPicksTheClosestAndUnknownNumbersAreBlack) {
  const auto table = ColourTable::Parse("ZVCOLOR 1\n1 0 0 0\n2 250 0 0\n4 0 0 250\n", nullptr);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Count(), 5);
  EXPECT_EQ(table->Nearest({200, 10, 10}), 2);
  EXPECT_EQ(table->Nearest({0, 0, 200}), 4);
  EXPECT_FALSE(table->Has(3));
  EXPECT_EQ(table->ToRgb(3), (Rgb{0, 0, 0}));
  EXPECT_EQ(table->ToRgb(99), (Rgb{0, 0, 0}));
  EXPECT_EQ(table->ToRgb(0), (Rgb{255, 255, 255}));
}

TEST(ColourTable, MalformedTextIsRefusedWithAReason) {
  for (const char* text : {"", "1 0 0 0\n", "ZVCOLOR 1\n", "ZVCOLOR 1\n1 0 0\n", "ZVCOLOR 1\n1 256 0 0\n",
                           "ZVCOLOR 1\n0 1 1 1\n", "ZVCOLOR 1\n40000 1 1 1\n", "ZVCOLOR 1\n1 -1 0 0\n",
                           "ZVCOLOR 1\n1 a 0 0\n"}) {
    std::string error;
    EXPECT_FALSE(ColourTable::Parse(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

}  // namespace
}  // namespace zv::display

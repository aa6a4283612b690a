#include <gtest/gtest.h>

#include "platform/display/entity_display.h"
#include "platform/display/symbol_painter.h"
#include "platform/display/text_measure.h"
#include "platform/display/text_painter.h"
#include "tests/platform/display/golden.h"
#include "tests/support/test_env.h"

namespace zv::display {
namespace {

// Draws into a white image through the shipped library, `factor` pixels per
// map unit with the map origin at the lower left corner.
template <typename Draw>
QImage Render(int width, int height, double factor, Draw draw,
              const SystemLibrary& library = CurrentLibrary()) {
  QImage image = zv::test::BlankImage(width, height);
  KernelDriver driver(image, library);
  driver.SetWindow(0, 0, factor);
  draw(driver);
  return image;
}

void ExpectGolden(const QImage& image, const std::string& name) {
  std::string report;
  EXPECT_TRUE(zv::test::MatchesGolden(image, name, &report)) << name << ": " << report;
}

TEST(Render, GoldenText) {
  ExpectGolden(Render(160, 60, 4.0,
                      [](KernelDriver& d) {
                        TextStyle style;
                        style.height = 6;
                        style.width = 6;
                        style.spacing = 0.5;
                        DrawText(d, 2, 8, "砂岩K#+2", style, 1, 1);
                        style.slant = 1;
                        style.angle = 10;
                        DrawText(d, 2, 1, "黑体ab", style, 6, 3);
                      }),
               "text");
}

TEST(Render, GoldenSubgraphs) {
  ExpectGolden(Render(200, 50, 5.0,
                      [](KernelDriver& d) {
                        long numbers[] = {3, 21, 127, 319, 502, 1011, 1016, 11};
                        for (int i = 0; i < 8; ++i)
                          DrawSubgraph(d, 2.5 + i * 5, 5, {numbers[i], 4.0, 4.0, i == 7 ? 30.0 : 0.0, i == 0 ? 46 : 1});
                      }),
               "subgraphs");
}

TEST(Render, GoldenLines) {
  ExpectGolden(Render(160, 100, 4.0,
                      [](KernelDriver& d) {
                        DrawStyledLine(d, {{2, 22}, {38, 22}}, {2, 0, 0.3, 1, 4.0, 4.0, false});       // dashed
                        DrawStyledLine(d, {{2, 15}, {20, 19}, {38, 15}}, {7, 0, 0.2, 6, 3.0, 3.0, false});  // teeth
                        DrawStyledLine(d, {{2, 3}, {12, 11}, {26, 3}, {38, 10}}, {1, 0, 0.3, 2, 4.0, 4.0, true});
                      }),
               "lines");
}

TEST(Render, GoldenPatternedRegionWithAHole) {
  ExpectGolden(Render(120, 100, 4.0,
                      [](KernelDriver& d) {
                        const std::vector<std::vector<QPointF>> rings = {
                            {{2, 2}, {28, 2}, {28, 23}, {2, 23}},
                            {{10, 8}, {20, 8}, {20, 16}, {10, 16}},
                        };
                        FillRegion(d, rings, {9, 6, 4.0, 5.0, 13});
                      }),
               "region");
}

TEST(Render, LineTypeZeroDrawsNothingAndOtherTypesDraw) {
  const auto draw = [](int type) {
    return Render(40, 40, 4.0, [&](KernelDriver& d) { DrawStyledLine(d, {{1, 1}, {9, 9}}, {type, 0, 0.5, 1, 2, 2}); });
  };
  EXPECT_TRUE(zv::test::InkBounds(draw(0)).isNull());
  for (int type : {1, 2, 5, 6, 99}) EXPECT_FALSE(zv::test::InkBounds(draw(type)).isNull()) << type;
}

TEST(Render, DrawnTextSpansItsMeasuredExtent) {
  for (const char* text : {"中文字样", "abcdef", "K2砂岩"}) {
    TextStyle style;
    style.height = 10;
    style.width = 10;
    style.spacing = 2;
    const double extent = DspTextLength(text, 0, kAlongX) * 10 + (DspTextCharCount(text) - 1) * 2;
    const QImage image = Render(200, 40, 2.0, [&](KernelDriver& d) { DrawText(d, 5, 5, text, style, 1, 1); });
    const QRect ink = zv::test::InkBounds(image);
    ASSERT_FALSE(ink.isNull()) << text;
    // Ink lies inside the measured extent and fills most of it (glyphs keep a
    // little side bearing inside their cells; smoothed edges reach a pixel
    // further).
    EXPECT_GE(ink.left(), 10 - 2) << text;
    EXPECT_LE(ink.right(), 10 + extent * 2 + 2) << text;
    EXPECT_GE(ink.width(), extent * 2 * 0.8) << text;
  }
}

TEST(Render, SmallTextIsSmoothed) {
  TextStyle style;
  style.height = 3;
  style.width = 3;
  const QImage image = Render(80, 20, 4.0, [&](KernelDriver& d) { DrawText(d, 1, 1, "地层界线", style, 1, 1); });
  // Black text on white: smoothing leaves greys along the strokes.
  int greys = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const int v = qGray(image.pixel(x, y));
      if (v > 40 && v < 215) ++greys;
    }
  EXPECT_GT(greys, 20);
}

TEST(Render, UnreadableSubgraphLibraryDrawsAPlainMark) {
  const SystemLibrary broken = SystemLibrary::Load(zv::test::TempRoot() + "/nothing-here");
  const QImage image = Render(40, 40, 4.0, [](KernelDriver& d) { DrawSubgraph(d, 5, 5, {21, 4, 4, 0, 1}); }, broken);
  EXPECT_FALSE(zv::test::InkBounds(image).isNull());
  const QImage region = Render(40, 40, 4.0, [](KernelDriver& d) {
    FillRegion(d, {{{1, 1}, {9, 1}, {9, 9}}}, {5, 6, 2, 2, 1});
  }, broken);
  EXPECT_FALSE(zv::test::InkBounds(region).isNull());
}

}  // namespace
}  // namespace zv::display

namespace zv::display {
namespace {

TEST(Render, GoldenPointKindsFromTheirRecords) {
  ExpectGolden(Render(160, 80, 4.0,
                      [](KernelDriver& d) {
                        PNT_INFO circle;
                        circle.setKind(2);
                        circle.setRadius(4);
                        circle.Set<std::int32_t>(pnt::kCircleOutlineColour, 1);
                        circle.Set<std::uint8_t>(pnt::kCircleFilled, 1);
                        circle.setColour(14);
                        _DispPnt(d, {6, 14}, "", circle);
                        PNT_INFO arc;
                        arc.setKind(3);
                        arc.setRadius(4);
                        arc.Set<float>(pnt::kArcStartAngle, 0);
                        arc.Set<float>(pnt::kArcEndAngle, 180);
                        arc.Set<float>(pnt::kArcPenWidth, 0.3f);
                        arc.setColour(2);
                        _DispPnt(d, {16, 12}, "", arc);
                        PNT_INFO vertical;
                        vertical.setKind(0);
                        vertical.setCharHeight(3);
                        vertical.setCharWidth(3);
                        vertical.Set<std::uint8_t>(pnt::kArrangement, 1);
                        vertical.setColour(1);
                        vertical.setChineseFont(4);
                        _DispPnt(d, {23, 19}, "楷体", vertical);
                        PNT_INFO block;
                        block.setKind(5);
                        block.setCharHeight(2.5f);
                        block.setCharWidth(2.5f);
                        block.Set<float>(pnt::kLineSpacing, 0.5f);
                        block.Set<float>(pnt::kBoxWidth, 11);
                        block.setColour(13);
                        block.setChineseFont(3);
                        _DispPnt(d, {28, 19}, "灰色中厚层状灰岩夹页岩", block);
                      }),
               "points");
}

}  // namespace
}  // namespace zv::display

#include <limits>

namespace zv::display {
namespace {

// Parameters and coordinates from files may be anything: drawing them must
// neither crash nor hang (the sanitizer build checks for undefined behaviour).
TEST(Render, HostileNumbersDrawWithoutHarm) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {nan, inf, -inf, 0.0, -5.0, 1e300, -1e300, 1e-300};
  Render(50, 50, 2.0, [&](KernelDriver& d) {
    for (double v : values) {
      DrawStyledLine(d, {{1, 1}, {v, 5}, {20, v}}, {2, 0, 0.3, 1, 4, 4, true});
      DrawStyledLine(d, {{1, 1}, {20, 20}}, {2, 0, v, 1, v, v, false});
      FillRegion(d, {{{1, 1}, {v, 1}, {9, v}}}, {5, 6, 2, 2, 1});
      FillRegion(d, {{{1, 1}, {20, 1}, {20, 20}}}, {5, 6, v, v, 1});
      DrawSubgraph(d, v, 5, {21, v, v, v, 1});
      TextStyle style;
      style.height = style.width = style.spacing = style.angle = v;
      DrawText(d, 5, v, "砂岩ab", style, 1, 1);
    }
  });
  SUCCEED();
}

}  // namespace
}  // namespace zv::display

#include <cstring>
#include <filesystem>
#include <fstream>

namespace zv::display {
namespace {

// A sub-graph library whose number 1 is one arc with the given angles.
std::string ArcLibrary(float start, float end) {
  std::string bytes(8, '\0');
  const std::int32_t count = 2, offset = 8;
  std::memcpy(bytes.data(), &count, 4);
  std::memcpy(bytes.data() + 4, &offset, 4);
  const std::int16_t head[] = {1, 6, 3, 0, 0, 1, 1, 3};  // E, K, element (kind, a, b, width, parts), part size
  const float points[] = {0, 0, 0.4f, start, end, 0};
  bytes.append(reinterpret_cast<const char*>(head), sizeof head);
  bytes.append(reinterpret_cast<const char*>(points), sizeof points);
  return bytes;
}

TEST(Render, ArcsOfAnyAngleFromALibraryDrawAndEnd) {
  const float big = 3e38f;
  for (auto [start, end] : {std::pair{0.0f, 90.0f}, {big, 0.0f}, {-big, big}, {1e30f, 1e30f}}) {
    const std::string folder = zv::test::TempRoot() + "/arc";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/subgraph.lib", std::ios::binary) << ArcLibrary(start, end);
    const SystemLibrary library = SystemLibrary::Load(folder);
    ASSERT_NE(library.Subgraphs()->Entry(1), nullptr);
    Render(40, 40, 4.0, [](KernelDriver& d) { DrawSubgraph(d, 5, 5, {1, 8, 8, 0, 1}); }, library);
  }
  const SystemLibrary quarter = [] {
    const std::string folder = zv::test::TempRoot() + "/quarter";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/subgraph.lib", std::ios::binary) << ArcLibrary(0, 90);
    return SystemLibrary::Load(folder);
  }();
  const QImage image = Render(40, 40, 4.0, [](KernelDriver& d) { DrawSubgraph(d, 5, 5, {1, 8, 8, 0, 1}); }, quarter);
  const QRect ink = zv::test::InkBounds(image);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GE(ink.left(), 19);  // a quarter to the upper right of the centre (20, 20)
  EXPECT_LE(ink.bottom(), 21);
}

}  // namespace
}  // namespace zv::display

// Library pattern tiling on the map over a test entry with every element
// kind: regions cut at the outline as GEOS cuts them, lines, points by their
// centre, the shared point record, colour 0 and the fan's extra rows.
#include <gtest/gtest.h>

#include <cstdio>

#include "annotation/core/area_ids.h"
#include "annotation/core/library_tiling.h"
#include "annotation/core/pattern_tag.h"
#include "tests/annotation/core/geos_reference.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

display::SymbolElement Element(int kind, int colourA, int colourB, int width, display::LibPart part) {
  return {kind, colourA, colourB, width, {std::move(part)}};
}

// Cells of 2 × 2 over the triangle (0,0), (10,0), (0,10).
class LibraryTilingTest : public zv::test::WorkAreasTest {
 protected:
  const Rings triangle = {{{0, 0}, {10, 0}, {0, 10}, {0, 0}}};
  const display::SymbolEntry entry = {{
      Element(0, 0, 0, 2, {{0.1, 0.1}, {0.9, 0.1}, {0.9, 0.9}, {0.1, 0.9}, {0.1, 0.1}}),
      Element(2, 4, 0, 4, {{0, 0.5}, {1, 0.5}}),
      Element(4, 5, 6, 0, {{0.5, 0.5}, {0.2, 0}}),
      Element(6, 0, 0, 0, {{0.5, 0.5}, {0.3, 0}}),
      Element(3, 0, 0, 0, {{0.5, 0.5}, {0.25, 10}, {80, 0}}),
      Element(7, 1, 1, 1, {{0.5, 0.5}, {0.5, 0.5}}),
  }};
  HatchSettings Settings() const {
    HatchSettings s;
    s.scaleX = s.scaleY = 2;
    s.patternColor = 9;
    s.lineWidth = 0;
    return s;
  }
};

TEST_F(LibraryTilingTest, EveryKindLandsAsTheEntrySaysAndStraddlingCellsAreCutLikeGeos) {
  const std::vector<std::string> notes =
      DrawLibraryPattern(entry, Settings(), triangle, PatternLineInfo(Settings()), 33, true, {points_, lines_, regions_});
  EXPECT_TRUE(notes.empty());

  // Regions: the cells' squares cut at the triangle, filled with the pattern
  // colour (the element's colour is 0).
  const test::GeosReference geos("POLYGON((0 0, 10 0, 0 10, 0 0))");
  double want = 0;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) {
      char wkt[200];
      std::snprintf(wkt, sizeof wkt, "POLYGON((%g %g, %g %g, %g %g, %g %g, %g %g))", (c + 0.1) * 2, (r + 0.1) * 2,
                    (c + 0.9) * 2, (r + 0.1) * 2, (c + 0.9) * 2, (r + 0.9) * 2, (c + 0.1) * 2, (r + 0.9) * 2,
                    (c + 0.1) * 2, (r + 0.1) * 2);
      want += geos.IntersectionArea(wkt);
    }
  double got = 0;
  for (int32_t id : LiveIdsFrom(regions_, kRegionEntity, 1)) {
    got += BasRegionArea(regions_, id);
    REG_INFO info;
    BasReadRegion(regions_, id, nullptr, &info);
    EXPECT_EQ(info.fillColour(), 9);
    EXPECT_EQ(ReadPatternTag(regions_, kRegionEntity, id), 33);
  }
  EXPECT_NEAR(got, want, 1e-9);

  // Lines: each element's own width × 0.05, cut at the triangle.
  const std::vector<int32_t> lines = LiveIdsFrom(lines_, kLineEntity, 1);
  ASSERT_FALSE(lines.empty());
  for (int32_t id : lines) {
    LIN_INFO info;
    std::vector<D_DOT> v;
    BasReadLine(lines_, id, &v, &info);
    EXPECT_FLOAT_EQ(info.width(), 0.2f);
    for (const D_DOT& p : v) EXPECT_LE(p.x + p.y, 10 + 1e-9);
    EXPECT_EQ(ReadPatternTag(lines_, kLineEntity, id), 33);
  }

  // Points: the centres inside (x + y ≤ 10 at ((c + 0.5)·2, (r + 0.5)·2)) for
  // each of the three point kinds; kind 7 draws nothing.
  int inside = 0;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) inside += (c + 0.5) * 2 + (r + 0.5) * 2 <= 10;
  const std::vector<int32_t> points = LiveIdsFrom(points_, kPointEntity, 1);
  ASSERT_EQ(points.size(), 3u * inside);
  PNT_INFO disc, circle, arc;
  BasReadPoint(points_, points[0], nullptr, nullptr, &disc);
  BasReadPoint(points_, points[inside], nullptr, nullptr, &circle);
  BasReadPoint(points_, points[2 * inside], nullptr, nullptr, &arc);
  EXPECT_EQ(disc.kind(), 2);
  EXPECT_DOUBLE_EQ(disc.radius(), 0.4);
  EXPECT_EQ(disc.Get<int32_t>(pnt::kCircleOutlineColour), 6);
  EXPECT_EQ(disc.Get<uint8_t>(pnt::kCircleFilled), 1);
  EXPECT_EQ(disc.colour(), 5);
  // The circle writes its own fields and keeps the disc's colour.
  EXPECT_EQ(circle.Get<int32_t>(pnt::kCircleOutlineColour), 1);
  EXPECT_EQ(circle.Get<uint8_t>(pnt::kCircleFilled), 0);
  EXPECT_EQ(circle.colour(), 5);
  EXPECT_EQ(arc.kind(), 3);
  EXPECT_DOUBLE_EQ(arc.radius(), 0.5);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcStartAngle), 10);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcEndAngle), 80);
  for (int32_t id : points) EXPECT_EQ(ReadPatternTag(points_, kPointEntity, id), 33);
}

TEST_F(LibraryTilingTest, TheGradientAddsRowsAboveAndBelowAndDenseOrBadScalesDrawNothing) {
  HatchSettings gradient = Settings();
  gradient.angleKind = 0;
  gradient.startAngle = 0;
  gradient.endAngle = 90;  // g = trunc(tan 45° × 10 × 0.5 / 2) + 1 = 3
  const double parts = 6;
  EXPECT_DOUBLE_EQ(LibraryPieces(entry, Settings(), triangle, true), 6 * 6 * parts);
  EXPECT_DOUBLE_EQ(LibraryPieces(entry, gradient, triangle, true), 6 * (6 + 2 * 3) * parts);
  EXPECT_DOUBLE_EQ(LibraryPieces(entry, gradient, triangle, false), 6 * (6 + 2 * 3) * parts);
  // Bent rows still stay inside: every point centre lies in the triangle.
  DrawLibraryPattern(entry, gradient, triangle, PatternLineInfo(gradient), 1, true, {points_, lines_, regions_});
  for (int32_t id : LiveIdsFrom(points_, kPointEntity, 1)) {
    D_DOT p{};
    BasReadPointPos(points_, id, &p);
    EXPECT_LE(p.x + p.y, 10 + 1e-9);
  }

  HatchSettings dense = Settings();
  dense.scaleX = dense.scaleY = 1e-4;
  EXPECT_FALSE(DrawLibraryPattern(entry, dense, triangle, LIN_INFO{}, 1, true, {points_, lines_, regions_}).empty());
  HatchSettings noX = Settings();
  noX.scaleX = 0;
  const int32_t before = LiveCount(points_, kPointEntity);
  EXPECT_FALSE(DrawLibraryPattern(entry, noX, triangle, LIN_INFO{}, 1, true, {points_, lines_, regions_}).empty());
  EXPECT_EQ(LiveCount(points_, kPointEntity), before);
}

}  // namespace
}  // namespace zv::annot

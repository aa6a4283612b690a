// The section view's sheet frames without a view: the code table, sheet
// numbers resolved in both schemes and refused at the wrong scale, and the
// drawn corners against the geodetic point's own projection.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "tests/support/work_areas_fixture.h"
#include "views/tool_commands/sheet_frames.h"

namespace zv::framecmd {
namespace {

TEST(SheetFrames, CodeTableGivesEachCommandItsCodeAndLeaves4046Unused) {
  const std::pair<int, int> expected[] = {{33229, 4041}, {33230, 4042}, {33231, 4043}, {33232, 4044},
                                          {33233, 4045}, {33234, 4047}, {33235, 4048}, {33236, 4049},
                                          {33237, 4050}, {33238, 4051}, {33239, 4052}, {33240, 4153}};
  ASSERT_EQ(FrameCommands().size(), std::size(expected));
  std::set<int> codes;
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(FrameCommands()[i].id, expected[i].first);
    EXPECT_EQ(FrameCommands()[i].code, expected[i].second);
    codes.insert(FrameCommands()[i].code);
  }
  EXPECT_EQ(codes.size(), std::size(expected));
  EXPECT_EQ(codes.count(4046), 0u);
  EXPECT_EQ(FindFrameCommand(33230)->scale, 10000);
  EXPECT_EQ(FindFrameCommand(33241), nullptr);
}

TEST(SheetFrames, NumbersResolveInBothSchemesAndAtTheirOwnScaleOnly) {
  const std::string old = CMapSheet::NewToOldNumber("J50G015010");
  ASSERT_FALSE(old.empty());
  struct Case {
    std::string typed;
    long scale;
    bool ok;
  };
  const Case cases[] = {{"J50G015010", 10000, true}, {"J50G015010", 0, true},  {old, 10000, true},
                        {"J50 G 015010", 10000, true}, {"J50G015010", 5000, false}, {"X99", 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed + " " + std::to_string(c.scale));
    std::string error;
    const std::optional<Sheet> sheet = ResolveSheet(c.typed, c.scale, &error);
    EXPECT_EQ(sheet.has_value(), c.ok) << error;
    if (sheet) {
      EXPECT_EQ(sheet->number, "J50G015010");
      EXPECT_EQ(sheet->scale, 10000);
    } else {
      EXPECT_FALSE(error.empty());
    }
  }
}

TEST(SheetFrames, PlaneFollowsTheDocumentOrTheZoneRule) {
  EXPECT_EQ(PlaneOf(10000, 116.9 * 3600, nullptr).record.centralMeridian(), 1170000.0) << "3° zone 39";
  EXPECT_EQ(PlaneOf(10000, 116.9 * 3600, nullptr).zone, 39);
  EXPECT_EQ(PlaneOf(50000, 116.9 * 3600, nullptr).record.centralMeridian(), 1170000.0) << "6° zone 20";
  EXPECT_EQ(PlaneOf(50000, 116.9 * 3600, nullptr).zone, 20);
  EXPECT_EQ(PlaneOf(50000, 118.5 * 3600, nullptr).record.centralMeridian(), 1170000.0);
  EXPECT_EQ(PlaneOf(10000, 118.6 * 3600, nullptr).record.centralMeridian(), 1200000.0);
  MapParams document = DefaultMapParams();
  document.setProjection(5);
  document.setEllipsoid(2);
  document.setCentralMeridian(1110000.0);
  const SheetPlane plane = PlaneOf(10000, 116.9 * 3600, &document);
  EXPECT_EQ(plane.record.centralMeridian(), 1110000.0);
  EXPECT_EQ(plane.record.ellipsoid(), 2);
  EXPECT_EQ(plane.record.scale(), 10000.0);
  EXPECT_EQ(DefaultMapParams().projection(), 0) << "a new area is no Gauss-Krüger plane";
}

class SheetFrameDrawing : public test::WorkAreasTest {};

TEST_F(SheetFrameDrawing, TenThousandSheetCornersAreTheSheetProjectedByTheGeodeticPoint) {
  std::string error;
  const std::optional<Sheet> sheet = ResolveSheet("J50G015010", 10000, &error);
  ASSERT_TRUE(sheet) << error;
  frame::FrameTarget target{points_, lines_, LIN_INFO{}, PNT_INFO{}};
  const frame::FrameResult result = DrawRangeFrame(target, sheet->extent, 10000, nullptr, {{sheet->number}, {}, {}, {}});
  ASSERT_EQ(result.error, "");
  ASSERT_FALSE(result.drawn.lines.empty());
  std::vector<D_DOT> inner;
  BasReadLine(lines_, result.drawn.lines.front(), &inner, nullptr);
  ASSERT_EQ(inner.size(), 5u);
  const double l0 = PlaneOf(10000, (sheet->extent.west + sheet->extent.east) / 2, nullptr).record.centralMeridian() /
                    10000.0 * M_PI / 180.0;
  const double corners[4][2] = {{sheet->extent.west, sheet->extent.south}, {sheet->extent.east, sheet->extent.south},
                                {sheet->extent.east, sheet->extent.north}, {sheet->extent.west, sheet->extent.north}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    CGeoPoint p;
    p.Set(corners[i][1] / 3600.0 * M_PI / 180.0, corners[i][0] / 3600.0 * M_PI / 180.0, 0.0);
    p.GaussForward(kBeijing54.e2, kBeijing54.a, l0);
    EXPECT_NEAR(inner[i].x, p.Y() * 1000.0 / 10000.0, 1e-6);
    EXPECT_NEAR(inner[i].y, p.X() * 1000.0 / 10000.0, 1e-6);
  }
  int32_t live = 0, bound = 0;
  BasGetPointCount(points_, &live, &bound);
  std::string text;
  D_DOT at{};
  ASSERT_EQ(BasReadPoint(points_, bound - 1, &at, &text, nullptr), 1);
  EXPECT_EQ(text, "J50G015010") << "the number comes last";
  EXPECT_GT(at.y, std::max(inner[2].y, inner[3].y) + 11.0) << "above the outer border";
  EXPECT_LT(at.x, (inner[2].x + inner[3].x) / 2.0) << "starts left of the middle, centred";
}

}  // namespace
}  // namespace zv::framecmd

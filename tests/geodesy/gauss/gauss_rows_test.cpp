#include <gtest/gtest.h>

#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/gauss/gauss_rows.h"
#include "tests/geodesy/proj_reference.h"

namespace zv::gauss {
namespace {

constexpr double kDeg = M_PI / 180.0;

TEST(GaussRows, ForwardMatchesProjAndTheCentralMeridianGivesFiveHundredKilometres) {
  GaussSettings s;  // Krassovsky, L0 117
  const GaussRows out = ComputeGauss(s, {{"P1", "393000", "1173000"}, {"P2", "393000", "1170000"}});
  ASSERT_EQ(out.size(), 2u);
  const ProjReference proj("+proj=tmerc +lat_0=0 +lon_0=117 +k_0=1 +x_0=500000 +y_0=0 " +
                           ProjReference::EllipsoidParameters(kBeijing54.e2, kBeijing54.a));
  const PJ_XYZ plane = proj.Forward(117.5 * kDeg, 39.5 * kDeg);
  EXPECT_NEAR(num::ParseDouble(out[0].first), plane.y, 1e-3);
  EXPECT_NEAR(num::ParseDouble(out[0].second), plane.x, 1e-3);
  EXPECT_GT(plane.x, 500000);
  EXPECT_EQ(out[1].second, "500000.000000");
  EXPECT_EQ(out[0].name, "P1");
}

TEST(GaussRows, InverseAndZoneChangeGoBackToTheirInput) {
  for (int ellipsoid : {0, 1, 2}) {
    SCOPED_TRACE(ellipsoid);
    GaussSettings s;
    s.sourceEllipsoid = s.targetEllipsoid = ellipsoid;
    const GaussRows angles = {{"A", "393015.250000", "1173512.500000"}, {"B", "250000.000000", "1161000.000000"}};
    const GaussRows plane = ComputeGauss(s, angles);
    s.mode = GaussMode::Inverse;
    const GaussRows back = ComputeGauss(s, plane);
    s.mode = GaussMode::ZoneChange;
    s.targetL0 = s.sourceL0;
    const GaussRows again = ComputeGauss(s, plane);
    for (std::size_t i = 0; i < plane.size(); ++i) {
      // To the last digit shown (1e-6″), and to 0.1 mm through both series.
      EXPECT_EQ(back[i].name, angles[i].name);
      EXPECT_NEAR(num::ParseDouble(back[i].first), num::ParseDouble(angles[i].first), 1.5e-6);
      EXPECT_NEAR(num::ParseDouble(back[i].second), num::ParseDouble(angles[i].second), 1.5e-6);
      EXPECT_NEAR(num::ParseDouble(again[i].first), num::ParseDouble(plane[i].first), 1e-4);
      EXPECT_NEAR(num::ParseDouble(again[i].second), num::ParseDouble(plane[i].second), 1e-4);
    }
  }
}

TEST(GaussRows, ZoneChangeMovesAPointToTheTargetMeridian) {
  GaussSettings s;
  s.mode = GaussMode::ZoneChange;
  s.targetL0 = 120;
  const GaussRows plane = ComputeGauss(GaussSettings{}, {{"A", "393000", "1183000"}});
  GaussSettings at120;
  at120.sourceL0 = 120;
  const GaussRow moved = ComputeGauss(s, plane)[0];
  const GaussRow direct = ComputeGauss(at120, {{"A", "393000", "1183000"}})[0];
  EXPECT_NEAR(num::ParseDouble(moved.first), num::ParseDouble(direct.first), 1e-4);
  EXPECT_NEAR(num::ParseDouble(moved.second), num::ParseDouble(direct.second), 1e-4);
  EXPECT_LT(num::ParseDouble(moved.second), 500000) << "west of the new meridian";
}

TEST(GaussRows, NotationConversions) {
  struct Case {
    const char* name;
    void (*apply)(GaussRows&);
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"×60", [](GaussRows& r) { MinutesToSeconds(r); }, "3015.5", "301530.000000"},
      {"×100", [](GaussRows& r) { ScaleColumns(r, 100); }, "30.5", "3050.000000"},
      {"÷100", [](GaussRows& r) { ScaleColumns(r, 0.01); }, "3050", "30.500000"},
      {"degrees carry", [](GaussRows& r) { ToDdmmss(r, AngleNotation::DecimalDegrees); }, "30.7", "304200.000000"},
      {"degrees", [](GaussRows& r) { ToDdmmss(r, AngleNotation::DecimalDegrees); }, "116.5", "1163000.000000"},
      {"symbols", [](GaussRows& r) { ToDdmmss(r, AngleNotation::Symbols); }, "116°5′3″", "1160503.000000"},
      {"symbols with fraction", [](GaussRows& r) { ToDdmmss(r, AngleNotation::Symbols); }, "39°22′30.5″",
       "392230.500000"},
      {"symbols, no angle", [](GaussRows& r) { ToDdmmss(r, AngleNotation::Symbols); }, "abc", "abc"},
      {"no notation", [](GaussRows& r) { ToDdmmss(r, AngleNotation::None); }, "30.7", "30.7"},
      // Past the range of whole microseconds: no overflowed digits.
      {"degrees, not a number", [](GaussRows& r) { ToDdmmss(r, AngleNotation::DecimalDegrees); }, "nan", "nan"},
      {"degrees, infinite", [](GaussRows& r) { ToDdmmss(r, AngleNotation::DecimalDegrees); }, "-inf", "-inf"},
      {"degrees, huge", [](GaussRows& r) { ToDdmmss(r, AngleNotation::DecimalDegrees); }, "1e13",
       "100000000000000000.000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GaussRows rows{{"1", c.in, c.in}};
    c.apply(rows);
    EXPECT_EQ(rows[0].first, c.out);
    EXPECT_EQ(rows[0].second, c.out);
    EXPECT_EQ(rows[0].name, "1");
  }
}

TEST(GaussRows, PointFilesInGbkOrUtf8WithBlankLines) {
  const std::string utf8 = "拐点1,393000,1173000\r\n\r\n  \n拐点2,2791538.11,455,563.88\n拐点3,1\n";
  const GaussRows expected = {{"拐点1", "393000", "1173000"}, {"拐点2", "2791538.11", "455563.88"}, {"拐点3", "1", ""}};
  EXPECT_EQ(ReadPointFile(utf8), expected);
  EXPECT_EQ(ReadPointFile(text::ToGbk(utf8)), expected);
  EXPECT_EQ(PointFileText({{"拐点1", "1.5", "2"}}), "拐点1,1.5,2\r\n");
  EXPECT_EQ(ReadPointFile(PointFileText(expected)), expected);
  const std::string longName(60, 'n');
  EXPECT_EQ(ReadPointFile(longName + ",1,2")[0].name, std::string(49, 'n'));
}

TEST(GaussRows, ClipboardRowsEndAtAnyLineEndAndKeepALastRowWithoutOne) {
  const GaussRows two = {{"A", "1", "2"}, {"B", "3", "4"}};
  EXPECT_EQ(ParseClipboard("A\t1\t2\nB\t3\t4"), two);
  EXPECT_EQ(ParseClipboard("A\t1\t2\r\nB\t3\t4\r\n"), two);
  EXPECT_EQ(ParseClipboard("A 1,,2\rB,  3\t\t4 extra\r"), two);
  EXPECT_EQ(ParseClipboard("\n\nA 1 2\n\n"), (GaussRows{{"A", "1", "2"}}));
  EXPECT_EQ(ParseClipboard("A"), (GaussRows{{"A", "", ""}}));
  EXPECT_EQ(ClipboardText(two), "A\t1\t2\r\nB\t3\t4\r\n");
  EXPECT_EQ(ParseClipboard(ClipboardText(two)), two);
}

}  // namespace
}  // namespace zv::gauss

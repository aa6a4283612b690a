#include <gtest/gtest.h>

#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "geodesy/seven/seven_params.h"

namespace zv::seven {
namespace {

constexpr double kArcSecond = M_PI / 648000.0;

const Ellipsoid& E(int code) { return code == 2 ? kBeijing54 : code == 3 ? kXian80 : kWgs84; }

// Common points over two 3-degree zones (115°20′ lies in the 114° zone, the
// others in the 117° zone), in packed ddd.mmss.
struct Geodetic {
  double b, l, h;
};
const Geodetic kPoints[] = {{30.1523, 115.2030, 120.5}, {30.4512, 115.5015, 80.0}, {31.0507, 116.3044, 310.2},
                            {30.3030, 116.5512, 55.0},  {31.2248, 116.0530, 12.3}};

std::string F(double v) { return num::Format("%.9f", v); }

// A point of kPoints as the row of its list: BLH, or xyh with meridian l0.
Row SourceRow(int i, bool geodetic, int ellipsoid, double l0) {
  const Geodetic& g = kPoints[i];
  if (geodetic) return {num::Format("P%d", i + 1), F(g.b), F(g.l), F(g.h)};
  CGeoPoint p;
  p.SetCoords(g.b, g.l, g.h, CGeoPoint::kPackedDms);
  p.GaussForward(E(ellipsoid).e2, E(ellipsoid).a, DmsToRadians(l0));
  return {num::Format("P%d", i + 1), F(p.X()), F(p.Y()), F(p.Z())};
}

// The source point a row stands for, read as the dialog reads it (plane
// coordinates back through the inverse projection), carried by the
// parameters onto the target ellipsoid, as the target list's row.
Row TargetRow(const Row& source, const double* p, const Settings& s, bool sourceGeodetic, bool geodetic) {
  const double v[3] = {num::ParseDouble(source[1]), num::ParseDouble(source[2]), num::ParseDouble(source[3])};
  const Ellipsoid& from = E(s.source);
  CGeoPoint point = PlaneToCartesian(v[0], v[1], v[2], s.sourceL0, from.e2, from.a);
  if (sourceGeodetic) {
    point.SetCoords(v[0], v[1], v[2], CGeoPoint::kPackedDms);
    point.BlhToXyz(from.e2, from.a);
  }
  point.ApplySevenParameters(p);
  double b = 0, l = 0, h = 0;
  point.XyzToBlh(E(s.target).e2, E(s.target).a);
  point.GetCoords(&b, &l, &h, CGeoPoint::kPackedDms);
  if (geodetic) return {source[0], F(b), F(l), F(h)};
  point.SetCoords(b, l, h, CGeoPoint::kPackedDms);
  point.GaussForward(E(s.target).e2, E(s.target).a, DmsToRadians(s.targetL0));
  return {source[0], F(point.X()), F(point.Y()), F(point.Z())};
}

TEST(SevenParams, FitsKnownParametersAndTransformingReproducesTheTargets) {
  const double seven[7] = {-15.4, 100.2, -48.6, 1.2 * kArcSecond, -0.8 * kArcSecond, 2.5 * kArcSecond, 3.2e-6};
  const double shift[7] = {24.0, -123.0, -94.0, 0, 0, 0, 0};
  struct Case {
    const char* name;
    Settings settings;
  };
  const Case cases[] = {
      {"BLH->xyh, seven", {1, 1, 2, 1, 117, 117}},
      {"BLH->xyh, local meridian 116°20′", {1, 1, 3, 1, 116.2, 116.2}},
      {"BLH->BLH, seven", {2, 2, 1, 1, 117, 117}},
      {"xyh->BLH, seven", {3, 3, 2, 1, 114, 114}},
      {"xyh->xyh, seven, from the 114° to the 117° zone", {1, 4, 3, 1, 114, 117}},
      {"BLH->xyh, three", {1, 1, 2, 2, 117, 117}},
      {"xyh->xyh, three", {2, 4, 1, 2, 116.2, 117}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Settings& s = c.settings;
    const double* p = s.model == 1 ? seven : shift;
    const bool sourceBlh = s.form <= 2, targetBlh = s.form == 2 || s.form == 3;
    Rows source, target;
    for (int i = 0; i < 5; ++i) {
      source.push_back(SourceRow(i, sourceBlh, s.source, s.sourceL0));
      target.push_back(TargetRow(source.back(), p, s, sourceBlh, targetBlh));
    }
    const FitResult fit = Fit(s, source, target);
    ASSERT_EQ(fit.error, "");
    // The dialog shows source-to-target values; model 2 shows source − target.
    const double sign = s.model == 1 ? 1 : -1;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(num::ParseDouble(fit.parameters[i]), sign * p[i], s.model == 1 ? 0.01 : 1e-4);
    if (s.model == 1) {
      for (int i = 3; i < 6; ++i) EXPECT_NEAR(num::ParseDouble(fit.parameters[i]), p[i], 1e-9) << i;
      EXPECT_NEAR(num::ParseDouble(fit.parameters[6]), p[6], 1e-9);
    } else {
      EXPECT_EQ(fit.parameters[3], "");
    }
    const TransformResult out = Transform(s, fit.parameters, source);
    ASSERT_EQ(out.error, "");
    ASSERT_EQ(out.rows.size(), target.size());
    for (std::size_t r = 0; r < target.size(); ++r) {
      EXPECT_EQ(out.rows[r][0], target[r][0]);
      for (int k = 1; k < 4; ++k) {
        const double tolerance = targetBlh && k < 3 ? 1e-9 : 0.002;  // packed degrees; metres at "%.3f"
        EXPECT_NEAR(num::ParseDouble(out.rows[r][k]), num::ParseDouble(target[r][k]), tolerance) << r << "," << k;
      }
    }
  }
}

TEST(SevenParams, RefusalsLeaveNothingToShow) {
  const Settings seven{1, 2, 2, 1, 117, 117};
  const Row a{"1", "30.1523", "115.4530", "0"}, b{"2", "30.4512", "116.1015", "0"}, c{"3", "31.0507", "117.3044", "0"};
  struct Case {
    const char* name;
    Settings settings;
    Rows source, target;
    const char* error;
  };
  const Case cases[] = {
      {"two common points", seven, {a, b}, {a, b}, "公共点小于3个，无法计算！"},
      {"target list shorter", seven, {a, b, c}, {a, b}, "右表只有2行"},
      {"repeated points", seven, {a, a, a}, {a, a, a}, "公共点重复、共线"},
      {"no number", seven, {a, {"2", "abc", "116", "0"}, c}, {a, b, c}, "左表第2行的数据不是有效数字：abc"},
      {"blank target value", seven, {a, b, c}, {a, b, {"3", "", "1", "0"}}, "右表第3行"},
      {"three parameters, no rows", {1, 2, 2, 2, 117, 117}, {}, {}, "没有公共点"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const FitResult fit = Fit(k.settings, k.source, k.target);
    EXPECT_NE(fit.error.find(k.error), std::string::npos) << fit.error;
    EXPECT_EQ(fit.parameters, Parameters{});
  }
  // Three parameters use the first row alone.
  const FitResult one = Fit({1, 2, 2, 2, 117, 117}, {a, {"x", "bad", "", ""}}, {a});
  EXPECT_EQ(one.error, "");
  EXPECT_EQ(Transform(seven, {}, {a, {"2", "", "1", "1"}}).rows.size(), 0u);
}

TEST(SevenParams, ParameterFilesRoundTripAndMalformedOnesAreRefused) {
  const Settings s{3, 4, 1, 1, 116.2, 117};
  const Parameters p{"-15.4", "100.2", "-48.6", "0.000005", "-0.000004", "0.000012", "0.0000032"};
  const std::string text = ParameterFileText(s, p);
  EXPECT_TRUE(text.ends_with("0.0000032\r\n116.200000\r\n117.000000\r\n3\r\n4\r\n1\r\n1\r\n")) << text;
  std::string error;
  const auto back = ReadParameterFile(text, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->parameters, p);
  EXPECT_EQ(back->settings.source, 3);
  EXPECT_EQ(back->settings.form, 4);
  EXPECT_DOUBLE_EQ(back->settings.sourceL0, 116.2);
  // A file saved before any fit keeps its empty parameters; LF ends work too.
  const auto empty = ReadParameterFile("\n\n\n\n\n\n\n117\n117\n1\n1\n2\n1\n", &error);
  ASSERT_TRUE(empty) << error;
  EXPECT_EQ(empty->parameters, Parameters{});

  const std::pair<const char*, std::string> bad[] = {
      {"twelve lines", "1\n2\n3\n4\n5\n6\n7\n117\n117\n1\n1\n2\n"},
      {"a word", "1\n2\n3\n4\n5\n6\nm\n117\n117\n1\n1\n2\n1\n"},
      {"ellipsoid 4", "1\n2\n3\n4\n5\n6\n7\n117\n117\n4\n1\n2\n1\n"},
      {"form 5", "1\n2\n3\n4\n5\n6\n7\n117\n117\n1\n5\n2\n1\n"},
      {"model 1.5", "1\n2\n3\n4\n5\n6\n7\n117\n117\n1\n1\n2\n1.5\n"},
      {"meridian nan", "1\n2\n3\n4\n5\n6\n7\nnan\n117\n1\n1\n2\n1\n"},
  };
  for (const auto& [name, file] : bad) {
    SCOPED_TRACE(name);
    error.clear();
    EXPECT_FALSE(ReadParameterFile(file, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(SevenParams, ClipboardRowsRoundTripWithAnyLineEnds) {
  const Rows rows{{"P1", "30.1523", "115.4530", "12"}, {"点2", "1", "2", "3"}};
  EXPECT_EQ(ClipboardText(rows), "P1\t30.1523\t115.4530\t12\r\n点2\t1\t2\t3\r\n");
  EXPECT_EQ(ParseClipboard(ClipboardText(rows)), rows);
  EXPECT_EQ(ParseClipboard("P1 30.1523,115.4530\t12\nP2\t1\t2"),
            (Rows{{"P1", "30.1523", "115.4530", "12"}, {"P2", "1", "2", ""}}));
  EXPECT_EQ(ParseClipboard("a\rb 1 2 3 4 5")[1], (Row{"b", "1", "2", "3"}));
  EXPECT_EQ(ParseClipboard(std::string(60, '9'))[0][0].size(), kCellCharacters);
}

}  // namespace
}  // namespace zv::seven

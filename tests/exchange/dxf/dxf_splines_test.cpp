// SPLINE curves and spline edges of hatches follow their degree, knots and
// weights: the reader's samples lie on the curves that an independent
// evaluator (ezdxf, see tests/data/dxf/PROVENANCE.md) computed.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "exchange/dxf/dxf_bspline.h"
#include "exchange/dxf/dxf_reader.h"
#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

using test::Group;

// The reference points of each curve, by name, in sampling order.
std::map<std::string, std::vector<D_DOT>> Reference() {
  std::ifstream in(test::FixturePath("splines/splines_reference.txt"));
  std::map<std::string, std::vector<D_DOT>> curves;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    D_DOT p;
    fields >> name >> p.x >> p.y;
    curves[name].push_back(p);
  }
  return curves;
}

void ExpectOnCurve(const std::vector<D_DOT>& got, const std::vector<D_DOT>& want, const std::string& name) {
  ASSERT_EQ(got.size(), want.size()) << name;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << name << " point " << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << name << " point " << i;
  }
}

TEST(DxfSplines, SamplesLieOnTheCurvesAnIndependentEvaluatorGives) {
  const auto reference = Reference();
  test::RecordingSink sink;
  DxfReader reader(CadMap{}, CadMap{});
  const DxfReadResult result = reader.ReadFile(test::FixturePath("splines/splines.dxf"), sink);
  ASSERT_TRUE(result.imported);
  ASSERT_EQ(sink.lines.size(), reference.size() - 1);  // "no_knots" is made below
  std::map<std::string, std::vector<D_DOT>> read;
  for (const test::RecordedLine& line : sink.lines) {
    const std::string& name = line.attributes.layerName;
    ASSERT_TRUE(reference.count(name)) << name;
    ExpectOnCurve(line.vertices, reference.at(name), name);
    EXPECT_EQ(line.style.curveFlag, 1);
    read[name] = line.vertices;
  }
  // Two control points make one straight segment, drawn once (so its "长度"
  // is the distance between them, not three times it).
  ASSERT_EQ(read["line"].size(), 2u);
  ExpectOnCurve(read["line"], {{0, 0}, {30, 40}}, "line");

  // The spline edge of the hatch is the same curve as "seven".
  ASSERT_EQ(sink.regions.size(), 1u);
  const DxfRing& ring = sink.regions[0].rings[0];
  ExpectOnCurve(ring[0].vertices, reference.at("seven"), "hatch edge");
}

TEST(DxfSplines, WithoutKnotsTheCurveIsClampedUniform) {
  const auto reference = Reference();
  std::vector<Group> groups = {{0, "SPLINE"}, {8, "A"}, {71, "3"}, {73, "5"}};
  for (const D_DOT& p : std::vector<D_DOT>{{0, 0}, {10, 10}, {20, -5}, {30, 10}, {40, 0}}) {
    groups.push_back({10, std::to_string(p.x)});
    groups.push_back({20, std::to_string(p.y)});
  }
  const auto read = test::ReadDxf(test::DxfFile({}, groups));
  ASSERT_EQ(read.sink.lines.size(), 1u);
  ExpectOnCurve(read.sink.lines[0].vertices, reference.at("no_knots"), "no_knots");
}

TEST(DxfSplines, UnusableDefinitionsFallBackToWhatCanBeDrawn) {
  const std::vector<D_DOT> three = {{0, 0}, {10, 10}, {20, 0}};
  struct Case {
    const char* what;
    DxfBSpline spline;
    int degree;             // after UsableBSpline
    std::size_t knots;      // after UsableBSpline
    std::size_t weights;    // after UsableBSpline
  };
  const Case cases[] = {
      {"degree above the control points allow", {5, {}, {}, three}, 2, 6, 0},
      {"degree 0", {0, {}, {}, three}, 1, 5, 0},
      {"knots of the wrong count", {2, {0, 0, 0, 1, 1}, {}, three}, 2, 6, 0},
      {"decreasing knots", {2, {0, 0, 0, 2, 1, 1}, {}, three}, 2, 6, 0},
      {"knots spanning nothing", {2, {1, 1, 1, 1, 1, 1}, {}, three}, 2, 6, 0},
      {"a weight of zero", {2, {0, 0, 0, 1, 1, 1}, {1, 0, 1}, three}, 2, 6, 0},
      {"weights of the wrong count", {2, {0, 0, 0, 1, 1, 1}, {1, 1}, three}, 2, 6, 0},
      {"good weights", {2, {0, 0, 0, 1, 1, 1}, {1, 2, 1}, three}, 2, 6, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DxfBSpline usable = UsableBSpline(c.spline);
    EXPECT_EQ(usable.degree, c.degree);
    EXPECT_EQ(usable.knots.size(), c.knots);
    EXPECT_EQ(usable.weights.size(), c.weights);
    const std::vector<D_DOT> samples = SampleBSpline(c.spline);
    ASSERT_GE(samples.size(), 3u);
    EXPECT_NEAR(samples.front().x, 0, 1e-12);  // clamped: from the first control point
    EXPECT_NEAR(samples.back().x, 20, 1e-12);  // to the last
  }
  EXPECT_TRUE(SampleBSpline({3, {}, {}, {{1, 1}}}).empty());
}

}  // namespace
}  // namespace zv::dxf

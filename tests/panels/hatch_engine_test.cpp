// The hatch-line engine over the preview's sample outline (x -6 … 6, y -4 … 4).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>

#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_geometry.h"
#include "panels/core/hatch_preview.h"
#include "tests/panels/hatch_test_support.h"

namespace zv::panels {
namespace {

using test::RecordingSink;
using test::TestElement;

constexpr double kTol = 1e-9;

std::vector<HatchFamily> Families(std::initializer_list<const char*> lines, double scaleY) {
  std::vector<HatchFamily> out;
  for (const char* line : lines) out.push_back(ParseHatchFamily(line, scaleY));
  return out;
}

RecordingSink Hatch(std::initializer_list<const char*> lines, double scaleY, double angle,
                    HatchOutcome* outcome = nullptr) {
  RecordingSink sink;
  const HatchOutcome result = HatchFamilies(Families(lines, scaleY), SampleOutline(), angle, LIN_INFO{}, sink);
  if (outcome) *outcome = result;
  return sink;
}

// Each line as (x1, y1, x2, y2), sorted.
std::vector<std::array<double, 4>> Segments(const RecordingSink& sink) {
  std::vector<std::array<double, 4>> out;
  for (const auto& l : sink.lines) {
    EXPECT_EQ(l.size(), 2u);
    std::array<double, 4> s{l[0].x, l[0].y, l[1].x, l[1].y};
    for (double& v : s) v = std::round(v * 1e6) / 1e6 + 0.0;  // -0 prints as 0
    out.push_back(s);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::array<double, 4>> Horizontal(double from, double to, double step, double x1, double x2) {
  std::vector<std::array<double, 4>> out;
  for (double y = from; y <= to + kTol; y += step) out.push_back({x1, y, x2, y});
  std::sort(out.begin(), out.end());
  return out;
}

TEST(HatchEngine, ContinuousFamiliesFillTheSampleWholeLinesThroughTheFamilyOrigin) {
  struct Case {
    const char* name;
    const char* family;
    double angle;
    std::vector<std::array<double, 4>> expected;
  };
  std::vector<std::array<double, 4>> vertical;
  for (int x = -6; x <= 6; ++x) vertical.push_back({double(x), -4, double(x), 4});
  const Case cases[] = {
      {"1 apart, edges included", "0, 0,0, 0,1", 0, Horizontal(-4, 4, 1, -6, 6)},
      {"at user angle 90", "0, 0,0, 0,1", 90, vertical},
      {"through (x0, y0), not y0 counted twice", "0, 1,0.5, 0,1", 0, Horizontal(-3.5, 3.5, 1, -6, 6)},
      {"negative dy fills the whole outline", "0, 0,0, 0,-1", 0, Horizontal(-4, 4, 1, -6, 6)},
      {"family angle 90 as user angle 90", "90, 0,0, 0,1", 0, vertical},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HatchOutcome outcome;
    const RecordingSink sink = Hatch({c.family}, 10, c.angle, &outcome);
    EXPECT_TRUE(outcome.notes.empty());
    EXPECT_EQ(Segments(sink), c.expected);
  }
}

TEST(HatchEngine, DiagonalLinesStayInsideAndMakeNoEmptyPieces) {
  const RecordingSink sink = Hatch({"45, 0,0, 0,1"}, 10, 0);
  ASSERT_FALSE(sink.lines.empty());
  for (const auto& l : sink.lines) {
    EXPECT_GT(std::hypot(l[1].x - l[0].x, l[1].y - l[0].y), 0.0);
    for (const D_DOT& p : l) EXPECT_TRUE(InsideOrOn(SampleOutline(), p)) << p.x << "," << p.y;
    EXPECT_NEAR(l[1].y - l[0].y, l[1].x - l[0].x, 1e-9);  // at 45 degrees
  }
}

TEST(HatchEngine, FamiliesWithTooFewNumbersOrOnlyGapsDrawNothing) {
  HatchOutcome outcome;
  EXPECT_TRUE(Hatch({"0, 0,0, 0"}, 10, 0, &outcome).lines.empty());
  EXPECT_TRUE(outcome.notes.empty());
  EXPECT_TRUE(Hatch({"0, 0,0, 0,1, -1"}, 10, 0, &outcome).lines.empty());
  EXPECT_TRUE(outcome.notes.empty());
}

// A family whose origin lies far out (a malformed file) still ends: its line
// numbers are counted, not stepped, so the preview never hangs.
TEST(HatchEngine, AFamilyFarFromItsOriginEnds) {
  for (const char* family : {"0, 1e300,1e300, 0,10", "0, 0,1e300, 0,10"}) {
    SCOPED_TRACE(family);
    const RecordingSink sink = Hatch({family}, 10, 0);
    for (const auto& l : sink.lines)
      for (const D_DOT& p : l) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
}

TEST(HatchEngine, DashesInsideAreWholeCutAtTheOutlineOrLeftOut) {
  // One line y = 0 (the others lie 100 away): dashes 5 long every 6 from x = 3.
  // [3, 8] is cut to [3, 6]; [-3, 2] lies inside; [-9, -4] is cut to [-6, -4];
  // [-15, -10] lies outside.
  const RecordingSink cut = Hatch({"0, 3,0, 0,100, 5,-1"}, 10, 0);
  EXPECT_EQ(Segments(cut), (std::vector<std::array<double, 4>>{{-6, 0, -4, 0}, {-3, 0, 2, 0}, {3, 0, 6, 0}}));
  // From x = 0: [6, 11] starts on the outline and lies outside: not drawn;
  // [-6, -1] starts on it and runs inside: drawn whole.
  const RecordingSink onEdge = Hatch({"0, 0,0, 0,100, 5,-1"}, 10, 0);
  EXPECT_EQ(Segments(onEdge), (std::vector<std::array<double, 4>>{{-6, 0, -1, 0}, {0, 0, 5, 0}}));
}

TEST(HatchEngine, DotsArePiecesOfOneTenthDrawnOneTenthWide) {
  LIN_INFO info;
  info.setWidth(0.05f);
  RecordingSink sink;
  HatchFamilies(Families({"0, 0,0, 0,2, 0,-2"}, 10), SampleOutline(), 0, info, sink);
  // Lines y = -4 … 4 every 2, dots every 2 from x = 0: x = -6 … 4 start a dot inside.
  ASSERT_EQ(sink.lines.size(), 5u * 6u);
  for (std::size_t i = 0; i < sink.lines.size(); ++i) {
    EXPECT_NEAR(sink.lines[i][1].x - sink.lines[i][0].x, 0.1, 1e-9);
    EXPECT_FLOAT_EQ(sink.lineInfos[i].width(), 0.1f);
  }
}

TEST(HatchEngine, UnsoundFamiliesReturnAtOnceWithTheirMessage) {
  struct Case {
    const char* name;
    const char* family;
    double scaleY;
    const char* note;
    bool tooDense;
  };
  const Case cases[] = {
      {"dy 0", "0, 0,0, 1,0", 10, "线距为0", false},
      {"dashed dy 0", "0, 0,0, 1,0, 1,-1", 10, "线距为0", false},
      {"only dots", "0, 0,0, 0,1, 0,0", 10, "周期为0", false},
      {"Y scale 1e-6", "0, 0,0, 0,1", 1e-6, "太密", true},
      {"dashed at Y scale 1e-6", "0, 0,0, 0,1, 1,-1", 1e-6, "太密", true},
      {"not a number", "0, nan,0, 0,1", 10, "无效", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    HatchOutcome outcome;
    EXPECT_TRUE(Hatch({c.family}, c.scaleY, 0, &outcome).lines.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(outcome.notes.size(), 1u);
    EXPECT_NE(outcome.notes[0].find(c.note), std::string::npos) << outcome.notes[0];
    EXPECT_EQ(outcome.tooDense, c.tooDense);
  }
}

display::SymbolEntry Entry(const std::vector<TestElement>& elements) {
  const std::string bytes = test::EntryBytes(elements);
  auto entry = display::ParseSymbolEntryAt(bytes, 0, nullptr);
  EXPECT_TRUE(entry);
  return *entry;
}

TEST(HatchEngine, LibraryPolylineThatLeavesAndReentersGivesTwoLinesEndingOnTheOutline) {
  // One cell of 20 × 20 from (-6, -4): (-4, 0) → (3, 6) outside → (4, 0).
  const auto entry = Entry({{2, 0, 0, 0, {{{0.1f, 0.2f}, {0.45f, 0.5f}, {0.5f, 0.2f}}}}});
  RecordingSink sink;
  HatchCells(entry, SampleOutline(), 0, 20, 20, LIN_INFO{}, 1, sink);
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_NEAR(sink.lines[0][0].x, -4, 1e-5);
  EXPECT_NEAR(sink.lines[0][1].x, -4 + 7.0 * 2 / 3, 1e-5);
  EXPECT_NEAR(sink.lines[0][1].y, 4, 1e-9);
  EXPECT_NEAR(sink.lines[1][0].x, 3 + 1.0 / 3, 1e-5);
  EXPECT_NEAR(sink.lines[1][0].y, 4, 1e-9);
  EXPECT_NEAR(sink.lines[1][1].x, 4, 1e-5);
}

TEST(HatchEngine, LibraryAreaSticksOutOfOneCellAndStaysInTheOthers) {
  // Cells of 5 × 5 from (-6, -4): 3 columns, 2 rows. The square x 0.3 … 0.5
  // of a cell reaches x = 6.5 in the third column.
  const auto entry = Entry({{0, 0, 0, 0, {{{0.3f, 0.1f}, {0.5f, 0.1f}, {0.5f, 0.3f}, {0.3f, 0.3f}, {0.3f, 0.1f}}}}});
  RecordingSink sink;
  HatchCells(entry, SampleOutline(), 0, 5, 5, LIN_INFO{}, 7, sink);
  ASSERT_EQ(sink.regions.size(), 4u);
  for (const auto& r : sink.regions) {
    EXPECT_LT(r.arc[0].x, 2.0);
    EXPECT_EQ(r.info.fillColour(), 7);  // colour 0 takes the pattern colour
  }
}

TEST(HatchEngine, LibraryPointsCarryTheirRecordFieldsTurnedByTheUserAngle) {
  // Cells of 20 × 20 over a square turned by the user angle; points at the
  // middle of the first cell, well inside.
  const auto entry = Entry({
      {3, 4, 5, 0, {{{0.5f, 0.5f}, {0.5f, 30.0f}, {150.0f, 0.0f}}}},
      {4, 0, 6, 0, {{{0.5f, 0.5f}, {0.25f, 0.0f}}}},
      {6, 9, 0, 0, {{{0.5f, 0.5f}, {0.5f, 0.0f}}}},
      {5, 8, 0, 0, {{{0.5f, 0.5f}}}},  // too few pairs for a disc
  });
  RecordingSink sink;
  HatchCells(entry, {{-6, -6}, {14, -6}, {14, 14}, {-6, 14}, {-6, -6}}, 10, 20, 20, LIN_INFO{}, 3, sink);
  ASSERT_EQ(sink.points.size(), 3u);
  const PNT_INFO& arc = sink.points[0].info;
  EXPECT_EQ(arc.kind(), 3);
  EXPECT_DOUBLE_EQ(arc.radius(), 0.5 * 20);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcStartAngle), 40.0f);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcEndAngle), 160.0f);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcPenWidth), 0.1f);
  const PNT_INFO& disc = sink.points[1].info;
  EXPECT_EQ(disc.kind(), 2);
  EXPECT_DOUBLE_EQ(disc.radius(), 5.0);
  EXPECT_EQ(disc.Get<int32_t>(pnt::kCircleOutlineColour), 6);
  EXPECT_EQ(disc.Get<uint8_t>(pnt::kCircleFilled), 1);
  EXPECT_EQ(disc.colour(), 3);
  const PNT_INFO& circle = sink.points[2].info;
  EXPECT_EQ(circle.Get<int32_t>(pnt::kCircleOutlineColour), 1);
  EXPECT_EQ(circle.Get<uint8_t>(pnt::kCircleFilled), 0);
  EXPECT_EQ(circle.colour(), 3);  // fields stay between elements
}

TEST(HatchEngine, LibraryCellsTooDenseOrUnscaledAreRefused) {
  const auto entry = Entry({{2, 0, 0, 0, {{{0.1f, 0.1f}, {0.9f, 0.9f}}}}});
  RecordingSink sink;
  EXPECT_TRUE(HatchCells(entry, SampleOutline(), 0, 1e-6, 1e-6, LIN_INFO{}, 1, sink).tooDense);
  EXPECT_EQ(HatchCells(entry, SampleOutline(), 0, 0, 5, LIN_INFO{}, 1, sink).notes.size(), 1u);
  EXPECT_TRUE(sink.lines.empty());
}

TEST(HatchGeometry, RotationCrossingAndBounds) {
  const D_DOT ccw = RotateHatchVector(1, 0, std::numbers::pi / 2, false);
  EXPECT_NEAR(ccw.x, 0, kTol);
  EXPECT_NEAR(ccw.y, 1, kTol);
  const D_DOT cw = RotateHatchVector(1, 0, 5 * std::numbers::pi / 2, true);
  EXPECT_NEAR(cw.x, 0, kTol);
  EXPECT_NEAR(cw.y, -1, kTol);
  // Short segments at small scales still cross where they do.
  const D_DOT x = SegmentCrossingPoint({0, 0}, {0.02, 0.02}, {0, 0.02}, {0.02, 0});
  EXPECT_NEAR(x.x, 0.01, kTol);
  EXPECT_NEAR(x.y, 0.01, kTol);
  const std::vector<D_DOT> pts{{1, 2}, {-1, 5}, {3, -4}};
  const D_RECT r = PointsBoundingBox(pts.data(), 3);
  EXPECT_EQ(r.xmin, -1);
  EXPECT_EQ(r.ymax, 5);
  EXPECT_EQ(r.ymin, -4);
  EXPECT_EQ(ClassifyPoint(SampleOutline(), {0, 0}), OutlineSide::kInside);
  EXPECT_EQ(ClassifyPoint(SampleOutline(), {6, 0}), OutlineSide::kOnOutline);
  EXPECT_EQ(ClassifyPoint(SampleOutline(), {7, 0}), OutlineSide::kOutside);
}

}  // namespace
}  // namespace zv::panels

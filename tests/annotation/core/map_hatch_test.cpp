// The map's family-line engine through the fill, checked against GEOS: the
// pieces each hatch line or dash leaves inside a region equal GEOS's
// intersection of the same segment with the region.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <map>
#include <numbers>

#include "annotation/core/map_family_lines.h"
#include "annotation/core/pattern_fill.h"
#include "annotation/core/pattern_tag.h"
#include "platform/progress/progress.h"
#include "tests/annotation/core/geos_reference.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

using test::Piece;
constexpr double kDeg = std::numbers::pi / 180.0;

D_DOT Rot(const D_DOT& p, double degrees) {
  const double a = degrees * kDeg, c = std::cos(a), s = std::sin(a);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

std::string RingWkt(const Ring& r) {
  std::string out = "(";
  char buf[80];
  for (std::size_t i = 0; i < r.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%s%.10f %.10f", i ? ", " : "", r[i].x, r[i].y);
    out += buf;
  }
  return out + ")";
}

Ring Rect(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}; }

Ring Shifted(Ring r, double dx, double dy) {
  for (D_DOT& p : r) p = {p.x + dx, p.y + dy};
  return r;
}

// A family as the reference generates it, in the pattern frame: angle,
// origin, shift and distance, dashes (already scaled).
struct Family {
  double angle, x0, y0, dx, dy;
  std::vector<double> dashes;
};

void SortPieces(std::vector<Piece>& v) {
  for (Piece& p : v)
    if (std::tie(p.second.x, p.second.y) < std::tie(p.first.x, p.first.y)) std::swap(p.first, p.second);
  std::sort(v.begin(), v.end(), [](const Piece& a, const Piece& b) {
    return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) < std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
  });
}

void ExpectSamePieces(std::vector<Piece> got, std::vector<Piece> want, double tolerance) {
  SortPieces(got);
  SortPieces(want);
  const auto missing = [&](const std::vector<Piece>& a, const std::vector<Piece>& b) {
    for (const Piece& p : a) {
      const bool found = std::any_of(b.begin(), b.end(), [&](const Piece& q) {
        return std::hypot(p.first.x - q.first.x, p.first.y - q.first.y) < tolerance &&
               std::hypot(p.second.x - q.second.x, p.second.y - q.second.y) < tolerance;
      });
      if (!found)
        ADD_FAILURE() << "unmatched piece (" << std::setprecision(17) << p.first.x << " " << p.first.y << ") ("
                      << p.second.x << " " << p.second.y << ")";
    }
  };
  missing(got, want);
  missing(want, got);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(got[i].first.x, want[i].first.x, tolerance);
    EXPECT_NEAR(got[i].first.y, want[i].first.y, tolerance);
    EXPECT_NEAR(got[i].second.x, want[i].second.x, tolerance);
    EXPECT_NEAR(got[i].second.y, want[i].second.y, tolerance);
  }
}

// Every segment of the family, through `toMap`, clipped by GEOS. `reach`
// bounds the pattern-frame distance from the centre worth trying.
template <class ToMap>
std::vector<Piece> Reference(const Family& f, const test::GeosReference& geos, double reach, ToMap toMap) {
  std::vector<Piece> out;
  const D_DOT origin = Rot({f.x0, f.y0}, -f.angle);
  const int lines = static_cast<int>(std::ceil((reach + std::fabs(origin.y)) / std::fabs(f.dy))) + 1;
  double period = 0;
  for (double d : f.dashes) period += std::fabs(d);
  for (int j = -lines; j <= lines; ++j) {
    const double v = origin.y + j * f.dy;
    if (std::fabs(v) > reach) continue;
    if (f.dashes.empty()) {
      geos.Clip(toMap(Rot({-10 * reach, v}, f.angle)), toMap(Rot({10 * reach, v}, f.angle)), &out);
      continue;
    }
    double before = 0;
    for (double dash : f.dashes) {
      const double length = dash == 0 ? 0.1 : dash;
      const double base = origin.x + j * f.dx + before;
      before += std::fabs(dash);
      if (dash < 0) continue;
      const double m0 = std::floor((-reach - length - base) / period), m1 = std::ceil((reach - base) / period);
      for (double m = m0; m <= m1; ++m) {
        const double u = base + m * period;
        geos.Clip(toMap(Rot({u, v}, f.angle)), toMap(Rot({u + length, v}, f.angle)), &out);
      }
    }
  }
  return out;
}

class MapHatchTest : public zv::test::WorkAreasTest {
 protected:
  std::string WritePat(const std::string& text) {
    const std::string path = zv::test::TempRoot() + "/map_test.pat";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::vector<Piece> Pieces(WorkAreaHandle area, int32_t tag) {
    std::vector<Piece> out;
    int32_t live = 0, bound = 0;
    BasGetLineCount(area, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<D_DOT> v;
      if (BasReadLine(area, id, &v, nullptr) != 1) continue;
      EXPECT_EQ(v.size(), 2u);
      EXPECT_EQ(ReadPatternTag(area, kLineEntity, id), tag);
      out.push_back({v.front(), v.back()});
    }
    return out;
  }
};

TEST_F(MapHatchTest, LinesAndDashesInsideARotatedRegionWithAHoleAndTwoPartsMatchGeos) {
  const double cx = 500000, cy = 3500000;
  const Rings rings = {Shifted(Rect(0, 0, 40, 30), cx, cy), Shifted(Rect(12, 9, 22, 17), cx, cy),
                       Shifted(Rect(46, 4, 61, 14), cx, cy)};
  const test::GeosReference geos("MULTIPOLYGON((" + RingWkt(rings[0]) + "," + RingWkt(rings[1]) + "),(" +
                                 RingWkt(rings[2]) + "))");
  // Where the fill puts the pattern frame: the centre of the box turned by
  // minus the angle.
  const double angle = 30;
  D_RECT box{1e300, 1e300, -1e300, -1e300};
  for (const Ring& r : rings)
    for (const D_DOT& p : r) {
      const D_DOT q = Rot(p, -angle);
      box = {std::min(box.xmin, q.x), std::min(box.ymin, q.y), std::max(box.xmax, q.x), std::max(box.ymax, q.y)};
    }
  const D_DOT centre = Rot({(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2}, angle);
  const auto toMap = [&](const D_DOT& p) {
    const D_DOT q = Rot(p, angle);
    return D_DOT{q.x + centre.x, q.y + centre.y};
  };

  struct Case {
    const char* name;
    const char* pat;
    std::vector<Family> families;  // as the reference draws them (Y scale 5: numbers halved)
  };
  const Case cases[] = {
      {"two families, the second origin moved", "*TWO\n45, 0,0, 0,1\n45, 0.1768,0, 0,1\n",
       {{45, 0, 0, 0, 0.5, {}}, {45, 0.0884, 0, 0, 0.5, {}}}},
      {"dashes with a gap and a dot", "*DASH\n0, 0,0, 0.3,1.5, 2,-0.5,0,-0.5\n",
       {{0, 0, 0, 0.15, 0.75, {1, -0.25, 0, -0.25}}}},
      {"negative line distance", "*NEG\n30, 0.2,0.1, 0,-1.2\n", {{30, 0.1, 0.05, 0, -0.6, {}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(lines_);
    HatchSettings s;
    s.patternFile = WritePat(std::string("; test patterns\n") + c.pat);
    s.patternName = std::string(c.pat).substr(0, std::string(c.pat).find('\n'));
    s.angle = angle;
    std::string error;
    const std::optional<FillSource> source = LoadFillSource(s, &error);
    ASSERT_TRUE(source) << error;
    const FillResult r = FillRings(s, *source, rings, 77, {}, {points_, lines_, regions_});
    EXPECT_TRUE(r.notes.empty());
    std::vector<Piece> want;
    for (const Family& f : c.families) {
      const std::vector<Piece> one = Reference(f, geos, 60, toMap);
      want.insert(want.end(), one.begin(), one.end());
    }
    ASSERT_GT(want.size(), 20u);
    EXPECT_EQ(r.lines.size(), want.size());
    ExpectSamePieces(Pieces(lines_, 77), want, 1e-6);
  }
}

TEST_F(MapHatchTest, AnAngleOfManyTurnsDrawsAsItsAngleWithinOneTurn) {
  const Rings rings = {Shifted(Rect(0, 0, 40, 30), 500000, 3500000)};
  HatchSettings s;
  s.patternFile = WritePat("*TWO\n45, 0,0, 0,1\n0, 0,0, 0.3,1.5, 2,-0.5\n");
  s.patternName = "*TWO";
  std::string error;
  const std::optional<FillSource> source = LoadFillSource(s, &error);
  ASSERT_TRUE(source) << error;
  std::vector<Piece> drawn[2];
  for (int i = 0; i < 2; ++i) {
    BasClearWorkArea(lines_);
    s.angle = 30 + i * 360 * 1e12;
    FillRings(s, *source, rings, 5, {}, {points_, lines_, regions_});
    drawn[i] = Pieces(lines_, 5);
  }
  ASSERT_GT(drawn[0].size(), 20u);
  ExpectSamePieces(drawn[1], drawn[0], 1e-6);
}

// The progress window steps once per line of the whole pattern file, 1 … 10
// and again from 1, under the fill's own name.
struct RecordingProgress : ProgressSink {
  std::vector<int64_t>* positions;
  std::string* name;
  RecordingProgress(std::vector<int64_t>* p, std::string* n) : positions(p), name(n) {}
  void Show(const ProgressState& s) override {
    *name = s.name;
    if (s.position != 0 && (positions->empty() || positions->back() != s.position)) positions->push_back(s.position);
  }
  void Hide() override {}
  bool CancelRequested() override { return false; }
};

TEST_F(MapHatchTest, TheProgressStepsOncePerLineOfTheFileFromOneToTen) {
  std::string pat = "*ONE\n0, 0,0, 0,1\n";
  for (int i = 0; i < 21; ++i) pat += "; comment\n";  // 23 lines in all
  HatchSettings s;
  s.patternFile = WritePat(pat);
  s.patternName = "*ONE";
  std::string error;
  const std::optional<FillSource> source = LoadFillSource(s, &error);
  ASSERT_TRUE(source) << error;
  std::vector<int64_t> positions;
  std::string name;
  auto previous = InstallProgressSink(std::make_unique<RecordingProgress>(&positions, &name));
  FillRings(s, *source, {Rect(0, 0, 10, 10)}, 1, {}, {points_, lines_, regions_});
  InstallProgressSink(std::move(previous));
  EXPECT_EQ(name, "正在绘制图案...");
  EXPECT_EQ(positions, (std::vector<int64_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3}));
}

// Lines drawn over a ring set by the engine alone (pattern frame).
struct Drawn : panels::HatchSink {
  std::vector<Piece> pieces;
  std::vector<float> widths;
  void Line(const std::vector<D_DOT>& v, const LIN_INFO& info) override {
    pieces.push_back({v.front(), v.back()});
    widths.push_back(info.width());
  }
  void Region(const std::vector<D_DOT>&, const LIN_INFO&, const REG_INFO&) override {}
  void Point(const D_DOT&, const PNT_INFO&) override {}
};

panels::HatchFamily Parsed(const char* line, double scaleY = 5) { return panels::ParseHatchFamily(line, scaleY); }

TEST(MapHatchEngine, ALargeOutlineGetsEveryDashedLineAcrossItsWholeWidth) {
  const Rings rings = {Rect(-2500, -2500, 2500, 2500)};
  Drawn drawn;
  const panels::HatchOutcome out =
      MapHatchFamilies({Parsed("0, 0,0, 0,100, 200,-100")}, rings, {}, LIN_INFO{}, drawn);
  EXPECT_TRUE(out.notes.empty());
  std::map<long, double> perLine;  // height → drawn length
  for (const Piece& p : drawn.pieces) perLine[std::lround(p.first.y)] += std::fabs(p.second.x - p.first.x);
  EXPECT_EQ(perLine.size(), 101u);  // every 50 units from −2500 to 2500
  for (const auto& [height, length] : perLine) {
    SCOPED_TRACE(height);
    EXPECT_NEAR(length, 5000 * 2.0 / 3.0, 100.0);
  }
}

TEST(MapHatchEngine, AnXScaleTwiceTheYScaleStillCoversTheWholeOutlineAtNinetyDegrees) {
  const Rings rings = {Rect(-10, -5, 10, 5)};
  Drawn drawn;
  MapHatchOptions options;
  options.scaleX = 10;
  options.scaleY = 5;
  MapHatchFamilies({Parsed("90, 0,0, 0,1")}, rings, options, LIN_INFO{}, drawn);
  // Vertical lines every 0.5 × 2 = 1 unit, across the whole width.
  ASSERT_EQ(drawn.pieces.size(), 21u);
  double least = 1e9, most = -1e9;
  for (const Piece& p : drawn.pieces) {
    EXPECT_NEAR(p.first.x, p.second.x, 1e-9);
    EXPECT_NEAR(std::fabs(p.second.y - p.first.y), 10, 1e-9);
    least = std::min(least, p.first.x);
    most = std::max(most, p.first.x);
  }
  EXPECT_NEAR(least, -10, 1e-9);
  EXPECT_NEAR(most, 10, 1e-9);
}

TEST(MapHatchEngine, DashPiecesAreCutAtTheOutlineAndTouchingOnesAreDropped) {
  const Rings square = {Rect(0, 0, 10, 10)};
  struct Case {
    const char* name;
    D_DOT a, b;
    std::vector<Piece> want;
  };
  const Case cases[] = {
      {"whole inside", {2, 5}, {4, 5}, {{{2, 5}, {4, 5}}}},
      {"crossing once", {8, 5}, {12, 5}, {{{8, 5}, {10, 5}}}},
      {"both ends outside, crossing", {-2, 5}, {12, 5}, {{{0, 5}, {10, 5}}}},
      {"one end on the outline, the other outside", {10, 5}, {12, 5}, {}},
      {"outside", {11, 5}, {12, 5}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Piece> got;
    for (const Segment& s : StretchesInside(square, c.a, c.b)) got.push_back(s);
    ExpectSamePieces(got, c.want, 1e-12);
  }
  const Rings holed = {Rect(0, 0, 10, 10), Rect(4, 4, 6, 6)};
  std::vector<Piece> got;
  for (const Segment& s : StretchesInside(holed, {-1, 5}, {11, 5})) got.push_back(s);
  ExpectSamePieces(got, {{{0, 5}, {4, 5}}, {{6, 5}, {10, 5}}}, 1e-12);
}

TEST(MapHatchEngine, ALineThroughADegenerateRingStopsAtItsVertices) {
  struct Case {
    const char* name;
    Rings rings;
    D_DOT a, b;
    std::vector<Piece> want;
  };
  const Case cases[] = {
      {"ring shrunk to a point", {{{5, 5}, {5, 5}, {5, 5}}}, {4, 5}, {6, 5}, {}},
      {"spike drawn out and back", {{{0, 0}, {10, 0}, {10, 5}, {15, 5}, {10, 5}, {10, 10}, {0, 10}, {0, 0}}},
       {-1, 5}, {16, 5}, {{{0, 5}, {15, 5}}}},
      {"far-off spike", {{{5e5, 35e5}, {5e5 + 10, 35e5}, {5e5 + 10, 35e5 + 5}, {5e5 + 15, 35e5 + 5},
                          {5e5 + 10, 35e5 + 5}, {5e5 + 10, 35e5 + 10}, {5e5, 35e5 + 10}, {5e5, 35e5}}},
       {5e5 - 1, 35e5 + 5}, {5e5 + 16, 35e5 + 5}, {{{5e5, 35e5 + 5}, {5e5 + 15, 35e5 + 5}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Piece> got;
    for (const Segment& s : StretchesInside(c.rings, c.a, c.b)) got.push_back(s);
    ExpectSamePieces(got, c.want, 1e-9);
  }
}

TEST(MapHatchEngine, TheFanOpensTheLinesAtPlusMinusHalfTheFanHeightByTheAngleBetweenStartAndEnd) {
  const Rings rings = {Rect(-10, -10, 10, 10)};
  // Lines every 5 units; fan height 10, so D = 10 / tan(45°) × 0.5 = 5.
  const auto slopes = [&](double start, double end) {
    MapHatchOptions options;
    options.fan = {true, start, end, 10};
    Drawn drawn;
    MapHatchFamilies({Parsed("0, 0,0, 0,10")}, rings, options, LIN_INFO{}, drawn);
    std::map<long, double> byHeightAtZero;  // the line's height at x = 0 → its slope
    for (const Piece& p : drawn.pieces) {
      const double slope = (p.second.y - p.first.y) / (p.second.x - p.first.x);
      byHeightAtZero[std::lround(p.first.y - slope * p.first.x)] = slope;
    }
    return byHeightAtZero;
  };
  const std::map<long, double> fanned = slopes(0, 90);
  ASSERT_TRUE(fanned.count(5) && fanned.count(-5) && fanned.count(0));
  EXPECT_NEAR(fanned.at(5), -1, 1e-9);
  EXPECT_NEAR(fanned.at(-5), 1, 1e-9);
  EXPECT_NEAR(fanned.at(0), 0, 1e-9);
  // 90° between the two lines.
  EXPECT_NEAR(std::atan(fanned.at(-5)) - std::atan(fanned.at(5)), std::numbers::pi / 2, 1e-9);
  for (const auto& [height, slope] : slopes(30, 30)) EXPECT_EQ(slope, 0) << height;
}

TEST(MapHatchEngine, UnsoundFamiliesAreSkippedWithANoteAndDenseOnesDrawNothing) {
  const Rings rings = {Rect(0, 0, 10, 10)};
  Drawn drawn;
  panels::HatchOutcome out =
      MapHatchFamilies({Parsed("0, 0,0, 0,0"), Parsed("0, 0,0, 0,1, 0,0"), Parsed("0, 0,0, 0,2")}, rings, {},
                       LIN_INFO{}, drawn);
  EXPECT_EQ(out.notes.size(), 2u);
  EXPECT_FALSE(drawn.pieces.empty());
  Drawn dense;
  out = MapHatchFamilies({Parsed("0, 0,0, 0,1", 1e-6)}, {Rect(0, 0, 1000, 1000)}, {}, LIN_INFO{}, dense);
  EXPECT_TRUE(out.tooDense);
  EXPECT_TRUE(dense.pieces.empty());
}

// Families from a broken file whose numbers are far out of scale end at once:
// a shift or origin of 1e299 leaves the dash walk and the line count where
// stepping by one changes nothing, and a family of gaps only over a dense
// spacing has nothing to walk.
TEST(MapHatchEngine, FarOffOrGapOnlyFamiliesEndAndStayInside) {
  const Rings square{Rect(0, 0, 100, 100)};
  for (const char* line : {"0,0,0,1e300,10,1,-1", "0,1e300,1e300,0,10,1,-1", "0,1e300,1e300,0,10",
                           "30,0,0,0,1e-10,-1,-1"}) {
    SCOPED_TRACE(line);
    Drawn drawn;
    MapHatchFamilies({Parsed(line)}, square, {}, LIN_INFO{}, drawn);
    EXPECT_LE(drawn.pieces.size(), EstimateMapHatchPieces({Parsed(line)}, square, {}));
    for (const Piece& p : drawn.pieces)
      for (const D_DOT& v : {p.first, p.second}) EXPECT_TRUE(InsideOrOnRings(square, v));
  }
}

}  // namespace
}  // namespace zv::annot

#include "tools/line/core/fill_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace zv::tools {
namespace {

std::string Dump(const std::vector<Polyline>& lines) {
  std::ostringstream out;
  out.precision(10);
  for (const Polyline& line : lines) {
    out << "[";
    for (std::size_t i = 0; i < line.size(); ++i)
      out << (i ? " " : "") << (std::fabs(line[i].x) < 1e-9 ? 0 : line[i].x) << ","
          << (std::fabs(line[i].y) < 1e-9 ? 0 : line[i].y);
    out << "]";
  }
  return out.str();
}

TEST(FillLines, OutlinesOfOneOrMoreRings) {
  const Polyline square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const Polyline diamond{{5, 0}, {10, 5}, {5, 10}, {0, 5}};
  const Polyline notch{{0, 0}, {10, 0}, {10, 10}, {5, 2}, {0, 10}};  // concave from the top
  const Polyline hole{{4, 4}, {6, 4}, {6, 6}, {4, 6}};
  // The edges (10,0)→(10,4)→(12,5)... pass across y = 4 at a vertex.
  const Polyline passing{{0, 0}, {10, 0}, {10, 4}, {12, 8}, {0, 8}};
  struct Row {
    const char* name;
    std::vector<Polyline> rings;
    double angle, spacing;
    const char* lines;
  };
  const Row rows[] = {
      {"along the bottom and the top edge: no piece there", {square}, 0, 5, "[0,5 10,5]"},
      {"through the extreme vertices: a touch gives none", {diamond}, 0, 5, "[0,5 10,5]"},
      {"a concave outline drops the piece outside", {notch}, 0, 4, "[0,4 3.75,4][6.25,4 10,4][0,8 1.25,8][8.75,8 10,8]"},
      {"a hole cuts the lines through it", {square, hole}, 0, 5, "[0,5 4,5][6,5 10,5]"},
      {"a line along a hole's edge keeps the pieces beside it", {square, hole}, 0, 2,
       "[0,2 10,2][0,4 4,4][6,4 10,4][0,6 4,6][6,6 10,6][0,8 10,8]"},
      {"a touch at an inner vertex leaves the line whole", {notch}, 0, 2,
       "[0,2 10,2][0,4 3.75,4][6.25,4 10,4][0,6 2.5,6][7.5,6 10,6][0,8 1.25,8][8.75,8 10,8]"},
      {"a pass through a vertex crosses once", {passing}, 0, 4, "[0,4 10,4]"},
      {"turned by 90 degrees the lines run along y", {square}, 90, 5, "[5,10 5,0]"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Dump(FillLines(r.rings, r.angle, r.spacing)), r.lines);
  }
  EXPECT_TRUE(FillLines({square}, 0, 0).empty());
}

TEST(FillLines, ASpacingNeedingMoreThanAMillionRowsGivesNone) {
  const Polyline square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  EXPECT_DOUBLE_EQ(FillRowCount({square}, 0, 10), 11);
  EXPECT_GT(FillRowCount({square}, 0, 1e-5), kMostFillRows);
  EXPECT_DOUBLE_EQ(FillRowCount({{{0, 0}, {1, 1}}}, 0, 1), 0);  // no ring of three vertices
  EXPECT_TRUE(FillLines({square}, 0, 1e-5).empty());
  EXPECT_TRUE(FillLines({square}, 1e12, 1e-9).empty());  // 10^11 rows: refused at once
  EXPECT_TRUE(FillLines({square}, 0, 1e300).empty());   // one row, along the bottom edge
}

TEST(FillLines, TurnAndStretchFromTheFirstVertex) {
  const Polyline line{{1, 1}, {2, 2}, {3, 1}};
  EXPECT_DOUBLE_EQ(ChordAngleDegrees(line), 0);
  // Twice the length at the same angle: each vertex twice as far from the first.
  const std::optional<Polyline> doubled = TurnAndStretch(line, 2 * (2 * std::sqrt(2.0)), 0);
  ASSERT_TRUE(doubled);
  EXPECT_EQ(Dump({*doubled}), "[1,1 3,3 5,1]");
  // Turned to 90 degrees: the chord points up.
  EXPECT_EQ(Dump({*TurnAndStretch(line, 2 * std::sqrt(2.0), 90)}), "[1,1 0,2 1,3]");
  EXPECT_FALSE(TurnAndStretch({{1, 1}, {1, 1}}, 5, 0));
}

}  // namespace
}  // namespace zv::tools

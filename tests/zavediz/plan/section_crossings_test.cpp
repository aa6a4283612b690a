#include "zavediz/plan/section_crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv::zavediz {
namespace {

std::vector<D_DOT> Crossings(const std::vector<D_DOT>& section, const std::vector<D_DOT>& contour) {
  std::vector<Crossing> found;
  FindContourCrossings(SectionPath(section), 1, contour, found);
  SortCrossings(found);
  std::vector<D_DOT> points;
  for (const Crossing& c : found) points.push_back(c.at);
  return points;
}

std::string Text(const std::vector<D_DOT>& points) {
  std::string text;
  for (const D_DOT& p : points) text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  return text;
}

TEST(SectionCrossings, ContoursCountOncePerPassageFromSideToSide) {
  const std::vector<D_DOT> straight{{0, 0}, {100, 0}};
  const std::vector<D_DOT> bent{{0, 0}, {50, 0}, {50, 50}};  // turns left at (50, 0)
  struct Case {
    const char* name;
    const std::vector<D_DOT>& section;
    std::vector<D_DOT> contour;
    std::vector<D_DOT> expected;
  };
  const Case cases[] = {
      {"inside both segments", straight, {{10, -5}, {10, 5}}, {{10, 0}}},
      {"through its own vertex", straight, {{20, -5}, {20, 0}, {20, 5}}, {{20, 0}}},
      {"touches from below", straight, {{30, -5}, {30, 0}, {35, -5}}, {}},
      {"touches from above", straight, {{30, 5}, {30, 0}, {35, 5}}, {}},
      {"along a stretch, then over", straight, {{40, -5}, {40, 0}, {50, 0}, {50, 5}}, {{40, 0}}},
      {"along a stretch walked backwards", straight, {{50, 5}, {50, 0}, {40, 0}, {40, -5}}, {{40, 0}}},
      {"along a stretch and back", straight, {{40, -5}, {40, 0}, {50, 0}, {50, -5}}, {}},
      {"ends on the line", straight, {{40, -5}, {40, 0}}, {}},
      {"at the line's start", straight, {{0, -5}, {0, 0}, {0, 5}}, {}},
      {"at the line's end", straight, {{100, -5}, {100, 5}}, {}},
      {"crossed twice", straight, {{10, -5}, {20, 5}, {30, -5}}, {{15, 0}, {25, 0}}},
      {"closed, through its first vertex", straight, {{60, 0}, {65, 5}, {70, 0}, {65, -5}, {60, 0}}, {{60, 0}, {70, 0}}},
      {"closed, touching at its first vertex", straight, {{60, 0}, {65, 5}, {70, 5}, {60, 0}}, {}},
      {"through the line's vertex", bent, {{40, 10}, {60, -10}}, {{50, 0}}},
      {"own vertex on the line's vertex", bent, {{40, 10}, {50, 0}, {60, -10}}, {{50, 0}}},
      {"touching the line's vertex from outside", bent, {{60, -10}, {50, 0}, {40, -10}}, {}},
      {"touching the line's vertex from inside", bent, {{40, 5}, {50, 0}, {45, 10}}, {}},
      {"along the first leg, out past the vertex", bent, {{30, -5}, {30, 0}, {50, 0}, {60, 5}}, {}},
      {"along the first leg, into the inside", bent, {{30, -5}, {30, 0}, {50, 0}, {40, 10}}, {{30, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Text(Crossings(c.section, c.contour)), Text(c.expected));
  }
}

TEST(SectionCrossings, ListHoldsCrossingsAndInteriorVerticesByDistanceThenArrival) {
  const SectionPath path({{0, 0}, {10, 0}, {10, 10}});
  std::vector<Crossing> found;
  FindContourCrossings(path, 1, {{5, -1}, {5, 1}}, found);
  FindContourCrossings(path, 2, {{9, 5}, {11, 5}}, found);
  FindContourCrossings(path, 3, {{5, 1}, {5, -1}}, found);  // same place as line 1
  FindContourCrossings(path, 4, {{11, -1}, {9, 1}}, found);  // through the vertex
  SortCrossings(found);
  CPointRecList list;
  FillCrossingList(path, found, list);

  std::string rows;
  for (int32_t i = 1; i <= list.GetCount(); ++i) {
    int32_t id;
    double x, y, value;
    std::string name;
    ASSERT_TRUE(list.GetAtFull(i, id, x, y, name, value));
    rows += std::to_string(id) + name + "@" + std::to_string(static_cast<int>(value)) + " ";
  }
  EXPECT_EQ(rows, "10@5 30@5 40@10 01@10 20@15 ");
}

// Which side of y = 150 a contour vertex lies on, for the plain count.
int Side(double y) { return (y > 150) - (y < 150); }

TEST(SectionCrossings, SampleMapLineAlongGridRowFindsEveryPassage) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle contours = BasLoadWorkArea(set, test::DataPath("../../data/samples/CONTOUR.WL"));
  ASSERT_NE(contours, 0);
  const SectionPath path({{20, 150}, {380, 150}});

  int32_t live = 0, bound = 0;
  BasGetLineCount(contours, &live, &bound);
  std::vector<Crossing> found;
  size_t expected = 0;
  std::vector<D_DOT> line;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadLine(contours, id, &line, nullptr)) continue;
    FindContourCrossings(path, id, line, found);
    // Plain count: side changes between vertices off the row, placed at the
    // first vertex on the row between them or where the edge meets it.
    const bool closed = line.size() > 2 && line.front().x == line.back().x && line.front().y == line.back().y;
    std::vector<D_DOT> walk(line.begin(), line.end() - (closed ? 1 : 0));
    size_t start = 0;
    while (closed && start < walk.size() && Side(walk[start].y) == 0) ++start;
    int lastSide = 0;
    double onRowX = NAN;
    const size_t steps = walk.size() + (closed ? 1 : 0);
    for (size_t step = 0; step < steps; ++step) {
      const D_DOT& p = walk[(start + step) % walk.size()];
      const int side = Side(p.y);
      if (side == 0) {
        if (std::isnan(onRowX)) onRowX = p.x;
        continue;
      }
      if (lastSide != 0 && side != lastSide) {
        const D_DOT& q = walk[(start + step - 1) % walk.size()];
        const double x = std::isnan(onRowX) ? q.x + (p.x - q.x) * (150 - q.y) / (p.y - q.y) : onRowX;
        if (x > 20 && x < 380) ++expected;
      }
      lastSide = side;
      onRowX = NAN;
    }
  }
  EXPECT_GT(expected, 10u);
  EXPECT_EQ(found.size(), expected);
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv::zavediz

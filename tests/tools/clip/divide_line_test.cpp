#include "tools/clip/core/divide_line.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

namespace zv::tools {
namespace {

std::string Dump(const std::vector<D_DOT>& points) {
  std::ostringstream out;
  for (std::size_t i = 0; i < points.size(); ++i) out << (i ? " " : "") << points[i].x << "," << points[i].y;
  return out.str();
}

// Hands out the scripted numbers in order; the discarded draw comes first.
RandomDraw Scripted(std::deque<int> numbers) {
  auto queue = std::make_shared<std::deque<int>>(std::move(numbers));
  return [queue] {
    const int r = queue->empty() ? 0 : queue->front();
    if (!queue->empty()) queue->pop_front();
    return r;
  };
}

TEST(DivideLine, TargetsOffsetsAndTheRewrittenLine) {
  const std::vector<D_DOT> straight{{0, 0}, {30, 0}};
  const std::vector<D_DOT> bent{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  struct Row {
    const char* name;
    std::vector<D_DOT> line;
    DivisionPlan plan;
    int direction;
    double range;
    std::deque<int> draws;
    const char* points;
    const char* vertices;
  };
  const Row rows[] = {
      {"by distance 10 on 30: four parts, the last two on the end", straight, PlanByDistance(30, 10), 0, 0, {},
       "10,0 20,0 30,0 30,0", "0,0 10,0 20,0 30,0"},
      {"by number 4: quarters and the end", bent, PlanByParts(30, 4), 0, 0, {}, "7.5,0 10,5 7.5,10 0,10",
       "0,0 7.5,0 10,0 10,5 10,10 7.5,10 0,10"},
      {"forward offsets", straight, PlanByParts(30, 2), 1, 2, {0, 32767, 0, 0}, "17,0 30,0", "0,0 17,0 30,0"},
      {"backward offsets", straight, PlanByParts(30, 2), 2, 2, {0, 32767, 0, 32767}, "13,0 28,0",
       "0,0 13,0 28,0 30,0"},
      {"either way: r = 0 moves back by the range", straight, PlanByParts(30, 2), 0, 2, {0, 0, 0, 32767},
       "13,0 30,0", "0,0 13,0 30,0"},
      {"a negative target is clamped to the start", straight, PlanByParts(30, 10), 2, 5, {0, 32767},
       "0,0 6,0 9,0 12,0 15,0 18,0 21,0 24,0 27,0 30,0", "0,0 6,0 9,0 12,0 15,0 18,0 21,0 24,0 27,0 30,0"},
      {"offsets that reorder points keep the line in order", straight, PlanByParts(30, 2), 2, 20,
       {0, 0, 0, 32767}, "15,0 10,0", "0,0 10,0 15,0 30,0"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const Division d = DivideLine(r.line, r.plan.step, r.plan.parts, r.direction, r.range, Scripted(r.draws));
    EXPECT_EQ(Dump(d.points), r.points);
    EXPECT_EQ(Dump(d.vertices), r.vertices);
  }
  EXPECT_EQ(PlanByDistance(30, 10).parts, 4);
  EXPECT_EQ(PlanByDistance(29, 10).parts, 3);
}

TEST(DivideLine, TheClockSeededDrawStaysInRange) {
  const RandomDraw draw = ClockSeededDraw();
  for (int i = 0; i < 1000; ++i) {
    const int r = draw();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}

}  // namespace
}  // namespace zv::tools

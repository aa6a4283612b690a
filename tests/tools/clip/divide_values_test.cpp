#include "tools/clip/core/divide_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/clip/core/divide_line.h"

namespace zv::tools {
namespace {

TEST(DivideValues, TheChecksOfOk) {
  struct Row {
    const char* name;
    DivideValues values;
    const char* refused;  // null: accepted
  };
  const Row rows[] = {
      {"defaults", {}, nullptr},
      {"distance 0", {.distance = 0}, "distance"},
      {"negative distance", {.distance = -1}, "distance"},
      {"distance 0 is fine by number", {.byDistance = false, .distance = 0, .parts = 3}, nullptr},
      {"no parts", {.byDistance = false, .parts = 0}, "parts"},
      {"negative range", {.range = -0.5}, "range"},
      {"infinite range", {.range = INFINITY}, "range"},
      {"huge but finite range", {.range = 1e308}, nullptr},
      {"a million parts", {.byDistance = false, .parts = kMostDivisions}, nullptr},
      {"more than a million parts", {.byDistance = false, .parts = kMostDivisions + 1}, "parts"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto result = CheckDivideValues(r.values);
    if (r.refused) {
      ASSERT_TRUE(std::holds_alternative<DivideRefusal>(result));
      EXPECT_STREQ(std::get<DivideRefusal>(result).field, r.refused);
    } else {
      EXPECT_TRUE(std::holds_alternative<DivideValues>(result));
    }
  }
}

TEST(DividePlan, ADistanceThatWouldGiveMoreThanAMillionPartsIsTooMany) {
  struct Row {
    const char* name;
    DivisionPlan plan;
    int32_t parts;
    bool tooMany;
  };
  const Row rows[] = {
      {"a huge distance: one part", PlanByDistance(1000, 1e300), 1, false},
      {"a million parts", PlanByDistance(999'999, 1), kMostDivisions, false},
      {"1e-9 on a kilometre", PlanByDistance(1000, 1e-9), 0, true},
      {"past the int32 range", PlanByDistance(1e10, 1), 0, true},
      {"a zero-length line", PlanByDistance(0, 10), 1, false},
      {"by number", PlanByParts(1000, kMostDivisions + 1), 0, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.plan.parts, r.parts);
    EXPECT_EQ(r.plan.tooMany, r.tooMany);
  }
}

}  // namespace
}  // namespace zv::tools

#include "tools/clip/core/divide_values.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zv::tools

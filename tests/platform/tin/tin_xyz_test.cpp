#include <gtest/gtest.h>

#include "platform/tin/tin_xyz.h"

namespace zv::tin {
namespace {

TEST(TinXyz, MalformedLinesAreSkippedCountedAndReportedByTheFirstLine) {
  struct Case {
    const char* name;
    std::string text;
    size_t points;
    int64_t skipped, firstSkipped;
    const char* report;
  };
  const Case cases[] = {
      {"plain", "1 2 3\n4\t5\t6\r\n7,8,9", 3, 0, 0, "读取高程点3个"},
      {"blank lines and extra numbers", "\n1 2 3 99\n  \n4 5 6\n", 2, 0, 0, "读取高程点2个"},
      {"too few", "1 2 3\n4 5\n6 7 8\n", 2, 1, 2, "读取高程点2个，跳过格式错误的行1行（第2行起）"},
      {"not numbers", "x y z\n1 2 3\n1 2 nan\n1 inf 2\n1 2 3abc\n", 1, 4, 1,
       "读取高程点1个，跳过格式错误的行4行（第1行起）"},
      {"byte order mark", "\xEF\xBB\xBF" "1 2 3\n", 1, 0, 0, "读取高程点1个"},
      {"no line end, cut number", "1 2 3\n4 5 -", 1, 1, 2, "读取高程点1个，跳过格式错误的行1行（第2行起）"},
      {"binary", std::string("\0\xff\x01 2 3", 7), 0, 1, 1, "读取高程点0个，跳过格式错误的行1行（第1行起）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const XyzRead read = ParseXyz(c.text);
    EXPECT_EQ(read.points.size(), c.points);
    EXPECT_EQ(read.skipped, c.skipped);
    EXPECT_EQ(read.firstSkippedLine, c.firstSkipped);
    EXPECT_EQ(XyzReport(read), c.report);
  }
  const XyzRead read = ParseXyz("1.5 -2e3 3\n");
  ASSERT_EQ(read.points.size(), 1u);
  EXPECT_EQ(read.points[0].x, 1.5);
  EXPECT_EQ(read.points[0].y, -2000);
  EXPECT_EQ(read.points[0].z, 3);
}

}  // namespace
}  // namespace zv::tin

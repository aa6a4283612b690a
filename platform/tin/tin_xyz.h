#pragma once
// Elevation points as plain text: one "x y z" a line, numbers in the C
// locale separated by blanks, tabs or commas.
//
// Blank lines are passed over. A line that does not start with three finite
// numbers is skipped and counted, and the first such line's number (from 1)
// is kept for the report; numbers after the third are ignored. The text may
// be of any bytes: nothing is read past its end.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tin/tin.h"

namespace zv::tin {

struct XyzRead {
  std::vector<TinPoint> points;
  int64_t skipped = 0;
  int64_t firstSkippedLine = 0;  // 0 when none was skipped
};

XyzRead ParseXyz(std::string_view text);

// The report of a read, e.g. "读取高程点100个，跳过格式错误的行2行（第5行起）".
std::string XyzReport(const XyzRead& read);

}  // namespace zv::tin

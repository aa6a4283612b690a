#include "platform/tin/tin_xyz.h"

#include <cmath>
#include <optional>

#include "framework/text/numbers.h"

namespace zv::tin {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\v' || c == '\f'; }

// The next number of the line from `pos`, or none when the next field is
// not one finite number.
std::optional<double> NextNumber(std::string_view line, size_t& pos) {
  while (pos < line.size() && IsSeparator(line[pos])) ++pos;
  size_t end = pos;
  while (end < line.size() && !IsSeparator(line[end])) ++end;
  if (end == pos) return std::nullopt;
  const std::optional<double> value = num::ParseTypedReal(line.substr(pos, end - pos));
  pos = end;
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (!IsSeparator(c)) return false;
  return true;
}

}  // namespace

XyzRead ParseXyz(std::string_view text) {
  XyzRead read;
  int64_t lineNumber = 0;
  size_t start = 0;
  // A UTF-8 byte order mark before the first number is not data.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (IsBlank(line)) continue;
    size_t pos = 0;
    const std::optional<double> x = NextNumber(line, pos);
    const std::optional<double> y = x ? NextNumber(line, pos) : std::nullopt;
    const std::optional<double> z = y ? NextNumber(line, pos) : std::nullopt;
    if (!z) {
      if (read.skipped++ == 0) read.firstSkippedLine = lineNumber;
      continue;
    }
    read.points.push_back({*x, *y, *z});
  }
  return read;
}

std::string XyzReport(const XyzRead& read) {
  std::string report = "读取高程点" + num::FormatInt(static_cast<long>(read.points.size())) + "个";
  if (read.skipped > 0)
    report += "，跳过格式错误的行" + num::FormatInt(static_cast<long>(read.skipped)) + "行（第" +
              num::FormatInt(static_cast<long>(read.firstSkippedLine)) + "行起）";
  return report;
}

}  // namespace zv::tin

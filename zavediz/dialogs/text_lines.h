#pragma once
// Line by line through the small text files of the dialogs, whichever line
// ending they were written with.

#include <string_view>

namespace zv::zavediz {

// The next line of `rest` without its CR LF or LF, and `rest` moved past it;
// an empty line once `rest` is used up.
inline std::string_view TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace zv::zavediz

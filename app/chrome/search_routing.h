#pragma once
// Which tool views a search (or a layer change) goes to, by the active
// document's file name: an extension of three characters after the dot
// (".mpj") is the plan's, of two (".wt", ".wl", ".wp") the section's;
// anything else, no dot included, goes to both.

#include <string_view>

namespace zv::chrome {

struct SearchTargets {
  bool plan = false;
  bool section = false;
  friend bool operator==(const SearchTargets&, const SearchTargets&) = default;
};

// `path` may hold folders ("/" or "\"); only the file name counts.
SearchTargets SearchTargetsOf(std::string_view path);

}  // namespace zv::chrome

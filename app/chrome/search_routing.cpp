#include "app/chrome/search_routing.h"

namespace zv::chrome {

SearchTargets SearchTargetsOf(std::string_view path) {
  const std::size_t cut = path.find_last_of("/\\");
  const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
  const std::size_t dot = name.rfind('.');
  const std::size_t length = dot == std::string_view::npos ? 0 : name.size() - dot;
  if (length == 4) return {true, false};
  if (length == 3) return {false, true};
  return {true, true};
}

}  // namespace zv::chrome

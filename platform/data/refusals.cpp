// What the last refused change was refused for (see BasLastRefusal).
#include "platform/data/work_area_store.h"

namespace zv {
namespace {

std::string& Refusal() {
  static std::string text;
  return text;
}

}  // namespace

namespace detail {
void SetRefusal(std::string text) { Refusal() = std::move(text); }
}  // namespace detail

std::string BasLastRefusal() { return Refusal(); }

}  // namespace zv

#include "platform/view/display_params.h"

#include <algorithm>

namespace zv {

SelectParms::SelectParms() {
  // Lines at their true width, everything else off.
  values_[kRestoredDisplay] = 1;
}

int SelectParms::Get(int16_t* values, int count) const {
  if (!values || count < 1) return 0;
  const int n = std::min(count, static_cast<int>(kSelectParmCount));
  std::copy_n(values_.begin(), n, values);
  return n;
}

int SelectParms::Set(const int16_t* values, int count) {
  if (!values || count < 1) return 0;
  const int n = std::min(count, static_cast<int>(kSelectParmCount));
  std::copy_n(values, n, values_.begin());
  return n;
}

bool SelectParms::Flip(int entry) {
  if (entry < 0 || entry >= kSelectParmCount) return false;
  values_[static_cast<std::size_t>(entry)] = values_[static_cast<std::size_t>(entry)] ? 0 : 1;
  return true;
}

}  // namespace zv

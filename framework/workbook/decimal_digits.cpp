#include "framework/workbook/decimal_digits.h"

#include <cmath>
#include <cstdlib>

#include "framework/text/numbers.h"

namespace zv::workbook {
namespace {

constexpr int kSignificantDigits = 15;

// Adds one at the last digit; a carry out of the first digit adds a digit.
void Increment(DecimalDigits& value) {
  std::size_t i = value.digits.size();
  while (i > 0 && value.digits[i - 1] == '9') value.digits[--i] = '0';
  if (i == 0) {
    value.digits.insert(value.digits.begin(), '1');
    ++value.point;
  } else {
    ++value.digits[i - 1];
  }
}

}  // namespace

DecimalDigits ToDecimalDigits(double value) {
  DecimalDigits out;
  if (value == 0 || !std::isfinite(value)) return out;
  // "d.dddddddddddddde±x": the correctly rounded 15 significant digits.
  const std::string text = num::Format("%.*e", kSignificantDigits - 1, std::fabs(value));
  const auto e = text.find('e');
  out.digits = text.substr(0, 1) + text.substr(2, e - 2);
  out.point = std::atoi(text.c_str() + e + 1) + 1;
  while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
  return out;
}

std::string FixedText(const DecimalDigits& value, int decimals) {
  DecimalDigits d = value;
  const long keep = static_cast<long>(d.point) + decimals;  // digits kept before rounding
  if (keep < 0) {
    d = {};
  } else if (static_cast<std::size_t>(keep) < d.digits.size()) {
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) Increment(d);
    else if (d.digits.empty()) d = {};
  }
  std::string integer, fraction;
  for (int i = 0; i < d.point; ++i)
    integer += static_cast<std::size_t>(i) < d.digits.size() ? d.digits[static_cast<std::size_t>(i)] : '0';
  if (integer.empty()) integer = "0";
  for (int i = 0; i < decimals; ++i) {
    const long at = static_cast<long>(d.point) + i;
    fraction += at >= 0 && static_cast<std::size_t>(at) < d.digits.size() ? d.digits[static_cast<std::size_t>(at)] : '0';
  }
  return decimals > 0 ? integer + "." + fraction : integer;
}

}  // namespace zv::workbook

#include "app/options/option_values.h"

#include <cstdlib>
#include <locale.h>

#include "framework/text/numbers.h"

namespace zv::options {
namespace {

// strtod in the C locale, whatever the user's locale.
double CStrtod(const char* text, char** end) {
  static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  return strtod_l(text, end, c);
}

}  // namespace

std::optional<long> ParseWhole(const std::string& text) { return num::ParseTypedWhole(text); }

std::optional<double> ParseReal(const std::string& text) { return num::ParseTypedReal(text); }

double LeadingNumber(const std::string& text) {
  char* end = nullptr;
  const double value = CStrtod(text.c_str(), &end);
  return end == text.c_str() ? 0.0 : value;
}

bool OverburdenColourApplies(const std::string& thicknessText) {
  return !thicknessText.empty() && LeadingNumber(thicknessText) != 0.0;
}

std::string RangeMessage(long minimum, long maximum) {
  return "请输入一个介于 " + std::to_string(minimum) + " 和 " + std::to_string(maximum) + " 之间的整数。";
}

}  // namespace zv::options

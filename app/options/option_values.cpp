#include "app/options/option_values.h"

#include <cerrno>
#include <cstdlib>
#include <locale.h>

namespace zv::options {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// strtod in the C locale, whatever the user's locale.
double CStrtod(const char* text, char** end) {
  static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  return strtod_l(text, end, c);
}

}  // namespace

std::optional<long> ParseWhole(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(t.c_str(), &end, 10);
  if (errno != 0 || end == t.c_str() || *end != '\0') return std::nullopt;
  return value;
}

std::optional<double> ParseReal(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = CStrtod(t.c_str(), &end);
  if (end == t.c_str() || *end != '\0') return std::nullopt;
  return value;
}

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

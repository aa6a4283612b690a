#include "framework/text/numbers.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace zv::num {
namespace {

locale_t CLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// Switches this thread to the C locale for the lifetime of the guard.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

// strtol and friends need a terminated string; numbers are short, so a small
// local buffer avoids an allocation on the common path.
template <typename F>
auto WithTerminated(std::string_view text, F&& f) {
  char local[64];
  if (text.size() < sizeof local) {
    text.copy(local, text.size());
    local[text.size()] = '\0';
    return f(local);
  }
  std::string copy(text);
  return f(copy.c_str());
}

}  // namespace

std::string Format(const char* format, ...) {
  CLocaleScope scope;
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  char local[128];
  int n = std::vsnprintf(local, sizeof local, format, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(again);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof local) {
    out.assign(local, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(again);
  return out;
}

std::string FormatInt(long value) { return Format("%ld", value); }

std::string FormatFixed(double value, int decimals) { return Format("%.*f", decimals, value); }

int ParseInt(std::string_view text) { return static_cast<int>(ParseLong(text)); }

int ParseIntHeld(std::string_view text) {
  return static_cast<int>(
      std::clamp<long>(ParseLong(text), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

long ParseLong(std::string_view text) {
  return WithTerminated(text, [](const char* s) { return strtol_l(s, nullptr, 10, CLocale()); });
}

double ParseDouble(std::string_view text) {
  return WithTerminated(text, [](const char* s) { return strtod_l(s, nullptr, CLocale()); });
}

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<long> ParseTypedWhole(std::string_view text) {
  const std::string t(Trimmed(text));
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = strtol_l(t.c_str(), &end, 10, CLocale());
  if (errno != 0 || end == t.c_str() || *end != '\0') return std::nullopt;
  return value;
}

std::optional<double> ParseTypedReal(std::string_view text) {
  const std::string t(Trimmed(text));
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = strtod_l(t.c_str(), &end, CLocale());
  if (end == t.c_str() || *end != '\0') return std::nullopt;
  return value;
}

}  // namespace zv::num

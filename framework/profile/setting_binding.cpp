#include "framework/profile/setting_binding.h"

#include <cmath>
#include <type_traits>

#include "framework/text/numbers.h"

namespace zv {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

bool LoadSetting(const ProfileFile& file, const SettingBinding& binding) {
  const bool isText = std::holds_alternative<std::string*>(binding.variable);
  const std::string text =
      file.GetString(binding.section, binding.key, kNullSetting, isText ? kTextBufferSize : kNumberBufferSize);
  if (text == kNullSetting) return false;
  // A value that reads as no finite number ("nan", "inf", "1e999", or beyond
  // a float) keeps the built-in one: it would reach drawings and the files
  // they write as NaN or infinite coordinates.
  const auto keepFinite = [](auto* v, double value) {
    const auto typed = static_cast<std::remove_pointer_t<decltype(v)>>(value);
    if (!std::isfinite(typed)) return false;
    *v = typed;
    return true;
  };
  return std::visit(Overloaded{[&](int* v) { return *v = num::ParseInt(text), true; },
                               [&](int16_t* v) { return *v = static_cast<int16_t>(num::ParseInt(text)), true; },
                               [&](long* v) { return *v = num::ParseLong(text), true; },
                               [&](float* v) { return keepFinite(v, num::ParseDouble(text)); },
                               [&](double* v) { return keepFinite(v, num::ParseDouble(text)); },
                               [&](std::string* v) { return *v = text, true; }},
                    binding.variable);
}

std::string SettingText(const SettingBinding& binding) {
  return std::visit(Overloaded{[](int* v) { return num::Format("%d", *v); },
                               [](int16_t* v) { return num::Format("%d", static_cast<int>(*v)); },
                               [](long* v) { return num::Format("%ld", *v); },
                               [](float* v) { return num::Format("%f", static_cast<double>(*v)); },
                               [](double* v) { return num::Format("%f", *v); },
                               [](std::string* v) { return *v; }},
                    binding.variable);
}

bool SaveSetting(const ProfileFile& file, const SettingBinding& binding) {
  return file.WriteString(binding.section, binding.key, SettingText(binding));
}

}  // namespace zv

#include "framework/profile/setting_binding.h"

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
  std::visit(Overloaded{[&](int* v) { *v = num::ParseInt(text); },
                        [&](int16_t* v) { *v = static_cast<int16_t>(num::ParseInt(text)); },
                        [&](long* v) { *v = num::ParseLong(text); },
                        [&](float* v) { *v = static_cast<float>(num::ParseDouble(text)); },
                        [&](double* v) { *v = num::ParseDouble(text); },
                        [&](std::string* v) { *v = text; }},
             binding.variable);
  return true;
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

#include "views/core/view_settings.h"

#include "app/app_settings.h"
#include "framework/profile/setting_binding.h"
#include "framework/text/numbers.h"

namespace zv::views {
namespace {

constexpr const char* kSysParaSection = "SYSPARA";
constexpr const char* kOtherSection = "OTHER";
constexpr const char* kRulerBarKey = "RULEBAR";

// The in-memory settings of entries 0..7, in the order of kSelectParmKeys.
std::array<int*, 8> DisplaySwitchSettings() {
  AppSettings& s = Settings();
  return {&s.zbShow, &s.arcShow, &s.reverShow, &s.top, &s.compress, &s.crossCursor, &s.symbol, &s.lucencyShow};
}

}  // namespace

void LoadSystemParameters(const ProfileFile& file, SystemParms& parms) {
  for (int i = 0; i < kSystemParmCount; ++i)
    LoadSetting(file, {kSysParaSection, kSystemParmKeys[static_cast<std::size_t>(i)], &parms[i]});
}

bool SaveSystemParameters(const ProfileFile& file, const SystemParms& parms, const char* format) {
  bool ok = true;
  for (int i = 0; i < kSystemParmCount; ++i) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::string text = num::Format(format, parms[i]);
#pragma GCC diagnostic pop
    ok = file.WriteString(kSysParaSection, kSystemParmKeys[static_cast<std::size_t>(i)], text) && ok;
  }
  return ok;
}

int ReadRulerBar(const ProfileFile& file, int absent) {
  int shown = absent;
  LoadSetting(file, {kOtherSection, kRulerBarKey, &shown});
  return shown;
}

bool WriteRulerBar(const ProfileFile& file, int shown) { return file.WriteInt(kOtherSection, kRulerBarKey, shown); }

bool WriteDisplaySwitches(const ProfileFile& file, const std::array<int16_t, 8>& values) {
  const std::array<int*, 8> settings = DisplaySwitchSettings();
  bool ok = true;
  for (std::size_t i = 0; i < values.size(); ++i) {
    *settings[i] = values[i];
    ok = file.WriteInt(kOtherSection, kSelectParmKeys[i], values[i]) && ok;
  }
  return ok;
}

std::array<int16_t, 8> DisplaySwitchesFromSettings() {
  std::array<int16_t, 8> values{};
  const std::array<int*, 8> settings = DisplaySwitchSettings();
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int16_t>(*settings[i]);
  return values;
}

}  // namespace zv::views

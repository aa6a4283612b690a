#include "panels/core/page_settings.h"

#include "framework/paths/app_folder.h"
#include "framework/text/numbers.h"

namespace zv::panels {

std::vector<PageKey> PageKeys(LineValues& v) {
  return {{"LINENO", &v.styleNo, false},    {"LINEWIDTH", &v.width, true}, {"LINEY", &v.y, true},
          {"LINEX", &v.x, true},            {"LINECOLOR", &v.colour, true}, {"LINELAYER", &v.layer, true},
          {"LINEOPTYPE", &v.opType, true}};
}

std::vector<PageKey> PageKeys(RegionValues& v) {
  return {{"RegNO", &v.pattern, false},        {"BACKCLR", &v.fillColour, true}, {"REGHEIGHT", &v.height, true},
          {"REGWIDTH", &v.width, true},        {"PATCOLOR", &v.patternColour, true}, {"REGLAYER", &v.layer, true},
          {"REGOPTYPE", &v.opType, true}};
}

std::vector<PageKey> PageKeys(SubgraphValues& v) {
  return {{"SUBNO", &v.number, false},    {"SUBANGLE", &v.angle, true}, {"SUBHEIGHT", &v.height, true},
          {"SUBWIDTH", &v.width, true},   {"SUBCOLOR", &v.colour, true}, {"SUBLAYER", &v.layer, true},
          {"SUBOPTYPE", &v.opType, true}};
}

void LoadPageKeys(const ProfileFile& file, const std::vector<PageKey>& keys) {
  for (const PageKey& k : keys)
    if (k.loaded) LoadSetting(file, {kSubLinRegSection, k.key, k.value});
}

std::string PageValueText(const SettingVariable& value) {
  if (const auto* text = std::get_if<std::string*>(&value)) return **text;
  const double number = std::visit(
      [](const auto* v) -> double {
        if constexpr (std::is_same_v<std::decay_t<decltype(*v)>, std::string>) {
          return 0.0;
        } else {
          return static_cast<double>(static_cast<float>(*v));
        }
      },
      value);
  return num::Format("%f", number);
}

bool SavePageKey(const ProfileFile& file, const std::vector<PageKey>& keys, const std::string& key) {
  for (const PageKey& k : keys)
    if (key == k.key) return file.WriteString(kSubLinRegSection, k.key, PageValueText(k.value));
  return false;
}

ProfileFile PageSettingsFile() { return ProfileFile(paths::DataFile("Zavediz.ini")); }

}  // namespace zv::panels

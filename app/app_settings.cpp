#include "app/app_settings.h"

#include <cstring>
#include <vector>

#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "framework/profile/setting_binding.h"

namespace zv {
namespace {

std::vector<SettingBinding> Bindings(AppSettings& s) {
  return {
      {"OTHER", "standard chart", &s.standardChart},
      {"OTHER", "other chart", &s.otherChart},
      {"OTHER", "control left/right", &s.controlLeftRight},
      {"OTHER", "control width", &s.controlWidth},
      {"OTHER", "back color", &s.backColor},
      {"OTHER", "arc show", &s.arcShow},
      {"OTHER", "compress", &s.compress},
      {"OTHER", "cross cursor", &s.crossCursor},
      {"OTHER", "lucency show", &s.lucencyShow},
      {"OTHER", "rever show", &s.reverShow},
      {"OTHER", "symbol", &s.symbol},
      {"OTHER", "top", &s.top},
      {"OTHER", "ZB show", &s.zbShow},
      {"OTHER", "scroll", &s.scroll},
      {"OTHER", "seclect", &s.seclect},
      {"OTHER", "menu", &s.menu},
      {"OTHER", "leftdoudown", &s.leftDoubleDown},
      {"OTHER", "BACKPIC", &s.backPicture},
      {"OTHER", "TQPosition", &s.tqPosition},
      {"OTHER", "ShowKou", &s.showKou},
      {"ZK", "inw", &s.innerWidth},
      {"ZK", "outw", &s.outerWidth},
      {"ZK", "subNo", &s.subNo},
      {"ZK", "laberH", &s.headerHeight},
      {"ZK", "unite", &s.unite},
      {"PM", "cvrve", &s.curve},
      {"PM", "strap", &s.strap},
      {"PM", "groupclr", &s.groundColor},
      {"PM", "ichnography", &s.ichnography},
      {"PM", "zkpara", &s.boreholeSymbol},
      {"PM", "editstrap", &s.editStrap},
      {"PM", "stratum", &s.stratum},
      {"PM", "grounddata", &s.groundData},
  };
}

bool InSection(const SettingBinding& b, const char* section) { return std::strcmp(b.section, section) == 0; }

}  // namespace

AppSettings& Settings() {
  static AppSettings settings;
  return settings;
}

ProfileFile SettingsFile() { return ProfileFile(paths::ResolveIn(paths::GetAppFolder(), "zavediz/Zavediz.ini")); }

void LoadSettings(int which, AppSettings& settings, const ProfileFile& file) {
  const std::vector<const char*> sections = which != 0 ? std::vector<const char*>{"OTHER"}
                                                       : std::vector<const char*>{"ZK", "PM"};
  const auto bindings = Bindings(settings);
  for (const char* section : sections)
    for (const SettingBinding& b : bindings)
      if (InSection(b, section)) LoadSetting(file, b);
}

bool SaveSettings(int which, AppSettings& settings, const ProfileFile& file) {
  std::vector<const char*> sections;
  switch (which) {
    case 0: sections = {"OTHER"}; break;
    case 1: sections = {"ZK"}; break;
    case 2: sections = {"PM"}; break;
    case 100: sections = {"OTHER", "ZK", "PM"}; break;
    default: return true;
  }
  // One rewrite: all keys are written or none, and a large file is written once.
  std::vector<ProfileEntry> entries;
  const auto bindings = Bindings(settings);
  for (const char* section : sections)
    for (const SettingBinding& b : bindings)
      if (InSection(b, section) && std::strcmp(b.key, "BACKPIC") != 0)
        entries.push_back({b.section, b.key, SettingText(b)});
  return file.WriteStrings(entries);
}

}  // namespace zv

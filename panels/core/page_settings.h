#pragma once
// The values of the line, region and sub-graph pages and their keys in the
// section "SUBLINREG" of the program's settings file.
//
// Reading: by the program's NULL rule (framework/profile/setting_binding.h):
// "NULL" or a missing key keeps the built-in value, numbers come from at most
// 19 characters. The style, pattern and sub-graph number keys are written on
// every pick but never read back, so those boxes start at "1-0", 1 and 1.
// Writing: every value but the line style is written as a 32-bit float with
// "%f" (colour 7 → "7.000000"), which the readers take back as whole numbers.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/profile/profile_file.h"
#include "framework/profile/setting_binding.h"

namespace zv::panels {

inline constexpr char kSubLinRegSection[] = "SUBLINREG";

struct LineValues {
  std::string styleNo = "1-0";
  float width = 0.2f;
  float x = 10.0f;
  float y = 10.0f;
  long colour = 1;
  int16_t layer = 0;
  int16_t opType = 1;  // 0 draw, anything else modify
};

struct RegionValues {
  long pattern = 1;
  long fillColour = 1;
  long patternColour = 1;
  float height = 10.0f;
  float width = 10.0f;
  int16_t layer = 0;
  int16_t opType = 1;
};

struct SubgraphValues {
  long number = 1;
  float angle = 0.0f;
  float height = 5.0f;
  float width = 5.0f;
  long colour = 1;
  int16_t layer = 0;
  int16_t opType = 1;
};

// One key of a page and the value it holds; `loaded` keys are read at start,
// in the order of the page's list.
struct PageKey {
  const char* key;
  SettingVariable value;
  bool loaded;
};

// The keys of each page, bound to its values; the read order is the order of
// the loaded rows.
std::vector<PageKey> PageKeys(LineValues& values);
std::vector<PageKey> PageKeys(RegionValues& values);
std::vector<PageKey> PageKeys(SubgraphValues& values);

// Reads the loaded keys.
void LoadPageKeys(const ProfileFile& file, const std::vector<PageKey>& keys);
// The text a value is written as: texts as they are, numbers as a 32-bit
// float with "%f".
std::string PageValueText(const SettingVariable& value);
// Writes one key of the page; false when it is not one of them or the file
// cannot be written.
bool SavePageKey(const ProfileFile& file, const std::vector<PageKey>& keys, const std::string& key);

// The program's settings file, shared with the shell.
ProfileFile PageSettingsFile();

}  // namespace zv::panels

#pragma once
// A program variable bound to a settings key, read and written by the rule
// every part of the program follows: the key is read as text with the
// default "NULL"; when the text is not exactly "NULL" it is converted like
// atoi/atol/atof (numbers from a 20-byte buffer, so at most 19 characters;
// text that is no number gives 0) and stored, otherwise the variable keeps its
// built-in value; so does a floating-point variable whose text reads as no
// finite number of its type. Integers are written "%d" (16-bit ones sign-extended),
// floating-point values "%f", texts as they are.

#include <cstdint>
#include <string>
#include <variant>

#include "framework/profile/profile_file.h"

namespace zv {

using SettingVariable = std::variant<int*, int16_t*, long*, float*, double*, std::string*>;

struct SettingBinding {
  const char* section;
  const char* key;
  SettingVariable variable;
};

inline constexpr const char* kNullSetting = "NULL";
inline constexpr std::size_t kNumberBufferSize = 20;
inline constexpr std::size_t kTextBufferSize = 256;

// Reads the key into the variable by the rule above; true when it changed
// the variable.
bool LoadSetting(const ProfileFile& file, const SettingBinding& binding);

// The variable's value as its key holds it.
std::string SettingText(const SettingBinding& binding);

// Writes the variable's value to its key.
bool SaveSetting(const ProfileFile& file, const SettingBinding& binding);

}  // namespace zv

#pragma once
// The editing views' keys of the settings file: the six system parameters
// of [SYSPARA], the ruler bar's "RULEBAR" and the eight display switches of
// [OTHER]. Reads follow the "NULL" rule (setting_binding.h): an absent key
// leaves the value as it was. Every write goes to the file at once; nothing
// is written at exit. No Qt.

#include <array>
#include <cstdint>

#include "framework/profile/profile_file.h"
#include "platform/view/display_params.h"

namespace zv::views {

// Reads the six keys into the editor's values.
void LoadSystemParameters(const ProfileFile& file, SystemParms& parms);
// Writes the six keys, each formatted with `format` (the section view keeps
// "%.20f", the plan view "%f").
bool SaveSystemParameters(const ProfileFile& file, const SystemParms& parms, const char* format);
inline constexpr const char* kSectionParmFormat = "%.20f";
inline constexpr const char* kPlanParmFormat = "%f";

// "RULEBAR": the flag as read, `absent` when the key is absent or "NULL".
int ReadRulerBar(const ProfileFile& file, int absent = 0);
bool WriteRulerBar(const ProfileFile& file, int shown);

// The eight display switches (entries 0..7): written "%d" under their keys
// and taken into the program's settings in memory at once.
bool WriteDisplaySwitches(const ProfileFile& file, const std::array<int16_t, 8>& values);
// Entries 0..7 from the program's settings in memory.
std::array<int16_t, 8> DisplaySwitchesFromSettings();

}  // namespace zv::views

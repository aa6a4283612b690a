#pragma once
// The [OTHER] keys that say whether a bar shows at start ("EditBar",
// "LeftBar", "BottomBar", "LabelBar"). A value other than "NULL" whose
// number is non-zero shows the bar; an absent key or 0 hides it. A toggle
// writes the key at once, so a restart shows the bars as they were left.

#include <string>

#include "framework/profile/profile_file.h"

namespace zv::chrome {

// Whether a stored value shows its bar ("NULL" is what an absent key reads).
bool BarShownByValue(const std::string& value);

bool ReadBarFlag(const ProfileFile& file, const char* key);
// Writes "1" or "0"; false when the file cannot be written.
bool SaveBarFlag(const ProfileFile& file, const char* key, bool shown);

}  // namespace zv::chrome

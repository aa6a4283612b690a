#pragma once
// The title-block settings file "LaberNote.sec" of the program's data folder:
// 60 lines, one value each, CR LF. Contents, labels and orders as they are;
// the scales and the lowest elevation "%d"; widths and heights "%.1f", so
// sizes come back rounded to one decimal. A value never holds a line break
// (one is written as a blank). The file is written as UTF-8 through an
// atomic save and read as UTF-8, or as GB18030 when it is not UTF-8 (files of
// older installations). Numbers read as their leading number (0 when there
// is none); lines missing at the end leave their fields empty or 0.

#include <string>
#include <string_view>

#include "zavediz/dialogs/title_block_values.h"

namespace zv::zavediz {

inline constexpr int kTitleBlockFileLines = 60;

std::string FormatTitleBlockFile(const TitleBlockValues& values);
TitleBlockValues ParseTitleBlockFile(std::string_view bytes);

// The file's path: program folder + "zavediz/LaberNote.sec" (an existing
// file of that name in another case is used).
std::string TitleBlockFilePath();

// Reads the file into `values`; false, and `values` untouched, when it
// cannot be read.
bool LoadTitleBlockFile(TitleBlockValues& values, const std::string& path = TitleBlockFilePath());
// False (the old file intact) when it cannot be written.
bool SaveTitleBlockFile(const TitleBlockValues& values, const std::string& path = TitleBlockFilePath());

}  // namespace zv::zavediz

#pragma once
// The column widths a grid list may find in the application profile:
// section "ListCtrls", key the list's dialog id ("%d"), value the hex form of
// a little-endian int32 count followed by that many int32 widths. The program
// only reads this value; EncodeColumnState writes the same layout.

#include <QString>
#include <string>
#include <optional>
#include <vector>

namespace zv::grid {

inline constexpr const char* kColumnStateSection = "ListCtrls";

// The widths held by `hexValue` when they are well formed and their count is
// `columnCount`; nothing when the value is empty, malformed or for another
// number of columns.
std::optional<std::vector<int>> DecodeColumnState(const QString& hexValue, int columnCount);

QString EncodeColumnState(const std::vector<int>& widths);

// The application profile that holds the widths: "registry.ini" in the
// user's configuration folder ($XDG_CONFIG_HOME or ~/.config, then
// "Zavediz"). Missing until something writes it.
std::string ColumnStateProfilePath();

}  // namespace zv::grid

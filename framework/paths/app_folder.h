#pragma once
// The program folder: the folder that holds the "zavediz" data folder.
//   1. $ZAVEDIZ_HOME when it is set (tests set it to a temporary folder);
//   2. else the executable's folder when a writable "zavediz" folder is there;
//   3. else the per-user data folder ($XDG_DATA_HOME or ~/.local/share, then
//      "Zavediz").
// A "zavediz" folder that is created here is first filled with a copy of the
// data shipped with the program.

#include <string>

namespace zv::paths {

// The program folder with one trailing separator; creates its "zavediz"
// sub-folder (seeded with the shipped data) when it does not exist yet.
std::string GetAppFolder();

// The same folder, creating nothing.
std::string GetProgramFolder();

// GetAppFolder() + "zavediz/".
std::string GetDataFolder();

// A file of the data folder, found without regard to the case of its name.
std::string DataFile(const std::string& name);

// The folder of the data shipped with the program (data/zavediz of the
// sources, or its installed copy).
std::string ShippedDataFolder();

}  // namespace zv::paths

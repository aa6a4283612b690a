#pragma once
// Names made from outside texts: file names from DXF layer names on import,
// DXF layer names from project file names on export. Both must stay
// distinct and free of the characters their target forbids.

#include <set>
#include <string>
#include <string_view>

namespace zv::dxf {

// `name`, or the first of name + "_2", name + "_3" ... whose key is not in
// `used`; the key is added. The key is the name itself, or its upper-case
// form where names are compared without regard to case (DXF names).
std::string NumberedDistinct(const std::string& name, std::set<std::string>& used, bool ignoreCase = false);

// The DXF layer of a project file: its name without the folder, the last "."
// deleted (only the dot: "地层.WL" gives "地层WL"), blanks, "(", ")", "（"
// and "）" as "_"; characters DXF forbids in names (< > / \ " : ; ? * | , = `)
// and control characters also as "_"; made distinct from the names in
// `used` (compared without regard to case).
std::string DxfLayerNameOfFile(std::string_view path, std::set<std::string>& used);

}  // namespace zv::dxf

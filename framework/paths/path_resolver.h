#pragma once
// Names that the program's data and the platform's files spell in varying
// case ("zavediz.ini" and "Zavediz.ini", "subgraph.LIB") must find one file on
// a case-sensitive file system. Every such look-up goes through here.

#include <string>

namespace zv::paths {

// The path of an existing file or folder that matches `path` without regard
// to ASCII case, component by component; an exact match wins over others.
// Components that match nothing are kept as given, so the result is also
// the path to create when nothing exists yet.
std::string Resolve(const std::string& path);

// Joins a folder and a relative name with one separator; a "\" in the
// relative name (the platform's separator) is taken as "/".
std::string Join(const std::string& folder, const std::string& relative);

// Resolve(Join(folder, relative)).
std::string ResolveIn(const std::string& folder, const std::string& relative);

// True when the two names are equal without regard to ASCII case.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);

}  // namespace zv::paths

#pragma once

#include <string>

namespace zv::test {

// Points HOME, ZAVEDIZ_HOME, ODBCSYSINI and ODBCINI at a fresh temporary
// folder for this process, and removes it at exit. Called by the test mains
// before any test runs, so no test ever touches the user's own files.
void IsolateEnvironment();

// The temporary folder made by IsolateEnvironment.
const std::string& TempRoot();

// A path inside the committed test data folder (tests/data).
std::string DataPath(const std::string& relative);

}  // namespace zv::test

#pragma once
// Running an outside program from a test (independent readers such as GDAL's
// tools) and taking what it prints.
#include <cstdio>
#include <string>

namespace zv::test {

// Runs a shell command and gives its output, standard error included; empty
// when it could not run.
inline std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  ::pclose(pipe);
  return output;
}

}  // namespace zv::test

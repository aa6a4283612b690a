#pragma once
// Benchmark runs in child processes: each child starts from
// the parent's memory as it stands (the map built once, never freed before
// a run), and its peak resident size is its own.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace zv::bench {

struct Measured {
  std::vector<double> values;  // what the run reported (seconds first); empty when it failed
  double peakMiB = 0;          // the child's peak resident size
  double addedMiB = 0;         // how far it grew beyond its size at the fork
};

double Since(std::chrono::steady_clock::time_point start);

// `work` runs in a child and returns what it measured, at most 16 numbers
// (none when it failed); they come back through a pipe.
Measured InChild(const std::function<std::vector<double>()>& work);

// A shell command in a child process of its own: its seconds from the fork
// to its end; failed unless it exits with 0.
Measured Command(const std::string& command);

}  // namespace zv::bench

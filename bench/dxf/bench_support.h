#pragma once
// Timing and memory helpers of the DXF benchmarks.

#include <functional>
#include <string>

namespace zv::bench {

// Peak resident memory of RUSAGE_SELF or RUSAGE_CHILDREN, in MB.
double PeakMegabytes(int who);
double Seconds(const std::function<void()>& run);
// True when the shell command succeeds (a program is installed).
bool HaveProgram(const std::string& check);
// Runs a shell command in a child of its own and prints its time, its speed
// over `megabytes` and its peak memory (the command replaces the shell, so
// the peak is the program's).
void External(const char* name, const std::string& command, double megabytes);

}  // namespace zv::bench

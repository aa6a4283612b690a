#include "bench/support/child_run.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace zv::bench {
namespace {

constexpr std::size_t kMostValues = 16;

long ResidentKiB() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

bool Succeeded(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

}  // namespace

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Measured InChild(const std::function<std::vector<double>()>& work) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const long atFork = ResidentKiB();
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    std::vector<double> values = work();
    values.resize(std::min(values.size(), kMostValues));
    const auto bytes = static_cast<ssize_t>(values.size() * sizeof(double));
    _exit(!values.empty() && write(pipeEnds[1], values.data(), static_cast<std::size_t>(bytes)) == bytes ? 0 : 1);
  }
  close(pipeEnds[1]);
  double buffer[kMostValues];
  const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Measured m;
  if (got > 0 && Succeeded(status)) m.values.assign(buffer, buffer + got / static_cast<ssize_t>(sizeof(double)));
  m.peakMiB = usage.ru_maxrss / 1024.0;
  m.addedMiB = static_cast<double>(usage.ru_maxrss - atFork) / 1024.0;
  return m;
}

Measured Command(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Measured m;
  if (Succeeded(status)) m.values = {Since(start)};
  m.peakMiB = m.addedMiB = usage.ru_maxrss / 1024.0;
  return m;
}

}  // namespace zv::bench

#include "bench/dxf/bench_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace zv::bench {

double PeakMegabytes(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_maxrss / 1024.0;
}

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool HaveProgram(const std::string& check) { return std::system((check + " >/dev/null 2>&1").c_str()) == 0; }

void External(const char* name, const std::string& command, double megabytes) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-28s %8.2f s %8.1f MB/s  peak %7.1f MB%s\n", name, seconds, megabytes / seconds,
              usage.ru_maxrss / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "  (failed)");
}

}  // namespace zv::bench

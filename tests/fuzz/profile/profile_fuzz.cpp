// Settings files come from users' disks: any bytes must read and update
// without a crash, and an update must keep the file readable.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "framework/profile/profile_file.h"
#include "framework/profile/setting_binding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    char pattern[] = "/tmp/zvfuzz-profile-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    static std::string made = pattern;
    std::atexit([] { unlink(made.c_str()); });
    return made;
  }();
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  const zv::ProfileFile file(path);
  int value = 0;
  double number = 0;
  std::string text;
  zv::LoadSetting(file, {"OTHER", "cross cursor", &value});
  zv::LoadSetting(file, {"zk", "INW", &number});
  zv::LoadSetting(file, {"OTHER", "BACKPIC", &text});
  file.WriteString("OTHER", "cross cursor", "1");
  if (file.GetString("OTHER", "cross cursor", "NULL", 20) != "1") __builtin_trap();
  return 0;
}

// Settings files come from users' disks: any bytes must read and update
// without a crash, and an update must keep the file readable.
#include <cstdint>
#include <string>

#include "framework/profile/profile_file.h"
#include "framework/profile/setting_binding.h"
#include "tests/support/fuzz_scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = zv::test::WriteScratchFile(data, size);
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

// Settings files come from users' disks: any bytes must read and update
// without a crash; an update either keeps the file readable with the new
// value or, refused (bytes that do not decode), leaves it as it was.
#include <cstdint>
#include <fstream>
#include <iterator>
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
  if (file.WriteString("OTHER", "cross cursor", "1")) {
    if (file.GetString("OTHER", "cross cursor", "NULL", 20) != "1") __builtin_trap();
  } else {
    std::ifstream in(path, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (after != std::string(reinterpret_cast<const char*>(data), size)) __builtin_trap();
  }
  return 0;
}

// "HWOption.sec" comes from users' disks: any bytes must read without a
// crash, and what was read must write back as a file of 588 bytes whose
// reading gives the same options.
#include <cstdint>
#include <string_view>

#include "panels/core/hatch_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zv::panels::HatchOptions options;
  if (!zv::panels::DecodeHatchOptions(std::string_view(reinterpret_cast<const char*>(data), size), options)) return 0;
  const std::string written = zv::panels::EncodeHatchOptions(options, nullptr);
  if (written.size() != zv::panels::kHatchOptionsSize) __builtin_trap();
  zv::panels::HatchOptions again = options;
  zv::panels::DecodeHatchOptions(written, again);
  if (zv::panels::EncodeHatchOptions(again, nullptr) != written) __builtin_trap();
  return 0;
}

// Elevation point files come from anywhere: any bytes must read without a
// crash, every point read must be finite, and a surface is either made or
// refused with a message.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "platform/tin/tin.h"
#include "platform/tin/tin_xyz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zv::tin::XyzRead read = zv::tin::ParseXyz(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const zv::tin::TinPoint& p : read.points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) __builtin_trap();
  if (read.skipped > 0 && read.firstSkippedLine < 1) __builtin_trap();
  if (read.points.size() > 2000) return 0;
  const zv::tin::TinBuild build = zv::tin::BuildTin(read.points);
  if (!build.tin == build.error.empty()) __builtin_trap();
  return 0;
}

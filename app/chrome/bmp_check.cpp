#include "app/chrome/bmp_check.h"

#include <cstdint>
#include <cstdlib>

namespace zv::chrome {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;

std::uint32_t U32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

BmpCheck Refuse(const char* message) { return {false, message}; }

}  // namespace

BmpCheck CheckBmp(std::string_view b) {
  if (b.size() < kFileHeader || b[0] != 'B' || b[1] != 'M') return Refuse("The file is not a BMP file!");
  if (U32(b, 2) != b.size()) return Refuse("The BMP file header error!");
  // The pixels' offset must leave room for a whole info header and point
  // inside the file.
  const std::uint64_t offBits = U32(b, 10);
  if (offBits < kFileHeader + 4 || offBits > b.size()) return Refuse("The BMP file header error!");
  if (U32(b, kFileHeader) != kInfoHeader) return Refuse("The BMP is not Windows 3.0 format!");
  if (offBits < kFileHeader + kInfoHeader) return Refuse("The BMP file header error!");
  const std::int64_t width = static_cast<std::int32_t>(U32(b, 18));
  const std::int64_t height = static_cast<std::int32_t>(U32(b, 22));
  const std::uint64_t bitCount = U16(b, 28);
  // 64-bit arithmetic over 32-bit fields cannot overflow.
  const std::uint64_t stride = ((static_cast<std::uint64_t>(std::llabs(width)) * bitCount + 31) / 32) * 4;
  const std::uint64_t needed = stride * static_cast<std::uint64_t>(std::llabs(height));
  if (width == 0 || height == 0 || bitCount == 0 || b.size() - offBits < needed) return Refuse("DIB build error!");
  return {true, {}};
}

}  // namespace zv::chrome

#include "exchange/dxf/dxf_handles.h"

#include <algorithm>
#include <charconv>

namespace zv::dxf {
namespace {

uint64_t HexValue(std::string_view text) {
  uint64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return value;
}

}  // namespace

std::string DxfHandles::Made(std::string_view prefix, long number) {
  std::string handle(prefix);
  handle += std::to_string(number);
  largest_ = std::max(largest_, HexValue(handle));
  return handle;
}

std::string DxfHandles::Next(std::string_view prefix) { return Made(prefix, ++counter_); }

std::string DxfHandles::Indexed(std::string_view prefix, long index) { return Made(prefix, index); }

void DxfHandles::Note(std::string_view hexHandle) { largest_ = std::max(largest_, HexValue(hexHandle)); }

std::string DxfHandles::Seed() const {
  char digits[20];
  const auto end = std::to_chars(digits, digits + sizeof digits, largest_ + 1, 16).ptr;
  std::string seed(digits, end);
  std::transform(seed.begin(), seed.end(), seed.begin(), [](unsigned char c) { return std::toupper(c); });
  return seed;
}

}  // namespace zv::dxf

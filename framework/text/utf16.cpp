#include "framework/text/utf16.h"

#include "framework/text/encoding.h"

namespace zv::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

char16_t UnitAt(std::string_view bytes, std::size_t i, ByteOrder order) {
  const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
  return static_cast<char16_t>(order == ByteOrder::Little ? (b << 8 | a) : (a << 8 | b));
}

void PutUnit(std::string& out, char16_t unit, ByteOrder order) {
  const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
  if (order == ByteOrder::Little) {
    out += low;
    out += high;
  } else {
    out += high;
    out += low;
  }
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes, ByteOrder order) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    const char16_t unit = UnitAt(bytes, i, order);
    i += 2;
    if (IsHigh(unit) && i + 1 < bytes.size() && IsLow(UnitAt(bytes, i, order))) {
      const char16_t low = UnitAt(bytes, i, order);
      i += 2;
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
    } else {
      AppendUtf8(out, IsHigh(unit) || IsLow(unit) ? kReplacement : unit);
    }
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);
  return out;
}

std::string Utf8ToUtf16(std::string_view utf8, ByteOrder order) {
  const std::string valid = ToValidUtf8(utf8);
  std::string out;
  out.reserve(valid.size() * 2);
  std::size_t i = 0;
  while (i < valid.size()) {
    const auto lead = static_cast<unsigned char>(valid[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(valid[i + k]) & 0x3F);
    i += length;
    if (cp >= 0x10000) {
      PutUnit(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), order);
      PutUnit(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), order);
    } else {
      PutUnit(out, static_cast<char16_t>(cp), order);
    }
  }
  return out;
}

}  // namespace zv::text

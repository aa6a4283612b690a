#include "exchange/dxf/dxf_utf8.h"

#include <cctype>

#include "framework/text/encoding.h"

namespace zv::dxf {

long HexAt(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos + count > text.size()) return -1;
  long value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const auto c = static_cast<unsigned char>(text[pos + i]);
    if (!std::isxdigit(c)) return -1;
    value = value * 16 + (std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return value;
}

std::string DecodeUnicodeEscapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 3, "\\U+") == 0) {
      const long c = HexAt(text, i + 3, 4);
      // A character beyond U+FFFF comes as the escapes of its two UTF-16 halves.
      const long low = c >= 0xD800 && c < 0xDC00 && text.compare(i + 7, 3, "\\U+") == 0 ? HexAt(text, i + 10, 4) : -1;
      if (low >= 0xDC00 && low < 0xE000) {
        text::AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00));
        i += 14;
        continue;
      }
      if (c >= 0) {
        text::AppendUtf8(out, static_cast<char32_t>(c));
        i += 7;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace zv::dxf

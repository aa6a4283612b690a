#include "exchange/dxf/dxf_utf8.h"

#include <cctype>

namespace zv::dxf {

void AppendUtf8(std::string& out, uint32_t c) {
  if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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
      if (c >= 0) {
        AppendUtf8(out, static_cast<uint32_t>(c));
        i += 7;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace zv::dxf

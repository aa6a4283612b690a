#include "exchange/dxf/dxf_code_page.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_utf8.h"
#include "framework/text/encoding.h"

namespace zv::dxf {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      const char16_t c = kCp1252High[b - 0x80];
      AppendUtf8(out, c ? c : 0xFFFD);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

DxfCodePage CodePageFromName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  if (upper == "ANSI_1252") return DxfCodePage::Windows1252;
  if (upper == "UTF-8" || upper == "UTF8") return DxfCodePage::Utf8;
  return DxfCodePage::Gbk;
}

bool SourceIsUtf8(DxfLineSource& source) {
  std::string line;
  bool valid = true;
  while (valid && source.NextLine(line)) valid = IsAscii(line) || text::IsValidUtf8(line);
  source.Rewind();
  return valid;
}

std::string DxfTextDecoder::Decode(std::string_view bytes) const {
  std::string text;
  if (IsAscii(bytes)) {
    text = bytes;
  } else if (effective() == DxfCodePage::Utf8) {
    text = text::ToValidUtf8(bytes);
  } else if (effective() == DxfCodePage::Windows1252) {
    text = FromWindows1252(bytes);
  } else {
    text = text::FromGbk(bytes);
  }
  return text.find("\\U+") == std::string::npos ? text : DecodeUnicodeEscapes(text);
}

}  // namespace zv::dxf

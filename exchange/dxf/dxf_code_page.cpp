#include "exchange/dxf/dxf_code_page.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>

#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_utf8.h"
#include "framework/text/encoding.h"

namespace zv::dxf {
namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kGbk = "GB18030";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct NamedCodePage {
  std::string_view dxf;
  const char* converter;
};

// Code pages whose converter name is not simply "CP" and the number.
constexpr NamedCodePage kNamedCodePages[] = {
    {"ANSI_936", kGbk}, {"GB2312", kGbk}, {"UTF-8", kUtf8}, {"UTF8", kUtf8}, {"MACINTOSH", "MACINTOSH"},
};

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper;
}

}  // namespace

struct DxfTextDecoder::Converter {
  explicit Converter(iconv_t cd) : cd(cd) {}
  ~Converter() { iconv_close(cd); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Bytes that the code page does not define become U+FFFD, one per byte.
  std::string ToUtf8(std::string_view bytes) const {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(bytes.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t used = 0;
    while (inLeft > 0) {
      char* to = out.data() + used;
      std::size_t outLeft = out.size() - used;
      const std::size_t result = iconv(cd, &in, &inLeft, &to, &outLeft);
      used = static_cast<std::size_t>(to - out.data());
      if (result != static_cast<std::size_t>(-1)) break;
      if (errno != E2BIG) {
        ++in;
        --inLeft;
        if (out.size() - used < kReplacement.size()) out.resize(out.size() * 2);
        out.replace(used, kReplacement.size(), kReplacement);
        used += kReplacement.size();
      } else {
        out.resize(out.size() * 2);
      }
    }
    out.resize(used);
    return text::ToValidUtf8(out);
  }

  iconv_t cd;
};

namespace {

std::string UnicodeEscape(char32_t c) {
  char buffer[32];  // room for two escapes of any unsigned value
  if (c < 0x10000) {
    std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(c));
  } else {
    const char32_t v = c - 0x10000;
    std::snprintf(buffer, sizeof buffer, "\\U+%04X\\U+%04X", static_cast<unsigned>(0xD800 + (v >> 10)),
                  static_cast<unsigned>(0xDC00 + (v & 0x3FF)));
  }
  return buffer;
}

}  // namespace

std::string EncodeGbkText(std::string_view utf8) {
  return IsAscii(utf8) ? std::string(utf8) : text::ToGbkEscaped(utf8, UnicodeEscape);
}

std::string ConverterNameOfCodePage(std::string_view dxfName) {
  const std::string upper = Upper(dxfName);
  for (const NamedCodePage& page : kNamedCodePages)
    if (page.dxf == upper) return page.converter;
  for (const std::string_view prefix : {"ANSI_", "DOS"}) {
    if (upper.rfind(prefix, 0) != 0) continue;
    const std::string number = upper.substr(prefix.size());
    if (!number.empty() && std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }))
      return "CP" + number;
  }
  return {};
}

bool SourceIsUtf8(DxfLineSource& source) {
  std::string line;
  bool valid = true;
  while (valid && source.NextLine(line)) valid = IsAscii(line) || text::IsValidUtf8(line);
  source.Rewind();
  return valid;
}

DxfTextDecoder::DxfTextDecoder() : DxfTextDecoder(false) {}
DxfTextDecoder::DxfTextDecoder(bool fileIsUtf8) : utf8File_(fileIsUtf8), name_(fileIsUtf8 ? kUtf8 : kGbk) {}
DxfTextDecoder::~DxfTextDecoder() = default;
DxfTextDecoder::DxfTextDecoder(DxfTextDecoder&&) noexcept = default;
DxfTextDecoder& DxfTextDecoder::operator=(DxfTextDecoder&&) noexcept = default;

void DxfTextDecoder::SetDeclaredCodePage(std::string_view dxfName) {
  if (utf8File_) return;
  const std::string name = ConverterNameOfCodePage(dxfName);
  converter_.reset();
  name_ = kGbk;
  if (name.empty() || name == kGbk) return;
  if (name == kUtf8) {
    name_ = kUtf8;
    return;
  }
  const iconv_t cd = iconv_open(kUtf8, name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return;
  converter_ = std::make_unique<Converter>(cd);
  name_ = name;
}

std::string DxfTextDecoder::Decode(std::string_view bytes) const {
  std::string text;
  if (IsAscii(bytes)) {
    text = bytes;
  } else if (name_ == kUtf8) {
    text = text::ToValidUtf8(bytes);
  } else if (converter_) {
    text = converter_->ToUtf8(bytes);
  } else {
    text = text::FromGbk(bytes);
  }
  return text.find("\\U+") == std::string::npos ? text : DecodeUnicodeEscapes(text);
}

}  // namespace zv::dxf

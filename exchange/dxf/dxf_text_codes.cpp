#include "exchange/dxf/dxf_text_codes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "exchange/dxf/dxf_utf8.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

constexpr std::string_view kParamCodes = "fFHWQTACcpS";
constexpr std::string_view kToggleCodes = "LlOoKkNX";
constexpr int kMaxIndentBlanks = 256;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
}

// "\U+XXXX" or "\M+nXXXX" starting at the backslash; the number of bytes
// used, 0 when the code is not well formed.
std::size_t DecodeCharacterCode(std::string_view text, std::size_t pos, std::string& out) {
  const char kind = text[pos + 1];
  if (pos + 2 >= text.size() || text[pos + 2] != '+') return 0;
  if (kind == 'U') {
    const long c = HexAt(text, pos + 3, 4);
    if (c < 0) return 0;
    text::AppendUtf8(out, static_cast<char32_t>(c));
    return 7;
  }
  const long c = HexAt(text, pos + 4, 4);
  if (pos + 3 >= text.size() || c < 0) return 0;
  if (text[pos + 3] == '5') {
    const char gbk[2] = {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    out += text::FromGbk(std::string_view(gbk, 2));
  } else {
    out += "?";  // a double-byte code page we do not carry
  }
  return 8;
}

}  // namespace

std::string MTextStackToNote(std::string_view text) {
  const std::size_t caret = text.find('^');
  std::string out(text);
  if (caret == std::string_view::npos) return "/" + out + "/";
  if (caret == 0) {
    ReplaceAll(out, "^ ", "#-");
    return out + "#=";
  }
  if (caret + 2 == text.size()) {
    while (!out.empty() && (out.back() == '^' || out.back() == ' ')) out.pop_back();
    return "#+" + out + "#=";
  }
  ReplaceAll(out, "^ ", "#-");
  return "#+" + out + "#=";
}

std::string MTextIndentToSpaces(std::string_view text, double charSize) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == 'i') ++start;
  if (start == text.size() || !(charSize > 0)) return {};
  const double n = std::trunc(num::ParseDouble(text.substr(start)) / charSize + 2.5);
  if (!(n > 0)) return {};
  return std::string(static_cast<std::size_t>(std::min<double>(n, kMaxIndentBlanks)), ' ');
}

std::string ConvertMTextCodes(std::string_view text, double charSize) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '{' || c == '}') {
      ++i;
      continue;
    }
    if (c != '\\') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone backslash at the end
    const char code = text[i + 1];
    if (code == 'P') {
      out += " \r\n";
      i += 2;
    } else if (code == '\\' || code == '{' || code == '}') {
      out += code;
      i += 2;
    } else if (code == '~') {
      out += ' ';
      i += 2;
    } else if (kToggleCodes.find(code) != std::string_view::npos) {
      i += 2;
    } else if (code == 'U' || code == 'M') {
      const std::size_t used = DecodeCharacterCode(text, i, out);
      if (used == 0) {
        out += text.substr(i, 2);
        i += 2;
      } else {
        i += used;
      }
    } else if (kParamCodes.find(code) != std::string_view::npos) {
      const std::size_t end = text.find(';', i + 2);
      if (end == std::string_view::npos) {
        i += 2;  // no ";": the code is dropped, the text after it kept
        continue;
      }
      const std::string_view param = text.substr(i + 2, end - i - 2);
      if (code == 'S') out += MTextStackToNote(param);
      if (code == 'p' && !param.empty() && param[0] == 'i') out += MTextIndentToSpaces(param.substr(1), charSize);
      i = end + 1;
    } else {
      out += text.substr(i, 2);  // not a code: kept as written
      i += 2;
    }
  }
  return out;
}

std::string ConvertTextSpecials(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '%' && i + 2 < text.size() && text[i + 1] == '%') {
      const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
      const char* replacement = code == 'd'   ? "\xC2\xB0"
                                : code == 'p' ? "\xC2\xB1"
                                : code == 'c' ? "\xE2\x8C\x80"
                                : code == '%' ? "%"
                                : (code == 'u' || code == 'o') ? ""
                                                               : nullptr;
      if (replacement) {
        out += replacement;
        i += 3;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace zv::dxf

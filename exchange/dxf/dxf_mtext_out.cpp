#include "exchange/dxf/dxf_mtext_out.h"

#include <algorithm>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_group_writer.h"

namespace zv::dxf {
namespace {

constexpr std::size_t kChunkBytes = 250;
constexpr std::string_view kStackOpen = "{\\H0.7x;\\S";

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

// The length of the unit at `at` of a GBK MTEXT value that must not be cut:
// a two-byte character, a code up to its ";", an escape, or one byte.
std::size_t UnitLength(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead >= 0x81) return std::min<std::size_t>(2, bytes.size() - at);
  if (lead != '\\' || at + 1 >= bytes.size()) return 1;
  const char code = bytes[at + 1];
  if (std::string_view("ACcFfHpQSTW").find(code) != std::string_view::npos) {
    std::size_t end = at + 2;
    while (end < bytes.size()) {
      const auto c = static_cast<unsigned char>(bytes[end]);
      if (c == ';') return end + 1 - at;
      end += c >= 0x81 ? 2 : 1;
    }
    return bytes.size() - at;
  }
  if (code == 'U' && bytes.compare(at + 2, 1, "+") == 0) return std::min<std::size_t>(7, bytes.size() - at);
  return 2;
}

}  // namespace

std::string FormatStackedText(std::string_view text) {
  std::string out = "\\A1;";
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '#') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 == text.size()) break;
    const char code = text[i + 1];
    if (code == '+' || code == '-') {
      std::size_t end = text.find('#', i + 2);
      if (end == std::string_view::npos) end = text.size();
      const std::string_view body = text.substr(i + 2, end - i - 2);
      out += kStackOpen;
      if (code == '-') out += "^ ";
      out += body;
      out += code == '+' ? "^ ;}" : ";}";
      i = end;
    } else if (code == '=') {
      i += 2;
    } else {
      out += '#';
      out += code;
      i += 2;
    }
  }
  const std::size_t first = out.find('/');
  const std::size_t last = out.rfind('/');
  if (first != last) {
    out.replace(last, 1, ";}");
    out.replace(first, 1, kStackOpen);
  }
  ReplaceAll(out, "\r\n", "\\P");
  out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }), out.end());
  return out;
}

std::string EscapeMTextCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    out += c;
  }
  return out;
}

void WriteMTextValue(DxfGroupWriter& out, std::string_view note) {
  if (out.discarding()) return;
  const std::string bytes = EncodeGbkText(FormatStackedText(EscapeMTextCharacters(note)));
  std::size_t start = 0;
  while (bytes.size() - start > kChunkBytes) {
    std::size_t end = start;
    while (end < bytes.size()) {
      const std::size_t unit = UnitLength(bytes, end);
      if (end + unit - start > kChunkBytes && end > start) break;
      end += unit;
    }
    out.Group(3, std::string_view(bytes).substr(start, end - start));
    start = end;
  }
  out.Group(1, std::string_view(bytes).substr(start));
}

}  // namespace zv::dxf

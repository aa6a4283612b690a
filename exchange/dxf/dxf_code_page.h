#pragma once
// Texts, layer, line-type and block names of a DXF file are bytes in the
// file's code page. A file whose bytes are all valid UTF-8 (every file from
// AutoCAD 2007 on, and files that declare ANSI_936 but were written as
// UTF-8) is read as UTF-8; otherwise the header's $DWGCODEPAGE decides
// (ANSI_936 and any code page we do not know: GBK; ANSI_1252: Windows-1252).
// Values are decoded to UTF-8 before anything parses them, so the GBK trail
// bytes 0x5C, 0x7B and 0x7D are never taken for "\", "{" or "}".

#include <string>
#include <string_view>

namespace zv::dxf {

class DxfLineSource;

enum class DxfCodePage { Utf8, Gbk, Windows1252 };

// The code page named by $DWGCODEPAGE ("ANSI_936", "ansi_1252" ...).
DxfCodePage CodePageFromName(std::string_view name);

// True when every line of the source is valid UTF-8. Reads the source to its
// end and rewinds it.
bool SourceIsUtf8(DxfLineSource& source);

class DxfTextDecoder {
 public:
  DxfTextDecoder() = default;
  // A file already known to be valid UTF-8 keeps UTF-8 whatever its header
  // declares.
  explicit DxfTextDecoder(bool fileIsUtf8) : utf8File_(fileIsUtf8) {}

  void SetDeclaredCodePage(DxfCodePage page) { declared_ = page; }
  DxfCodePage effective() const { return utf8File_ ? DxfCodePage::Utf8 : declared_; }

  // The bytes as UTF-8 (always valid UTF-8), with "\U+XXXX" escapes decoded.
  std::string Decode(std::string_view bytes) const;

 private:
  bool utf8File_ = false;
  DxfCodePage declared_ = DxfCodePage::Gbk;
};

}  // namespace zv::dxf

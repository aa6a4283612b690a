#pragma once
// Texts, layer, line-type and block names of a DXF file are bytes in the
// file's code page. A file whose bytes are all valid UTF-8 (every file from
// AutoCAD 2007 on, and files that declare ANSI_936 but were written as
// UTF-8) is read as UTF-8; otherwise the header's $DWGCODEPAGE decides:
// ANSI_936 (and a file without one, or with a code page we cannot convert)
// is GBK, any other is read as declared ("ANSI_1251", "ANSI_932", "DOS850"
// ...). Values are decoded to UTF-8 before anything parses them, so the GBK
// trail bytes 0x5C, 0x7B and 0x7D are never taken for "\", "{" or "}".

#include <memory>
#include <string>
#include <string_view>

namespace zv::dxf {

class DxfLineSource;

// The converter name of a DXF code page ("ANSI_1251" -> "CP1251", "DOS850"
// -> "CP850", "ANSI_936" -> "GB18030"); empty for names we do not know.
std::string ConverterNameOfCodePage(std::string_view dxfName);

// True when every line of the source is valid UTF-8. Reads the source to its
// end and rewinds it.
bool SourceIsUtf8(DxfLineSource& source);

// A UTF-8 text as the bytes of a drawing in the GBK code page (ANSI_936): a
// character GBK lacks is written "\U+XXXX" (one beyond U+FFFF as the two
// escapes of its UTF-16 halves), which the decoder reads back.
std::string EncodeGbkText(std::string_view utf8);

class DxfTextDecoder {
 public:
  DxfTextDecoder();
  // A file already known to be valid UTF-8 keeps UTF-8 whatever its header
  // declares.
  explicit DxfTextDecoder(bool fileIsUtf8);
  ~DxfTextDecoder();
  DxfTextDecoder(DxfTextDecoder&&) noexcept;
  DxfTextDecoder& operator=(DxfTextDecoder&&) noexcept;

  // The code page of $DWGCODEPAGE; one we cannot convert leaves GBK.
  void SetDeclaredCodePage(std::string_view dxfName);
  // The converter name in use ("UTF-8", "GB18030", "CP1252" ...).
  const std::string& codePage() const { return name_; }

  // The bytes as UTF-8 (always valid UTF-8), with "\U+XXXX" escapes decoded.
  std::string Decode(std::string_view bytes) const;

 private:
  struct Converter;
  bool utf8File_ = false;
  std::string name_;
  std::unique_ptr<Converter> converter_;  // for code pages other than UTF-8 and GBK
};

}  // namespace zv::dxf

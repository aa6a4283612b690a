#include "exchange/dxf/dxf_group_writer.h"

#include <charconv>
#include <cmath>

#include "exchange/dxf/dxf_code_page.h"

namespace zv::dxf {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

}  // namespace

DxfGroupWriter DxfGroupWriter::Discarding() {
  DxfGroupWriter writer;
  writer.discard_ = true;
  return writer;
}

void DxfGroupWriter::Line(std::string_view text) {
  buffer_.append(text);
  buffer_.append("\r\n");
}

void DxfGroupWriter::MaybeFlush() {
  if (sink_ && buffer_.size() >= kFlushBytes) Flush();
}

bool DxfGroupWriter::Flush() {
  if (sink_ && !buffer_.empty()) {
    if (ok_) ok_ = sink_(buffer_);
    buffer_.clear();
  }
  return ok_;
}

void DxfGroupWriter::Group(int code, std::string_view value) {
  if (discard_) return;
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
  Line(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  Line(value);
  MaybeFlush();
}

void DxfGroupWriter::Groups(std::initializer_list<std::pair<int, std::string_view>> groups) {
  for (const auto& [code, value] : groups) Group(code, value);
}

void DxfGroupWriter::Text(int code, std::string_view utf8) {
  if (discard_) return;
  Group(code, EncodeGbkText(utf8));
}

void DxfGroupWriter::Number(int code, double value) {
  if (discard_) return;
  // to_chars in fixed form with 6 decimals is "%f" in the C locale, whatever
  // locale the user interface runs in.
  char digits[400];
  const auto result = std::to_chars(digits, digits + sizeof digits, std::isfinite(value) ? value : 0.0,
                                    std::chars_format::fixed, 6);
  Group(code, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void DxfGroupWriter::Int(int code, long value) {
  if (discard_) return;
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Group(code, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void DxfGroupWriter::Raw(std::string_view codeLine, std::string_view valueLine) {
  if (discard_) return;
  Line(codeLine);
  Line(valueLine);
  MaybeFlush();
}

}  // namespace zv::dxf

#pragma once
// Groups as the DXF export writes them: the code as decimal text without
// padding, CR LF, the value, CR LF. Numbers are "%f" in the C locale
// ("12.500000"), integers decimal, texts in GBK with "\U+XXXX" for what GBK
// lacks. Lines copied from the template go out exactly as read.
//
// The groups collect in memory; with a sink they are handed on in blocks of
// about a megabyte, so a large drawing never sits in memory whole. A
// discarding writer formats nothing: the export runs its entity stage once
// through one to learn the handles it will use.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace zv::dxf {

class DxfGroupWriter {
 public:
  // Returns false when the bytes could not be written; the writer then stops.
  using Sink = std::function<bool(std::string_view)>;

  DxfGroupWriter() = default;
  explicit DxfGroupWriter(Sink sink) : sink_(std::move(sink)) {}
  static DxfGroupWriter Discarding();

  void Group(int code, std::string_view value);
  // A run of fixed groups.
  void Groups(std::initializer_list<std::pair<int, std::string_view>> groups);
  // A UTF-8 text, encoded for the GBK drawing.
  void Text(int code, std::string_view utf8);
  // Values that are not finite are written as 0.
  void Number(int code, double value);
  void Int(int code, long value);
  // Two template lines without their line ends.
  void Raw(std::string_view codeLine, std::string_view valueLine);

  // What is held and not yet handed to the sink (everything without one).
  std::string& held() { return buffer_; }
  // Hands what is held to the sink; false once any hand-over failed.
  bool Flush();
  bool ok() const { return ok_; }
  bool discarding() const { return discard_; }

 private:
  void Line(std::string_view text);
  void MaybeFlush();

  Sink sink_;
  std::string buffer_;
  bool discard_ = false;
  bool ok_ = true;
};

}  // namespace zv::dxf

#pragma once
// The lowest layer of DXF reading: a file is a sequence of groups, each a code
// line and a value line. Line ends are LF or CR LF; both are removed and
// nothing else is trimmed, so trailing blanks in values are significant.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zv::dxf {

// Bytes from a file or from memory, read in large blocks, line by line.
class DxfLineSource {
 public:
  // Takes ownership of the file (closed by the destructor).
  explicit DxfLineSource(std::FILE* file);
  explicit DxfLineSource(std::string_view bytes);
  ~DxfLineSource();
  DxfLineSource(const DxfLineSource&) = delete;
  DxfLineSource& operator=(const DxfLineSource&) = delete;

  // The next line without its line end; false at the end of the bytes.
  bool NextLine(std::string& line);
  // Back to the first byte.
  void Rewind();
  // Bytes handed out so far (for progress).
  uint64_t Position() const { return consumed_; }
  // The size of the source, 0 when unknown.
  uint64_t Size() const { return size_; }

 private:
  bool Refill();

  std::FILE* file_ = nullptr;
  std::string_view memory_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool exhausted_ = false;
  uint64_t consumed_ = 0;
  uint64_t size_ = 0;
};

// (code, value) groups. A code line is read the way atoi reads (leading
// blanks allowed). A code line that is no number gives kInvalidCode, which no
// reader uses, so that its group is passed over; such lines are counted so
// that the reader can report them.
class DxfGroupReader {
 public:
  static constexpr int kInvalidCode = -0x7FFFFFFF;

  explicit DxfGroupReader(DxfLineSource& source) : source_(source) {}

  // Reads the next group; false when the file has no complete group left.
  bool Next();
  bool AtEnd() const { return atEnd_; }

  int code() const { return code_; }
  const std::string& value() const { return value_; }
  // True when the current group is (0, name).
  bool Is0(std::string_view name) const { return code_ == 0 && value_ == name; }

  // Line number (1-based) of the current group's code line.
  uint64_t line() const { return line_; }
  uint64_t badCodeCount() const { return badCodes_; }
  uint64_t firstBadCodeLine() const { return firstBadCodeLine_; }
  uint64_t position() const { return source_.Position(); }
  uint64_t size() const { return source_.Size(); }

 private:
  DxfLineSource& source_;
  std::string codeLine_;
  std::string value_;
  int code_ = -1;
  bool atEnd_ = false;
  uint64_t line_ = 0;
  uint64_t linesRead_ = 0;
  uint64_t badCodes_ = 0;
  uint64_t firstBadCodeLine_ = 0;
};

// The value as a number, read the way atoi/atof read it (C locale); a real
// that is not finite reads as 0.
int GroupInt(std::string_view value);
double GroupDouble(std::string_view value);

}  // namespace zv::dxf

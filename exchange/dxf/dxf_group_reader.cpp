#include "exchange/dxf/dxf_group_reader.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// A code line that atoi would read as a number: blanks, an optional sign and
// at least one digit.
bool LooksNumeric(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) ++i;
  return i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]));
}

}  // namespace

DxfLineSource::DxfLineSource(std::FILE* file) : file_(file), buffer_(kBlockSize) {
  if (file_ && std::fseek(file_, 0, SEEK_END) == 0) {
    const long size = std::ftell(file_);
    if (size > 0) size_ = static_cast<uint64_t>(size);
    std::fseek(file_, 0, SEEK_SET);
  }
}

DxfLineSource::DxfLineSource(std::string_view bytes) : memory_(bytes), size_(bytes.size()) {}

DxfLineSource::~DxfLineSource() {
  if (file_) std::fclose(file_);
}

void DxfLineSource::Rewind() {
  begin_ = end_ = 0;
  exhausted_ = false;
  consumed_ = 0;
  if (file_) std::fseek(file_, 0, SEEK_SET);
}

// Moves the unread tail to the front and appends the next block; false when
// nothing more can be read.
bool DxfLineSource::Refill() {
  if (!file_ || exhausted_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);  // one line longer than a block
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  if (got == 0) {
    exhausted_ = true;
    return false;
  }
  end_ += got;
  return true;
}

bool DxfLineSource::NextLine(std::string& line) {
  if (!file_) {
    if (begin_ >= memory_.size()) return false;
    const std::size_t lf = memory_.find('\n', begin_);
    const std::size_t stop = lf == std::string_view::npos ? memory_.size() : lf;
    line.assign(memory_.data() + begin_, stop - begin_);
    const std::size_t next = lf == std::string_view::npos ? memory_.size() : lf + 1;
    consumed_ += next - begin_;
    begin_ = next;
  } else {
    std::size_t scanned = begin_;
    const char* lf = nullptr;
    for (;;) {
      lf = static_cast<const char*>(std::memchr(buffer_.data() + scanned, '\n', end_ - scanned));
      if (lf) break;
      scanned = end_ - begin_;  // offset relative to the moved tail
      if (!Refill()) break;
    }
    if (!lf) {
      if (begin_ >= end_) return false;
      line.assign(buffer_.data() + begin_, end_ - begin_);  // last line without a line end
      consumed_ += end_ - begin_;
      begin_ = end_;
    } else {
      const std::size_t stop = static_cast<std::size_t>(lf - buffer_.data());
      line.assign(buffer_.data() + begin_, stop - begin_);
      consumed_ += stop + 1 - begin_;
      begin_ = stop + 1;
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool DxfGroupReader::Next() {
  if (atEnd_) return false;
  if (!source_.NextLine(codeLine_) || !source_.NextLine(value_)) {
    atEnd_ = true;
    code_ = -1;
    value_.clear();
    return false;
  }
  line_ = linesRead_ + 1;
  linesRead_ += 2;
  if (LooksNumeric(codeLine_)) {
    code_ = num::ParseInt(codeLine_);
  } else {
    code_ = kInvalidCode;
    if (badCodes_++ == 0) firstBadCodeLine_ = line_;
  }
  return true;
}

int GroupInt(std::string_view value) { return num::ParseInt(value); }
double GroupDouble(std::string_view value) {
  // "nan" and "inf" are no coordinates: they read as 0 like other text.
  const double v = num::ParseDouble(value);
  return std::isfinite(v) ? v : 0.0;
}

}  // namespace zv::dxf

#include "panels/core/hatch_options.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"

namespace zv::panels {
namespace {

// Writes the fields one after the other.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  template <class T>
  void Put(T value) {
    std::uint8_t raw[sizeof(T)];
    bytes::WriteLe(raw, value);
    out_.append(reinterpret_cast<const char*>(raw), sizeof(T));
  }
  void Text(const std::string& gbk) {
    std::string field(kHatchFolderField, '\0');
    std::memcpy(field.data(), gbk.data(), gbk.size());
    out_ += field;
  }

 private:
  std::string& out_;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  template <class T>
  T Take() {
    const T value = bytes::ReadLe<T>(reinterpret_cast<const std::uint8_t*>(in_.data() + at_));
    at_ += sizeof(T);
    return value;
  }
  std::string Text() {
    const std::string_view field = in_.substr(at_, kHatchFolderField);
    at_ += kHatchFolderField;
    return text::FromGbk(field.substr(0, field.find('\0')));
  }

 private:
  std::string_view in_;
  std::size_t at_ = 0;
};

// The folder's GBK form when the field can hold it; else empty, and a problem.
std::string FolderField(const std::string& folder, std::vector<std::string>* problems) {
  bool lossy = false;
  const std::string gbk = text::ToGbk(folder, &lossy);
  if (!lossy && gbk.size() < kHatchFolderField) return gbk;
  if (problems)
    problems->push_back("路径 " + folder + (lossy ? " 含有GBK无法表示的字符" : " 太长") + "，未能保存。");
  return {};
}

template <class T>
void Keep(T& member, T value, bool valid) {
  if (valid) member = value;
}

bool InRange(double value, double low, double high) { return std::isfinite(value) && value >= low && value <= high; }

}  // namespace

std::string EncodeHatchOptions(const HatchOptions& o, std::vector<std::string>* problems) {
  std::string out;
  out.reserve(kHatchOptionsSize);
  Writer w(out);
  w.Text(FolderField(o.acadFolder, problems));
  w.Put(o.angle);
  w.Put(o.startAngle);
  w.Put(o.endAngle);
  w.Put<std::int32_t>(o.fillColor);
  w.Put<std::int32_t>(o.patternColor);
  w.Put(o.scaleY);
  w.Put<std::int32_t>(o.fileListPos);
  w.Put<std::int32_t>(o.patternListPos);
  w.Put<std::int32_t>(o.angleKind);
  w.Put(o.lineWidth);
  w.Put(o.scaleX);
  w.Put<std::int32_t>(o.patternSource);
  w.Text(FolderField(o.libFolder, problems));
  return out;
}

bool DecodeHatchOptions(std::string_view bytes, HatchOptions& o) {
  if (bytes.size() != kHatchOptionsSize) return false;
  Reader r(bytes);
  o.acadFolder = r.Text();
  const double angle = r.Take<double>(), start = r.Take<double>(), end = r.Take<double>();
  Keep(o.angle, angle, std::isfinite(angle));
  Keep(o.startAngle, start, std::isfinite(start));
  Keep(o.endAngle, end, std::isfinite(end));
  r.Take<std::int32_t>();  // the fill colour stays the caller's
  const std::int32_t patternColor = r.Take<std::int32_t>();
  Keep(o.patternColor, static_cast<int>(patternColor), patternColor >= 0);
  const double scaleY = r.Take<double>();
  Keep(o.scaleY, scaleY, InRange(scaleY, kMinScale, kMaxScale));
  const std::int32_t filePos = r.Take<std::int32_t>(), patternPos = r.Take<std::int32_t>();
  Keep(o.fileListPos, static_cast<int>(filePos), filePos >= -1);
  Keep(o.patternListPos, static_cast<int>(patternPos), patternPos >= -1);
  const std::int32_t angleKind = r.Take<std::int32_t>();
  Keep(o.angleKind, static_cast<int>(angleKind), angleKind == 0 || angleKind == 1);
  const float width = r.Take<float>();
  Keep(o.lineWidth, width, InRange(width, 0.0, kMaxScale));
  const double scaleX = r.Take<double>();
  Keep(o.scaleX, scaleX, InRange(scaleX, kMinScale, kMaxScale));
  const std::int32_t source = r.Take<std::int32_t>();
  Keep(o.patternSource, static_cast<int>(source), source == 0 || source == 1);
  o.libFolder = r.Text();
  return true;
}

void LoadHatchOptions(HatchOptions& options) {
  std::string bytes;
  if (fileio::ReadWholeFile(paths::DataFile(kHatchOptionsFile), bytes)) DecodeHatchOptions(bytes, options);
}

bool SaveHatchOptions(const HatchOptions& options, std::vector<std::string>* problems, std::string* error) {
  return fileio::WriteFileAtomically(paths::DataFile(kHatchOptionsFile), EncodeHatchOptions(options, problems), error);
}

}  // namespace zv::panels

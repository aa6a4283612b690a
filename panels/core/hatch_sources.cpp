#include "panels/core/hatch_sources.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "framework/fileio/file_io.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/display/library_bytes.h"
#include "platform/display/symbol_library.h"

namespace zv::panels {
namespace {

constexpr int kLibraryRecordSize = 6;

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) { return AsciiUpper(c); });
  return out;
}

bool NameBefore(const std::string& a, const std::string& b) {
  const auto lower = [](char c) { return AsciiLower(c); };
  std::string la(a), lb(b);
  std::transform(la.begin(), la.end(), la.begin(), lower);
  std::transform(lb.begin(), lb.end(), lb.begin(), lower);
  return la != lb ? la < lb : a < b;
}

}  // namespace

std::vector<std::string_view> SplitAtCommas(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

HatchFamily ParseHatchFamily(std::string_view line, double scaleY) {
  HatchFamily family;
  for (std::string_view field : SplitAtCommas(line)) {
    const double value = num::ParseDouble(field);
    family.numbers.push_back(family.numbers.empty() ? value : value * scaleY * 0.1);
  }
  family.count = static_cast<int>(family.numbers.size());
  return family;
}

std::vector<std::string> TextFileLines(std::string_view bytes) {
  const std::string text = text::DecodeTextFile(bytes);
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    pos = end + 1;
  }
  return lines;
}

std::vector<std::string> PatternHeaders(const std::vector<std::string>& lines) {
  std::vector<std::string> headers;
  for (const std::string& line : lines)
    if (!line.empty() && line[0] == '*') headers.push_back(line);
  return headers;
}

std::vector<std::string> PatternFamilyLines(const std::vector<std::string>& lines, std::string_view header) {
  std::vector<std::string> families;
  bool reading = false;
  for (const std::string& line : lines) {
    if (!line.empty() && line[0] == ';') continue;
    if (!line.empty() && line[0] == '*') {
      reading = line == header;
      continue;
    }
    if (reading) families.push_back(line);
  }
  return families;
}

bool IsSourceFileName(std::string_view name, PatternSource source) {
  const std::string upper = AsciiUpper(name);
  if (source == PatternSource::kHatchFile) return upper.size() >= 3 && upper.ends_with("PAT");
  return upper.starts_with("FILLGRPH") && upper.ends_with("LIB");
}

std::vector<std::string> ListSourceFiles(const std::string& folder, PatternSource source) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (IsSourceFileName(name, source)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), NameBefore);
  return names;
}

std::string PatternNameListPath(const std::string& libraryPath) {
  const std::size_t slash = libraryPath.find_last_of('/');
  const std::size_t dot = libraryPath.find_last_of('.');
  const bool dotInName = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return paths::Resolve((dotInName ? libraryPath.substr(0, dot) : libraryPath) + ".txt");
}

std::optional<PatternLibraryFile> PatternLibraryFile::Load(const std::string& path, std::string* error) {
  PatternLibraryFile library;
  std::string reason;
  if (!fileio::ReadWholeFile(path, library.bytes_, &reason)) {
    if (error) *error = reason;
    return std::nullopt;
  }
  const display::LibraryBytes bytes(library.bytes_);
  std::int32_t count = 0;
  if (!bytes.I32(0, count) || count < 0) {
    if (error) *error = "图案库 " + path + " 无法读取：文件头不完整";
    return std::nullopt;
  }
  // Slot k holds pattern k's offset; a count whose slots the file cannot
  // hold would list patterns that do not exist.
  if (count > 1 && static_cast<std::int64_t>(count - 1) * kLibraryRecordSize + 4 > static_cast<std::int64_t>(bytes.Size())) {
    if (error) *error = "图案库 " + path + " 无法读取：图案数 " + std::to_string(count) + " 超出文件的索引";
    return std::nullopt;
  }
  library.count_ = count;
  fileio::ReadWholeFile(PatternNameListPath(path), library.namesBytes_);  // a missing list is no error
  return library;
}

std::vector<std::string> PatternLibraryFile::Labels() const {
  const display::PatternNames names = display::PatternNames::Parse(namesBytes_);
  std::vector<std::string> labels;
  for (int n = 1; n < count_; ++n) labels.push_back(names.Label(n));
  return labels;
}

std::optional<display::SymbolEntry> PatternLibraryFile::EntryAt(int position, std::string* error) const {
  const int number = position + 1;
  if (number < 1 || number >= count_) {
    if (error) *error = "图案 " + std::to_string(number) + " 不在图案库中";
    return std::nullopt;
  }
  std::string reason;
  auto entry = display::ReadSymbolEntry(bytes_, number, kLibraryRecordSize, &reason);
  if (!entry && error) *error = "图案 " + std::to_string(number) + " 无法读取：" + reason;
  return entry;
}

}  // namespace zv::panels

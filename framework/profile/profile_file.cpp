#include "framework/profile/profile_file.h"

#include <filesystem>
#include <vector>

#include "framework/fileio/file_io.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv {
namespace {

struct Lines {
  std::vector<std::string> items;
  const char* eol = "\r\n";  // what Windows writes; a file that uses LF keeps LF
  bool endsWithEol = true;
  text::TextEncoding encoding = text::TextEncoding::Utf8;  // UTF-16 files stay UTF-16
};

enum class ReadResult { Read, Missing, Unreadable };

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r\n";
  auto b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return {};
  auto e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

ReadResult ReadLines(const std::string& path, Lines& lines) {
  std::string bytes;
  if (!fileio::ReadWholeFile(path, bytes)) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(path, ec) && !ec;
    return missing ? ReadResult::Missing : ReadResult::Unreadable;
  }
  lines.encoding = text::DetectEncoding(bytes);
  std::string text = text::DecodeTextFile(bytes);
  auto firstLf = text.find('\n');
  if (firstLf != std::string::npos && (firstLf == 0 || text[firstLf - 1] != '\r')) lines.eol = "\n";
  lines.endsWithEol = text.empty() || text.back() == '\n';
  std::size_t start = 0;
  while (start < text.size()) {
    auto lf = text.find('\n', start);
    std::string line = text.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.items.push_back(line);
    if (lf == std::string::npos) break;
    start = lf + 1;
  }
  return ReadResult::Read;
}

// "[name]" -> name; empty when the line is no section header.
bool SectionName(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  auto close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// "key=value" -> key and value; false for comments and lines without "=".
bool KeyValue(const std::string& line, std::string& key, std::string& value) {
  std::string t = Trim(line);
  if (t.empty() || t.front() == ';') return false;
  auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(t.substr(0, eq));
  value = Trim(t.substr(eq + 1));
  return true;
}

std::string Unquote(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) return v.substr(1, v.size() - 2);
  return v;
}

// Index range [begin, end) of the section's body, or begin == npos.
struct SectionSpan {
  std::size_t header = std::string::npos;
  std::size_t end = 0;
};

SectionSpan FindSection(const Lines& lines, const std::string& section) {
  SectionSpan span;
  for (std::size_t i = 0; i < lines.items.size(); ++i) {
    std::string name;
    if (!SectionName(lines.items[i], name)) continue;
    if (span.header != std::string::npos) {
      span.end = i;
      return span;
    }
    if (paths::EqualsIgnoreCase(name, section)) span.header = i;
  }
  span.end = lines.items.size();
  return span;
}

std::string CutToBytes(const std::string& utf8, std::size_t maxBytes) {
  return utf8.substr(0, text::Utf8CutLength(utf8, maxBytes));
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::string ProfileFile::GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                   std::size_t bufferSize) const {
  const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
  Lines lines;
  if (ReadLines(paths::Resolve(path_), lines) != ReadResult::Read) return CutToBytes(defaultValue, limit);
  SectionSpan span = FindSection(lines, section);
  if (span.header != std::string::npos) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
      std::string k, v;
      if (KeyValue(lines.items[i], k, v) && paths::EqualsIgnoreCase(k, key)) return CutToBytes(Unquote(v), limit);
    }
  }
  return CutToBytes(defaultValue, limit);
}

bool ProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
  const std::string path = paths::Resolve(path_);
  Lines lines;
  // A file that is there but cannot be read would lose every other key.
  if (ReadLines(path, lines) == ReadResult::Unreadable) return false;
  const std::string entry = key + "=" + value;
  SectionSpan span = FindSection(lines, section);
  if (span.header == std::string::npos) {
    if (!lines.items.empty() && !Trim(lines.items.back()).empty()) lines.items.emplace_back();
    lines.items.push_back("[" + section + "]");
    lines.items.push_back(entry);
  } else {
    bool replaced = false;
    std::size_t lastContent = span.header;
    for (std::size_t i = span.header + 1; i < span.end && !replaced; ++i) {
      std::string k, v;
      if (KeyValue(lines.items[i], k, v) && paths::EqualsIgnoreCase(k, key)) {
        lines.items[i] = k + "=" + value;
        replaced = true;
      }
      if (!Trim(lines.items[i]).empty()) lastContent = i;
    }
    if (!replaced) lines.items.insert(lines.items.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), entry);
  }
  std::string out;
  for (std::size_t i = 0; i < lines.items.size(); ++i) {
    out += lines.items[i];
    if (i + 1 < lines.items.size() || lines.endsWithEol) out += lines.eol;
  }
  // A settings file may be the first thing written in a new data folder.
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  return fileio::WriteFileAtomically(path, text::EncodeTextFile(out, lines.encoding));
}

bool ProfileFile::WriteInt(const std::string& section, const std::string& key, long value) const {
  return WriteString(section, key, num::Format("%ld", value));
}

bool ProfileFile::WriteDouble(const std::string& section, const std::string& key, double value) const {
  return WriteString(section, key, num::Format("%f", value));
}

}  // namespace zv

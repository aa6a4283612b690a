#include "framework/profile/profile_file.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
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
  bool lossy = false;  // some bytes could not be decoded
};

enum class ReadResult { Read, Missing, Unreadable };

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r\n";
  auto b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return {};
  auto e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

// Splits at CR LF, LF or a lone CR (old Mac files); the first break found is
// the one new lines are written with.
void SplitLines(const std::string& text, Lines& lines) {
  const std::size_t firstBreak = text.find_first_of("\r\n");
  if (firstBreak != std::string::npos) {
    if (text[firstBreak] == '\n') lines.eol = "\n";
    else if (firstBreak + 1 >= text.size() || text[firstBreak + 1] != '\n') lines.eol = "\r";
  }
  lines.endsWithEol = text.empty() || text.back() == '\n' || text.back() == '\r';
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    lines.items.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

std::size_t CountOf(std::string_view haystack, std::string_view needle) {
  std::size_t n = 0;
  for (std::size_t at = haystack.find(needle); at != std::string_view::npos; at = haystack.find(needle, at + 1)) ++n;
  return n;
}

// True when decoding replaced bytes it could not read (a binary or damaged
// file): writing the text back would lose them.
bool DecodingLosesBytes(std::string_view bytes, text::TextEncoding encoding, const std::string& decoded) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::size_t genuine = 0;
  switch (encoding) {
    case text::TextEncoding::Utf8: genuine = CountOf(bytes, kReplacement); break;
    case text::TextEncoding::Gb18030: genuine = CountOf(bytes, "\x84\x31\xA4\x37"); break;
    case text::TextEncoding::Utf16Le:
    case text::TextEncoding::Utf16Be:
      if (bytes.size() % 2 != 0) return true;
      for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        if (bytes.substr(i, 2) == (encoding == text::TextEncoding::Utf16Le ? "\xFD\xFF" : "\xFF\xFD")) ++genuine;
      break;
  }
  return CountOf(decoded, kReplacement) != genuine;
}

ReadResult ReadLines(const std::string& path, Lines& lines) {
  std::string bytes;
  if (!fileio::ReadWholeFile(path, bytes)) {
    std::error_code ec;
    const bool missing = !std::filesystem::exists(path, ec) && !ec;
    return missing ? ReadResult::Missing : ReadResult::Unreadable;
  }
  lines.encoding = text::DetectEncoding(bytes);
  const std::string text = text::DecodeTextFile(bytes);
  lines.lossy = DecodingLosesBytes(bytes, lines.encoding, text);
  SplitLines(text, lines);
  return ReadResult::Read;
}

// "[name]" -> name; empty when the line is no section header.
bool SectionName(const std::string& line, std::string& name) {
  // Most lines are no header: tell them without copying (large files).
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos || line[first] != '[') return false;
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

// Replaces the key's value in place, or adds the key at the end of its
// section (the section at the end of the file when there is none).
void SetValue(Lines& lines, const std::string& section, const std::string& key, const std::string& value) {
  const std::string entry = key + "=" + value;
  SectionSpan span = FindSection(lines, section);
  if (span.header == std::string::npos) {
    if (!lines.items.empty() && !Trim(lines.items.back()).empty()) lines.items.emplace_back();
    lines.items.push_back("[" + section + "]");
    lines.items.push_back(entry);
    return;
  }
  std::size_t lastContent = span.header;
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    std::string k, v;
    if (KeyValue(lines.items[i], k, v) && paths::EqualsIgnoreCase(k, key)) {
      lines.items[i] = k + "=" + value;
      return;
    }
    if (!Trim(lines.items[i]).empty()) lastContent = i;
  }
  lines.items.insert(lines.items.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), entry);
}

// What identifies one version of a file: a rewrite (in place or by rename)
// changes its size, time or inode.
struct FileStamp {
  bool known = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modifiedNs = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return {true, st.st_dev, st.st_ino, st.st_size,
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

}  // namespace

struct ProfileFile::CachedLines {
  std::string path;
  FileStamp stamp;
  ReadResult result = ReadResult::Missing;
  Lines lines;
};

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::shared_ptr<const ProfileFile::CachedLines> ProfileFile::Read() const {
  const std::string path = paths::Resolve(path_);
  const FileStamp stamp = StampOf(path);
  if (cache_ && cache_->path == path && stamp.known && cache_->stamp == stamp) return cache_;
  auto read = std::make_shared<CachedLines>();
  read->path = path;
  read->stamp = stamp;
  read->result = ReadLines(path, read->lines);
  cache_ = read;
  return read;
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                   std::size_t bufferSize) const {
  const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
  const std::shared_ptr<const CachedLines> cached = Read();
  if (cached->result != ReadResult::Read) return CutToBytes(defaultValue, limit);
  const Lines& lines = cached->lines;
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
  return WriteStrings({{section, key, value}});
}

bool ProfileFile::WriteStrings(const std::vector<ProfileEntry>& entries) const {
  const std::string path = paths::Resolve(path_);
  Lines lines;
  // A file that is there but cannot be read, or whose bytes could not all be
  // decoded, would lose the rest of its contents.
  if (ReadLines(path, lines) == ReadResult::Unreadable || lines.lossy) return false;
  for (const ProfileEntry& e : entries) SetValue(lines, e.section, e.key, e.value);
  std::string out;
  for (std::size_t i = 0; i < lines.items.size(); ++i) {
    out += lines.items[i];
    if (i + 1 < lines.items.size() || lines.endsWithEol) out += lines.eol;
  }
  // A settings file may be the first thing written in a new data folder.
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  if (!fileio::WriteFileAtomically(path, text::EncodeTextFile(out, lines.encoding))) return false;
  cache_.reset();
  return true;
}

bool ProfileFile::WriteInt(const std::string& section, const std::string& key, long value) const {
  return WriteString(section, key, num::Format("%ld", value));
}

bool ProfileFile::WriteDouble(const std::string& section, const std::string& key, double value) const {
  return WriteString(section, key, num::Format("%f", value));
}

}  // namespace zv

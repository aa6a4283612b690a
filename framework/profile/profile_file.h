#pragma once
// A settings file with the rules of Windows profile files, which the
// program's settings rely on:
//   - sections and keys are matched without regard to case; keys may hold
//     blanks and "/" ("standard chart", "control left/right");
//   - a value is read as text, cut to the caller's buffer (size − 1 bytes, at
//     a character boundary); blanks around it and one pair of enclosing
//     quotes are dropped;
//   - a write changes the value in place and keeps every other line
//     (comments, other keys and sections, line endings); a new key goes to
//     the end of its section, a new section to the end of the file;
//   - a missing or unreadable file is no error for reads: they give the
//     default. A write to a file that is there but cannot be read, or whose
//     bytes cannot all be decoded (a binary or damaged file), fails and
//     leaves it untouched;
//   - lines end in CR LF, LF or a lone CR; a file keeps the ending it has.
// Reads parse the file once and answer from what they parsed until the file
// changes on disk, so many keys of a large file cost one read; several
// values are written with one rewrite by WriteStrings.
// The file is read as UTF-16 when it starts with a UTF-16 byte-order mark
// (and written back so, mark included), else as UTF-8 (or GB18030 when it is
// not valid UTF-8) and written as UTF-8, through a temporary file that
// replaces the old one.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zv {

struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);

  const std::string& path() const { return path_; }

  // The value of the key, or `defaultValue` when the section or key is
  // missing; at most bufferSize − 1 bytes, as a buffer of that size holds.
  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        std::size_t bufferSize = 256) const;

  // Writes one value in place; false when the file cannot be read or written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value) const;

  // Writes the values in order with one rewrite of the file; false (and the
  // file untouched) when it cannot be read or written.
  bool WriteStrings(const std::vector<ProfileEntry>& entries) const;

  bool WriteInt(const std::string& section, const std::string& key, long value) const;      // "%d"
  bool WriteDouble(const std::string& section, const std::string& key, double value) const; // "%f"

 private:
  struct CachedLines;
  std::shared_ptr<const CachedLines> Read() const;

  std::string path_;
  mutable std::shared_ptr<const CachedLines> cache_;
};

}  // namespace zv

#pragma once
// The two sources of hatch patterns and how they are listed and read:
//   - hatch-pattern files (".pat" text): lines classed by their first
//     character, ";" a comment, "*" a pattern header (the whole line is the
//     pattern's name and the key that finds it again), anything else a family
//     line "angle, x0, y0, dx, dy[, dash ...]" of the pattern whose header
//     precedes it;
//   - pattern libraries ("FILLGRPH…LIB"): the system library's single-level
//     pattern files, patterns 1 .. count-1, named by the ".txt" list beside
//     the library.
// Text files are read as UTF-8 when valid, else as GB18030; a line's "\r" is
// not part of it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display/symbol_entry.h"

namespace zv::panels {

// One family line. `numbers` holds every number in field order: [0] the
// direction in degrees, [1] x0, [2] y0, [3] dx, [4] dy, then dash lengths
// (positive a dash, negative a gap, 0 a dot); all but the direction are
// already multiplied by Y scale × 0.1. `count` is the number of fields.
struct HatchFamily {
  std::vector<double> numbers;
  int count = 0;
  double Number(int i) const { return i >= 0 && i < static_cast<int>(numbers.size()) ? numbers[i] : 0.0; }
};

HatchFamily ParseHatchFamily(std::string_view line, double scaleY);

// The fields of a line split at every ","; a line without one is one field.
std::vector<std::string_view> SplitAtCommas(std::string_view line);

// The lines of a text file, decoded, without line ends.
std::vector<std::string> TextFileLines(std::string_view bytes);

// The header lines of a hatch-pattern file, in file order, unchanged.
std::vector<std::string> PatternHeaders(const std::vector<std::string>& lines);

// The family lines of the pattern whose header equals `header` byte for
// byte; two equal headers give the families of both.
std::vector<std::string> PatternFamilyLines(const std::vector<std::string>& lines, std::string_view header);

// File names of a source folder, sorted without regard to case (then byte
// by byte), so that a remembered position names the same file next time.
enum class PatternSource { kLibrary = 0, kHatchFile = 1 };
bool IsSourceFileName(std::string_view name, PatternSource source);
std::vector<std::string> ListSourceFiles(const std::string& folder, PatternSource source);

// A pattern library read into memory: its count and the entry of a list
// position (position i is pattern i + 1).
class PatternLibraryFile {
 public:
  // nullopt with a reason when the file cannot be read or its index is bad.
  static std::optional<PatternLibraryFile> Load(const std::string& path, std::string* error);
  int Count() const { return count_; }
  // The list texts "n_name" / "n_未命名图案" for n = 1 .. Count()-1.
  std::vector<std::string> Labels() const;
  // The pattern at list position i; nullopt with a reason when it cannot be
  // read (no entry at its number, or an entry the file cannot hold).
  std::optional<display::SymbolEntry> EntryAt(int position, std::string* error) const;

 private:
  std::string bytes_;
  std::string namesBytes_;
  int count_ = 0;
};

// The name list beside a library: everything from the last "." of the file
// name replaced by ".txt" (".txt" added when the name has none), found
// without regard to case.
std::string PatternNameListPath(const std::string& libraryPath);

}  // namespace zv::panels

#pragma once
// The system library: colour table, sub-graphs, line types and fill patterns
// of one folder, found without regard to the case of their file names:
//   "colortable.txt", "subgraph.lib", "LINESTY.lib", "FILLGRPH.lib" and the
//   pattern name list "FILLGRPH.txt".
// A file that is missing or cannot be read gives one notice (through the
// notice sink) and a plain stand-in: the sixteen basic colours, no sub-graphs
// (a point draws as a small circle), continuous lines, plain fills.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/display/colour_table.h"
#include "platform/display/symbol_library.h"

namespace zv::display {

inline constexpr char kColourTableFile[] = "colortable.txt";
inline constexpr char kSubgraphFile[] = "subgraph.lib";
inline constexpr char kLineTypeFile[] = "LINESTY.lib";
inline constexpr char kPatternFile[] = "FILLGRPH.lib";
inline constexpr char kPatternNameFile[] = "FILLGRPH.txt";

class SystemLibrary {
 public:
  // Loads the four libraries of a folder.
  static SystemLibrary Load(const std::string& folder);
  // The plain stand-ins only.
  static SystemLibrary Plain();

  const std::string& Folder() const { return folder_; }
  const ColourTable& Colours() const { return colours_; }
  const SingleLevelLibrary* Subgraphs() const { return subgraphs_ ? &*subgraphs_ : nullptr; }
  const LineTypeLibrary* LineTypes() const { return lineTypes_ ? &*lineTypes_ : nullptr; }
  const SingleLevelLibrary* Patterns() const { return patterns_ ? &*patterns_ : nullptr; }
  const PatternNames& PatternNameList() const { return patternNames_; }

  // The counts the platform's display calls report (highest number + 1; 1
  // when the library is missing, which offers no item).
  int ColourCount() const { return colours_.Count(); }
  int SubgraphCount() const { return subgraphs_ ? subgraphs_->Count() : 1; }
  int LineTypeCount() const { return lineTypes_ ? lineTypes_->Count() : 1; }
  int SubStyleCount(long type) const { return lineTypes_ ? lineTypes_->SubStyleCount(type) : 0; }
  int PatternCount() const { return patterns_ ? patterns_->Count() : 1; }

 private:
  std::string folder_;
  ColourTable colours_ = ColourTable::Plain();
  std::optional<SingleLevelLibrary> subgraphs_;
  std::optional<LineTypeLibrary> lineTypes_;
  std::optional<SingleLevelLibrary> patterns_;
  PatternNames patternNames_;
};

// Where notices about unreadable libraries go (the program shows them to the
// user; the default writes them to the log). Each distinct notice is given
// once per run.
using NoticeSink = std::function<void(const std::string&)>;
void SetNoticeSink(NoticeSink sink);

// The system-library folder of the environment record (by default the
// "slib" folder of the program's data folder, seeded from the shipped data);
// when that folder does not exist, the library shipped with the program (with
// one notice).
std::string DefaultLibraryFolder();

// The library every drawing uses unless given another. Loaded from
// DefaultLibraryFolder() on first use.
const SystemLibrary& CurrentLibrary();

// Makes `folder` the system-library folder; reloads when it differs from the
// current one (or always with `force`).
void SetLibraryFolder(const std::string& folder, bool force = false);

// After the environment record changed: loads the folder it names, when that
// differs from the current one.
void ReloadFromEnvironment();

}  // namespace zv::display

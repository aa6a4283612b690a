#pragma once
// The system-library comparison: a text file that pairs entries of a source
// folder's system libraries with entries of a target folder's, per library
// kind, and the drawing of one library entry into a preview's work areas.
//
// The comparison file: line 1 is one character and the source folder, line 2
// one character and the target folder (written with ";" in front they are
// comments); ";" starts a comment; a line "#" + kind name makes the section
// of that kind active and any other "#" line ends it; a data line is
// "key,target,target,…" where each is an entry number, or "g-n" (group and
// number) for line types and patterns.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "panels/core/hatch_preview.h"
#include "platform/data/work_area.h"
#include "platform/display/symbol_entry.h"

namespace zv::panels {

inline constexpr char kLibraryBusyMessage[] =
    "可能系统库被程序占用，\n\n请先退出其他程序或者修改本程序默认系统库！";
inline constexpr char kComparisonFile[] = "cvtLib.txt";

// A library kind the dialog previews: its file in a folder, index record
// size, and where the preview view looks.
struct LibraryKind {
  const char* name;
  const char* file;
  int recordSize;
  double originX, originY, scale;
};
// "子图库", "线型库", "图案库"; null for any other name ("颜色库").
const LibraryKind* FindLibraryKind(std::string_view name);

// The kind combo's items in the order "颜色库", "图案库", "线型库", "子图库",
// each when its flag is set.
struct KindFlags {
  bool colours = false;
  bool patterns = true;
  bool lineTypes = true;
  bool subgraphs = true;
};
std::vector<std::string> OfferedKinds(const KindFlags& flags);

class ComparisonFile {
 public:
  static ComparisonFile Parse(std::string_view bytes);
  // Lines 1 and 2 without their first character (empty when missing).
  std::pair<std::string, std::string> Folders() const;
  // The keys of the data lines of the kind's sections, in file order.
  std::vector<std::string> Keys(std::string_view kind) const;
  // The targets of every data line of the kind's sections with this key.
  std::vector<std::string> Targets(std::string_view kind, std::string_view key) const;

 private:
  template <class Each>
  void ForEachDataLine(std::string_view kind, Each each) const;
  std::vector<std::string> lines_;
};

// What previewing an entry did.
struct EntryPreview {
  bool opened = true;   // false: the library could not be read; nothing changed
  std::string message;  // why the entry was refused (the preview is then empty)
};

// Reads entry `text` of the kind's library in `folder` and draws it into the
// areas (plain numbers), or empties them ("g-n" entries are read, not drawn).
EntryPreview PreviewLibraryEntry(const LibraryKind& kind, const std::string& folder, std::string_view text,
                                 const PreviewAreas& areas);

// Draws a single-level entry with copies of the current default records
// (line type 1, colour 1, width 0.02 for lines): the defaults stay as they were.
void DrawSymbolEntry(const display::SymbolEntry& entry, const PreviewAreas& areas);

}  // namespace zv::panels

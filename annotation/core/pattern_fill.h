#pragma once
// The map's pattern fill: a pattern chosen in the hatch pattern dialog drawn
// over one outline (a ring set) into the current point, line and region work
// areas, every entity tagged with the id of what it fills (pattern_tag.h).
//
// LoadFillSource reads and checks the pattern once per fill, before
// anything changes: the hatch-pattern file opens and holds the chosen header,
// or the library entry is chosen and reads; the X scale is usable. FitsCap
// checks an outline against the piece cap of the hatch engine.
//
// FillRings draws one outline:
//  - hatch-pattern file: the rings are moved by minus the centre and turned
//    by minus the angle, the families are drawn into a temporary line area
//    that carries the line structure of the current line area plus the tag,
//    and the lines are turned back by the angle and moved by the centre
//    before they are copied into the current line area. The progress window
//    shows "正在绘制图案..." and one step per line of the file (1 … 10, 1, …).
//  - library entry: the cells tiled over the unturned rings
//    (library_tiling.h).
// A current area that receives pattern entities and lacks the tag field
// gets it first, so the copies keep the tags. The ids appended are returned
// for the caller's undo record.

#include <optional>
#include <string>
#include <vector>

#include "annotation/core/hatch_settings.h"
#include "annotation/core/map_family_lines.h"
#include "annotation/core/pattern_rings.h"
#include "panels/core/hatch_sources.h"
#include "platform/display/symbol_entry.h"

namespace zv::annot {

struct FillSource {
  bool hatchFile = true;
  std::vector<std::string> fileLines;  // the whole file, for the progress steps
  std::vector<panels::HatchFamily> families;
  display::SymbolEntry entry;
};

// nullopt with one message naming the file or entry and the reason.
std::optional<FillSource> LoadFillSource(const HatchSettings& settings, std::string* error);

// How one outline is filled.
struct FillPlacement {
  bool fanAllowed = true;       // the trend fill draws unbent
  const D_DOT* anchor = nullptr;  // trend fill: the families start here, unturned
};

// True when the pattern fits the piece cap over the rings.
bool FitsCap(const HatchSettings& settings, const FillSource& source, const Rings& rings,
             const FillPlacement& placement);

struct FillResult {
  std::vector<int32_t> points, lines, regions;
  std::vector<std::string> notes;
};

FillResult FillRings(const HatchSettings& settings, const FillSource& source, const Rings& rings, int32_t tag,
                     const FillPlacement& placement, const FillTargets& targets);

}  // namespace zv::annot

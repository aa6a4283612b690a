#pragma once
// The thirteen texts a caller may lay over the title block the dialog loads:
// the exploration unit, the drawing title, the contents of the first
// column's rows 1 to 6 and of the second column's rows 1 to 5. The second
// column's row 2 (the scale text) also gives the section scale by its leading
// whole number. A caller may give the plan scale too: laid over the file
// (`planScale`), or only in place of the built-in default, so that a value
// the dialog's file holds wins (`defaultPlanScale`).

#include <array>
#include <optional>
#include <string>

#include "zavediz/dialogs/title_block_values.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

struct TitleBlockPreset {
  std::string unit;
  std::string title;
  std::array<std::string, 6> column1;  // contents of rows 1 to 6
  std::array<std::string, 5> column2;  // contents of rows 1 to 5
  std::optional<int> planScale;        // the topographic scale; none keeps the loaded one
  std::optional<int> defaultPlanScale;  // the topographic scale when the file gives none
};

// The texts a section's header holds; nothing when no header was entered.
std::optional<TitleBlockPreset> PresetOf(const SectionData& section);

void ApplyPreset(const TitleBlockPreset& preset, TitleBlockValues& values);

}  // namespace zv::zavediz

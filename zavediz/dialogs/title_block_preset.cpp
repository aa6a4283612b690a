#include "zavediz/dialogs/title_block_preset.h"

#include "framework/text/numbers.h"

namespace zv::zavediz {

std::optional<TitleBlockPreset> PresetOf(const SectionData& section) {
  if (!section.headerSet) return std::nullopt;
  return TitleBlockPreset{
      section.surveyingUnit,
      section.title,
      {section.row1Left, section.row2Left, section.row3Left, section.row4Left, section.row5Left, section.row6Left},
      {section.row1Right, section.row2Right, section.row3Right, section.row4Right, section.row5Right},
      std::nullopt,
      std::nullopt,
  };
}

void ApplyPreset(const TitleBlockPreset& preset, TitleBlockValues& values) {
  values.unit = preset.unit;
  values.title = preset.title;
  for (std::size_t row = 0; row < preset.column1.size(); ++row) values.column1[row].content = preset.column1[row];
  for (std::size_t row = 0; row < preset.column2.size(); ++row) values.column2[row].content = preset.column2[row];
  values.sectionScale = num::ParseInt(preset.column2[1]);
  if (preset.planScale) values.topographicScale = *preset.planScale;
  LimitTitleTexts(values);
}

}  // namespace zv::zavediz

#pragma once
// The values of the title block drawn in the corner of a section or chart:
// the exploration unit, the drawing title, two columns of six labelled rows,
// the widths (mm), the scales and the section's lowest elevation. Each
// column row carries an order text, column digit then row digit ("11" to
// "16" place it in the first column, "21" to "26" in the second); any other
// order leaves it out of the block.

#include <array>
#include <string>

namespace zv::zavediz {

struct TitleBlockRowValues {
  std::string order;
  std::string label;
  std::string content;
  double height = 7.0;  // mm

  friend bool operator==(const TitleBlockRowValues&, const TitleBlockRowValues&) = default;
};

struct TitleBlockValues {
  std::string unit;
  double unitHeight = 7.0;
  std::string title;
  double titleHeight = 8.0;
  std::array<TitleBlockRowValues, 6> column1;  // rows 1 to 6
  std::array<TitleBlockRowValues, 6> column2;
  double totalWidth = 90.0;
  double column1LabelWidth = 20.0;
  double column1ContentWidth = 25.0;
  double column2LabelWidth = 20.0;
  double column2ContentWidth = 25.0;
  int topographicScale = 5000;
  int sectionScale = 2000;
  int lowestElevation = -1;

  friend bool operator==(const TitleBlockValues&, const TitleBlockValues&) = default;
};

// Longest label and content, in GBK bytes.
inline constexpr std::size_t kTitleLabelBytes = 19;
inline constexpr std::size_t kTitleContentBytes = 255;

// The values a new title block starts with.
TitleBlockValues DefaultTitleBlock();

// Cuts every label and content to its longest length, between characters.
void LimitTitleTexts(TitleBlockValues& values);

}  // namespace zv::zavediz

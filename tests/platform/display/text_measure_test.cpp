#include <gtest/gtest.h>

#include "platform/display/text_layout.h"
#include "platform/display/text_measure.h"

namespace zv::display {
namespace {

TEST(TextMeasure, WidthInCellsAndCharacterCountAsDrawnAndAsWritten) {
  struct Case {
    const char* text;
    int direction;
    double drawnCells;
    int drawnCount;
    double writtenCells;
    int writtenCount;
  };
  const Case cases[] = {
      {"", kAlongX, 0.0, 0, 0.0, 0},
      {"abc", kAlongX, 1.5, 3, 1.5, 3},
      {"中文", kAlongX, 2.0, 2, 2.0, 2},
      {"K2中", kAlongX, 2.0, 3, 2.0, 3},
      {"#+2", kAlongX, 0.3, 1, 1.5, 3},           // a raised character at 0.6 of its cell
      {"m#-2#=x", kAlongX, 1.3, 3, 3.5, 7},
      {"#=", kAlongX, 0.0, 0, 1.0, 2},
      {"a#", kAlongX, 1.0, 2, 1.0, 2},            // a lone "#" is a character
      {"J/2/3/", kAlongX, 0.75, 2, 3.0, 6},       // a two-level label: one character of half size
      {"中a", kAlongY, 2.0, 2, 2.0, 2},
      {"#+中a", kAlongY, 2.0, 2, 4.0, 4},
      {"", kAlongY, 0.0, 0, 0.0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.direction == kAlongY ? " along y" : " along x"));
    EXPECT_DOUBLE_EQ(DspTextLength(c.text, 0x00010001, c.direction), c.drawnCells);
    EXPECT_DOUBLE_EQ(DspTextLength(c.text, 0x00010001, c.direction, TextCodes::kAsWritten), c.writtenCells);
    EXPECT_EQ(DspTextCharCount(c.text), c.drawnCount);
    EXPECT_EQ(DspTextCharCount(c.text, TextCodes::kAsWritten), c.writtenCount);
  }
  EXPECT_DOUBLE_EQ(DspStringWidth("页岩ab"), 3.0);
  EXPECT_DOUBLE_EQ(DspStringWidth("#+页", TextCodes::kAsWritten), 2.0);
}

TEST(TextLayout, ExtentIsWhatTheMeasuresPredict) {
  for (const char* text : {"a", "abc", "中文", "砂岩K2", "Q4 第四系", "m#+2#=x", "J/2/3/a"}) {
    TextStyle style;
    style.width = 4.0;
    style.height = 5.0;
    style.spacing = 0.5;
    const TextLayout layout = LayoutText(text, style);
    EXPECT_DOUBLE_EQ(layout.width, DspTextLength(text, 0, kAlongX) * 4.0 + (DspTextCharCount(text) - 1) * 0.5) << text;
    EXPECT_DOUBLE_EQ(layout.height, 5.0);
    if (std::string_view(text).find('/') != std::string_view::npos) continue;  // no labels down a text
    style.vertical = true;
    const TextLayout down = LayoutText(text, style);
    EXPECT_DOUBLE_EQ(down.height, DspTextLength(text, 0, kAlongY) * 5.0 + (DspTextCharCount(text) - 1) * 0.5) << text;
  }
}

TEST(TextLayout, CodesTakeNoRoomAndRaiseOrLower) {
  TextStyle style;
  const TextLayout layout = LayoutText("m#+2#=x#-3", style);
  ASSERT_EQ(layout.cells.size(), 4u);
  EXPECT_GT(layout.cells[1].y, 0.0);               // raised
  EXPECT_LT(layout.cells[1].height, style.height);  // and smaller
  EXPECT_DOUBLE_EQ(layout.cells[2].y, 0.0);        // back to normal
  EXPECT_LT(layout.cells[3].y, 0.0);               // lowered
}

TEST(TextLayout, TwoLevelLabelStacksItsParts) {
  TextStyle style;
  const TextLayout layout = LayoutText("J/2/3/", style);
  ASSERT_EQ(layout.cells.size(), 3u);
  EXPECT_EQ(layout.cells[1].text, "2");
  EXPECT_EQ(layout.cells[2].text, "3");
  EXPECT_GT(layout.cells[1].y, layout.cells[2].y);
  EXPECT_DOUBLE_EQ(layout.cells[1].x, layout.cells[2].x);
  EXPECT_FALSE(LayoutText("1/2", style).cells.empty());  // a lone slash is text
  EXPECT_EQ(LayoutText("1/2", style).cells.size(), 3u);
}

TEST(TextLayout, BlocksWrapToTheirBox) {
  struct Case {
    const char* text;
    double boxWidth;
    int lines;
  };
  // cells of 2 (Chinese) or 1 (ASCII), spacing 0.5
  const Case cases[] = {
      {"灰色中厚层状灰岩", 100.0, 1}, {"灰色中厚层状灰岩", 10.0, 2}, {"灰色中厚层状灰岩", 2.0, 8},
      {"灰色\n灰岩", 100.0, 2},       {"abcdefgh", 4.0, 3},          {"", 10.0, 0},
  };
  for (const auto& c : cases) {
    TextStyle style;
    style.width = 2.0;
    style.height = 2.0;
    style.spacing = 0.5;
    style.lineSpacing = 1.0;
    style.block = true;
    style.boxWidth = c.boxWidth;
    const TextLayout layout = LayoutText(c.text, style);
    EXPECT_EQ(layout.lineCount, c.lines) << c.text << " in " << c.boxWidth;
    for (const auto& cell : layout.cells) {
      if (c.boxWidth >= 2.0) {
        EXPECT_LE(cell.x + cell.width, c.boxWidth + 1e-9) << c.text;
      }
    }
    if (c.lines > 0) {
      EXPECT_DOUBLE_EQ(layout.height, c.lines * 2.0 + (c.lines - 1) * 1.0);
    }
  }
}

}  // namespace
}  // namespace zv::display

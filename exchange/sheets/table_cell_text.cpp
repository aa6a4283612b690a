#include "exchange/sheets/table_cell_text.h"

#include <array>

#include "framework/workbook/cell_number.h"
#include "framework/workbook/workbook_data.h"
#include "platform/data/param_records.h"
#include "platform/display/text_measure.h"

namespace zv::sheets {
namespace {

namespace align = workbook::align;

constexpr std::array<std::string_view, 4> kFonts = {"宋体", "仿宋", "黑体", "楷体"};
constexpr double kInset = 0.2;

// The line's left x in the box for its alignment.
double LineX(const CellTextBox& box, int horizontal, double width) {
  if (horizontal == align::kRight) return box.corner.x + box.width - width - kInset;
  if (horizontal == align::kCenter) return box.corner.x + (box.width - width) / 2;
  return box.corner.x + kInset;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n')
      lines.emplace_back();
    else if (c != '\r')
      lines.back().push_back(c);
  }
  return lines;
}

}  // namespace

int16_t TableFontNumber(std::string_view fontName) {
  for (std::size_t i = 0; i < kFonts.size(); ++i)
    if (kFonts[i] == fontName) return static_cast<int16_t>(i + 1);
  return 1;
}

double TableCharHeight(double fontSize, double factor) {
  const double height = factor * fontSize;
  return height < 0.5 ? 2.0 : height;
}

std::string ApplyCellFormat(const workbook::Range& cell, std::string shown) {
  const workbook::CellValue value = cell.Value();
  if (value.type != workbook::CellValue::Type::kText) return shown;
  std::string text = value.text;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (cell.Formula() != text) return text;
  std::string marked;
  bool superBefore = false, subBefore = false;
  for (int k = 1;; ++k) {
    const workbook::Characters character = cell.Characters(k, 1);
    const std::string piece = character.Text();
    if (piece.empty()) break;
    const workbook::Font font = character.Font();
    const bool super = font.Superscript(), sub = font.Subscript();
    if ((superBefore || subBefore) && !super && !sub) marked += "#=";
    if (!superBefore && super) marked += "#+";
    if (!subBefore && sub) marked += "#-";
    marked += piece;
    superBefore = super;
    subBefore = sub;
  }
  return marked;
}

std::vector<int32_t> WriteCellText(WorkAreaHandle area, std::string_view text, const CellTextBox& box) {
  PNT_INFO& note = *BasGetDefaultPointParam(0);
  PNT_INFO& block = *BasGetDefaultPointParam(5);
  const float height = static_cast<float>(box.charHeight * box.sy);
  const float width = static_cast<float>(box.charHeight * box.sx);
  for (PNT_INFO* info : {&note, &block}) {
    info->setCharHeight(height);
    info->setCharWidth(width);
    info->setChineseFont(box.font);
    info->setColour(box.colour);
  }
  block.setCharSpacing(static_cast<float>(box.sx));
  block.Set(pnt::kLineSpacing, static_cast<float>(box.sy));
  block.Set(pnt::kBoxWidth, static_cast<float>(box.width - 4 * box.sy));
  block.Set(pnt::kBoxHeight, static_cast<float>(box.height - 4 * box.sy));

  const std::vector<std::string> lines = SplitLines(text);
  int horizontal = box.horizontal;
  if (horizontal == align::kGeneral)
    horizontal = text == "0" || workbook::ParseCellNumber(text) != 0 ? align::kRight : align::kLeft;
  const std::uint32_t layout = note.Get<std::uint32_t>(pnt::kChineseFont);
  const double noteWidth = box.charHeight * box.sx, noteHeight = box.charHeight * box.sy;
  const auto widthOf = [&](const std::string& line) { return display::DspTextWidth(line, layout, 0) * noteWidth; };
  const D_DOT& p = box.corner;
  std::vector<int32_t> made;
  const auto append = [&](D_DOT at, const std::string& line, const PNT_INFO& info) {
    if (const int32_t id = BasAppendPoint(area, at, line, info)) made.push_back(id);
  };

  if (lines.size() == 1) {
    const double lineWidth = widthOf(lines[0]);
    if (lineWidth > box.width) {
      // The block's inset takes the scales crossed, as the notes of older
      // tables were placed.
      append({p.x + 2 * box.sy, p.y - 2 * box.sx}, lines[0], block);
      return made;
    }
    double y = p.y - kInset;
    if (box.vertical == align::kCenter) y = p.y - box.height / 2 - noteHeight / 2;
    if (box.vertical == align::kTop) y = p.y - noteHeight - kInset;
    if (box.vertical == align::kBottom) y = p.y - box.height + kInset;
    append({LineX(box, horizontal, lineWidth), y}, lines[0], note);
    return made;
  }
  const double breaks = static_cast<double>(lines.size() - 1);
  const double gap = (box.height - (breaks + 1) * noteHeight) / (breaks + 2);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double k = static_cast<double>(i + 1);
    double y = p.y - k * noteHeight - kInset;  // top, and alignments without positions of their own
    if (box.vertical == align::kCenter) y = p.y - k * (noteHeight + gap);
    if (box.vertical == align::kBottom) y = p.y - box.height + (breaks + 1 - k) * noteHeight + kInset;
    append({LineX(box, horizontal, widthOf(lines[i])), y}, lines[i], note);
  }
  return made;
}

}  // namespace zv::sheets

#pragma once
// The survey workbook of exploration lines, read through the spreadsheet
// object model: sheets by position, never by name; row 1 holds headings.
//
// Sheet 2, one row per section from row 2 down to the first row whose A is
// empty: A the section key, B and C the ground start x and y, F and E the
// ground end x and y (metres; D and G unused), H the exploration unit, I the
// title, J to O the title block's first column rows 1 to 6, P the second
// column's row 1, Q the section scale (its row 2), R, S, T its rows 3 to 5.
// Sheet 3, one row per surveyed point from row 2 down to the first empty A:
// A the section key, B the point name, C the elevation and D the distance
// along the line (metres).
//
// Cells are read as the texts they show; numbers through
// workbook::ParseCellNumber, so "1,200" reads 1200. Every reader touches
// the third sheet first: a workbook without it is refused (WorkbookError)
// before anything is read. Nothing is written to the workbook.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "zavediz/data/survey_line.h"
#include "zavediz/dialogs/title_block_preset.h"

namespace zv::zavediz {

// The plan scale the header offers when the title-block file has none.
inline constexpr int kSurveyWorkbookPlanScale = 1000;

struct SurveyWorkbookEntry {
  std::string name;   // A as shown
  int32_t scale = 0;  // Q as a whole number, 0 when it is none
};

// Sheet 2's sections in sheet order; entry i lies in sheet row i + 2.
std::vector<SurveyWorkbookEntry> ReadSurveyWorkbookList(const workbook::Workbook& book);

struct SurveyWorkbookHeader {
  D_DOT groundStart{};  // metres: (B, C)
  D_DOT groundEnd{};    // metres: (F, E)
  // The row's texts as shown, Q without its group commas (the dialog takes
  // the section scale from its leading whole number); the plan scale offered
  // yields to the dialog's file.
  TitleBlockPreset preset;
};

// The section of sheet 2 row `row` (2 or more).
SurveyWorkbookHeader ReadSurveyWorkbookHeader(const workbook::Workbook& book, int row);

// The points of the section keyed by sheet 2 (row, A): the rows of sheet 3
// whose A shows exactly that text (a trailing blank counts), in sheet order,
// up to the first empty A (the profile takes them by distance).
std::vector<SurveyStation> ReadSurveyWorkbookPoints(const workbook::Workbook& book, int row);

}  // namespace zv::zavediz

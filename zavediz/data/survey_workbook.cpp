#include "zavediz/data/survey_workbook.h"

#include <cmath>
#include <limits>

#include "framework/workbook/cell_number.h"

namespace zv::zavediz {
namespace {

enum Column : int { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T };

constexpr int kFirstRow = 2;

// The survey sheets; asking for the third first refuses a workbook without it.
struct SurveySheets {
  explicit SurveySheets(const workbook::Workbook& book)
      : points(book.Sheets().Item(3).Cells()), sections(book.Sheets().Item(2).Cells()) {}
  workbook::Range points;
  workbook::Range sections;
};

// A whole number as atoi would take it from the shown text, kept in range.
int32_t WholeNumber(const workbook::Range& cell) {
  const double value = std::trunc(workbook::ParseCellNumber(cell));
  if (!(value > std::numeric_limits<int32_t>::min() && value < std::numeric_limits<int32_t>::max())) return 0;
  return static_cast<int32_t>(value);
}

}  // namespace

std::vector<SurveyWorkbookEntry> ReadSurveyWorkbookList(const workbook::Workbook& book) {
  const SurveySheets sheets(book);
  std::vector<SurveyWorkbookEntry> entries;
  for (int row = kFirstRow;; ++row) {
    std::string name = sheets.sections.Item(row, A).Text();
    if (name.empty()) break;
    entries.push_back({std::move(name), WholeNumber(sheets.sections.Item(row, Q))});
  }
  return entries;
}

SurveyWorkbookHeader ReadSurveyWorkbookHeader(const workbook::Workbook& book, int row) {
  const SurveySheets sheets(book);
  const auto number = [&](int column) { return workbook::ParseCellNumber(sheets.sections.Item(row, column)); };
  const auto text = [&](int column) { return sheets.sections.Item(row, column).Text(); };
  SurveyWorkbookHeader header;
  header.groundStart = D_DOT{number(B), number(C)};
  header.groundEnd = D_DOT{number(F), number(E)};
  TitleBlockPreset& preset = header.preset;
  preset.unit = text(H);
  preset.title = text(I);
  for (std::size_t i = 0; i < preset.column1.size(); ++i) preset.column1[i] = text(J + static_cast<int>(i));
  preset.column2 = {text(P), workbook::WithoutGroupCommas(text(Q)), text(R), text(S), text(T)};
  preset.defaultPlanScale = kSurveyWorkbookPlanScale;
  return header;
}

std::vector<SurveyStation> ReadSurveyWorkbookPoints(const workbook::Workbook& book, int row) {
  const SurveySheets sheets(book);
  const std::string key = sheets.sections.Item(row, A).Text();
  std::vector<SurveyStation> stations;
  for (int r = kFirstRow;; ++r) {
    const std::string at = sheets.points.Item(r, A).Text();
    if (at.empty()) break;
    if (at != key) continue;
    stations.push_back({sheets.points.Item(r, B).Text(), workbook::ParseCellNumber(sheets.points.Item(r, D)),
                        workbook::ParseCellNumber(sheets.points.Item(r, C))});
  }
  return stations;
}

}  // namespace zv::zavediz

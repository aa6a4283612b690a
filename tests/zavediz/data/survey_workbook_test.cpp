// The survey workbook's sheets read through the object model: the fixture
// of tests/data/survey holds three sections, one keyed "5线 " beside "5线",
// numbers shown with group commas, a text for a scale, and points of
// several sections interleaved on sheet 3 with a blank key mid-way.
#include <gtest/gtest.h>

#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/workbook_error.h"
#include "tests/support/test_env.h"
#include "zavediz/data/survey_workbook.h"

namespace zv::zavediz {
namespace {

struct OpenedSurvey {
  explicit OpenedSurvey(const std::string& name)
      : app(workbook::StartPrivateExcel()), book(app.Workbooks().Open(test::DataPath("survey/" + name))) {}
  ~OpenedSurvey() { app.Quit(); }
  workbook::Application app;
  workbook::Workbook book;
};

std::string Dump(const std::vector<SurveyStation>& stations) {
  std::string text;
  for (const SurveyStation& s : stations)
    text += s.name + " " + std::to_string(s.distance) + " " + std::to_string(s.elevation) + "; ";
  return text;
}

TEST(SurveyWorkbook, TheListEndsAtTheFirstEmptyKeyAndScalesAreWholeNumbersOfTheShownText) {
  const OpenedSurvey survey("survey_cases.xlsx");
  ASSERT_EQ(survey.book.Sheets().Item(2).Cells().Item(2, 17).Text(), "2,000");
  ASSERT_EQ(survey.book.Sheets().Item(3).Cells().Item(5, 3).Text(), "1,200");
  const std::vector<SurveyWorkbookEntry> entries = ReadSurveyWorkbookList(survey.book);
  ASSERT_EQ(entries.size(), 3u) << "9线 lies below the empty row";
  EXPECT_EQ(entries[0].name, "5线");
  EXPECT_EQ(entries[0].scale, 2000) << "Q shows \"2,000\"";
  EXPECT_EQ(entries[1].name, "5线 ");
  EXPECT_EQ(entries[1].scale, 1000);
  EXPECT_EQ(entries[2].name, "7线");
  EXPECT_EQ(entries[2].scale, 0) << "a text in Q";
}

TEST(SurveyWorkbook, TheHeaderTakesTheEndsThroughSeparatorsAndHandsTheRowsTextsOn) {
  const OpenedSurvey survey("survey_cases.xlsx");
  const SurveyWorkbookHeader header = ReadSurveyWorkbookHeader(survey.book, 2);
  EXPECT_EQ(header.groundStart.x, 1000.0) << "B shows the text \"1,000\"";
  EXPECT_EQ(header.groundStart.y, 2000.0);
  EXPECT_EQ(header.groundEnd.x, 1800.0) << "the end's x is F";
  EXPECT_EQ(header.groundEnd.y, 2600.0) << "the end's y is E";
  const TitleBlockPreset& p = header.preset;
  EXPECT_EQ(p.unit, "某某地质队");
  EXPECT_EQ(p.title, "5线实测剖面图");
  EXPECT_EQ(p.column1, (std::array<std::string, 6>{"张三", "李四", "王五", "赵六", "钱七", "孙八"}));
  EXPECT_EQ(p.column2, (std::array<std::string, 5>{"实测", "2000", "2026-12", "图5", "1"}))
      << "Q without its separator, the rest as shown";
  EXPECT_FALSE(p.planScale) << "the title-block file's plan scale wins";
  EXPECT_EQ(p.defaultPlanScale, kSurveyWorkbookPlanScale);
  EXPECT_EQ(ReadSurveyWorkbookHeader(survey.book, 4).preset.column2[1], "比例尺待定");
}

TEST(SurveyWorkbook, PointsOfOneKeyComeInSheetOrderUpToTheFirstBlankKey) {
  const OpenedSurvey survey("survey_cases.xlsx");
  EXPECT_EQ(Dump(ReadSurveyWorkbookPoints(survey.book, 2)),
            "P1 150.000000 300.000000; P2 0.000000 1200.000000; P3 300.000000 310.000000; ")
      << "other keys skipped, never sorted, 1,200 read whole, P4 below the blank key unread";
  EXPECT_EQ(Dump(ReadSurveyWorkbookPoints(survey.book, 3)), "Q1 0.000000 100.000000; ")
      << "a trailing blank is part of the key";
  EXPECT_EQ(Dump(ReadSurveyWorkbookPoints(survey.book, 5)), "") << "a row past the list keys nothing";
}

TEST(SurveyWorkbook, AWorkbookWithoutItsThirdSheetIsRefusedByEveryReader) {
  const OpenedSurvey survey("survey_two_sheets.xlsx");
  EXPECT_THROW(ReadSurveyWorkbookList(survey.book), workbook::WorkbookError);
  EXPECT_THROW(ReadSurveyWorkbookHeader(survey.book, 2), workbook::WorkbookError);
  EXPECT_THROW(ReadSurveyWorkbookPoints(survey.book, 2), workbook::WorkbookError);
}

}  // namespace
}  // namespace zv::zavediz

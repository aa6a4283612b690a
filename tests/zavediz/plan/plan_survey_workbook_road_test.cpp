// 读取测量数据 from the survey workbook (33622): the fixture of
// tests/data/survey open in the running spreadsheet program, the section
// picked from the list, the header confirmed or cancelled, the points read.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <cmath>
#include <map>
#include <memory>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "tests/zavediz/plan/plan_project.h"
#include "zavediz/dialogs/title_block_file.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

using test::Dump;

const char* const kPickCaption = "选择绘制的剖面";

grid::CGridListCtrl& ListOf(QDialog& d) { return *d.findChild<grid::CGridListCtrl*>("control1007"); }

class SurveyWorkbookRoadTest : public test::PlanControllerTest {
 public:
  void SetUp() override {
    workbook::RunningProgram()->CloseAll();
    QFile::remove(QString::fromStdString(TitleBlockFilePath()));
    PlanControllerTest::SetUp();
  }
  void TearDown() override {
    PlanControllerTest::TearDown();
    workbook::RunningProgram()->CloseAll();
    QFile::remove(QString::fromStdString(TitleBlockFilePath()));
  }

  // A copy of a fixture, opened in the running program.
  std::string OpenCopy(const std::string& name) {
    const std::string copy = zv::test::TempRoot() + "/" + name;
    QFile::remove(QString::fromStdString(copy));
    QFile::copy(QString::fromStdString(zv::test::DataPath("survey/" + name)), QString::fromStdString(copy));
    workbook::RunningProgram()->Open(copy);
    return copy;
  }
  // The pick list: its rows recorded, then `row` selected (none when < 0) and
  // OK, or cancel.
  void Pick(int row, bool ok = true, std::vector<QStringList>* rows = nullptr) {
    script_->AnswerDialog([=](QDialog& d) {
      EXPECT_EQ(d.windowTitle(), QString::fromUtf8(kPickCaption));
      if (rows)
        for (int r = 0; r < ListOf(d).GetItemCount(); ++r) rows->push_back(ListOf(d).GetRowCells(r));
      if (!ok) return static_cast<int>(QDialog::Rejected);
      if (row >= 0) ListOf(d).SelectRow(row);
      d.accept();
      return -1;
    });
  }
  void AnswerHeader(std::map<QString, QString>* fields, bool ok = true) { test::AnswerHeader(*script_, fields, ok); }
  // A header of an earlier line at 1:10,000 plan and 1:2,000 section, with
  // that line's geometry.
  void EarlierHeader() {
    data_.headerSet = true;
    data_.planScale = 10000;
    data_.sectionScale = 2000;
    data_.groundStart = D_DOT{0, 0};
    data_.groundEnd = D_DOT{0, 3000};
    StoreZavedizGeometry(data_);
  }
};

TEST_F(SurveyWorkbookRoadTest, APickedSectionTakesItsRowAsHeaderAndItsPointsByDistance) {
  OpenCopy("survey_cases.xlsx");
  data_.terrain.AddSorted(0, 1, 1, "old");
  std::vector<QStringList> rows;
  Pick(0, true, &rows);
  std::map<QString, QString> fields = {
      {"unit", ""},        {"title", ""},       {"c1r1Content", ""}, {"c1r6Content", ""},     {"c2r1Content", ""},
      {"c2r2Content", ""}, {"c2r3Content", ""}, {"c2r5Content", ""}, {"topographicScale", ""}, {"sectionScale", ""}};
  AnswerHeader(&fields);
  controller_->OnReadSurveyFromWorkbook();

  EXPECT_TRUE(script_->Messages().empty()) << script_->Messages().front().toStdString();
  EXPECT_EQ(script_->PendingAnswers(), 0);
  EXPECT_EQ(rows, (std::vector<QStringList>{{"1", "5线", "2000"}, {"2", "5线 ", "1000"}, {"3", "7线", "0"}}));
  const std::map<QString, QString> shown = {
      {"unit", "某某地质队"}, {"title", "5线实测剖面图"}, {"c1r1Content", "张三"}, {"c1r6Content", "孙八"},
      {"c2r1Content", "实测"}, {"c2r2Content", "2000"},    {"c2r3Content", "2026-12"}, {"c2r5Content", "1"},
      {"topographicScale", "1000"}, {"sectionScale", "2000"}};
  EXPECT_EQ(fields, shown);

  EXPECT_TRUE(data_.headerSet);
  EXPECT_EQ(data_.planScale, 1000);
  EXPECT_EQ(data_.sectionScale, 2000);
  EXPECT_EQ(data_.title, "5线实测剖面图");
  EXPECT_TRUE(data_.lineStored);
  EXPECT_EQ(data_.lineName, "0线");
  EXPECT_DOUBLE_EQ(data_.length, 1000.0);
  EXPECT_DOUBLE_EQ(data_.direction, std::atan2(600.0, 800.0));
  EXPECT_DOUBLE_EQ(data_.sectionEnd.x, 500.0);
  // The sheet lists P1 (150 m along, 300 m high: (75, 150) at 1:2000), P2
  // (0 m along, "1,200" m high) and P3; the profile runs from the near end.
  EXPECT_EQ(Dump(data_.terrain), "(0.0000,600.0000)(75.0000,150.0000)(150.0000,155.0000)");
  EXPECT_EQ(Names(), "P2 P1 P3 ");
  EXPECT_EQ(controller_->Plan().vertices.size(), 2u);
}

TEST_F(SurveyWorkbookRoadTest, NoPickStopsWithTheProfileEmptiedAndAnotherKeyReadsItsOwnRows) {
  OpenCopy("survey_cases.xlsx");
  struct Case {
    const char* name;
    int row;
    bool ok;
    const char* profile;
  };
  const Case cases[] = {
      {"cancel", 0, false, ""},
      {"OK with nothing selected", -1, true, ""},
      {"the key with a trailing blank", 1, true, "(0.0000,100.0000)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data_.terrain.AddSorted(0, 1, 1, "old");
    Pick(c.row, c.ok);
    if (c.row > 0) AnswerHeader(nullptr);
    controller_->OnReadSurveyFromWorkbook();
    EXPECT_EQ(script_->PendingAnswers(), 0);
    EXPECT_TRUE(script_->Messages().empty());
    EXPECT_EQ(Dump(data_.terrain), c.profile);
  }
}

TEST_F(SurveyWorkbookRoadTest, ACancelledHeaderStoresTheNewLineAtTheSetScalesOrRefusesThePoints) {
  OpenCopy("survey_cases.xlsx");
  EarlierHeader();
  Pick(0);
  AnswerHeader(nullptr, false);
  controller_->OnReadSurveyFromWorkbook();
  EXPECT_TRUE(script_->Messages().empty());
  EXPECT_EQ(data_.planScale, 10000) << "the header stays";
  EXPECT_DOUBLE_EQ(data_.length, 1000.0) << "the new line's, not the earlier 3000 m";
  EXPECT_DOUBLE_EQ(data_.direction, std::atan2(600.0, 800.0));
  EXPECT_DOUBLE_EQ(data_.sectionEnd.x, 500.0);
  EXPECT_EQ(controller_->Plan().end.x, 180.0) << "plan mm at 1:10,000";
  EXPECT_EQ(Dump(data_.terrain), "(0.0000,600.0000)(75.0000,150.0000)(150.0000,155.0000)");

  // Without a header the scale is none: no division by it.
  ResetZavedizData(data_, true);
  data_.sectionScale = 0;
  Pick(0);
  AnswerHeader(nullptr, false);
  controller_->OnReadSurveyFromWorkbook();
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_EQ(script_->Messages()[0], "比例尺数据错误！");
  EXPECT_FALSE(data_.lineStored);
  EXPECT_TRUE(data_.terrain.IsEmpty());
}

TEST_F(SurveyWorkbookRoadTest, TheTitleBlockFilesPlanScaleWinsOverTheOfferedOne) {
  OpenCopy("survey_cases.xlsx");
  TitleBlockValues saved;
  saved.topographicScale = 25000;
  ASSERT_TRUE(SaveTitleBlockFile(saved));
  Pick(0);
  std::map<QString, QString> fields = {{"topographicScale", ""}, {"c2r2Content", ""}};
  AnswerHeader(&fields);
  controller_->OnReadSurveyFromWorkbook();
  EXPECT_EQ(fields["topographicScale"], "25000");
  EXPECT_EQ(fields["c2r2Content"], "2000") << "the row's texts still lie over the file";
  EXPECT_EQ(data_.planScale, 25000);
}

TEST_F(SurveyWorkbookRoadTest, AMissingWorkbookOrThirdSheetEndsTheCommandWithItsMessage) {
  // No workbook open and the file pick cancelled.
  data_.terrain.AddSorted(0, 1, 1, "old");
  controller_->OnReadSurveyFromWorkbook();
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_EQ(script_->Messages()[0], "没有发现Excel!");
  EXPECT_EQ(script_->asked().front().kind, prompt::ScriptedPrompts::Kind::Files);
  EXPECT_TRUE(data_.terrain.IsEmpty());

  OpenCopy("survey_two_sheets.xlsx");
  controller_->OnReadSurveyFromWorkbook();
  ASSERT_EQ(script_->Messages().size(), 2u);
  EXPECT_TRUE(script_->Messages()[1].contains("第 3 个工作表")) << script_->Messages()[1].toStdString();
  EXPECT_EQ(script_->PendingAnswers(), 0);
  EXPECT_FALSE(data_.lineStored);
}

TEST_F(SurveyWorkbookRoadTest, EachRunSeesTheWorkbookAsItIsOnDisk) {
  const std::string path = OpenCopy("survey_cases.xlsx");
  Pick(0);
  AnswerHeader(nullptr);
  controller_->OnReadSurveyFromWorkbook();
  ASSERT_EQ(Dump(data_.terrain), "(0.0000,600.0000)(75.0000,150.0000)(150.0000,155.0000)");

  // Another program saves the workbook with P1 at 400 m.
  workbook::Application other = workbook::StartPrivateExcel();
  const workbook::Workbook book = other.Workbooks().Open(path);
  book.Sheets().Item(3).Cells().SetItem(2, 3, workbook::CellValue::Number(400));
  book.SaveAs(path);
  other.Quit();

  Pick(0);
  AnswerHeader(nullptr);
  controller_->OnReadSurveyFromWorkbook();
  EXPECT_EQ(Dump(data_.terrain), "(0.0000,600.0000)(75.0000,200.0000)(150.0000,155.0000)");
}

}  // namespace
}  // namespace zv::zavediz

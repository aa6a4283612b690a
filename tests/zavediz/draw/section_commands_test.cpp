// 图切剖面 in the running program: after 拉线读取 across the sample hills the
// cut opens a new section window that draws the sheet once the command has
// returned; a plan closed before then leaves it empty.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/doc_template.h"
#include "framework/workbook/session.h"
#include "tests/zavediz/plan/plan_view_fixture.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/section_request_handler.h"
#include "zavediz/plan/section_geometry.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

class SectionCommandsTest : public test::PlanViewTest {
 protected:
  // Opens the sample plan and traces a section line across it.
  CZavedizDoc* TracedPlan() {
    CZavedizDoc* plan = OpenPlan();
    AnswerHeaderAndField();
    frame().RunCommand(32783);
    AnswerField();
    Mouse(QEvent::MouseButtonPress, {20, 150}, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {380, 150}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {380, 150}, Qt::NoButton);
    return plan;
  }
  // The save folder asked by a section view once it has drawn.
  void AnswerSaveFolder(const QString& name) {
    const QString folder = QString::fromStdString(zv::test::TempRoot()) + "/" + name;
    script_->AnswerDialog([folder](QDialog& d) {
      d.findChild<QLineEdit*>("control1117")->setText(folder);
      d.accept();
      return -1;
    });
  }
  static int Lines(const CGisEditView& view) {
    int32_t live = 0, bound = 0;
    BasGetLineCount(view.GetCurrentLinArea(), &live, &bound);
    return live;
  }
  static int Points(const CGisEditView& view) {
    int32_t live = 0, bound = 0;
    BasGetPointCount(view.GetCurrentPntArea(), &live, &bound);
    return live;
  }
  // Cuts the traced plan and lets the new section view draw it, unsaved.
  CGisEditView* DrawnSection() {
    frame().RunCommand(32787);
    CGisEditView* sectionView = NewestSectionView();
    script_->AnswerDialog([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    Settle();
    return sectionView;
  }
};

TEST_F(SectionCommandsTest, CutOpensASectionWindowThatDrawsAfterTheCommand) {
  const auto plan = cmd::Menus().RowsOf(cmd::kMenuPlan);
  EXPECT_TRUE(std::any_of(plan.begin(), plan.end(), [](const cmd::MenuRow& r) { return r.id == 32787; }));
  const auto section = cmd::Menus().RowsOf(cmd::kMenuSection);
  EXPECT_TRUE(std::any_of(section.begin(), section.end(), [](const cmd::MenuRow& r) { return r.id == 32799; }));

  CZavedizDoc* doc = TracedPlan();
  ASSERT_TRUE(doc->Section().lineStored);
  const size_t before = docs().size();
  frame().RunCommand(32787);
  ASSERT_EQ(docs().size(), before + 1);
  CGisEditView* sectionView = NewestSectionView();
  ASSERT_NE(sectionView, nullptr);
  EXPECT_EQ(Lines(*sectionView), 0);

  const QString folder = QString::fromStdString(zv::test::TempRoot()) + "/sections";
  script_->AnswerDialog([folder](QDialog& d) {
    d.findChild<QLineEdit*>("control1117")->setText(folder);
    d.accept();
    return -1;
  });
  Settle();
  EXPECT_GT(Lines(*sectionView), 20);
  ASSERT_EQ(script_->Messages().size(), 1u) << script_->Messages().back().toStdString();
  EXPECT_EQ(script_->Messages()[0], QString::fromUtf8("存储地形数据成功！！！"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/未定名.mpj"));
  EXPECT_EQ(script_->PendingAnswers(), 0);

  // 保存剖面 in the section window writes again without asking.
  QFile::remove(folder + "/未定名.wl");
  frame().RunCommand(32799);
  EXPECT_TRUE(QFileInfo::exists(folder + "/未定名.wl"));
}

TEST_F(SectionCommandsTest, APlanClosedBeforeTheRequestArrivesDrawsNothing) {
  CZavedizDoc* doc = TracedPlan();
  frame().RunCommand(32787);
  CGisEditView* sectionView = NewestSectionView();
  ASSERT_NE(sectionView, nullptr);
  doc->OnCloseDocument();
  Settle();
  EXPECT_EQ(Lines(*sectionView), 0);
  EXPECT_EQ(script_->PendingAnswers(), 0);
}

TEST_F(SectionCommandsTest, CutWithoutALineSaysSo) {
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_NE(plan, nullptr);
  const size_t before = docs().size();
  frame().RunCommand(32787);
  EXPECT_EQ(docs().size(), before);
  ASSERT_FALSE(script_->Messages().empty());
  EXPECT_EQ(script_->Messages().back(), QString::fromUtf8("缺少剖面线数据，请先在地形图上画勘探线。"));
}

TEST_F(SectionCommandsTest, DrawSurveyOpensASectionPerRunOnTheSurveysBottomLine) {
  const auto menu = cmd::Menus().RowsOf(cmd::kMenuPlan);
  for (const int id : {33622, 32971}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(std::any_of(menu.begin(), menu.end(), [id](const cmd::MenuRow& r) { return r.id == id; }));
  }
  CZavedizDoc* doc = OpenPlan();
  ASSERT_NE(doc, nullptr);
  const size_t before = docs().size();
  frame().RunCommand(32971);
  EXPECT_EQ(docs().size(), before);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_EQ(script_->Messages()[0], QString::fromUtf8(kNoSurveyProfileMessage));

  // A surveyed line at 1:2000 from 300 m to 480 m, no lowest elevation set.
  SectionData& data = doc->Section();
  data.headerSet = true;
  data.planScale = 10000;
  data.sectionScale = 2000;
  data.lowestElevation = -1;
  data.groundStart = D_DOT{1000, 2000};
  data.groundEnd = D_DOT{1800, 2600};
  StoreZavedizGeometry(data);
  for (int i = 0; i <= 9; ++i) data.terrain.InsertAt(i + 1, 0, 50.0 * i, (300.0 + 20 * i) * 0.5, "P", 0.0);

  frame().RunCommand(32971);
  ASSERT_EQ(docs().size(), before + 1);
  CGisEditView* first = NewestSectionView();
  EXPECT_EQ(data.sectionStart.y, -35.0) << "150 mm lowest, less 120, less half the 30 mm strip";
  EXPECT_EQ(data.sectionEnd.y, -35.0);
  EXPECT_EQ(data.bottomLeft.y, -35.0);
  EXPECT_EQ(data.bottomRight.x, 500.0);
  ASSERT_TRUE(data.xTick.set);
  EXPECT_EQ(data.xTick.baseY, -35.0);
  EXPECT_EQ(data.yTick.baseY, -35.0);

  // A second run opens another section; the ticks stay where the first put them.
  const double placed = data.xTick.position;
  data.xTick.position = placed + 1.0;
  doc->ActivateFirstFrame();
  frame().RunCommand(32971);
  ASSERT_EQ(docs().size(), before + 2);
  CGisEditView* second = NewestSectionView();
  EXPECT_NE(first, second);
  EXPECT_EQ(data.xTick.position, placed + 1.0);

  AnswerSaveFolder("survey1");
  AnswerSaveFolder("survey2");
  Settle();
  EXPECT_EQ(script_->PendingAnswers(), 0);
  EXPECT_GT(Lines(*first), 20);
  EXPECT_GT(Lines(*second), 20);
}

TEST_F(SectionCommandsTest, TheSampleSurveyWorkbookGivesItsSectionThroughTheMenus) {
  CZavedizDoc* doc = OpenPlan();
  ASSERT_NE(doc, nullptr);
  workbook::RunningProgram()->CloseAll();
  workbook::RunningProgram()->Open(ZV_SOURCE_ROOT "/data/samples/SURVEY.xlsx");
  script_->AnswerDialog([](QDialog& d) {
    d.findChild<grid::CGridListCtrl*>("control1007")->SelectRow(0);  // 1线
    d.accept();
    return -1;
  });
  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("topographicScale")->setText("10000");
    d.accept();
    return -1;
  });
  frame().RunCommand(33622);
  const SectionData& data = doc->Section();
  EXPECT_EQ(data.planScale, 10000);
  EXPECT_EQ(data.sectionScale, 5000);
  EXPECT_DOUBLE_EQ(data.length, 3600.0) << "ground metres, the map's own";
  EXPECT_EQ(data.terrain.GetCount(), 73) << "a station every 50 m";

  const size_t before = docs().size();
  frame().RunCommand(32971);
  ASSERT_EQ(docs().size(), before + 1);
  CGisEditView* section = NewestSectionView();
  AnswerSaveFolder("sample_survey");
  Settle();
  EXPECT_TRUE(script_->Messages().empty()) << script_->Messages().front().toStdString();
  EXPECT_EQ(script_->PendingAnswers(), 0);
  EXPECT_GT(Lines(*section), 20);
  workbook::RunningProgram()->CloseAll();
}

// 读取平面数据 brings the contours crossing the line into the strip, as one
// undo step each run; once the plan is closed there is nothing to read.
TEST_F(SectionCommandsTest, PlanDataComesIntoTheStripOnceARunAndLeavesWithItsUndo) {
  CZavedizDoc* plan = TracedPlan();
  CGisEditView* section = DrawnSection();
  ASSERT_NE(section, nullptr);
  const int sheetLines = Lines(*section), sheetPoints = Points(*section);
  ASSERT_GT(sheetLines, 20);
  const std::size_t told = script_->Messages().size();

  frame().RunCommand(33193);
  const int added = Lines(*section) - sheetLines;
  EXPECT_GT(added, 3) << "the contours crossing the line";
  frame().RunCommand(33193);
  EXPECT_EQ(Lines(*section), sheetLines + 2 * added);
  EXPECT_EQ(script_->Messages().size(), told);
  frame().RunCommand(204);  // 撤消
  EXPECT_EQ(Lines(*section), sheetLines + added);
  frame().RunCommand(204);
  EXPECT_EQ(Lines(*section), sheetLines);
  EXPECT_EQ(Points(*section), sheetPoints);

  plan->OnCloseDocument();
  Settle();
  frame().RunCommand(33193);
  EXPECT_EQ(Lines(*section), sheetLines);
  ASSERT_FALSE(script_->Messages().empty());
  EXPECT_EQ(script_->Messages().back(), QString::fromUtf8("缺少剖面图信息!"));
}

}  // namespace
}  // namespace zv::zavediz

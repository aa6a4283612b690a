#include "platform/projectview/prj_list_view.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

#include "framework/prompts/scripted_prompts.h"
#include "platform/projectview/project_output.h"
#include "tests/support/test_env.h"

namespace zv::prjview {
namespace {

std::string SamplePath(const std::string& name) { return test::DataPath("../../data/samples/" + name); }

struct Opened {
  MapProject* project;
  int index;
  std::string path;
  bool operator==(const Opened&) const = default;
};

class RecordingListView : public CPrjListView {
 public:
  std::vector<Opened> opened;
  using CPrjListView::SetSelectedState;

 protected:
  void OpenEntry(MapProject* project, int index, const std::string& path) override {
    opened.push_back({project, index, path});
  }
};

class ProjectList : public ::testing::Test {
 protected:
  void SetUp() override {
    project_ = PrjOpen(SamplePath("HILLS.MPJ"));
    ASSERT_NE(project_, nullptr);
    view_.resize(500, 300);
    view_.SetProject(project_);
    view_.show();
  }
  void TearDown() override { PrjClose(project_); }

  QStringList Column(int column) {
    QStringList texts;
    for (int row = 0; row < view_.model()->rowCount(); ++row) {
      texts << view_.model()->index(row, column).data().toString();
    }
    return texts;
  }
  QPoint RowCentre(int row) { return view_.visualRect(view_.model()->index(row, 0)).center(); }

  MapProject* project_ = nullptr;
  RecordingListView view_;
};

TEST_F(ProjectList, ShowsOneRowPerItemAndSortsByAClickedHeading) {
  ASSERT_EQ(view_.model()->rowCount(), PrjGetItemCount(project_));
  EXPECT_EQ(Column(0), (QStringList{"AREAS.WP", "CONTOUR.WL", "POINTS.WT"}));
  EXPECT_EQ(Column(1), (QStringList{"区", "线", "点"}));

  QHeaderView* header = view_.horizontalHeader();
  auto clickHeading = [&](int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  };
  clickHeading(0);
  EXPECT_EQ(Column(0), (QStringList{"AREAS.WP", "CONTOUR.WL", "POINTS.WT"}));
  clickHeading(0);
  EXPECT_EQ(Column(0), (QStringList{"POINTS.WT", "CONTOUR.WL", "AREAS.WP"}));
  EXPECT_EQ(view_.ItemOfRow(0), 2);
  view_.Refresh();
  EXPECT_EQ(view_.ItemOfRow(0), 2) << "a refresh keeps the order";
  clickHeading(3);
  EXPECT_EQ(Column(0), (QStringList{"AREAS.WP", "CONTOUR.WL", "POINTS.WT"})) << "another column: ascending";

  view_.SetProject(nullptr);
  EXPECT_EQ(view_.model()->rowCount(), 0);
}

TEST_F(ProjectList, ADoubleClickOrReturnOpensTheRowsItem) {
  QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, RowCentre(1));
  view_.setCurrentIndex(view_.model()->index(2, 0));
  QTest::keyClick(&view_, Qt::Key_Return);
  EXPECT_EQ(view_.opened, (std::vector<Opened>{{project_, 1, PrjGetItemPath(project_, 1)},
                                                {project_, 2, PrjGetItemPath(project_, 2)}}));
}

TEST_F(ProjectList, TheMenusStatesApplyToTheSelectedItems) {
  view_.SetRowSelected(0, true);
  view_.SetRowSelected(2, true);
  view_.SetSelectedState(kItemHidden);
  EXPECT_EQ(PrjGetItemState(project_, 0), kItemHidden);
  EXPECT_NE(PrjGetItemState(project_, 1), kItemHidden);
  EXPECT_EQ(Column(2)[2], "隐藏");
}

TEST_F(ProjectList, OutputPrintsTheWholeProjectAfterPageSetUp) {
  prompt::ScopedScriptedPrompts script;
  const QString pdf = QString::fromStdString(test::TempRoot()) + "/project.pdf";
  script->AnswerDialog([](QDialog&) { return QDialog::Accepted; });  // page set-up
  script->AnswerDialog([&](QDialog& d) {
    QPrinter* printer = static_cast<QPrintDialog&>(d).printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return QDialog::Accepted;
  });
  view_.OnProjoutput();
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  EXPECT_TRUE(script->Messages().empty());

  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  view_.OnProjoutput();
  EXPECT_EQ(script->asked().size(), 3u) << "a cancelled set-up prints nothing";
}

TEST(ProjectOutput, TheExtentFillsThePageCentred) {
  const PageWindow wide = FitExtent(QRectF(0, 0, 100, 50), QSize(200, 200));
  EXPECT_DOUBLE_EQ(wide.factor, 2.0);
  EXPECT_DOUBLE_EQ(wide.originX, 0.0);
  EXPECT_DOUBLE_EQ(wide.originY, -25.0);
  const PageWindow tall = FitExtent(QRectF(10, 10, 10, 40), QSize(100, 200));
  EXPECT_DOUBLE_EQ(tall.factor, 5.0);
  EXPECT_DOUBLE_EQ(tall.originX, 5.0);
  EXPECT_DOUBLE_EQ(tall.originY, 10.0);
}

}  // namespace
}  // namespace zv::prjview

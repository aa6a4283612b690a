#include "tests/app/app_fixture.h"

#include <QTest>

#include "framework/commands/command_menus.h"
#include "views/project_page/prj_dlg.h"
#include "views/project_page/sec_prj_list_view.h"

namespace zv::test {
namespace {

using projectpage::CPrjDlg;
using projectpage::CSecPrjListView;

class ProjectPageTest : public SampleAppTest {
 protected:
  CSecPrjListView* View() {
    auto* page = frame().findChild<CPrjDlg*>();
    return page ? page->view() : nullptr;
  }
  int Rows() { return View()->model()->rowCount(); }
  std::vector<int> States(MapProject* project) {
    std::vector<int> states;
    for (int i = 0; i < PrjGetItemCount(project); ++i) states.push_back(PrjGetItemState(project, i));
    return states;
  }
  void Post(unsigned message, std::intptr_t wParam, std::intptr_t lParam, msg::PaneEntry to) {
    ASSERT_TRUE(msg::PaneWindows().Post(to, message, wParam, lParam));
    Settle();
  }
};

TEST_F(ProjectPageTest, ThePageListsTheActiveProjectAndEmptiesWhenItCloses) {
  ASSERT_NE(View(), nullptr) << "the side panel hosts the project page";
  EXPECT_EQ(Rows(), 0);
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  EXPECT_EQ(View()->project(), doc->GetProject());
  EXPECT_EQ(Rows(), 3);

  Post(msg::kSetProject, 0, 1, msg::PaneEntry::kProjectPage);
  EXPECT_EQ(Rows(), 0);
  Post(msg::kSetProject, 0, 0, msg::PaneEntry::kProjectPage);
  EXPECT_EQ(Rows(), 3);

  // Rows follow items removed behind the list's back, and a closing project
  // empties the list before its areas go.
  PrjRemoveItem(doc->GetProject(), 0);
  EXPECT_EQ(Rows(), 2);
  doc->OnCloseDocument();
  Settle();
  EXPECT_EQ(View()->project(), nullptr);
  EXPECT_EQ(Rows(), 0);
}

TEST_F(ProjectPageTest, FlagsSelectRowsAndKeysSetStates) {
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  MapProject* project = doc->GetProject();
  const uint8_t flags[projectpage::kSelectionFlagRows] = {1, 0, 1};
  Post(msg::kListRequest, reinterpret_cast<std::intptr_t>(flags), 1, msg::PaneEntry::kProjectList);
  EXPECT_EQ(View()->SelectedRows(), (std::vector<int>{0, 2}));

  const int C = kItemCurrent, H = kItemHidden;
  QTest::keyClick(View(), Qt::Key_C);
  EXPECT_EQ(States(project), (std::vector<int>{H, C, H}));
  QTest::keyClick(View(), Qt::Key_E);
  EXPECT_EQ(States(project), (std::vector<int>{C, H, C}));
  QTest::keyClick(View(), Qt::Key_3);  // region files
  EXPECT_EQ(States(project), (std::vector<int>{C, H, H}));
}

TEST_F(ProjectPageTest, ThePopupOffersThePagesCommandsAndAddingTellsFilesAlreadyThere) {
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  QMenu* popup = View()->BuildPopup();
  QStringList shown;
  for (QAction* a : popup->actions())
    if (a->isVisible()) shown << a->text();
  EXPECT_EQ(shown, (QStringList{"添加项目", "删空文件", "自动合并", "相同合并"}));
  delete popup;

  const QString copy = Copy("POINTS.WT", QStringLiteral("POINTS2.WT"));
  script_->AnswerFiles({File("POINTS.WT"), copy});
  EXPECT_EQ(cmd::Execute(cmd::Route{View()}, projectpage::kIdAddEntries), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"已存在：" + File("POINTS.WT")});
  EXPECT_EQ(Rows(), 4);
}

TEST_F(ProjectPageTest, OpeningAnEntryAsksTheStrataPanelToShowItsArea) {
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  MessageRecorder strata;
  strata.RecordFor({msg::PaneEntry::kStrataList});
  const QRect cell = View()->visualRect(View()->model()->index(1, 0));
  QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, cell.center());
  const int item = View()->ItemOfRow(1);
  const auto area = static_cast<std::intptr_t>(PrjGetItemArea(doc->GetProject(), item));
  EXPECT_EQ(strata.Take(), (std::vector<Posted>{{msg::kRefillList, area, 0}}));
}

}  // namespace
}  // namespace zv::test

namespace zv::test {
namespace {

TEST_F(ProjectPageTest, AnEntryWithoutItsFileOpensASectionDocumentForIt) {
  QFile::remove(File("CONTOUR.WL"));
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  MapProject* project = doc->GetProject();
  const int item = PrjFindItem(project, File("CONTOUR.WL").toStdString());
  ASSERT_GE(item, 0);
  ASSERT_EQ(PrjGetItemArea(project, item), 0u);
  PrjSetItemState(project, item, kItemHidden);
  MessageRecorder panes;
  panes.RecordFor({msg::PaneEntry::kWorkspaceFileList, msg::PaneEntry::kSectionToolView});
  panes.Watch({msg::kSectionToolRequest});
  const std::size_t before = docs().size();
  int row = 0;
  while (View()->ItemOfRow(row) != item) ++row;
  const QRect cell = View()->visualRect(View()->model()->index(row, 0));
  QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(PrjGetItemState(project, item), kItemShown);
  EXPECT_EQ(CurrentFilePath(), File("CONTOUR.WL"));
  EXPECT_EQ(docs().size(), before + 1) << "a new section document, without asking for a project";
  // The file list hears of the file first and the section tool view last;
  // the new view's own activation posts come between.
  const std::vector<Posted> posted = panes.Take();
  ASSERT_GE(posted.size(), 2u);
  EXPECT_EQ(posted.front(), (Posted{msg::kRefreshFileList, msg::OpenedFileCode(File("CONTOUR.WL")), 0}));
  EXPECT_EQ(posted.back(), (Posted{msg::kSectionToolRequest, 0, msg::kToolSetCurrentArea}));
}

TEST_F(ProjectPageTest, RemovingEmptyFilesNamesThemAndAutoMergeAddsItsFilesOnce) {
  CZavedizDoc* doc = Open(File("HILLS.MPJ"));
  ASSERT_NE(doc, nullptr);
  Settle();
  const QString empty = folder_ + "空.wt";
  ASSERT_GE(PrjAddItem(doc->GetProject(), empty.toStdString()), 0);
  EXPECT_EQ(Rows(), 4);
  EXPECT_EQ(cmd::Execute(cmd::Route{View()}, projectpage::kIdRemoveEmpty), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages().back(), "删除的空文件有：\n\n空.wt");
  EXPECT_EQ(Rows(), 3);
  for (int run = 0; run < 2; ++run) cmd::Execute(cmd::Route{View()}, projectpage::kIdAutoMerge);
  EXPECT_EQ(Rows(), 6) << "three merged files, added once";
  EXPECT_TRUE(QFile::exists(folder_ + "自动合并.wl"));
}

}  // namespace
}  // namespace zv::test

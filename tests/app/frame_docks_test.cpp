#include "tests/app/app_fixture.h"

#include <QDockWidget>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include "app/app_settings.h"
#include "app/chrome/frame_bars.h"
#include "app/chrome/mdi_tabs.h"
#include "app/chrome/side_strip.h"
#include "common/measure/line_dist_angle_dlg.h"
#include <QLineEdit>
#include <QPushButton>
#include "framework/docview/view.h"
#include "framework/paths/app_folder.h"
#include <QDialog>
#include "platform/project/map_project.h"

namespace zv::test {
namespace {

class FrameDocksTest : public AppTest {
 protected:
  chrome::FrameBars& bars() { return frame().Bars(); }
  bool Shown(const QWidget* w) { return bars().IsShown(w); }
};

TEST_F(FrameDocksTest, DocksStartAsTheSettingsSayAndTheirCommandsToggleThem) {
  for (const char* leftRight : {"0", "1"}) {
    SCOPED_TRACE(leftRight);
    SettingsFile().WriteString("OTHER", "control left/right", leftRight);
    app_ = std::make_unique<CZavedizApp>();
    ASSERT_TRUE(Start());
    QDockWidget* management = bars().ManagementBar();
    EXPECT_EQ(management->windowTitle(), QStringLiteral("管理工具条"));
    EXPECT_EQ(frame().dockWidgetArea(management),
              std::string(leftRight) == "0" ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea);
    EXPECT_TRUE(Shown(management));
    EXPECT_FALSE(Shown(bars().AttributeBar())) << "the attribute bar starts hidden";
    EXPECT_EQ(frame().dockWidgetArea(bars().AttributeBar()), Qt::BottomDockWidgetArea);
    EXPECT_GE(management->minimumWidth(), 33);
    EXPECT_GE(management->minimumHeight(), 32);
    frame().RunCommand(32803);
    EXPECT_FALSE(Shown(management));
    frame().RunCommand(32803);
    EXPECT_TRUE(Shown(management));
    app_.reset();
    Settle();
  }
}

TEST_F(FrameDocksTest, TheAttributeBarNeedsAProjectAndAskedToListTheCurrentFile) {
  MessageRecorder recorder;
  recorder.RecordFor({msg::PaneEntry::kStrataList});
  const auto asked = [&recorder] { return recorder.TakeWithoutRedrawRefills(); };
  ASSERT_TRUE(Start());
  frame().RunCommand(32804);
  frame().ShowAttributeBar(1);
  EXPECT_FALSE(frame().IsAttributeBarVisible()) << "no document";
  EXPECT_TRUE(asked().empty());

  app_->OpenDocumentFile(SampleCopy() + QStringLiteral("HILLS.MPJ"));
  MapProject* project = ActiveDoc()->GetProject();
  for (int i = 0; i < PrjGetItemCount(project); ++i) PrjSetItemState(project, i, 1);
  asked();
  frame().RunCommand(32804);
  EXPECT_TRUE(frame().IsAttributeBarVisible());
  EXPECT_EQ(asked(), (std::vector<Posted>{{msg::kRefillList, 1, 0}})) << "no current file";
  frame().RunCommand(32804);
  EXPECT_FALSE(frame().IsAttributeBarVisible());
  EXPECT_TRUE(asked().empty()) << "hiding posts nothing";

  PrjSetItemState(project, 1, 3);
  frame().RunCommand(32804);
  EXPECT_EQ(asked(), (std::vector<Posted>{{msg::kRefillList, 0, PrjGetItemArea(project, 1)}}));
  frame().ShowAttributeBar(0);
  EXPECT_FALSE(frame().IsAttributeBarVisible());
}

TEST_F(FrameDocksTest, TheTabBarListsOpenWindowsAndItsClicksActivateToggleAndClose) {
  const QString folder = SampleCopy();
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Shown(bars().TabBar())) << "no LabelBar key";
  frame().RunCommand(33535);
  EXPECT_TRUE(Shown(bars().TabBar()));
  EXPECT_EQ(SettingsFile().GetString("OTHER", "LabelBar", "NULL"), "1");

  app_->OpenDocumentFile(folder + QStringLiteral("CONTOUR.WL"));
  app_->OpenDocumentFile(folder + QStringLiteral("POINTS.WT"));
  chrome::MdiTabs* tabs = bars().WindowTabs();
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("CONTOUR.WL"));
  EXPECT_EQ(tabs->currentIndex(), 1);

  tabs->resize(tabs->sizeHint());  // laid out as when shown
  const QPoint first = tabs->tabRect(0).center();
  ASSERT_EQ(tabs->tabAt(first), 0);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, first);
  EXPECT_EQ(frame().MdiArea()->activeSubWindow(), tabs->WindowAt(0));
  EXPECT_EQ(tabs->currentIndex(), 0);
  QTest::mouseClick(tabs, Qt::RightButton, {}, first);
  EXPECT_FALSE(tabs->WindowAt(0)->isMaximized());
  QTest::mouseClick(tabs, Qt::RightButton, {}, first);
  EXPECT_TRUE(tabs->WindowAt(0)->isMaximized());

  QTest::mouseDClick(tabs, Qt::LeftButton, {}, first);
  Settle();
  ASSERT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("POINTS.WT"));
  EXPECT_EQ(docs().size(), 1u);
}

TEST_F(FrameDocksTest, SideStripClicksAndSelectRequestsTellTheApplicationForTheFirstThreePages) {
  ASSERT_TRUE(Start());
  chrome::SideStrip* strip = bars().Strip();
  ASSERT_EQ(strip->count(), 8);
  EXPECT_EQ(strip->tabPosition(), QTabWidget::South);
  EXPECT_EQ(strip->widget(1)->objectName(), QStringLiteral("CPrjDlg")) << "an empty page until it is built";

  std::vector<std::intptr_t> told;
  msg::ApplicationMessageHook hook([&](const msg::PrivateMessageEvent& m) {
    if (m.message() == msg::kActivateDocument) told.push_back(m.lParam());
  });
  for (int page : {0, 2, 3}) strip->ClickTab(page);
  Settle();
  EXPECT_EQ(told, (std::vector<std::intptr_t>{-1, 1})) << "page 3 tells nothing";
  EXPECT_EQ(strip->currentIndex(), 3);

  told.clear();
  msg::PaneWindows().Post(msg::PaneEntry::kTabStrip, msg::kSelectSidePage, 1, 1);
  Settle();
  EXPECT_EQ(strip->currentIndex(), 3) << "ignored while page 3 is current";
  strip->ClickTab(2);
  Settle();
  told.clear();
  msg::PaneWindows().Post(msg::PaneEntry::kTabStrip, msg::kSelectSidePage, 1, 0);
  msg::PaneWindows().Post(msg::PaneEntry::kTabStrip, msg::kSelectSidePage, 0, 2);
  Settle();
  Settle();  // what the strip posted in turn
  EXPECT_EQ(strip->currentIndex(), 2);
  EXPECT_EQ(told, (std::vector<std::intptr_t>{-1})) << "only a set flag tells";
}

TEST_F(FrameDocksTest, FullScreenHidesTheStatusBarAndDocksAndComesBack) {
  ASSERT_TRUE(Start());
  frame().RunCommand(33486);
  frame().RunCommand(32914);
  EXPECT_TRUE(bars().fullScreen());
  EXPECT_TRUE(frame().isFullScreen());
  EXPECT_FALSE(Shown(bars().StatusBar()));
  EXPECT_FALSE(Shown(bars().ManagementBar()));
  EXPECT_TRUE(Shown(bars().Bar(chrome::ToolbarKind::kStandard))) << "toolbars keep their state";
  frame().RunCommand(32914);
  EXPECT_FALSE(bars().fullScreen());
  EXPECT_FALSE(frame().isFullScreen());
  EXPECT_TRUE(Shown(bars().StatusBar()));
  EXPECT_TRUE(Shown(bars().ManagementBar()));
  EXPECT_FALSE(Shown(bars().AttributeBar()));
}

TEST_F(FrameDocksTest, TabSwitchesFullScreenOnlyWhileAMapViewHasTheFocus) {
  ASSERT_TRUE(Start());
  app_->OpenDocumentFile(SampleCopy() + QStringLiteral("CONTOUR.WL"));
  frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  QWidget* view = frame().GetActiveView()->Widget();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_TRUE(bars().fullScreen());
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_FALSE(bars().fullScreen());
  bars().StatusBar()->ScaleButton()->setFocusPolicy(Qt::StrongFocus);
  bars().StatusBar()->ScaleButton()->setFocus();
  QTest::keyClick(bars().StatusBar()->ScaleButton(), Qt::Key_Tab);
  EXPECT_FALSE(bars().fullScreen()) << "outside the views Tab is the focus key";
}

TEST_F(FrameDocksTest, TheToolBoxNeedsAnActiveViewAndTogglesThreeButtonsARow) {
  ASSERT_TRUE(Start());
  frame().RunCommand(32891);
  EXPECT_EQ(bars().ToolBoxE(), nullptr) << "no active view";
  app_->OpenDocumentFile(SampleCopy() + QStringLiteral("CONTOUR.WL"));
  frame().RunCommand(32891);
  QWidget* box = bars().ToolBoxE();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(Shown(box));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("工具箱E"));
  frame().RunCommand(32891);
  EXPECT_FALSE(Shown(box));
}

TEST_F(FrameDocksTest, HelpOpensThePageOfTheDataFolderOrSaysItIsMissing) {
  ASSERT_TRUE(Start());
  frame().RunCommand(33052);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QStringLiteral("没有找到文件“zavediz.html”")});
  const QString page = QString::fromStdString(paths::GetDataFolder()) + QStringLiteral("zavediz.html");
  QDir().mkpath(QString::fromStdString(paths::GetDataFolder()));
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  frame().RunCommand(33052);
  EXPECT_EQ(shell_.opened(), QStringList{page});
}

TEST_F(FrameDocksTest, ACancelledEnvironmentDialogChangesNothing) {
  ASSERT_TRUE(Start());
  QString title;
  script_->AnswerDialog([&](QDialog& d) {
    title = d.windowTitle();
    return int(QDialog::Rejected);
  });
  EXPECT_EQ(frame().RunCommand(32796), cmd::RunResult::kRan);
  EXPECT_FALSE(title.isEmpty());
  EXPECT_EQ(script_->PendingAnswers(), 0);
}

TEST_F(FrameDocksTest, TheMeasureWindowShowsWhatItIsToldAndItsCloseEndsMeasuring) {
  MessageRecorder recorder;
  recorder.RecordFor({msg::PaneEntry::kSectionEditView, msg::PaneEntry::kProjectEditView});
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame().UpdateMeasureWindow(0, 0, 0, 0, 0, 0, 1), 1000) << "made on first use; 1000 without a scale";
  CLineDistAngleDlg* window = bars().MeasureWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(frame().UpdateMeasureWindow(12.5, 30, 12.5, 30, 45, 45, 0), 1000);
  EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("control1029"))->text(), QStringLiteral("12.5"));
  EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("control1118"))->text(), QStringLiteral("30"));
  EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("control1120"))->text(), QStringLiteral("45"));
  frame().UpdateMeasureWindow(0, 0, 0, 0, 0, 0, -1);
  EXPECT_EQ(window->values().mapDistance, 0);
  EXPECT_EQ(frame().UpdateMeasureWindow(7, 7, 7, 7, 7, 7, 1), 1000);
  EXPECT_EQ(window->values().mapDistance, 0) << "mode 1 only answers";

  window->reject();
  Settle();
  EXPECT_EQ(bars().MeasureWindow(), nullptr);
  EXPECT_EQ(recorder.Take(), (std::vector<Posted>{{msg::kDocumentRequest, 0, 1}, {msg::kPlanRequest, 0, 12}}));
}

}  // namespace
}  // namespace zv::test

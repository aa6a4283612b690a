#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "common/globals/program_globals.h"
#include "framework/commands/command_menus.h"

namespace zv::test {
namespace {

// The bar's top-level texts that are shown.
QStringList TopLevels(QMenuBar* bar) {
  QStringList texts;
  for (QAction* a : bar->actions())
    if (a->isVisible()) texts << a->text();
  return texts;
}

QMenu* Find(QMenuBar* bar, const QString& top) {
  for (QAction* a : bar->actions())
    if (a->text() == top) return a->menu();
  return nullptr;
}

QAction* Item(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  return nullptr;
}

TEST_F(AppTest, TheMenuBarFollowsTheActiveTemplate) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(TopLevels(frame().menuBar()), (QStringList{"&F文件", "&O设置", "帮助"}));
  ASSERT_NE(app_->OpenDocumentFile(QStringLiteral(ZV_SOURCE_ROOT "/data/samples/HILLS.MPJ")), nullptr);
  EXPECT_EQ(frame().commandMenus().shownMenu(), 107);
  const QStringList plan = TopLevels(frame().menuBar());
  EXPECT_EQ(plan.mid(0, 6), (QStringList{"&F文件", "&N点编辑", "&L线编辑", "&R区编辑", "&T其它", "&1辅助工具"}));
  frame().RunCommand(32808);  // 新建文件: a section document
  EXPECT_EQ(frame().commandMenus().shownMenu(), 141);
  EXPECT_EQ(TopLevels(frame().menuBar()).front(), QStringLiteral("&F文件"));
}

TEST_F(AppTest, ItemsShowWhenTheirCommandResolvesWithTheirUpdateRule) {
  ASSERT_TRUE(Start());
  QMenu* options = Find(frame().menuBar(), QStringLiteral("&O设置"));
  ASSERT_NE(options, nullptr);
  frame().commandMenus().Refresh(*options);
  QAction* snap = Item(options, QStringLiteral("打开关闭捕捉  空格"));
  ASSERT_NE(snap, nullptr);
  EXPECT_TRUE(snap->isVisible());
  EXPECT_FALSE(snap->isChecked());
  frame().RunCommand(33068);
  frame().commandMenus().Refresh(*options);
  EXPECT_TRUE(snap->isChecked());
  EXPECT_EQ(SnapEnabled(), 1);
  // The application's own rows show with no document open.
  QMenu* help = Find(frame().menuBar(), QStringLiteral("帮助"));
  ASSERT_NE(help, nullptr);
  frame().commandMenus().Refresh(*help);
  EXPECT_TRUE(Item(help, QStringLiteral("关于 zavediz(&A)..."))->isVisible());
  // The editor's members show with a document's view on the route.
  ASSERT_NE(app_->OpenDocumentFile(QStringLiteral(ZV_SOURCE_ROOT "/data/samples/HILLS.MPJ")), nullptr);
  QMenu* lines = Find(frame().menuBar(), QStringLiteral("&L线编辑"));
  ASSERT_NE(lines, nullptr);
  EXPECT_TRUE(frame().commandMenus().Refresh(*lines));
  EXPECT_TRUE(Item(lines, QStringLiteral("输入线"))->isVisible());
  EXPECT_EQ(frame().RunCommand(336), cmd::RunResult::kRan);
  // The child frame's own command.
  EXPECT_EQ(frame().RunCommand(40021), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("暂时不能使用！"));
}

TEST_F(AppTest, ShortcutKeysRunTheirCommandsButNotKeysTypedIntoATextField) {
  ASSERT_TRUE(Start());
  frame().show();
  QApplication::setActiveWindow(&frame());
  auto* edit = new QLineEdit(&frame());
  frame().statusBar()->addWidget(edit);
  edit->show();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_EQ(SnapEnabled(), 0);
  EXPECT_EQ(edit->text(), QStringLiteral(" "));
  frame().setFocus();
  QTest::keyClick(&frame(), Qt::Key_Space);
  EXPECT_EQ(SnapEnabled(), 1);
  QTest::keyClick(&frame(), Qt::Key_F2);
  EXPECT_EQ(OrthoEnabled(), 1);
}

TEST_F(AppTest, ABoundLaterCommandIsHiddenAndItsKeyOnlyNamesIt) {
  static const cmd::CommandRow rows[] = {cmd::BoundLater(39999, "OnLater")};
  static const cmd::MenuRow items[] = {{cmd::kMenuNoDocument, "&O设置/以后的命令", 39999, "Ctrl+F12"}};
  cmd::Registry().AddRows("CMainFrame", rows);
  cmd::Menus().AddRows(items);
  ASSERT_TRUE(Start());
  QMenu* options = Find(frame().menuBar(), QStringLiteral("&O设置"));
  frame().commandMenus().Refresh(*options);
  EXPECT_FALSE(Item(options, QStringLiteral("以后的命令"))->isVisible());
  frame().show();
  QApplication::setActiveWindow(&frame());
  QTest::keyClick(&frame(), Qt::Key_F12, Qt::ControlModifier);
  EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("“以后的命令”暂不可用"));
}

TEST_F(AppTest, OrthoPostsToBothToolViews) {
  ASSERT_TRUE(Start());
  MessageRecorder views;
  views.RecordFor({msg::PaneEntry::kSectionToolView, msg::PaneEntry::kProjectToolView});
  frame().RunCommand(33120);
  EXPECT_EQ(views.Take(), (std::vector<Posted>{{msg::kSectionToolRequest, 1, 6}, {msg::kProjectToolRequest, 1, 6}}));
  EXPECT_EQ(OrthoEnabled(), 1);
}

}  // namespace
}  // namespace zv::test

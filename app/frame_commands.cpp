#include "app/frame_commands.h"

#include <QDockWidget>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QProcess>
#include <QStandardPaths>

#include "app/chrome/file_associations.h"
#include "app/chrome/frame_bars.h"
#include "app/main_frame.h"
#include "framework/commands/menu_rows.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "platform/display/system_library.h"
#include "platform/environment/environment_dialog.h"

namespace zv {
namespace {

using chrome::ToolbarKind;

chrome::FrameBars& BarsOf(cmd::CommandTarget& target) { return static_cast<CMainFrame&>(target).Bars(); }

template <ToolbarKind kKind>
void OnToggleBar(cmd::CommandTarget& t) {
  BarsOf(t).ToggleKeyedBar(kKind);
}
template <ToolbarKind kKind>
cmd::CommandUpdate OnUpdateToggleBar(cmd::CommandTarget& t) {
  chrome::FrameBars& bars = BarsOf(t);
  return {true, bars.IsShown(bars.Bar(kKind)), {}};
}

void OnSetScale(cmd::CommandTarget& t) { BarsOf(t).AskScale(); }

void OnToggleTabBar(cmd::CommandTarget& t) { BarsOf(t).ToggleTabBar(); }
cmd::CommandUpdate OnUpdateTabBar(cmd::CommandTarget& t) { return {true, BarsOf(t).IsShown(BarsOf(t).TabBar()), {}}; }

void OnToggleRightBar(cmd::CommandTarget& t) { BarsOf(t).ToggleManagementBar(); }
cmd::CommandUpdate OnUpdateRightBar(cmd::CommandTarget& t) {
  return {true, BarsOf(t).IsShown(BarsOf(t).ManagementBar()), {}};
}

void OnToggleBottomBar(cmd::CommandTarget& t) { BarsOf(t).ToggleAttributeBar(); }
cmd::CommandUpdate OnUpdateBottomBar(cmd::CommandTarget& t) {
  return {true, BarsOf(t).IsShown(BarsOf(t).AttributeBar()), {}};
}

void OnToolBoxE(cmd::CommandTarget& t) { BarsOf(t).ToggleToolBoxE(); }
cmd::CommandUpdate OnUpdateToolBoxE(cmd::CommandTarget& t) { return {true, BarsOf(t).IsShown(BarsOf(t).ToolBoxE()), {}}; }

void OnFullScreen(cmd::CommandTarget& t) { BarsOf(t).ToggleFullScreen(); }
cmd::CommandUpdate OnUpdateFullScreen(cmd::CommandTarget& t) { return {true, BarsOf(t).fullScreen(), {}}; }

// 修改目录环境: confirmed folders are loaded at once and the frame repaints.
void OnDirectoryEnvironment(cmd::CommandTarget& t) {
  auto& frame = static_cast<CMainFrame&>(t);
  if (BasEnvironmentDialog(&frame) == 0) return;
  display::ReloadFromEnvironment();
  frame.update();
  frame.MdiArea()->viewport()->update();
}

// 帮助: the help page of the data folder, in the desktop's browser.
void OnHelp(cmd::CommandTarget&) {
  const QString page = QString::fromStdString(paths::GetDataFolder()) + QStringLiteral("zavediz.html");
  if (!QFileInfo::exists(page)) {
    prompt::Message(QStringLiteral("没有找到文件“zavediz.html”"));
    return;
  }
  shell::Open(page);
}

// The desktop reads its databases again, where their tools are installed.
void RefreshDesktopDatabases(const chrome::XdgFolders& folders) {
  const std::pair<const char*, std::string> tools[] = {{"update-mime-database", folders.dataHome + "/mime"},
                                                       {"update-desktop-database", folders.dataHome + "/applications"}};
  for (const auto& [tool, folder] : tools) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!program.isEmpty()) QProcess::execute(program, {QString::fromStdString(folder)});
  }
}

// 文件自动关联 / 删除文件关联: nothing is reported.
void OnRegisterFileTypes(cmd::CommandTarget&) {
  const chrome::XdgFolders folders = chrome::CurrentXdgFolders();
  chrome::RegisterFileTypes(folders, QCoreApplication::applicationFilePath().toStdString());
  RefreshDesktopDatabases(folders);
}
void OnUnregisterFileTypes(cmd::CommandTarget&) {
  const chrome::XdgFolders folders = chrome::CurrentXdgFolders();
  chrome::UnregisterFileTypes(folders);
  RefreshDesktopDatabases(folders);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(33404, OnRegisterFileTypes, "RegisterFileTypes"),
    cmd::Handler(33405, OnUnregisterFileTypes, "UnregisterFileTypes"),
    cmd::Handler(32796, OnDirectoryEnvironment, "OnDirectoryEnvironment"),
    cmd::Handler(33052, OnHelp, "OnHelp"),
    cmd::Handler(33486, OnToggleBar<ToolbarKind::kStandard>, "OnShowEditBar", OnUpdateToggleBar<ToolbarKind::kStandard>),
    cmd::Handler(33487, OnToggleBar<ToolbarKind::kSide>, "OnShowLeftBar", OnUpdateToggleBar<ToolbarKind::kSide>),
    cmd::Handler(33488, OnToggleBar<ToolbarKind::kBottom>, "OnShowBottomBar", OnUpdateToggleBar<ToolbarKind::kBottom>),
    cmd::Handler(33535, OnToggleTabBar, "OnShowLabelBar", OnUpdateTabBar),
    cmd::Handler(33149, OnSetScale, "OnSetScale"),
    cmd::Handler(32803, OnToggleRightBar, "OnToggleRightBar", OnUpdateRightBar),
    cmd::Handler(32804, OnToggleBottomBar, "OnToggleBottomBar", OnUpdateBottomBar),
    cmd::Handler(32891, OnToolBoxE, "OnToolBoxE", OnUpdateToolBoxE),
    cmd::Handler(32914, OnFullScreen, "OnFullScreen", OnUpdateFullScreen),
};

}  // namespace

void RegisterFrameCommands() {
  cmd::Registry().AddRows("CMainFrame", kRows);
  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuNoDocument, cmd::kMenuPlan, cmd::kMenuSection}) {
    const cmd::MenuRow common[] = {
        {menu, "&W显示/显示编辑工具条", 33486, "Alt+,"},
        {menu, "&W显示/显示右边工具条", 33487, "Alt+."},
        {menu, "&W显示/显示底部工具条", 33488, "Alt+/"},
        {menu, "&W显示/显示标签工具条", 33535, "Alt+;"},
        {menu, "&W显示", 0},
        {menu, "&W显示/打开右边控制条", 32803},
        {menu, "&W显示/打开下面控制条", 32804},
        {menu, "&W显示/打开扩展工具箱 E", 32891},
        {menu, "&W显示/满屏显示", 32914},
        {menu, "&O设置/设置比例尺", 33149},
        {menu, "&O设置/修改目录环境&E", 32796},
        {menu, "&O设置/文件自动关联", 33404},
        {menu, "&O设置/删除文件关联", 33405},
        {menu, "帮助/帮助", 33052},
    };
    rows.insert(rows.end(), std::begin(common), std::end(common));
  }
  cmd::Menus().AddRows(rows);
}

}  // namespace zv

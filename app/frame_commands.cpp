#include "app/frame_commands.h"

#include <QDockWidget>

#include "app/chrome/frame_bars.h"
#include "app/main_frame.h"
#include "framework/commands/menu_rows.h"

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

constexpr cmd::CommandRow kRows[] = {
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
    };
    rows.insert(rows.end(), std::begin(common), std::end(common));
  }
  cmd::Menus().AddRows(rows);
}

}  // namespace zv

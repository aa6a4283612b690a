// The tool views' own commands (see tool_view_commands.h).
#include "views/tool_view_commands.h"

#include "annotation/calculator_dlg.h"
#include "app/app_settings.h"
#include "framework/docview/view.h"
#include "framework/prompts/prompts.h"
#include "platform/editors/param_editor.h"
#include "views/sec_prj_tool_view.h"
#include "views/sec_tool_view.h"
#include "views/view_commands.h"

namespace zv {
namespace {

// ---- Snap switches 33430 .. 33435, in the switches' order.
constexpr int kFirstSnapCommand = 33430;

template <int which>
void FlipSnap(cmd::CommandTarget& target) {
  if (ToolViewShared* tv = ToolViewOf(target)) tv->snap.switches().Flip(which);
}

template <int which>
cmd::CommandUpdate SnapChecked(cmd::CommandTarget& target) {
  const ToolViewShared* tv = ToolViewOf(target);
  return {true, tv != nullptr && tv->snap.switches().on[which] != 0, {}};
}

template <int... which>
std::vector<cmd::CommandRow> SnapRows(std::integer_sequence<int, which...>) {
  return {cmd::Handler(kFirstSnapCommand + which, FlipSnap<which>, "OnSnapSwitch", SnapChecked<which>)...};
}

// ---- Display switches: one entry of the platform's select-and-display
// array each, flipped between 0 and 1.
constexpr int kSelectParmCount = 13;

template <int entry>
void FlipDisplay(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  int16_t values[kSelectParmCount] = {};
  view->GetSysSelectParm(values, kSelectParmCount);
  values[entry] = values[entry] != 0 ? 0 : 1;
  view->SetSysSelectParm(values, kSelectParmCount);
}

template <int entry>
cmd::CommandUpdate DisplayChecked(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  int16_t values[kSelectParmCount] = {};
  if (view != nullptr) view->GetSysSelectParm(values, kSelectParmCount);
  return {true, values[entry] != 0, {}};
}

// 33610: the squares on the picked entities, in memory only.
void FlipShowKou(cmd::CommandTarget&) { Settings().showKou = Settings().showKou != 0 ? 0 : 1; }
cmd::CommandUpdate ShowKouChecked(cmd::CommandTarget&) { return {true, Settings().showKou != 0, {}}; }

template <int how>
void MoveOrder(cmd::CommandTarget& target) {
  if (CGisEditView* view = EditViewOf(target)) view->MoveIdxElement(how);
}

// 33538: the next click takes up the entity it picks.
void PickEntityForInput(cmd::CommandTarget& target) {
  ToolViewShared* tv = ToolViewOf(target);
  if (tv == nullptr) return;
  tv->View().CancelInterActive();
  tv->View().ClearPool();
  tv->pickEntity = true;
}

// 33381: one modeless calculator per view, at its top-left corner.
void OpenCalculator(cmd::CommandTarget& target) {
  ToolViewShared* tv = ToolViewOf(target);
  if (tv == nullptr || tv->calculator) return;
  tv->calculator = annot::CCalculatorDlg::OpenBeside(&tv->View());
}

void NotOffered(cmd::CommandTarget&) { prompt::Message(QStringLiteral("本功能不开放！")); }

// 33508: the project's map parameters.
void EditProjectMapParams(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecPrjToolView*>(EditViewOf(target));
  MapProject* project = view ? view->GetProject() : nullptr;
  if (project == nullptr) return;
  MapParams params;
  PrjGetMapParams(project, &params);
  if (EditMapParams(params, QStringLiteral("编辑地图参数"), view) != 1) return;
  PrjSetMapParams(project, params);
  PrjSetChanged(project, true);
}

cmd::CommandUpdate HasProject(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecPrjToolView*>(EditViewOf(target));
  return {view != nullptr && view->GetProject() != nullptr, false, {}};
}

std::vector<cmd::CommandRow> SharedToolViewRows() {
  std::vector<cmd::CommandRow> rows = SnapRows(std::make_integer_sequence<int, 6>());
  const cmd::CommandRow own[] = {
      cmd::Handler(33104, FlipDisplay<0>, "OnDisplaySwitch", DisplayChecked<0>),    // 显示坐标点
      cmd::Handler(33108, FlipDisplay<1>, "OnDisplaySwitch", DisplayChecked<1>),    // 显示弧段
      cmd::Handler(33109, FlipDisplay<2>, "OnDisplaySwitch", DisplayChecked<2>),    // 还原显示
      cmd::Handler(33110, FlipDisplay<7>, "OnDisplaySwitch", DisplayChecked<7>),    // 透明显示
      cmd::Handler(33105, FlipDisplay<8>, "OnDisplaySwitch", DisplayChecked<8>),    // 显示线方向
      cmd::Handler(33106, FlipDisplay<11>, "OnDisplaySwitch", DisplayChecked<11>),  // 显示线首尾点标志
      cmd::Handler(33610, FlipShowKou, "OnShowKou", ShowKouChecked),                // 选择图元显示口
      cmd::Handler(33490, MoveOrder<1>, "MoveIdxElement"),                          // 图元置前
      cmd::Handler(33494, MoveOrder<-1>, "MoveIdxElement"),                         // 图元置后
      cmd::Handler(33495, MoveOrder<2>, "MoveIdxElement"),                          // 图元置顶
      cmd::Handler(33493, MoveOrder<-2>, "MoveIdxElement"),                         // 图元置底
      cmd::Handler(33538, PickEntityForInput, "OnPickEntityInput"),                 // 读取图元参数输入
      cmd::Handler(33381, OpenCalculator, "OnCalculator"),                          // 计算器
      cmd::Handler(33507, NotOffered, "OnRebuildGp"),                               // 重建GP
  };
  rows.insert(rows.end(), std::begin(own), std::end(own));
  return rows;
}

constexpr cmd::MenuRow kSharedMenu[] = {
    {cmd::kMenuSection, "&W显示/", 0},
    {cmd::kMenuSection, "&W显示/计算器", 33381},
    {cmd::kMenuSection, "&W显示/显示坐标点", 33104},
    {cmd::kMenuSection, "&W显示/显示弧段", 33108},
    {cmd::kMenuSection, "&W显示/还原显示", 33109},
    {cmd::kMenuSection, "&W显示/透明显示", 33110},
    {cmd::kMenuSection, "&W显示/显示线方向", 33105},
    {cmd::kMenuSection, "&W显示/显示线首尾点标志", 33106},
    {cmd::kMenuSection, "&W显示/选择图元显示口", 33610},
    {cmd::kMenuSection, "&W显示/", 0},
    {cmd::kMenuSection, "&W显示/捕捉节点及端点", 33430},
    {cmd::kMenuSection, "&W显示/捕捉交叉点", 33431},
    {cmd::kMenuSection, "&W显示/捕捉点图元", 33432},
    {cmd::kMenuSection, "&W显示/捕捉垂点", 33433},
    {cmd::kMenuSection, "&W显示/捕捉最近点", 33434},
    {cmd::kMenuSection, "&W显示/捕捉中点", 33435},
    {cmd::kMenuSection, "&T其它/", 0},
    {cmd::kMenuSection, "&T其它/图元置前", 33490},
    {cmd::kMenuSection, "&T其它/图元置后", 33494},
    {cmd::kMenuSection, "&T其它/图元置顶", 33495},
    {cmd::kMenuSection, "&T其它/图元置底", 33493},
    {cmd::kMenuSection, "&T其它/读取图元参数输入", 33538},
    {cmd::kMenuSection, "&1辅助工具/重建GP", 33507},
};

}  // namespace

std::vector<cmd::CommandRow> SectionToolViewRows() {
  std::vector<cmd::CommandRow> rows = SharedToolViewRows();
  rows.push_back(cmd::BoundLater(33559, "CAttrStructDlg"));  // 帮助/编辑属性结构
  return rows;
}

std::vector<cmd::CommandRow> PlanToolViewRows() {
  std::vector<cmd::CommandRow> rows = SharedToolViewRows();
  rows.push_back(cmd::Handler(33508, EditProjectMapParams, "EditMapParams", HasProject));  // 编辑地图参数
  return rows;
}

std::vector<cmd::MenuRow> ToolViewMenuRows() {
  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuSection, cmd::kMenuPlan})
    for (cmd::MenuRow row : kSharedMenu) {
      row.menu = menu;
      rows.push_back(row);
    }
  rows.push_back({cmd::kMenuSection, "帮助/编辑属性结构", 33559});
  rows.push_back({cmd::kMenuPlan, "&T其它/编辑地图参数", 33508});
  return rows;
}

void RegisterToolViews() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecToolView", SectionToolViewRows());
  cmd::Registry().AddRows("CSecPrjToolView", PlanToolViewRows());
  cmd::Menus().AddRows(ToolViewMenuRows());
  docview::RegisterViewClass("CSecToolView", [](QWidget* parent) { return new CSecToolView(parent); });
  docview::RegisterViewClass("CSecPrjToolView", [](QWidget* parent) { return new CSecPrjToolView(parent); });
}

}  // namespace zv

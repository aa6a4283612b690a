// The handlers both editing views share: background colour, line input and
// joining commands, layer switches, system parameters and display switches,
// the ruler bar, the distance-and-angle measurement, and the rows still
// bound later (topology, symbol-library editors).
#include "app/app_settings.h"
#include "platform/editor/editor_commands.h"
#include "views/core/view_settings.h"
#include "views/edit_view_mouse.h"
#include "views/edit_view_shared.h"
#include "views/view_commands.h"

namespace zv {
namespace {

// The editor's member of the same id, the running interaction ended first
// when `cancelFirst`.
template <int id, bool cancelFirst>
void RunMember(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  if (cancelFirst) view->CancelInterActive();
  editor::RunEditorCommand(*view, id);
}

void EditBackground(cmd::CommandTarget& target) {
  if (CGisEditView* view = EditViewOf(target)) view->EditWndBkFace(0);
}

// Layers of the current areas on or off, then the map drawn again.
template <int type, int on>
void SwitchLayers(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  BasSetLayersOn(view->GetEditArea(type), on);
  view->_UpdateWindow();
}

void EditSystemParameters(cmd::CommandTarget& target) {
  SecEditViewShared* shared = SharedOf(target);
  if (shared == nullptr) return;
  CGisEditView& view = shared->EditView();
  view.EditSystemParm();
  views::SaveSystemParameters(SettingsFile(), view.systemParms(), shared->ParameterFormat());
}

void EditDisplaySwitches(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  view->SelectSysSelectParm();
  std::array<int16_t, 8> values{};
  view->GetSysSelectParm(values.data(), static_cast<int>(values.size()));
  views::WriteDisplaySwitches(SettingsFile(), values);
}

// 32975: the same measurement in both views (views/edit_view_measure.cpp).
void MeasureDistance(cmd::CommandTarget& target) {
  if (SecEditViewShared* shared = SharedOf(target)) StartMeasurement(*shared);
}

void ToggleRulers(cmd::CommandTarget& target) {
  if (SecEditViewShared* shared = SharedOf(target)) ToggleRulerBar(*shared);
}

cmd::CommandUpdate RulersChecked(cmd::CommandTarget& target) {
  const SecEditViewShared* shared = SharedOf(target);
  return {true, shared != nullptr && shared->rulerBarShown(), {}};
}

}  // namespace

std::vector<cmd::CommandRow> SharedViewRows() {
  std::vector<cmd::CommandRow> rows{
      cmd::Handler(203, EditBackground, "EditWndBkFace"),
      cmd::Handler(323, EditBackground, "EditWndBkFace"),  // &O设置/选择背景颜色&B
      cmd::Handler(336, RunMember<336, true>, "MakeLine"),   // 输入线
      cmd::Handler(343, RunMember<343, true>, "CopyLine"),   // 复制线
      cmd::Handler(346, RunMember<346, true>, "DeleteLine"),  // 删除线
      cmd::Handler(338, RunMember<338, false>, "ChainLine"),      // &L线编辑/联接线&G
      cmd::Handler(33389, RunMember<33389, false>, "ChainLine"),  // &R区编辑/联接弧段
      cmd::Handler(33063, RunMember<33063, false>, "ClipIntersectLin"),  // 剪断母线
      cmd::Handler(33062, RunMember<33062, false>, "ClipIntersectLin"),  // 不剪断母线
      cmd::BoundLater(432, "Topo"),               // 拓朴重建...
      cmd::BoundLater(437, "AutoCrossClipLin"),   // 自动剪断线
      cmd::BoundLater(3012, "TopoCheck"),         // 区拓朴错误检查
      cmd::BoundLater(40035, "LineTopoCheck"),    // 线拓朴错误检查
      cmd::BoundLater(440, "_EditColorLib"),      // 编辑颜色
      cmd::BoundLater(441, "_EditSpColorLib"),    // 编辑专色
      cmd::BoundLater(448, "_OutColorTable"),     // 输出色表
      cmd::BoundLater(449, "_EditSymLib"),        // 编辑符号库
      cmd::BoundLater(452, "_EditSymLib"),        // 编辑线型库
      cmd::BoundLater(455, "_EditSymLib"),        // 编辑图案库
      cmd::BoundLater(459, "_CopySubLib"),        // 符号库拷贝
      cmd::BoundLater(460, "_CopyPatternLib"),    // 图案库拷贝
      cmd::BoundLater(461, "_CopyLinTypeLib"),    // 线型库拷贝
      cmd::Handler(33466, SwitchLayers<kLineArea, 1>, "BasSetLayersOn"),    // 开线图层
      cmd::Handler(33467, SwitchLayers<kPointArea, 1>, "BasSetLayersOn"),   // 开点图层
      cmd::Handler(33468, SwitchLayers<kRegionArea, 1>, "BasSetLayersOn"),  // 开区图层
      cmd::Handler(33470, SwitchLayers<kLineArea, 0>, "BasSetLayersOn"),    // 关线图层
      cmd::Handler(33469, SwitchLayers<kPointArea, 0>, "BasSetLayersOn"),   // 关点图层
      cmd::Handler(33471, SwitchLayers<kRegionArea, 0>, "BasSetLayersOn"),  // 关区图层
      cmd::Handler(447, EditSystemParameters, "EditSystemParm"),     // &O设置/置系统参数&S
      cmd::Handler(32795, EditDisplaySwitches, "OnSystemSettings"),  // &O设置/系统参数设置&O
      cmd::Handler(33543, ToggleRulers, "OnToggleRulerBar", RulersChecked),  // &W显示/显示标尺工具条
      cmd::Handler(32975, MeasureDistance, "OnMeasureDistance"),             // 量算功能/距离角度量算
      cmd::BoundLater(32964, "OpenBoreholeDatabaseInAccess"),
  };
  for (const cmd::CommandRow& row : ClipboardRows()) rows.push_back(row);
  return rows;
}

CGisEditView* EditViewOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  return view ? dynamic_cast<CGisEditView*>(view->Widget()) : nullptr;
}

}  // namespace zv

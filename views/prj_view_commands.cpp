// The project editing view's own handlers: point input, page set-up, and
// the rows other pieces bind: the section workflows' commands; the image,
// raster and print output of views/project_output.
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/editor/editor_commands.h"
#include "views/project_save_commands.h"
#include "views/project_output/project_output_commands.h"
#include "views/sec_prj_edit_view.h"
#include "views/view_commands.h"

namespace zv {
namespace {

// 412: the running interaction ends first.
void MakePoint(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  view->CancelInterActive();
  editor::RunEditorCommand(*view, 412);
}

// 33194: the project list runs the page set-up.
void PageSetup(cmd::CommandTarget&) { msg::PaneWindows().Post(msg::PaneEntry::kProjectList, msg::kListRequest, 1, 0); }

}  // namespace

std::vector<cmd::CommandRow> PlanViewRows() {
  std::vector<cmd::CommandRow> rows = {
      cmd::Handler(412, MakePoint, "MakePoint"),  // &N点编辑/输入点图元&I
      // The section-line, terrain, design, survey and section commands of
      // "&C剖面图".
      cmd::BoundLater(32780, "OnAutoElevation"), cmd::BoundLater(32781, "OnSetTitleBlockData"),
      cmd::BoundLater(32782, "OnSetStrataInfo"), cmd::BoundLater(32783, "OnTraceSection"),
      cmd::BoundLater(32784, "OnDesignBorehole"), cmd::BoundLater(32785, "OnDesignTrench"),
      cmd::BoundLater(32786, "ReadGeologyInfo"), cmd::BoundLater(32787, "CutZavediz"),
      cmd::BoundLater(32792, "OnShowAssignedContours"), cmd::BoundLater(32793, "OnRestoreContourColour"),
      cmd::BoundLater(32801, "ReadSurveyFromDatabase"), cmd::BoundLater(32969, "OnPickSectionPoints"),
      cmd::BoundLater(32970, "ReadSurveyFromDatabase"), cmd::BoundLater(32971, "DrawSurveyZavediz"),
      cmd::BoundLater(33065, "OnTakeLine"), cmd::BoundLater(33192, "OnTakePolyline"),
      cmd::BoundLater(33203, "OnVerticalProjection"), cmd::BoundLater(33622, "ReadSurveyFromExcel"),
      // Saving and output.
      cmd::Handler(33194, PageSetup, "PageSetup"),  // &P出图/页面设置
      cmd::Empty(32896), cmd::Empty(32995), cmd::Empty(40052),  // 画 探 槽, 距离角度修改, 图像矫正
  };
  for (const std::vector<cmd::CommandRow>& more : {PlanSaveRows(), output::ProjectOutputRows(), SharedViewRows()})
    rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

}  // namespace zv

// The view's select and drag modes.
#include "platform/view/gis_edit_view.h"
#include "platform/view/view_tools.h"

namespace zv {

namespace {

int RunningSelectMode(BaseGisTool* tool) {
  auto* select = dynamic_cast<SelectModeTool*>(tool);
  return select ? select->kind() : -1;
}

}  // namespace

void CGisEditView::SelectGraphics() { SetExtTool(new SelectModeTool(this, SelectModeTool::kGraphics)); }
void CGisEditView::SelectLine() { SetExtTool(new SelectModeTool(this, SelectModeTool::kLines)); }
void CGisEditView::SelectPoint() { SetExtTool(new SelectModeTool(this, SelectModeTool::kPoints)); }
void CGisEditView::SelectRegion() { SetExtTool(new SelectModeTool(this, SelectModeTool::kRegions)); }

void CGisEditView::MovePoint() { SetExtTool(new DragTool(this, DragTool::kPoints, RunningSelectMode(GetExtTool()))); }
void CGisEditView::MoveLine() { SetExtTool(new DragTool(this, DragTool::kLines, RunningSelectMode(GetExtTool()))); }
void CGisEditView::MoveLineDot() {
  SetExtTool(new DragTool(this, DragTool::kLineDot, RunningSelectMode(GetExtTool())));
}
void CGisEditView::MoveGraph() { SetExtTool(new DragTool(this, DragTool::kGraph, RunningSelectMode(GetExtTool()))); }

}  // namespace zv

#include "platform/view/prj_edit_view.h"

namespace zv {

CPrjEditView::CPrjEditView(QWidget* parent) : CGisEditView(parent) {
  for (int type : {kLineArea, kPointArea, kRegionArea}) own_[type] = GetEditArea(type);
}

CPrjEditView::~CPrjEditView() {
  if (project_) PrjRemoveListener(project_, projectListener_);
}

MapProject* CPrjEditView::SetProject(MapProject* project) {
  MapProject* previous = project_;
  CancelInterActive();
  ClearPool();
  GetUndo().Clear();
  if (previous) PrjRemoveListener(previous, projectListener_);
  project_ = project;
  projectListener_ = PrjAddListener(project_, [this](ProjectEvent event) {
    if (event == ProjectEvent::Closing)
      SetProject(nullptr);
    else
      WatchShownAreas(true);
  });
  for (int type : {kLineArea, kPointArea, kRegionArea}) {
    WorkAreaHandle current = own_[type];
    if (project_) {
      WorkAreaHandle first = 0;
      for (int index : PrjListItems(project_, type)) {
        const WorkAreaHandle area = PrjGetItemArea(project_, index);
        if (!BasIsWorkAreaValid(area)) continue;
        if (!first) first = area;
        if (PrjGetItemState(project_, index) == kItemCurrent) current = area;
      }
      if (current == own_[type] && first) current = first;
    }
    ChangeCurAi(current, 1);
  }
  _UpdateWindow();
  return previous;
}

std::vector<WorkAreaHandle> CPrjEditView::ShownAreas() const {
  if (!project_) return CGisEditView::ShownAreas();
  std::vector<WorkAreaHandle> areas = display::ProjectAreasAtScale(project_, _GetWinDispParam().scale);
  const std::vector<WorkAreaHandle> own = OwnShownAreas();
  areas.insert(areas.end(), own.begin(), own.end());
  return areas;
}

std::vector<WorkAreaHandle> CPrjEditView::OwnShownAreas() const {
  std::vector<WorkAreaHandle> areas;
  for (int type : {kRegionArea, kLineArea, kPointArea}) {
    const WorkAreaHandle own = own_[type];
    if (GetEditArea(type) == own && BasIsWorkAreaValid(own)) areas.push_back(own);
  }
  return areas;
}

void CPrjEditView::DrawAreas(display::AreaListRenderer& renderer, KernelDriver& dc,
                             const display::DisplaySwitches& switches) {
  if (!project_) return CGisEditView::DrawAreas(renderer, dc, switches);
  renderer.DrawProject(dc, *project_, switches, OwnShownAreas());
}

std::vector<WorkAreaHandle> ProjectOrCurrentAreas(const CGisEditView& view) {
  const auto* projectView = dynamic_cast<const CPrjEditView*>(&view);
  const MapProject* project = projectView ? projectView->GetProject() : nullptr;
  if (project && PrjGetItemCount(project) > 0) {
    const std::vector<uint16_t> list = PrjGetAreaList(project, -1);
    if (!list.empty()) return {list.begin() + 1, list.end()};  // the list opens with its count
  }
  return {view.GetCurrentPntArea(), view.GetCurrentLinArea(), view.GetCurrentRegArea()};
}

}  // namespace zv

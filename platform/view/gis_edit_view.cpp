#include "platform/view/gis_edit_view.h"

#include <algorithm>

#include "platform/data/geometry.h"
#include "platform/view/view_tools.h"

namespace zv {

CGisEditView::CGisEditView(QWidget* parent)
    : CGisView(parent),
      watch_([this](WorkAreaHandle area, int type, int32_t id,
                    QRectF* extent) { return renderer_.DrawnExtent(area, type, id, extent); },
             [this](const AreaWatch::Repaint& repaint) {
               if (repaint.whole)
                 _UpdateWindow();
               else
                 RedrawMapRect(repaint.rect);
             }) {
  set_ = BasCreateWorkAreaSet(0);
  current_[kLineArea] = BasCreateLineWorkArea(set_);
  current_[kPointArea] = BasCreatePointWorkArea(set_);
  current_[kRegionArea] = BasCreateRegionWorkArea(set_);
  WatchShownAreas(false);
}

CGisEditView::~CGisEditView() {
  // The tool goes first: its destructor may still use the view.
  tools_.Remove();
  BasFreeWorkAreaSet(set_);
}

// ---- work areas

WorkAreaHandle CGisEditView::GetEditArea(int type) const {
  return type >= kLineArea && type <= kRegionArea ? current_[type] : 0;
}

bool CGisEditView::ChangeCurAi(WorkAreaHandle area, int) {
  const int type = BasGetWorkAreaType(area);
  if (type < kLineArea || type > kRegionArea) return false;
  const WorkAreaHandle previous = current_[type];
  current_[type] = area;
  // The previous area stays shown unless it is the view's own.
  if (previous != area && BasGetWorkAreaSet(previous) != set_ &&
      std::find(extraAreas_.begin(), extraAreas_.end(), previous) == extraAreas_.end())
    extraAreas_.push_back(previous);
  std::erase(extraAreas_, area);
  WatchShownAreas(true);
  return true;
}

void CGisEditView::WatchShownAreas(bool repaint) {
  watch_.Watch(ShownAreas());
  if (repaint) watch_.RequestWhole();
}

void CGisEditView::OnMapRedrawn() {
  // Everything is drawn; the areas shown may differ (the scale changed).
  watch_.Discard();
  watch_.Watch(ShownAreas());
}

std::vector<WorkAreaHandle> CGisEditView::ShownAreas() const {
  std::vector<WorkAreaHandle> areas;
  for (int type : {kRegionArea, kLineArea, kPointArea}) {
    for (WorkAreaHandle a : extraAreas_)
      if (BasGetWorkAreaType(a) == type) areas.push_back(a);
    if (BasIsWorkAreaValid(current_[type])) areas.push_back(current_[type]);
  }
  return areas;
}

void CGisEditView::ClearArea(int type) {
  const WorkAreaHandle area = current_[type];
  if (!BasIsWorkAreaValid(area)) return;
  _StopFlash(-1);
  BasClearWorkArea(area, 0);
  std::vector<ENTITY_MSG> keep;
  for (const ENTITY_MSG& e : pool_.entries())
    if (e.area != area) keep.push_back(e);
  pool_.Clear();
  pool_.Add(keep.data(), static_cast<int32_t>(keep.size()));
  undo_.Clear();
}

void CGisEditView::ClearPoint() { ClearArea(kPointArea); }
void CGisEditView::ClearLine() { ClearArea(kLineArea); }
void CGisEditView::ClearRegion() { ClearArea(kRegionArea); }

int CGisEditView::ChangeLayerOfPicked(int entityType, int16_t layer) {
  std::vector<ENTITY_MSG> picked;
  for (const ENTITY_MSG& e : pool_.entries())
    if (e.type == entityType && BasIsEntityLive(e.area, e.type, e.id)) picked.push_back(e);
  if (picked.empty()) return 0;
  RunCommand([&] {
    undo_.PushSelGraphics(picked.data(), static_cast<int32_t>(picked.size()), GisUndo::kChanged, 1);
    for (const ENTITY_MSG& e : picked) {
      if (entityType == kPointEntity) {
        PNT_INFO i;
        if (BasReadPointParam(e.area, e.id, &i)) i.setLayer(layer), BasWritePointParam(e.area, e.id, i);
      } else if (entityType == kLineEntity) {
        LIN_INFO i;
        if (BasReadLineParam(e.area, e.id, &i)) i.setLayer(layer), BasWriteLineParam(e.area, e.id, i);
      } else {
        REG_INFO i;
        if (BasReadRegionParam(e.area, e.id, &i)) i.setLayer(layer), BasWriteRegionParam(e.area, e.id, i);
      }
    }
  });
  _UpdateWindow();
  return static_cast<int>(picked.size());
}

int CGisEditView::ChangePntLay(int16_t layer) { return ChangeLayerOfPicked(kPointEntity, layer); }
int CGisEditView::ChangeLinLay(int16_t layer) { return ChangeLayerOfPicked(kLineEntity, layer); }
int CGisEditView::ChangeRegLay(int16_t layer) { return ChangeLayerOfPicked(kRegionEntity, layer); }

// ---- pool

void CGisEditView::AddToPool(const ENTITY_MSG* entries, int count) { pool_.Add(entries, count); }

void CGisEditView::ClearPool() {
  if (!pool_.empty()) _StopFlash(-1);
  pool_.Clear();
}

void CGisEditView::FlashSelectGraphics() { _StartFlash(pool_.data(), pool_.count()); }

// ---- display order

void CGisEditView::MoveIdxElement(int how) {
  bool moved = false;
  for (const ENTITY_MSG& e : pool_.entries()) {
    if (!BasIsEntityLive(e.area, e.type, e.id)) continue;
    if (how == 2) {
      moved |= BasBringToFront(e.area, e.type, {e.id});
    } else if (how == -2) {
      moved |= BasSendToBack(e.area, e.type, {e.id});
    } else if (how == 1 || how == -1) {
      std::vector<int32_t> order = BasGetDisplayOrder(e.area, e.type);
      auto it = std::find(order.begin(), order.end(), e.id);
      if (it == order.end()) continue;
      auto other = how == 1 ? std::next(it) : (it == order.begin() ? order.end() : std::prev(it));
      if (other == order.end()) continue;
      std::iter_swap(it, other);
      moved |= BasSetDisplayOrder(e.area, e.type, order);
    }
  }
  if (moved) _UpdateWindow();
}

// ---- switches

int CGisEditView::SetSysSelectParm(const int16_t* values, int count) {
  const int n = selectParms_.Set(values, count);
  if (n > 0) _UpdateWindow();
  return n;
}

// ---- tools

void CGisEditView::SetExtTool(BaseGisTool* tool) {
  tools_.Install(std::unique_ptr<BaseGisTool>(tool));
  RefreshOverlay();
}

void CGisEditView::CancelInterActive() {
  ShowDragBox(false);
  dragBox_ = {};
  const bool hadTool = tools_.current() != nullptr;
  tools_.Remove();
  if (hadTool) RefreshOverlay();
}

int CGisEditView::IsInOperate() const {
  BaseGisTool* tool = tools_.current();
  return tool ? tool->Running() : -1;
}

QString CGisEditView::GetOperationName(int) const {
  BaseGisTool* tool = tools_.current();
  return QString::fromUtf8(tool ? tool->OperationName() : "当前状态: 无操作");
}

// ---- undo

void CGisEditView::Undo() {
  _StopFlash(-1);
  if (undo_.Undo().empty()) return;
  pool_.DropDead();
  _UpdateWindow();
}

void CGisEditView::RunCommand(const std::function<void()>& command) {
  undo_.BeginStep();
  command();
  undo_.EndStep();
}

// ---- drawing

void CGisEditView::DrawMap(KernelDriver& dc, const D_RECT&) {
  display::DisplaySwitches switches;
  selectParms_.Get(switches.values.data(), static_cast<int>(switches.values.size()));
  DrawAreas(renderer_, dc, switches);
}

void CGisEditView::DrawAreas(display::AreaListRenderer& renderer, KernelDriver& dc,
                             const display::DisplaySwitches& switches) {
  renderer.Draw(dc, ShownAreas(), switches);
}

bool CGisEditView::ContentExtent(D_RECT* extent) const {
  bool any = false;
  for (WorkAreaHandle area : ShownAreas()) {
    D_RECT r;
    if (!BasGetWorkAreaRect(area, &r)) continue;
    if (!any)
      *extent = r;
    else
      UniteRect(*extent, r);
    any = true;
  }
  return any;
}

void CGisEditView::DrawAfterOwner(KernelDriver& dc) {
  if (BaseGisTool* tool = tools_.current()) {
    ToolOwner<BaseGisTool>::Dispatch guard(tools_);
    tool->DrawHook(&dc);
  }
  if (dragBox_.shown) {
    dragBox_.shown = false;
    ShowDragBox(true);
  }
}

// ---- mouse and keys

template <class Slot>
void CGisEditView::Dispatch(Slot slot) {
  BaseGisTool* tool = tools_.current();
  if (!tool) return;
  ToolOwner<BaseGisTool>::Dispatch guard(tools_);
  undo_.BeginStep();
  slot(*tool);
  undo_.EndStep();
}

void CGisEditView::LButtonDown(unsigned flags, CPoint point) {
  Dispatch([&](BaseGisTool& tool) {
    tool.OnLButtonDown(flags, point);
    if (tools_.current() == &tool) tool.figureInProgress_ = true;
  });
}

void CGisEditView::MouseMove(unsigned flags, CPoint point) {
  Dispatch([&](BaseGisTool& tool) { tool.OnMouseMove(flags, point); });
}

void CGisEditView::LButtonUp(unsigned flags, CPoint point) {
  Dispatch([&](BaseGisTool& tool) { tool.OnLButtonUp(flags, point); });
}

void CGisEditView::RButtonUp(unsigned flags, CPoint point) {
  Dispatch([&](BaseGisTool& tool) {
    tool.OnRButtonUp(flags, point);
    tool.figureInProgress_ = false;
  });
}

void CGisEditView::KeyDown(unsigned key, unsigned repeat, unsigned flags) {
  Dispatch([&](BaseGisTool& tool) { tool.OnKeyDown(key, repeat, flags); });
}

void CGisEditView::Draw_Cross(CPoint point, int mode) {
  constexpr int kArm = 5;
  constexpr long kCrossColour = 6;
  KernelDriver* dc = _GetMyDC();
  const int previous = dc->DrawMode();
  const long colour = dc->Color();
  dc->SetColor(kCrossColour);
  // A toggling cross inverts what lies under it, so it shows on any colour.
  const bool toggles = mode == display::kDrawXor || mode == display::kDrawNotXor || mode == display::kDrawInvert;
  dc->SetDrawMode(toggles ? display::kDrawInvert : mode);
  dc->_Line(point.x - kArm, point.y, point.x + kArm + 1, point.y);
  // The upright arm leaves out the centre, which a toggling mode would
  // otherwise turn twice.
  dc->_Line(point.x, point.y - kArm, point.x, point.y);
  dc->_Line(point.x, point.y + 1, point.x, point.y + kArm + 1);
  dc->SetColor(colour);
  dc->SetDrawMode(previous);
  _DeleteMyDC(dc);
}

}  // namespace zv

#include "views/tool_input/pick_digitiser.h"

#include "common/snapped_point.h"
#include "platform/editors/nearest.h"

namespace zv::toolview {

void PickDigitiser::Press(CGisEditView& view, unsigned flags, CPoint point, const std::optional<D_DOT>& snapped) {
  active_ = true;
  D_DOT vertex = view._WpToLp(point);
  if (snapped) {
    vertex = *snapped;
    SnapState = kSnapTaken;
  } else if (flags == (MK_LBUTTON | MK_SHIFT)) {
    const WorkAreaHandle lines = view.GetCurrentLinArea();
    if (const NearestHit line = NearestLine(lines, vertex)) {
      const NearestVertexHit v = NearestVertexOfLine(lines, line.id, vertex);
      if (v.line) vertex = v.vertex;
    }
  }
  vertices_.push_back(vertex);
}

bool PickDigitiser::Finish(CGisEditView& view, int pickMode, unsigned flags) {
  std::vector<D_DOT> v = std::move(vertices_);
  vertices_.clear();
  active_ = false;
  if (v.size() < 2 || (pickMode != 2 && pickMode != 3)) return false;
  bool appended = false;
  view.RunCommand([&] {
    GisUndo& undo = view.GetUndo();
    if (pickMode == 2) {
      if (flags == (MK_RBUTTON | MK_CONTROL)) v.push_back(v.front());
      const WorkAreaHandle area = view.GetCurrentLinArea();
      const int32_t id = BasAppendLine(area, v, *BasGetDefaultLineParam());
      if (id) undo.PushList(area, kLineEntity, &id, 1, GisUndo::kAppended);
      appended = id != 0;
      return;
    }
    v.push_back(v.front());
    const WorkAreaHandle area = view.GetCurrentRegArea();
    const int32_t arc = BasAppendLine(area, v, *BasGetDefaultLineParam());
    if (!arc) return;
    undo.PushList(area, kLineEntity, &arc, 1, GisUndo::kAppended);
    const int32_t region = BasAppendRegion(area, std::vector<int32_t>{0, arc}, *BasGetDefaultRegionParam());
    if (region) undo.PushList(area, kRegionEntity, &region, 1, GisUndo::kAppended);
    appended = region != 0;
  });
  view._UpdateWindow();
  return appended;
}

}  // namespace zv::toolview

#pragma once
// The view's own interactive modes: the select modes (nothing is pending
// while they run) and the drag modes that move the picked entities.

#include "platform/view/base_gis_tool.h"

namespace zv {

class SelectModeTool : public BaseGisTool {
 public:
  enum Kind : int16_t { kGraphics, kLines, kPoints, kRegions };
  SelectModeTool(CGisEditView* view, Kind kind);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return -1; }
  const char* OperationName() const override;
  Kind kind() const { return static_cast<Kind>(m_nMode); }

 private:
  int Forward(unsigned message, unsigned flags, CPoint point);
};

// Moves the picked entities (or one vertex of a picked line) by the drag
// from the press to the release, as one undo step; shows the moved outlines
// while dragging. When the drag ends, the select mode that ran before comes
// back (or none).
class DragTool : public BaseGisTool {
 public:
  enum Kind : int16_t { kPoints, kLines, kLineDot, kGraph };
  // `resume`: the select mode to go back to, −1 for none.
  DragTool(CGisEditView* view, Kind kind, int resume);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;
  int Running() override { return dragging_ ? 1 : 0; }
  const char* OperationName() const override;

 private:
  void DrawMoved(KernelDriver& dc) const;
  void ToggleMoved();
  void Apply();
  void Finish();

  bool dragging_ = false;
  bool shown_ = false;
  D_DOT start_{}, now_{};
  int resume_;
  // kLineDot: the vertex taken.
  ENTITY_MSG dotLine_{};
  int32_t dotIndex_ = -1;
};

}  // namespace zv

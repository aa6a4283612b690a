#pragma once
// The interactive modes of the editor's commands. Each stays installed
// after it has done its work, ready for the next entity, until the user
// cancels it or another mode replaces it.

#include <functional>
#include <string>
#include <vector>

#include "platform/view/base_gis_tool.h"

namespace zv::editor {

// Picks entities of the given kinds by click or box, then acts on them
// (the pool is emptied afterwards).
class PickActionTool : public BaseGisTool {
 public:
  using Action = std::function<void(CGisEditView&, const std::vector<ENTITY_MSG>&)>;
  PickActionTool(CGisEditView* view, int16_t mode, unsigned kinds, const char* name, Action action);
  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return 0; }
  const char* OperationName() const override { return name_; }

 private:
  unsigned kinds_;
  const char* name_;
  Action action_;
};

// Acts at the map point of each click.
class ClickTool : public BaseGisTool {
 public:
  using Action = std::function<void(CGisEditView&, const D_DOT& at, CPoint point)>;
  ClickTool(CGisEditView* view, int16_t mode, const char* name, Action action);
  int OnLButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return 0; }
  const char* OperationName() const override { return name_; }

 private:
  const char* name_;
  Action action_;
};

// Takes the entity under a press and moves or copies it by the drag, or
// (kVertex) takes the line vertex under the press and moves it.
class PickDragTool : public BaseGisTool {
 public:
  enum Kind : int16_t { kMove, kCopy, kVertex };
  PickDragTool(CGisEditView* view, Kind kind, unsigned kinds, const char* name);
  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;
  int Running() override { return dragging_ ? 1 : 0; }
  const char* OperationName() const override { return name_; }

 private:
  void Toggle();
  void Draw(KernelDriver& dc);
  void Reset();

  unsigned kinds_;
  const char* name_;
  bool dragging_ = false;
  bool shown_ = false;
  std::vector<ENTITY_MSG> taken_;
  int32_t vertex_ = -1;
  D_DOT start_{}, now_{};
};

// Enters a polyline: each left click adds a vertex, the right button ends
// the line (at least two vertices) and appends it.
class LineInputTool : public BaseGisTool {
 public:
  // `finish` appends the vertices (through the view's undo store).
  using Finish = std::function<void(CGisEditView&, const std::vector<D_DOT>&)>;
  LineInputTool(CGisEditView* view, int16_t mode, const char* name, Finish finish);
  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;
  int Running() override { return vertices_.empty() ? 0 : 1; }
  const char* OperationName() const override { return name_; }
  const std::vector<D_DOT>& vertices() const { return vertices_; }

 private:
  void ToggleRubber();

  const char* name_;
  Finish finish_;
  std::vector<D_DOT> vertices_;
  CPoint rubberEnd_;
  bool rubberShown_ = false;
};

// Collects a fixed number of clicks, then acts on their map points.
class MultiClickTool : public BaseGisTool {
 public:
  using Action = std::function<void(CGisEditView&, const std::vector<D_DOT>&)>;
  MultiClickTool(CGisEditView* view, int16_t mode, int clicks, const char* name, Action action);
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return points_.empty() ? 0 : 1; }
  const char* OperationName() const override { return name_; }

 private:
  int clicks_;
  const char* name_;
  Action action_;
  std::vector<D_DOT> points_;
};

// Zooms in (a click doubles the scale about it, a box fills the window) or
// out (a click halves it).
class ZoomTool : public BaseGisTool {
 public:
  ZoomTool(CGisEditView* view, bool in);
  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return 0; }
  const char* OperationName() const override { return in_ ? "当前状态: 放大窗口" : "当前状态: 缩小窗口"; }

 private:
  bool in_;
  bool pressed_ = false;
  bool boxShown_ = false;
  CPoint start_, end_;
};

}  // namespace zv::editor

#pragma once
// CPatternView: the small editing view that the side pages and library
// dialogs embed to show symbol samples and let the user pick one.
//
// Display modes (set by the owner right after creating it): 1 a framed
// preview with ticks, 2 sub-graphs, 3 line styles, 4 patterns (45 × 45
// cells with grid lines), 6 colour swatches (18 × 20), 7 a preview with a red
// dotted cross. The owner fills the view's current work areas with samples.
//
// Modes 2, 3, 4 and 6: moving the mouse shows the sample under it through
// the owner's ShowSample; a left click on a sample calls PickSample and marks
// the cell. The mark toggles (drawing it twice removes it) and is kept in
// map units, so it is drawn again after every redraw and follows scrolling.
// After a pick the view stops showing what it hovers until it loses the
// focus, so the picked number stays in the owner's box. Clicks never touch
// the selection pool or the samples; keys do nothing. The right button in
// modes 2 to 4 asks for a background colour (starting from 15 each time).

#include <optional>

#include "panels/core/preview_areas.h"
#include "panels/core/sample_build.h"
#include "panels/core/sample_grid.h"
#include "platform/view/gis_edit_view.h"

namespace zv::panels {

// What the view calls in its owner.
class PatternOwner {
 public:
  virtual ~PatternOwner() = default;
  // The sample under the mouse: show it and change nothing else.
  virtual void ShowSample(const SampleValue& value) = 0;
  // The sample clicked.
  virtual void PickSample(const SampleValue& value) = 0;
};

class CPatternView : public CGisEditView {
 public:
  explicit CPatternView(QWidget* parent = nullptr, PatternOwner* owner = nullptr);

  int16_t displayMode = 0;

  bool HoverShown() const { return hover_; }
  // The marked cell's corners in map units; none before the first pick.
  bool HasHighlight() const { return highlight_.has_value(); }
  std::pair<D_DOT, D_DOT> HighlightCorners() const { return highlight_ ? highlight_->map : std::pair<D_DOT, D_DOT>{}; }

  // A left click, a mouse move and the right button at a window point, as
  // the Qt events deliver them.
  void PickAt(CPoint point);
  void HoverAt(CPoint point);
  void ChooseBackground();

  void _OwnerDraw(KernelDriver* dc) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Highlight {
    std::pair<D_DOT, D_DOT> map;
    std::pair<D_DOT, D_DOT> device;
  };
  bool IsGrid() const { return displayMode >= 2 && displayMode <= 4; }
  bool Picks() const { return IsGrid() || displayMode == 6; }
  const GridSpec& Spec() const { return displayMode == 6 ? kColourGrid : kSymbolGrid; }
  WorkAreaHandle SampleArea() const;
  void DrawHighlight(KernelDriver& dc) const;
  void MarkCell(CPoint point);
  void DrawGridLines(KernelDriver& dc);
  void DrawFrame(KernelDriver& dc);
  void DrawCross(KernelDriver& dc);

  PatternOwner* owner_;
  bool hover_ = true;
  int gridColumns_ = 0;
  int gridRows_ = 0;
  std::optional<Highlight> highlight_;
};

// How a library dialog's framed preview (display mode 1) is set up.
struct PreviewWindow {
  QRect at;
  int16_t selectParms[8];
  D_DOT origin;
  double scale;
};

// A framed preview child of `parent` named "previewView", showing `areas`
// as its current areas, scroll bars off, with the selection parameters,
// origin and scale of `window`; shown.
CPatternView* CreatePreviewView(QWidget* parent, const PreviewAreas& areas, const PreviewWindow& window);
// Puts the preview's origin and scale back and redraws.
void ResetPreviewWindow(CPatternView& view, const PreviewWindow& window);

}  // namespace zv::panels

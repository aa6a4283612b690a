#include "panels/pattern_view.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/editors/library_picker.h"
#include "platform/view/mouse_points.h"

namespace zv::panels {
namespace {

// The highlight: a colour and mode in which drawing twice restores the picture.
constexpr long kHighlightColour = 255;
constexpr int kHighlightStyle = 1;
constexpr int kSwatchHighlightStyle = 3;
constexpr int kFrameStyle = 7;
// The background colour the right button's chooser starts from.
constexpr int kChooserStart = 15;

double TickLength(int at) {
  if (at == 0) return 1.0;
  if (at == 5 || at == -5) return 0.75;
  return 0.5;
}

}  // namespace

CPatternView::CPatternView(QWidget* parent, PatternOwner* owner) : CGisEditView(parent), owner_(owner) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

WorkAreaHandle CPatternView::SampleArea() const {
  switch (displayMode) {
    case 2: return GetCurrentPntArea();
    case 3: return GetCurrentLinArea();
    default: return GetCurrentRegArea();
  }
}

void CPatternView::HoverAt(CPoint point) {
  if (!hover_ || !Picks() || !owner_) return;
  if (const auto value = SampleAt(displayMode, SampleArea(), _WpToLp(point), kHoverReach)) owner_->ShowSample(*value);
}

void CPatternView::PickAt(CPoint point) {
  hover_ = false;
  if (!Picks()) return;
  const auto value = SampleAt(displayMode, SampleArea(), _WpToLp(point), kPickReach);
  if (!value) return;
  if (owner_) owner_->PickSample(*value);
  MarkCell(point);
}

void CPatternView::MarkCell(CPoint point) {
  const CellRect cell = CellAt(Spec(), point.x, point.y);
  const std::pair<D_DOT, D_DOT> device{_WpToDp({cell.x1, cell.y1}), _WpToDp({cell.x2, cell.y2})};
  KernelDriver* dc = _GetMyDC();
  DrawHighlight(*dc);  // takes the old one away
  highlight_ = Highlight{{_DpToLp(device.first), _DpToLp(device.second)}, device};
  DrawHighlight(*dc);
  _DeleteMyDC(dc);
}

void CPatternView::DrawHighlight(KernelDriver& dc) const {
  if (!highlight_) return;
  const long colour = dc.Color();
  const int mode = dc.DrawMode();
  dc.SetColor(kHighlightColour);
  dc.SetDrawMode(display::kDrawNotXor);
  const auto& [a, b] = highlight_->device;
  dc._Rect(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y),
           displayMode == 6 ? kSwatchHighlightStyle : kHighlightStyle);
  dc.SetColor(colour);
  dc.SetDrawMode(mode);
}

void CPatternView::ChooseBackground() {
  if (!IsGrid()) return;
  const int colour = PickLibraryItem(LibraryKind::kColour, kChooserStart, this);
  if (colour < 0) return;
  EditWndBkFace(colour);
  _UpdateWindow();
}

void CPatternView::_OwnerDraw(KernelDriver* dc) {
  CGisEditView::_OwnerDraw(dc);
  if (!dc) return;
  switch (displayMode) {
    case 1: DrawFrame(*dc); return;
    case 7: DrawCross(*dc); return;
    case 2:
    case 3:
    case 4: DrawGridLines(*dc); break;
    case 6: break;
    default: return;
  }
  if (!highlight_) return;
  // The picture was drawn anew: the mark goes where its map corners are now.
  highlight_->device = {_LpToDp(highlight_->map.first), _LpToDp(highlight_->map.second)};
  DrawHighlight(*dc);
}

void CPatternView::DrawGridLines(KernelDriver& dc) {
  gridColumns_ = width() / kSymbolGrid.cellWidth;
  gridRows_ = height() / kSymbolGrid.cellHeight;
  const int cell = kSymbolGrid.cellWidth;
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(QPen(Qt::black, 0));
  for (int c = 0; c <= gridColumns_; ++c) painter.drawLine(cell * c, 0, cell * c, cell * gridRows_);
  for (int r = 0; r < gridRows_; ++r) painter.drawLine(0, cell * r, cell * gridColumns_, cell * r);
  painter.restore();
}

void CPatternView::DrawFrame(KernelDriver& dc) {
  const auto line = [&](double x1, double y1, double x2, double y2) {
    const D_DOT a = _LpToDp({x1, y1}), b = _LpToDp({x2, y2});
    dc._Line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y), kFrameStyle);
  };
  const D_DOT a = _LpToDp({-6, -4}), b = _LpToDp({6, 4});
  dc._Rect(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y), kFrameStyle);
  for (int x = -6; x <= 6; ++x) {
    line(x, -4, x, -4 - TickLength(x));
    line(x, 4, x, 4 + TickLength(x));
  }
  for (int y = -4; y <= 4; ++y) {
    line(-6, y, -6 - TickLength(y == 0 ? 0 : 1), y);
    line(6, y, 6 + TickLength(y == 0 ? 0 : 1), y);
  }
}

void CPatternView::DrawCross(KernelDriver& dc) {
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DotLine));
  painter.drawLine(0, height() / 2, width(), height() / 2);
  painter.drawLine(width() / 2, 0, width() / 2, height());
  painter.restore();
}

void CPatternView::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) PickAt(MousePointOf(e));
  if (e->button() == Qt::RightButton) ChooseBackground();
  CGisEditView::mousePressEvent(e);
}

void CPatternView::mouseMoveEvent(QMouseEvent* e) {
  HoverAt(MousePointOf(e));
  CGisEditView::mouseMoveEvent(e);
}

void CPatternView::focusOutEvent(QFocusEvent* e) {
  CGisEditView::focusOutEvent(e);
  hover_ = true;
}

void CPatternView::keyPressEvent(QKeyEvent* e) { e->accept(); }

CPatternView* CreatePreviewView(QWidget* parent, const PreviewAreas& areas, const PreviewWindow& window) {
  auto* view = new CPatternView(parent, nullptr);
  view->setObjectName(QStringLiteral("previewView"));
  view->displayMode = 1;
  view->setGeometry(window.at);
  for (WorkAreaHandle area : {areas.points, areas.lines, areas.regions}) view->ChangeCurAi(area, 1);
  view->_SetEnableScrollFlag(0);
  view->SetSysSelectParm(window.selectParms, 8);
  ResetPreviewWindow(*view, window);
  view->show();
  return view;
}

void ResetPreviewWindow(CPatternView& view, const PreviewWindow& window) {
  WIN_ORG org = view._GetWinDispParam();
  org.x = window.origin.x;
  org.y = window.origin.y;
  org.scale = window.scale;
  view._SetWinDispParam(org);
  view._UpdateWindow();
}

}  // namespace zv::panels

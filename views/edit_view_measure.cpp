// The distance-and-angle measurement of both editing views: clicks add map
// points (a waiting snapped point first), a rubber band follows the cursor
// from the last point, the right button ends the polyline and shows its
// figures (views/core/measure_figures.h) in the main frame's measurement
// window; a click after that starts a new polyline.
#include "common/snapped_point.h"
#include "views/edit_view_mouse.h"
#include "views/view_chrome.h"

namespace zv {
namespace {

constexpr std::array<double, 6> kZeros{};
constexpr int kAskScale = 1;

void DrawBand(CGisEditView& view, const views::MeasurePolyline& m) {
  view._DrawXORLine(m.band[0], m.band[1], m.band[2], m.band[3]);
}

double WindowScale() { return static_cast<double>(Chrome().UpdateMeasureWindow(kZeros, kAskScale)); }

}  // namespace

void StartMeasurement(SecEditViewShared& shared) {
  CGisEditView& view = shared.EditView();
  view.CancelInterActive();
  view._SetCommandFlag(kFlagMeasure);
  shared.measure = {};
  Chrome().UpdateMeasureWindow(kZeros, 0);
}

void MeasureClick(SecEditViewShared& shared, CPoint p) {
  CGisEditView& view = shared.EditView();
  views::MeasurePolyline& m = shared.measure;
  if (m.bandShown) DrawBand(view, m);
  m.band[0] = m.band[2] = p.x;
  m.band[1] = m.band[3] = p.y;
  if (m.finished) m.restartPending = true;
  DrawBand(view, m);
  m.bandShown = true;
  if (m.restartPending) {
    m.restartPending = false;
    m.finished = false;
    m.points.clear();
  }
  D_DOT at;
  if (!TakeSnappedPoint(&at)) at = view._WpToLp(p);
  m.points.push_back(at);
}

void MeasureMove(SecEditViewShared& shared, CPoint p) {
  CGisEditView& view = shared.EditView();
  views::MeasurePolyline& m = shared.measure;
  const double scale = WindowScale();
  if (!m.bandShown || m.points.empty()) {
    Chrome().UpdateMeasureWindow(kZeros, -1);
    return;
  }
  DrawBand(view, m);
  const CPoint last = view._LpToWp(m.points.back());
  m.band[0] = last.x;
  m.band[1] = last.y;
  m.band[2] = p.x;
  m.band[3] = p.y;
  DrawBand(view, m);
  std::vector<D_DOT> provisional = m.points;
  provisional.push_back(view._WpToLp(p));
  Chrome().UpdateMeasureWindow(views::ComputeMeasureFigures(provisional, scale).values(), 0);
}

void MeasureEnd(SecEditViewShared& shared) {
  CGisEditView& view = shared.EditView();
  views::MeasurePolyline& m = shared.measure;
  const double scale = WindowScale();
  m.finished = true;
  if (m.bandShown) {
    DrawBand(view, m);
    m.bandShown = false;
  }
  if (m.points.size() < 2) return;
  Chrome().UpdateMeasureWindow(views::ComputeMeasureFigures(m.points, scale).values(), 0);
}

void EndMeasurement(SecEditViewShared& shared) {
  CGisEditView& view = shared.EditView();
  view._SetCommandFlag(kFlagIdle);
  if (shared.measure.bandShown) DrawBand(view, shared.measure);
  shared.measure = {};
}

void RedrawMeasurement(SecEditViewShared& shared) {
  CGisEditView& view = shared.EditView();
  const views::MeasurePolyline& m = shared.measure;
  for (std::size_t i = 1; i < m.points.size(); ++i) {
    const CPoint a = view._LpToWp(m.points[i - 1]);
    const CPoint b = view._LpToWp(m.points[i]);
    view._DrawXORLine(a.x, a.y, b.x, b.y);
  }
  if (!m.finished && !m.points.empty() && m.bandShown) DrawBand(view, m);
}

}  // namespace zv

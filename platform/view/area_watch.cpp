#include "platform/view/area_watch.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

#include "platform/display/work_area_renderer.h"

namespace zv {
namespace {

// More changed entities than this are repainted whole: reading their
// extents would cost more than it saves.
constexpr std::size_t kMostPartialEntities = 256;

void Unite(D_RECT& into, bool& have, const QRectF& r) {
  if (!(std::isfinite(r.left()) && std::isfinite(r.right()) && std::isfinite(r.top()) && std::isfinite(r.bottom())))
    return;
  const D_RECT d{r.left(), r.top(), r.right(), r.bottom()};
  if (!have) {
    into = d;
    have = true;
    return;
  }
  into.xmin = std::min(into.xmin, d.xmin);
  into.ymin = std::min(into.ymin, d.ymin);
  into.xmax = std::max(into.xmax, d.xmax);
  into.ymax = std::max(into.ymax, d.ymax);
}

// How far a line's style reaches past its vertices (teeth across the line,
// its pen), in map units.
double StyleReach(WorkAreaHandle area, int entityType, int32_t id) {
  LIN_INFO info;
  if (entityType != kLineEntity || !BasReadLineParam(area, id, &info)) return 0;
  const double reach = std::abs(static_cast<double>(info.yScale())) + std::abs(static_cast<double>(info.width()));
  return std::isfinite(reach) ? reach : 0;
}

QRectF Widened(const QRectF& r, double by) { return by > 0 ? r.adjusted(-by, -by, by, by) : r; }

}  // namespace

AreaWatch::AreaWatch(DrawnExtent drawnExtent, std::function<void(const Repaint&)> repaint)
    : drawnExtent_(std::move(drawnExtent)), repaint_(std::move(repaint)) {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
}

AreaWatch::~AreaWatch() {
  timer_.stop();
  Watch({});
}

void AreaWatch::Watch(const std::vector<WorkAreaHandle>& areas) {
  const std::set<WorkAreaHandle> wanted(areas.begin(), areas.end());
  for (auto it = listeners_.begin(); it != listeners_.end();) {
    if (wanted.count(it->first) && BasIsWorkAreaValid(it->first)) {
      ++it;
      continue;
    }
    // A released area took its listeners with it; listener ids are never
    // given twice, so removing from a handle given out again is harmless.
    BasRemoveChangeListener(it->first, it->second);
    it = listeners_.erase(it);
  }
  for (const WorkAreaHandle area : wanted) {
    if (listeners_.count(area)) continue;
    const int id = BasAddChangeListener(area, [this](const WorkAreaChange& change) { OnChange(change); });
    if (id) listeners_[area] = id;
  }
}

void AreaWatch::RequestWhole() {
  whole_ = true;
  Schedule();
}

void AreaWatch::Discard() {
  timer_.stop();
  whole_ = false;
  haveRect_ = false;
  changed_.clear();
}

void AreaWatch::Schedule() {
  if (!timer_.isActive()) timer_.start();
}

void AreaWatch::OnChange(const WorkAreaChange& change) {
  if (change.kind == ChangeKind::Attributes) return;
  Schedule();
  if (whole_) return;
  if (change.kind == ChangeKind::Cleared || changed_.size() + change.ids.size() > kMostPartialEntities) {
    whole_ = true;
    changed_.clear();
    return;
  }
  for (const int32_t id : change.ids) {
    // Where the entity was drawn; its new place is read when the view
    // repaints, after the last change of this turn.
    if (!changed_.emplace(change.area, change.entityType, id).second) continue;
    QRectF drawn;
    if (drawnExtent_(change.area, change.entityType, id, &drawn)) {
      Unite(rect_, haveRect_, Widened(drawn, StyleReach(change.area, change.entityType, id)));
    } else if (change.kind != ChangeKind::Appended) {
      whole_ = true;
      changed_.clear();
      return;
    }
  }
}

// A changed arc of a region area changes the regions that use it only
// between its old and new places, which the arc's extents cover.
void AreaWatch::Fire() {
  Repaint repaint;
  if (!whole_) {
    for (const auto& [area, type, id] : changed_) {
      QRectF now;
      if (display::EntityExtent(area, type, id, &now)) Unite(rect_, haveRect_, Widened(now, StyleReach(area, type, id)));
    }
    repaint.whole = false;
    repaint.rect = rect_;
    if (!haveRect_) {
      Discard();
      return;
    }
  }
  Discard();
  repaint_(repaint);
}

}  // namespace zv

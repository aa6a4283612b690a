#include "views/snap/snap_search.h"

#include <cmath>
#include <limits>
#include <vector>

#include "common/line_intersection.h"
#include "common/segment_tests.h"
#include "common/snapped_point.h"
#include "common/tool_geometry.h"
#include "platform/data/geometry.h"
#include "platform/editors/nearest.h"

namespace zv::snap {
namespace {

// The colour of each kind; other numbers grey.
constexpr Rgb kColours[] = {{125, 125, 125}, {255, 0, 0},   {0, 255, 0},    {0, 0, 255},
                            {255, 100, 0},   {255, 0, 100}, {255, 100, 100}};

// A line as the walk knows it: its area and id.
struct LineRef {
  WorkAreaHandle area = 0;
  int32_t id = 0;
  explicit operator bool() const { return id != 0; }
  friend bool operator==(const LineRef&, const LineRef&) = default;
};

// The walk's running state over every line it reads.
struct Walk {
  const D_DOT& p;
  const D_DOT& previous;
  LineCandidates result;
  double vertexDistance = kSnapStartDistance;
  double segmentDistance = kSnapStartDistance;
  LineRef nearest, second;

  void Visit(const LineRef& line, const std::vector<D_DOT>& v) {
    for (std::size_t i = 0; i < v.size(); ++i) {
      const double dv = BasPointDistance(v[i], p);
      if (dv < vertexDistance) {
        vertexDistance = dv;
        result.found[kCandVertex] = true;
        result.point[kCandVertex] = v[i];
      }
      if (i + 1 == v.size() || !IsPerpendicularFootInside(p, v[i], v[i + 1])) continue;
      const D_DOT foot = PerpendicularFoot(p, v[i], v[i + 1]);
      const double ds = BasPointDistance(foot, p);
      if (!(ds < segmentDistance)) continue;
      segmentDistance = ds;
      result.found[kCandNearest] = true;
      result.point[kCandNearest] = foot;
      result.found[kCandMidpoint] = true;
      result.point[kCandMidpoint] = {(v[i].x + v[i + 1].x) / 2, (v[i].y + v[i + 1].y) / 2};
      result.found[kCandPerpendicular] = IsPerpendicularFootInside(previous, v[i], v[i + 1]);
      if (result.found[kCandPerpendicular]) result.point[kCandPerpendicular] = PerpendicularFoot(previous, v[i], v[i + 1]);
      if (!(line == nearest)) second = nearest;
      nearest = line;
    }
  }

  void Crossing() {
    std::vector<D_DOT> a, b;
    if (!nearest || !second || !BasReadLine(nearest.area, nearest.id, &a, nullptr) ||
        !BasReadLine(second.area, second.id, &b, nullptr))
      return;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
      for (std::size_t j = 0; j + 1 < b.size(); ++j) {
        if (!SegmentsIntersect(a[i].x, a[i].y, a[i + 1].x, a[i + 1].y, b[j].x, b[j].y, b[j + 1].x, b[j + 1].y))
          continue;
        const D_DOT x = LineIntersection(a[i], a[i + 1], b[j], b[j + 1]);
        const double d = BasPointDistance(x, p);
        if (d < best || !result.found[kCandCrossing]) {
          best = d;
          result.found[kCandCrossing] = true;
          result.point[kCandCrossing] = x;
        }
      }
  }
};

bool LineAreaWithLines(WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  return BasGetWorkAreaType(area) == kLineArea && BasGetLineCount(area, &live, &bound) && live > 0;
}

}  // namespace

bool SnapSwitches::Any() const {
  for (uint8_t s : on)
    if (s) return true;
  return false;
}

double SnapTolerance(double displayRate) { return 8.0 / displayRate; }

Rgb SnapColour(int16_t kind) { return kind >= 1 && kind <= 6 ? kColours[kind] : kColours[0]; }

bool IsPerpendicularFootInside(const D_DOT& q, const D_DOT& a, const D_DOT& b) { return FootPosition(q, a, b) == 0; }

D_DOT PerpendicularFoot(const D_DOT& q, const D_DOT& a, const D_DOT& b) {
  const double abx = b.x - a.x, aby = b.y - a.y;
  const double len2 = abx * abx + aby * aby;
  if (len2 == 0) return a;
  const double t = ((q.x - a.x) * abx + (q.y - a.y) * aby) / len2;
  return {a.x + t * abx, a.y + t * aby};
}

LineCandidates FindLineCandidates(std::span<const WorkAreaHandle> areas, const D_DOT& p, const D_DOT& previous,
                                  LineIndexes* indexes) {
  Walk walk{p, previous};
  std::vector<D_DOT> vertices;
  std::vector<int32_t> ids;
  for (WorkAreaHandle area : areas) {
    if (BasGetWorkAreaType(area) != kLineArea) continue;
    if (indexes) {
      indexes->Of(area).LinesNear(p, kSnapStartDistance, &ids);
    } else {
      int32_t live = 0, bound = 0;
      BasGetLineCount(area, &live, &bound);
      ids.clear();
      for (int32_t id = 1; id < bound; ++id) ids.push_back(id);
    }
    for (int32_t id : ids)
      if (BasReadLine(area, id, &vertices, nullptr)) walk.Visit({area, id}, vertices);
  }
  walk.Crossing();
  return walk.result;
}

std::optional<SnapMarker> SnapEngine::marker() const {
  if (!shown_) return std::nullopt;
  return marker_;
}

SnapEngine::MoveResult SnapEngine::Move(const D_DOT& p, double tolerance, std::span<const WorkAreaHandle> areas) {
  MoveResult out;
  if (!switches_.Any()) return out;
  const auto& on = switches_.on;

  // Point entities: the nearest over the point areas.
  int32_t pointId = 0;
  WorkAreaHandle pointArea = 0;
  double pointDistance = 1e6;
  bool lines = false;
  for (WorkAreaHandle area : areas) {
    if (BasGetWorkAreaType(area) == kPointArea) {
      const NearestHit hit = NearestPoint(area, p);
      if (hit && hit.distance < pointDistance) pointId = hit.id, pointArea = area, pointDistance = hit.distance;
    }
    lines = lines || LineAreaWithLines(area);
  }

  bool chosen = false;
  D_DOT target{};
  if (pointDistance < tolerance || lines) {
    const LineCandidates c = FindLineCandidates(areas, p, previous_, useIndex_ ? &indexes_ : nullptr);
    double best = kSnapStartDistance;
    auto consider = [&](bool use, const D_DOT& at, double distance, int16_t kind) {
      if (!use || !(distance < best)) return;
      best = distance;
      target = at;
      kind_ = kind;
      chosen = true;
    };
    D_DOT pointAt{};
    if (on[kSwitchPointEntity] && pointId && pointDistance < kSnapStartDistance &&
        BasReadPointPos(pointArea, pointId, &pointAt))
      consider(true, pointAt, pointDistance, kSnapPointEntity);
    struct Step {
      int switchIndex;
      LineCandidate candidate;
      SnapKind kind;
    };
    constexpr Step kSteps[] = {{kSwitchVertex, kCandVertex, kSnapVertex},
                               {kSwitchNearest, kCandNearest, kSnapNearest},
                               {kSwitchCrossing, kCandCrossing, kSnapCrossing},
                               {kSwitchPerpendicular, kCandPerpendicular, kSnapPerpendicular},
                               {kSwitchMidpoint, kCandMidpoint, kSnapMidpoint}};
    for (const Step& s : kSteps)
      consider(on[s.switchIndex] && c.found[s.candidate], c.point[s.candidate],
               BasPointDistance(c.point[s.candidate], p), s.kind);
    if (chosen && BasPointDistance(target, p) < tolerance && !shown_) {
      marker_ = {target, kind_};
      shown_ = true;
      out.draw = marker_;
    }
  }
  // The marker goes when the cursor leaves it or the target moved on.
  if (shown_ && (BasPointDistance(p, marker_.at) >= tolerance ||
                 (chosen && BasPointDistance(target, marker_.at) > tolerance * 0.001))) {
    out.erase = marker_;
    shown_ = false;
  }
  return out;
}

std::optional<D_DOT> SnapEngine::Press(const D_DOT& q, double tolerance) {
  if (!switches_.Any() || !shown_ || !(BasPointDistance(q, marker_.at) < tolerance)) return std::nullopt;
  SnappedPoint = marker_.at;
  SnapState = kSnapWaiting;
  previous_ = marker_.at;
  return marker_.at;
}

}  // namespace zv::snap

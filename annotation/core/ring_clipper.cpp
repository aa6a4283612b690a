#include "annotation/core/ring_clipper.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/data/geometry.h"

namespace zv::annot {

namespace {

// A segment's crossings count within this fraction of either segment's
// length beyond its ends (the parameter tolerance of IntersectSegments),
// and a little more.
constexpr double kParameterReach = 2e-8;
// Rounding of a projection, relative to the coordinates' size; far above
// any ring's "on" distance.
constexpr double kRelativeSlack = 1e-9;
// A direction within this sine of a band set's own uses that set.
constexpr double kSameDirection = 1e-3;
constexpr std::size_t kMostBandSets = 8;

double Dot(const D_DOT& n, const D_DOT& p) { return n.x * p.x + n.y * p.y; }

}  // namespace

// Edge ids in bands of their projection on a unit normal; a band lists its
// ids in increasing order.
class EdgeBands {
 public:
  struct Range {
    double lo, hi;  // lo > hi leaves the edge out
  };

  EdgeBands(const D_DOT& normal, const std::vector<Range>& ranges) : normal_(normal) {
    double span = 0;
    std::size_t count = 0;
    for (const Range& r : ranges) {
      if (!(r.lo <= r.hi)) continue;
      least_ = std::min(least_, r.lo);
      most_ = std::max(most_, r.hi);
      span += r.hi - r.lo;
      ++count;
    }
    if (count == 0) return;
    // As many bands as edges, fewer when long edges would each fill many.
    const double width = most_ - least_;
    double bands = static_cast<double>(count);
    if (span > 0) bands = std::min(bands, 3.0 * static_cast<double>(count) * width / span);
    bands_ = static_cast<std::size_t>(std::clamp(bands, 1.0, static_cast<double>(count)));
    height_ = width / static_cast<double>(bands_);
    if (!(height_ > 0) || !std::isfinite(height_)) {
      bands_ = 1;
      height_ = 1;
    }
    start_.assign(bands_ + 1, 0);
    for (const Range& r : ranges)
      if (r.lo <= r.hi)
        for (std::size_t b = Band(r.lo); b <= Band(r.hi); ++b) ++start_[b + 1];
    for (std::size_t b = 0; b < bands_; ++b) start_[b + 1] += start_[b];
    ids_.resize(start_[bands_]);
    std::vector<std::size_t> next(start_.begin(), start_.end() - 1);
    for (std::size_t id = 0; id < ranges.size(); ++id)
      if (ranges[id].lo <= ranges[id].hi)
        for (std::size_t b = Band(ranges[id].lo); b <= Band(ranges[id].hi); ++b) ids_[next[b]++] = static_cast<uint32_t>(id);
  }

  const D_DOT& Normal() const { return normal_; }

  // The ids of every edge whose range meets [lo, hi], increasing.
  void Collect(double lo, double hi, std::vector<uint32_t>& out) const {
    out.clear();
    if (bands_ == 0 || hi < least_ || lo > most_) return;
    const std::size_t first = Band(lo), last = Band(hi);
    for (std::size_t b = first; b <= last; ++b) out.insert(out.end(), ids_.begin() + start_[b], ids_.begin() + start_[b + 1]);
    if (first == last) return;
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }

 private:
  // Never decreasing in v, so a value within a range falls within its bands.
  std::size_t Band(double v) const {
    if (!(v > least_)) return 0;
    if (!(v < most_)) return bands_ - 1;
    return std::min(bands_ - 1, static_cast<std::size_t>((v - least_) / height_));
  }

  D_DOT normal_;
  double least_ = std::numeric_limits<double>::infinity();
  double most_ = -std::numeric_limits<double>::infinity();
  std::size_t bands_ = 0;
  double height_ = 1;
  std::vector<std::size_t> start_;
  std::vector<uint32_t> ids_;
};

RingClipper::RingClipper(Rings rings) : rings_(std::move(rings)) {
  double scale = 1;
  for (uint32_t r = 0; r < rings_.size(); ++r) {
    const Ring& ring = rings_[r];
    tolerance_.push_back(BasPolygonOnTolerance(ring.data(), static_cast<int32_t>(ring.size())));
    for (uint32_t i = 0; i < ring.size(); ++i) {
      edges_.push_back({r, i});
      scale = std::max({scale, std::fabs(ring[i].x), std::fabs(ring[i].y)});
    }
  }
  slack_ = kRelativeSlack * scale;
  // A point's side counts the edges a horizontal ray may cross or that may
  // lie within a ring's "on" distance; rings of fewer than three vertices
  // count nothing.
  std::vector<EdgeBands::Range> ranges;
  ranges.reserve(edges_.size());
  for (const EdgeRef& e : edges_) {
    const Ring& ring = rings_[e.ring];
    const D_DOT& p = ring[e.to == 0 ? ring.size() - 1 : e.to - 1];
    const D_DOT& q = ring[e.to];
    const double grow = tolerance_[e.ring] + slack_;
    if (ring.size() < 3) ranges.push_back({1, 0});
    else ranges.push_back({std::min(p.y, q.y) - grow, std::max(p.y, q.y) + grow});
  }
  sides_ = std::make_unique<EdgeBands>(D_DOT{0, 1}, ranges);
}

RingClipper::~RingClipper() = default;

const EdgeBands& RingClipper::BandsAcross(const D_DOT& a, const D_DOT& b) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const D_DOT normal{-(b.y - a.y) / length, (b.x - a.x) / length};
  const EdgeBands* best = nullptr;
  double bestSine = HUGE_VAL;
  for (const auto& bands : crossings_) {
    const D_DOT& n = bands->Normal();
    const double sine = std::fabs(n.x * normal.y - n.y * normal.x);
    if (sine < bestSine) {
      bestSine = sine;
      best = bands.get();
    }
  }
  if (best && (bestSine <= kSameDirection || crossings_.size() >= kMostBandSets)) return *best;
  // Only edges between consecutive vertices cross: the closing edge of a
  // ring is no edge of it.
  std::vector<EdgeBands::Range> ranges;
  ranges.reserve(edges_.size());
  for (const EdgeRef& e : edges_) {
    if (e.to == 0) {
      ranges.push_back({1, 0});
      continue;
    }
    const D_DOT& p = rings_[e.ring][e.to - 1];
    const D_DOT& q = rings_[e.ring][e.to];
    const double grow = kParameterReach * std::hypot(q.x - p.x, q.y - p.y) + slack_;
    const double u = Dot(normal, p), v = Dot(normal, q);
    ranges.push_back({std::min(u, v) - grow, std::max(u, v) + grow});
  }
  crossings_.push_back(std::make_unique<EdgeBands>(normal, ranges));
  return *crossings_.back();
}

Along RingClipper::Splits(const D_DOT& a, const D_DOT& b, bool vertices) {
  const EdgeBands& bands = BandsAcross(a, b);
  const double u = Dot(bands.Normal(), a), v = Dot(bands.Normal(), b);
  const double size = std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
  const double grow = kParameterReach * std::hypot(b.x - a.x, b.y - a.y) + std::max(slack_, kRelativeSlack * size);
  std::vector<uint32_t>& ids = scratch_;
  bands.Collect(std::min(u, v) - grow, std::max(u, v) + grow, ids);

  Along along = {{0.0, a}, {1.0, b}};
  std::vector<uint32_t> near;
  for (std::size_t k = 0; k < ids.size();) {
    const uint32_t r = edges_[ids[k]].ring;
    const Ring& ring = rings_[r];
    near.clear();
    for (; k < ids.size() && edges_[ids[k]].ring == r; ++k) {
      const uint32_t to = edges_[ids[k]].to;
      AddEdgeCrossing(along, ring, to, a, b);
      if (near.empty() || near.back() != to - 1) near.push_back(to - 1);
      near.push_back(to);
    }
    if (vertices)
      for (const uint32_t i : near) AddVertexOn(along, ring[i], tolerance_[r], a, b);
  }
  return along;
}

std::vector<Segment> RingClipper::Stretches(const D_DOT& a, const D_DOT& b) {
  return StretchesBySearch(a, b, {[&](bool vertices) { return Splits(a, b, vertices); },
                                  [&](const D_DOT& p) { return Side(p); }});
}

RingSide RingClipper::Side(const D_DOT& p) const {
  sides_->Collect(p.y, p.y, sideScratch_);
  bool inside = false;
  for (const uint32_t id : sideScratch_) {
    const Ring& ring = rings_[edges_[id].ring];
    const uint32_t i = edges_[id].to;
    const D_DOT& a = ring[i == 0 ? ring.size() - 1 : i - 1];
    const D_DOT& b = ring[i];
    if (BasPointToSegmentDistance(p, a, b) <= tolerance_[edges_[id].ring]) return RingSide::kOn;
    if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) inside = !inside;
  }
  return inside ? RingSide::kInside : RingSide::kOutside;
}

}  // namespace zv::annot

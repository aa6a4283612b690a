#include "platform/tin/tin_contours.h"

#include <algorithm>
#include <cmath>

#include "platform/tin/tin_edges.h"

namespace zv::tin {
namespace {

// Where the level crosses the edge between corners p and q of the TIN.
D_DOT Crossing(const Tin& tin, int32_t p, int32_t q, double level) {
  const TinPoint& a = tin.points()[std::min(p, q)];
  const TinPoint& b = tin.points()[std::max(p, q)];
  const double t = (level - a.z) / (b.z - a.z);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

class LevelTracer {
 public:
  LevelTracer(const Tin& tin, const std::vector<Neighbours>& neighbours, std::vector<uint32_t>& seen, uint32_t stamp)
      : tin_(tin), neighbours_(neighbours), seen_(seen), stamp_(stamp) {}

  void Trace(double level, std::vector<ContourLine>& out) {
    level_ = level;
    for (int32_t t = 0; t < static_cast<int32_t>(tin_.triangles().size()); ++t) {
      std::array<int, 2> crossed;
      if (seen_[t] == stamp_ || !CrossedEdges(t, crossed)) continue;
      ContourLine line = Follow(t, crossed);
      // A level that only touches the surface at a corner makes no line.
      if (line.points.size() >= 2) out.push_back(std::move(line));
    }
  }

 private:
  bool Above(int32_t corner) const { return tin_.points()[corner].z >= level_; }

  // The two edges of triangle t that the level crosses; false when it
  // crosses none.
  bool CrossedEdges(int32_t t, std::array<int, 2>& edges) const {
    const Triangle& tri = tin_.triangles()[t];
    int n = 0;
    for (int e = 0; e < 3; ++e)
      if (Above(tri[e]) != Above(tri[(e + 1) % 3])) edges[n++] = e;
    return n == 2;
  }

  D_DOT PointOn(int32_t t, int edge) const {
    const Triangle& tri = tin_.triangles()[t];
    return Crossing(tin_, tri[edge], tri[(edge + 1) % 3], level_);
  }

  std::array<int32_t, 2> EdgeKey(int32_t t, int edge) const {
    const Triangle& tri = tin_.triangles()[t];
    const int32_t a = tri[edge], b = tri[(edge + 1) % 3];
    return {std::min(a, b), std::max(a, b)};
  }

  static void Add(std::vector<D_DOT>& points, const D_DOT& p) {
    if (points.empty() || points.back().x != p.x || points.back().y != p.y) points.push_back(p);
  }

  // Walks from triangle `start` out through `exit`, adding each crossing
  // point; returns where it stopped: the start again (closed) or a boundary.
  struct Stop {
    bool closed;
    int32_t triangle;
    int edge;
  };
  Stop Walk(int32_t start, int exit, std::vector<D_DOT>& points) {
    int32_t t = start;
    for (;;) {
      Add(points, PointOn(t, exit));
      const int32_t next = neighbours_[t][exit];
      if (next < 0) return {false, t, exit};
      if (next == start) return {true, t, exit};
      if (seen_[next] == stamp_) return {false, t, exit};  // cannot happen on a sound TIN
      seen_[next] = stamp_;
      const int entry = EdgeToward(neighbours_, next, t);
      std::array<int, 2> crossed;
      if (!CrossedEdges(next, crossed)) return {false, t, exit};
      exit = crossed[0] == entry ? crossed[1] : crossed[0];
      t = next;
    }
  }

  ContourLine Follow(int32_t t, const std::array<int, 2>& crossed) {
    seen_[t] = stamp_;
    ContourLine line;
    line.level = level_;
    std::vector<D_DOT> forward{PointOn(t, crossed[0])};
    const Stop end = Walk(t, crossed[1], forward);
    if (end.closed) {
      line.closed = true;
      line.points = std::move(forward);
      if (line.points.size() > 1 &&
          (line.points.back().x != line.points.front().x || line.points.back().y != line.points.front().y))
        line.points.push_back(line.points.front());
      return line;
    }
    std::vector<D_DOT> backward;
    const Stop begin = Walk(t, crossed[0], backward);
    // backward starts with forward's first point; drop it and reverse.
    std::reverse(backward.begin(), backward.end());
    for (const D_DOT& p : backward) Add(line.points, p);
    for (const D_DOT& p : forward) Add(line.points, p);
    line.startEdge = EdgeKey(begin.triangle, begin.edge);
    line.endEdge = EdgeKey(end.triangle, end.edge);
    return line;
  }

  const Tin& tin_;
  const std::vector<Neighbours>& neighbours_;
  std::vector<uint32_t>& seen_;
  uint32_t stamp_;
  double level_ = 0;
};

}  // namespace

LevelChoice ContourLevels(double lowest, double interval, double zMin, double zMax) {
  LevelChoice choice;
  if (!(interval > 0) || !std::isfinite(interval) || !std::isfinite(lowest)) {
    choice.error = "等值线间距必须大于0";
    return choice;
  }
  const double first = std::max(0.0, std::ceil((zMin - lowest) / interval));
  const double last = std::floor((zMax - lowest) / interval);
  // Beyond 2^53 steps from the lowest level the level numbers no longer
  // differ by one: the levels could be neither counted nor told apart.
  constexpr double kExactSteps = 9007199254740992.0;
  if (!(first < kExactSteps) || !(last < kExactSteps)) {
    choice.error = "最低等值线离高程范围太远，请修改最低等值线或间距";
    return choice;
  }
  if (last < first) return choice;
  if (last - first + 1 > static_cast<double>(kMaxContourLevels)) {
    choice.error = "等值线条数太多，请加大等值线间距";
    return choice;
  }
  const auto count = static_cast<int64_t>(last - first) + 1;
  for (int64_t k = 0; k < count; ++k) choice.levels.push_back(lowest + (first + static_cast<double>(k)) * interval);
  return choice;
}

std::vector<ContourLine> TraceContours(const Tin& tin, std::span<const double> levels) {
  std::vector<ContourLine> lines;
  if (tin.triangles().empty()) return lines;
  const std::vector<Neighbours> neighbours = TriangleNeighbours(tin);
  std::vector<uint32_t> seen(tin.triangles().size(), 0);
  uint32_t stamp = 0;
  for (double level : levels) {
    LevelTracer(tin, neighbours, seen, ++stamp).Trace(level, lines);
  }
  return lines;
}

}  // namespace zv::tin

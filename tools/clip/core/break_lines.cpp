#include "tools/clip/core/break_lines.h"

#include <algorithm>

#include "common/line_intersection.h"
#include "common/segment_tests.h"
#include "platform/data/attributes.h"
#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

bool Crosses(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2) {
  return SegmentsCross(a1.x, a1.y, a2.x, a2.y, b1.x, b1.y, b2.x, b2.y);
}

bool Same(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

// Builds pieces vertex by vertex; a cut closes the piece when it is long
// enough and starts the next one at the cut.
class PieceBuilder {
 public:
  void Add(const D_DOT& p) {
    if (piece_.empty() || !Same(piece_.back(), p)) piece_.push_back(p);
  }
  void CutAt(const D_DOT& p) {
    Add(p);
    if (piece_.size() < 2 || BasPolylineLength(piece_) < kShortestPiece) return;
    pieces_.push_back(std::move(piece_));
    piece_ = {p};
  }
  std::vector<Polyline> Finish() {
    if (piece_.size() >= 2 && (pieces_.empty() || BasPolylineLength(piece_) >= kShortestPiece)) {
      pieces_.push_back(std::move(piece_));
    } else if (!pieces_.empty()) {
      // A last stretch too short to stand alone ends the piece before it.
      for (std::size_t i = 1; i < piece_.size(); ++i)
        if (!Same(pieces_.back().back(), piece_[i])) pieces_.back().push_back(piece_[i]);
    }
    return std::move(pieces_);
  }

 private:
  Polyline piece_;
  std::vector<Polyline> pieces_;
};

double Distance2(const D_DOT& a, const D_DOT& b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

// The crossings of segment a–b with the given segments, ordered from a.
template <typename Each>
std::vector<D_DOT> CrossingsAlong(const D_DOT& a, const D_DOT& b, Each&& each) {
  std::vector<D_DOT> found;
  each([&](const D_DOT& c1, const D_DOT& c2) {
    if (Crosses(c1, c2, a, b)) found.push_back(SegmentIntersectionPoint(c1, c2, a, b));
  });
  std::stable_sort(found.begin(), found.end(),
                   [&](const D_DOT& p, const D_DOT& q) { return Distance2(a, p) < Distance2(a, q); });
  return found;
}

}  // namespace

std::vector<Polyline> CutAtCrossings(const Polyline& line, const Polyline& cutter) {
  if (line.size() < 2) return {line};
  PieceBuilder builder;
  for (std::size_t i = 1; i < line.size(); ++i) {
    builder.Add(line[i - 1]);
    const std::vector<D_DOT> crossings = CrossingsAlong(line[i - 1], line[i], [&](auto&& visit) {
      for (std::size_t k = 1; k < cutter.size(); ++k) visit(cutter[k - 1], cutter[k]);
    });
    for (const D_DOT& x : crossings) builder.CutAt(x);
  }
  builder.Add(line.back());
  return builder.Finish();
}

std::vector<Polyline> CutAtNodes(const Polyline& line, const D_RECT& window) {
  if (line.size() < 2) return {line};
  const std::size_t segments = line.size() - 1;
  // The node list: the vertices with the self-crossings that lie inside
  // their segments, each run ordered from the segment's start.
  Polyline nodes;
  std::vector<D_DOT> crossings;
  for (std::size_t i = 0; i < segments; ++i) {
    const D_DOT& a = line[i];
    const D_DOT& b = line[i + 1];
    nodes.push_back(a);
    const std::vector<D_DOT> found = CrossingsAlong(a, b, [&](auto&& visit) {
      for (std::size_t j = 0; j < segments; ++j)
        if (j + 1 < i || j > i + 1) visit(line[j], line[j + 1]);
    });
    for (const D_DOT& x : found) {
      if (BasPointDistance(x, a) * BasPointDistance(x, b) < 0.00001) continue;
      crossings.push_back(x);
      nodes.push_back(x);
    }
  }
  nodes.push_back(line.back());
  auto nearCrossing = [&](const D_DOT& p) {
    return std::any_of(crossings.begin(), crossings.end(),
                       [&](const D_DOT& x) { return BasPointDistance(p, x) < kShortestPiece; });
  };
  PieceBuilder builder;
  builder.Add(nodes.front());
  for (std::size_t k = 1; k + 1 < nodes.size(); ++k) {
    if (BasPointInRect(window, nodes[k])) {
      builder.CutAt(nodes[k]);
    } else if (!nearCrossing(nodes[k])) {
      builder.Add(nodes[k]);
    }
  }
  builder.Add(nodes.back());
  return builder.Finish();
}

std::vector<int32_t> LinesCrossedBy(WorkAreaHandle area, const Polyline& cutter, int32_t skip) {
  std::vector<int32_t> ids;
  int32_t live = 0, bound = 0;
  if (cutter.size() < 2 || !BasGetLineCount(area, &live, &bound)) return ids;
  D_RECT box{};
  BasVerticesRect(cutter.data(), static_cast<int32_t>(cutter.size()), &box);
  Polyline vertices;
  for (int32_t id = 1; id < bound; ++id) {
    if (id == skip || !BasReadLine(area, id, &vertices, nullptr) || vertices.size() < 2) continue;
    D_RECT r{};
    BasVerticesRect(vertices.data(), static_cast<int32_t>(vertices.size()), &r);
    if (r.xmax < box.xmin || r.xmin > box.xmax || r.ymax < box.ymin || r.ymin > box.ymax) continue;
    bool crossed = false;
    for (std::size_t i = 1; i < vertices.size() && !crossed; ++i)
      for (std::size_t k = 1; k < cutter.size() && !crossed; ++k)
        crossed = Crosses(cutter[k - 1], cutter[k], vertices[i - 1], vertices[i]);
    if (crossed) ids.push_back(id);
  }
  return ids;
}

std::vector<int32_t> ReplaceByPieces(GisUndo& undo, WorkAreaHandle area, int32_t source,
                                     const std::vector<Polyline>& pieces) {
  Polyline vertices;
  LIN_INFO info;
  if (!BasReadLine(area, source, &vertices, &info)) return {};
  const bool unchanged = pieces.size() == 1 && pieces.front().size() == vertices.size() &&
                         std::equal(vertices.begin(), vertices.end(), pieces.front().begin(), Same);
  if (pieces.empty() || unchanged) return {};
  AttributeRecord record;
  const bool hasRecord = BasReadAttribute(area, kLineEntity, source, &record) != 0;
  std::vector<int32_t> added;
  for (const Polyline& piece : pieces) {
    const int32_t id = BasAppendLine(area, piece, info);
    if (id == 0) continue;
    if (hasRecord) BasWriteAttribute(area, kLineEntity, id, record);
    added.push_back(id);
  }
  undo.PushList(area, kLineEntity, &source, 1, GisUndo::kDeleted);
  BasDeleteLine(area, source);
  if (!added.empty()) undo.PushList(area, kLineEntity, added, GisUndo::kAppended);
  return added;
}

}  // namespace zv::tools

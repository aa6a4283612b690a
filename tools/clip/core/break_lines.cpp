#include "tools/clip/core/break_lines.h"

#include <algorithm>
#include <set>

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
  if (cutter.size() < 2) return ids;
  D_RECT box{};
  BasVerticesRect(cutter.data(), static_cast<int32_t>(cutter.size()), &box);
  // Only the lines whose box meets the cutter's are read: most lines of a map
  // lie away from it.
  std::vector<int32_t> near;
  if (!BasGetLinesMeetingRect(area, box, &near)) return ids;
  Polyline vertices;
  for (int32_t id : near) {
    if (id == skip || !BasReadLine(area, id, &vertices, nullptr) || vertices.size() < 2) continue;
    bool crossed = false;
    for (std::size_t i = 1; i < vertices.size() && !crossed; ++i)
      for (std::size_t k = 1; k < cutter.size() && !crossed; ++k)
        crossed = Crosses(cutter[k - 1], cutter[k], vertices[i - 1], vertices[i]);
    if (crossed) ids.push_back(id);
  }
  return ids;
}

std::vector<std::vector<int32_t>> ReplaceByPieces(GisUndo& undo, WorkAreaHandle area,
                                                  const std::vector<LinePieces>& lines) {
  std::vector<std::vector<int32_t>> added(lines.size());
  std::vector<std::size_t> changing;
  std::vector<int32_t> sources;
  std::set<int32_t> seen;
  Polyline vertices;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LinePieces& line = lines[i];
    if (line.pieces.empty() || !seen.insert(line.source).second || !BasReadLine(area, line.source, &vertices, nullptr))
      continue;
    const Polyline& first = line.pieces.front();
    if (line.pieces.size() == 1 && first.size() == vertices.size() && std::equal(vertices.begin(), vertices.end(), first.begin(), Same))
      continue;
    changing.push_back(i);
    sources.push_back(line.source);
  }
  if (sources.empty()) return added;
  undo.PushList(area, kLineEntity, sources, GisUndo::kDeleted);
  std::vector<int32_t> appended;
  for (const std::size_t i : changing) {
    const int32_t source = lines[i].source;
    LIN_INFO info;
    BasReadLineParam(area, source, &info);
    AttributeRecord record;
    const bool hasRecord = BasReadAttribute(area, kLineEntity, source, &record) != 0;
    for (const Polyline& piece : lines[i].pieces) {
      const int32_t id = BasAppendLine(area, piece, info);
      if (id == 0) continue;
      if (hasRecord) BasWriteAttribute(area, kLineEntity, id, record);
      added[i].push_back(id);
      appended.push_back(id);
    }
    BasDeleteLine(area, source);
  }
  if (!appended.empty()) undo.PushList(area, kLineEntity, appended, GisUndo::kAppended);
  return added;
}

std::vector<std::vector<int32_t>> BreakLinesAtCrossings(GisUndo& undo, WorkAreaHandle area,
                                                        const std::vector<int32_t>& ids, const Polyline& cutter) {
  std::vector<LinePieces> lines;
  Polyline vertices;
  for (const int32_t id : ids)
    lines.push_back({id, BasReadLine(area, id, &vertices, nullptr) ? CutAtCrossings(vertices, cutter)
                                                                   : std::vector<Polyline>{}});
  return ReplaceByPieces(undo, area, lines);
}

}  // namespace zv::tools

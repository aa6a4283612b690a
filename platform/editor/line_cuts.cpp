#include "platform/editor/line_cuts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/data/geometry.h"

namespace zv::editor {

namespace {

constexpr double kEndEpsilon = 1e-12;

bool Same(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

// The crossing of segments p1–p2 and q1–q2 with its parameters on each.
bool Cross(const D_DOT& p1, const D_DOT& p2, const D_DOT& q1, const D_DOT& q2, double* s, double* t) {
  const double rx = p2.x - p1.x, ry = p2.y - p1.y, qx = q2.x - q1.x, qy = q2.y - q1.y;
  const double denominator = rx * qy - ry * qx;
  if (std::abs(denominator) < 1e-15 * (std::abs(rx * qy) + std::abs(ry * qx) + 1e-300)) return false;
  const double wx = q1.x - p1.x, wy = q1.y - p1.y;
  *s = (wx * qy - wy * qx) / denominator;
  *t = (wx * ry - wy * rx) / denominator;
  return *s >= 0.0 && *s <= 1.0 && *t >= 0.0 && *t <= 1.0;
}

int32_t NewPiece(WorkAreaHandle area, int32_t line, const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  const int32_t id = BasCopyEntity(area, kLineEntity, line, area);
  if (id) BasUpdateLine(area, id, vertices, info);
  return id;
}

// Replaces the line by the pieces (first keeps the id), with undo.
std::vector<int32_t> Replace(GisUndo& undo, WorkAreaHandle area, int32_t line, const LIN_INFO& info,
                             std::vector<std::vector<D_DOT>> pieces) {
  std::erase_if(pieces, [](const std::vector<D_DOT>& p) { return p.size() < 2; });
  if (pieces.size() < 2) return {};
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  std::vector<int32_t> ids{line};
  for (std::size_t i = 1; i < pieces.size(); ++i)
    if (const int32_t id = NewPiece(area, line, pieces[i], info)) ids.push_back(id);
  BasUpdateLine(area, line, pieces[0], info);
  if (ids.size() > 1) undo.PushList(area, kLineEntity, ids.data() + 1, static_cast<int32_t>(ids.size() - 1), GisUndo::kAppended);
  return ids;
}

}  // namespace

bool NearestPlace(WorkAreaHandle area, int32_t line, const D_DOT& p, LinePlace* place) {
  std::vector<D_DOT> v;
  if (!BasReadLine(area, line, &v, nullptr) || v.size() < 2) return false;
  double best = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const D_DOT a = v[i], b = v[i + 1];
    const double lx = b.x - a.x, ly = b.y - a.y, l2 = lx * lx + ly * ly;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * lx + (p.y - a.y) * ly) / l2, 0.0, 1.0) : 0.0;
    const D_DOT at{a.x + t * lx, a.y + t * ly};
    const double d = BasPointDistance(at, p);
    if (d < best) {
      best = d;
      *place = {static_cast<int32_t>(i), t, at};
    }
  }
  return true;
}

std::vector<int32_t> CutLineAt(GisUndo& undo, WorkAreaHandle area, int32_t line, std::vector<LinePlace> places) {
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info) || v.size() < 2) return {};
  const int32_t last = static_cast<int32_t>(v.size()) - 2;
  // Cuts at the line's own ends cut nothing.
  std::erase_if(places, [&](const LinePlace& p) {
    return (p.segment == 0 && p.t <= kEndEpsilon) || (p.segment == last && p.t >= 1.0 - kEndEpsilon) ||
           p.segment < 0 || p.segment > last;
  });
  std::sort(places.begin(), places.end(),
            [](const LinePlace& a, const LinePlace& b) { return a.segment != b.segment ? a.segment < b.segment : a.t < b.t; });
  std::vector<std::vector<D_DOT>> pieces(1);
  std::size_t next = 0;
  for (int32_t s = 0; s <= last; ++s) {
    if (pieces.back().empty() || !Same(pieces.back().back(), v[static_cast<std::size_t>(s)]))
      pieces.back().push_back(v[static_cast<std::size_t>(s)]);
    for (; next < places.size() && places[next].segment == s; ++next) {
      if (!Same(pieces.back().back(), places[next].at)) pieces.back().push_back(places[next].at);
      pieces.push_back({places[next].at});
    }
  }
  if (!Same(pieces.back().back(), v.back())) pieces.back().push_back(v.back());
  std::erase_if(pieces, [](const std::vector<D_DOT>& p) { return p.size() < 2 || (p.size() == 2 && Same(p[0], p[1])); });
  return Replace(undo, area, line, info, std::move(pieces));
}

std::vector<int32_t> ClipLineAt(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p, bool keepPoint) {
  LinePlace place;
  if (!NearestPlace(area, line, p, &place)) return {};
  if (keepPoint) return CutLineAt(undo, area, line, {place});
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info)) return {};
  const auto cut = v.begin() + place.segment + 1;
  std::vector<D_DOT> before(v.begin(), cut), after(cut, v.end());
  if (before.size() >= 2 && after.size() >= 2) return Replace(undo, area, line, info, {before, after});
  // Cutting the end segment only shortens the line.
  std::vector<D_DOT>& rest = before.size() >= 2 ? before : after;
  if (rest.size() < 2) return {};
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  BasUpdateLine(area, line, rest, info);
  return {line};
}

bool ChainLines(GisUndo& undo, WorkAreaHandle area, int32_t a, int32_t b) {
  std::vector<D_DOT> va, vb;
  LIN_INFO info;
  if (a == b || !BasReadLine(area, a, &va, &info) || !BasReadLine(area, b, &vb, nullptr)) return false;
  // The pair of ends that lie nearest.
  const double d[4] = {BasPointDistance(va.back(), vb.front()), BasPointDistance(va.back(), vb.back()),
                       BasPointDistance(va.front(), vb.front()), BasPointDistance(va.front(), vb.back())};
  const int best = static_cast<int>(std::min_element(d, d + 4) - d);
  if (best >= 2) std::reverse(va.begin(), va.end());
  if (best == 1 || best == 3) std::reverse(vb.begin(), vb.end());
  if (Same(va.back(), vb.front())) vb.erase(vb.begin());
  const ENTITY_MSG both[] = {{area, kLineEntity, a}, {area, kLineEntity, b}};
  undo.PushSelGraphics(both, 2, GisUndo::kChanged, 1);
  va.insert(va.end(), vb.begin(), vb.end());
  BasUpdateLine(area, a, va, info);
  BasDeleteLine(area, b);
  return true;
}

int ClipAtIntersections(GisUndo& undo, WorkAreaHandle area, int32_t line, bool cutMother) {
  std::vector<D_DOT> mother;
  if (!BasReadLine(area, line, &mother, nullptr) || mother.size() < 2) return 0;
  D_RECT motherRect;
  BasVerticesRect(mother.data(), static_cast<int32_t>(mother.size()), &motherRect);
  std::vector<LinePlace> motherCuts;
  int cuts = 0;
  // Taken before any cut: the pieces appended meanwhile are not cut again.
  std::vector<int32_t> near;
  BasGetLinesMeetingRect(area, motherRect, &near);
  std::vector<D_DOT> other;
  for (const int32_t id : near) {
    if (id == line || !BasReadLine(area, id, &other, nullptr)) continue;
    std::vector<LinePlace> places;
    for (std::size_t i = 0; i + 1 < other.size(); ++i)
      for (std::size_t j = 0; j + 1 < mother.size(); ++j) {
        double s = 0, t = 0;
        if (!Cross(other[i], other[i + 1], mother[j], mother[j + 1], &s, &t)) continue;
        const D_DOT at{other[i].x + s * (other[i + 1].x - other[i].x), other[i].y + s * (other[i + 1].y - other[i].y)};
        places.push_back({static_cast<int32_t>(i), s, at});
        motherCuts.push_back({static_cast<int32_t>(j), t, at});
      }
    if (CutLineAt(undo, area, id, places).size() > 1) ++cuts;
  }
  if (cutMother && CutLineAt(undo, area, line, motherCuts).size() > 1) ++cuts;
  return cuts;
}

}  // namespace zv::editor

#include "exchange/dxf/dxf_hatches.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_bspline.h"
#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_geometry.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_layers.h"
#include "exchange/dxf/dxf_linear_readers.h"

namespace zv::dxf {
namespace {

constexpr int32_t kPathExternal = 1;
constexpr int32_t kPathPolyline = 2;
// Pattern sizes are the pattern scale times this.
constexpr double kPatternSizePerScale = 5.0;

enum class EdgeType { None = 0, Line = 1, Arc = 2, Ellipse = 3, Spline = 4 };

// One edge of an edge path as its groups come.
struct Edge {
  EdgeType type = EdgeType::None;
  std::optional<double> x1, y1, x2, y2, radiusOrRatio;
  double start = 0, end = 0;
  bool counterClockwise = true;
  std::optional<int32_t> controlCount;
  DxfBSpline spline;
  std::optional<double> pendingX;
};

// Points of an arc or elliptic edge in the direction the path runs.
DxfRegionArc CurvedEdge(const Edge& e) {
  DxfRegionArc arc;
  const double start = e.counterClockwise ? e.start : -e.end;
  const double end = e.counterClockwise ? e.end : -e.start;
  if (e.type == EdgeType::Arc) {
    ArcToPoints(*e.x1, *e.y1, *e.radiusOrRatio, start * kDegree, end * kDegree, arc.vertices);
  } else {
    EllipseArcByAngle(*e.x1, *e.y1, *e.x2, *e.y2, *e.radiusOrRatio, start, end, arc.vertices);
  }
  if (!e.counterClockwise) std::reverse(arc.vertices.begin(), arc.vertices.end());
  return arc;
}

// The edge as an arc of its ring; nothing when its defining groups are
// missing.
std::optional<DxfRegionArc> EdgeArc(const Edge& e) {
  switch (e.type) {
    case EdgeType::Line:
      if (!e.x1 || !e.y1 || !e.x2 || !e.y2) return std::nullopt;
      return DxfRegionArc{{{*e.x1, *e.y1}, {*e.x2, *e.y2}}, 0};
    case EdgeType::Arc:
      if (!e.x1 || !e.y1 || !e.radiusOrRatio) return std::nullopt;
      return CurvedEdge(e);
    case EdgeType::Ellipse:
      if (!e.x1 || !e.y1 || !e.x2 || !e.y2 || !e.radiusOrRatio) return std::nullopt;
      return CurvedEdge(e);
    case EdgeType::Spline:
      if (!e.controlCount || *e.controlCount < 2 || static_cast<std::size_t>(*e.controlCount) != e.spline.control.size())
        return std::nullopt;
      return DxfRegionArc{SampleBSpline(e.spline), 1};
    case EdgeType::None: break;
  }
  return std::nullopt;
}

// False for a ring that runs back along itself (or whose area overflows).
bool EnclosesArea(const DxfRing& ring) {
  std::vector<D_DOT> points;
  for (const DxfRegionArc& arc : ring) points.insert(points.end(), arc.vertices.begin(), arc.vertices.end());
  double twiceArea = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const D_DOT& a = points[i];
    const D_DOT& b = points[(i + 1) % points.size()];
    twiceArea += a.x * b.y - b.x * a.y;
  }
  return twiceArea != 0 && std::isfinite(twiceArea);
}

// One boundary path as its groups come.
class PathReader {
 public:
  explicit PathReader(int32_t flags) : flags_(flags) {}

  int32_t flags() const { return flags_; }

  void Take(int code, const std::string& value) {
    if (flags_ & kPathPolyline) TakePolyline(code, value);
    else TakeEdge(code, value);
  }

  // The ring, or nothing when the path is incomplete.
  std::optional<DxfRing> Finish() {
    DxfRing ring;
    if (flags_ & kPathPolyline) {
      if (!declared_ || static_cast<std::size_t>(*declared_) != vertices_.size() || pendingX_) return std::nullopt;
      ring.push_back({ExpandBulges(vertices_, true), 0});
    } else {
      FinishEdge();
      if (!declared_ || *declared_ != edgesRead_ || incomplete_) return std::nullopt;
      ring = std::move(edges_);
    }
    if (!EnclosesArea(ring)) return std::nullopt;
    return ring;
  }

 private:
  void TakePolyline(int code, const std::string& value) {
    switch (code) {
      case 93: declared_ = GroupInt(value); break;
      case 10:
        if (pendingX_) incomplete_ = true;
        pendingX_ = GroupDouble(value);
        break;
      case 20:
        if (!pendingX_) return;
        vertices_.push_back({*pendingX_, GroupDouble(value), 0});
        pendingX_.reset();
        break;
      case 42:
        if (!vertices_.empty()) vertices_.back().bulge = GroupDouble(value);
        break;
      default: break;
    }
  }

  void TakeEdge(int code, const std::string& value) {
    if (code == 93 && edge_.type == EdgeType::None && edgesRead_ == 0) {
      declared_ = GroupInt(value);
      return;
    }
    if (code == 72) {
      FinishEdge();
      edge_ = Edge{};
      const int type = GroupInt(value);
      edge_.type = type >= 1 && type <= 4 ? static_cast<EdgeType>(type) : EdgeType::None;
      if (edge_.type == EdgeType::None) incomplete_ = true;
      ++edgesRead_;
      return;
    }
    if (edge_.type == EdgeType::None) return;
    const double v = GroupDouble(value);
    if (edge_.type == EdgeType::Spline) {
      switch (code) {
        case 94: edge_.spline.degree = GroupInt(value); break;
        case 96: edge_.controlCount = GroupInt(value); break;
        case 40: edge_.spline.knots.push_back(v); break;
        case 42: edge_.spline.weights.push_back(v); break;
        case 10: edge_.pendingX = v; break;
        case 20:
          if (edge_.pendingX) edge_.spline.control.push_back({*edge_.pendingX, v});
          edge_.pendingX.reset();
          break;
        default: break;  // fit points and tangents
      }
      return;
    }
    switch (code) {
      case 10: edge_.x1 = v; break;
      case 20: edge_.y1 = v; break;
      case 11: edge_.x2 = v; break;
      case 21: edge_.y2 = v; break;
      case 40: edge_.radiusOrRatio = v; break;
      case 50: edge_.start = v; break;
      case 51: edge_.end = v; break;
      case 73: edge_.counterClockwise = GroupInt(value) != 0; break;
      default: break;
    }
  }

  void FinishEdge() {
    if (edge_.type == EdgeType::None) return;
    if (std::optional<DxfRegionArc> arc = EdgeArc(edge_)) edges_.push_back(std::move(*arc));
    else incomplete_ = true;
    edge_ = Edge{};
  }

  int32_t flags_;
  std::optional<int32_t> declared_;
  bool incomplete_ = false;
  // Polyline paths.
  std::vector<BulgeVertex> vertices_;
  std::optional<double> pendingX_;
  // Edge paths.
  Edge edge_;
  int32_t edgesRead_ = 0;
  DxfRing edges_;
};

// Where the groups of a HATCH are.
enum class HatchPart { Head, Paths, Tail };

bool EndsBoundaries(int code) { return code == 75 || code == 76 || code == 98 || code == 47 || code >= 450; }

void AddPath(DxfHatchRecord& record, std::optional<PathReader>& path) {
  if (!path) return;
  const bool external = (path->flags() & kPathExternal) != 0;
  if (std::optional<DxfRing> ring = path->Finish()) {
    if (external || record.regions.empty()) record.regions.emplace_back();
    record.regions.back().push_back(std::move(*ring));
  }
  path.reset();
}

}  // namespace

DxfHatchRecord ReadHatch(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfHatchRecord record;
  record.head.typeName = groups.value();
  HatchPart part = HatchPart::Head;
  std::optional<PathReader> path;
  while (groups.Next() && groups.code() != 0) {
    const int code = groups.code();
    if (part == HatchPart::Paths) {
      if (code == 92) {
        AddPath(record, path);
        path.emplace(GroupInt(groups.value()));
      } else if (EndsBoundaries(code)) {
        AddPath(record, path);
        part = HatchPart::Tail;
      } else if (path) {
        path->Take(code, groups.value());
      }
      continue;
    }
    if (ReadHeadGroup(record.head, groups, decoder, {.lineTypeName = false})) continue;
    switch (code) {
      case 2: record.head.nameText = decoder.Decode(groups.value()); break;
      case 70: record.solidFill = GroupInt(groups.value()); break;
      case 41: record.patternScale = GroupDouble(groups.value()); break;
      case 52: record.patternAngle = GroupDouble(groups.value()); break;
      case 91:
        if (part == HatchPart::Head) part = HatchPart::Paths;
        break;
      default: break;
    }
  }
  AddPath(record, path);
  return record;
}

DxfSolidRecord ReadSolid(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfSolidRecord record;
  record.head.typeName = groups.value();
  D_DOT corners[4] = {};
  bool hasFourth = false;
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    const int code = groups.code();
    const double v = GroupDouble(groups.value());
    if (code >= 10 && code <= 13) corners[code - 10].x = v;
    else if (code >= 20 && code <= 23) corners[code - 20].y = v;
    else if (code >= 30 && code <= 33) record.z = v;
    if (code == 13 || code == 23) hasFourth = true;
  }
  const D_DOT& third = corners[2];
  const D_DOT& fourth = corners[3];
  record.corners = {corners[0], corners[1]};
  if (hasFourth && (fourth.x != third.x || fourth.y != third.y)) record.corners.push_back(fourth);
  record.corners.push_back(third);
  return record;
}

void WriteHatch(const DxfHatchRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer) || record.regions.empty()) return;
  DxfRegionStyle style;
  style.rgb = EntityRgb(record.head, context);
  style.layerNumber = context.layerNumbers.Number(record.head.layer);
  style.setsPattern = true;
  style.pattern = 0;
  style.patternSize = static_cast<float>(record.patternAngle != 0 ? 0.0 : record.patternScale * kPatternSizePerScale);
  InObjectCoordinates(record.head, context, [&](DxfDrawContext& c) {
    for (const std::vector<DxfRing>& rings : record.regions)
      c.sink.AppendRegion(rings, style, {record.head.nameText, record.head.layer, 0.0});
  });
}

void WriteSolid(const DxfSolidRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer) || record.corners.size() < 3) return;
  DxfRegionArc outline{record.corners, 0};
  outline.vertices.push_back(record.corners.front());
  const DxfRing ring{outline};
  DxfRegionStyle style;
  style.rgb = EntityRgb(record.head, context);
  style.layerNumber = context.layerNumbers.Number(record.head.layer);
  InObjectCoordinates(record.head, context, [&](DxfDrawContext& c) {
    c.sink.AppendRegion(std::span<const DxfRing>(&ring, 1), style, {record.head.nameText, record.head.layer, record.z});
  });
}

}  // namespace zv::dxf

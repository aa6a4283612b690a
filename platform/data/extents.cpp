// Entity rectangles, lengths and areas, moving and scaling a whole area, and
// the kinds of files by extension.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "platform/data/geometry.h"
#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

// The rectangle of the box (x, y) .. (x + w, y + h) turned by `degrees`
// about (x, y). A horizontal text sits on its position (the lower left corner
// of its first character, h > 0); vertical texts and text blocks hang from it
// (h < 0).
D_RECT TurnedBox(const D_DOT& at, double w, double h, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  const D_DOT corners[] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
  D_DOT turned[4];
  for (int i = 0; i < 4; ++i) {
    turned[i] = {at.x + corners[i].x * c - corners[i].y * s, at.y + corners[i].x * s + corners[i].y * c};
  }
  D_RECT rect{};
  BasVerticesRect(turned, 4, &rect);
  return rect;
}

D_RECT Around(const D_DOT& at, double halfWidth, double halfHeight) {
  return {at.x - halfWidth, at.y - halfHeight, at.x + halfWidth, at.y + halfHeight};
}

D_RECT PointRect(const detail::PointSlot& slot) {
  const PNT_INFO& info = slot.info;
  switch (info.kind()) {
    case 0: {
      const double units = text::WidthInCharUnits(slot.text);
      const double chars = static_cast<double>(text::CharacterCount(slot.text));
      const double spacing = info.charSpacing() * std::max(chars - 1, 0.0);
      const bool vertical = info.Get<uint8_t>(pnt::kArrangement) == 1;
      const double w = vertical ? info.charWidth() : info.charWidth() * units + spacing;
      const double h = vertical ? -(info.charHeight() * chars + spacing) : info.charHeight();
      return TurnedBox(slot.position, w, h, info.angle());
    }
    case 1: return Around(slot.position, std::abs(info.symbolWidth()) / 2, std::abs(info.symbolHeight()) / 2);
    case 2:
    case 3: return Around(slot.position, std::abs(info.radius()), std::abs(info.radius()));
    case 4:
      return TurnedBox(slot.position, info.Get<double>(pnt::kImageWidth), info.Get<double>(pnt::kImageHeight), 0);
    case 5:
      return TurnedBox(slot.position, info.Get<float>(pnt::kBoxWidth), -info.Get<float>(pnt::kBoxHeight), info.angle());
    default: return Around(slot.position, 0, 0);
  }
}

template <class Store>
const typename std::remove_cvref_t<decltype(std::declval<Store>().slots[0])>* LiveSlot(WorkAreaHandle handle, int entityType,
                                                                                     Store WorkArea::*member, int32_t id) {
  WorkArea* area = FindArea(handle);
  return area && area->Holds(entityType) ? (area->*member).Live(id) : nullptr;
}

}  // namespace

int BasGetPointRect(WorkAreaHandle handle, int32_t id, D_RECT* rect) {
  const auto* slot = LiveSlot(handle, kPointEntity, &WorkArea::points, id);
  if (!slot || !rect) return 0;
  *rect = PointRect(*slot);
  return 1;
}

int BasGetLineRect(WorkAreaHandle handle, int32_t id, D_RECT* rect) {
  const auto* slot = LiveSlot(handle, kLineEntity, &WorkArea::lines, id);
  if (!slot || !rect) return 0;
  return BasVerticesRect(slot->vertices.data(), static_cast<int32_t>(slot->vertices.size()), rect) ? 1 : 0;
}

int BasGetRegionRect(WorkAreaHandle handle, int32_t id, D_RECT* rect) {
  std::vector<std::vector<D_DOT>> rings;
  if (!rect || !BasGetRegionRings(handle, id, &rings) || rings.empty()) return 0;
  BasVerticesRect(rings[0].data(), static_cast<int32_t>(rings[0].size()), rect);
  return 1;
}

namespace detail {
namespace {

bool LineBox(const WorkArea& area, int32_t id, D_RECT* box) {
  const LineSlot* slot = area.lines.Live(id);
  return slot && BasVerticesRect(slot->vertices.data(), static_cast<int32_t>(slot->vertices.size()), box);
}

void BuildLineBoxes(WorkArea& area) {
  std::vector<std::pair<int32_t, D_RECT>> boxes;
  boxes.reserve(static_cast<std::size_t>(area.lines.live));
  D_RECT extent{};
  for (int32_t id = 1; id < area.lines.bound(); ++id) {
    D_RECT box;
    if (!LineBox(area, id, &box)) continue;
    if (boxes.empty()) extent = box; else UniteRect(extent, box);
    boxes.emplace_back(id, box);
  }
  area.lineBoxes.Start(extent, static_cast<int32_t>(boxes.size()));
  for (const auto& [id, box] : boxes) area.lineBoxes.Put(id, box);
}

}  // namespace

void KeepLineBoxes(WorkArea& area, ChangeKind kind, const std::vector<int32_t>& ids) {
  if (!area.lineBoxes.Built()) return;
  if (kind == ChangeKind::Cleared) {
    area.lineBoxes.Drop();
    return;
  }
  if (kind != ChangeKind::Appended && kind != ChangeKind::Updated && kind != ChangeKind::Deleted) return;
  for (int32_t id : ids) {
    D_RECT box;
    if (LineBox(area, id, &box)) area.lineBoxes.Put(id, box); else area.lineBoxes.Remove(id);
  }
}

}  // namespace detail

int BasGetLinesMeetingRect(WorkAreaHandle handle, const D_RECT& rect, std::vector<int32_t>* ids) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->HoldsLines() || !ids) return 0;
  if (!area->lineBoxes.Built() || area->lineBoxes.WantsRebuild()) detail::BuildLineBoxes(*area);
  *ids = area->lineBoxes.Meeting(rect);
  return 1;
}

int BasGetWorkAreaRect(WorkAreaHandle handle, D_RECT* rect) {
  WorkArea* area = FindArea(handle);
  if (!area || !rect) return 0;
  bool any = false;
  const auto add = [&](const D_RECT& r) {
    if (any) UniteRect(*rect, r); else *rect = r;
    any = true;
  };
  for (const auto& slot : area->points.slots) if (slot.live) add(PointRect(slot));
  for (const auto& slot : area->lines.slots) {
    D_RECT r;
    if (slot.live && BasVerticesRect(slot.vertices.data(), static_cast<int32_t>(slot.vertices.size()), &r)) add(r);
  }
  return any ? 1 : 0;
}

double BasGetLineLength(WorkAreaHandle handle, int32_t id) {
  const auto* slot = LiveSlot(handle, kLineEntity, &WorkArea::lines, id);
  return slot ? BasPolylineLength(slot->vertices) : -1.0;
}

double BasRegionArea(WorkAreaHandle handle, int32_t id) {
  std::vector<std::vector<D_DOT>> rings;
  if (!BasGetRegionRings(handle, id, &rings)) return -1.0;
  double area = 0;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    const double a = std::abs(BasPolygonArea(rings[i].data(), static_cast<int32_t>(rings[i].size())));
    area += i == 0 ? a : -a;
  }
  return std::max(area, 0.0);
}

int BasTransformWorkArea(WorkAreaHandle handle, int operation, double a, double b) {
  WorkArea* area = FindArea(handle);
  if (!area || operation < kTransformMove || operation > kTransformScale) return 0;
  const double radians = a * std::numbers::pi / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const auto apply = [&](D_DOT& p) {
    if (operation == kTransformMove) p = {p.x + a, p.y + b};
    else if (operation == kTransformScale) p = {p.x * a, p.y * b};
    else p = {p.x * c - p.y * s, p.x * s + p.y * c};
  };
  std::vector<int32_t> points, lines;
  for (int32_t id = 1; id < area->points.bound(); ++id) {
    if (auto* slot = area->points.Live(id)) {
      apply(slot->position);
      points.push_back(id);
    }
  }
  for (int32_t id = 1; id < area->lines.bound(); ++id) {
    if (auto* slot = area->lines.Live(id)) {
      for (D_DOT& p : slot->vertices) apply(p);
      detail::RefreshMeasures(*area, kLineEntity, id);
      lines.push_back(id);
    }
  }
  std::vector<int32_t> regions;
  for (int32_t id = 1; id < area->regions.bound(); ++id) {
    if (area->regions.IsLive(id)) {
      detail::RefreshMeasures(*area, kRegionEntity, id);
      regions.push_back(id);
    }
  }
  // A listener may release the area: look it up again each time.
  std::pair<int, std::vector<int32_t>> changes[] = {
      {kPointEntity, std::move(points)}, {kLineEntity, std::move(lines)}, {kRegionEntity, std::move(regions)}};
  for (auto& [type, ids] : changes) {
    WorkArea* still = FindArea(handle);
    if (still && !ids.empty()) detail::NoteChange(*still, type, ChangeKind::Updated, std::move(ids));
  }
  return 1;
}

int BasGetFileKind(std::string_view path) {
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos) return -1;
  const std::string ext(path.substr(dot));
  constexpr std::pair<const char*, int> kKinds[] = {{".wl", 0}, {".wt", 1}, {".wp", 2}, {".mpj", 9}};
  for (const auto& [name, kind] : kKinds) if (paths::EqualsIgnoreCase(ext, name)) return kind;
  return -1;
}

const char* WorkAreaExtension(int type) {
  switch (type) {
    case kLineArea: return ".wl";
    case kPointArea: return ".wt";
    case kRegionArea: return ".wp";
    default: return "";
  }
}

}  // namespace zv

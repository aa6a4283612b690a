#include "zavediz/draw/overburden_passes.h"

#include <algorithm>
#include <cmath>

namespace zv::zavediz {
namespace {

constexpr double kSpanTolerance = 0.1;
constexpr double kArcTolerance = 0.001;

LineLook GroundLook(const ZavedizSheet& sheet) {
  return LineLook{1, 1, 0.2f, static_cast<uint8_t>(sheet.options.curve), 4.0f, 4.0f};
}

void EmitBaseRun(ZavedizSheet& sheet, const std::vector<D_DOT>& run) {
  // A run of one vertex (a named first record) outlines nothing.
  if (run.size() < 2) return;
  const LineLook look{2, 1, 0.1f, static_cast<uint8_t>(sheet.options.curve), 3.0f, 3.0f};
  if (sheet.WithOverburden()) sheet.out.AppendLookLine(run, look);
  const int32_t id = sheet.out.AppendArc(run, look);
  if (id > 0) sheet.overburdenArcs.push_back({id, run.front().x, run.back().x});
}

}  // namespace

bool ZavedizSheet::WithOverburden() const { return std::fabs(options.groundData) >= kSpanTolerance; }

void DrawOverburdenBase(ZavedizSheet& sheet) {
  const CPointRecList& terrain = sheet.data.terrain;
  const double thickness = sheet.options.groundData;
  std::vector<D_DOT> run;
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    const ProfilePoint p = ProfileAt(terrain, i);
    const D_DOT vertex{p.x, p.y - thickness};
    run.push_back(vertex);
    if (p.name.empty() && i < terrain.GetCount()) continue;
    EmitBaseRun(sheet, run);
    run.assign(1, vertex);
  }
}

void AppendOverburdenArcsWithin(const ZavedizSheet& sheet, double a, double b, std::vector<int32_t>& arcs) {
  for (const OverburdenArc& arc : sheet.overburdenArcs) {
    if (arc.firstX > a - kArcTolerance && arc.lastX < b + kArcTolerance) arcs.push_back(arc.id);
  }
}

std::vector<DesignTrenchRec> SortTrenches(const SectionData& data) {
  std::vector<DesignTrenchRec> trenches;
  for (const DesignTrenchRec& t : data.trenches) {
    const std::optional<ProfileStretch> on =
        t.inUse ? StretchOnProfile(data.terrain, t.startDistance, t.endDistance) : std::nullopt;
    if (!on) continue;
    trenches.push_back(t);
    trenches.back().startDistance = on->from;
    trenches.back().endDistance = on->to;
  }
  std::stable_sort(trenches.begin(), trenches.end(),
                   [](const DesignTrenchRec& a, const DesignTrenchRec& b) { return a.startDistance < b.startDistance; });
  return trenches;
}

void DrawTrenchSections(ZavedizSheet& sheet) {
  const double start = sheet.data.bottomLeft.x, end = sheet.data.bottomRight.x;
  const std::vector<DesignTrenchRec> trenches = SortTrenches(sheet.data);
  if (trenches.empty()) {
    DrawOverburdenSpan(sheet, start, end);
    return;
  }
  if (trenches.front().startDistance - start > kSpanTolerance)
    DrawOverburdenSpan(sheet, start, trenches.front().startDistance);
  for (size_t i = 0; i + 1 < trenches.size(); ++i)
    DrawOverburdenSpan(sheet, trenches[i].endDistance, trenches[i + 1].startDistance);
  if (end - trenches.back().endDistance > kSpanTolerance) DrawOverburdenSpan(sheet, trenches.back().endDistance, end);
}

void DrawOverburdenSpan(ZavedizSheet& sheet, double a, double b) {
  const double thickness = sheet.options.groundData;
  const std::vector<D_DOT> base = CollectOverburdenBase(sheet.data.terrain, thickness, a, b, sheet.tell);
  if (base.empty()) return;
  std::vector<D_DOT> ground = base;
  for (D_DOT& p : ground) p.y += thickness;
  const LineLook look = GroundLook(sheet);
  sheet.out.AppendLookLine(ground, look);
  if (!sheet.WithOverburden()) return;

  const int32_t groundArc = sheet.out.AppendArc(ground, look);
  const int32_t left = sheet.out.AppendArc({base.front(), ground.front()}, look);
  const int32_t right = sheet.out.AppendArc({base.back(), ground.back()}, look);
  std::vector<int32_t> arcs = {0, -groundArc, -left};
  AppendOverburdenArcsWithin(sheet, a, b, arcs);
  arcs.push_back(right);
  sheet.out.AppendRegion(arcs, sheet.options.groundColour);
}

}  // namespace zv::zavediz

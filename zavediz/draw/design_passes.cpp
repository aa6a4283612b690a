#include "zavediz/draw/design_passes.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace zv::zavediz {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr int32_t kCollarSymbol = 319;
// Only the first trench slots get an outline and names in the plan strip.
constexpr size_t kOutlinedTrenches = 10;
constexpr double kTrenchDepth = 2.0;  // mm under the strip line, and under the ground without overburden

std::string DepthLabel(double metres) {
  char text[64];
  std::snprintf(text, sizeof text, "%4.2f", metres);
  return text;
}

}  // namespace

D_DOT BoreholeBottom(const D_DOT& collar, double length, double azimuth, double inclination, double direction) {
  const double delta = std::fabs((std::numbers::pi / 2 - direction) - azimuth * kDegree);
  return D_DOT{collar.x + length * std::cos(delta) * std::cos(inclination * kDegree),
               collar.y - length * std::sin(inclination * kDegree)};
}

void DrawDesignBoreholes(ZavedizSheet& sheet) {
  ZavedizWriter& out = sheet.out;
  for (const DesignBoreholeRec& hole : sheet.data.boreholes) {
    if (!hole.inUse) continue;
    const D_DOT collar{hole.distance, hole.collarElevation};
    const D_DOT bottom = BoreholeBottom(collar, hole.depth, hole.azimuth, hole.dip, sheet.data.direction);
    out.AppendZavedizLine(collar, bottom, 2, 1, 0.2f);
    out.AppendZavedizSubGraph(collar, std::string(), 5.0f, 5.0f, kCollarSymbol);
    out.AppendZavedizNote(D_DOT{collar.x - 7.5, collar.y + 5.0}, hole.name, 5.0f, 5.0f, 0.2f, 0, 1);
    out.AppendZavedizLine(D_DOT{bottom.x - 6.0, bottom.y}, bottom, 1, 1, 0.2f);
    out.AppendZavedizNote(D_DOT{bottom.x - 7.0, bottom.y - 3.0},
                          DepthLabel(sheet.data.sectionScale * hole.depth * 0.001), 3.0f, 3.0f, 0.0f, 0, 1);
    const D_DOT plan{hole.distance, hole.baseY};
    out.AppendZavedizSubGraph(plan, std::string(), 4.0f, 4.0f, sheet.options.boreholeSymbol);
    out.AppendZavedizNote(D_DOT{plan.x - 7.5, plan.y + 3.0}, hole.name, 5.0f, 5.0f, 0.2f, 0, 1);
  }
}

void DrawDesignTrenches(ZavedizSheet& sheet) {
  const LineLook outline{2, 1, 0.2f, 0, 8.0f, 8.0f};
  for (size_t i = 0; i < kOutlinedTrenches; ++i) {
    const DesignTrenchRec& t = sheet.data.trenches[i];
    const std::optional<ProfileStretch> on =
        t.inUse ? StretchOnProfile(sheet.data.terrain, t.startDistance, t.endDistance) : std::nullopt;
    if (!on) continue;
    const double xs = on->from, ys = t.startBaseY, xe = on->to, ye = t.endBaseY;
    sheet.out.AppendLookLine({{xs, ys}, {xs, ys - kTrenchDepth}, {xe, ye - kTrenchDepth}, {xe, ye}}, outline);
    const double x = (xs + xe) / 2 - 3.0;
    sheet.out.AppendZavedizNote(D_DOT{x, ys}, t.name, 4.0f, 4.0f, 0.0f, 0, 1);
    const double ground = TerrainElevationAt(sheet.data.terrain, x, sheet.tell);
    sheet.out.AppendZavedizNote(D_DOT{x, ground + 5.0}, t.name, 4.0f, 4.0f, 0.0f, 0, 1);
  }
}

void DrawTrenchProfiles(ZavedizSheet& sheet) {
  const CPointRecList& terrain = sheet.data.terrain;
  const double thickness = sheet.options.groundData;
  const bool overburden = sheet.WithOverburden();
  const LineLook ground{1, 1, 0.2f, static_cast<uint8_t>(sheet.options.curve), 4.0f, 4.0f};
  const LineLook wall{1, 1, 0.2f, 0, 8.0f, 8.0f};
  for (const DesignTrenchRec& t : sheet.data.trenches) {
    if (!t.inUse) continue;
    const std::optional<ProfileStretch> on = StretchOnProfile(terrain, t.startDistance, t.endDistance);
    if (!on || on->clipped) sheet.tell("设计探槽" + t.name + (on ? kTrenchCutShortMessage : kTrenchOffProfileMessage));
    if (!on) continue;
    std::vector<D_DOT> line = CollectOverburdenBase(terrain, thickness, on->from, on->to, sheet.tell);
    if (line.empty()) continue;
    if (!overburden) sheet.out.AppendLookLine(line, ground);
    for (D_DOT& p : line) p.y += overburden ? thickness : -kTrenchDepth;
    LineLook trench = ground;
    trench.style = 2;
    sheet.out.AppendLookLine(line, trench);
    for (const double x : {on->from, on->to}) {
      const double top = TerrainElevationAt(terrain, x, sheet.tell);
      const double base = OverburdenBaseAt(terrain, x, thickness, sheet.tell) - (overburden ? 0.0 : kTrenchDepth);
      sheet.out.AppendLookLine({{x, top}, {x, base}}, wall);
    }
  }
}

}  // namespace zv::zavediz

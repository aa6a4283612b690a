#include "zavediz/draw/grid_passes.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "zavediz/draw/sheet_passes.h"
#include "zavediz/draw/text_fit.h"

namespace zv::zavediz {
namespace {

constexpr double kNoElevation = 0.001;
constexpr double kParallel = 1e-9;

bool HasElevation(const ProfilePoint& p) { return std::fabs(p.y) >= kNoElevation; }

void DrawStation(ZavedizSheet& sheet, const D_DOT& at, const std::string& name) {
  sheet.out.AppendStationMarker(at);
  sheet.out.AppendZavedizNote(at, name, 2.0f, 2.0f, 0, 0, 1);
}

// Stations at (distance, elevation) or, on the plan strip, at (distance,
// stripY); each later station with an elevation joined to the one before.
void DrawStationChain(ZavedizSheet& sheet, const double* stripY, float width) {
  const CPointRecList& terrain = sheet.data.terrain;
  D_DOT previous{};
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    const ProfilePoint p = ProfileAt(terrain, i);
    if (i > 1 && !HasElevation(p)) continue;
    const D_DOT at{p.x, stripY ? *stripY : p.y};
    if (i > 1) {
      D_DOT a = previous, b = at;
      ShortenSegment(a, b);
      sheet.out.AppendZavedizLine(a, b, 1, 1, width);
    }
    DrawStation(sheet, at, p.name);
    previous = at;
  }
}

// One family of grid crossings: ticks from `first` every `spacing` (one
// tick when the section runs along the family), labelled `letter` + value.
struct GridFamily {
  const CoordinateTick& tick;
  const char* letter;
  double spacing;  // 0: a single tick
  double slant;    // the tick's x offset per mm of half strip
  int direction;   // +1 or −1: how the grid values run along the section
  bool zoned;
};

void DrawFamily(ZavedizSheet& sheet, const GridFamily& family, double x1, double xN) {
  if (!family.tick.meetsGrid) return;
  const double ys = sheet.start.y, h = sheet.h;
  const int32_t step = sheet.data.sectionScale / 10;
  int64_t value = static_cast<int64_t>(std::trunc(family.tick.gridValue));
  for (int64_t i = 0;; ++i) {
    const double d = family.tick.position + static_cast<double>(i) * family.spacing;
    if (!(d < xN) || (i > 0 && family.spacing == 0.0)) break;
    D_DOT top{d + h * family.slant, ys + h}, bottom{d - h * family.slant, ys - h};
    ClipToRange(top, bottom, x1, xN);
    sheet.out.AppendZavedizLine(top, bottom, 1, 1, 0.2f);
    std::string label = family.letter;
    if (family.zoned && sheet.options.strap != 0) label += num::FormatInt(sheet.options.editStrap);
    label += num::FormatInt(static_cast<long>(value));
    sheet.out.AppendZavedizNote(D_DOT{top.x - 5, ys + h}, label, 3, 3, 0, 0, 1);
    sheet.out.AppendZavedizNote(D_DOT{d - 5, ys + h + 17}, label, 3, 3, 0, 0, 1);
    sheet.out.AppendZavedizLine(D_DOT{d, ys + h + 20}, D_DOT{d, TerrainElevationAt(sheet.data.terrain, d, sheet.tell)},
                                1, 1, 0.2f);
    value += family.direction * step;
  }
}

}  // namespace

void DrawTerrainPolyline(ZavedizSheet& sheet) {
  const CPointRecList& terrain = sheet.data.terrain;
  std::vector<D_DOT> vertices;
  vertices.reserve(terrain.GetCount());
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    const ProfilePoint p = ProfileAt(terrain, i);
    if (HasElevation(p)) vertices.push_back(D_DOT{p.x, p.y});
  }
  if (!vertices.empty()) sheet.out.AppendLookLine(vertices, LineLook{1, 1, 0.15f, 1});
}

void DrawSurveyStations(ZavedizSheet& sheet) { DrawStationChain(sheet, nullptr, 0.15f); }

void DrawSurveyProfile(ZavedizSheet& sheet) {
  DrawPlanStripOutline(sheet);
  DrawStationChain(sheet, &sheet.start.y, 0.2f);
}

void ClipToRange(D_DOT& a, D_DOT& b, double low, double high) {
  const D_DOT p = a, q = b;
  const auto move = [&](D_DOT& end, double bound) {
    end.y = p.x == q.x ? end.y : p.y + (q.y - p.y) * (bound - p.x) / (q.x - p.x);
    end.x = bound;
  };
  for (D_DOT* end : {&a, &b}) {
    if (end->x < low) {
      move(*end, low);
    } else if (end->x > high) {
      move(*end, high);
    }
  }
}

void DrawGridTicks(ZavedizSheet& sheet) {
  const CPointRecList& terrain = sheet.data.terrain;
  const double x1 = ProfileAt(terrain, 1).x, xN = ProfileAt(terrain, terrain.GetCount()).x;
  const double angle = sheet.data.xTick.angle;
  const double s = std::sin(angle), c = std::cos(angle);
  const bool alongFirst = std::fabs(s) < kParallel, alongSecond = std::fabs(c) < kParallel;
  // Grid values run the way the section travels: x grows eastward, y northward.
  const int east = std::cos(sheet.data.direction) >= 0 ? 1 : -1;
  const int north = sheet.data.direction > 0 ? 1 : -1;
  DrawFamily(sheet,
             {sheet.data.xTick, "Y=", alongFirst ? 0.0 : std::fabs(100 / s), alongFirst ? 0.0 : c / s, east, true},
             x1, xN);
  DrawFamily(sheet,
             {sheet.data.yTick, "X=", alongSecond ? 0.0 : std::fabs(100 / c), alongSecond ? 0.0 : -s / c, north,
              false},
             x1, xN);
}

void DrawElevationLines(ZavedizSheet& sheet) {
  const SectionData& data = sheet.data;
  const double startDistance = data.bottomLeft.x, endDistance = data.bottomRight.x;
  const double y1 = ProfileAt(data.terrain, 1).y;
  const double stop = data.bottomLeft.y + 35;
  double e = 100 * std::floor(TerrainExtreme(data.terrain, 1) * 0.01);
  do {
    const std::vector<double> crossings = TerrainCrossings(data.terrain, e);
    std::vector<double> ends;
    const bool underGroundAtStart = e < y1;
    if (underGroundAtStart) ends.push_back(startDistance);
    ends.insert(ends.end(), crossings.begin(), crossings.end());
    if (ends.size() % 2 == 1) ends.push_back(underGroundAtStart && sheet.polyline ? sheet.end.x : endDistance);
    for (size_t i = 0; i + 1 < ends.size(); i += 2)
      sheet.out.AppendZavedizLine(D_DOT{ends[i], e}, D_DOT{ends[i + 1], e}, 1, 1, 0.2f);
    e -= 100;
  } while (e > stop);
}

}  // namespace zv::zavediz

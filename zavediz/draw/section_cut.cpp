#include "zavediz/draw/section_cut.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/data/geometry.h"
#include "zavediz/draw/terrain_queries.h"

namespace zv::zavediz {
namespace {

// A direction within this of a grid family's counts as running along it:
// the other formulas would divide by (nearly) zero.
constexpr double kParallel = 1e-9;
constexpr double kOnGrid = 1e-6;

const char* const kTrenchStart = "TCS";
const char* const kTrenchEnd = "TCE";

// The first grid value v0 + k·g (k whole) met when travelling from `from`
// up (`rising`) or down. The grid is anchored at trunc(from / 1000) × 1000
// going up and one kilometre above that going down.
double FirstGridValue(double from, double g, bool rising) {
  if (rising) {
    const double origin = std::trunc(from * 0.001) * 1000.0;
    return origin + std::ceil((from - origin) / g) * g;
  }
  const double origin = std::trunc(from * 0.001 + 1.0) * 1000.0;
  return origin - std::ceil((origin - from) / g) * g;
}

bool OnGrid(double value, double g) {
  const double origin = std::trunc(value * 0.001) * 1000.0;
  const double offset = std::fmod(value - origin, g);
  return std::fabs(offset) < kOnGrid || std::fabs(std::fabs(offset) - g) < kOnGrid;
}

void SetTick(CoordinateTick& tick, char letter, int16_t kind, double angle) {
  tick.set = true;
  tick.letter = letter;
  tick.baseY = 0.0;
  tick.angle = angle;
  tick.kind = kind;
  tick.meetsGrid = true;
}

double Position(const SectionData& data, const D_DOT& ground, const D_DOT& at) {
  return BasPointDistance(ground, at) * 1000.0 / data.sectionScale + data.sectionStart.x;
}

// The profile is not empty.
bool SheetFits(const SectionData& data, double ichnography) {
  const CPointRecList& terrain = data.terrain;
  const double length = ProfileAt(terrain, terrain.GetCount()).x - ProfileAt(terrain, 1).x;
  const double height = TerrainExtreme(terrain, 1) - ZavedizBottomY(data, ichnography);
  return length <= kLargestSheet && height <= kLargestSheet;
}

}  // namespace

double ZavedizBottomY(const SectionData& data, double ichnography) {
  double y = 0.0;
  if (data.lowestElevation != -1) {
    y = static_cast<double>(int64_t{data.lowestElevation} * 1000 / data.sectionScale - 20);
  } else {
    double lowest = 0.0;
    for (int32_t i = 1; i <= data.terrain.GetCount(); ++i) {
      int32_t id = 0;
      double x = 0.0, e = 0.0;
      data.terrain.GetAt(i, id, x, e);
      if (i == 1 || e < lowest) lowest = e;
    }
    bool anyHole = false;
    double bottom = 0.0;
    for (const DesignBoreholeRec& hole : data.boreholes) {
      if (!hole.inUse) continue;
      const double b = hole.collarElevation - hole.depth;
      if (!anyHole || b < bottom) bottom = b;
      anyHole = true;
    }
    y = anyHole && bottom <= lowest ? std::floor(bottom * 0.01) * 100.0 - 20.0
                                    : std::floor(lowest * 0.01) * 100.0 - 100.0 - 20.0;
  }
  return y - ichnography * 0.5;
}

void PlaceGridTicks(SectionData& data) {
  const double g = data.sectionScale / 10;
  const double a = data.direction;
  const D_DOT start = data.groundStart;
  const double c = std::cos(a), s = std::sin(a);

  CoordinateTick& x = data.xTick;
  SetTick(x, 'X', 1, a > 0 ? std::numbers::pi / 2 - a : -std::numbers::pi / 2 - a);
  if (std::fabs(c) < kParallel) {
    x.meetsGrid = OnGrid(start.x, g);
    x.gridValue = start.x;
    x.lineValue = start.y;
    x.position = data.sectionStart.x;
  } else {
    x.gridValue = FirstGridValue(start.x, g, c > 0);
    x.lineValue = std::tan(a) * (x.gridValue - start.x) + start.y;
    x.position = Position(data, start, D_DOT{x.gridValue, x.lineValue});
  }

  CoordinateTick& y = data.yTick;
  SetTick(y, 'Y', 2, -a);
  if (std::fabs(s) < kParallel) {
    y.meetsGrid = OnGrid(start.y, g);
    y.gridValue = start.y;
    y.lineValue = start.x;
    y.position = data.sectionStart.x;
  } else {
    y.gridValue = FirstGridValue(start.y, g, !(start.y > data.groundEnd.y));
    y.lineValue = c / s * (y.gridValue - start.y) + start.x;
    y.position = Position(data, start, D_DOT{y.lineValue, y.gridValue});
  }
}

double PlaceBottomLine(SectionData& data, double ichnography) {
  const double bottom = ZavedizBottomY(data, ichnography);
  data.bottomLeft = D_DOT{data.sectionStart.x, bottom};
  data.bottomRight = D_DOT{data.sectionEnd.x, bottom};
  data.sectionStart.y = bottom;
  data.sectionEnd.y = bottom;
  if (!data.xTick.set) PlaceGridTicks(data);
  data.xTick.baseY = bottom;
  data.yTick.baseY = bottom;
  return bottom;
}

CutOutcome CutZavediz(SectionData& data, int lineVertices, double ichnography) {
  if (data.terrain.IsEmpty()) return {0, kNoSectionLineMessage};
  if (!SheetFits(data, ichnography)) return {0, kSheetTooLargeMessage};
  const double bottom = PlaceBottomLine(data, ichnography);
  for (DesignBoreholeRec& hole : data.boreholes) hole.baseY = bottom;

  data.terrain.RemoveNamed([](const std::string& name) { return name == kTrenchStart || name == kTrenchEnd; });
  // A trench end off the profile has no ground under it (its elevation was
  // taken as 0.0): merged, it would pull the ground line down to 0 there.
  const double first = ProfileAt(data.terrain, 1).x, last = ProfileAt(data.terrain, data.terrain.GetCount()).x;
  const auto onProfile = [&](double d) { return first <= d && d <= last; };
  for (DesignTrenchRec& trench : data.trenches) {
    if (trench.inUse) {
      if (onProfile(trench.startDistance))
        data.terrain.AddSorted(0, trench.startDistance, trench.startElevation, kTrenchStart);
      if (onProfile(trench.endDistance)) data.terrain.AddSorted(0, trench.endDistance, trench.endElevation, kTrenchEnd);
    }
    trench.startBaseY = bottom;
    trench.endBaseY = bottom;
  }

  if (lineVertices <= 2) return {kDrawStraight, {}};
  return {data.verticalProjection == kVerticalProjection ? kDrawProjected : kDrawFolded, {}};
}

CutOutcome CutSurveyZavediz(SectionData& data, double ichnography) {
  if (data.terrain.IsEmpty()) return {0, kNoSurveyProfileMessage};
  if (!SheetFits(data, ichnography)) return {0, kSheetTooLargeMessage};
  PlaceBottomLine(data, ichnography);
  return {kDrawSurvey, {}};
}

}  // namespace zv::zavediz

#pragma once
// The section benchmarks' maps of a million contour vertices: 100,000
// straight ten-vertex lines (the dense one: a straight section across them
// gives a 100,000-point profile) and 2,000 wavy closed rings, with the
// section lines across them.

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/draw/zavediz_writer.h"
#include "zavediz/plan/plan_section.h"

namespace zv::zavediz {

using Contours = std::vector<std::vector<D_DOT>>;

// `count` ten-vertex lines side by side, each crossing y = 0 once.
inline Contours StraightLines(size_t count = 100000) {
  Contours contours(count);
  for (size_t i = 0; i < contours.size(); ++i) {
    for (int k = 0; k < 10; ++k) contours[i].push_back({i + 0.5 + (k % 2 ? 0.2 : -0.2), -4.5 + k});
  }
  return contours;
}

// 2,000 closed wavy 500-vertex contours on a 50 × 40 grid, 100 apart.
inline Contours WavyRings() {
  Contours contours;
  for (int row = 0; row < 40; ++row) {
    for (int column = 0; column < 50; ++column) {
      std::vector<D_DOT> ring;
      const double cx = 50 + 100.0 * column, cy = 50 + 100.0 * row;
      for (int k = 0; k < 500; ++k) {
        const double a = 2 * std::numbers::pi * k / 500;
        const double r = 38 + 6 * std::sin(7 * a + row + column);
        ring.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
      }
      ring.push_back(ring.front());
      contours.push_back(std::move(ring));
    }
  }
  return contours;
}

// From `from` to `to`, straight (2 vertices) or with 50 vertices swinging
// `swing` across the straight line.
inline std::vector<D_DOT> Section(D_DOT from, D_DOT to, int vertices, double swing) {
  std::vector<D_DOT> line;
  const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
  for (int j = 0; j < vertices; ++j) {
    const double t = static_cast<double>(j) / (vertices - 1);
    const double off = (j == 0 || j == vertices - 1) ? 0.0 : (j % 2 ? swing : -swing);
    line.push_back({from.x + t * dx - off * dy / length, from.y + t * dy + off * dx / length});
  }
  return line;
}

struct Map {
  Contours contours;
  std::vector<D_DOT> section;
};

inline Map MakeMap(int shape, int sectionVertices) {
  if (shape == 0)
    return {StraightLines(), Section({0, 0.1}, {100000, -0.1}, sectionVertices, 0.3)};
  return {WavyRings(), Section({-20, 30}, {5020, 3970}, sectionVertices, sectionVertices > 2 ? 1500 : 0)};
}

// The dense map cut down to `count` lines, crossed by a straight section:
// a profile of count + 2 points.
inline Map DenseMap(size_t count) {
  const double end = static_cast<double>(count);
  return {StraightLines(count), Section({0, 0.1}, {end, -0.1}, 2, 0)};
}

inline const char* ShapeName(int shape) { return shape == 0 ? "100k ten-vertex lines" : "2000 wavy rings"; }


// The plan's store over a work area: the map's contours with an elevation
// field, and the section line over them at 1:1000 for plan and section.

struct PlanStore {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  WorkAreaHandle lines = BasCreateLineWorkArea(set);
  SectionData data;
  PlanSection plan;

  explicit PlanStore(const Map& map) {
    CFIELD_HEAD field;
    field.name = "高程";
    field.type = kFieldDouble;
    field.length = 8;
    BasInsertField(lines, kLineEntity, field);
    BasBeginBatch(lines);
    AttributeRecord record;
    for (size_t i = 0; i < map.contours.size(); ++i) {
      const int32_t id = BasAppendLine(lines, map.contours[i], *BasGetDefaultLineParam());
      BasReadAttribute(lines, kLineEntity, id, &record);
      BasSetFieldByName(record, "高程", 100.0 + static_cast<double>(i % 37));
      BasWriteAttribute(lines, kLineEntity, id, record);
    }
    BasEndBatch(lines);
    data.headerSet = true;
    data.planScale = 1000;
    data.sectionScale = 1000;
    plan.vertices = map.section;
    plan.start = map.section.front();
    plan.end = map.section.back();
  }
  ~PlanStore() { BasFreeWorkAreaSet(set); }

  // The crossing records (interior vertices left out).
  size_t Store() {
    BeginSectionLine(plan, data);
    StoreTerrainData(plan, data, lines, [](const std::vector<std::string>&, int) { return std::string("高程"); });
    return static_cast<size_t>(plan.crossings.GetCount()) - (plan.vertices.size() - 2);
  }
};

// A section's three work areas, emptied between drawings.
struct SheetAreas {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  ZavedizAreas areas{BasCreateLineWorkArea(set), BasCreatePointWorkArea(set), BasCreateRegionWorkArea(set)};
  ~SheetAreas() { BasFreeWorkAreaSet(set); }
  void Clear() const {
    for (WorkAreaHandle a : {areas.line, areas.point, areas.region}) BasClearWorkArea(a);
  }
};

}  // namespace zv::zavediz

#pragma once
// 读取平面数据: the plan map's content in a corridor along the section line,
// brought into the section's plan strip. What lies within half the strip
// width (on paper of the section) of the line is clipped out of the plan's
// point, line and region areas, moved so that the line's start is the
// origin, turned so that the line runs along +x, scaled from the plan scale
// to the section scale, lifted to the strip's level (the y of the bottom-left
// point the cut stored), and appended to the section's areas.
//
// Units: plan mm (ground metres × 1000 / P) before the transform, section mm
// after; P and S are the header's scale denominators. Text sizes, angles and
// symbol sizes are left as the transform of a work area leaves them. The
// clipping areas are temporary: none outlives the call, whatever its path.

#include <array>
#include <string>
#include <vector>

#include "zavediz/draw/zavediz_writer.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

inline constexpr const char* kNoSectionInfoMessage = "缺少剖面图信息!";
inline constexpr const char* kNoTerrainDataMessage = "缺少地形数据!";

// The plan's areas of each kind, in project order.
struct PlanStripSources {
  std::vector<WorkAreaHandle> points;
  std::vector<WorkAreaHandle> lines;
  std::vector<WorkAreaHandle> regions;
};

// The segment p0–p1 moved by `d` to either side: `left` and `right` get the
// moved ends of p0 then p1. Each end is moved along the normal of the
// segment's direction taken from that end.
void OffsetSegment(const D_DOT& p0, const D_DOT& p1, std::array<D_DOT, 2>& left, std::array<D_DOT, 2>& right,
                   double d);

// The corridor of the section line in plan mm as a closed ring: left first,
// left second, right second, right first, left first. `ichnography` is the
// strip's width on the section, mm.
std::array<D_DOT, 5> PlanStripCorridor(const SectionData& data, double ichnography);

// Copies the corridor's content into `into`; the message to show when it
// refuses (no section data: null `data` or a header without scales; an empty
// profile), else empty. A refusal changes nothing.
std::string ReadPlanDataForZavediz(const SectionData* data, const PlanStripSources& sources, double ichnography,
                                   const ZavedizAreas& into);

}  // namespace zv::zavediz

#pragma once
// Drilled boreholes of the borehole database drawn into a drawn section: for
// each hole its collar symbol and id on the plan strip and on the section,
// its two traces, its final depth under the section trace and its samples as
// boxes coloured 8 and 9 by turns, every fifth numbered. Everything goes into
// the section's work areas; graphic records are copies, so the user's
// current defaults stay as they were.
//
// A hole's three tables (zkinfok, DRILMEAS, DRILSAMH) are read, with the
// program's login and the mine code and hole id bound, before any of it is
// drawn. One connection serves the run, opened when the first hole needs it.

#include <functional>
#include <string>
#include <vector>

#include "zavediz/chart/chart_db.h"
#include "zavediz/data/hole_trace.h"
#include "zavediz/draw/zavediz_writer.h"

namespace zv::zavediz {

inline constexpr const char* kNoSectionMessage = "没有剖面图信息！";
inline constexpr const char* kOffSectionMessage = "钻孔可能不在剖面图范围内！";

struct HoleRecords {
  bool found = false;  // zkinfok has a row (the last one counts)
  HoleCollar collar;
  std::vector<HoleStation> stations;  // by depth
  std::vector<HoleSample> samples;    // in table order
};

// Throws chart::ChartReadError naming the table that failed.
HoleRecords ReadHoleRecords(chart::ChartDb& db, const std::string& mineCode, const std::string& hole);

enum class HoleStatus { kDrawn = 0, kNoSection = 1, kOffSection = 2 };

// Draws one hole whose records were read; a hole missing from zkinfok, or
// one whose numbers put it beyond what paper holds, lies off the section.
HoleStatus DrawHole(ZavedizWriter& out, const SectionData& data, const std::string& hole, const HoleRecords& records,
                    double stripWidth);

// The section a run draws into: null, or not drawn, or without a profile,
// means no section.
struct BoreholeTarget {
  const SectionData* data = nullptr;
  bool drawn = false;
  ZavedizAreas areas;
  double stripWidth = 30.0;
};

// Draws the holes in order, telling each hole's refusal ("没有剖面图信息！",
// "钻孔可能不在剖面图范围内！"); a failed connect or query is told once and
// ends the run, the holes before it kept.
void DrawBoreholes(const std::string& dataSource, const std::string& mineCode, const std::vector<std::string>& holes,
                   const BoreholeTarget& target, const std::function<void(const std::string&)>& tell);

}  // namespace zv::zavediz

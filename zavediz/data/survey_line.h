#pragma once
// A surveyed exploration line of the borehole database: its header row in
// TPMK00 (the line's ground ends and the title-block texts) and its stations
// in TPMK001 (name, horizontal distance from the line's start and elevation,
// metres). Both are read over a connection by the data source's name alone
// (the login stored with the data source), the mine code and line name bound
// as parameters, so a quote in a line name reads that line.
//
// Nothing throws: a failed connect or query is handed back as the text to
// show (the driver's message, naming the table).

#include <optional>
#include <string>
#include <vector>

#include "common/point_rec_list.h"
#include "zavediz/dialogs/title_block_preset.h"
#include "zavediz/records.h"

namespace zv::zavediz {

struct SurveyLineHeader {
  D_DOT groundStart{};  // metres: (column 4, column 3)
  D_DOT groundEnd{};    // metres: (column 7, column 6)
  // 13 the title, 14 the surveying unit, 15-20 the first column's rows,
  // 21-25 the second column's; the plan scale 1000.
  TitleBlockPreset preset;
};

struct SurveyStation {
  std::string name;
  double distance = 0.0;   // metres from the line's start
  double elevation = 0.0;  // metres
};

// The line's header; of several rows the last wins. None with `error` empty
// when the line has no row, none with `error` set when the read failed.
std::optional<SurveyLineHeader> ReadSurveyHeader(const std::string& dataSource, const std::string& mineCode,
                                                 const std::string& line, std::string* error);

// The line's stations by distance; false with `error` when the read failed.
bool ReadSurveyStations(const std::string& dataSource, const std::string& mineCode, const std::string& line,
                        std::vector<SurveyStation>* stations, std::string* error);

// Appends each station to the profile as (0, distance × 1000 / S,
// elevation × 1000 / S, name, 0.0), ascending by distance: every pass of
// the section sheet reads the profile from its near end, and a survey sheet
// may list its points from the far end or out of order. Stations at one
// distance keep the order given.
void AppendSurveyProfile(std::vector<SurveyStation> stations, int32_t sectionScale, CPointRecList& terrain);

}  // namespace zv::zavediz

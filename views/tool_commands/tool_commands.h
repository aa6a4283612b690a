#pragma once
// The tool views' commands that do their work directly (beside the launch
// rows and the view mechanics): attribute statistics, ID numbering, the
// defaults reset, inverting the selection, copying an attribute structure
// between files, the borehole log workbook and the map picture on the
// clipboard; the map frames; and the exchange files. Each feature file
// gives its rows and menu items; this registers them on the two tool view
// classes ("CSecToolView", "CSecPrjToolView").

#include <vector>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"

namespace zv::toolcmd {

// Rows of both views, of the section view only and of the plan view only.
struct RowSets {
  std::vector<cmd::CommandRow> both;
  std::vector<cmd::CommandRow> section;
  std::vector<cmd::CommandRow> plan;
  std::vector<cmd::MenuRow> menus;
};

RowSets AreaCommandRows();
RowSets FrameCommandRows();
RowSets ExchangeCommandRows();

// Once; later calls do nothing.
void RegisterToolCommands();

}  // namespace zv::toolcmd

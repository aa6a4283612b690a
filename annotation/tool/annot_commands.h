#pragma once
// The annotation tool in the tool factory, and the places of its built
// commands in the plan and section menus. The tool views' launch table
// starts it; the factory offers the modes whose work is built. The legend
// and label features register their mode rows (CSecAnnotTool::SetModeRow)
// before this runs, so their built commands get their items here too.

namespace zv::annot {

// Registers the tool class in the factory and the built commands' items.
void RegisterAnnotCommands();

}  // namespace zv::annot

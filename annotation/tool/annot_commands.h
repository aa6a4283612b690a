#pragma once
// The annotation tool in the tool factory, and the places of its built
// commands in the plan and section menus. The tool views' launch table
// starts it; the factory offers the modes whose work is built.

namespace zv::annot {

// Registers the tool class in the factory and the built commands' items.
void RegisterAnnotCommands();

}  // namespace zv::annot

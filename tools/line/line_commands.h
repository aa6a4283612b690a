#pragma once
// The line tool in the tool factory, the places of its commands in the plan
// and section menus, and command 33033 (等高线设置), which shows the contour
// parameter dialog with every field enabled.

namespace zv::tools {

void RegisterLineCommands();

}  // namespace zv::tools

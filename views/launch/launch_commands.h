#pragma once
// The launch table in the tool views' command tables: each row becomes a
// tool-launch entry of "CSecToolView" and/or "CSecPrjToolView" with that
// view's cancel rule, and the registry's tool launcher is bound to the tool
// factory (a class or mode the factory does not make leaves its row bound
// later: hidden in menus, a notice when reached by key). The table's other
// entries go in too: 33607 an empty item of the section view; 32989, 33094,
// 33188, 33189 and 33190 bound later.

namespace zv::launch {

// Adds the rows once; later calls do nothing.
void RegisterToolLaunches();

}  // namespace zv::launch

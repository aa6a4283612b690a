#pragma once
// The one place that lists every module's registration: command tables, menu
// rows and view classes. Modules that come later add their call here; a later
// view-class registration takes the place of an earlier one.

namespace zv {

// Registers everything once; later calls do nothing.
void RegisterModules();

}  // namespace zv

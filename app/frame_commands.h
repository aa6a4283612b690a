#pragma once
// The main frame's commands over its bars (class "CMainFrame"): the bar
// toggles and the scale, with their menu items.

namespace zv {

void RegisterFrameCommands();

}  // namespace zv

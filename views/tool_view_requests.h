#pragma once
// The tool requests other windows post to the tool views: 0x470 to the
// section tool view, 0x471 to the plan tool view (codes and their steps in
// views/tool_core/tool_requests.h).

#include <cstdint>

#include "views/tool_view_shared.h"

namespace zv {

void OnToolRequest(ToolViewShared& tv, std::intptr_t wParam, std::intptr_t code);

// The text search of the main frame's search box: every text point of the
// view's point areas holding SharedText is added to the pool, the pool
// flashes, and the window centres on the first match.
void SearchTexts(ToolViewShared& tv);

}  // namespace zv

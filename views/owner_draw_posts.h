#pragma once
// The refills the editing views ask of the panel window (0x46D) after each
// redraw. A refill already queued with the same arguments is not queued
// again, so a burst of redraws asks each list once.

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "framework/messages/pane_window_table.h"

namespace zv {

using RefillArguments = std::pair<std::intptr_t, std::intptr_t>;

// Posts 0x46D with each pair of arguments to the entry's window, skipping
// the pairs still queued for it.
void PostRefills(msg::PaneEntry entry, std::initializer_list<RefillArguments> refills);

}  // namespace zv

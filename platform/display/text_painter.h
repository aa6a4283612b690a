#pragma once
// Draws texts cell by cell (text_layout.h): each glyph is scaled into its
// cell, so the drawn text has exactly the extent the measures predict,
// whatever the font's own proportions.

#include <cstdint>
#include <string_view>

#include "platform/display/kernel_driver.h"
#include "platform/display/text_layout.h"

namespace zv::display {

// The text at map point (x, y) (see text_layout.h for where it sits) in a
// colour number; `layout` holds the font numbers (fonts.h).
void DrawText(KernelDriver& driver, double x, double y, std::string_view utf8, const TextStyle& style, long colour,
              std::uint32_t layout);

}  // namespace zv::display

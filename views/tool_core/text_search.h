#pragma once
// The tool views' text search (the main frame's search box): every text
// point (kind 0) of the point areas whose text holds the searched text as a
// plain, case-sensitive substring, in area order and id order. Texts are
// UTF-8 in memory, so a byte substring is a text substring. Points that
// cannot be read are skipped; areas that are not point areas give nothing.

#include <span>
#include <string_view>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::toolview {

std::vector<ENTITY_MSG> FindTexts(std::span<const WorkAreaHandle> pointAreas, std::string_view text);

}  // namespace zv::toolview

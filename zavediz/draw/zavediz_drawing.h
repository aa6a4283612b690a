#pragma once
// The drawing operations of the section request: for a straight section
// (2), a vertical projection (3), a section along a polyline (4) and a
// survey section (10), the data check and the fixed order of passes that
// fill the section view's work areas. The caller has emptied the areas
// (line, point, region) before, and repaints and saves after.

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

inline constexpr const char* kNoBaseDataMessage = "没有基本数据，请输入数据";

// True for the operations drawn here.
bool IsDrawingOperation(int operation);

// Checks the section data (a header, a profile, a section scale of at least
// 10) and, when it passes, draws every pass of the operation. False, with
// the message told and nothing drawn, when the check fails. The platform's
// default line and text records are read, never changed.
bool DrawZavedizSheet(int operation, const SectionData& data, ZavedizAreas areas, const SheetOptions& options,
                      const Tell& tell);

}  // namespace zv::zavediz

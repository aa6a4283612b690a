#pragma once
// TEXT, ATTRIB and MTEXT: one parser for the three, and the writer that
// makes them notes or, for long or multi-line MTEXT, text blocks of the point
// area.

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

// An MTEXT whose converted text has this many GBK bytes or more, or a line
// break, becomes a text block; a shorter one a note.
inline constexpr std::size_t kMTextNoteLimit = 50;

// MTEXT rotation: group 50 in degrees, unless a direction vector 11/21 is
// given, which wins. TEXT and ATTRIB rotation: group 50 in degrees; a text
// justified other than left, aligned or fit hangs from its alignment point
// 11/21 by its justification (72 with 73, ATTRIB 74).
DxfTextRecord ReadText(DxfGroupReader& groups, const DxfTextDecoder& decoder);

// Nothing is written on a switched-off layer.
void WriteText(const DxfTextRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf

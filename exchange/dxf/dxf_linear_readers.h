#pragma once
// Parsers of the linear entities LINE, LWPOLYLINE and POLYLINE (with its
// VERTEX and SEQEND entities). Each is entered with the entity's (0, name)
// group current and returns with the group that starts the next entity
// current, or with the reader at the end of the file. Counts in the file are
// never trusted: vertices are the ones actually read.

#include "exchange/dxf/dxf_entity_records.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

// The head groups that not every kind reads: kinds whose name text comes
// from a group of their own leave group 6 to their own reading.
struct DxfHeadGroups {
  bool weight = true;        // 370
  bool lineTypeName = true;  // 6, into the name text
};

// Groups every kind reads (8, 62, 420, 230) and those of `optional`. False
// when the code is none of them.
bool ReadHeadGroup(DxfEntityHead& head, const DxfGroupReader& groups, const DxfTextDecoder& decoder,
                   DxfHeadGroups optional = {});

DxfLineRecord ReadLine(DxfGroupReader& groups, const DxfTextDecoder& decoder);
DxfPolylineRecord ReadLwPolyline(DxfGroupReader& groups, const DxfTextDecoder& decoder);
// Ends at SEQEND (whose groups it reads too), at any other entity that
// follows the vertices, or at the end of the file (the record is then marked
// incomplete and keeps the vertices read).
DxfPolylineRecord ReadPolyline(DxfGroupReader& groups, const DxfTextDecoder& decoder);

}  // namespace zv::dxf

#pragma once
// The entity kinds the reader knows: each one's parser and the pass of the
// four-pass import that reads it, and the writer of any parsed record.

#include <string_view>

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

using DxfRecordParser = DxfRecord (*)(DxfGroupReader&, const DxfTextDecoder&);

// The parser of the entity name, or null for a kind that is not read.
DxfRecordParser FindRecordParser(std::string_view entityName);
// Its pass (1 to 4), 0 for a kind that is not read.
int PassOfEntity(std::string_view entityName);

// Hands the record to the writer of its kind.
void WriteRecord(const DxfRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf

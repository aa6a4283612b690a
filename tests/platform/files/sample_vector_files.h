#pragma once
// Small vector files with a bit of everything: several entities, a deleted
// slot, parameter bytes, Chinese texts and attribute values.

#include <cstdint>
#include <vector>

#include "platform/files/vector_file.h"

namespace zv::files::testing {

// Fills the parameter bytes of a record with a pattern that differs per
// entity, so a shifted or swapped block shows.
template <typename Record>
void FillParams(Record& record, std::uint8_t seed) {
  for (std::size_t i = Record::kParamOffset; i < Record::kSize; ++i)
    record.bytes[i] = static_cast<std::uint8_t>(seed + i);
}

VectorFile SamplePointFile();
VectorFile SampleLineFile();
// Two regions: a square with a square hole (arcs 1 and 2), and a triangle
// sharing no arcs (arc 3, used reversed).
VectorFile SampleRegionFile();

VectorFile SampleFile(FileKind kind);

std::vector<std::uint8_t> Encode(const VectorFile& file);

}  // namespace zv::files::testing

#pragma once
// The size fields of a point's parameters that follow a legend sample when
// it is scaled: which fields of which point kind, and by which factor. Two
// tables: gathering shrinks a map sample into the 12 × 8 item box;
// placement grows an item into the legend's box (circles and arcs by the
// mean of the two factors there, by x alone when gathering).

#include <cstdint>
#include <span>

#include "platform/data/param_records.h"

namespace zv::annot {

enum class SizeFactor : uint8_t { kX, kY, kMean };

struct PointSizeField {
  uint8_t kind;     // point kind (byte 0 of the parameters)
  uint8_t offset;   // byte offset of the field
  bool isDouble;    // f64, else f32
  SizeFactor factor;
};

std::span<const PointSizeField> GatherSizeFields();
std::span<const PointSizeField> PlaceSizeFields();

// Multiplies the fields of the point's kind; other kinds stay as they are.
void ScalePointSizes(PNT_INFO& info, std::span<const PointSizeField> fields, double sx, double sy);

}  // namespace zv::annot

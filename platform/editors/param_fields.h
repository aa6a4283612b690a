#pragma once
// The fields of a graphic-parameter record that its editor shows, and their
// values as numbers: every field of the record's kind (for points, those of
// the point's own kind and those of every kind), with the label the editor
// gives it.

#include <cstdint>
#include <vector>

#include "platform/data/param_records.h"

namespace zv {

struct ShownParamField {
  ParamField field;
  const char* label;  // UTF-8
};

// Point fields depend on the point kind (byte 0 of the record).
std::vector<ShownParamField> ShownPointFields(uint8_t pointKind);
std::vector<ShownParamField> ShownLineFields();
std::vector<ShownParamField> ShownRegionFields();

// A field's value in a byte record of at least offset + width bytes.
double ReadParamValue(const uint8_t* record, const ParamField& field);
// Stores the value (rounded toward zero and clamped for integers).
void WriteParamValue(uint8_t* record, const ParamField& field, double value);

}  // namespace zv

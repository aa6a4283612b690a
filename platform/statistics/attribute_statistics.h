#pragma once
// The figures of one entity type's attributes over a work area: how many
// entities are live; for each numeric field the count of values, their sum,
// least, greatest and mean; for each other field with a text form its
// distinct values with how often each occurs (in the order of first
// appearance). Only live entities count; a record that cannot be read adds
// to the entity count but to no field, and a numeric value that is not a
// finite number (NaN or infinite, as a file's bytes may hold) to no figure.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::stats {

struct NumericField {
  std::string name;
  int64_t count = 0;
  double sum = 0.0;
  double minimum = 0.0;
  double maximum = 0.0;
  double mean() const { return count > 0 ? sum / static_cast<double>(count) : 0.0; }
};

struct TextField {
  std::string name;
  std::vector<std::pair<std::string, int64_t>> values;
};

struct AttributeStatistics {
  int64_t liveEntities = 0;
  std::vector<NumericField> numeric;
  std::vector<TextField> texts;
};

// The statistics of the entity type (0 line, 1 point, 2 region); empty
// figures for an invalid area.
AttributeStatistics ComputeStatistics(WorkAreaHandle area, int entityType);

// True for the field types whose values are numbers.
bool IsNumericField(uint8_t type);

}  // namespace zv::stats

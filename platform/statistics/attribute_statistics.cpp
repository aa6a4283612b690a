#include "platform/statistics/attribute_statistics.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace zv::stats {
namespace {

constexpr uint8_t kNumericTypes[] = {kFieldByte, kFieldShort, kFieldLong,    kFieldFloat,
                                     kFieldDouble, kFieldBoolean, kFieldNumber};

void AddNumber(NumericField& field, double value) {
  if (field.count == 0) {
    field.minimum = field.maximum = value;
  } else {
    field.minimum = std::min(field.minimum, value);
    field.maximum = std::max(field.maximum, value);
  }
  field.sum += value;
  ++field.count;
}

// Distinct values in order of first appearance, counted through an index.
struct TextTally {
  TextField field;
  std::unordered_map<std::string, std::size_t> index;
  void Add(const std::string& value) {
    const auto [it, added] = index.emplace(value, field.values.size());
    if (added) field.values.emplace_back(value, 0);
    ++field.values[it->second].second;
  }
};

}  // namespace

bool IsNumericField(uint8_t type) {
  return std::find(std::begin(kNumericTypes), std::end(kNumericTypes), type) != std::end(kNumericTypes);
}

AttributeStatistics ComputeStatistics(WorkAreaHandle area, int entityType) {
  AttributeStatistics result;
  CATT_STRU structure;
  int32_t live = 0, bound = 0;
  if (BasGetEntityCount(area, entityType, &live, &bound) != 1 ||
      BasReadAttributeStructure(area, entityType, &structure) != 1)
    return result;
  result.liveEntities = live;
  // Per field: its slot among the numeric or the text tallies.
  std::vector<std::pair<bool, std::size_t>> slots;
  std::vector<TextTally> tallies;
  for (const CFIELD_HEAD& f : structure.fields) {
    const bool numeric = IsNumericField(f.type);
    slots.emplace_back(numeric, numeric ? result.numeric.size() : tallies.size());
    if (numeric)
      result.numeric.push_back({f.name});
    else
      tallies.push_back({{f.name, {}}, {}});
  }
  for (int32_t id = 1; id < bound; ++id) {
    AttributeRecord record;
    if (BasReadAttribute(area, entityType, id, &record) != 1) continue;
    for (int i = 0; i < static_cast<int>(slots.size()); ++i) {
      const auto [numeric, slot] = slots[static_cast<std::size_t>(i)];
      double value = 0.0;
      std::string text;
      if (numeric && BasGetFieldDoubleByIndex(record, i, &value)) {
        // A value that is no number would make every figure of the field NaN.
        if (std::isfinite(value)) AddNumber(result.numeric[slot], value);
      } else if (!numeric && BasGetFieldText(record, i, &text)) {
        tallies[slot].Add(text);
      }
    }
  }
  for (TextTally& t : tallies) result.texts.push_back(std::move(t.field));
  return result;
}

}  // namespace zv::stats

#include "platform/tin/tin_entries.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "platform/tin/tin_contours.h"

namespace zv::tin {
namespace {

// The numbers of the texts, or the first that is none.
std::variant<std::vector<double>, EntryError> Numbers(const std::vector<std::string>& texts) {
  std::vector<double> values;
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::optional<double> value = num::ParseTypedReal(texts[i]);
    if (!value || !std::isfinite(*value)) return EntryError{static_cast<int>(i), "请输入数值"};
    values.push_back(*value);
  }
  return values;
}

}  // namespace

std::vector<double> DefaultContourEntry(const Tin& tin) {
  const double range = tin.zMax() - tin.zMin();
  return {tin.zMin(), range > 0 ? range / 10.0 : 1.0};
}

std::variant<std::vector<double>, EntryError> CheckContourEntry(const std::vector<std::string>& texts, const Tin& tin) {
  auto numbers = Numbers(texts);
  if (const EntryError* error = std::get_if<EntryError>(&numbers)) return *error;
  const std::vector<double>& v = std::get<std::vector<double>>(numbers);
  LevelChoice choice = ContourLevels(v[0], v[1], tin.zMin(), tin.zMax());
  if (!choice.error.empty()) return EntryError{1, choice.error};
  if (choice.levels.empty()) return EntryError{0, "没有落在高程范围内的等值线"};
  return std::move(choice.levels);
}

std::vector<double> DefaultGridEntry(const D_RECT& extent) { return {DefaultGridStep(extent)}; }

std::variant<GridSpec, EntryError> CheckGridEntry(const std::vector<std::string>& texts, const D_RECT& extent) {
  auto numbers = Numbers(texts);
  if (const EntryError* error = std::get_if<EntryError>(&numbers)) return *error;
  GridChoice choice = GridOver(extent, std::get<std::vector<double>>(numbers)[0]);
  if (!choice.error.empty()) return EntryError{0, choice.error};
  return choice.spec;
}

std::vector<double> DefaultBandLevels(const Tin& tin) {
  const std::vector<double> entry = DefaultContourEntry(tin);
  return ContourLevels(entry[0], entry[1], tin.zMin(), tin.zMax()).levels;
}

}  // namespace zv::tin

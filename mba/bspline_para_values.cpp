#include "mba/bspline_para_values.h"

#include <charconv>

namespace zembrol {

namespace {

constexpr const char* kNotAnInteger = "请输入一个整数。";
constexpr const char* kLevelsOutOfRange = "请输入一个介于 1 和 100 之间的整数。";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::optional<int32_t> ParseFieldInteger(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return std::nullopt;
    }
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::variant<BSplineParameters, ParaError> CheckParameterTexts(const ParaTexts& texts) {
  BSplineParameters values;
  const std::optional<int32_t> levels = ParseFieldInteger(texts.levels);
  if (!levels) {
    return ParaError{ParaField::Levels, kNotAnInteger};
  }
  if (*levels < kMinLevels || *levels > kMaxLevels) {
    return ParaError{ParaField::Levels, kLevelsOutOfRange};
  }
  values.levels = *levels;
  const struct {
    ParaField field;
    const std::string& text;
    int32_t& value;
  } integerFields[] = {
      {ParaField::M, texts.m, values.m},
      {ParaField::N, texts.n, values.n},
      {ParaField::InitM, texts.initM, values.initM},
      {ParaField::InitN, texts.initN, values.initN},
  };
  for (const auto& field : integerFields) {
    const std::optional<int32_t> value = ParseFieldInteger(field.text);
    if (!value) {
      return ParaError{field.field, kNotAnInteger};
    }
    field.value = *value;
  }
  values.calcInvalid = texts.calcInvalid;
  return values;
}

}  // namespace zembrol

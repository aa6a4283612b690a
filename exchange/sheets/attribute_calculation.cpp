#include "exchange/sheets/attribute_calculation.h"

#include <vector>

#include "framework/text/numbers.h"

namespace zv::sheets {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The template as literal pieces and field names, alternating from a piece.
struct Template {
  std::vector<std::string> pieces;
  std::vector<std::string> names;
};

Template SplitTemplate(std::string_view rest) {
  Template t;
  std::string literal;
  while (!rest.empty()) {
    const std::size_t open = rest.find('(');
    if (open == std::string_view::npos) break;
    literal += rest.substr(0, open);
    const std::size_t close = rest.find(')', open + 1);
    if (close == std::string_view::npos) {
      rest.remove_prefix(open + 1);  // a "(" without its ")" is dropped, the rest kept
      break;
    }
    t.pieces.push_back(std::move(literal));
    literal.clear();
    t.names.emplace_back(rest.substr(open + 1, close - open - 1));
    rest.remove_prefix(close + 1);
  }
  literal += rest;
  t.pieces.push_back(std::move(literal));
  return t;
}

// The area's structure and id bound; the outcome says when they cannot be read.
struct Walk {
  int type = -1;
  CATT_STRU structure;
  int32_t bound = 0;
};

bool StartWalk(WorkAreaHandle area, Walk& walk, CalculationOutcome& outcome) {
  walk.type = BasGetWorkAreaType(area);
  if (BasReadAttributeStructure(area, walk.type, &walk.structure) &&
      BasGetAttributeInfo(area, walk.type, &walk.bound) == 1)
    return true;
  outcome.code = CalculationOutcome::kNoArea;
  return false;
}

bool Holds(const Walk& walk, const std::string& name, CalculationOutcome& outcome) {
  if (BasFindField(walk.structure, name) >= 0) return true;
  outcome.code = CalculationOutcome::kMissingField;
  outcome.field = name;
  return false;
}

template <typename Change>
void ForEachRecord(WorkAreaHandle area, const Walk& walk, CalculationOutcome& outcome, Change change) {
  AttributeRecord record;
  BasBeginBatch(area);
  for (int32_t id = 1; id < walk.bound; ++id) {
    if (BasReadAttribute(area, walk.type, id, &record) <= 0 || !change(record)) continue;
    BasWriteAttribute(area, walk.type, id, record);
    ++outcome.changed;
  }
  BasEndBatch(area);
}

std::string ReplacedAll(std::string text, std::string_view find, std::string_view replacement) {
  for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + replacement.size()))
    text.replace(at, find.size(), replacement);
  return text;
}

}  // namespace

char SplitAssignment(std::string_view expression, std::string* target, std::string* right) {
  std::size_t at = expression.find('#');
  if (at == std::string_view::npos) at = expression.find('=');
  if (at == std::string_view::npos) {
    target->clear();
    *right = std::string(expression);
    return 0;
  }
  *target = std::string(expression.substr(0, at));
  *right = std::string(expression.substr(at + 1));
  return expression[at];
}

std::string FormatFieldValue(const AttributeRecord& record, std::string_view name) {
  const int index = record.structure ? BasFindField(*record.structure, name) : -1;
  if (index < 0) return std::string(name);
  const uint8_t type = record.structure->fields[static_cast<std::size_t>(index)].type;
  std::string text;
  double value = 0;
  switch (type) {
    case kFieldString: BasGetFieldText(record, index, &text); return text;
    case kFieldShort:
    case kFieldBoolean:
    case kFieldLong:
      BasGetFieldDoubleByIndex(record, index, &value);
      return num::Format("%d", static_cast<int>(value));
    case kFieldFloat:
    case kFieldDouble: BasGetFieldDoubleByIndex(record, index, &value); return num::Format("%f", value);
    default: return std::string(name);
  }
}

CalculationOutcome FillFieldFromTemplate(WorkAreaHandle area, std::string_view target, std::string_view templ) {
  CalculationOutcome outcome;
  Walk walk;
  if (!StartWalk(area, walk, outcome)) return outcome;
  const std::string targetName(Trimmed(target));
  if (!Holds(walk, targetName, outcome)) return outcome;
  const Template parts = SplitTemplate(templ);
  for (const std::string& name : parts.names)
    if (!Holds(walk, name, outcome)) return outcome;
  const int index = BasFindField(walk.structure, targetName);
  ForEachRecord(area, walk, outcome, [&](AttributeRecord& record) {
    std::string result = parts.pieces[0];
    for (std::size_t i = 0; i < parts.names.size(); ++i)
      result += FormatFieldValue(record, parts.names[i]) + parts.pieces[i + 1];
    return BasSetFieldByIndex(record, index, std::string_view(result));
  });
  return outcome;
}

CalculationOutcome ReplaceInField(WorkAreaHandle area, std::string_view field, std::string_view find,
                                  std::string_view replacement) {
  CalculationOutcome outcome;
  Walk walk;
  if (!StartWalk(area, walk, outcome)) return outcome;
  const std::string name(Trimmed(field));
  if (!Holds(walk, name, outcome)) return outcome;
  if (find.empty()) {
    outcome.code = CalculationOutcome::kNothingToFind;
    return outcome;
  }
  const int index = BasFindField(walk.structure, name);
  const uint8_t type = walk.structure.fields[static_cast<std::size_t>(index)].type;
  ForEachRecord(area, walk, outcome, [&](AttributeRecord& record) {
    const std::string text = ReplacedAll(FormatFieldValue(record, name), find, replacement);
    switch (type) {
      case kFieldString: return BasSetFieldByIndex(record, index, std::string_view(text));
      case kFieldShort: return BasSetFieldByIndex(record, index, static_cast<double>(static_cast<int16_t>(num::ParseInt(text))));
      case kFieldLong: return BasSetFieldByIndex(record, index, static_cast<double>(static_cast<int32_t>(num::ParseLong(text))));
      case kFieldFloat:
      case kFieldDouble: return BasSetFieldByIndex(record, index, num::ParseDouble(text));
      default: return false;
    }
  });
  return outcome;
}

std::string CalculationOutcomeText(const CalculationOutcome& outcome) {
  switch (outcome.code) {
    case CalculationOutcome::kDone: return {};
    case CalculationOutcome::kNoArea: return "无法读取工作区的属性！";
    case CalculationOutcome::kMissingField: return "属性结构中没有字段“" + outcome.field + "”，没有修改属性！";
    case CalculationOutcome::kNothingToFind: return "没有输入要查找的文字，没有修改属性！";
  }
  return {};
}

}  // namespace zv::sheets

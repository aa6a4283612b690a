#pragma once
// The attribute calculation over one work area ("属性简单计算"): an
// assignment "target=expression" evaluated per entity
// (annot::BasEvaluateFieldExpression), a template "target#text (field) text"
// filled per entity, or a text replaced in one field.
//
// Entities are the area's own type (0 line, 1 point, 2 region, 7 a table's
// records), ids 1 .. B−1, unreadable ids skipped. A field named as target,
// in a template or for a replace that the structure does not hold stops the
// run before anything is written. Nothing is recorded for undo.

#include <string>
#include <string_view>

#include "platform/data/work_area.h"

namespace zv::sheets {

// Splits at the first "#" when the text holds one, else at the first "=":
// the target is the text before it, `right` the text after it. The
// separator, or 0 when the text holds neither.
char SplitAssignment(std::string_view expression, std::string* target, std::string* right);

// A field's value as text by its type: texts as stored, 16- and 32-bit
// integers "%d", singles and doubles "%f" (C locale). A field of another
// type, or one the record does not hold, gives its own name.
std::string FormatFieldValue(const AttributeRecord& record, std::string_view name);

struct CalculationOutcome {
  enum Code { kDone, kNoArea, kMissingField, kNothingToFind };
  Code code = kDone;
  std::string field;    // the missing field
  int32_t changed = 0;  // records written
};

// "#": each entity's target becomes the template with every "(name)"
// replaced by that field's value (FormatFieldValue); a "(" without its ")"
// is dropped and the text after it kept.
CalculationOutcome FillFieldFromTemplate(WorkAreaHandle area, std::string_view target, std::string_view templ);

// Every occurrence of `find`, left to right, replaced in each entity's field
// value (the replacement is not searched again), written back by the field's
// type: texts as they are, 16-bit integers by atoi, 32-bit by atol, singles
// and doubles by atof (a text that is no number becomes 0). Fields of other
// types are left alone. An empty `find` changes nothing.
CalculationOutcome ReplaceInField(WorkAreaHandle area, std::string_view field, std::string_view find,
                                  std::string_view replacement);

// The message of an outcome that stopped the run; empty for kDone.
std::string CalculationOutcomeText(const CalculationOutcome& outcome);

}  // namespace zv::sheets

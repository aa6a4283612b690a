#pragma once
// Expressions over the attribute fields of a work area, evaluated for every
// entity into one target field ("深度=高度+宽度").
//
// The grammar is the expression calculator's (expr_calculator.h) without
// its variable x, so every expression the calculator evaluates gives the
// same value here: numbers as CExprCalculator::ParseNumber reads them, the
// three kinds of brackets, the nineteen functions in degrees
// (ExprFunctions(), the two-argument ones with a comma), + − * / and the
// implicit product of a number and a following bracket or function. Added:
//  - an operand may be a field name of the area's structure; the longest
//    name standing at the position is taken (so "深" and "深度" both work)
//    and a field name wins over a function name;
//  - % (the calculator's mod) and ^ (its pow), comparisons, logic and !,
//    binding tightest first as in C, whose spellings they are: ^ (right to
//    left, so −2^2 is −4); unary − and ! (also right after an operator);
//    * / %; + −; > >= < <=; == !=; &&; ||. Comparisons and logic give 1 or 0;
//  - a text field reads as its leading number (0 when there is none), other
//    fields without a number (dates, times) as 0.
// Blanks between tokens are ignored.
//
// The value goes into the target by its type (integers toward zero, texts
// "%.15g"). An entity whose evaluation faults (any ExprFault) or whose value
// does not fit the target's type gets the abnormal value instead. Syntax
// errors, unknown names and a target that the structure does not hold stop
// before anything is written.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "annotation/core/expr_functions.h"
#include "platform/data/attributes.h"
#include "platform/data/work_area.h"

namespace zv::annot {

// What an evaluation over a work area came to.
struct FieldExpressionStatus {
  enum Code : uint8_t {
    kDone = 0,
    kSyntaxError = 1,   // `position`: the character (1-based) where it went wrong
    kUnknownName = 2,   // `name`: the name that is neither a field nor a function
    kNoTarget = 3,      // `name`: the target field the structure does not hold (empty: none given)
    kTargetNotValue = 4,  // `name`: a target that takes no number (date, time, …)
    kNoArea = 5,        // the work area is invalid or its attributes cannot be read
  };
  Code code = kDone;
  int position = 0;
  std::string name;
  int32_t written = 0;   // entities given a value
  int32_t abnormal = 0;  // of them, given the abnormal value
};

// One expression compiled against a structure, for evaluating record after
// record.
class FieldExpression {
 public:
  // Compiles the text; check `status()` before evaluating.
  FieldExpression(std::string_view text, const CATT_STRU& structure);
  ~FieldExpression();
  FieldExpression(FieldExpression&&) noexcept;
  FieldExpression& operator=(FieldExpression&&) noexcept;

  // kDone, kSyntaxError or kUnknownName.
  const FieldExpressionStatus& status() const { return status_; }

  // The value for one record of the structure; kExprOk or the fault.
  ExprFault Evaluate(const AttributeRecord& record, double* value) const;

 private:
  struct Program;
  FieldExpressionStatus status_;
  std::unique_ptr<Program> program_;
};

// Evaluates `expression` for every entity of the area (ids 1 .. B−1 of the
// area's own entity type, unreadable ids skipped) into the field `target`.
FieldExpressionStatus BasEvaluateFieldExpression(WorkAreaHandle area, std::string_view target,
                                                 std::string_view expression, double abnormalValue);

// The message for a status, beginning with the calculator's "表达式错误！"
// for the faults of the expression; empty for kDone.
std::string ExpressionStatusText(const FieldExpressionStatus& status);

}  // namespace zv::annot

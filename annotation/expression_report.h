#pragma once
// Tells the user why an attribute expression was not evaluated: the
// calculator's "表达式错误！" naming the fault (field_expression.h). Says
// nothing for an evaluation that ran.
#include "annotation/core/field_expression.h"

namespace zv::annot {

void W60ReportExpressionStatus(WorkAreaHandle area, const FieldExpressionStatus& status);

}  // namespace zv::annot

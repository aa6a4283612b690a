#include "annotation/expression_report.h"

#include "framework/prompts/prompts.h"

namespace zv::annot {

void W60ReportExpressionStatus(WorkAreaHandle, const FieldExpressionStatus& status) {
  const std::string text = ExpressionStatusText(status);
  if (!text.empty()) prompt::Message(QString::fromStdString(text), prompt::kIconWarning);
}

}  // namespace zv::annot

#include "geodesy/frame/refusal_prompt.h"

#include <QLineEdit>

#include "framework/prompts/prompts.h"

namespace zv::geodesy {

void TellRefusal(QWidget& dialog, const FrameRefusal& refusal) {
  prompt::Message(QString::fromStdString(refusal.message), prompt::kIconWarning);
  if (auto* field = dialog.findChild<QLineEdit*>(QString::fromStdString(refusal.field))) field->setFocus();
}

}  // namespace zv::geodesy

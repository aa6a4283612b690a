#include "platform/editors/layer_picker.h"

#include <QDialog>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv {

int BasSelectLayer(const QString& title, int16_t* layer, QWidget* parent) {
  if (!layer) return 0;
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* number = new QSpinBox(&dialog);
  number->setObjectName(QStringLiteral("layer"));
  number->setRange(std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
  number->setValue(*layer);
  layout->addWidget(new QLabel(QStringLiteral("图层"), &dialog));
  layout->addWidget(number);
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return 0;
  *layer = static_cast<int16_t>(number->value());
  return 1;
}

}  // namespace zv

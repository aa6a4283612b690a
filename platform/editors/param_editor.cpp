#include "platform/editors/param_editor.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <limits>
#include <vector>

#include "framework/prompts/prompts.h"
#include "platform/editors/param_fields.h"

namespace zv {

namespace {

double Limit(ParamValueType type) {
  switch (type) {
    case ParamValueType::U8: return 255.0;
    case ParamValueType::I16: return 32767.0;
    case ParamValueType::I32: return 2147483647.0;
    default: return 1e15;
  }
}

int EditRecord(uint8_t* record, const std::vector<ShownParamField>& fields, const QString& title, QWidget* parent) {
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  std::vector<QDoubleSpinBox*> boxes;
  for (const ShownParamField& shown : fields) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setObjectName(QString::fromLatin1(shown.field.name));
    const bool integral = shown.field.type != ParamValueType::F32 && shown.field.type != ParamValueType::F64;
    box->setDecimals(integral ? 0 : 6);
    const double limit = Limit(shown.field.type);
    box->setRange(shown.field.type == ParamValueType::U8 ? 0.0 : -limit, limit);
    box->setValue(ReadParamValue(record, shown.field));
    form->addRow(QString::fromUtf8(shown.label), box);
    boxes.push_back(box);
  }
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return 2;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // A value left as shown keeps its bytes (a float shown with 6 decimals
    // would otherwise be rounded).
    const double before = ReadParamValue(record, fields[i].field);
    const double after = boxes[i]->value();
    QDoubleSpinBox probe;
    probe.setDecimals(boxes[i]->decimals());
    probe.setRange(boxes[i]->minimum(), boxes[i]->maximum());
    probe.setValue(before);
    if (probe.value() != after) WriteParamValue(record, fields[i].field, after);
  }
  return 1;
}

}  // namespace

int EditPointParam(PNT_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownPointFields(info.kind()), title, parent);
}

int EditLineParam(LIN_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownLineFields(), title, parent);
}

int EditRegionParam(REG_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownRegionFields(), title, parent);
}

}  // namespace zv

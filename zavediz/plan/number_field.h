#pragma once
// The number fields of the plan dialogs: any coordinate or elevation the
// plan may hold, to four decimals, found by their object names in tests.

#include <QDoubleSpinBox>

namespace zv::zavediz {

inline QDoubleSpinBox* NumberField(const char* name, QWidget* parent) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(QString::fromUtf8(name));
  field->setRange(-1e12, 1e12);
  field->setDecimals(4);
  return field;
}

}  // namespace zv::zavediz

#include "tools/clip/divide_line_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"

namespace zv::tools {
namespace {

QLineEdit* NumberEdit(QWidget* parent, const char* name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  return edit;
}

}  // namespace

CDivideLineDlg::CDivideLineDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("定距/定数等分线");
  auto* layout = new QVBoxLayout(this);
  byDistance_ = new QRadioButton("定距等分线", this);
  byDistance_->setObjectName("byDistance");
  byParts_ = new QRadioButton("定数等分线", this);
  byParts_->setObjectName("byParts");
  layout->addWidget(byDistance_);
  layout->addWidget(byParts_);
  auto* form = new QFormLayout;
  distance_ = NumberEdit(this, "distance", num::Format("%g", values_.distance).c_str());
  parts_ = NumberEdit(this, "parts", QString::number(values_.parts));
  form->addRow("距离：", distance_);
  form->addRow("段数：", parts_);
  layout->addLayout(form);
  auto* offsets = new QGroupBox("数据随机偏移", this);
  auto* offsetForm = new QFormLayout(offsets);
  direction_ = new QComboBox(offsets);
  direction_->setObjectName("direction");
  direction_->addItems({"无方向", "正方向", "反方向"});
  direction_->setCurrentIndex(0);
  range_ = NumberEdit(offsets, "range", num::Format("%g", values_.range).c_str());
  offsetForm->addRow("偏移方向", direction_);
  offsetForm->addRow("偏移范围", range_);
  layout->addWidget(offsets);
  addVertices_ = new QCheckBox("增加线节点", this);
  addVertices_->setObjectName("addVertices");
  addVertices_->setChecked(values_.addVertices);
  addPoints_ = new QCheckBox("单独增加点", this);
  addPoints_->setObjectName("addPoints");
  addPoints_->setChecked(values_.addPoints);
  layout->addWidget(addVertices_);
  layout->addWidget(addPoints_);
  AddOkCancelButtons(*this, layout);
  connect(byDistance_, &QRadioButton::clicked, this, [this] { SetByDistance(true); });
  connect(byParts_, &QRadioButton::clicked, this, [this] { SetByDistance(false); });
  SetByDistance(true);
}

void CDivideLineDlg::SetByDistance(bool byDistance) {
  values_.byDistance = byDistance;
  byDistance_->setChecked(byDistance);
  byParts_->setChecked(!byDistance);
  distance_->setEnabled(byDistance);
  parts_->setEnabled(!byDistance);
}

void CDivideLineDlg::accept() {
  DivideValues v = values_;
  v.distance = num::ParseDouble(distance_->text().toStdString());
  v.parts = num::ParseIntHeld(parts_->text().toStdString());
  v.range = num::ParseDouble(range_->text().toStdString());
  v.direction = direction_->currentIndex();
  v.addVertices = addVertices_->isChecked();
  v.addPoints = addPoints_->isChecked();
  const auto checked = CheckDivideValues(v);
  if (const auto* refusal = std::get_if<DivideRefusal>(&checked)) {
    prompt::Message(QString::fromStdString(refusal->message), prompt::kIconWarning);
    if (QWidget* field = findChild<QWidget*>(refusal->field)) field->setFocus();
    return;
  }
  values_ = std::get<DivideValues>(checked);
  QDialog::accept();
}

}  // namespace zv::tools

#include "zavediz/plan/design_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "zavediz/plan/number_field.h"

namespace zv::zavediz {
namespace {

// A design dialog belongs to the plan view that opened it: its requests go
// there, not to whichever plan view opened last.
void PostPlanRequest(QWidget* owner, intptr_t code) {
  msg::PostOrShow(owner, msg::kPlanRequest, 0, code, QString::fromUtf8(msg::kPostFailedText));
}

QLineEdit* NameField(const char* text, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromUtf8(text), parent);
  field->setObjectName(QStringLiteral("name"));
  return field;
}

QSpinBox* AngleField(const char* name, int value, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(QString::fromUtf8(name));
  field->setRange(-360, 360);
  field->setValue(value);
  return field;
}

QDoubleSpinBox* ValueField(const char* name, double value, QWidget* parent) {
  QDoubleSpinBox* field = NumberField(name, parent);
  field->setValue(value);
  return field;
}

}  // namespace

CDesignDlg::CDesignDlg(QWidget* owner, int storeRequest) : QDialog(owner), storeRequest_(storeRequest) {
  setWindowTitle(QString());
  setModal(false);
}

void CDesignDlg::Finish(QLayout* fields) {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* store = buttons->addButton(QStringLiteral("存 储"), QDialogButtonBox::ActionRole);
  QPushButton* quit = buttons->addButton(QStringLiteral("退 出"), QDialogButtonBox::RejectRole);
  store->setObjectName(QStringLiteral("store"));
  quit->setObjectName(QStringLiteral("exit"));
  store->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  connect(store, &QPushButton::clicked, this, [this] { PostPlanRequest(parentWidget(), storeRequest_); });
  connect(buttons, &QDialogButtonBox::rejected, this, &CDesignDlg::reject);
  adjustSize();
  if (QWidget* owner = parentWidget()) move(owner->mapToGlobal(QPoint(0, 0)));
}

void CDesignDlg::reject() {
  PostPlanRequest(parentWidget(), kEndDesignRequest);
  Dismiss();
}

void CDesignDlg::Dismiss() {
  hide();
  deleteLater();
}

CBoreholeCollarDlg::CBoreholeCollarDlg(QWidget* owner)
    : CDesignDlg(owner, kStoreBoreholeRequest),
      name_(NameField("ZK", this)),
      depth_(ValueField("depth", 100.0, this)),
      azimuth_(AngleField("azimuth", 0, this)),
      dip_(AngleField("dip", 90, this)),
      x_(ValueField("x", 0.0, this)),
      y_(ValueField("y", 0.0, this)),
      h_(ValueField("h", 0.0, this)) {
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("钻孔名称"), name_);
  form->addRow(QStringLiteral("孔深"), depth_);
  form->addRow(QStringLiteral("方位角"), azimuth_);
  form->addRow(QStringLiteral("倾角"), dip_);
  form->addRow(QStringLiteral("坐标_X"), x_);
  form->addRow(QStringLiteral("坐标_Y"), y_);
  form->addRow(QStringLiteral("坐标_H"), h_);
  Finish(form);
}

BoreholeEntry CBoreholeCollarDlg::Values() const {
  return BoreholeEntry{name_->text().toStdString(), depth_->value(), azimuth_->value(), dip_->value(),
                       x_->value(),                 y_->value(),     h_->value()};
}

void CBoreholeCollarDlg::ShowClick(const DesignClick& click) {
  x_->setValue(click.x);
  y_->setValue(click.y);
  h_->setValue(click.h);
}

CTrenchDlg::CTrenchDlg(QWidget* owner)
    : CDesignDlg(owner, kStoreTrenchRequest),
      name_(NameField("TC", this)),
      length_(ValueField("length", 100.0, this)),
      x_(ValueField("x", 0.0, this)),
      y_(ValueField("y", 0.0, this)) {
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("探槽名称"), name_);
  form->addRow(QStringLiteral("探槽长度"), length_);
  form->addRow(QStringLiteral("坐标_X"), x_);
  form->addRow(QStringLiteral("坐标_Y"), y_);
  Finish(form);
}

TrenchEntry CTrenchDlg::Values() const {
  return TrenchEntry{name_->text().toStdString(), length_->value(), x_->value(), y_->value()};
}

void CTrenchDlg::ShowClick(const DesignClick& click) {
  x_->setValue(click.x);
  y_->setValue(click.y);
}

}  // namespace zv::zavediz

#include "zavediz/plan/elevation_range_dlg.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "zavediz/plan/number_field.h"

namespace zv::zavediz {
namespace {

constexpr double kCountUpEnd = 10000.0;
constexpr double kCountDownEnd = 0.0;

}  // namespace

CElevationRangeDlg::CElevationRangeDlg(const ElevationRange& range, QWidget* parent)
    : QDialog(parent),
      range_(range),
      start_(NumberField("start", this)),
      end_(NumberField("end", this)),
      increment_(NumberField("increment", this)),
      increase_(new QRadioButton(QStringLiteral("增 加"), this)),
      decrease_(new QRadioButton(QStringLiteral("减 少"), this)) {
  setWindowTitle(QStringLiteral("设置高程参数"));
  increase_->setObjectName(QStringLiteral("increase"));
  decrease_->setObjectName(QStringLiteral("decrease"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("起始高程"), start_);
  form->addRow(QStringLiteral("终止高程"), end_);
  form->addRow(QStringLiteral("高程增量"), increment_);
  layout->addLayout(form);
  auto* direction = new QHBoxLayout;
  direction->addWidget(increase_);
  direction->addWidget(decrease_);
  layout->addLayout(direction);
  AddOkCancelButtons(*this, layout);
  connect(increase_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) end_->setValue(kCountUpEnd);
  });
  connect(decrease_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) end_->setValue(kCountDownEnd);
  });
}

int CElevationRangeDlg::DoModal() {
  start_->setValue(range_.start);
  end_->setValue(range_.end);
  increment_->setValue(range_.increment);
  (range_.end == kCountDownEnd ? decrease_ : increase_)->setChecked(true);
  return prompt::Current().Exec(*this);
}

void CElevationRangeDlg::accept() {
  range_.start = start_->value();
  range_.end = end_->value();
  range_.increment = increment_->value();
  QDialog::accept();
}

}  // namespace zv::zavediz

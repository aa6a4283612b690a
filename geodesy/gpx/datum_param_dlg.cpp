#include "geodesy/gpx/datum_param_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "geodesy/point_text.h"
#include "geodesy/widgets/point_list.h"

namespace zv::gpx {
namespace {

QString Text(double v) { return QString::fromStdString(num::Format("%g", v)); }

}  // namespace

CDatumParamDlg::CDatumParamDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("转换参数"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto edit = [&](const char* name, const QString& label, const QString& value) {
    return geodesy::AddFormEdit(this, form, name, label, value);
  };
  dx_ = edit("dx", QStringLiteral("DX"), Text(values_.shift.dx));
  dy_ = edit("dy", QStringLiteral("DY"), Text(values_.shift.dy));
  dz_ = edit("dz", QStringLiteral("DZ"), Text(values_.shift.dz));
  scale_ = edit("scale", QStringLiteral("比例尺"), QString::number(values_.scale));
  datum_ = new QComboBox(this);
  datum_->setObjectName("datum");
  datum_->addItems({QStringLiteral("北京54"), QStringLiteral("西安80")});
  datum_->setCurrentIndex(1);
  form->addRow(QStringLiteral("坐标系"), datum_);
  layout->addLayout(form);
  AddOkCancelButtons(*this, layout);
}

void CDatumParamDlg::accept() {
  const auto dx = point_text::ParseNumber(dx_->text().toStdString());
  const auto dy = point_text::ParseNumber(dy_->text().toStdString());
  const auto dz = point_text::ParseNumber(dz_->text().toStdString());
  const auto scale = point_text::ParseNumber(scale_->text().toStdString());
  if (!dx || !dy || !dz || !scale || *scale != static_cast<int32_t>(*scale)) {
    prompt::Message(QStringLiteral("请输入数字。"), prompt::kIconWarning);
    return;
  }
  values_ = {{*dx, *dy, *dz}, static_cast<int32_t>(*scale), datum_->currentIndex() == 0 ? 54 : 80};
  QDialog::accept();
}

}  // namespace zv::gpx

#include "geodesy/frame/standard_frame_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "geodesy/frame/refusal_prompt.h"
#include "geodesy/widgets/point_list.h"

namespace zv::geodesy {

CStandardFrameDlg::CStandardFrameDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("标准矩形图框"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto edit = [&](const char* name, const char* label, const QString& value) {
    return AddFormEdit(this, form, name, QString::fromUtf8(label), value);
  };
  scale_ = edit("scale", "比例尺", QString::number(values_.scale));
  zoneFlag_ = new QCheckBox(QStringLiteral("带号"), this);
  zoneFlag_->setObjectName("zoneFlag");
  zoneFlag_->setChecked(values_.zoneFlag);
  zone_ = new QLineEdit(QString::number(values_.zone), this);
  zone_->setObjectName("zone");
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(zoneFlag_);
  zoneRow->addWidget(zone_);
  form->addRow(zoneRow);
  connect(zoneFlag_, &QCheckBox::toggled, zone_, &QWidget::setEnabled);
  x1_ = edit("x1", "横向起始公里值X1", QString::fromStdString(values_.x1));
  x2_ = edit("x2", "横向结束公里值X2", QString::fromStdString(values_.x2));
  y1_ = edit("y1", "纵向起始公里值Y1", QString::fromStdString(values_.y1));
  y2_ = edit("y2", "纵向结束公里值Y2", QString::fromStdString(values_.y2));
  layout->addLayout(form);
  AddOkCancelButtons(*this, layout);
}

void CStandardFrameDlg::accept() {
  const StandardFrameTexts texts{scale_->text().toStdString(), zone_->text().toStdString(),
                                 x1_->text().toStdString(),    x2_->text().toStdString(),
                                 y1_->text().toStdString(),    y2_->text().toStdString(),
                                 zoneFlag_->isChecked()};
  if (const std::optional<FrameRefusal> refusal = CheckStandardFrame(texts, &values_)) {
    TellRefusal(*this, *refusal);
    return;
  }
  QDialog::accept();
}

}  // namespace zv::geodesy

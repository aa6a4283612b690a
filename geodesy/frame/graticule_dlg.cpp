#include "geodesy/frame/graticule_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "geodesy/frame/refusal_prompt.h"
#include "geodesy/widgets/point_list.h"
#include "platform/projection/proj_param_editors.h"

namespace zv::geodesy {

CGraticuleDlg::CGraticuleDlg(QWidget* parent) : QDialog(parent), params_(std::make_unique<ProjParams>()) {
  setWindowTitle(QStringLiteral("绘制经纬网"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto edit = [&](const char* name, const char* label, const std::string& value) {
    return AddFormEdit(this, form, name, QString::fromUtf8(label), QString::fromStdString(value));
  };
  interval_edit_ = edit("interval", "公里网间隔", values_.interval);
  form->addRow(QString(), new QLabel(QStringLiteral("Km"), this));
  maxLat_ = edit("maxLatitude", "最大起始纬度", values_.maxLatitude);
  maxLon_ = edit("maxLongitude", "最大起始经度", values_.maxLongitude);
  minLat_ = edit("minLatitude", "最小起始纬度", values_.minLatitude);
  minLon_ = edit("minLongitude", "最小起始经度", values_.minLongitude);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ActionButton(this, "angleUnits", QStringLiteral("角度单位"), [this] { EditAngleUnits(); }));
  buttons->addWidget(ActionButton(this, "projection", QStringLiteral("投影参数"), [this] { EditProjection(); }));
  layout->addLayout(buttons);
  AddOkCancelButtons(*this, layout);
  SetGraticuleAngleRecord(*params_);
  SetMapRecord();
}

CGraticuleDlg::~CGraticuleDlg() = default;

void CGraticuleDlg::ReadControls() {
  values_ = {interval_edit_->text().toStdString(), maxLat_->text().toStdString(), maxLon_->text().toStdString(),
             minLat_->text().toStdString(), minLon_->text().toStdString()};
}

void CGraticuleDlg::SetMapRecord() {
  if (params_ && SetGraticuleMapRecord(*params_, values_.minLongitude) < 0.0) prompt::Message(QStringLiteral("数据错误"));
}

void CGraticuleDlg::EditAngleUnits() {
  if (!params_) return;
  SetGraticuleAngleRecord(*params_);
  ProjEditAngleParams(*params_, this);
}

void CGraticuleDlg::EditProjection() {
  if (!params_) return;
  ReadControls();
  SetMapRecord();
  ProjEditMapParams(*params_, this);
}

void CGraticuleDlg::accept() {
  ReadControls();
  if (const std::optional<FrameRefusal> refusal = CheckGraticule(values_, &interval_)) {
    TellRefusal(*this, *refusal);
    return;
  }
  QDialog::accept();
}

}  // namespace zv::geodesy

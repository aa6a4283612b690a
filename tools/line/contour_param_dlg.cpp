#include "tools/line/contour_param_dlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "platform/data/work_area.h"
#include "platform/editors/param_editor.h"

namespace zv::tools {
namespace {

QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

QString Real(double value) { return QString::fromStdString(num::Format("%g", value)); }
int Whole(const QLineEdit* edit) { return num::ParseIntHeld(edit->text().toStdString()); }
double Number(const QLineEdit* edit) { return num::ParseDouble(edit->text().toStdString()); }

}  // namespace

CContourParamDlg::CContourParamDlg(int mode, QWidget* parent) : QDialog(parent) {
  setWindowTitle("插入等高线参数设置");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  vertexCount_ = Edit(this, "vertexCount");
  contours_ = Edit(this, "contours");
  colourEdit_ = Edit(this, "colour");
  layer_ = Edit(this, "layer");
  angle_ = Edit(this, "fillAngle");
  spacing_ = Edit(this, "fillSpacing");
  auto* colourButton = new QPushButton("线颜色：", this);
  colourButton->setObjectName("colourButton");
  form->addRow("线拐点数：", vertexCount_);
  form->addRow("等高线数：", contours_);
  form->addRow(colourButton, colourEdit_);
  form->addRow("线层号：", layer_);
  form->addRow("填充线角度：", angle_);
  form->addRow("填充线距离：", spacing_);
  layout->addLayout(form);
  const char* texts[] = {"算法1：适合线光滑曲线", "算法2：适合线点较均匀", "算法3：适合连续拐弯线"};
  for (int i = 0; i < 3; ++i) {
    algorithm_[i] = new QRadioButton(texts[i], this);
    algorithm_[i]->setObjectName(QString("algorithm%1").arg(i + 1));
    layout->addWidget(algorithm_[i]);
  }
  AddOkCancelButtons(*this, layout);
  connect(colourButton, &QPushButton::clicked, this, [this] { EditColour(); });
  const bool contoursMode = mode == 0 || mode == -1;
  const bool fillMode = mode == 1 || mode == -2;
  angle_->setEnabled(!contoursMode);
  spacing_->setEnabled(!contoursMode);
  vertexCount_->setEnabled(!fillMode);
  contours_->setEnabled(!fillMode);
  for (QRadioButton* radio : algorithm_) radio->setEnabled(!fillMode);
  Load();
}

void CContourParamDlg::Load() {
  if (const LIN_INFO* defaults = BasGetDefaultLineParam()) fill_ = *defaults;
  fill_.setColour(colour_);
  const ContourSettings& s = CurrentContourSettings();
  colour_ = s.colour;
  vertexCount_->setText(QString::number(s.vertexCount));
  contours_->setText(QString::number(s.contours));
  colourEdit_->setText(QString::number(s.colour));
  layer_->setText(QString::number(s.layer));
  angle_->setText(Real(s.fillAngle));
  spacing_->setText(Real(s.fillSpacing));
  algorithm_[std::clamp(s.algorithm, 1, 3) - 1]->setChecked(true);
}

void CContourParamDlg::EditColour() {
  LIN_INFO* defaults = BasGetDefaultLineParam();
  if (defaults == nullptr) return;
  EditLineParam(*defaults, "编辑线参数", this);
  fill_ = *defaults;
  colourEdit_->setText(QString::number(defaults->colour()));
}

ContourSettings CContourParamDlg::Typed() const {
  ContourSettings s = CurrentContourSettings();
  s.vertexCount = Whole(vertexCount_);
  s.contours = Whole(contours_);
  s.colour = Whole(colourEdit_);
  s.layer = Whole(layer_);
  s.fillAngle = Number(angle_);
  s.fillSpacing = Number(spacing_);
  for (int i = 0; i < 3; ++i)
    if (algorithm_[i]->isChecked()) s.algorithm = i + 1;
  return s;
}

void CContourParamDlg::accept() {
  const ContourSettings s = Typed();
  if (const std::optional<ContourRefusal> refusal = CheckContourSettings(s)) {
    prompt::Message(QString::fromStdString(refusal->message), prompt::kIconWarning);
    if (QWidget* field = findChild<QWidget*>(refusal->field)) field->setFocus();
    return;
  }
  CurrentContourSettings() = s;
  colour_ = s.colour;
  fill_.setColour(s.colour);
  fill_.setLayer(static_cast<int16_t>(s.layer));
  QDialog::accept();
}

}  // namespace zv::tools

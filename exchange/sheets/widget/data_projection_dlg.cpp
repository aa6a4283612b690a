#include "exchange/sheets/widget/data_projection_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "platform/editors/param_editor.h"

namespace zv::sheets {
namespace {

constexpr uint8_t kGeographic = 1;
constexpr uint8_t kPackedDms = 5;

std::array<MapParams, 2>& Remembered() {
  static std::array<MapParams, 2> params = [] {
    MapParams input = DefaultMapParams();
    input.setCoordKind(kGeographic);
    input.setUnit(kPackedDms);
    return std::array<MapParams, 2>{input, DefaultMapParams()};
  }();
  return params;
}

QCheckBox* Check(QWidget* parent, int id, const char* text, bool on) {
  auto* box = new QCheckBox(QString::fromUtf8(text), parent);
  box->setObjectName(QString("control%1").arg(id));
  box->setChecked(on);
  return box;
}

QPushButton* Button(QWidget* parent, int id, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString("control%1").arg(id));
  return button;
}

}  // namespace

std::array<MapParams, 2> CDataProjectionDlg::LastProjection() { return Remembered(); }

CDataProjectionDlg::CDataProjectionDlg(const std::vector<std::string>& columnNames, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("数据投影");
  choice_.style.symbol = *BasGetDefaultPointParam(1);
  choice_.style.note = *BasGetDefaultPointParam(0);
  choice_.style.line = *BasGetDefaultLineParam();
  choice_.input = Remembered()[0];
  choice_.result = Remembered()[1];
  const ProjectionOptions& o = choice_.options;

  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  const int comboIds[] = {1078, 1079, 1072, 1087, 1089};
  const char* comboTexts[] = {"X:", "Y:", "注释:", "倾向", "倾角"};
  for (std::size_t i = 0; i < combos_.size(); ++i) {
    combos_[i] = new QComboBox(this);
    combos_[i]->setObjectName(QString("control%1").arg(comboIds[i]));
    for (const std::string& name : columnNames)
      if (!name.empty()) combos_[i]->addItem(QString::fromStdString(name));
    auto* label = new QLabel(QString::fromUtf8(comboTexts[i]), this);
    grid->addWidget(label, static_cast<int>(i), 0);
    grid->addWidget(combos_[i], static_cast<int>(i), 1);
    if (i == 0) xLabel_ = label;
    if (i == 1) yLabel_ = label;
  }
  xLabel_->setObjectName("control1085");
  yLabel_->setObjectName("control1086");
  combos_[0]->setCurrentIndex(combos_[0]->count() > 0 ? 0 : -1);
  combos_[1]->setCurrentIndex(combos_[1]->count() > 1 ? 1 : -1);
  combos_[2]->setCurrentIndex(combos_[2]->count() > 2 ? 2 : -1);
  combos_[3]->setCurrentIndex(-1);
  combos_[4]->setCurrentIndex(-1);
  layout->addLayout(grid);

  auto* group = new QGroupBox("选择属性字段", this);
  auto* groupLayout = new QVBoxLayout(group);
  attributes_ = new QListWidget(group);
  attributes_->setObjectName("control1001");
  attributes_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& name : columnNames)
    if (!name.empty()) attributes_->addItem(QString::fromStdString(name));
  attributes_->selectAll();
  groupLayout->addWidget(attributes_);
  layout->addWidget(group);

  auto* options = new QGridLayout;
  noProjection_ = Check(this, 1073, "不需要投影", o.noProjection);
  closeLine_ = Check(this, 1084, "线闭合", o.closeLine);
  drawLine_ = Check(this, 1083, "绘制线", o.drawLine);
  drawPoints_ = Check(this, 1052, "绘制点", o.drawPoints);
  labels_ = Check(this, 1081, "注释标注", o.noteLabels);
  giveAttributes_ = Check(this, 1080, "赋给点属性", o.giveAttributes);
  attitude_ = Check(this, 1383, "投影产状", o.attitude);
  scale_ = new QSpinBox(this);
  scale_->setObjectName("control1219");
  scale_->setRange(1, 1000000000);
  scale_->setValue(o.scale);
  interval_ = new QSpinBox(this);
  interval_->setObjectName("control1012");
  interval_->setRange(0, 1000000);
  interval_->setValue(o.interval);
  distance_ = new QDoubleSpinBox(this);
  distance_->setObjectName("control196");
  distance_->setRange(-1e6, 1e6);
  distance_->setDecimals(3);
  distance_->setValue(o.distance);
  inputParams_ = Button(this, 1074, "用户投影参数");
  resultParams_ = Button(this, 1075, "结果投影参数");
  symbolParams_ = Button(this, 1076, "子图图元参数");
  lineParams_ = Button(this, 1077, "线图元参数");
  noteParams_ = Button(this, 1082, "文字图元参数");
  options->addWidget(noProjection_, 0, 0);
  options->addWidget(new QLabel("比例尺", this), 0, 1);
  options->addWidget(scale_, 0, 2);
  options->addWidget(inputParams_, 1, 0);
  options->addWidget(resultParams_, 1, 1);
  options->addWidget(drawPoints_, 2, 0);
  options->addWidget(giveAttributes_, 2, 1);
  options->addWidget(symbolParams_, 2, 2);
  options->addWidget(drawLine_, 3, 0);
  options->addWidget(closeLine_, 3, 1);
  options->addWidget(lineParams_, 3, 2);
  options->addWidget(labels_, 4, 0);
  options->addWidget(new QLabel("间隔", this), 4, 1);
  options->addWidget(interval_, 4, 2);
  options->addWidget(noteParams_, 4, 3);
  options->addWidget(attitude_, 5, 0);
  options->addWidget(new QLabel("距离", this), 5, 1);
  options->addWidget(distance_, 5, 2);
  layout->addLayout(options);
  AddOkCancelButtons(*this, layout);

  for (QCheckBox* box : {closeLine_, drawLine_, drawPoints_, labels_, giveAttributes_, attitude_})
    connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
  connect(noProjection_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) scale_->setValue(1000);
    UpdateEnabling();
  });
  connect(inputParams_, &QPushButton::clicked, this, [this] { EditMapParams(choice_.input, "用户投影参数", this); });
  connect(resultParams_, &QPushButton::clicked, this, [this] { EditMapParams(choice_.result, "结果投影参数", this); });
  connect(symbolParams_, &QPushButton::clicked, this, [this] {
    PNT_INFO info = *BasGetDefaultPointParam(1);
    if (EditPointParam(info, "编辑点参数", this) != 1) return;
    BasSetDefaultPointParam(info);
    choice_.style.symbol = info;
  });
  connect(noteParams_, &QPushButton::clicked, this, [this] {
    PNT_INFO info = *BasGetDefaultPointParam(0);
    if (EditPointParam(info, "编辑文字参数", this) != 1) return;
    BasSetDefaultPointParam(info);
    choice_.style.note = info;
  });
  connect(lineParams_, &QPushButton::clicked, this, [this] {
    LIN_INFO info = *BasGetDefaultLineParam();
    if (EditLineParam(info, "编辑线参数", this) != 1) return;
    BasSetDefaultLineParam(info);
    choice_.style.line = info;
  });
  UpdateEnabling();
}

void CDataProjectionDlg::UpdateEnabling() {
  const bool plane = noProjection_->isChecked();
  scale_->setEnabled(plane);
  inputParams_->setEnabled(!plane);
  resultParams_->setEnabled(!plane);
  xLabel_->setText(plane ? "X:" : "经度:");
  yLabel_->setText(plane ? "Y:" : "纬度:");
  giveAttributes_->setEnabled(drawPoints_->isChecked());
  symbolParams_->setEnabled(drawPoints_->isChecked());
  closeLine_->setEnabled(drawLine_->isChecked());
  lineParams_->setEnabled(drawLine_->isChecked());
  noteParams_->setEnabled(labels_->isChecked());
  interval_->setEnabled(labels_->isChecked());
  attributes_->setEnabled(giveAttributes_->isChecked());
  distance_->setEnabled(attitude_->isChecked());
  combos_[3]->setEnabled(attitude_->isChecked());
  combos_[4]->setEnabled(attitude_->isChecked());
}

void CDataProjectionDlg::accept() {
  ProjectionOptions& o = choice_.options;
  o.noProjection = noProjection_->isChecked();
  o.closeLine = closeLine_->isChecked();
  o.drawLine = drawLine_->isChecked();
  o.drawPoints = drawPoints_->isChecked();
  o.noteLabels = labels_->isChecked();
  o.scale = scale_->value();
  o.giveAttributes = giveAttributes_->isChecked();
  o.interval = interval_->value();
  o.attitude = attitude_->isChecked();
  o.distance = distance_->value();
  choice_.x = combos_[0]->currentIndex();
  choice_.y = combos_[1]->currentIndex();
  choice_.note = combos_[2]->currentIndex();
  choice_.dipDirection = combos_[3]->currentIndex();
  choice_.dipAngle = combos_[4]->currentIndex();
  choice_.attributes.clear();
  for (int i = 0; i < attributes_->count(); ++i)
    if (attributes_->item(i)->isSelected()) choice_.attributes.push_back(i);
  Remembered() = {choice_.input, choice_.result};
  QDialog::accept();
}

}  // namespace zv::sheets

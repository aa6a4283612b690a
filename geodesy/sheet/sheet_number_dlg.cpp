#include "geodesy/sheet/sheet_number_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "geodesy/point_text.h"

namespace zv::sheet {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QLineEdit* edit) { return edit->text().toStdString(); }
QString Degrees(double value) { return Q(num::Format("%.15g", value)); }

}  // namespace

CSheetNumberDlg::CSheetNumberDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("新旧图幅号转换"));
  auto* layout = new QVBoxLayout(this);
  fields_ = new QFormLayout;
  layout->addLayout(fields_);

  scale_ = new QComboBox(this);
  scale_->setObjectName("scale");
  scale_->addItems({"5000", "10000", "25000", "50000", "100000", "250000", "500000", "1000000"});
  scale_->setCurrentText(Q(form_.scale));
  fields_->addRow(QStringLiteral("比例尺"), scale_);

  auto* radios = new QHBoxLayout;
  modes_ = new QButtonGroup(this);
  const char* labels[] = {"经度(度)", "经度DMS", "新图幅号", "旧图幅号"};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(labels[i]), this);
    radio->setObjectName(QStringLiteral("mode%1").arg(i + 1));
    modes_->addButton(radio, i);
    radios->addWidget(radio);
  }
  fields_->addRow(radios);

  lon_ = AddEdit("lon", QStringLiteral("经度"), true);
  lat_ = AddEdit("lat", QStringLiteral("纬度"), true);
  lonPacked_ = AddEdit("lonPacked", QStringLiteral("经度DMS"), true);
  latPacked_ = AddEdit("latPacked", QStringLiteral("纬度DMS"), true);
  new_ = AddEdit("newNumber", QStringLiteral("新图幅号"), true);
  old_ = AddEdit("oldNumber", QStringLiteral("旧图幅号"), true);
  lonRange_ = AddEdit("lonRange", QStringLiteral("经度范围"), false);
  latRange_ = AddEdit("latRange", QStringLiteral("纬度范围"), false);
  lonDifference_ = AddEdit("lonDifference", QStringLiteral("经差"), false);
  latDifference_ = AddEdit("latDifference", QStringLiteral("纬差"), false);
  name_ = AddEdit("name", QStringLiteral("图幅名"), false);

  auto* buttons = new QHBoxLayout;
  auto* compute = new QPushButton(QStringLiteral("计算"), this);
  compute->setObjectName("compute");
  compute->setDefault(true);
  auto* quit = new QPushButton(QStringLiteral("退出"), this);
  quit->setObjectName("quit");
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(quit);
  layout->addLayout(buttons);

  connect(compute, &QPushButton::clicked, this, &CSheetNumberDlg::Compute);
  connect(quit, &QPushButton::clicked, this, &QDialog::reject);
  connect(modes_, &QButtonGroup::idClicked, this, &CSheetNumberDlg::SetMode);
  connect(lon_, &QLineEdit::editingFinished, this, [this] { DegreesEdited(lon_, lonPacked_); });
  connect(lat_, &QLineEdit::editingFinished, this, [this] { DegreesEdited(lat_, latPacked_); });
  connect(lonPacked_, &QLineEdit::editingFinished, this, [this] { PackedEdited(lonPacked_, lon_); });
  connect(latPacked_, &QLineEdit::editingFinished, this, [this] { PackedEdited(latPacked_, lat_); });

  ShowForm();
  modes_->button(0)->setChecked(true);
  SetMode(0);
}

QLineEdit* CSheetNumberDlg::AddEdit(const char* name, const QString& label, bool input) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setReadOnly(!input);
  fields_->addRow(label, edit);
  return edit;
}

void CSheetNumberDlg::SetMode(int mode) {
  const QLineEdit* writable[4][2] = {{lon_, lat_}, {lonPacked_, latPacked_}, {new_, nullptr}, {old_, nullptr}};
  for (QLineEdit* edit : {lon_, lat_, lonPacked_, latPacked_, new_, old_})
    edit->setReadOnly(edit != writable[mode][0] && edit != writable[mode][1]);
}

void CSheetNumberDlg::DegreesEdited(QLineEdit* degrees, QLineEdit* packed) {
  if (const auto value = point_text::ParseNumber(S(degrees))) packed->setText(Q(PackedText(*value)));
}

void CSheetNumberDlg::PackedEdited(QLineEdit* packed, QLineEdit* degrees) {
  if (const auto value = PackedDegrees(S(packed))) degrees->setText(Degrees(*value));
}

void CSheetNumberDlg::Compute() {
  const auto mode = static_cast<SheetInput>(modes_->checkedId());
  SheetForm typed = form_;
  typed.scale = scale_->currentText().toStdString();
  if (mode == SheetInput::Degrees) {
    const auto lon = point_text::ParseNumber(S(lon_));
    const auto lat = point_text::ParseNumber(S(lat_));
    if (!lon || !lat) {
      prompt::Message(QStringLiteral("请输入数字。"), prompt::kIconWarning);
      return;
    }
    typed.lon = *lon;
    typed.lat = *lat;
  }
  typed.lonPacked = S(lonPacked_);
  typed.latPacked = S(latPacked_);
  typed.newNumber = new_->text().trimmed().toUpper().toStdString();
  typed.oldNumber = old_->text().trimmed().toStdString();
  if (const auto refusal = ComputeSheet(typed, mode)) {
    prompt::Message(Q(*refusal), prompt::kIconWarning);
    return;
  }
  form_ = typed;
  ShowForm();
}

void CSheetNumberDlg::ShowForm() {
  scale_->setCurrentText(Q(form_.scale));
  lon_->setText(Degrees(form_.lon));
  lat_->setText(Degrees(form_.lat));
  lonPacked_->setText(Q(form_.lonPacked));
  latPacked_->setText(Q(form_.latPacked));
  new_->setText(Q(form_.newNumber));
  old_->setText(Q(form_.oldNumber));
  lonRange_->setText(Q(form_.lonRange));
  latRange_->setText(Q(form_.latRange));
  lonDifference_->setText(Q(form_.lonDifference));
  latDifference_->setText(Q(form_.latDifference));
  name_->setText(Q(form_.name));
}

}  // namespace zv::sheet

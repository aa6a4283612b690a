#include "zavediz/chart_tool/borehole_select_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv::chart {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Labels of the detail fields, in the order of HoleDetails.
constexpr const char* kDetailLabels[14] = {"钻 孔 编 号", "勘 探 线 号", "孔口坐标X", "孔口坐标Y", "孔口坐标H",
                                           "开 孔 日 期", "终 孔 日 期", "终孔方位角", "终 孔 倾 角", "终 孔 深 度",
                                           "比  例  尺", "制 图 日 期", "顺  序  号", "图      号"};

constexpr int kScaleMin = 100;
constexpr int kScaleMax = 1000;

}  // namespace

CBoreholeSelectDlg::CBoreholeSelectDlg(QWidget* parent, const std::string& dataSource) : QDialog(parent) {
  setWindowTitle("钻孔选择对话框");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* choice = new QVBoxLayout;
  choice->addWidget(new QLabel("选择矿区：", this));
  mineCombo_ = new zavediz::MineAreaCombo(this, [this] { ListHoles(); });
  choice->addWidget(mineCombo_);
  choice->addWidget(new QLabel("选择钻孔：", this));
  holes_ = new QListWidget(this);
  holes_->setObjectName("holes");
  holes_->setSortingEnabled(true);
  holes_->setSelectionMode(QAbstractItemView::MultiSelection);
  choice->addWidget(holes_);
  top->addLayout(choice);

  auto* group = new QGroupBox("钻孔基本信息概况", this);
  auto* form = new QFormLayout(group);
  for (int i = 0; i < 14; ++i) {
    details_[i] = new QLineEdit(group);
    details_[i]->setObjectName(QString("detail%1").arg(i));
    form->addRow(kDetailLabels[i], details_[i]);
  }
  top->addWidget(group);
  layout->addLayout(top);

  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(new QLabel("比例尺:    1:", this));
  scaleEdit_ = new QLineEdit(QString::number(scale_), this);
  scaleEdit_->setObjectName("scale");
  scaleRow->addWidget(scaleEdit_);
  layout->addLayout(scaleRow);
  QDialogButtonBox* buttons = AddOkCancelButtons(*this, layout);
  buttons->button(QDialogButtonBox::Ok)->setText("确定(&Y)");
  buttons->button(QDialogButtonBox::Cancel)->setText("退出(&X)");

  connect(holes_, &QListWidget::itemSelectionChanged, this, &CBoreholeSelectDlg::ShowDetails);
  mineCombo_->Fill(catalog_, dataSource);
}

void CBoreholeSelectDlg::ListHoles() {
  const QSignalBlocker block(holes_);
  holes_->clear();
  mineArea_ = mineCombo_->currentText();
  if (!catalog_.IsOpen()) return;
  std::string error;
  for (const std::string& hole : catalog_.Holes(MineCodeOf(mineArea_.toStdString()), &error))
    holes_->addItem(Q(hole));
  if (!error.empty()) zavediz::TellDatabaseError(error);
}

void CBoreholeSelectDlg::ShowDetails() {
  const QListWidgetItem* item = holes_->currentItem();
  if (!item || !catalog_.IsOpen()) return;
  HoleDetails details;
  std::string error;
  if (catalog_.Details(MineCodeOf(mineArea_.toStdString()), item->text().toStdString(), &details, &error))
    for (int i = 0; i < 14; ++i) details_[i]->setText(Q(details[i]));
  if (!error.empty()) zavediz::TellDatabaseError(error);
}

void CBoreholeSelectDlg::accept() {
  bool number = false;
  const int scale = scaleEdit_->text().trimmed().toInt(&number);
  if (!number || scale < kScaleMin || scale > kScaleMax) {
    prompt::Message(QString("请输入一个介于 %1 和 %2 之间的整数。").arg(kScaleMin).arg(kScaleMax));
    scaleEdit_->setFocus();
    return;
  }
  scale_ = scale;
  QStringList selected;
  for (int row = 0; row < holes_->count(); ++row)
    if (holes_->item(row)->isSelected()) selected << holes_->item(row)->text();
  if (selected.isEmpty()) {
    prompt::Message("请选择你的钻孔！！！");
    return;
  }
  selected_ = selected;
  QDialog::accept();
}

void CBoreholeSelectDlg::reject() {
  catalog_.Close();
  QDialog::reject();
}

}  // namespace zv::chart

#include "annotation/key_field_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"

namespace zv::annot {

CKeyFieldDlg::CKeyFieldDlg(int mode, const std::array<WorkAreaHandle, 3>& files,
                           const std::vector<std::string>& columnNames, QWidget* parent)
    : QDialog(parent), files_(files) {
  setWindowTitle("选择关键字段");
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  keyColumnBox_ = new QComboBox(this);
  keyColumnBox_->setObjectName("control1061");
  columns_ = new QListWidget(this);
  columns_->setObjectName("control1001");
  columns_->setSelectionMode(QAbstractItemView::MultiSelection);
  keyFieldBox_ = new QComboBox(this);
  keyFieldBox_->setObjectName("control1060");
  grid->addWidget(new QLabel("EXCEL字段：", this), 0, 0);
  grid->addWidget(keyColumnBox_, 0, 1);
  grid->addWidget(new QLabel("选择需要字段", this), 1, 0);
  grid->addWidget(columns_, 1, 1);
  grid->addWidget(new QLabel("单文件字段：", this), 2, 0);
  grid->addWidget(keyFieldBox_, 2, 1);
  layout->addLayout(grid);
  const char* fileTexts[] = {"当前点文件", "当前线文件", "当前区文件"};
  const int fileIds[] = {1057, 1058, 1059};
  auto* fileRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    fileButtons_[i] = new QRadioButton(fileTexts[i], this);
    fileButtons_[i]->setObjectName(QString("control%1").arg(fileIds[i]));
    connect(fileButtons_[i], &QRadioButton::clicked, this, [this, i] { ChooseFile(i); });
    fileRow->addWidget(fileButtons_[i]);
  }
  layout->addLayout(fileRow);
  QDialogButtonBox* buttons = AddOkCancelButtons(*this, layout);
  buttons->button(QDialogButtonBox::Ok)->setText("确  定");
  buttons->button(QDialogButtonBox::Cancel)->setText("放  弃");

  if (mode == kJoin) {
    for (const std::string& name : columnNames) {
      if (name.empty()) continue;
      names_.push_back(name);
      keyColumnBox_->addItem(QString::fromStdString(name));
      columns_->addItem(QString::fromStdString(name));
    }
    if (keyColumnBox_->count() > 0) keyColumnBox_->setCurrentIndex(0);
  } else {
    columns_->setEnabled(false);
    keyColumnBox_->setEnabled(false);
  }
  fileButtons_[0]->setChecked(true);
  ChooseFile(0);
  columns_->selectAll();
}

void CKeyFieldDlg::ChooseFile(int index) {
  fileButtons_[static_cast<std::size_t>(index)]->setChecked(true);
  area_ = files_[static_cast<std::size_t>(index)];
  fieldNames_ = FileFieldNames(area_);
  keyFieldBox_->clear();
  for (const std::string& name : fieldNames_) keyFieldBox_->addItem(QString::fromStdString(name));
  if (keyFieldBox_->count() > 0) keyFieldBox_->setCurrentIndex(0);
}

void CKeyFieldDlg::accept() {
  keyField_ = keyFieldBox_->currentIndex();
  keyColumn_ = keyColumnBox_->currentIndex();
  std::vector<bool> selected;
  for (int i = 0; i < columns_->count(); ++i) selected.push_back(columns_->item(i)->isSelected());
  chosen_ = ChooseColumns(names_, selected, fieldNames_);
  QDialog::accept();
}

}  // namespace zv::annot

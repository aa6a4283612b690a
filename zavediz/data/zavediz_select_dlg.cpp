#include "zavediz/data/zavediz_select_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"

namespace zv::zavediz {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CZavedizSelectDlg::CZavedizSelectDlg(QWidget* parent, const std::string& dataSource) : QDialog(parent) {
  setWindowTitle("剖面选择对话框");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("选择矿区：", this));
  mineCombo_ = new MineAreaCombo(this, [this] { ListSections(); });
  layout->addWidget(mineCombo_);
  layout->addWidget(new QLabel("选择剖面：", this));
  sectionEdit_ = new QLineEdit(this);
  sectionEdit_->setObjectName("section");
  layout->addWidget(sectionEdit_);
  sections_ = new QListWidget(this);
  sections_->setObjectName("sections");
  sections_->setSortingEnabled(true);
  layout->addWidget(sections_);
  QDialogButtonBox* buttons = AddOkCancelButtons(*this, layout);
  buttons->button(QDialogButtonBox::Ok)->setText("确 定");
  buttons->button(QDialogButtonBox::Cancel)->setText("退 出");

  connect(sections_, &QListWidget::currentTextChanged, sectionEdit_, &QLineEdit::setText);
  mineCombo_->Fill(catalog_, dataSource);
}

void CZavedizSelectDlg::ListSections() {
  const QSignalBlocker block(sections_);
  sections_->clear();
  sectionEdit_->clear();
  mineArea_ = mineCombo_->currentText();
  if (!catalog_.IsOpen()) return;
  std::string error;
  for (const std::string& section : catalog_.Sections(chart::MineCodeOf(mineArea_.toStdString()), &error))
    sections_->addItem(Q(section));
  if (!error.empty()) TellDatabaseError(error);
}

void CZavedizSelectDlg::accept() {
  catalog_.Close();
  mineArea_ = mineCombo_->currentText();
  section_ = sectionEdit_->text();
  QDialog::accept();
}

void CZavedizSelectDlg::reject() {
  catalog_.Close();
  QDialog::reject();
}

}  // namespace zv::zavediz

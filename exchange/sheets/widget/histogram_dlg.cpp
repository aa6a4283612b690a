#include "exchange/sheets/widget/histogram_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/dialogs/folder_path.h"
#include "common/dialogs/save_path_dlg.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"

namespace zv::sheets {

CHistogramDlg::CHistogramDlg(QWidget* parent)
    : QDialog(parent),
      folder_(CSavePathDlg::DefaultFolder().toStdString()),
      elementEdit_(new QLineEdit(QString::fromStdString(element_), this)),
      folderEdit_(new QLineEdit(QString::fromStdString(folder_), this)),
      widthEdit_(new QLineEdit(QString::fromStdString(num::Format("%g", width_)), this)) {
  setWindowTitle("直方图设置");
  elementEdit_->setObjectName("control1118");
  folderEdit_->setObjectName("control1282");
  widthEdit_->setObjectName("control1224");
  auto* browse = new QPushButton("浏览", this);
  browse->setObjectName("control1231");
  connect(browse, &QPushButton::clicked, this, &CHistogramDlg::Browse);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("元素名", this), 0, 0);
  grid->addWidget(elementEdit_, 0, 1);
  grid->addWidget(folderEdit_, 1, 0, 1, 2);
  grid->addWidget(browse, 1, 2);
  grid->addWidget(new QLabel("矩形宽", this), 2, 0);
  grid->addWidget(widthEdit_, 2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddOkCancelButtons(*this, layout);
}

void CHistogramDlg::Browse() {
  const QString chosen = prompt::Current().ChooseFolder("请选择路径", folderEdit_->text());
  if (!chosen.isEmpty()) folderEdit_->setText(chosen);
}

void CHistogramDlg::accept() {
  const std::optional<double> width = num::ParseTypedReal(widthEdit_->text().toStdString());
  if (!width) {
    prompt::Message("矩形宽请输入一个数。", prompt::kIconWarning);
    widthEdit_->setFocus();
    return;
  }
  const std::string folder = folderEdit_->text().trimmed().toStdString();
  if (const std::optional<std::string> refused = CheckSaveFolder(folder)) {
    prompt::Message(QString::fromStdString(*refused), prompt::kIconWarning);
    folderEdit_->setFocus();
    return;
  }
  element_ = elementEdit_->text().toStdString();
  folder_ = folder;
  width_ = *width;
  QDialog::accept();
}

}  // namespace zv::sheets

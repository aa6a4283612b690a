#include "common/dialogs/save_path_dlg.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "common/dialogs/folder_path.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv {

QString CSavePathDlg::DefaultFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

CSavePathDlg::CSavePathDlg(QWidget* parent)
    : QDialog(parent),
      folder_(DefaultFolder()),
      fileName_(QStringLiteral("未定名")),
      folderEdit_(new QLineEdit(this)),
      nameEdit_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("设置保存路径"));
  folderEdit_->setObjectName(QStringLiteral("control1117"));
  nameEdit_->setObjectName(QStringLiteral("control1200"));
  auto* browse = new QPushButton(QStringLiteral("浏览路径"), this);
  browse->setObjectName(QStringLiteral("control1201"));
  connect(browse, &QPushButton::clicked, this, &CSavePathDlg::Browse);

  auto* grid = new QGridLayout;
  grid->addWidget(folderEdit_, 0, 0);
  grid->addWidget(browse, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("文件名称："), this), 1, 0, 1, 2);
  grid->addWidget(nameEdit_, 2, 0, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddOkCancelButtons(*this, layout);
  setMinimumWidth(420);
}

int CSavePathDlg::DoModal() {
  folderEdit_->setText(folder_);
  nameEdit_->setText(fileName_);
  nameEdit_->setEnabled(fileNameEnabled_ != 0);
  return prompt::Current().Exec(*this);
}

void CSavePathDlg::Browse() {
  const QString folder = prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), folderEdit_->text());
  if (!folder.isEmpty()) folderEdit_->setText(folder);
}

void CSavePathDlg::accept() {
  const QString folder = folderEdit_->text();
  if (const auto problem = CheckSaveFolder(folder.toStdString())) {
    prompt::Message(QString::fromStdString(*problem));
    folderEdit_->setFocus();
    return;
  }
  folder_ = folder;
  fileName_ = nameEdit_->text();
  QDialog::accept();
}

}  // namespace zv

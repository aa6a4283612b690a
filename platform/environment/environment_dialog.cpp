#include "platform/environment/environment_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "platform/data/environment.h"

namespace zv {

EnvironmentDialog::EnvironmentDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("设置系统环境"));
  auto* grid = new QGridLayout;
  AddRow(grid, 0, QStringLiteral("矢量字库目录:"), env::kChineseFontFolder);
  AddRow(grid, 1, QStringLiteral("工作目录:"), env::kWorkingFolder);
  AddRow(grid, 2, QStringLiteral("系统库目录:"), env::kSystemLibraryFolder);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddOkCancelButtons(*this, layout);
  setMinimumWidth(520);
}

void EnvironmentDialog::AddRow(QGridLayout* grid, int row, const QString& label, std::size_t offset) {
  auto* edit = new QLineEdit(QString::fromStdString(BasGetEnvironment()->path(offset)), this);
  auto* browse = new QPushButton(QStringLiteral("浏览..."), this);
  connect(browse, &QPushButton::clicked, this, [this, edit, label] {
    const QString folder = prompt::Current().ChooseFolder(label, edit->text());
    if (!folder.isEmpty()) edit->setText(folder);
  });
  grid->addWidget(new QLabel(label, this), row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(browse, row, 2);
  rows_.push_back({offset, edit});
}

void EnvironmentDialog::accept() {
  EnvironmentRecord record = *BasGetEnvironment();
  for (const Row& row : rows_) {
    const std::string path = row.edit->text().trimmed().toStdString();
    if (path.size() >= env::kPathBytes) {
      prompt::Message(QStringLiteral("目录路径太长，请选择较短的路径。"), prompt::kOk | prompt::kIconWarning);
      row.edit->setFocus();
      row.edit->selectAll();
      return;
    }
    record.setPath(row.offset, path);
  }
  if (!BasSaveEnvironment(record)) {
    prompt::Message(QStringLiteral("无法保存系统环境设置。"), prompt::kOk | prompt::kIconStop);
    return;
  }
  QDialog::accept();
}

int BasEnvironmentDialog(QWidget* parent) {
  EnvironmentDialog dialog(parent);
  return prompt::Current().Exec(dialog) == QDialog::Accepted ? 1 : 0;
}

}  // namespace zv

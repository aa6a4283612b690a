#include "common/dialogs/value_input_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv {

namespace {

struct ValueMode {
  int16_t mode;
  const char* prompt;
  const char* preset;
};

constexpr std::array<ValueMode, 7> kModes = {{
    {1, "文件名：", "图例名称"},
    {2, "图例间隔：", "15"},
    {3, "参数比例：", "1.0"},
    {4, "点角度变换", "*1.0"},
    {5, "时间间隔", "1"},
    {6, "图幅号：", "J50G015010"},
    {7, "输入边数：", "3"},
}};

}  // namespace

CValueInputDlg::CValueInputDlg(int16_t mode, QWidget* parent)
    : QDialog(parent), mode_(mode), prompt_(new QLabel(QStringLiteral("文件名："), this)), edit_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("输入数值"));
  prompt_->setObjectName(QStringLiteral("control1275"));
  edit_->setObjectName(QStringLiteral("control202"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(edit_);
  AddOkCancelButtons(*this, layout);
}

int CValueInputDlg::DoModal() {
  for (const ValueMode& mode : kModes) {
    if (mode.mode != mode_) continue;
    prompt_->setText(QString::fromUtf8(mode.prompt));
    value_ = QString::fromUtf8(mode.preset);
  }
  edit_->setText(value_);
  edit_->selectAll();
  return prompt::Current().Exec(*this);
}

void CValueInputDlg::accept() {
  value_ = edit_->text();
  QDialog::accept();
}

}  // namespace zv

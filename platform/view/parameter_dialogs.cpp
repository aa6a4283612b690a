// The dialogs of the select/display switches and of the system parameters.
#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <array>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

namespace {

constexpr std::array<const char*, kSelectParmCount> kSwitchTexts = {
    "显示坐标点", "显示弧段", "还原显示", "置顶显示", "压缩显示", "十字光标", "显示符号",
    "透明显示", "显示线方向", "选项 9", "选项 10", "显示线首尾点标志", "选项 12"};

constexpr std::array<const char*, kSystemParmCount> kSystemTexts = {
    "平行线距离", "结点搜索半径", "缓冲半径", "光滑半径", "限制半径", "抽稀比率"};

}  // namespace

bool CGisEditView::SelectSysSelectParm() {
  QDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("系统参数设置"));
  auto* layout = new QVBoxLayout(&dialog);
  std::array<QCheckBox*, kSelectParmCount> boxes{};
  for (int i = 0; i < kSelectParmCount; ++i) {
    boxes[static_cast<std::size_t>(i)] = new QCheckBox(QString::fromUtf8(kSwitchTexts[static_cast<std::size_t>(i)]), &dialog);
    boxes[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("switch%1").arg(i));
    boxes[static_cast<std::size_t>(i)]->setChecked(selectParms_[i] != 0);
    layout->addWidget(boxes[static_cast<std::size_t>(i)]);
  }
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return false;
  std::array<int16_t, kSelectParmCount> values{};
  for (int i = 0; i < kSelectParmCount; ++i) {
    // Unchecked boxes keep values other than 0 and 1 as they were.
    const int16_t old = selectParms_[i];
    const bool checked = boxes[static_cast<std::size_t>(i)]->isChecked();
    values[static_cast<std::size_t>(i)] = checked ? (old != 0 ? old : 1) : 0;
  }
  SetSysSelectParm(values.data(), kSelectParmCount);
  return true;
}

bool CGisEditView::EditSystemParm() {
  QDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("置系统参数"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  std::array<QDoubleSpinBox*, kSystemParmCount> fields{};
  for (int i = 0; i < kSystemParmCount; ++i) {
    auto* field = new QDoubleSpinBox(&dialog);
    field->setObjectName(QString::fromUtf8(kSystemParmKeys[static_cast<std::size_t>(i)]));
    field->setDecimals(6);
    field->setRange(0.0, 1e9);
    field->setValue(systemParms_[i]);
    form->addRow(QString::fromUtf8(kSystemTexts[static_cast<std::size_t>(i)]), field);
    fields[static_cast<std::size_t>(i)] = field;
  }
  layout->addLayout(form);
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return false;
  for (int i = 0; i < kSystemParmCount; ++i) systemParms_[i] = fields[static_cast<std::size_t>(i)]->value();
  return true;
}

}  // namespace zv

#include "common/dialogs/scale_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <span>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv {

namespace {

constexpr int16_t kFieldMode = 1;
constexpr int16_t kPresetMode = -1;
constexpr int kMaxFieldNames = 20;
constexpr int kNoInitialEntry = -1;

struct ScaleMode {
  int16_t mode;
  const char* caption;
  const char* label;
  std::span<const char* const> entries;
  int initialEntry;  // kNoInitialEntry: the combo starts empty
};

constexpr std::array<const char*, 6> kScales = {"1000", "2000", "5000", "10000", "25000", "50000"};
constexpr std::array<const char*, 6> kLabelRanges = {"1", "2", "4", "8", "16", "32"};
constexpr std::array<const char*, 9> kResolutions = {"50", "100", "150", "200", "250", "300", "400", "500", "600"};
constexpr std::array<const char*, 6> kSpacings = {"1", "2", "3", "4", "5", "6"};
constexpr std::array<const char*, 6> kSearchRanges = {"20", "30", "40", "50", "100", "200"};

constexpr std::array<ScaleMode, 6> kModes = {{
    {kPresetMode, "图形比例尺", "比例尺分母", kScales, kNoInitialEntry},
    {kFieldMode, "选择属性字段", "选择字段：", {}, kNoInitialEntry},
    {-2, "选择标注范围", "标注范围：", kLabelRanges, kNoInitialEntry},
    {2, "选择分辨率", "选择分辨率", kResolutions, 5},
    {-3, "输入平行线间距", "平行线间距", kSpacings, kNoInitialEntry},
    {3, "输入搜索范围", "以点为中心", kSearchRanges, 0},
}};

const ScaleMode* FindMode(int16_t mode) {
  for (const ScaleMode& m : kModes) {
    if (m.mode == mode) return &m;
  }
  return nullptr;
}

// The first entry beginning with "高", looked for from the second entry on
// and round to the first; the first entry when there is none.
int HeightFieldEntry(const QStringList& names) {
  const auto count = names.size();
  for (qsizetype step = 1; step <= count; ++step) {
    if (names[step % count].startsWith(QStringLiteral("高"))) return static_cast<int>(step % count);
  }
  return 0;
}

}  // namespace

CScaleDlg::CScaleDlg(int16_t mode, QWidget* parent)
    : QDialog(parent), mode_(mode), label_(new QLabel(this)), combo_(new QComboBox(this)) {
  combo_->setObjectName(QStringLiteral("control200"));
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  label_->setObjectName(QStringLiteral("label"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(combo_);
  cancel_ = AddOkCancelButtons(*this, layout)->button(QDialogButtonBox::Cancel);
}

void CScaleDlg::FillByMode() {
  combo_->clear();
  const ScaleMode* mode = FindMode(mode_);
  if (mode == nullptr) return;
  setWindowTitle(QString::fromUtf8(mode->caption));
  label_->setText(QString::fromUtf8(mode->label));
  if (mode_ == kFieldMode) {
    QStringList names;
    for (const QString& name : fieldNames_.mid(0, kMaxFieldNames)) {
      if (!name.isEmpty()) names << name;
    }
    combo_->addItems(names);
    combo_->setCurrentIndex(names.isEmpty() ? -1 : HeightFieldEntry(names));
    cancel_->hide();
    return;
  }
  for (const char* entry : mode->entries) combo_->addItem(QString::fromUtf8(entry));
  combo_->setCurrentIndex(mode->initialEntry);
  if (mode_ == kPresetMode) combo_->setEditText(value_);
}

int CScaleDlg::DoModal() {
  FillByMode();
  return prompt::Current().Exec(*this);
}

void CScaleDlg::accept() {
  value_ = combo_->currentText();
  QDialog::accept();
}

void CScaleDlg::reject() {
  if (mode_ == kFieldMode) return;
  QDialog::reject();
}

}  // namespace zv

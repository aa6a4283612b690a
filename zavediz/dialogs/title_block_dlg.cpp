#include "zavediz/dialogs/title_block_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "zavediz/dialogs/title_block_file.h"

namespace zv::zavediz {

namespace {

constexpr int kNumberBoxWidth = 56;

QString SizeText(double value) { return QString::number(value, 'g', 15); }

// Shows a value in its box and reads it back; a number box that holds no
// number gives nothing.
struct BoxText {
  QString operator()(std::string* text) const { return QString::fromStdString(*text); }
  QString operator()(int* number) const { return QString::number(*number); }
  QString operator()(double* size) const { return SizeText(*size); }
};

struct BoxReader {
  QString text;
  bool operator()(std::string* out) const {
    *out = text.toStdString();
    return true;
  }
  bool operator()(int* out) const {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok) *out = value;
    return ok;
  }
  bool operator()(double* out) const {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok) *out = value;
    return ok;
  }
};

}  // namespace

CTitleBlockDlg::CTitleBlockDlg(QWidget* parent) : QDialog(parent), values_(DefaultTitleBlock()) {
  setWindowTitle(QStringLiteral("设置图签内容"));
  auto* layout = new QVBoxLayout(this);

  auto* head = new QGridLayout;
  head->addWidget(new QLabel(QStringLiteral("勘查单位"), this), 0, 0);
  AddBox(head, 0, 1, "unit", &values_.unit);
  AddBox(head, 0, 2, "unitHeight", &values_.unitHeight, kNumberBoxWidth);
  head->addWidget(new QLabel(QStringLiteral("图   名"), this), 1, 0);
  AddBox(head, 1, 1, "title", &values_.title);
  AddBox(head, 1, 2, "titleHeight", &values_.titleHeight, kNumberBoxWidth);
  layout->addLayout(head);

  auto* columns = new QGridLayout;
  for (const auto& [column, heading] : {std::pair{0, "顺序"}, {1, "标签"}, {2, "内容"}, {3, "高度"}}) {
    columns->addWidget(new QLabel(QString::fromUtf8(heading), this), 0, column);
    columns->addWidget(new QLabel(QString::fromUtf8(heading), this), 0, column + 4);
  }
  BuildColumn(columns, 1, values_.column1);
  BuildColumn(columns, 2, values_.column2);
  layout->addLayout(columns);

  auto* sizes = new QGridLayout;
  const std::array<std::tuple<const char*, const char*, double*>, 5> widths = {{
      {"总宽度", "totalWidth", &values_.totalWidth},
      {"第一列标签宽", "c1LabelWidth", &values_.column1LabelWidth},
      {"第一列内容宽", "c1ContentWidth", &values_.column1ContentWidth},
      {"第二列标签宽", "c2LabelWidth", &values_.column2LabelWidth},
      {"第二列内容宽", "c2ContentWidth", &values_.column2ContentWidth},
  }};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const auto& [label, name, target] = widths[i];
    sizes->addWidget(new QLabel(QString::fromUtf8(label), this), 0, static_cast<int>(i));
    AddBox(sizes, 1, static_cast<int>(i), name, target, kNumberBoxWidth);
  }
  const std::array<std::tuple<const char*, const char*, int*>, 3> numbers = {{
      {"地形图比例尺 1:", "topographicScale", &values_.topographicScale},
      {"剖面图比例尺 1:", "sectionScale", &values_.sectionScale},
      {"剖面最低标高：", "lowestElevation", &values_.lowestElevation},
  }};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const auto& [label, name, target] = numbers[i];
    sizes->addWidget(new QLabel(QString::fromUtf8(label), this), 2, static_cast<int>(i));
    AddBox(sizes, 3, static_cast<int>(i), name, target);
  }
  layout->addLayout(sizes);

  save_ = new QCheckBox(QStringLiteral("是否保存数据"), this);
  save_->setObjectName(QStringLiteral("saveData"));
  save_->setChecked(true);
  layout->addWidget(save_);
  AddOkCancelButtons(*this, layout);
}

QLineEdit* CTitleBlockDlg::AddBox(QGridLayout* grid, int row, int column, const QString& name, Target target,
                                  int width) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  if (width > 0) edit->setMaximumWidth(width);
  grid->addWidget(edit, row, column);
  bindings_.push_back({edit, target});
  return edit;
}

void CTitleBlockDlg::BuildColumn(QGridLayout* grid, int column, std::array<TitleBlockRowValues, 6>& rows) {
  const int first = (column - 1) * 4;
  for (int r = 0; r < 6; ++r) {
    TitleBlockRowValues& row = rows[static_cast<std::size_t>(r)];
    const QString prefix = QStringLiteral("c%1r%2").arg(column).arg(r + 1);
    AddBox(grid, r + 1, first, prefix + "Order", &row.order, 32);
    AddBox(grid, r + 1, first + 1, prefix + "Label", &row.label);
    AddBox(grid, r + 1, first + 2, prefix + "Content", &row.content);
    AddBox(grid, r + 1, first + 3, prefix + "Height", &row.height, kNumberBoxWidth);
  }
}

void CTitleBlockDlg::ShowValues() {
  for (const Binding& binding : bindings_) binding.edit->setText(std::visit(BoxText{}, binding.target));
}

int CTitleBlockDlg::DoModal() {
  if (preset_ && preset_->defaultPlanScale) values_.topographicScale = *preset_->defaultPlanScale;
  LoadTitleBlockFile(values_);
  if (preset_) ApplyPreset(*preset_, values_);
  ShowValues();
  // The spare row has no order by default: nothing to type there until the
  // user gives it one in the saved file.
  if (values_.column2[5].order.empty()) {
    for (const char* part : {"Label", "Content", "Height"}) {
      findChild<QLineEdit*>(QStringLiteral("c2r6") + part)->setEnabled(false);
    }
  }
  return prompt::Current().Exec(*this);
}

bool CTitleBlockDlg::TakeValues() {
  for (const Binding& binding : bindings_) {
    if (std::visit(BoxReader{binding.edit->text()}, binding.target)) continue;
    prompt::Message(std::holds_alternative<int*>(binding.target) ? QStringLiteral("请输入一个整数。")
                                                                 : QStringLiteral("请输入一个数字。"));
    binding.edit->setFocus();
    binding.edit->selectAll();
    return false;
  }
  LimitTitleTexts(values_);
  return true;
}

void CTitleBlockDlg::accept() {
  // A refused OK leaves the values as they were before it.
  const TitleBlockValues before = values_;
  if (!TakeValues()) {
    values_ = before;
    return;
  }
  const std::optional<TitleBlockSize> size = CheckSize(values_);
  if (!size) {
    values_ = before;
    prompt::Message(QString::fromUtf8(kTitleSizeError));
    return;
  }
  size_ = *size;
  rows_ = BuildRows(values_);
  for (const std::string& error : rows_.orderErrors) prompt::Message(QString::fromStdString(error));
  if (save_->isChecked() && !SaveTitleBlockFile(values_)) {
    prompt::Message(QStringLiteral("无法保存图签数据文件：") + QString::fromStdString(TitleBlockFilePath()),
                    prompt::kIconWarning);
  }
  QDialog::accept();
}

}  // namespace zv::zavediz

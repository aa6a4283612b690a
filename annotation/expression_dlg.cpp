#include "annotation/expression_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"

namespace zv::annot {
namespace {

struct OperatorButton {
  int id;
  const char* caption;
  const char* text;
};
constexpr OperatorButton kOperators[] = {
    {1155, "＋", "+"},  {1202, "－", "-"},  {1203, "×", "*"},   {1204, "/", "/"},   {1209, "%", "%"},
    {1205, ">", ">"},   {1206, ">=", ">="}, {1207, "<", "<"},   {1208, "<=", "<="}, {1210, "==", "=="},
    {1211, "!=", "!="}, {1212, "&&", "&&"}, {1213, "||", "||"}, {1214, "^", "^"},   {1215, "!", "!"},
};
constexpr int kOperatorColumns = 5;

template <typename W>
W* Named(W* widget, int id) {
  widget->setObjectName(QString("control%1").arg(id));
  return widget;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CExpressionDlg::CExpressionDlg(const std::vector<WorkAreaHandle>& areas, QWidget* parent)
    : QDialog(parent), areas_(OfferedAreas(areas)) {
  setWindowTitle("表达式输入");
  auto* layout = new QVBoxLayout(this);
  expression_ = Named(new QLineEdit(this), 1160);
  layout->addWidget(expression_);

  auto* middle = new QHBoxLayout;
  auto* fieldGroup = new QGroupBox("字段名称", this);
  fields_ = Named(new QListWidget(fieldGroup), 1156);
  (new QVBoxLayout(fieldGroup))->addWidget(fields_);
  middle->addWidget(fieldGroup);
  auto* operatorGroup = new QGroupBox("操作符", this);
  auto* operatorGrid = new QGridLayout(operatorGroup);
  int n = 0;
  for (const OperatorButton& op : kOperators) {
    auto* button = Named(new QPushButton(op.caption, operatorGroup), op.id);
    connect(button, &QPushButton::clicked, this, [this, text = QString(op.text)] { Append(text); });
    operatorGrid->addWidget(button, n / kOperatorColumns, n % kOperatorColumns);
    ++n;
  }
  middle->addWidget(operatorGroup);
  layout->addLayout(middle);

  auto* grid = new QGridLayout;
  files_ = Named(new QComboBox(this), 1157);
  result_ = Named(new QComboBox(this), 1158);
  abnormal_ = Named(new QLineEdit("0", this), 1159);
  grid->addWidget(new QLabel("选择文件", this), 0, 0);
  grid->addWidget(files_, 0, 1);
  grid->addWidget(new QLabel("结果字段", this), 1, 0);
  grid->addWidget(result_, 1, 1);
  grid->addWidget(new QLabel("异常值", this), 2, 0);
  grid->addWidget(abnormal_, 2, 1);
  layout->addLayout(grid);

  auto* replaceGroup = new QGroupBox("属性文字替换", this);
  auto* replaceGrid = new QGridLayout(replaceGroup);
  replace_ = Named(new QCheckBox("文字替换", replaceGroup), 1218);
  find_ = Named(new QLineEdit(replaceGroup), 1219);
  replacement_ = Named(new QLineEdit(replaceGroup), 1220);
  replaceGrid->addWidget(replace_, 0, 0, 1, 2);
  replaceGrid->addWidget(new QLabel("查找", replaceGroup), 1, 0);
  replaceGrid->addWidget(find_, 1, 1);
  replaceGrid->addWidget(new QLabel("替换", replaceGroup), 2, 0);
  replaceGrid->addWidget(replacement_, 2, 1);
  layout->addWidget(replaceGroup);

  QDialogButtonBox* buttons = AddOkCancelButtons(*this, layout);
  buttons->button(QDialogButtonBox::Ok)->setText("确 定");
  buttons->button(QDialogButtonBox::Cancel)->setText("取 消");

  for (const OfferedArea& area : areas_) files_->addItem(Q(area.name));
  connect(files_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ChooseFile(index);
    expression_->setText("=");
  });
  connect(result_, &QComboBox::currentTextChanged, this,
          [this](const QString& name) { expression_->setText(name + "="); });
  connect(fields_, &QListWidget::itemSelectionChanged, this, [this] {
    if (const QListWidgetItem* item = fields_->currentItem(); item && item->isSelected()) Append(item->text());
  });
  connect(replace_, &QCheckBox::toggled, this, &CExpressionDlg::SwitchReplace);

  ChooseFile(0);
  expression_->setText(result_->currentText() + "=");
  SwitchReplace();
}

void CExpressionDlg::ChooseFile(int index) {
  const QSignalBlocker blockFields(fields_);
  const QSignalBlocker blockResult(result_);
  fields_->clear();
  result_->clear();
  choice_.area = 0;
  if (index < 0 || index >= static_cast<int>(areas_.size())) return;
  const OfferedArea& area = areas_[static_cast<std::size_t>(index)];
  choice_.area = area.handle;
  for (const std::string& name : area.fields) {
    fields_->addItem(Q(name));
    result_->addItem(Q(name));
  }
  if (result_->count() > 0) result_->setCurrentIndex(0);
}

void CExpressionDlg::Append(const QString& text) { expression_->setText(expression_->text() + text); }

void CExpressionDlg::SwitchReplace() {
  const bool replace = replace_->isChecked();
  expression_->setEnabled(!replace);
  abnormal_->setEnabled(!replace);
  fields_->setEnabled(!replace);
  find_->setEnabled(replace);
  replacement_->setEnabled(replace);
}

void CExpressionDlg::accept() {
  const std::optional<double> abnormal = num::ParseTypedReal(abnormal_->text().toStdString());
  if (!abnormal) {
    prompt::Message("异常值请输入一个数。", prompt::kIconWarning);
    abnormal_->setFocus();
    return;
  }
  choice_.replace = replace_->isChecked();
  choice_.expression = expression_->text().toStdString();
  choice_.abnormal = *abnormal;
  choice_.field = result_->currentText().toStdString();
  choice_.find = find_->text().toStdString();
  choice_.replacement = replacement_->text().toStdString();
  QDialog::accept();
}

}  // namespace zv::annot

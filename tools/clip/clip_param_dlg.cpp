#include "tools/clip/clip_param_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "platform/data/work_area.h"
#include "platform/editors/param_editor.h"
#include "platform/topology/topology.h"
#include "tools/frame/frame_writer.h"

namespace zv::tools {
namespace {

constexpr float kFrameTextSize = 3.0f;

QLineEdit* ScaleEdit(QWidget* parent, const char* name, long value) {
  auto* edit = new QLineEdit(QString::number(value), parent);
  edit->setObjectName(name);
  return edit;
}

QPushButton* Button(QWidget* parent, const char* text, const char* name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

int ClipParams::Mode() const { return inside ? kTopoKeepInside : kTopoKeepOutside; }
double ClipParams::Factor() const {
  return frame ? static_cast<double>(oldScale) / static_cast<double>(newScale) : 1.0;
}

CClipParamDlg::CClipParamDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("图形裁剪设置");
  auto* layout = new QVBoxLayout(this);
  auto* sides = new QHBoxLayout;
  inside_ = new QRadioButton("内裁", this);
  inside_->setObjectName("inside");
  outside_ = new QRadioButton("外裁", this);
  outside_->setObjectName("outside");
  sides->addWidget(inside_);
  sides->addWidget(outside_);
  layout->addLayout(sides);
  frame_ = new QCheckBox("生成图框", this);
  frame_->setObjectName("frame");
  layout->addWidget(frame_);
  auto* form = new QFormLayout;
  oldScale_ = ScaleEdit(this, "oldScale", values_.oldScale);
  newScale_ = ScaleEdit(this, "newScale", values_.newScale);
  form->addRow("原比例尺  1:", oldScale_);
  form->addRow("新比例尺  1:", newScale_);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  lineButton_ = Button(this, "线参数", "lineParams");
  textButton_ = Button(this, "文字参数", "textParams");
  buttons->addWidget(lineButton_);
  buttons->addWidget(textButton_);
  layout->addLayout(buttons);
  AddOkCancelButtons(*this, layout);
  connect(inside_, &QRadioButton::clicked, this, [this] { SetInside(true); });
  connect(outside_, &QRadioButton::clicked, this, [this] { SetInside(false); });
  connect(frame_, &QCheckBox::clicked, this, [this] { ToggleFrame(); });
  connect(lineButton_, &QPushButton::clicked, this, [this] { EditLine(); });
  connect(textButton_, &QPushButton::clicked, this, [this] { EditText(); });

  TakeDefaultText();
  BasSetDefaultPointParam(values_.text);
  if (const LIN_INFO* line = BasGetDefaultLineParam()) values_.line = *line;
  frame_->setChecked(values_.frame);
  inside_->setChecked(values_.inside);
  outside_->setChecked(!values_.inside);
  EnableFrameFields();
}

void CClipParamDlg::TakeDefaultText() {
  BasGetDefaultPointParam(&values_.text, 0);
  values_.text.setCharHeight(kFrameTextSize);
  values_.text.setCharWidth(kFrameTextSize);
}

void CClipParamDlg::EnableFrameFields() {
  for (QWidget* field : std::initializer_list<QWidget*>{oldScale_, newScale_, lineButton_, textButton_})
    field->setEnabled(values_.frame);
}

void CClipParamDlg::SetInside(bool inside) {
  values_.inside = inside;
  inside_->setChecked(inside);
  outside_->setChecked(!inside);
  if (inside) {
    EnableFrameFields();
  } else {
    // The frame flag keeps its value: it still sets the scale factor.
    for (QWidget* field : std::initializer_list<QWidget*>{oldScale_, newScale_, lineButton_, textButton_})
      field->setEnabled(false);
  }
  frame_->setEnabled(inside);
}

void CClipParamDlg::ToggleFrame() {
  values_.frame = !values_.frame;
  frame_->setChecked(values_.frame);
  EnableFrameFields();
}

void CClipParamDlg::EditText() {
  PNT_INFO text;
  BasGetDefaultPointParam(&text, 0);
  if (EditPointParam(text, "编辑文字参数", this) == 1) BasSetDefaultPointParam(text);
  TakeDefaultText();
}

void CClipParamDlg::EditLine() {
  if (LIN_INFO* defaults = BasGetDefaultLineParam()) {
    EditLineParam(*defaults, "编辑线参数", this);
    values_.line = *defaults;
  }
}

void CClipParamDlg::accept() {
  // The whole text is the denominator: "1e308" read by its leading digits
  // would be 1 and scale every copy by the old denominator.
  const long oldScale = num::ParseTypedWhole(oldScale_->text().toStdString()).value_or(0);
  const long newScale = num::ParseTypedWhole(newScale_->text().toStdString()).value_or(0);
  if (values_.frame && (oldScale <= 0 || newScale <= 0)) {
    prompt::Message(frame::kBadFrameScale, prompt::kIconWarning);
    (oldScale <= 0 ? oldScale_ : newScale_)->setFocus();
    return;
  }
  values_.oldScale = oldScale;
  values_.newScale = newScale;
  QDialog::accept();
}

}  // namespace zv::tools

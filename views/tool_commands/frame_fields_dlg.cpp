#include "views/tool_commands/frame_fields_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"

namespace zv::framecmd {

FrameFieldsDlg::FrameFieldsDlg(const QString& title, const std::vector<FieldSpec>& fields, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  for (const FieldSpec& f : fields) {
    QWidget* editor = nullptr;
    if (f.kind == FieldSpec::kCheck) {
      auto* box = new QCheckBox(this);
      box->setChecked(f.preset == QLatin1String("1"));
      editor = box;
    } else if (f.kind == FieldSpec::kText) {
      editor = new QPlainTextEdit(f.preset, this);
    } else {
      editor = new QLineEdit(f.preset, this);
    }
    editor->setObjectName(QString::fromLatin1(f.name));
    form->addRow(QString::fromUtf8(f.label), editor);
    editors_.push_back(editor);
  }
  AddOkCancelButtons(*this, layout);
}

QStringList FrameFieldsDlg::Values() const {
  QStringList values;
  for (QWidget* editor : editors_) {
    if (auto* box = qobject_cast<QCheckBox*>(editor))
      values << QString::fromLatin1(box->isChecked() ? "1" : "0");
    else if (auto* text = qobject_cast<QPlainTextEdit*>(editor))
      values << text->toPlainText();
    else
      values << static_cast<QLineEdit*>(editor)->text();
  }
  return values;
}

}  // namespace zv::framecmd

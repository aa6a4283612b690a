#include "platform/tin/tin_entry_dlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"

namespace zv::tin {

TinEntryDlg::TinEntryDlg(const QString& title, const std::vector<EntryField>& fields,
                         const std::vector<double>& offers, Check check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (size_t i = 0; i < fields.size(); ++i) {
    auto* edit = new QLineEdit(QString::fromStdString(num::Format("%.10g", offers[i])), this);
    edit->setObjectName(QString::fromUtf8(fields[i].objectName));
    form->addRow(new QLabel(QString::fromUtf8(fields[i].label), this), edit);
    edits_.push_back(edit);
  }
  layout->addLayout(form);
  AddOkCancelButtons(*this, layout);
}

void TinEntryDlg::accept() {
  std::vector<std::string> texts;
  for (QLineEdit* edit : edits_) texts.push_back(edit->text().toStdString());
  if (const std::optional<EntryError> refused = check_(texts)) {
    prompt::Message(QString::fromStdString(refused->message), prompt::kIconWarning);
    edits_[refused->field]->setFocus();
    edits_[refused->field]->selectAll();
    return;
  }
  texts_ = std::move(texts);
  QDialog::accept();
}

namespace {

// Runs the dialog with `check` and gives the accepted value of `parse`.
template <typename Value, typename Parse>
std::optional<Value> Ask(const QString& title, const std::vector<EntryField>& fields, const std::vector<double>& offers,
                         Parse parse, QWidget* parent) {
  const auto check = [&](const std::vector<std::string>& texts) -> std::optional<EntryError> {
    auto result = parse(texts);
    if (const EntryError* error = std::get_if<EntryError>(&result)) return *error;
    return std::nullopt;
  };
  TinEntryDlg dialog(title, fields, offers, check, parent);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return std::nullopt;
  return std::get<Value>(parse(dialog.Texts()));
}

}  // namespace

std::optional<std::vector<double>> AskContourLevels(const Tin& tin, QWidget* parent) {
  return Ask<std::vector<double>>(
      QStringLiteral("平面等值线图"), {{"最低等值线：", "lowest"}, {"等值线间距：", "interval"}},
      DefaultContourEntry(tin), [&](const std::vector<std::string>& texts) { return CheckContourEntry(texts, tin); },
      parent);
}

std::optional<GridSpec> AskGrid(const D_RECT& extent, QWidget* parent) {
  return Ask<GridSpec>(QStringLiteral("高程数据网格化"), {{"网格间距：", "step"}}, DefaultGridEntry(extent),
                       [&](const std::vector<std::string>& texts) { return CheckGridEntry(texts, extent); }, parent);
}

}  // namespace zv::tin

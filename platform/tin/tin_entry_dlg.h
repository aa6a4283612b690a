#pragma once
// The small dialog of the TIN commands: a few labelled numbers, shown with
// their offers; OK runs the entry's check and, when it refuses, tells why
// and stays open with the bad field selected.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "platform/tin/tin_entries.h"

class QLineEdit;

namespace zv::tin {

struct EntryField {
  const char* label;
  const char* objectName;
};

class TinEntryDlg : public QDialog {
 public:
  // The check returns the refusal, or nothing when the texts are taken.
  using Check = std::function<std::optional<EntryError>(const std::vector<std::string>& texts)>;

  TinEntryDlg(const QString& title, const std::vector<EntryField>& fields, const std::vector<double>& offers,
              Check check, QWidget* parent = nullptr);

  // The texts as last accepted.
  const std::vector<std::string>& Texts() const { return texts_; }

  void accept() override;

 private:
  std::vector<QLineEdit*> edits_;
  std::vector<std::string> texts_;
  Check check_;
};

// 33373's levels for a surface, or nothing when the user cancels.
std::optional<std::vector<double>> AskContourLevels(const Tin& tin, QWidget* parent);
// 33374's grid over an extent, or nothing when the user cancels.
std::optional<GridSpec> AskGrid(const D_RECT& extent, QWidget* parent);

}  // namespace zv::tin

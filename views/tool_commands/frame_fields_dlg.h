#pragma once
// The small dialogs of the frame commands: a column of labelled fields, each
// a line, a multi-line text or a check box, found by tests under their
// object names. Values are the texts as typed ("1"/"0" for check boxes), in
// the fields' order; the command checks them.

#include <QDialog>
#include <QStringList>
#include <vector>

namespace zv::framecmd {

struct FieldSpec {
  const char* name;   // object name
  const char* label;  // shown before the field
  QString preset;
  enum Kind { kLine, kText, kCheck } kind = kLine;
};

class FrameFieldsDlg : public QDialog {
 public:
  FrameFieldsDlg(const QString& title, const std::vector<FieldSpec>& fields, QWidget* parent = nullptr);
  QStringList Values() const;

 private:
  std::vector<QWidget*> editors_;
};

}  // namespace zv::framecmd

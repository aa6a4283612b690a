#pragma once
// "新旧图幅号转换": a point, a new or an old sheet number in, the other forms,
// the sheet's extent, size and name out. "计算" keeps the dialog open;
// refusals are told and change nothing.
#include <QDialog>

#include "geodesy/sheet/sheet_number_form.h"

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace zv::sheet {

class CSheetNumberDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CSheetNumberDlg(QWidget* parent = nullptr);

  const SheetForm& form() const { return form_; }

 private:
  QLineEdit* AddEdit(const char* name, const QString& label, bool input);
  void SetMode(int mode);
  void Compute();
  void ShowForm();
  void DegreesEdited(QLineEdit* degrees, QLineEdit* packed);
  void PackedEdited(QLineEdit* packed, QLineEdit* degrees);

  SheetForm form_;
  QComboBox* scale_;
  QButtonGroup* modes_;
  QLineEdit *lon_, *lat_, *lonPacked_, *latPacked_, *new_, *old_;
  QLineEdit *lonRange_, *latRange_, *lonDifference_, *latDifference_, *name_;
  QFormLayout* fields_;
};

}  // namespace zv::sheet

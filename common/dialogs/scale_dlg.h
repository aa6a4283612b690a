#pragma once
// CScaleDlg: one value picked from a drop-down list (or typed) whose caption,
// label and entries depend on the mode:
//   −1 "图形比例尺": scale denominators; the combo starts with the preset value
//    1 "选择属性字段": the non-empty field names; starts on the first name
//      beginning with "高" after the first entry (wrapping round), else the
//      first; the close box and Escape do nothing, the user must choose OK
//   −2 "选择标注范围", 2 "选择分辨率" (starts on "300"), −3 "输入平行线间距",
//    3 "输入搜索范围" (starts on "20")
// Any other mode shows an empty list. After OK, Value() is the combo text;
// the caller converts it.

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace zv {

class CScaleDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CScaleDlg(int16_t mode, QWidget* parent = nullptr);

  // The preset value (shown by mode −1) and, after OK, the chosen one.
  void SetValue(const QString& value) { value_ = value; }
  QString Value() const { return value_; }
  // Mode 1's field names (at most 20 are listed; empty ones are skipped).
  void SetFieldNames(const QStringList& names) { fieldNames_ = names; }

  // Fills the dialog by its mode and runs it through the prompts seam;
  // QDialog::Accepted or Rejected.
  int DoModal();

  void accept() override;
  void reject() override;

 private:
  void FillByMode();

  int16_t mode_;
  QString value_;
  QStringList fieldNames_;
  QLabel* label_;
  QComboBox* combo_;
  QPushButton* cancel_;
};

}  // namespace zv

#pragma once
// CValueInputDlg: one typed value with a prompt and a preset chosen by the
// mode:
//   1 "文件名：" "图例名称"   2 "图例间隔：" "15"   3 "参数比例：" "1.0"
//   4 "点角度变换" "*1.0"     5 "时间间隔" "1"      6 "图幅号：" "J50G015010"
//   7 "输入边数：" "3"
// Any other mode keeps the prompt "文件名：" and an empty value. After OK,
// Value() is the typed text; the caller converts and checks it.

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace zv {

class CValueInputDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CValueInputDlg(int16_t mode, QWidget* parent = nullptr);

  QString Value() const { return value_; }

  // Sets the prompt and preset by the mode and runs the dialog through the
  // prompts seam; QDialog::Accepted or Rejected.
  int DoModal();

  void accept() override;

 private:
  int16_t mode_;
  QString value_;
  QLabel* prompt_;
  QLineEdit* edit_;
};

}  // namespace zv

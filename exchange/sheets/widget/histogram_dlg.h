#pragma once
// "直方图设置": the element whose histogram is drawn (元素名, "Cu"), the
// folder its files go to (the user's documents folder, home when there is
// none) and the bar width (矩形宽, 3). "浏览" picks the folder ("请选择路径");
// cancelling the picker keeps the folder. OK refuses a width that is no
// number and a folder that is empty, relative or cannot be made (a missing
// one is made), with a message, and stays open. Controls carry
// "control<id>": 1118 element, 1282 folder, 1224 width, 1231 "浏览".
#include <QDialog>
#include <string>

class QLineEdit;

namespace zv::sheets {

class CHistogramDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CHistogramDlg(QWidget* parent = nullptr);

  // After OK.
  const std::string& element() const { return element_; }
  const std::string& folder() const { return folder_; }
  double width() const { return width_; }

  void accept() override;

 private:
  void Browse();

  std::string element_ = "Cu";
  std::string folder_;
  double width_ = 3.0;
  QLineEdit* elementEdit_;
  QLineEdit* folderEdit_;
  QLineEdit* widthEdit_;
};

}  // namespace zv::sheets

#pragma once
// CContourParamDlg "插入等高线参数设置": the line tool's program-wide values
// (contour_settings.h) and the fill lines' parameters. Opening takes the
// current default line parameters with the dialog's colour as the fill
// parameters and shows the settings; "线颜色：" edits the current default
// line parameters ("编辑线参数") and takes their colour. OK checks the values
// (staying open with a message on a bad one), stores them in the settings
// and gives the fill parameters the colour and layer.
//
// The mode of the tool that opens it greys what the mode does not use:
// 0 and −1 (contours) the fill angle and spacing, 1 and −2 (fill lines) the
// vertex count, the number of contours and the algorithm. kAllFields (the
// settings command) leaves everything enabled.

#include <QDialog>

#include "platform/data/param_records.h"
#include "tools/line/core/contour_settings.h"

class QLineEdit;
class QRadioButton;

namespace zv::tools {

class CContourParamDlg : public QDialog {
 public:
  static constexpr int kAllFields = 1000;
  explicit CContourParamDlg(int mode = kAllFields, QWidget* parent = nullptr);

  // The fill lines' parameters after OK.
  const LIN_INFO& fillLine() const { return fill_; }

  void accept() override;

 private:
  void Load();
  void EditColour();
  ContourSettings Typed() const;

  int colour_ = 7;
  LIN_INFO fill_{};
  QLineEdit* vertexCount_;
  QLineEdit* contours_;
  QLineEdit* colourEdit_;
  QLineEdit* layer_;
  QLineEdit* angle_;
  QLineEdit* spacing_;
  QRadioButton* algorithm_[3];
};

}  // namespace zv::tools

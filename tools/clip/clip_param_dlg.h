#pragma once
// CClipParamDlg "图形裁剪设置": inside ("内裁") or outside ("外裁"), whether
// a frame is drawn ("生成图框") with the old and new scale denominators,
// and the frame's line and text parameters (the user's current defaults,
// edited through "线参数" and "文字参数"). Opening makes the default text
// record's sizes 3.0 and keeps it as the default, which the frame's labels
// use. OK refuses a denominator that is not above zero while the frame
// flag is set, since the copies would be scaled by old / new.

#include <QDialog>

#include "include/zavediz/records.h"
#include "platform/data/param_records.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zv::tools {

struct ClipParams {
  bool inside = true;
  bool frame = false;
  long oldScale = 5000;
  long newScale = 2000;
  LIN_INFO line;
  PNT_INFO text;
  // The clip mode and the copies' scale factor the values give.
  int Mode() const;
  double Factor() const;
};

class CClipParamDlg : public QDialog {
 public:
  explicit CClipParamDlg(QWidget* parent = nullptr);
  const ClipParams& values() const { return values_; }
  void accept() override;

 private:
  void SetInside(bool inside);
  void ToggleFrame();
  void EnableFrameFields();
  void EditText();
  void EditLine();
  void TakeDefaultText();

  ClipParams values_;
  QRadioButton* inside_;
  QRadioButton* outside_;
  QCheckBox* frame_;
  QLineEdit* oldScale_;
  QLineEdit* newScale_;
  QPushButton* lineButton_;
  QPushButton* textButton_;
};

}  // namespace zv::tools

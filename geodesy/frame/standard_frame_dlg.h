#pragma once
// "标准矩形图框": the scale, the zone (its box enabled while "带号" is
// checked) and the kilometre values of the frame's corners. OK checks them
// (CheckStandardFrame); a refusal is told and the dialog stays open.

#include <QDialog>

#include "geodesy/frame/frame_values.h"

class QCheckBox;
class QLineEdit;

namespace zv::geodesy {

class CStandardFrameDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CStandardFrameDlg(QWidget* parent = nullptr);
  const StandardFrameValues& values() const { return values_; }
  void accept() override;

 private:
  StandardFrameValues values_;
  QLineEdit *scale_, *zone_, *x1_, *x2_, *y1_, *y2_;
  QCheckBox* zoneFlag_;
};

}  // namespace zv::geodesy

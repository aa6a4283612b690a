#pragma once
// Dialog 191 "设置高程参数": the start elevation, the increment and whether
// the contours count up (增 加, end 10000.0) or down (减 少, end 0.0). The
// values come in and go out as one ElevationRange; the dialog runs through
// the prompts seam.

#include <QDialog>

#include "zavediz/plan/contour_elevations.h"

class QDoubleSpinBox;
class QRadioButton;

namespace zv::zavediz {

class CElevationRangeDlg : public QDialog {
 public:
  explicit CElevationRangeDlg(const ElevationRange& range, QWidget* parent = nullptr);

  // QDialog::Accepted or Rejected; after OK, Range() holds the new values.
  int DoModal();
  const ElevationRange& Range() const { return range_; }

  void accept() override;

 private:
  ElevationRange range_;
  QDoubleSpinBox* start_;
  QDoubleSpinBox* end_;
  QDoubleSpinBox* increment_;
  QRadioButton* increase_;
  QRadioButton* decrease_;
};

}  // namespace zv::zavediz

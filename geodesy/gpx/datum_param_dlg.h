#pragma once
// "转换参数": a three-parameter shift (WGS-84 minus local, metres), the
// local datum (54 or 80) and a scale denominator, for the GPS exchange
// commands. OK keeps the values typed; numbers that do not read are refused
// with a message and the dialog stays open.
#include <QDialog>
#include <cstdint>

#include "geodesy/gpx/gpx_waypoints.h"

class QComboBox;
class QLineEdit;

namespace zv::gpx {

struct DatumParams {
  Shift shift;
  int32_t scale = 10000;
  int datum = 80;  // 54 or 80
};

class CDatumParamDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CDatumParamDlg(QWidget* parent = nullptr);
  const DatumParams& values() const { return values_; }
  void accept() override;

 private:
  QLineEdit *dx_, *dy_, *dz_, *scale_;
  QComboBox* datum_;
  DatumParams values_;
};

}  // namespace zv::gpx

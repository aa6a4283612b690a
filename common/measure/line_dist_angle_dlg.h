#pragma once
// CLineDistAngleDlg: the distance-and-angle window. As the main frame's
// modeless window it shows what the measuring views report; its scale
// field (1000 when the frame has none) is what they read back. OK and Close
// tell the section view (kDocumentRequest 1) and the project edit view
// (kPlanRequest 12) that measuring ends, call `onClosed` and destroy the
// window.
//
// Opened modally by the line tool (SetToolFlag before it runs), the total
// length is greyed, the two angles read "正东方向：" and "正北方向：", and OK
// and Close only take the fields and end the dialog, which its owner keeps.

#include <QDialog>
#include <functional>

#include "common/measure/dist_angle_values.h"

class QDoubleSpinBox;
class QLineEdit;

namespace zv {

class CLineDistAngleDlg : public QDialog {
 public:
  CLineDistAngleDlg(long frameScale, std::function<void()> onClosed, QWidget* parent = nullptr);

  // Shows new values (the scale stays the user's).
  void SetValues(double mapDistance, double totalLength, double realDistance, double realTotal, double lineAngle,
                 double relativeAngle);
  const DistAngleValues& values() const { return values_; }
  // The line tool's modal use (above).
  void SetToolFlag();
  bool toolFlag() const { return toolFlag_; }
  long scale() const { return values_.scale; }

  void accept() override;
  void reject() override;

 private:
  void Show();
  void Finish();

  DistAngleValues values_;
  std::function<void()> onClosed_;
  bool toolFlag_ = false;
  QLineEdit* fields_[7] = {};
};

}  // namespace zv

#pragma once
// Dialog 192 "定点读取地形数据": the two ends of a section line, typed or
// picked on the plan. Modeless and owned by the plan view; it never calls the
// view but posts plan requests to the plan view's window: code 4 to pick an
// end (wParam 1 the start, 0 the end; the dialog hides until the pick),
// 5 to take the line (应 用, the dialog stays open), 6 when it closes (退 出,
// the dialog then deletes itself).

#include <QDialog>
#include <cstdint>

#include "zavediz/records.h"

class QDoubleSpinBox;

namespace zv::zavediz {

// The plan request codes of the dialog.
enum PickRequest : int { kPickPointRequest = 4, kTakePickedLineRequest = 5, kPickDialogClosedRequest = 6 };
// The plan request that gives the select-after setting back.
inline constexpr int kReloadSelectSettingRequest = 13;

class CPickTerrainPointDlg : public QDialog {
 public:
  explicit CPickTerrainPointDlg(QWidget* owner);

  D_DOT Start() const;
  D_DOT End() const;
  // Puts a picked point into the start or the end fields and shows the
  // dialog again.
  void SetPicked(bool start, const D_DOT& point);

  void accept() override;
  void reject() override;

 private:
  void Post(intptr_t wParam, intptr_t code);

  QDoubleSpinBox* startX_;
  QDoubleSpinBox* startY_;
  QDoubleSpinBox* endX_;
  QDoubleSpinBox* endY_;
};

}  // namespace zv::zavediz

#pragma once
// Dialogs 195 (a design borehole) and 197 (a design trench): modeless,
// without a caption, owned by the plan view and placed at the top-left
// corner of its client area. They never call the view: 存 储 posts plan
// request 7 (borehole) or 9 (trench) to the plan view's window and stays
// open; 退 出 posts request 8 and closes the dialog, which then deletes
// itself. The view reads the values when a store request arrives and puts
// each click's place into them.

#include <QDialog>

#include "zavediz/plan/design_records.h"

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace zv::zavediz {

// The plan request codes of the two dialogs.
enum DesignRequest : int { kStoreBoreholeRequest = 7, kEndDesignRequest = 8, kStoreTrenchRequest = 9 };

// The common frame: placement, the two buttons and the posts.
class CDesignDlg : public QDialog {
 public:
  // 退 出 (and the window's close): request 8, then closed.
  void reject() override;
  // Closed without a request (the view ends the placing itself).
  void Dismiss();

 protected:
  CDesignDlg(QWidget* owner, int storeRequest);
  // Lays the fields (already in `fields`) out above the buttons.
  void Finish(QLayout* fields);

 private:
  int storeRequest_;
};

// 钻孔名称 "ZK", 孔深 100.0, 方位角 0, 倾角 90, 坐标_X, 坐标_Y, 坐标_H 0.
class CBoreholeCollarDlg : public CDesignDlg {
 public:
  explicit CBoreholeCollarDlg(QWidget* owner);
  BoreholeEntry Values() const;
  void ShowClick(const DesignClick& click);

 private:
  QLineEdit* name_;
  QDoubleSpinBox* depth_;
  QSpinBox* azimuth_;
  QSpinBox* dip_;
  QDoubleSpinBox* x_;
  QDoubleSpinBox* y_;
  QDoubleSpinBox* h_;
};

// 探槽名称 "TC", 探槽长度 100.0, 坐标_X, 坐标_Y 0.
class CTrenchDlg : public CDesignDlg {
 public:
  explicit CTrenchDlg(QWidget* owner);
  TrenchEntry Values() const;
  void ShowClick(const DesignClick& click);

 private:
  QLineEdit* name_;
  QDoubleSpinBox* length_;
  QDoubleSpinBox* x_;
  QDoubleSpinBox* y_;
};

}  // namespace zv::zavediz

#pragma once
// "高斯投影正反算": forward, inverse and zone-change computation over two
// point lists (left: names and DDMMSS.ss angles, or plane x, y in a zone
// change; right: names and plane x, y), point files, angle-notation
// conversions and, on "展点", the right list handed over to the view with
// the scale, sub-graph and line switches.
#include <QDialog>
#include <functional>

#include "geodesy/gauss/gauss_handover.h"
#include "geodesy/gauss/gauss_rows.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::gauss {

class CGaussProjectionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CGaussProjectionDlg(QWidget* parent = nullptr);

  grid::CGridListCtrl* left() const { return left_; }
  grid::CGridListCtrl* right() const { return right_; }
  GaussSettings Settings() const;
  // What "展点" hands over (valid after OK).
  const HandOver& handOver() const { return handOver_; }

  void Compute();
  void ReadFile();
  void SaveFile();
  void accept() override;

 private:
  void SetMode(int mode);
  grid::CGridListCtrl* InputList() const;
  grid::CGridListCtrl* OutputList() const;
  GaussRows RowsOf(const grid::CGridListCtrl* list) const;
  void Show(grid::CGridListCtrl* list, const GaussRows& rows);
  void EditLeftAngles(const std::function<void(GaussRows&)>& edit);

  grid::CGridListCtrl* left_;
  grid::CGridListCtrl* right_;
  QLineEdit *sourceL0_, *targetL0_, *scale_, *subgraph_;
  QButtonGroup *source_, *target_, *mode_, *notation_;
  QCheckBox *drawLine_, *closeLine_;
  HandOver handOver_;
};

}  // namespace zv::gauss

#pragma once
// "7参数转换": two point lists (left the source, right the target), the
// seven parameter edits, the two central meridians, the ellipsoid, form and
// model radios. "计算参数" fits the parameters from the common points,
// "计算坐标" transforms the left list into the right one; the parameters
// go to and from a file; each list's right-click menu appends, reads from
// the open workbook, copies, pastes and clears rows.
#include <QDialog>

#include "geodesy/seven/seven_params.h"

class QButtonGroup;
class QLineEdit;

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::seven {

class CSevenParamDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CSevenParamDlg(QWidget* parent = nullptr);

  grid::CGridListCtrl* source() const { return source_; }
  grid::CGridListCtrl* target() const { return target_; }
  Settings CurrentSettings() const;
  Parameters CurrentParameters() const;

  void ComputeParameters();
  void ComputeCoordinates();
  void SaveParameters();
  void ReadParameters();
  // "读取数据" into one list; "读取公共点" into both.
  void ReadSheet(grid::CGridListCtrl* list);
  void ReadCommonPoints();
  void CopyList(const grid::CGridListCtrl* list);
  void PasteList(grid::CGridListCtrl* list);

 private:
  void Show(const Settings& settings, const Parameters& parameters);
  void EnableEdits();
  void AddMenu(grid::CGridListCtrl* list);

  grid::CGridListCtrl* source_;
  grid::CGridListCtrl* target_;
  QLineEdit* parameters_[7];
  QLineEdit *sourceL0_, *targetL0_;
  QButtonGroup *sourceEllipsoid_, *form_, *targetEllipsoid_, *model_;
};

// The rows of a four-column list and back.
Rows ListRows(const grid::CGridListCtrl& list);
void SetListRows(grid::CGridListCtrl& list, const Rows& rows);

}  // namespace zv::seven

#pragma once
// CBoreholePlaceDlg "选择钻孔": asks where the workbook chart tool draws a
// borehole column. On opening it attaches to the spreadsheet program and
// lists the hole ids of the active worksheet's first column (row 2 down to
// and including the first empty cell), the second entry selected; without a
// workbook ("没有发现Excel!"), without a sheet ("没有发现有效的表格!") or with
// an empty sheet ("\n当前表格没有数据!") the list stays empty and the hole can
// be typed. "是否精确定位" enables the seven coordinate boxes and "读取坐标",
// which reads them from a coordinate file (borehole_placement.h). After OK,
// Placement() holds the values.
//
// Controls are named for tests: "hole", "scale", "lineX", "lineY", "planX",
// "planY", "sectionX", "sectionY", "sectionH", "precise", "readCoordinates".

#include <QDialog>
#include <array>

#include "zavediz/dialogs/borehole_placement.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zv::zavediz {

class CBoreholePlaceDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CBoreholePlaceDlg(QWidget* parent = nullptr);

  // Fills the hole list from the spreadsheet and runs the dialog through the
  // prompts seam; QDialog::Accepted or Rejected.
  int DoModal();

  const BoreholePlacement& Placement() const { return placement_; }

  void accept() override;

 private:
  struct CoordinateBox {
    QLineEdit* edit;
    double BoreholePlacement::*value;
  };

  void FillHoleList();
  void ShowCoordinates();
  void ReadCoordinateFile();
  void EnableCoordinates(bool precise);

  BoreholePlacement placement_;
  QComboBox* hole_;
  QLineEdit* scale_;
  std::array<CoordinateBox, 7> coordinates_{};
  QCheckBox* precise_;
  QPushButton* read_;
};

}  // namespace zv::zavediz

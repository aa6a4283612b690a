#pragma once
// The hole chooser "钻孔选择对话框": a mine area (picked or typed), one or
// more of its holes, the details of the hole last clicked, and the scale.
//  - Leaving the mine-area combo lists the holes of the code its text starts
//    with (four GBK bytes), every time, the list emptied first.
//  - OK needs a scale of 100 to 1000 and at least one hole; it stays open
//    with a message otherwise. After OK: mineArea(), scale(), and the chosen
//    holes in list order.
//  - A failed open or query is told with the driver's text and the dialog
//    goes on with what it read.
// Object names for tests: "mineArea" (combo), "holes" (list), "scale", and
// the detail edits "detail0" .. "detail13" (zkinfok columns 0-9, 29-32).

#include <QDialog>
#include <QStringList>

#include "zavediz/chart/borehole_choice.h"
#include "zavediz/data/mine_area_combo.h"

class QLineEdit;
class QListWidget;

namespace zv::chart {

class CBoreholeSelectDlg : public QDialog {
  Q_OBJECT

 public:
  CBoreholeSelectDlg(QWidget* parent, const std::string& dataSource);

  QString mineArea() const { return mineArea_; }
  int scale() const { return scale_; }
  QStringList selectedHoles() const { return selected_; }

  void accept() override;
  void reject() override;

 private:
  void ListHoles();
  void ShowDetails();

  BoreholeCatalog catalog_;
  zavediz::MineAreaCombo* mineCombo_ = nullptr;
  QListWidget* holes_ = nullptr;
  QLineEdit* details_[14] = {};
  QLineEdit* scaleEdit_ = nullptr;
  QString mineArea_;
  int scale_ = 200;
  QStringList selected_;
};

}  // namespace zv::chart

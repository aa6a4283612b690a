#pragma once
// The section chooser "剖面选择对话框": a mine area (picked or typed) and one
// of its sections (exploration lines).
//  - Opening lists every minefile row as "code  name", in row order, none
//    chosen.
//  - Leaving the mine-area combo lists the sections (pmddcoor) of the code
//    its text starts with (four GBK bytes), sorted, every time, the list
//    emptied first.
//  - The section box is a simple combo: its text is typed or taken from the
//    list under it, which is always shown.
//  - OK closes the connection and hands back mineArea() and section(); it
//    does not check that a section was chosen. Cancel closes, nothing chosen.
//  - A failed open or query is told with the driver's text and the dialog
//    goes on with what it read.
// Object names for tests: "mineArea" (combo), "section" (the section text)
// and "sections" (its list).

#include <QDialog>
#include <QString>

#include "zavediz/chart/borehole_choice.h"
#include "zavediz/data/mine_area_combo.h"

class QLineEdit;
class QListWidget;

namespace zv::zavediz {

class CZavedizSelectDlg : public QDialog {
  Q_OBJECT

 public:
  CZavedizSelectDlg(QWidget* parent, const std::string& dataSource);

  QString mineArea() const { return mineArea_; }
  QString section() const { return section_; }

  void accept() override;
  void reject() override;

 private:
  void ListSections();

  chart::BoreholeCatalog catalog_;
  MineAreaCombo* mineCombo_ = nullptr;
  QLineEdit* sectionEdit_ = nullptr;
  QListWidget* sections_ = nullptr;
  QString mineArea_;
  QString section_;
};

}  // namespace zv::zavediz

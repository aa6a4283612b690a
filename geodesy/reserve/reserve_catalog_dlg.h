#pragma once
// "储量核查目录文件生成": the user picks the layer classes of a
// reserve-verification project (check boxes or presets), its folder, mine-area
// code, first character, scale and serial; the project name follows each
// change. OK checks the values and makes the project's folders; on a refusal
// or a folder that cannot be made the dialog stays open with the message.
#include <QDialog>
#include <array>

#include "geodesy/reserve/reserve_catalog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zv::reserve {

class CReserveCatalogDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CReserveCatalogDlg(QWidget* parent = nullptr);

  // The values as they stand (after OK: as accepted).
  Catalog catalog() const;

  void accept() override;

 private:
  QWidget* BuildBoxes();
  void ApplyPreset(int index);
  void UpdateName();

  QLineEdit* folder_;
  QLineEdit* mineCode_;
  QComboBox* first_;
  QComboBox* scale_;
  QLineEdit* serial_;
  QLineEdit* name_;
  std::array<QCheckBox*, kBoxCount> boxes_{};
};

}  // namespace zv::reserve

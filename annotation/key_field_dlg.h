#pragma once
// "选择关键字段": pairs the sheet with a file of the view for exchanging
// attributes. Mode 1 (join): the key column of the sheet, the columns to
// take and the file's key field; mode 2 (import): only the file. The file
// is the current point, line or region file (radio buttons, the point file
// at start). After OK the caller reads the file, the key field's index in
// the file's fields, the key column's position in the names given (−1 when
// there is none) and the chosen columns (key_field_choice.h). Controls carry
// "control<id>": 1061 key column, 1001 column list, 1060 key field, 1057,
// 1058, 1059 the files.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "annotation/core/key_field_choice.h"

class QComboBox;
class QListWidget;
class QRadioButton;

namespace zv::annot {

class CKeyFieldDlg : public QDialog {
  Q_OBJECT
 public:
  enum Mode { kJoin = 1, kImport = 2 };
  // `files`: the view's current point, line and region work areas.
  CKeyFieldDlg(int mode, const std::array<WorkAreaHandle, 3>& files, const std::vector<std::string>& columnNames,
               QWidget* parent = nullptr);

  WorkAreaHandle area() const { return area_; }
  int keyField() const { return keyField_; }
  int keyColumn() const { return keyColumn_; }
  const std::vector<ChosenColumn>& chosen() const { return chosen_; }

  void accept() override;

 private:
  void ChooseFile(int index);

  std::array<WorkAreaHandle, 3> files_;
  std::vector<std::string> names_;
  std::vector<std::string> fieldNames_;
  QComboBox* keyColumnBox_;
  QListWidget* columns_;
  QComboBox* keyFieldBox_;
  std::array<QRadioButton*, 3> fileButtons_{};
  WorkAreaHandle area_ = 0;
  int keyField_ = -1;
  int keyColumn_ = -1;
  std::vector<ChosenColumn> chosen_;
};

}  // namespace zv::annot

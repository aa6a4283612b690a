#pragma once
// CDivideLineDlg "定距/定数等分线": division by distance or by a number of
// parts, the offset direction and range, and whether the line gains the
// division points as vertices and/or the map gains them as points. Opens
// with "定距等分线" checked (the parts box greyed); OK checks the values
// (divide_values.h) and stays open with a message on a bad one.

#include <QDialog>

#include "tools/clip/core/divide_values.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

namespace zv::tools {

class CDivideLineDlg : public QDialog {
 public:
  explicit CDivideLineDlg(QWidget* parent = nullptr);
  const DivideValues& values() const { return values_; }
  void accept() override;

 private:
  void SetByDistance(bool byDistance);

  DivideValues values_;
  QRadioButton* byDistance_;
  QRadioButton* byParts_;
  QComboBox* direction_;
  QLineEdit* distance_;
  QLineEdit* parts_;
  QLineEdit* range_;
  QCheckBox* addVertices_;
  QCheckBox* addPoints_;
};

}  // namespace zv::tools

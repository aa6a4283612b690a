#pragma once
// "数据投影": which sheet columns hold the coordinates, the label, the dip
// direction and angle and the attributes, what to draw and how, and the
// projection from longitude and latitude (input parameters, in their angle
// unit) to plane metres (result parameters). The column lists hold the
// names given; results are positions in them (−1 for none). The parameter
// buttons edit the program's current default point, text and line
// parameters and copy them in. Controls carry "control<id>" (1078 X, 1079
// Y, 1072 label, 1087 dip direction, 1089 dip angle, 1001 attributes, 1219
// scale, 1012 interval, 196 distance, 1073 no projection, 1084 closed line,
// 1083 draw line, 1052 draw points, 1081 labels, 1080 attributes, 1383
// attitude; buttons 1074, 1075, 1076, 1077, 1082; labels 1085, 1086).
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "exchange/sheets/row_projection.h"
#include "platform/data/map_params.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace zv::sheets {

struct ProjectionChoice {
  ProjectionOptions options;
  ProjectionStyle style;
  int x = 0, y = 1, note = 2, dipDirection = -1, dipAngle = -1;
  std::vector<int> attributes;  // positions of the chosen attribute columns
  MapParams input;              // longitude and latitude, their angle unit
  MapParams result;             // the plane
};

class CDataProjectionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CDataProjectionDlg(const std::vector<std::string>& columnNames, QWidget* parent = nullptr);
  const ProjectionChoice& choice() const { return choice_; }
  void accept() override;

  // The projection parameters the dialog starts with: those of its last OK,
  // else geographic input in packed DDDMMSS and an unset plane.
  static std::array<MapParams, 2> LastProjection();

 private:
  void UpdateEnabling();

  ProjectionChoice choice_;
  std::array<QComboBox*, 5> combos_{};
  QListWidget* attributes_;
  QSpinBox* scale_;
  QSpinBox* interval_;
  QDoubleSpinBox* distance_;
  QCheckBox *noProjection_, *closeLine_, *drawLine_, *drawPoints_, *labels_, *giveAttributes_, *attitude_;
  QPushButton *inputParams_, *resultParams_, *symbolParams_, *lineParams_, *noteParams_;
  QLabel *xLabel_, *yLabel_;
};

}  // namespace zv::sheets

#pragma once
// "生成GPX文件": local plane points (number, X northing, Y easting) to
// WGS-84 waypoints. "计算" takes the zone meridian and the shift from the
// known point; "生成GPX" builds the document shown; "保存GPX" writes it as
// UTF-8 with CR LF line ends. The list takes points typed, pasted, read
// from the spreadsheet or handed over by a caller (AddDrawingPoint).
#include <QDialog>
#include <chrono>
#include <functional>

#include "geodesy/gpx/gpx_waypoints.h"
#include "platform/data/work_area.h"

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::gpx {

class CGpxExportDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CGpxExportDlg(QWidget* parent = nullptr);

  // The time written into documents; now unless a test sets another.
  void SetClock(std::function<std::chrono::system_clock::time_point()> clock) { clock_ = std::move(clock); }

  grid::CGridListCtrl* list() const { return list_; }
  // A drawing point handed over by a caller: X = drawing y × S × 0.001,
  // Y = drawing x × S × 0.001 ("%0.1f"); S below 1e-5 counts as 1000.
  void AddDrawingPoint(const std::string& number, double x, double y);
  // Entities a caller hands over: the user picks one of the character
  // fields of the first entity's attribute structure ("选择属性字段"), and
  // each point among them becomes a row named by that field's value.
  void TakeEntities(const std::vector<ENTITY_MSG>& entities);
  int Datum() const;
  QString Document() const;

  // "读取EXCEL": the list from row 2 of the active sheet (number, X, Y, up
  // to the first row without a number) and the parameters from column 6.
  void ReadSheet();
  void Compute();
  void BuildDocument();
  void SaveDocument();

 private:
  double Value(const QLineEdit* edit) const;

  grid::CGridListCtrl* list_;
  QLineEdit *dx_, *dy_, *dz_, *l0_, *h_, *scale_;
  QLineEdit *knownX_, *knownY_, *knownH_, *knownB_, *knownL_, *knownGeodeticH_;
  QButtonGroup* datum_;
  QPlainTextEdit* document_;
  std::function<std::chrono::system_clock::time_point()> clock_;
};

}  // namespace zv::gpx

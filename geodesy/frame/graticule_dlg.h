#pragma once
// "绘制经纬网": the kilometre-grid interval and the corner angles (packed
// DDDMMSS), and a projection-parameter object made with the dialog. On
// opening its angle-unit record and its map-projection record are set for
// the default minimum longitude; "角度单位" sets the first again and opens
// its editor, "投影参数" sets the second for the typed minimum longitude and
// opens its editor. OK checks the values (CheckGraticule) and keeps the
// dialog open on a refusal. The dialog owns the object until a caller takes
// it after OK; whatever it still owns goes with it.

#include <QDialog>
#include <memory>

#include "geodesy/frame/frame_values.h"

class QLineEdit;

namespace zv::geodesy {

class CGraticuleDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CGraticuleDlg(QWidget* parent = nullptr);
  ~CGraticuleDlg() override;

  const GraticuleValues& values() const { return values_; }
  // The typed interval after OK, km.
  double interval() const { return interval_; }
  // The projection parameters (null once taken).
  const ProjParams* params() const { return params_.get(); }
  std::unique_ptr<ProjParams> TakeParams() { return std::move(params_); }
  void accept() override;

 private:
  void ReadControls();
  void SetMapRecord();
  void EditAngleUnits();
  void EditProjection();

  GraticuleValues values_;
  double interval_ = 1.0;
  std::unique_ptr<ProjParams> params_;
  QLineEdit *interval_edit_, *maxLat_, *maxLon_, *minLat_, *minLon_;
};

}  // namespace zv::geodesy

#pragma once
// "矿区坐标点": the corner list of a mining-right block (typed, read from a
// corner file, pasted) and the output folder; each map button writes its
// range maps with their projects and opens the projects that were written
// whole. Messages name refused corners, sheets left out and files that
// failed.
#include <QDialog>
#include <functional>

#include "geodesy/block/block_maps.h"
#include "geodesy/reserve/reserve_commands.h"

class QLineEdit;

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::block {

class CMiningBlockDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CMiningBlockDlg(reserve::DocumentOpener open, QWidget* parent = nullptr);

  // Today's date for the maps; the local date unless a test sets another.
  void SetClock(std::function<Date()> clock) { clock_ = std::move(clock); }

  grid::CGridListCtrl* list() const { return list_; }
  CornerRows Rows() const;
  void SetRows(const CornerRows& rows);

  // The buttons and the list's menu.
  void ReadCornerFileFromUser();
  void BrowseFolder();
  void AddCornerRow();
  void CopyCorners();
  void PasteCorners();
  void MakeMaps(const std::vector<RangeMap>& maps);

 private:
  reserve::DocumentOpener open_;
  std::function<Date()> clock_;
  grid::CGridListCtrl* list_;
  QLineEdit* folder_;
};

}  // namespace zv::block

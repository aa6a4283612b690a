#pragma once
// CListPickDlg: a table in a grid list from which the user takes rows. The
// mode sets caption, columns, rows and what OK does:
//   1 "ID号排实体号" (序号, ID号): the caller's (sequence, id) pairs; the user
//     may reorder them by a header click; OK reads every pair back in the
//     order shown (Pairs()).
//   2 "选择要删除的属性" (序号, 字段名): the fields of the work area's
//     attribute structure for its entity type; OK deletes each selected field
//     by name from that structure ("ID" cannot be deleted and stays).
//   3 "选择绘制的钻孔" (序号, 钻孔, 比例尺) and
//   4 "选择绘制的剖面" (序号, 剖面, 比例尺): row i shows i + 1 and the caller's
//     name and number i; OK gives one Picked() entry per selected row in list
//     order. Its row is the shown number + 1: the callers keep entry i in
//     worksheet row i + 2.
// Column widths stored under the dialog's id 275 apply (grid_column_state.h).

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::grid {
class CGridListCtrl;
}

namespace zv {

class CListPickDlg : public QDialog {
  Q_OBJECT

 public:
  struct SequencePair {
    int32_t sequence = 0;
    int32_t id = 0;
    friend bool operator==(const SequencePair&, const SequencePair&) = default;
  };
  struct Item {
    QString name;
    int32_t number = 0;
  };
  struct PickedRow {
    int row = 0;
    QString name;
    int32_t number = 0;
    friend bool operator==(const PickedRow&, const PickedRow&) = default;
  };

  explicit CListPickDlg(int16_t mode, QWidget* parent = nullptr);

  void SetPairs(std::vector<SequencePair> pairs) { pairs_ = std::move(pairs); }  // mode 1
  void SetWorkArea(WorkAreaHandle area) { area_ = area; }                         // mode 2
  void SetItems(std::vector<Item> items) { items_ = std::move(items); }            // modes 3, 4

  // After OK: mode 1's pairs in the order shown; the rows picked in modes 3
  // and 4 (none when nothing was selected).
  const std::vector<SequencePair>& Pairs() const { return pairs_; }
  const std::vector<PickedRow>& Picked() const { return picked_; }

  // Fills the list by the mode and runs the dialog through the prompts seam;
  // QDialog::Accepted or Rejected.
  int DoModal();

  grid::CGridListCtrl* list() const { return list_; }

  void accept() override;

 private:
  void FillList();
  int EntityTypeOfArea() const;

  int16_t mode_;
  WorkAreaHandle area_ = 0;
  std::vector<SequencePair> pairs_;
  std::vector<Item> items_;
  std::vector<PickedRow> picked_;
  grid::CGridListCtrl* list_;
};

}  // namespace zv

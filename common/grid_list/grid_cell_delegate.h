#pragma once
// Paints the cells of a CGridListCtrl: each in its own colours (a selected
// row in the list's selected colours), texts aligned as their column's
// heading, and check-box columns as a sunken square with a tick for "1".

#include <QStyledItemDelegate>

namespace zv::grid {

class CGridListCtrl;

class GridCellDelegate : public QStyledItemDelegate {
 public:
  explicit GridCellDelegate(CGridListCtrl* list);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The check box of a cell: side = cell height − 1, centred across the cell,
  // at its top.
  static QRect CheckBoxRect(const QRect& cell);

 private:
  CGridListCtrl* list_;
};

}  // namespace zv::grid

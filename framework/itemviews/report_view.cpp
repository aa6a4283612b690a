#include "framework/itemviews/report_view.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

namespace zv::itemviews {

void SetUpReportView(QTableView& view) {
  view.verticalHeader()->hide();
  view.setShowGrid(false);
  view.setWordWrap(false);
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setSelectionMode(QAbstractItemView::ExtendedSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

std::vector<int> SelectedRows(const QAbstractItemView& view) {
  std::vector<int> rows;
  for (const QModelIndex& index : view.selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void SetRowSelected(QAbstractItemView& view, int row, bool selected) {
  const QAbstractItemModel* model = view.model();
  if (model == nullptr || row < 0 || row >= model->rowCount()) return;
  view.selectionModel()->select(model->index(row, 0),
                                (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                    QItemSelectionModel::Rows);
}

}  // namespace zv::itemviews

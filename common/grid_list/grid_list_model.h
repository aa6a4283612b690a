#pragma once
// The rows and columns behind a CGridListCtrl. Every row carries a CGridRow:
// the list's own copy of each cell text and a text and background colour per
// cell. Rows are kept in the order shown, so a sort reorders them here.

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <memory>
#include <vector>

#include "common/grid_list/grid_columns.h"

namespace zv::grid {

struct CGridRow {
  QStringList cells;                 // one text per column
  std::vector<QColor> textColours;   // one per column
  std::vector<QColor> backColours;   // one per column
  QString tag;                       // the owner's own value for the row, never shown; sorts with it
};

class GridListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void AppendColumn(const GridColumn& column);
  // A new heading for a column; the cells stay.
  void SetHeading(int column, const QString& heading);
  const GridColumn& Column(int column) const { return columns_[static_cast<std::size_t>(column)]; }

  // Inserts at `row` (clamped to the rows present); returns the row index.
  int InsertRow(int row, CGridRow record);
  // Null for a row out of range.
  CGridRow* Row(int row);
  const CGridRow* Row(int row) const;
  bool SetCell(int row, int column, const QString& text);
  bool RemoveRow(int row);
  void Clear();
  // Puts the rows in the order given (order[k] = the row that goes to
  // place k); selections and other persistent indexes follow their rows.
  void Reorder(const std::vector<int>& order);

 private:
  std::vector<GridColumn> columns_;
  std::vector<std::unique_ptr<CGridRow>> rows_;
};

}  // namespace zv::grid

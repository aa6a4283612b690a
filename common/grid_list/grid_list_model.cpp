#include "common/grid_list/grid_list_model.h"

#include <algorithm>

namespace zv::grid {

namespace {

Qt::Alignment AlignmentOf(const GridColumn& column) {
  return (column.align == ColumnAlign::Left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
}

}  // namespace

int GridListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant GridListModel::data(const QModelIndex& index, int role) const {
  const CGridRow* record = Row(index.row());
  if (record == nullptr || index.column() < 0 || index.column() >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return record->cells.value(index.column());
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(Column(index.column())));
    case Qt::ForegroundRole:
      return record->textColours[static_cast<std::size_t>(index.column())];
    case Qt::BackgroundRole:
      return record->backColours[static_cast<std::size_t>(index.column())];
    default:
      return {};
  }
}

QVariant GridListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return Column(section).heading;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(Column(section)));
  return {};
}

void GridListModel::SetHeading(int column, const QString& heading) {
  if (column < 0 || column >= columnCount()) return;
  columns_[static_cast<std::size_t>(column)].heading = heading;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridListModel::AppendColumn(const GridColumn& column) {
  const int at = columnCount();
  beginInsertColumns({}, at, at);
  columns_.push_back(column);
  // Rows added before the column get an empty cell in it.
  for (auto& row : rows_) {
    row->cells.append(QString());
    row->textColours.push_back(row->textColours.empty() ? QColor() : row->textColours.back());
    row->backColours.push_back(row->backColours.empty() ? QColor() : row->backColours.back());
  }
  endInsertColumns();
}

int GridListModel::InsertRow(int row, CGridRow record) {
  row = std::clamp(row, 0, rowCount());
  beginInsertRows({}, row, row);
  rows_.insert(rows_.begin() + row, std::make_unique<CGridRow>(std::move(record)));
  endInsertRows();
  return row;
}

CGridRow* GridListModel::Row(int row) {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].get() : nullptr;
}

const CGridRow* GridListModel::Row(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].get() : nullptr;
}

bool GridListModel::SetCell(int row, int column, const QString& text) {
  CGridRow* record = Row(row);
  if (record == nullptr || column < 0 || column >= columnCount()) return false;
  record->cells[column] = text;
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
  return true;
}

bool GridListModel::RemoveRow(int row) {
  if (Row(row) == nullptr) return false;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
  return true;
}

void GridListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void GridListModel::Reorder(const std::vector<int>& order) {
  if (order.size() != rows_.size()) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> placeOf(order.size());
  std::vector<std::unique_ptr<CGridRow>> sorted(order.size());
  for (std::size_t place = 0; place < order.size(); ++place) {
    const auto from = static_cast<std::size_t>(order[place]);
    placeOf[from] = static_cast<int>(place);
    sorted[place] = std::move(rows_[from]);
  }
  rows_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& old : before) {
    after.append(index(placeOf[static_cast<std::size_t>(old.row())], old.column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace zv::grid

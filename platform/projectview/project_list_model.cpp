#include "platform/projectview/project_list_model.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace zv::prjview {

namespace {

constexpr std::array<const char*, kProjectColumnCount> kHeadings = {"名称", "类型", "状态", "文件"};

QString KindName(int kind) {
  switch (kind) {
    case kPointArea: return QStringLiteral("点");
    case kLineArea: return QStringLiteral("线");
    case kRegionArea: return QStringLiteral("区");
    default: return QStringLiteral("其它");
  }
}

QString StateName(int state) {
  switch (state) {
    case kItemHidden: return QStringLiteral("隐藏");
    case kItemCurrent: return QStringLiteral("当前");
    default: return QStringLiteral("显示");
  }
}

}  // namespace

void ProjectListModel::SetProject(MapProject* project) {
  project_ = project;
  Refresh();
}

void ProjectListModel::Refresh() {
  beginResetModel();
  items_.clear();
  for (int i = 0; i < PrjGetItemCount(project_); ++i) items_.push_back(i);
  endResetModel();
  if (sortColumn_ >= 0) sort(sortColumn_, sortOrder_);
}

int ProjectListModel::ItemOfRow(int row) const {
  return row >= 0 && row < rowCount() ? items_[static_cast<std::size_t>(row)] : -1;
}

int ProjectListModel::RowOfItem(int item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int ProjectListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int ProjectListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kProjectColumnCount;
}

QString ProjectListModel::Text(int item, int column) const {
  switch (column) {
    case kNameColumn: return QFileInfo(QString::fromStdString(PrjGetItemPath(project_, item))).fileName();
    case kKindColumn: return KindName(PrjGetItemKind(project_, item));
    case kStateColumn: return StateName(PrjGetItemState(project_, item));
    case kPathColumn: return QString::fromStdString(PrjGetItemPath(project_, item));
    default: return {};
  }
}

QVariant ProjectListModel::data(const QModelIndex& index, int role) const {
  const int item = ItemOfRow(index.row());
  if (item < 0 || role != Qt::DisplayRole) return {};
  return Text(item, index.column());
}

QVariant ProjectListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kProjectColumnCount) {
    return {};
  }
  return QString::fromUtf8(kHeadings[static_cast<std::size_t>(section)]);
}

void ProjectListModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kProjectColumnCount) return;
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> itemsBefore;
  for (const QModelIndex& index : before) itemsBefore.push_back(ItemOfRow(index.row()));
  std::stable_sort(items_.begin(), items_.end(), [&](int a, int b) {
    const int compared = QString::localeAwareCompare(Text(a, column), Text(b, column));
    return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
  });
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    after.append(index(RowOfItem(itemsBefore[static_cast<std::size_t>(i)]), before[i].column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace zv::prjview

#pragma once
// The rows of a project list: one per project item, with its name, kind,
// display state and file. Rows start in item order; Sort reorders the rows
// (stably, by the column's text) without touching the project. ItemOfRow
// maps a row back to its item. Refresh reads the project again.

#include <QAbstractTableModel>
#include <vector>

#include "platform/project/map_project.h"

namespace zv::prjview {

enum ProjectColumn { kNameColumn, kKindColumn, kStateColumn, kPathColumn, kProjectColumnCount };

class ProjectListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The project shown (null: none); the model does not own it.
  void SetProject(MapProject* project);
  MapProject* project() const { return project_; }
  // Reads the items again, keeping the sort order of the last Sort.
  void Refresh();

  int ItemOfRow(int row) const;
  int RowOfItem(int item) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  QString Text(int item, int column) const;

  MapProject* project_ = nullptr;
  std::vector<int> items_;  // row -> item index
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace zv::prjview

#pragma once
// The program's report-style list views (grid lists, project lists): their
// common look and behaviour, and whole-row selection.

#include <vector>

class QAbstractItemView;
class QTableView;

namespace zv::itemviews {

// No row numbers, no grid, one line per cell, whole rows selected (several
// at once), no editing by the view itself.
void SetUpReportView(QTableView& view);

std::vector<int> SelectedRows(const QAbstractItemView& view);

// A row out of range is ignored.
void SetRowSelected(QAbstractItemView& view, int row, bool selected);

}  // namespace zv::itemviews

#include "common/grid_list/grid_columns.h"

#include "framework/text/numbers.h"

namespace zv::grid {

std::vector<GridColumn> ParseColumnSpec(const QString& spec) {
  std::vector<GridColumn> columns;
  qsizetype position = 0;
  while (true) {
    const qsizetype comma = spec.indexOf(QLatin1Char(','), position);
    if (comma < 0) break;
    qsizetype end = spec.indexOf(QLatin1Char(';'), comma + 1);
    if (end < 0) end = spec.size();
    GridColumn column;
    column.heading = spec.mid(position, comma - position);
    column.width = num::ParseInt(spec.mid(comma + 1, end - comma - 1).toStdString());
    if (column.heading.startsWith(QLatin1Char('1'))) {
      column.heading.remove(0, 1);
      column.align = ColumnAlign::Left;
    }
    columns.push_back(std::move(column));
    position = end + 1;
  }
  return columns;
}

}  // namespace zv::grid

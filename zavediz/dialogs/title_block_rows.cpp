#include "zavediz/dialogs/title_block_rows.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::zavediz {

namespace {

constexpr double kSizeTolerance = 0.001;  // mm
constexpr double kUnitTextSize = 12.0;
constexpr double kRowTextSize = 4.0;
constexpr int kFirstLabelledRow = 2;
constexpr int kRowsPerColumn = 6;

// What an order's first character names: 1 or 2 for the columns, else 0.
int ColumnOf(const std::string& order) {
  if (order.empty()) return 0;
  return order[0] == '1' ? 1 : (order[0] == '2' ? 2 : 0);
}

double ColumnHeight(const TitleBlockValues& values, int column) {
  double height = 0.0;
  for (const auto* rows : {&values.column1, &values.column2}) {
    for (const TitleBlockRowValues& row : *rows) {
      if (ColumnOf(row.order) == column) height += row.height;
    }
  }
  return height;
}

// The place (1..6) an order gives within its column, or 0 when the order is
// out of its column's range: the row digit must lie in 1..6 and the whole
// order below 17 (first column) or 27 (second column).
int PlaceOf(const std::string& order, int column) {
  const int digit = order.size() >= 2 ? order[1] - '0' : 0;
  const int limit = column == 1 ? 17 : 27;
  if (digit < 1 || digit > kRowsPerColumn || num::ParseInt(order) >= limit) return 0;
  return digit;
}

TitleRow BlockWideRow(const char* kind, const std::string& content, double height, double bottom) {
  TitleRow row;
  row.kind = kind;
  row.content = content;
  row.contentHeight = height;
  row.captionRight = -1.0;
  row.captionBottom = -1.0;
  row.contentBottom = bottom;
  row.font = 1;  // in use
  return row;
}

}  // namespace

std::optional<TitleBlockSize> CheckSize(const TitleBlockValues& values) {
  const double widths = values.column1LabelWidth + values.column1ContentWidth + values.column2LabelWidth +
                        values.column2ContentWidth;
  const double first = ColumnHeight(values, 1);
  if (std::fabs(widths - values.totalWidth) > kSizeTolerance ||
      std::fabs(first - ColumnHeight(values, 2)) > kSizeTolerance) {
    return std::nullopt;
  }
  return TitleBlockSize{values.unitHeight + values.titleHeight + first, values.totalWidth};
}

TitleBlockRows BuildRows(const TitleBlockValues& values) {
  TitleBlockRows result;
  auto& rows = result.rows;
  for (TitleRow& row : rows) row.margin = kRowTextSize;
  const double first = ColumnHeight(values, 1);
  const double total = values.totalWidth;
  rows[0] = BlockWideRow("01", values.unit, values.unitHeight, first + values.titleHeight);
  rows[0].contentWidth = total;
  rows[0].margin = kUnitTextSize;
  rows[1] = BlockWideRow("02", values.title, values.titleHeight, first);
  rows[1].contentWidth = total;
  rows[1].margin = kRowTextSize;

  for (const auto* column : {&values.column1, &values.column2}) {
    for (const TitleBlockRowValues& source : *column) {
      const int columnNumber = ColumnOf(source.order);
      if (columnNumber == 0) continue;
      const int place = PlaceOf(source.order, columnNumber);
      if (place == 0) {
        result.orderErrors.push_back(columnNumber == 1 ? kFirstColumnOrderError : kSecondColumnOrderError);
        continue;
      }
      TitleRow& row = rows[static_cast<std::size_t>(kFirstLabelledRow + (columnNumber - 1) * kRowsPerColumn + place - 1)];
      row.kind = source.order;
      row.caption = source.label;
      row.content = source.content;
      row.captionHeight = row.contentHeight = source.height;
      row.captionWidth = columnNumber == 1 ? values.column1LabelWidth : values.column2LabelWidth;
      row.contentWidth = columnNumber == 1 ? values.column1ContentWidth : values.column2ContentWidth;
      const double left = columnNumber == 1 ? 0.0 : values.column1LabelWidth + values.column1ContentWidth;
      row.captionRight = left + row.captionWidth - total;
      row.contentRight = left + row.captionWidth + row.contentWidth - total;
    }
  }

  // Each column's rows stack down from the top of the columns.
  for (int column = 0; column < 2; ++column) {
    double top = first;
    for (int place = 0; place < kRowsPerColumn; ++place) {
      TitleRow& row = rows[static_cast<std::size_t>(kFirstLabelledRow + column * kRowsPerColumn + place)];
      if (row.kind.empty()) continue;
      top -= row.contentHeight;
      row.captionBottom = row.contentBottom = top;
    }
  }
  return result;
}

}  // namespace zv::zavediz

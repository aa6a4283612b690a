#include "framework/workbook/widget/sheet_table_model.h"

#include <QColor>
#include <QFont>

#include <algorithm>

#include "framework/workbook/cell_text.h"

namespace zv::workbook {

namespace {

constexpr int kSpareRows = 30;
constexpr int kSpareColumns = 8;

QColor ColourOf(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

Qt::Alignment HorizontalOf(int alignment, CellKind kind) {
  switch (alignment) {
    case align::kLeft:
      return Qt::AlignLeft;
    case align::kRight:
      return Qt::AlignRight;
    case align::kCenter:
    case align::kCenterAcrossSelection:
      return Qt::AlignHCenter;
    case align::kJustify:
    case align::kDistributed:
      return Qt::AlignJustify;
    default:
      break;
  }
  // General: numbers to the right, truth values centred, text to the left.
  if (kind == CellKind::kNumber) return Qt::AlignRight;
  if (kind == CellKind::kBoolean || kind == CellKind::kError) return Qt::AlignHCenter;
  return Qt::AlignLeft;
}

Qt::Alignment VerticalOf(int alignment) {
  if (alignment == align::kTop) return Qt::AlignTop;
  if (alignment == align::kCenter || alignment == align::kJustify || alignment == align::kDistributed)
    return Qt::AlignVCenter;
  return Qt::AlignBottom;
}

}  // namespace

SheetTableModel::SheetTableModel(std::shared_ptr<Book> book, std::shared_ptr<SheetData> sheet, QObject* parent)
    : QAbstractTableModel(parent), book_(std::move(book)), sheet_(std::move(sheet)) {
  MeasureExtent();
}

void SheetTableModel::MeasureExtent() {
  const CellRect used = sheet_->UsedRect();
  int lastRow = used.last.row;
  int lastColumn = used.last.column;
  for (const CellRect& area : sheet_->view.selection) {
    lastRow = std::max(lastRow, area.last.row);
    lastColumn = std::max(lastColumn, area.last.column);
  }
  rows_ = std::min(kMaxRows, lastRow + kSpareRows);
  columns_ = std::min(kMaxColumns, lastColumn + kSpareColumns);
}

void SheetTableModel::Refresh() {
  beginResetModel();
  MeasureExtent();
  endResetModel();
}

int SheetTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int SheetTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant SheetTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const WorkbookData& book = *book_->data;
  const Cell* cell = sheet_->Find(index.row() + 1, index.column() + 1);
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(DisplayText(book, cell));
    case Qt::FontRole: {
      const FontData& data = FontOf(book, cell);
      QFont font(QString::fromStdString(data.name));
      if (data.size > 0) font.setPointSizeF(data.size);
      font.setBold(data.bold);
      font.setItalic(data.italic);
      return font;
    }
    case Qt::ForegroundRole:
      return ColourOf(FontOf(book, cell).color);
    case Qt::TextAlignmentRole: {
      const CellFormat& format = book.formats[cell && cell->format < book.formats.size() ? cell->format : 0];
      return static_cast<int>(HorizontalOf(format.horizontal, cell ? cell->kind : CellKind::kEmpty) |
                              VerticalOf(format.vertical));
    }
    case Qt::ToolTipRole:
      if (cell && cell->hasFormula) return QString::fromStdString(FormulaOf(book, *sheet_, cell));
      return {};
    default:
      return {};
  }
}

QVariant SheetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return QString::fromStdString(ColumnLetters(section + 1));
  return section + 1;
}

}  // namespace zv::workbook

#pragma once
// One sheet of a workbook as a table model: the cells as they display, with
// their fonts, colours and alignment, a few empty rows and columns beyond
// the used range to select into, and spreadsheet headers.

#include <QAbstractTableModel>
#include <memory>

#include "framework/workbook/book.h"

namespace zv::workbook {

class SheetTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  SheetTableModel(std::shared_ptr<Book> book, std::shared_ptr<SheetData> sheet, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  const std::shared_ptr<SheetData>& Sheet() const { return sheet_; }
  // Re-reads the extent after the workbook changed.
  void Refresh();

 private:
  void MeasureExtent();

  std::shared_ptr<Book> book_;
  std::shared_ptr<SheetData> sheet_;
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace zv::workbook

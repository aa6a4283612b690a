#pragma once
// CGridListCtrl: the report-style table the program's dialogs use for
// coordinate, field, legend, borehole, section, strata and file lists.
//
// Use: SetColumns, then optionally SetColumnType, SetComboItem and
// LoadColumnState, then AddRow. The list keeps its own copy of every cell
// text (GetRowCells) with a text and background colour per cell, which a
// caller may change through GetRow. Rows are selected whole; several may be
// selected at once.
//
// Editing, once SetColumnType has made a kind table (kinds below): a click on
// a check-box cell toggles it between "1" and "0" at once; otherwise the first
// click on a row only selects it and a second click opens the column's editor
// over the cell (a text box, or a choice box filled from choice list
// column + 1). The editor's text goes into the cell when the list gets the
// focus back, and also when the focus goes anywhere else (the dialog's OK, a
// return key) or before rows are added, deleted or sorted, so a typed value
// is never lost nor lands in another row. An open editor follows its
// cell when the list scrolls and folds away while its row is scrolled above
// the top.
//
// Notices: with SetNotify(true) every click posts kLegendGridUsed (row before
// the click, 2) to the legend library's window, and a text box that commits
// posts (row, 1).
//
// Sorting: a click on a header sorts by that column, ascending, or flips the
// direction when it is already the sort column (grid_sort.h tells how texts
// compare). GetRowCells and the row numbers follow the order shown.

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QTableView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/grid_list/grid_list_model.h"

class QComboBox;
class QLineEdit;

namespace zv {
class ProfileFile;
}

namespace zv::grid {

class CSortHeaderCtrl;

// Column kinds of SetColumnType; any other value is read-only too.
enum ColumnKind : int16_t {
  kColumnReadOnly = 0,
  kColumnText = 1,
  kColumnChoice = -1,
  kColumnCheckBox = 2,
};

inline constexpr int kChoiceListCount = 10;
inline constexpr int kChoiceListSize = 50;

class CGridListCtrl : public QTableView {
  Q_OBJECT

 public:
  explicit CGridListCtrl(QWidget* parent = nullptr);
  ~CGridListCtrl() override;

  // Declares columns from a column text (grid_columns.h) after those
  // already present; false when the text declares no column.
  bool SetColumns(const QString& spec);
  // The first call makes the kind table, one read-only entry per column
  // present then; a column outside that table is ignored.
  void SetColumnType(int column, int16_t kind);
  int16_t ColumnType(int column) const;
  int GetColumnCount() const;
  // Retitles a column; its cells keep their texts.
  void SetColumnHeading(int column, const QString& heading);

  // Stores `text` as entry `index` (0..49) of choice list `list` (1..10, for
  // column list − 1); anything else is ignored.
  void SetComboItem(int list, const QString& text, int index);

  // Appends or inserts a row of exactly GetColumnCount() texts; the row's
  // index, or −1 (nothing added) for another number of texts.
  int AddRow(const QStringList& texts);
  int InsertRow(int row, const QStringList& texts);
  bool SetCellText(int row, int column, const QString& text);
  QString CellText(int row, int column) const;
  // The row's texts, empty for a row out of range.
  QStringList GetRowCells(int row) const;
  // The row's record, to change its colours; null for a row out of range.
  CGridRow* GetRow(int row);
  bool DeleteRow(int row);
  void DeleteAllRows();
  int GetItemCount() const;

  // Selected rows in the order shown.
  std::vector<int> GetSelectedRows() const;
  void SelectRow(int row, bool selected = true);

  // Applies the column widths stored for `dialogId` in the application
  // profile (grid_column_state.h) when their count matches; else keeps them.
  void LoadColumnState(int dialogId);
  void LoadColumnState(const ProfileFile& profile, int dialogId);

  // Sorts every row by `column` and shows the header arrow.
  void SortColumn(int column, bool ascending);
  int sortColumn() const { return sortColumn_; }
  bool sortAscending() const { return ascending_; }

  // The cell's rectangle in viewport coordinates; column 0 ends where column
  // 1 begins. False for a row or column out of range.
  bool GetCellRect(int row, int column, QRect* rect) const;

  void SetNotify(bool notify) { notify_ = notify; }

  // The open editors, null when none is open.
  QLineEdit* textEditor() const;
  QComboBox* choiceEditor() const;
  int currentEditRow() const { return currentRow_; }
  int currentEditColumn() const { return currentColumn_; }

  // The colours of cells (new rows take the first two) and of selected rows.
  QColor textColour() const { return textColour_; }
  QColor backColour() const { return backColour_; }
  QColor selectedTextColour() const { return selectedTextColour_; }
  QColor selectedBackColour() const { return selectedBackColour_; }

  CSortHeaderCtrl* sortHeader() const { return header_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* event) override;

 private:
  void OnColumnClick(int column);
  void OnClick(int row, int column);
  void OpenOrMoveEditor();
  void PlaceEditors(bool collapseAboveTop);
  void CommitEditors();
  void DiscardEditors();
  QRect EditorRect() const;
  void LoadColours();
  void PostNotice(std::intptr_t lParam) const;

  GridListModel* model_;
  CSortHeaderCtrl* header_;
  std::array<std::array<QString, kChoiceListSize>, kChoiceListCount> choiceLists_;
  std::optional<std::vector<int16_t>> kinds_;
  int currentRow_ = -1;
  int currentColumn_ = -1;
  bool notify_ = false;
  QPointer<QLineEdit> textEditor_;
  QPointer<QComboBox> choiceEditor_;
  int sortColumn_ = -1;
  bool ascending_ = true;
  QColor textColour_, backColour_, selectedBackColour_, selectedTextColour_;
};

}  // namespace zv::grid

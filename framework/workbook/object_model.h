#pragma once
// The spreadsheet object model the exchange commands drive, as plain member
// calls over the program's own workbooks: Application, Workbooks, Workbook,
// Sheets, Worksheet, Window, Range, Borders, Border, Font and Characters.
// Values come in the encodings of the spreadsheet programs: colours
// 0x00BBGGRR, alignment and line-style constants, column widths in
// characters of the Normal font, row heights in points, 1-based rows and
// columns. A call the spreadsheet program would refuse (a sheet that does not
// exist, a file that cannot be read) throws WorkbookError.

#include <memory>
#include <optional>
#include <string>

#include "framework/workbook/book.h"
#include "framework/workbook/cell_value.h"
#include "framework/workbook/session.h"

namespace zv::workbook {

// Excel and WPS ET: the same model; a new ET workbook has three sheets.
enum class Flavour { kExcel, kEt };

class Workbooks;
class Workbook;
class Sheets;
class Worksheet;
class Window;
class Range;
class Borders;
class Border;
class Font;
class Characters;

// `MergeCells` of a range: every cell merged, none, or some (mixed).
enum class MergeState { kFalse, kTrue, kMixed };

class Application {
 public:
  Application(std::shared_ptr<Session> session, Flavour flavour);

  Flavour GetFlavour() const { return flavour_; }
  Session& GetSession() const { return *session_; }
  const std::shared_ptr<Session>& SharedSession() const { return session_; }

  bool Visible() const;
  void SetVisible(bool visible) const;
  workbook::Workbooks Workbooks() const;
  std::optional<workbook::Workbook> ActiveWorkbook() const;
  std::optional<workbook::Worksheet> ActiveSheet() const;
  std::optional<workbook::Window> ActiveWindow() const;
  // The sheets of the active workbook.
  std::optional<workbook::Sheets> Sheets() const;
  // Closes every workbook of this program without saving.
  void Quit() const;

 private:
  std::shared_ptr<Session> session_;
  Flavour flavour_;
};

class Workbooks {
 public:
  Workbooks(std::shared_ptr<Session> session, Flavour flavour) : session_(std::move(session)), flavour_(flavour) {}
  // A new workbook: one sheet for Excel, three for ET.
  workbook::Workbook Add() const;
  // A new workbook holding the content of a workbook file.
  workbook::Workbook Add(const std::string& templatePath) const;
  workbook::Workbook Open(const std::string& path) const;
  void Close() const;
  int Count() const;
  workbook::Workbook Item(int index) const;  // 1-based

 private:
  std::shared_ptr<Session> session_;
  Flavour flavour_;
};

class Workbook {
 public:
  Workbook(std::shared_ptr<Session> session, std::shared_ptr<Book> book)
      : session_(std::move(session)), book_(std::move(book)) {}
  workbook::Sheets Sheets() const;
  workbook::Sheets Worksheets() const;
  std::optional<workbook::Worksheet> ActiveSheet() const;
  workbook::Window ActiveWindow() const;
  std::string Name() const { return book_->title; }
  // Closes the workbook without saving.
  void Close() const;
  // Writes the workbook as .xlsx and makes that file its own.
  void SaveAs(const std::string& path) const;
  const std::shared_ptr<Book>& GetBook() const { return book_; }

 private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> book_;
};

class Sheets {
 public:
  Sheets(std::shared_ptr<Session> session, std::shared_ptr<Book> book)
      : session_(std::move(session)), book_(std::move(book)) {}
  int Count() const;
  workbook::Worksheet Item(int index) const;  // 1-based
  workbook::Worksheet Item(const std::string& name) const;
  // Adds `count` empty sheets, in order, before the active sheet; the first
  // of them becomes the active sheet and is returned.
  workbook::Worksheet Add(int count = 1) const;

 private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> book_;
};

class Worksheet {
 public:
  Worksheet(std::shared_ptr<Session> session, std::shared_ptr<Book> book, std::shared_ptr<SheetData> sheet)
      : session_(std::move(session)), book_(std::move(book)), sheet_(std::move(sheet)) {}
  std::string Name() const { return sheet_->name; }
  void SetName(const std::string& name) const;
  int Index() const;  // 1-based
  std::optional<workbook::Worksheet> Next() const;
  std::optional<workbook::Worksheet> Previous() const;
  void Activate() const;
  void Select(bool replace = true) const;
  // Every cell of the sheet; `Item`(row, column) addresses sheet cells.
  workbook::Range Cells() const;
  workbook::Range UsedRange() const;
  // "B3" or "A1:C4"; with two arguments the rectangle they span.
  workbook::Range Range(const std::string& reference) const;
  workbook::Range Range(const std::string& first, const std::string& last) const;

  const std::shared_ptr<Book>& GetBook() const { return book_; }
  const std::shared_ptr<SheetData>& Data() const { return sheet_; }

 private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> book_;
  std::shared_ptr<SheetData> sheet_;
};

// The workbook's window: its active sheet with the selection and the active
// cell, as the file stored them or the user changed them.
class Window {
 public:
  Window(std::shared_ptr<Session> session, std::shared_ptr<Book> book)
      : session_(std::move(session)), book_(std::move(book)) {}
  // The selected rectangle (the one holding the active cell when the
  // selection has several).
  workbook::Range RangeSelection() const;
  // The cell where the selection began: the active cell, which is the
  // bottom-right corner of a selection dragged up and to the left. Readers
  // take the origin from `RangeSelection` (see ExtentOf), never from here.
  workbook::Range AnchorCell() const;

 private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> book_;
};

class Range {
 public:
  enum class Counting { kCells, kRows, kColumns };
  Range(std::shared_ptr<Session> session, std::shared_ptr<Book> book, std::shared_ptr<SheetData> sheet,
        CellRect area, Counting counting = Counting::kCells)
      : session_(std::move(session)), book_(std::move(book)), sheet_(std::move(sheet)), area_(area),
        counting_(counting) {}

  // The cell at a 1-based row and column counted from the range's top-left
  // cell; it may lie outside the range.
  workbook::Range Item(int row, int column) const;
  // Puts a value there; a text is stored as if typed (see ValueFromTyping).
  void SetItem(int row, int column, const CellValue& value) const;
  void SetItem(int row, int column, const std::string& typed) const;

  workbook::Range Rows() const;
  workbook::Range Columns() const;
  // Cells, or rows after `Rows`, or columns after `Columns`.
  long Count() const;
  int Row() const { return area_.first.row; }
  int Column() const { return area_.first.column; }

  // Of the top-left cell: the text as displayed (a formula without a cached
  // value shows nothing), the value, the formula (the value itself for a
  // cell without one) and the number format code.
  std::string Text() const;
  CellValue Value() const;
  std::string Formula() const;
  std::string NumberFormat() const;
  // Puts the value into every cell of the range.
  void SetValue(const CellValue& value) const;

  double ColumnWidth() const;  // characters of the Normal font
  double RowHeight() const;    // points
  int HorizontalAlignment() const;
  int VerticalAlignment() const;
  void SetHorizontalAlignment(int alignment) const;
  void SetVerticalAlignment(int alignment) const;

  MergeState MergeCells() const;
  // The merged area holding the top-left cell, or that cell.
  workbook::Range MergeArea() const;
  // Merges the range into one area (or each row when `across`), keeping the
  // top-left value.
  void Merge(bool across = false) const;

  workbook::Borders Borders() const;
  workbook::Font Font() const;
  // Characters of the top-left cell's text, 1-based, counted in characters.
  workbook::Characters Characters(int start, int length) const;

  const CellRect& Area() const { return area_; }
  workbook::Worksheet Worksheet() const;

 private:
  friend class workbook::Borders;
  friend class workbook::Border;
  friend class workbook::Font;
  friend class workbook::Characters;
  const Cell* TopLeftCell() const;
  const CellFormat& FormatOf(const Cell* cell) const;
  void Edited() const;
  template <typename Change>
  void ChangeFormats(Change change) const;

  std::shared_ptr<Session> session_;
  std::shared_ptr<Book> book_;
  std::shared_ptr<SheetData> sheet_;
  CellRect area_;
  Counting counting_;
};

class Borders {
 public:
  explicit Borders(workbook::Range range) : range_(std::move(range)) {}
  // kEdgeLeft, kEdgeTop, kEdgeBottom, kEdgeRight, kDiagonalDown, kDiagonalUp.
  workbook::Border Item(int index) const;

 private:
  workbook::Range range_;
};

// One edge of the top-left cell. An edge shows when the cell sets it or the
// neighbouring cell across it sets its facing edge.
class Border {
 public:
  Border(workbook::Range range, int index) : range_(std::move(range)), index_(index) {}
  int LineStyle() const;

 private:
  workbook::Range range_;
  int index_;
};

class Font {
 public:
  explicit Font(FontData data) : data_(std::move(data)) {}
  const std::string& Name() const { return data_.name; }
  double Size() const { return data_.size; }
  std::uint32_t Color() const { return data_.color; }  // 0x00BBGGRR
  bool Bold() const { return data_.bold; }
  bool Italic() const { return data_.italic; }
  bool Superscript() const { return data_.superscript; }
  bool Subscript() const { return data_.subscript; }

 private:
  FontData data_;
};

class Characters {
 public:
  Characters(workbook::Range range, int start, int length)
      : range_(std::move(range)), start_(start), length_(length) {}
  // The characters, empty beyond the end of the text.
  std::string Text() const;
  // The font of the first of the characters (rich-text runs honoured).
  workbook::Font Font() const;

 private:
  workbook::Range range_;
  int start_;
  int length_;
};

// The extent every reader takes of a sheet or a selection: rows, columns and
// the sheet row and column of the top-left cell, whatever corner the
// selection was dragged from.
struct Extent {
  long rows = 0;
  long columns = 0;
  int firstRow = 1;
  int firstColumn = 1;
};
Extent ExtentOf(const Range& range);

}  // namespace zv::workbook

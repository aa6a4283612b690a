#pragma once
// The plain data of a workbook as read from a file or built by the program:
// sheets of sparse cells, a shared text pool with rich-text runs, and the
// style tables the cells point into. Values are kept in the encodings the
// spreadsheet object model hands out (colours 0x00BBGGRR, alignment and line
// style constants, widths in characters, heights in points).

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/workbook/cell_address.h"

namespace zv::workbook {

// Alignment constants of the spreadsheet object model.
namespace align {
inline constexpr int kGeneral = 1;
inline constexpr int kLeft = -4131;
inline constexpr int kRight = -4152;
inline constexpr int kCenter = -4108;
inline constexpr int kFill = 5;
inline constexpr int kJustify = -4130;
inline constexpr int kCenterAcrossSelection = 7;
inline constexpr int kDistributed = -4117;
inline constexpr int kTop = -4160;
inline constexpr int kBottom = -4107;
}  // namespace align

// Border line styles and the indexes of `Borders.Item`.
namespace line {
inline constexpr int kNone = -4142;
inline constexpr int kContinuous = 1;
inline constexpr int kDash = -4115;
inline constexpr int kDashDot = 4;
inline constexpr int kDashDotDot = 5;
inline constexpr int kDot = -4118;
inline constexpr int kDouble = -4119;
inline constexpr int kSlantDashDot = 13;
}  // namespace line

enum BorderIndex : int {
  kDiagonalDown = 5,
  kDiagonalUp = 6,
  kEdgeLeft = 7,
  kEdgeTop = 8,
  kEdgeBottom = 9,
  kEdgeRight = 10,
};

struct FontData {
  std::string name = "宋体";
  double size = 11.0;
  std::uint32_t color = 0;  // 0x00BBGGRR; automatic is black
  bool bold = false;
  bool italic = false;
  bool superscript = false;
  bool subscript = false;
  friend bool operator==(const FontData&, const FontData&) = default;
};

// Line styles of the four edges and the two diagonals of one cell format.
struct BorderData {
  int left = line::kNone;
  int top = line::kNone;
  int bottom = line::kNone;
  int right = line::kNone;
  int diagonalDown = line::kNone;
  int diagonalUp = line::kNone;
  friend bool operator==(const BorderData&, const BorderData&) = default;
};

struct CellFormat {
  std::uint32_t numberFormat = 0;  // id into Book::numberFormats or a built-in id
  std::uint32_t font = 0;
  std::uint32_t border = 0;
  int horizontal = align::kGeneral;
  int vertical = align::kBottom;
  bool wrap = false;
  friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// A run of characters (code points) of a rich text with its own font.
struct TextRun {
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  std::uint32_t font = 0;
};

struct RichText {
  std::string text;           // UTF-8
  std::vector<TextRun> runs;  // empty: the cell's font throughout
};

enum class CellKind : std::uint8_t { kEmpty, kNumber, kText, kBoolean, kError };

struct Cell {
  int row = 1;
  int column = 1;
  CellKind kind = CellKind::kEmpty;
  bool hasFormula = false;
  std::uint32_t format = 0;  // index into Book::formats
  double number = 0.0;       // number, boolean 0/1
  std::uint32_t text = 0;    // index into Book::texts for text and error cells
};

// A run of columns of one width, in characters of the Normal font.
struct ColumnSpan {
  int first = 1;
  int last = 1;
  double width = 0.0;
};

// The sheet view stored by the program that saved the workbook.
struct SheetView {
  CellPos activeCell;
  std::vector<CellRect> selection{CellRect{}};
};

struct SheetData {
  std::string name;
  std::vector<Cell> cells;  // sorted by row, then column
  std::vector<CellRect> merges;
  std::vector<ColumnSpan> columns;   // sorted, disjoint
  std::map<int, double> rowHeights;  // points
  double defaultColumnWidth = 8.43;
  double defaultRowHeight = 15.0;
  std::unordered_map<std::uint64_t, std::string> formulas;  // by CellKey, "=..."
  SheetView view;
  // The rectangle of every cell that holds a value, a formula or a format,
  // and of every merged area; A1 alone on an empty sheet.
  CellRect UsedRect() const;

  static std::uint64_t CellKey(int row, int column) {
    return (static_cast<std::uint64_t>(row) << 20) | static_cast<std::uint32_t>(column);
  }

 private:
  mutable std::optional<CellRect> usedRect_;

 public:
  const Cell* Find(int row, int column) const;
  Cell& FindOrAdd(int row, int column);
  // Stores a merged area; areas it overlaps are dropped (a reader's
  // damaged file keeps its last word).
  void AddMerge(const CellRect& area);
  // The area a merge of `area` makes: it and every merged area it overlaps,
  // grown to their bounding rectangle until no area overlaps it only in
  // part, so that merging a run of pairs builds the larger area.
  CellRect GrownMerge(CellRect area) const;
  // The merged area that holds the cell, if any.
  const CellRect* MergeAt(CellPos pos) const;
  double ColumnWidth(int column) const;
  double RowHeight(int row) const;
};

// A workbook's content: its sheets and the tables the cells point into.
struct WorkbookData {
  std::vector<std::shared_ptr<SheetData>> sheets;
  std::vector<RichText> texts;
  std::vector<FontData> fonts{FontData{}};
  std::vector<BorderData> borders{BorderData{}};
  std::vector<CellFormat> formats{CellFormat{}};
  std::map<std::uint32_t, std::string> numberFormats;  // custom codes by id
  bool date1904 = false;
  int activeSheet = 0;  // 0-based

  std::uint32_t AddText(RichText text);
  std::uint32_t AddFont(const FontData& font);
  std::uint32_t AddFormat(const CellFormat& format);
  // The format code of a number format id: custom, else built-in.
  std::string FormatCode(std::uint32_t numberFormat) const;
};

}  // namespace zv::workbook

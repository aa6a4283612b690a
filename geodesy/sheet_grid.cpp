#include "geodesy/sheet_grid.h"

#include <array>
#include <cctype>
#include <cmath>
#include <vector>

#include "framework/text/numbers.h"
#include "geodesy/map_sheet.h"

namespace sheet_grid {
namespace {

constexpr std::array<Scale, 8> kScales{{
    {1000000, 'A', 1},
    {500000, 'B', 2},
    {250000, 'C', 4},
    {100000, 'D', 12},
    {50000, 'E', 24},
    {25000, 'F', 48},
    {10000, 'G', 96},
    {5000, 'H', 192},
}};

// Cells of the intermediate sheets the old scheme counts in.
constexpr int kHundredThousandCells = 16;
constexpr int kFiftyThousandCells = 8;
constexpr int kTenThousandCells = 2;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// A plain unsigned decimal of 1 to `digits` digits within [low, high].
std::optional<int> ParseNumber(std::string_view text, std::size_t digits, int low, int high) {
  if (text.empty() || text.size() > digits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

// A quadrant letter from `first` (north-west) to first + 3 (south-east), in
// either case; -1 otherwise.
int Quadrant(std::string_view text, char first) {
  if (text.size() != 1) return -1;
  const int index = std::toupper(static_cast<unsigned char>(text[0])) - std::toupper(first);
  return index >= 0 && index < 4 ? index : -1;
}

// Text between a pair of brackets, e.g. the 24 of "(24)".
std::optional<std::string_view> Bracketed(std::string_view text, char open, char close) {
  if (text.size() < 3 || text.front() != open || text.back() != close) return std::nullopt;
  return text.substr(1, text.size() - 2);
}

std::optional<Sheet> ParseMillionSheet(char letter, std::string_view column, char scaleLetter) {
  const int band = std::toupper(static_cast<unsigned char>(letter)) - 'A';
  if (band < 0 || band >= kBands) return std::nullopt;
  if (column.size() != 2) return std::nullopt;
  const auto columnNumber = ParseNumber(column, 2, kFirstColumn, kLastColumn);
  if (!columnNumber) return std::nullopt;
  Sheet sheet;
  sheet.scale = ScaleByLetter(scaleLetter);
  sheet.band = band;
  sheet.column = *columnNumber;
  return sheet;
}

// Moves the sheet `index` places (row-major, `perSide` a row) into a block
// of `blockCells` cells.
void Descend(Sheet& sheet, int index, int perSide, int blockCells) {
  const int cells = blockCells / perSide;
  sheet.north += index / perSide * cells;
  sheet.west += index % perSide * cells;
}

// Place (0-based, row-major) of the sheet of `cells` cells within the block
// of `blockCells` cells that holds it.
int PlaceWithin(const Sheet& sheet, int cells, int blockCells) {
  const int perSide = blockCells / cells;
  return (sheet.north % blockCells) / cells * perSide + (sheet.west % blockCells) / cells;
}

std::vector<std::string_view> SplitAtHyphens(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t hyphen = text.find('-', start);
    parts.push_back(text.substr(start, hyphen == std::string_view::npos ? std::string_view::npos : hyphen - start));
    if (hyphen == std::string_view::npos) return parts;
    start = hyphen + 1;
  }
}

}  // namespace

const Scale* ScaleByDenominator(int32_t denominator) {
  for (const Scale& scale : kScales) {
    if (scale.denominator == denominator) return &scale;
  }
  return nullptr;
}

const Scale* ScaleByLetter(char letter) {
  for (const Scale& scale : kScales) {
    if (scale.letter == letter) return &scale;
  }
  return nullptr;
}

std::optional<Sheet> SheetOfPoint(double lon, double lat, const Scale& scale) {
  const double tolerance = CMapSheet::kLineToleranceSeconds;
  const double cellX = std::floor((lon * 3600.0 + tolerance) / kCellWidthSeconds);
  const double cellY = std::floor((lat * 3600.0 + tolerance) / kCellHeightSeconds);
  const double columns = (kLastColumn - kFirstColumn + 1) * kCellsPerMillionSheet;
  const double rows = kBands * kCellsPerMillionSheet;
  if (!(cellX >= 0.0 && cellX < columns && cellY >= 0.0 && cellY < rows)) return std::nullopt;
  const int x = static_cast<int>(cellX);
  const int y = static_cast<int>(cellY);
  const int cells = scale.Cells();
  Sheet sheet;
  sheet.scale = &scale;
  sheet.band = y / kCellsPerMillionSheet;
  sheet.column = kFirstColumn + x / kCellsPerMillionSheet;
  sheet.north = (kCellsPerMillionSheet - 1 - y % kCellsPerMillionSheet) / cells * cells;
  sheet.west = x % kCellsPerMillionSheet / cells * cells;
  return sheet;
}

std::optional<Sheet> ParseNew(std::string_view number) {
  number = Trim(number);
  if (number.size() != 3 && number.size() != 10) return std::nullopt;
  const char scaleLetter =
      number.size() == 3 ? 'A' : static_cast<char>(std::toupper(static_cast<unsigned char>(number[3])));
  auto sheet = ParseMillionSheet(number[0], number.substr(1, 2), scaleLetter);
  if (!sheet || !sheet->scale) return std::nullopt;
  if (number.size() == 3) return sheet;
  if (scaleLetter == 'A') return std::nullopt;
  const int perSide = sheet->scale->sheetsPerSide;
  const auto row = ParseNumber(number.substr(4, 3), 3, 1, perSide);
  const auto column = ParseNumber(number.substr(7, 3), 3, 1, perSide);
  if (!row || !column) return std::nullopt;
  sheet->north = (*row - 1) * sheet->scale->Cells();
  sheet->west = (*column - 1) * sheet->scale->Cells();
  return sheet;
}

std::optional<Sheet> ParseOld(std::string_view number) {
  number = Trim(number);
  const std::vector<std::string_view> parts = SplitAtHyphens(number);
  if (parts.size() < 2 || parts.size() > 5 || parts[0].size() != 1) return std::nullopt;

  // The scale follows from the number of parts and the form of the third and
  // fourth ones.
  char letter = 'A';
  if (parts.size() == 3) {
    letter = Bracketed(parts[2], '[', ']') ? 'C' : Quadrant(parts[2], 'A') >= 0 ? 'B' : 'D';
  } else if (parts.size() == 4) {
    letter = Bracketed(parts[3], '(', ')') ? 'G' : 'E';
  } else if (parts.size() == 5) {
    letter = Bracketed(parts[3], '(', ')') ? 'H' : 'F';
  }
  auto sheet = ParseMillionSheet(parts[0][0], parts[1], letter);
  if (!sheet) return std::nullopt;
  if (letter == 'A') return sheet;
  if (letter == 'B') {
    Descend(*sheet, Quadrant(parts[2], 'A'), 2, kCellsPerMillionSheet);
    return sheet;
  }
  if (letter == 'C') {
    const auto n = ParseNumber(*Bracketed(parts[2], '[', ']'), 2, 1, 16);
    if (!n) return std::nullopt;
    Descend(*sheet, *n - 1, 4, kCellsPerMillionSheet);
    return sheet;
  }
  const auto q = ParseNumber(parts[2], 3, 1, 144);
  if (!q) return std::nullopt;
  Descend(*sheet, *q - 1, 12, kCellsPerMillionSheet);
  if (letter == 'D') return sheet;

  if (letter == 'G' || letter == 'H') {
    const auto k = ParseNumber(*Bracketed(parts[3], '(', ')'), 2, 1, 64);
    if (!k) return std::nullopt;
    Descend(*sheet, *k - 1, 8, kHundredThousandCells);
    if (letter == 'G') return sheet;
    const int quadrant = Quadrant(parts[4], 'a');
    if (quadrant < 0) return std::nullopt;
    Descend(*sheet, quadrant, 2, kTenThousandCells);
    return sheet;
  }
  const int quadrant = Quadrant(parts[3], 'A');
  if (quadrant < 0) return std::nullopt;
  Descend(*sheet, quadrant, 2, kHundredThousandCells);
  if (letter == 'E') return sheet;
  const auto m = ParseNumber(parts[4], 1, 1, 4);
  if (!m) return std::nullopt;
  Descend(*sheet, *m - 1, 2, kFiftyThousandCells);
  return sheet;
}

std::string FormatNew(const Sheet& sheet) {
  std::string number = zv::num::Format("%c%d", 'A' + sheet.band, sheet.column);
  if (sheet.scale->letter == 'A') return number;
  const int cells = sheet.scale->Cells();
  return number + zv::num::Format("%c%03d%03d", sheet.scale->letter, sheet.north / cells + 1, sheet.west / cells + 1);
}

std::string FormatOld(const Sheet& sheet) {
  std::string number = zv::num::Format("%c-%d", 'A' + sheet.band, sheet.column);
  const char letter = sheet.scale->letter;
  if (letter == 'A') return number;
  if (letter == 'B') return number + zv::num::Format("-%c", 'A' + PlaceWithin(sheet, 96, kCellsPerMillionSheet));
  if (letter == 'C') return number + zv::num::Format("-[%d]", 1 + PlaceWithin(sheet, 48, kCellsPerMillionSheet));
  number += zv::num::Format("-%d", 1 + PlaceWithin(sheet, kHundredThousandCells, kCellsPerMillionSheet));
  if (letter == 'D') return number;
  if (letter == 'G' || letter == 'H') {
    number += zv::num::Format("-(%d)", 1 + PlaceWithin(sheet, kTenThousandCells, kHundredThousandCells));
    if (letter == 'G') return number;
    return number + zv::num::Format("-%c", 'a' + PlaceWithin(sheet, 1, kTenThousandCells));
  }
  number += zv::num::Format("-%c", 'A' + PlaceWithin(sheet, kFiftyThousandCells, kHundredThousandCells));
  if (letter == 'E') return number;
  return number + zv::num::Format("-%d", 1 + PlaceWithin(sheet, 4, kFiftyThousandCells));
}

double WestSeconds(const Sheet& sheet) {
  return (sheet.column - kFirstColumn) * 21600.0 + sheet.west * kCellWidthSeconds;
}

double NorthSeconds(const Sheet& sheet) { return (sheet.band + 1) * 14400.0 - sheet.north * kCellHeightSeconds; }

}  // namespace sheet_grid

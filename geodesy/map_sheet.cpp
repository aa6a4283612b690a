#include "geodesy/map_sheet.h"

#include "geodesy/sheet_grid.h"

namespace {

const sheet_grid::Scale& ScaleOrMillion(int32_t denominator) {
  const sheet_grid::Scale* scale = sheet_grid::ScaleByDenominator(denominator);
  return scale ? *scale : *sheet_grid::ScaleByDenominator(1000000);
}

}  // namespace

std::string CMapSheet::NewSheetNumber(double lon, double lat, int32_t scale) {
  const sheet_grid::Scale* found = sheet_grid::ScaleByDenominator(scale);
  if (!found) return {};
  const auto sheet = sheet_grid::SheetOfPoint(lon, lat, *found);
  return sheet ? sheet_grid::FormatNew(*sheet) : std::string();
}

std::string CMapSheet::OldSheetNumber(double lon, double lat, int32_t scale) {
  const sheet_grid::Scale* found = sheet_grid::ScaleByDenominator(scale);
  if (!found) return {};
  const auto sheet = sheet_grid::SheetOfPoint(lon, lat, *found);
  return sheet ? sheet_grid::FormatOld(*sheet) : std::string();
}

double CMapSheet::SheetWidthSeconds(int32_t scale) {
  return ScaleOrMillion(scale).Cells() * sheet_grid::kCellWidthSeconds;
}

double CMapSheet::SheetHeightSeconds(int32_t scale) {
  return ScaleOrMillion(scale).Cells() * sheet_grid::kCellHeightSeconds;
}

const std::string& CMapSheet::OldToNewNumber(std::string_view oldNumber) {
  const auto sheet = sheet_grid::ParseOld(oldNumber);
  newNumber_ = sheet ? sheet_grid::FormatNew(*sheet) : std::string();
  return newNumber_;
}

int32_t CMapSheet::ClassifyOldNumber(std::string_view oldNumber, char* scaleLetter) {
  const auto sheet = sheet_grid::ParseOld(oldNumber);
  if (!sheet) return 0;
  *scaleLetter = sheet->scale->letter;
  return sheet->scale->denominator;
}

bool CMapSheet::NewNumberToCorner(std::string_view number, double* lon, double* lat) {
  const auto sheet = sheet_grid::ParseNew(number);
  if (!sheet) return false;
  const int cells = sheet->scale->Cells();
  if (sheet->scale->letter == 'A') {
    *lon = sheet_grid::WestSeconds(*sheet) / 3600.0;
    *lat = sheet_grid::NorthSeconds(*sheet) / 3600.0;
    return true;
  }
  *lon = (sheet_grid::WestSeconds(*sheet) + cells * sheet_grid::kCellWidthSeconds) / 3600.0;
  *lat = (sheet_grid::NorthSeconds(*sheet) - cells * sheet_grid::kCellHeightSeconds) / 3600.0;
  return true;
}

void CMapSheet::StepInside(double lon, double lat, double* lonInside, double* latInside) {
  *lonInside = lon - 0.016666666666666666;
  *latInside = lat + 0.016666666666666666;
}

std::string CMapSheet::NewToOldNumber(std::string_view number) {
  const auto sheet = sheet_grid::ParseNew(number);
  return sheet ? sheet_grid::FormatOld(*sheet) : std::string();
}

int32_t CMapSheet::ScaleOfNewNumber(std::string_view number, char* scaleLetter) {
  const auto sheet = sheet_grid::ParseNew(number);
  if (!sheet) return 0;
  *scaleLetter = sheet->scale->letter;
  return sheet->scale->denominator;
}

bool CMapSheet::SheetExtent(std::string_view number, SheetExtentSeconds* extent) {
  const auto sheet = sheet_grid::ParseNew(number);
  if (!sheet) return false;
  const int cells = sheet->scale->Cells();
  extent->west = sheet_grid::WestSeconds(*sheet);
  extent->north = sheet_grid::NorthSeconds(*sheet);
  extent->east = extent->west + cells * sheet_grid::kCellWidthSeconds;
  extent->south = extent->north - cells * sheet_grid::kCellHeightSeconds;
  return true;
}

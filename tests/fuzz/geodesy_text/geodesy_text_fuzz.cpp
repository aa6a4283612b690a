// Seven-parameter files and typed sheet numbers come from users: any text
// must parse or be refused without a crash, and an accepted sheet number
// must name a sheet with a sound extent.
#include <cstdint>
#include <string_view>

#include "geodesy/map_sheet.h"
#include "geodesy/matrix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  CMatrix rows;
  rows.FromString(text, " ,\t", true);
  CMatrix shaped;
  // A shape read from text is bounded, but the largest one takes seconds to
  // fill; fuzzing is about parsing, so only small shapes are filled.
  if (size < 64) shaped.FromString(text, " ,\t", false);

  CMapSheet sheet;
  const std::string newNumber = sheet.OldToNewNumber(text);
  char letter = 0;
  CMapSheet::ClassifyOldNumber(text, &letter);
  CMapSheet::ScaleOfNewNumber(text, &letter);
  const std::string oldNumber = CMapSheet::NewToOldNumber(text);
  SheetExtentSeconds extent;
  if (CMapSheet::SheetExtent(text, &extent) && !(extent.west < extent.east && extent.south < extent.north))
    __builtin_trap();
  double lon = 0, lat = 0;
  CMapSheet::NewNumberToCorner(text, &lon, &lat);
  if (!newNumber.empty() && CMapSheet::NewToOldNumber(newNumber).empty()) __builtin_trap();
  return 0;
}

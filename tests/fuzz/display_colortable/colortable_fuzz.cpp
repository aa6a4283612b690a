// Colour tables are text files users may edit: any bytes must parse or be
// refused without a crash, and a parsed table must answer every number.
#include <cstdint>
#include <string_view>

#include "platform/display/colour_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (auto table = zv::display::ColourTable::Parse(text, nullptr)) {
    for (long n = -1; n <= table->Count(); ++n) table->ToKcmy(n);
    table->Nearest({12, 200, 7});
  }
  return 0;
}

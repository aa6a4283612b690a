// Line-type libraries in either index form: any bytes must decode or be
// refused without a crash.
#include <cstdint>
#include <string_view>

#include "platform/display/symbol_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto library = zv::display::LineTypeLibrary::Parse(bytes, nullptr)) {
    for (long t = 0; t < library->Count() && t < 64; ++t)
      for (long s = 0; s < library->SubStyleCount(t) && s < 16; ++s) library->Cell(t, s);
  }
  zv::display::ReadGroupedEntry(bytes, 1, 0, 6, nullptr);
  return 0;
}

// Pattern libraries and their name lists: any bytes must decode or be refused
// without a crash.
#include <cstdint>
#include <string_view>

#include "platform/display/symbol_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto library = zv::display::SingleLevelLibrary::Parse(bytes, 6, nullptr)) {
    for (long n = 0; n < library->Count() && n < 64; ++n) library->Entry(n);
  }
  const auto names = zv::display::PatternNames::Parse(bytes);
  names.Label(1);
  return 0;
}

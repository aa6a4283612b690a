// Sub-graph libraries come from users' library folders: any bytes must decode
// or be refused without a crash, and every decoded entry must stay in bounds.
#include <cstdint>
#include <string_view>

#include "platform/display/symbol_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto library = zv::display::SingleLevelLibrary::Parse(bytes, 4, nullptr)) {
    for (long n = 0; n < library->Count() && n < 64; ++n) library->Entry(n);
  }
  zv::display::ReadSymbolEntry(bytes, 1, 4, nullptr);
  return 0;
}

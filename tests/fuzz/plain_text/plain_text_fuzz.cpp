// Plain-text exchange files come from other programs: any bytes must read
// into each kind of area without a crash, a refused file must say why and
// leave its area empty.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/convert/plain_text_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet();
  for (const int type : {zv::kPointArea, zv::kLineArea, zv::kRegionArea}) {
    const zv::WorkAreaHandle area = zv::BasCreateWorkArea(set, type);
    const zv::convert::PlainTextRead read = zv::convert::ReadPlainText(bytes, area);
    if (!read.ok && (read.error.empty() || zv::BasIsWorkAreaEmpty(area) == 0)) std::abort();
  }
  zv::BasFreeWorkAreaSet(set);
  return 0;
}

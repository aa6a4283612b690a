// Hatch-pattern files come from users' disks: any bytes must list their
// patterns and hatch the sample outline without a crash, within the engine's
// density cap.
#include <cstdint>
#include <string_view>

#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_preview.h"
#include "panels/core/hatch_sources.h"

namespace {
struct NullSink : zv::panels::HatchSink {
  void Line(const std::vector<D_DOT>&, const zv::LIN_INFO&) override {}
  void Region(const std::vector<D_DOT>&, const zv::LIN_INFO&, const zv::REG_INFO&) override {}
  void Point(const D_DOT&, const zv::PNT_INFO&) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto lines = zv::panels::TextFileLines(bytes);
  const auto headers = zv::panels::PatternHeaders(lines);
  NullSink sink;
  for (std::size_t i = 0; i < headers.size() && i < 4; ++i) {
    std::vector<zv::panels::HatchFamily> families;
    for (const std::string& line : zv::panels::PatternFamilyLines(lines, headers[i]))
      families.push_back(zv::panels::ParseHatchFamily(line, 5.0));
    zv::panels::HatchFamilies(families, zv::panels::SampleOutline(), 30.0, zv::LIN_INFO{}, sink);
  }
  return 0;
}

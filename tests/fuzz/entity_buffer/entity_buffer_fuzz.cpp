// Super-copy buffers, title blocks and chart headers are files on the user's
// disk: any bytes must read as every kind without a crash, and what is read
// must paste into a work area.
#include <cstdint>
#include <string>

#include "common/entity_buffer/entity_buffer_file.h"
#include "platform/data/work_area.h"
#include "tests/support/fuzz_scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = zv::test::WriteScratchFile(data, size);
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet();
  const zv::EntityBufferKind kinds[] = {zv::EntityBufferKind::Points, zv::EntityBufferKind::Lines,
                                        zv::EntityBufferKind::Regions};
  const zv::WorkAreaHandle areas[] = {zv::BasCreatePointWorkArea(set), zv::BasCreateLineWorkArea(set),
                                      zv::BasCreateRegionWorkArea(set)};
  for (int k = 0; k < 3; ++k) {
    zv::EntityBuffer buffer;
    if (zv::ReadEntityBufferFile(path, kinds[k], &buffer)) zv::PasteEntityBuffer(buffer, areas[k], D_DOT{1, 2});
  }
  zv::ChartHeaderBuffer header;
  zv::ReadChartHeaderFile(path, &header);
  zv::BasFreeWorkAreaSet(set);
  return 0;
}

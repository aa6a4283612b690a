// Feeds whatever the vector-file reader accepts into a work area and writes
// the work area back out: loading must cope with every mended file, and the
// file written must read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zv::files;
  VectorFile file;
  FileReport report;
  if (!DecodeVectorFile(std::span<const std::uint8_t>(data, size), "FUZZ", file, report)) return 0;
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  const zv::WorkAreaHandle area = zv::BasCreateWorkArea(set, static_cast<int>(file.kind));
  std::vector<std::string> warnings;
  if (!zv::VectorFileToWorkArea(file, area, warnings, "FUZZ")) std::abort();
  VectorFile written;
  std::vector<std::uint8_t> bytes;
  if (!zv::WorkAreaToVectorFile(area, written) || !EncodeVectorFile(written, bytes, nullptr)) std::abort();
  VectorFile again;
  if (!DecodeVectorFile(bytes, "FUZZ", again, report)) std::abort();
  zv::BasFreeWorkAreaSet(set);
  return 0;
}

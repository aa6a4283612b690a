// Feeds arbitrary bytes to the vector-file and project-file readers. Whatever
// a reader accepts must write out, read back and write out to the same bytes
// again, and every attribute value must be readable without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/files/project_file.h"
#include "platform/files/vector_file_codec.h"

namespace {

using namespace zv::files;

void ReadAllValues(const AttributeTable& table) {
  const std::size_t records = std::min<std::size_t>(table.RecordCount(), 64);
  for (std::size_t r = 0; r < records; ++r)
    for (std::size_t f = 0; f < table.fields.size(); ++f) {
      (void)FieldText(table, r, f);
      (void)FieldNumber(table, r, f);
    }
}

void CheckVectorFile(std::span<const std::uint8_t> bytes) {
  VectorFile file;
  FileReport report;
  if (!DecodeVectorFile(bytes, "FUZZ", file, report)) return;
  ReadAllValues(file.attributes);
  ReadAllValues(file.regionAttributes);
  for (const PointRecord& point : file.points) (void)point.Text();
  (void)ComputeExtent(file);
  std::vector<std::uint8_t> first, second;
  if (!EncodeVectorFile(file, first, nullptr)) return;
  VectorFile again;
  if (!DecodeVectorFile(first, "FUZZ", again, report)) std::abort();
  if (!EncodeVectorFile(again, second, nullptr) || second != first) std::abort();
}

void CheckProjectFile(std::span<const std::uint8_t> bytes) {
  ProjectFile project;
  FileReport report;
  if (!DecodeProjectFile(bytes, "FUZZ", project, report)) return;
  for (const ProjectItem& item : project.items) (void)item.FileName();
  const std::vector<std::uint8_t> first = EncodeProjectFile(project);
  ProjectFile again;
  if (!DecodeProjectFile(first, "FUZZ", again, report) || EncodeProjectFile(again) != first) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckVectorFile(bytes);
  CheckProjectFile(bytes);
  return 0;
}

// Table files come from other installations and from hand edits: any bytes
// must either be refused with a reason, leaving the table area empty, or
// load into a table whose every value reads and which writes out and loads
// back to the same bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "framework/fileio/file_io.h"
#include "platform/data/table_area.h"
#include "platform/files/table_file.h"
#include "platform/files/work_area_file.h"

namespace {

using namespace zv;

std::string ScratchPath(const char* name) {
  static const std::filesystem::path dir = [] {
    std::filesystem::path d = std::filesystem::temp_directory_path() / ("zv_fuzz_wb_" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  return (dir / name).string();
}

void ReadEveryValue(WorkAreaHandle table) {
  int32_t bound = 0;
  if (BasGetAttributeInfo(table, kTableEntity, &bound) != 1) std::abort();
  CATT_STRU structure;
  AttributeRecord record;
  std::string text;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadTableRecord(table, id, &structure, &record) != 1) continue;
    for (int f = 0; f < structure.fieldCount(); ++f) (void)BasGetFieldText(record, f, &text);
  }
}

std::vector<std::uint8_t> SavedBytes(WorkAreaHandle table, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (BasSaveTable(table, path, kSavePathComplete) != 1 || !fileio::ReadWholeFile(path, bytes)) std::abort();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = ScratchPath("in.wb"), first = ScratchPath("first.wb"), second = ScratchPath("second.wb");
  if (!fileio::WriteFileAtomically(in, std::span<const std::uint8_t>(data, size))) std::abort();
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle table = BasCreateWorkArea(set, kTableArea);
  files::FileReport report;
  if (LoadTableFile(table, in, &report) != 1) {
    if (report.error.empty() || BasIsWorkAreaEmpty(table) == 0) std::abort();
  } else {
    ReadEveryValue(table);
    const std::vector<std::uint8_t> written = SavedBytes(table, first);
    const WorkAreaHandle again = BasCreateWorkArea(set, kTableArea);
    if (LoadTableFile(again, first, &report) != 1 || SavedBytes(again, second) != written) std::abort();
  }
  BasFreeWorkAreaSet(set);
  return 0;
}

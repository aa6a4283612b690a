#include "platform/files/table_file.h"

#include <algorithm>
#include <any>
#include <cstring>
#include <memory>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/numbers.h"
#include "platform/data/table_area.h"
#include "platform/files/area_attribute_table.h"
#include "platform/files/work_area_file.h"

namespace zv {
namespace {

using files::AttributeField;
using files::AttributeTable;

constexpr std::uint8_t kMarker[2] = {0x60, 0x44};
constexpr std::size_t kSecondMarker = 320;
constexpr std::size_t kDefinitionSize = 12;

// The header and descriptors of the file a table came from.
struct KeptTableShell {
  AttributeTable shell;
};

bool Refuse(files::FileReport& report, const std::string& name, const std::string& why) {
  report.error = name + ": not a table file (" + kTableFileExtension + "): " + why;
  return false;
}

}  // namespace

bool IsTableFilePath(std::string_view path) {
  const std::string_view ext = kTableFileExtension;
  return path.size() > ext.size() &&
         paths::EqualsIgnoreCase(std::string(path.substr(path.size() - ext.size())), std::string(ext));
}

bool DecodeTableFile(std::span<const std::uint8_t> bytes, const std::string& name, AttributeTable& table,
                     files::FileReport& report) {
  report = files::FileReport{};
  if (bytes.size() < AttributeTable::kHeaderSize)
    return Refuse(report, name, num::FormatInt(static_cast<long>(bytes.size())) + " bytes, shorter than the header");
  if (std::memcmp(bytes.data(), kMarker, 2) != 0 || std::memcmp(bytes.data() + kSecondMarker, kMarker, 2) != 0)
    return Refuse(report, name, "the header's markers are missing");
  std::vector<std::string> faults;
  table = files::DecodeAttributeTable(bytes, name, faults);
  if (!faults.empty()) return Refuse(report, name, faults.front());
  const long definition = bytes::ReadLe<std::int32_t>(bytes.data() + kDefinitionSize);
  if (definition != static_cast<long>(AttributeTable::kHeaderSize + AttributeField::kSize * table.fields.size()))
    return Refuse(report, name, "the definition size does not match the field count");
  if (table.RecordCount() < 1) return Refuse(report, name, "the dummy record 0 is missing");
  if (!table.trailing.empty())
    return Refuse(report, name, num::FormatInt(static_cast<long>(table.trailing.size())) + " bytes after the last record");
  return true;
}

int LoadTableFile(WorkAreaHandle area, const std::string& path, files::FileReport* report) {
  files::FileReport local;
  files::FileReport& out = report ? *report : local;
  out = files::FileReport{};
  if (BasGetWorkAreaType(area) != kTableArea) {
    out.error = path + ": no table work area to load it into";
    return 0;
  }
  std::vector<std::uint8_t> bytes;
  AttributeTable table;
  if (!fileio::ReadWholeFile(path, bytes, &out.error) || !DecodeTableFile(bytes, path, table, out)) return 0;

  // Checked on a scratch table first, so a refused structure leaves the area as it was.
  const WorkAreaSetHandle scratchSet = BasCreateWorkAreaSet(0);
  const bool usable = AdoptTableStructure(BasCreateWorkArea(scratchSet, kTableArea), kTableEntity, table);
  BasFreeWorkAreaSet(scratchSet);
  if (!usable) {
    out.error = path + ": the table's fields do not fit its records";
    return 0;
  }
  BasClearWorkArea(area, 0);
  AdoptTableStructure(area, kTableEntity, table);
  auto structure = std::make_shared<CATT_STRU>();
  BasGetTableStructure(area, structure.get());
  AttributeRecord record{structure, std::vector<std::uint8_t>(static_cast<std::size_t>(structure->recordLength))};
  const std::size_t copied = std::min(table.recordLength, record.bytes.size());
  BasBeginBatch(area);
  for (std::size_t id = 1; id < table.RecordCount(); ++id) {
    if (!table.RecordLive(id)) {
      BasAppendDeletedId(area, kTableEntity);
      continue;
    }
    std::fill(record.bytes.begin(), record.bytes.end(), 0);
    std::memcpy(record.bytes.data(), table.Record(id), copied);
    BasAppendTableRecord(area, record);
  }
  BasEndBatch(area);
  table.records.clear();
  BasSetWorkAreaFileState(area, KeptTableShell{std::move(table)});
  BasSetWorkAreaFileName(area, path);
  BasSetWorkAreaModified(area, false);
  return 1;
}

int BasSaveTable(WorkAreaHandle area, const std::string& path, int flags) {
  LastSaveError().clear();
  const std::string target = flags == kSavePathComplete ? path : path + kTableFileExtension;
  if (BasGetWorkAreaType(area) != kTableArea) {
    LastSaveError() = target + ": not a table work area";
    return 0;
  }
  const std::any* state = BasGetWorkAreaFileState(area);
  const KeptTableShell* kept = state ? std::any_cast<KeptTableShell>(state) : nullptr;
  const AttributeTable table = AttributeTableOfArea(area, kTableEntity, kept ? kept->shell : files::TableDatedToday({}));
  std::vector<std::uint8_t> bytes;
  if (!files::EncodeAttributeTable(table, bytes)) {
    LastSaveError() = target + ": records longer than a table file holds";
    return 0;
  }
  if (!fileio::WriteFileAtomically(target, bytes, &LastSaveError())) return 0;
  BasSetWorkAreaFileName(area, target);
  BasSetWorkAreaModified(area, false);
  return 1;
}

}  // namespace zv

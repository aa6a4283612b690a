#include "framework/workbook/zip_archive.h"

#include <zip.h>

#include "framework/workbook/workbook_error.h"

namespace zv::workbook {

namespace {
std::string DamagedMessage(const std::string& name) {
  return "工作簿“" + name + "”已损坏或不是 Excel 工作簿，无法打开。";
}
}  // namespace

ZipArchive::ZipArchive(std::string_view bytes, std::string displayName, const ReadLimits& limits)
    : displayName_(std::move(displayName)), limits_(limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source) archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (source && !archive_) zip_source_free(source);
  zip_error_fini(&error);
  if (!archive_) throw WorkbookError(DamagedMessage(displayName_));
  const zip_int64_t members = zip_get_num_entries(archive_, 0);
  if (members < 0 || static_cast<std::size_t>(members) > limits_.maxMembers) {
    zip_discard(archive_);
    archive_ = nullptr;
    throw WorkbookError(DamagedMessage(displayName_));
  }
}

ZipArchive::~ZipArchive() {
  if (archive_) zip_discard(archive_);
}

bool ZipArchive::Has(std::string_view member) const {
  return zip_name_locate(archive_, std::string(member).c_str(), ZIP_FL_NOCASE) >= 0;
}

std::optional<std::string> ZipArchive::Read(std::string_view member) {
  const std::string name(member);
  const zip_int64_t index = zip_name_locate(archive_, name.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return std::nullopt;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
    throw WorkbookError(DamagedMessage(displayName_));
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
    throw WorkbookError("工作簿“" + displayName_ + "”已加密，无法读取。");
  zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
  if (!file) throw WorkbookError(DamagedMessage(displayName_));

  std::string bytes;
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size <= limits_.maxMemberBytes)
    bytes.reserve(static_cast<std::size_t>(stat.size));
  char buffer[65536];
  for (;;) {
    const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
    if (n < 0) {
      zip_fclose(file);
      throw WorkbookError(DamagedMessage(displayName_));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    totalRead_ += static_cast<std::size_t>(n);
    if (bytes.size() > limits_.maxMemberBytes || totalRead_ > limits_.maxTotalBytes) {
      zip_fclose(file);
      throw WorkbookError("工作簿“" + displayName_ + "”解压后过大，拒绝读取（可能是被破坏或恶意构造的文件）。");
    }
  }
  zip_fclose(file);
  return bytes;
}

}  // namespace zv::workbook

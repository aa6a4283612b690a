#pragma once
// A read-only view of a zip archive (libzip) that refuses what would exhaust
// memory: each member and the whole archive are read up to a limit, whatever
// sizes the archive claims, and encrypted members are refused.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace zv::workbook {

struct ReadLimits {
  std::size_t maxMemberBytes = std::size_t{512} << 20;
  std::size_t maxTotalBytes = std::size_t{1536} << 20;
  std::size_t maxMembers = 20000;
  std::size_t maxCells = 50'000'000;
  // The rectangle from the first to the last used cell (and any merged
  // area): what a reader walking the used range would visit.
  std::size_t maxUsedCells = 20'000'000;
};

class ZipArchive {
 public:
  // Opens archive bytes (kept by the caller for the archive's lifetime).
  // Throws WorkbookError with `displayName` in its message.
  ZipArchive(std::string_view bytes, std::string displayName, const ReadLimits& limits);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  bool Has(std::string_view member) const;
  // The member's bytes, or nothing when it is absent. Throws WorkbookError
  // when it is encrypted, damaged or beyond the limits.
  std::optional<std::string> Read(std::string_view member);

 private:
  zip* archive_ = nullptr;
  std::string displayName_;
  ReadLimits limits_;
  std::size_t totalRead_ = 0;
};

}  // namespace zv::workbook

#include "platform/display/symbol_library.h"

#include <cctype>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/display/library_bytes.h"

namespace zv::display {
namespace {

// More entries than any library holds; refuses a count that would make us
// walk billions of slots.
constexpr std::int32_t kHighestCount = 1 << 20;

bool ReadCount(const LibraryBytes& bytes, int recordSize, int& count, std::string* error) {
  std::int32_t value = 0;
  if (!bytes.I32(0, value)) {
    if (error) *error = "the file is too short to hold an index";
    return false;
  }
  if (value < 1 || value > kHighestCount || static_cast<std::uint64_t>(value) * recordSize > bytes.Size()) {
    if (error) *error = "the count in the index (" + std::to_string(value) + ") does not fit the file";
    return false;
  }
  count = value;
  return true;
}

std::string Problem(long number, const std::string& reason) {
  return "entry " + std::to_string(number) + ": " + reason;
}

GroupedEntry CellFromSymbol(const SymbolEntry& entry) {
  GroupedEntry cell;
  for (const auto& element : entry.elements) {
    int kind = -1;
    switch (element.kind) {
      case 0: case 1: kind = kCellTooth; break;
      case 2: kind = kCellStroke; break;
      case 4: case 5: case 6: kind = kCellDot; break;
      default: break;
    }
    if (kind < 0) continue;
    for (const auto& part : element.parts) cell.elements.push_back({kind, 0, part});
  }
  if (cell.elements.empty()) cell.elements.push_back({kCellBase, 0, {}});
  return cell;
}

}  // namespace

std::optional<SingleLevelLibrary> SingleLevelLibrary::Parse(std::string_view file, int recordSize,
                                                            std::string* error) {
  const LibraryBytes bytes(file);
  SingleLevelLibrary library;
  if (!ReadCount(bytes, recordSize, library.count_, error)) return std::nullopt;
  std::map<std::int32_t, std::shared_ptr<const SymbolEntry>> byOffset;
  std::map<std::int32_t, std::string> badOffsets;
  for (long n = 1; n < library.count_; ++n) {
    std::int32_t offset = 0;
    bytes.I32(n * recordSize, offset);
    if (offset == 0) continue;  // no entry at this number
    std::string reason;
    if (auto known = byOffset.find(offset); known != byOffset.end()) {
      library.entries_.emplace(n, known->second);
      continue;
    }
    if (auto bad = badOffsets.find(offset); bad != badOffsets.end()) reason = bad->second;
    auto entry = reason.empty() && offset > 0 ? ParseSymbolEntryAt(file, offset, &reason) : std::nullopt;
    if (entry) {
      auto shared = std::make_shared<const SymbolEntry>(std::move(*entry));
      byOffset.emplace(offset, shared);
      library.entries_.emplace(n, std::move(shared));
    } else {
      badOffsets.emplace(offset, reason);
      if (offset < 0) reason = "negative offset";
      library.broken_.emplace(n, reason);
      library.problems_.push_back(Problem(n, reason));
    }
  }
  return library;
}

const SymbolEntry* SingleLevelLibrary::Entry(long number) const {
  auto it = entries_.find(number);
  return it == entries_.end() ? nullptr : it->second.get();
}

std::optional<LineTypeLibrary> LineTypeLibrary::Parse(std::string_view file, std::string* error) {
  constexpr int kRecord = 6;
  const LibraryBytes bytes(file);
  LineTypeLibrary library;
  if (!ReadCount(bytes, kRecord, library.count_, error)) return std::nullopt;
  std::int16_t form = 0;
  bytes.I16(4, form);
  library.twoLevel_ = form == 2;
  std::map<std::int32_t, std::shared_ptr<const GroupedEntry>> cellsByOffset;
  for (long type = 1; type < library.count_; ++type) {
    std::int32_t base = 0;
    std::int16_t subCount = 0;
    bytes.I32(type * kRecord, base);
    bytes.I16(type * kRecord + 4, subCount);
    if (base == 0) continue;
    std::string reason;
    if (!library.twoLevel_) {
      if (auto entry = base > 0 ? ParseSymbolEntryAt(file, base, &reason) : std::nullopt) {
        library.subStyles_[type] = 1;
        library.cells_.emplace(std::pair{type, 0L}, std::make_shared<const GroupedEntry>(CellFromSymbol(*entry)));
      } else {
        library.broken_.emplace(std::pair{type, 0L}, reason);
        library.problems_.push_back(Problem(type, base < 0 ? "negative offset" : reason));
      }
      continue;
    }
    if (subCount < 0 || base < 0 || base + static_cast<std::int64_t>(subCount) * kRecord > std::int64_t(bytes.Size())) {
      library.broken_.emplace(std::pair{type, 0L}, "bad sub-style table");
      library.problems_.push_back(Problem(type, "its sub-style table does not fit the file"));
      continue;
    }
    library.subStyles_[type] = subCount;
    for (long sub = 0; sub < subCount; ++sub) {
      std::int32_t offset = 0;
      bytes.I32(base + sub * kRecord, offset);
      if (auto known = cellsByOffset.find(offset); known != cellsByOffset.end()) {
        library.cells_.emplace(std::pair{type, sub}, known->second);
        continue;
      }
      auto cell = ReadGroupedEntry(file, type, sub, kRecord, &reason);
      if (cell) {
        auto shared = std::make_shared<const GroupedEntry>(std::move(*cell));
        cellsByOffset.emplace(offset, shared);
        library.cells_.emplace(std::pair{type, sub}, std::move(shared));
      } else {
        library.broken_.emplace(std::pair{type, sub}, reason);
        library.problems_.push_back(Problem(type, "sub-style " + std::to_string(sub) + ": " + reason));
      }
    }
  }
  return library;
}

int LineTypeLibrary::SubStyleCount(long type) const {
  auto it = subStyles_.find(type);
  return it == subStyles_.end() ? 0 : it->second;
}

const GroupedEntry* LineTypeLibrary::Cell(long type, long subStyle) const {
  auto it = cells_.find({type, subStyle});
  return it == cells_.end() ? nullptr : it->second.get();
}

PatternNames PatternNames::Parse(std::string_view bytes) {
  PatternNames list;
  const std::string text = zv::text::DecodeTextFile(bytes);
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || !(std::isdigit(static_cast<unsigned char>(line[i])) || line[i] == '-')) continue;
    const long number = num::ParseLong(std::string_view(line).substr(i));
    std::size_t nameStart = line.find_first_of(" \t", i);
    if (nameStart == std::string::npos) continue;
    nameStart = line.find_first_not_of(" \t\r", nameStart);
    if (nameStart == std::string::npos) continue;
    std::size_t nameEnd = line.find_first_of(" \t\r", nameStart);
    std::string name = line.substr(nameStart, nameEnd == std::string::npos ? std::string::npos : nameEnd - nameStart);
    name = zv::text::CutToGbkBytes(name, 49);
    list.names_.emplace(number, name);  // the first line with a number wins
  }
  return list;
}

std::string PatternNames::Name(long number) const {
  auto it = names_.find(number);
  return it == names_.end() ? std::string() : it->second;
}

std::string PatternNames::Label(long number) const {
  const std::string name = Name(number);
  return std::to_string(number) + "_" + (name.empty() ? "未命名图案" : name);
}

}  // namespace zv::display

#include "platform/files/vector_file_codec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/text/numbers.h"

namespace zv::files {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kMinHeader = 336;  // through the extent at 304
constexpr std::size_t kEntrySize = 10;
constexpr std::uint16_t kEntryMarker = 0xFFFF;
constexpr std::size_t kVertexSize = sizeof(Vertex);
static_assert(kVertexSize == 16);

// Directory roles.
constexpr int kRecords = 0;
constexpr int kPool = 1;
constexpr int kAttributes = 2;
constexpr int kTopology = 3;
constexpr int kNodes = 4;
constexpr int kRegionRecords = 8;
constexpr int kRegionAttributes = 9;

struct Role {
  FileKind kind;
  std::array<int, 6> interpreted;  // -1 pads
};
constexpr Role kRoles[] = {
    {FileKind::Line, {kRecords, kPool, kAttributes, kTopology, -1, -1}},
    {FileKind::Point, {kRecords, kPool, kAttributes, -1, -1, -1}},
    {FileKind::Region, {kRecords, kPool, kAttributes, kTopology, kRegionRecords, kRegionAttributes}},
};

bool Interpreted(FileKind kind, int section) {
  const auto& list = kRoles[static_cast<int>(kind)].interpreted;
  return std::find(list.begin(), list.end(), section) != list.end();
}

// "WMAP`D21" line, "WMAP`D22" point, "WMAP`D23" region: the digit is the kind + 1.
constexpr char kMagicStem[] = "WMAP`D2";

void WriteMagic(std::uint8_t* header, FileKind kind) {
  std::memcpy(header, kMagicStem, 7);
  header[7] = static_cast<std::uint8_t>('1' + static_cast<int>(kind));
}

std::string Str(long value) { return num::FormatInt(value); }

// True when [offset, offset + count * unit) lies inside a block of `size`.
bool BlockInside(std::int64_t offset, std::int64_t count, std::size_t unit, std::size_t size) {
  if (offset < 0 || count < 0) return false;
  const auto end = static_cast<unsigned __int128>(offset) + static_cast<unsigned __int128>(count) * unit;
  return end <= size;
}

class Reader {
 public:
  Reader(Bytes bytes, const std::string& name, VectorFile& file, FileReport& report)
      : bytes_(bytes), name_(name), file_(file), report_(report) {}

  bool Read() {
    if (!ReadHeader() || !ReadDirectory()) return false;
    if (file_.kind == FileKind::Point) {
      ReadPoints();
    } else {
      ReadLines();
      ReadTopology();
    }
    if (file_.kind == FileKind::Region) ReadRegions();
    file_.attributes = DecodeAttributeTable(sections_[kAttributes], name_ + ": " + EntityWord() + " attributes",
                                            report_.warnings);
    if (file_.kind == FileKind::Region)
      file_.regionAttributes = DecodeAttributeTable(sections_[kRegionAttributes], name_ + ": region attributes",
                                                    report_.warnings);
    for (int i = 0; i < static_cast<int>(sections_.size()); ++i)
      if (!Interpreted(file_.kind, i) && !sections_[i].empty())
        file_.keptSections[i].assign(sections_[i].begin(), sections_[i].end());
    return true;
  }

 private:
  bool Fail(const std::string& fault) {
    report_.error = name_ + ": " + fault;
    return false;
  }
  void Warn(const std::string& what) { report_.warnings.push_back(name_ + ": " + what); }
  const char* EntityWord() const {
    return file_.kind == FileKind::Point ? "point" : file_.kind == FileKind::Line ? "line" : "arc";
  }

  bool ReadHeader() {
    if (bytes_.size() < kMinHeader)
      return Fail("truncated header (" + Str(static_cast<long>(bytes_.size())) + " bytes, at least " +
                  Str(kMinHeader) + " needed)");
    if (!SniffVectorFileKind(bytes_, file_.kind)) return Fail("not a point, line or region file (wrong magic)");
    if (bytes::ReadLe<std::int32_t>(&bytes_[8]) != static_cast<std::int32_t>(file_.kind))
      Warn("file kind " + Str(bytes::ReadLe<std::int32_t>(&bytes_[8])) + " does not match its magic; the magic is used");
    directory_ = bytes::ReadLe<std::int32_t>(&bytes_[12]);
    if (directory_ < 0 || static_cast<std::uint64_t>(directory_) + kEntrySize > bytes_.size())
      return Fail("section directory at offset " + Str(directory_) + " lies outside the file (" +
                  Str(static_cast<long>(bytes_.size())) + " bytes)");
    // Bytes from the directory on belong to it when it sits inside the header area.
    const std::size_t headerEnd = std::clamp<std::size_t>(static_cast<std::size_t>(directory_), kMinHeader,
                                                          VectorFile::kHeaderSize);
    std::memcpy(file_.header.data(), bytes_.data(), std::min(headerEnd, bytes_.size()));
    return true;
  }

  bool ReadDirectory() {
    for (std::size_t i = 0; i < VectorFile::kDirectoryEntries; ++i) {
      const std::uint64_t at = static_cast<std::uint64_t>(directory_) + i * kEntrySize;
      if (at + kEntrySize > bytes_.size()) break;
      const std::uint8_t* entry = &bytes_[at];
      if (bytes::ReadLe<std::uint16_t>(entry + 8) != kEntryMarker) break;
      const std::uint64_t offset = bytes::ReadLe<std::uint32_t>(entry), size = bytes::ReadLe<std::uint32_t>(entry + 4);
      if (size == 0) continue;
      if (offset >= bytes_.size()) {
        Warn("section " + Str(static_cast<long>(i)) + " lies past the end of the file; ignored");
        continue;
      }
      const std::uint64_t kept = std::min<std::uint64_t>(size, bytes_.size() - offset);
      if (kept < size)
        Warn("section " + Str(static_cast<long>(i)) + " runs past the end of the file; cut to " +
             Str(static_cast<long>(kept)) + " bytes");
      sections_[i] = bytes_.subspan(offset, kept);
    }
    return true;
  }

  template <typename Record>
  std::vector<Record> ReadSlots(Bytes section, const char* what) {
    const std::size_t count = section.size() / Record::kSize;
    if (section.size() % Record::kSize != 0)
      Warn(std::string(what) + " records: " + Str(static_cast<long>(section.size() % Record::kSize)) +
           " bytes after the last whole record ignored");
    std::vector<Record> records(std::max<std::size_t>(count, 1));
    for (std::size_t i = 0; i < count; ++i)
      std::memcpy(records[i].bytes.data(), section.data() + i * Record::kSize, Record::kSize);
    return records;
  }

  void ReadPoints() {
    const Bytes pool = sections_[kPool];
    file_.points = ReadSlots<PointRecord>(sections_[kRecords], "point");
    for (std::size_t id = 1; id < file_.points.size(); ++id) {
      PointRecord& point = file_.points[id];
      const std::int64_t length = bytes::ReadLe<std::int16_t>(&point.bytes[1]);
      const std::int64_t offset = bytes::ReadLe<std::int32_t>(&point.bytes[3]);
      if (BlockInside(offset, length, 1, pool.size())) {
        point.gbkText.assign(reinterpret_cast<const char*>(pool.data()) + offset, static_cast<std::size_t>(length));
      } else if (point.Live()) {
        Warn("point " + Str(static_cast<long>(id)) + ": text outside the string pool; text dropped");
      }
    }
  }

  void ReadLines() {
    const Bytes pool = sections_[kPool];
    const char* word = EntityWord();
    file_.lines = ReadSlots<LineRecord>(sections_[kRecords], word);
    for (std::size_t id = 1; id < file_.lines.size(); ++id) {
      LineRecord& line = file_.lines[id];
      const std::int64_t count = bytes::ReadLe<std::int32_t>(&line.bytes[10]);
      const std::int64_t offset = bytes::ReadLe<std::int32_t>(&line.bytes[14]);
      if (BlockInside(offset, count, kVertexSize, pool.size())) {
        line.vertices.resize(static_cast<std::size_t>(count));
        if (count > 0) std::memcpy(line.vertices.data(), pool.data() + offset, static_cast<std::size_t>(count) * kVertexSize);
      } else if (line.Live()) {
        Warn(std::string(word) + " " + Str(static_cast<long>(id)) + ": " + Str(count) +
             " vertices at offset " + Str(offset) + " lie outside the vertex pool; skipped");
        line.SetLive(false);
      }
    }
  }

  void ReadTopology() {
    const Bytes section = sections_[kTopology];
    if (section.empty()) return;
    file_.topology = ReadSlots<ArcTopology>(section, "topology");
  }

  void ReadRegions() {
    const Bytes pool = sections_[kPool];
    file_.regions = ReadSlots<RegionRecord>(sections_[kRegionRecords], "region");
    for (std::size_t id = 1; id < file_.regions.size(); ++id) {
      RegionRecord& region = file_.regions[id];
      const std::int64_t count = bytes::ReadLe<std::int32_t>(&region.bytes[1]);
      const std::int64_t offset = bytes::ReadLe<std::int32_t>(&region.bytes[5]);
      const std::string label = "region " + Str(static_cast<long>(id));
      if (!BlockInside(offset, count, sizeof(std::int32_t), pool.size())) {
        if (region.Live()) {
          Warn(label + ": arc list outside the vertex pool; skipped");
          region.SetLive(false);
        }
        continue;
      }
      // A list may lack its leading total; a negative first entry can only be an arc.
      const bool totalMissing = count > 0 && bytes::ReadLe<std::int32_t>(pool.data() + offset) < 0;
      if (totalMissing && region.Live()) Warn(label + ": arc list without its leading total; all entries taken as arcs");
      for (std::int64_t i = totalMissing ? 0 : 1; i < count; ++i)
        region.arcs.push_back(bytes::ReadLe<std::int32_t>(pool.data() + offset + i * 4));
      if (region.Live()) DropMissingArcs(region, label);
    }
  }

  void DropMissingArcs(RegionRecord& region, const std::string& label) {
    std::string missing;
    std::erase_if(region.arcs, [&](std::int32_t arc) {
      if (arc == 0) return false;
      const auto id = static_cast<std::uint64_t>(std::llabs(static_cast<long long>(arc)));
      if (id < file_.lines.size() && file_.lines[id].Live()) return false;
      missing += (missing.empty() ? "" : ", ") + Str(arc);
      return true;
    });
    if (!missing.empty()) Warn(label + ": arcs " + missing + " do not exist; left out of its boundary");
  }

  Bytes bytes_;
  const std::string& name_;
  VectorFile& file_;
  FileReport& report_;
  std::int64_t directory_ = 0;
  std::array<Bytes, VectorFile::kDirectoryEntries> sections_{};
};

class Writer {
 public:
  explicit Writer(const VectorFile& file) : file_(file) {}

  bool Write(std::vector<std::uint8_t>& out, std::string* error) {
    if (file_.kind == FileKind::Point) {
      if (!WritePoints(error)) return false;
    } else {
      WriteLines();
      WriteFixed(file_.topology, sections_[kTopology]);
    }
    if (file_.kind == FileKind::Region) WriteRegions();
    if (!EncodeAttributeTable(file_.attributes, sections_[kAttributes]) ||
        (file_.kind == FileKind::Region && !EncodeAttributeTable(file_.regionAttributes, sections_[kRegionAttributes]))) {
      if (error) *error = "attribute records longer than the " + num::FormatInt(static_cast<long>(AttributeTable::kMaxRecordLength)) +
                          " bytes the file can hold";
      return false;
    }
    for (const auto& [index, bytes] : file_.keptSections)
      if (index >= 0 && index < static_cast<int>(sections_.size()) && !Interpreted(file_.kind, index))
        sections_[index] = bytes;

    std::uint64_t total = VectorFile::kHeaderSize + VectorFile::kDirectoryEntries * kEntrySize;
    for (const auto& section : sections_) total += section.size();
    if (total > std::numeric_limits<std::uint32_t>::max() ||
        sections_[kPool].size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      if (error) *error = "the file would exceed the 32-bit offsets of its format";
      return false;
    }
    out.clear();
    out.reserve(total);
    WriteHeader(out);
    std::uint32_t offset = VectorFile::kHeaderSize + VectorFile::kDirectoryEntries * kEntrySize;
    for (const auto& section : sections_) {
      std::array<std::uint8_t, kEntrySize> entry{};
      const auto size = static_cast<std::uint32_t>(section.size());
      bytes::WriteLe<std::uint32_t>(&entry[0], size ? offset : 0);
      bytes::WriteLe<std::uint32_t>(&entry[4], size);
      bytes::WriteLe<std::uint16_t>(&entry[8], kEntryMarker);
      out.insert(out.end(), entry.begin(), entry.end());
      offset += size;
    }
    for (const auto& section : sections_) out.insert(out.end(), section.begin(), section.end());
    return true;
  }

 private:
  template <typename Record>
  static void WriteFixed(const std::vector<Record>& records, std::vector<std::uint8_t>& out) {
    out.reserve(out.size() + records.size() * Record::kSize);
    for (const Record& record : records) out.insert(out.end(), record.bytes.begin(), record.bytes.end());
  }

  // Where a block of `size` bytes goes in the pool; an empty block points at 0.
  std::int32_t PoolOffset(std::size_t size) const {
    return size ? static_cast<std::int32_t>(sections_[kPool].size()) : 0;
  }

  bool WritePoints(std::string* error) {
    std::vector<std::uint8_t>& pool = sections_[kPool];
    std::vector<std::uint8_t>& records = sections_[kRecords];
    records.reserve(std::max<std::size_t>(file_.points.size(), 1) * PointRecord::kSize);
    for (std::size_t id = 0; id < std::max<std::size_t>(file_.points.size(), 1); ++id) {
      PointRecord point = id < file_.points.size() ? file_.points[id] : PointRecord{};
      const std::size_t length = point.gbkText.size();
      if (length > PointRecord::kMaxTextBytes) {
        if (error) *error = "point " + num::FormatInt(static_cast<long>(id)) + ": text of " +
                            num::FormatInt(static_cast<long>(length)) + " bytes, longer than the " +
                            num::FormatInt(static_cast<long>(PointRecord::kMaxTextBytes)) + " the file can hold";
        return false;
      }
      bytes::WriteLe<std::int16_t>(&point.bytes[1], static_cast<std::int16_t>(length));
      bytes::WriteLe<std::int32_t>(&point.bytes[3], PoolOffset(length));
      pool.insert(pool.end(), point.gbkText.begin(), point.gbkText.begin() + static_cast<long>(length));
      records.insert(records.end(), point.bytes.begin(), point.bytes.end());
    }
    return true;
  }

  void WriteLines() {
    std::vector<std::uint8_t>& pool = sections_[kPool];
    std::vector<std::uint8_t>& records = sections_[kRecords];
    std::size_t vertices = 0;
    for (const LineRecord& line : file_.lines) vertices += line.vertices.size();
    pool.reserve(vertices * kVertexSize);
    records.reserve(std::max<std::size_t>(file_.lines.size(), 1) * LineRecord::kSize);
    for (std::size_t id = 0; id < std::max<std::size_t>(file_.lines.size(), 1); ++id) {
      LineRecord line = id < file_.lines.size() ? file_.lines[id] : LineRecord{};
      bytes::WriteLe<std::int32_t>(&line.bytes[10], static_cast<std::int32_t>(line.vertices.size()));
      bytes::WriteLe<std::int32_t>(&line.bytes[14], PoolOffset(line.vertices.size()));
      const auto* raw = reinterpret_cast<const std::uint8_t*>(line.vertices.data());
      pool.insert(pool.end(), raw, raw + line.vertices.size() * kVertexSize);
      records.insert(records.end(), line.bytes.begin(), line.bytes.end());
    }
  }

  void WriteRegions() {
    std::vector<std::uint8_t>& pool = sections_[kPool];
    std::vector<std::uint8_t>& records = sections_[kRegionRecords];
    for (std::size_t id = 0; id < std::max<std::size_t>(file_.regions.size(), 1); ++id) {
      RegionRecord region = id < file_.regions.size() ? file_.regions[id] : RegionRecord{};
      const std::size_t items = region.arcs.empty() ? 0 : region.arcs.size() + 1;
      bytes::WriteLe<std::int32_t>(&region.bytes[1], static_cast<std::int32_t>(items));
      bytes::WriteLe<std::int32_t>(&region.bytes[5], PoolOffset(items));
      if (items) {
        std::uint8_t item[4];
        bytes::WriteLe<std::int32_t>(item, ArcListTotal(file_, region.arcs));
        pool.insert(pool.end(), item, item + 4);
        for (std::int32_t arc : region.arcs) {
          bytes::WriteLe<std::int32_t>(item, arc);
          pool.insert(pool.end(), item, item + 4);
        }
      }
      records.insert(records.end(), region.bytes.begin(), region.bytes.end());
    }
  }

  void WriteHeader(std::vector<std::uint8_t>& out) const {
    std::array<std::uint8_t, VectorFile::kHeaderSize> header = file_.header;
    WriteMagic(header.data(), file_.kind);
    bytes::WriteLe<std::int32_t>(&header[8], static_cast<std::int32_t>(file_.kind));
    bytes::WriteLe<std::int32_t>(&header[12], static_cast<std::int32_t>(VectorFile::kHeaderSize));
    bytes::WriteLe<std::int32_t>(&header[16], static_cast<std::int32_t>(VectorFile::kDirectoryEntries));
    const std::size_t slots = file_.kind == FileKind::Point ? file_.points.size() : file_.lines.size();
    bytes::WriteLe<std::int32_t>(&header[260], static_cast<std::int32_t>(slots > 0 ? slots - 1 : 0));
    if (sections_[kNodes].empty()) bytes::WriteLe<std::int32_t>(&header[268], 0);  // no node section, no nodes
    if (file_.kind == FileKind::Region)
      bytes::WriteLe<std::int32_t>(&header[276], static_cast<std::int32_t>(file_.regions.size() > 0 ? file_.regions.size() - 1 : 0));
    const Extent extent = ComputeExtent(file_);
    bytes::WriteLe(&header[304], extent.xmin);
    bytes::WriteLe(&header[312], extent.ymin);
    bytes::WriteLe(&header[320], extent.xmax);
    bytes::WriteLe(&header[328], extent.ymax);
    out.insert(out.end(), header.begin(), header.end());
  }

  const VectorFile& file_;
  std::array<std::vector<std::uint8_t>, VectorFile::kDirectoryEntries> sections_;
};

}  // namespace

bool DecodeVectorFile(std::span<const std::uint8_t> bytes, const std::string& name, VectorFile& file,
                      FileReport& report) {
  file = VectorFile{};
  report = FileReport{};
  if (Reader(bytes, name, file, report).Read()) return true;
  file = VectorFile{};
  return false;
}

bool EncodeVectorFile(const VectorFile& file, std::vector<std::uint8_t>& bytes, std::string* error) {
  return Writer(file).Write(bytes, error);
}

bool LoadVectorFile(const std::string& path, VectorFile& file, FileReport& report) {
  std::vector<std::uint8_t> bytes;
  report = FileReport{};
  if (!fileio::ReadWholeFile(path, bytes, &report.error)) return false;
  return DecodeVectorFile(bytes, path, file, report);
}

bool SaveVectorFile(const std::string& path, const VectorFile& file, std::string* error) {
  std::vector<std::uint8_t> bytes;
  if (!EncodeVectorFile(file, bytes, error)) {
    if (error) *error = path + ": " + *error;
    return false;
  }
  return fileio::WriteFileAtomically(path, bytes, error);
}

bool SniffVectorFileKind(std::span<const std::uint8_t> bytes, FileKind& kind) {
  if (bytes.size() < 8 || std::memcmp(bytes.data(), kMagicStem, 7) != 0 || bytes[7] < '1' || bytes[7] > '3')
    return false;
  kind = static_cast<FileKind>(bytes[7] - '1');
  return true;
}

}  // namespace zv::files

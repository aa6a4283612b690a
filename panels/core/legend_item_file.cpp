// The bytes of a legend item file and its reads, writes, renames and patches.
#include "panels/core/legend_item_file.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/text/encoding.h"

namespace zv::panels {
namespace {

// The fewest bytes a record of each kind takes, to refuse a count the rest
// of the file cannot hold before anything is reserved for it.
constexpr std::size_t kMinPointBytes = 2 + 16 + PNT_INFO::kSize;
constexpr std::size_t kMinLineBytes = 4 + LIN_INFO::kSize;
constexpr std::size_t kMinRegionBytes = 4 + REG_INFO::kSize;

void SetText(std::string* out, std::string text) {
  if (out) *out = std::move(text);
}

template <class T>
void PutAt(std::string& bytes, std::size_t offset, T value) {
  bytes::WriteLe(reinterpret_cast<uint8_t*>(bytes.data() + offset), value);
}

template <class T>
T GetAt(std::string_view bytes, std::size_t offset) {
  return bytes::ReadLe<T>(reinterpret_cast<const uint8_t*>(bytes.data() + offset));
}

// A zero-filled text field: the GBK form cut between characters to fit.
void PutText(std::string& bytes, std::size_t offset, std::size_t size, std::string_view utf8) {
  const std::string gbk = text::ToGbk(text::CutToGbkBytes(utf8, size));
  std::memcpy(bytes.data() + offset, gbk.data(), std::min(gbk.size(), size));
}

std::string GetText(std::string_view bytes, std::size_t offset, std::size_t size) {
  std::string_view field = bytes.substr(offset, size);
  field = field.substr(0, field.find('\0'));
  return text::FromGbk(field);
}

void PutCount(std::string& out, int32_t count) {
  char raw[4];
  bytes::WriteLe(reinterpret_cast<uint8_t*>(raw), count);
  out.append(raw, 4);
}

// Writes the records of ids 1 … B−1 that can be read, preceded by their
// number.
template <class Record, class Load, class Encode>
void PutAreaRecords(std::string& out, WorkAreaHandle area, int (*count)(WorkAreaHandle, int32_t*, int32_t*),
                    Load load, Encode encode) {
  int32_t live = 0;
  int32_t bound = 0;
  count(area, &live, &bound);
  std::string records;
  int32_t written = 0;
  for (int32_t id = 1; live > 0 && id < bound; ++id) {
    Record record;
    if (!load(area, id, &record)) continue;
    records += encode(record);
    ++written;
  }
  PutCount(out, written);
  out += records;
}

template <class Record, class Read>
bool ReadRecords(RecordReader& reader, std::vector<Record>& records, std::size_t minBytes, Read read,
                 const char* what, std::string* why) {
  int32_t count = 0;
  if (!reader.ReadInt32(&count)) {
    *why = std::string("缺少") + what + "数";
    return false;
  }
  if (count < 0 || static_cast<uint64_t>(count) * minBytes > reader.remaining()) {
    *why = std::string(what) + "数 " + std::to_string(count) + " 不对";
    return false;
  }
  records.assign(static_cast<std::size_t>(count), Record{});
  for (int32_t i = 0; i < count; ++i) {
    if (!read(reader, &records[static_cast<std::size_t>(i)])) {
      *why = "第 " + std::to_string(i + 1) + " 个" + what + "不完整";
      return false;
    }
  }
  return true;
}

bool ReadFile(const std::string& path, std::string* bytes, std::string* error) {
  if (fileio::ReadWholeFile(path, *bytes)) return true;
  SetText(error, "无法打开文件: " + path);
  return false;
}

bool WriteItem(const std::string& path, const LegendHeader& header, const std::string& body, std::string* error) {
  if (!MakeLegendFolder(error)) return false;
  return fileio::WriteFileAtomically(path, EncodeLegendHeader(header) + body, error);
}

template <class T>
bool Patch(const std::string& path, std::size_t offset, T value, std::string* error) {
  std::string bytes;
  if (!ReadFile(path, &bytes, error)) return false;
  if (bytes.size() < kLegendHeaderSize) {
    SetText(error, "图例文件不完整: " + path);
    return false;
  }
  PutAt(bytes, offset, value);
  return fileio::WriteFileAtomically(path, bytes, error);
}

}  // namespace

std::string EncodeLegendHeader(const LegendHeader& header) {
  std::string bytes(kLegendHeaderSize, '\0');
  std::memcpy(bytes.data(), header.number.data(), std::min<std::size_t>(header.number.size(), 4));
  PutText(bytes, 4, kLegendNameBytes, header.name);
  PutAt(bytes, 24, header.height);
  PutAt(bytes, 28, header.width);
  PutAt(bytes, kLegendFlagOffset, header.flag);
  PutAt(bytes, kLegendOrderOffset, header.order);
  PutText(bytes, 38, kLegendAnnotationBytes, header.annotation);
  return bytes;
}

LegendHeader DecodeLegendHeader(std::string_view bytes) {
  LegendHeader header;
  // The number is digits; anything else shows as "?" and counts as no number.
  header.number = std::string(bytes.substr(0, 4));
  for (char& c : header.number) {
    if (c < 0x20 || c > 0x7E) c = '?';
  }
  header.name = GetText(bytes, 4, kLegendNameBytes);
  header.height = GetAt<int32_t>(bytes, 24);
  header.width = GetAt<int32_t>(bytes, 28);
  header.flag = GetAt<int16_t>(bytes, kLegendFlagOffset);
  header.order = GetAt<int32_t>(bytes, kLegendOrderOffset);
  header.annotation = GetText(bytes, 38, kLegendAnnotationBytes);
  return header;
}

std::string EncodeLegendBody(const LegendAreas& areas) {
  constexpr RecordForm kForm = RecordForm::Legend;
  std::string out;
  PutAreaRecords<PointRecord>(out, areas.points, BasGetPointCount, LoadPointRecord,
                              [](const PointRecord& r) { return EncodePointRecord(r, kForm); });
  PutAreaRecords<LineRecord>(out, areas.lines, BasGetLineCount, LoadLineRecord,
                             [](const LineRecord& r) { return EncodeLineRecord(r, kForm); });
  PutAreaRecords<RegionRecord>(
      out, areas.regions, BasGetRegionCount,
      [](WorkAreaHandle area, int32_t id, RegionRecord* r) {
        return LoadRegionRecord(area, id, r, MissingArcs::Refuse);
      },
      [](const RegionRecord& r) { return EncodeRegionRecord(r, kForm); });
  return out;
}

std::string EncodeLegendBody(const LegendBody& body) {
  std::string out;
  PutCount(out, static_cast<int32_t>(body.points.size()));
  for (const PointRecord& r : body.points) out += EncodePointRecord(r, RecordForm::Legend);
  PutCount(out, static_cast<int32_t>(body.lines.size()));
  for (const LineRecord& r : body.lines) out += EncodeLineRecord(r, RecordForm::Legend);
  PutCount(out, static_cast<int32_t>(body.regions.size()));
  for (const RegionRecord& r : body.regions) out += EncodeRegionRecord(r, RecordForm::Legend);
  return out;
}

bool DecodeLegendItem(std::string_view bytes, LegendItem* item, std::string* error, std::string_view source) {
  const std::string name = source.empty() ? std::string("图例文件") : "图例文件 " + std::string(source);
  if (bytes.size() < kLegendHeaderSize) {
    SetText(error, name + " 不完整，没有完整的文件头");
    return false;
  }
  LegendItem read;
  read.header = DecodeLegendHeader(bytes);
  RecordReader reader(bytes.substr(kLegendHeaderSize), RecordForm::Legend);
  std::string why;
  const bool ok =
      ReadRecords(reader, read.body.points, kMinPointBytes,
                  [](RecordReader& r, PointRecord* p) { return r.ReadPoint(p); }, "点", &why) &&
      ReadRecords(reader, read.body.lines, kMinLineBytes,
                  [](RecordReader& r, LineRecord* l) { return r.ReadLine(l); }, "线", &why) &&
      ReadRecords(reader, read.body.regions, kMinRegionBytes,
                  [](RecordReader& r, RegionRecord* g) { return r.ReadRegion(g); }, "区", &why);
  if (!ok) {
    SetText(error, name + " 已损坏: " + why);
    return false;
  }
  *item = std::move(read);
  return true;
}

void AppendLegendBody(const LegendBody& body, const LegendAreas& areas) {
  for (const PointRecord& r : body.points) AppendPointRecord(areas.points, r);
  for (const LineRecord& r : body.lines) AppendLineRecord(areas.lines, r);
  for (const RegionRecord& r : body.regions) AppendRegionRecord(areas.regions, r);
}

bool ReadLegendHeaderFile(const std::string& path, LegendHeader* header, std::string* error) {
  std::string bytes;
  if (!ReadFile(path, &bytes, error)) return false;
  if (bytes.size() < kLegendHeaderSize) {
    SetText(error, "图例文件不完整: " + path);
    return false;
  }
  *header = DecodeLegendHeader(bytes);
  return true;
}

bool ReadLegendItemFile(const std::string& path, LegendItem* item, std::string* error) {
  std::string bytes;
  return ReadFile(path, &bytes, error) && DecodeLegendItem(bytes, item, error, path);
}

bool ReadLegendItemInto(const std::string& path, const LegendAreas& areas, LegendHeader* header,
                        std::string* error) {
  LegendItem item;
  if (!ReadLegendItemFile(path, &item, error)) return false;
  AppendLegendBody(item.body, areas);
  if (header) *header = std::move(item.header);
  return true;
}

bool WriteLegendItemFile(const std::string& path, const LegendHeader& header, const LegendAreas& areas,
                         std::string* error) {
  return WriteItem(path, header, EncodeLegendBody(areas), error);
}

bool WriteLegendItemFile(const std::string& path, const LegendHeader& header, const LegendBody& body,
                         std::string* error) {
  return WriteItem(path, header, EncodeLegendBody(body), error);
}

bool RenameLegendItemFile(const std::string& from, const std::string& to, std::string* error) {
  if (from == to) return true;
  // The kernel refuses an existing target itself, so no other writer can slip
  // a file in between a check and the rename.
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  const int code = errno;
  SetText(error, code == EEXIST ? "文件已存在，不能改名: " + to
                                : "无法将 " + from + " 改名为 " + to + ": " + std::strerror(code));
  return false;
}

bool PatchLegendFlag(const std::string& path, int16_t flag, std::string* error) {
  return Patch(path, kLegendFlagOffset, flag, error);
}

bool PatchLegendOrder(const std::string& path, int32_t order, std::string* error) {
  return Patch(path, kLegendOrderOffset, order, error);
}

}  // namespace zv::panels

#include "common/entity_buffer/entity_buffer_file.h"

#include <cmath>
#include <functional>
#include <sstream>

#include "framework/fileio/file_io.h"

namespace zv {
namespace {

using RecordWriter = bool (*)(WorkAreaHandle, int32_t, std::ostream&);

constexpr RecordWriter kWriters[] = {WritePointRecord, WriteLineRecord, WriteRegionRecord};

void SetText(std::string* out, std::string text) {
  if (out) *out = std::move(text);
}

template <class T>
void PutLe(std::ostream& out, T value) {
  uint8_t raw[sizeof(T)];
  bytes::WriteLe(raw, value);
  out.write(reinterpret_cast<const char*>(raw), sizeof(T));
}

// Writes a count placeholder, the records of `ids`, then patches the count
// to the records written and goes back to the end.
int32_t WriteCountedRecords(std::ostream& out, RecordWriter write, WorkAreaHandle area,
                            const std::vector<int32_t>& ids) {
  const std::streampos countAt = out.tellp();
  PutLe(out, int32_t{0});
  int32_t written = 0;
  for (int32_t id : ids) {
    if (write(area, id, out)) ++written;
    if (!out) return -1;
  }
  const std::streampos end = out.tellp();
  out.seekp(countAt);
  PutLe(out, written);
  out.seekp(end);
  return out ? written : -1;
}

// Builds the file in memory with `body` and saves it atomically when `body`
// succeeded; the number `body` returns, or −1.
int32_t WriteFileAtomically(const std::string& path, const std::function<int32_t(std::ostream&)>& body,
                            std::string* error) {
  std::ostringstream out(std::ios::binary);
  const int32_t result = body(out);
  if (result < 0 || !out || !fileio::WriteFileAtomically(path, out.view())) {
    SetText(error, "写入文件失败: " + path);
    return -1;
  }
  return result;
}

bool ReadWholeFile(const std::string& path, std::string* bytes, std::string* error) {
  if (fileio::ReadWholeFile(path, *bytes)) return true;
  SetText(error, "无法打开文件: " + path);
  return false;
}

// Reads up to `count` records with `read`; a short file ends the list with
// a warning naming how many records were found.
template <class Record, class Read>
void ReadCounted(RecordReader& reader, int32_t count, std::vector<Record>& records, Read read, const char* what,
                 std::string* warning) {
  records.clear();
  if (count < 0) {
    SetText(warning, std::string(what) + ": 记录数为 " + std::to_string(count));
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    Record record;
    if (!read(reader, &record)) {
      SetText(warning, std::string(what) + ": 记录数为 " + std::to_string(count) + "，只读到 " +
                           std::to_string(records.size()) + " 个完整记录");
      return;
    }
    records.push_back(std::move(record));
  }
}

}  // namespace

int32_t WriteEntityBufferFile(const std::string& path, const D_DOT& base, EntityBufferKind kind, WorkAreaHandle area,
                              const std::vector<int32_t>& ids, std::string* error) {
  return WriteFileAtomically(
      path,
      [&](std::ostream& out) {
        PutLe(out, base.x);
        PutLe(out, base.y);
        return WriteCountedRecords(out, kWriters[static_cast<int>(kind)], area, ids);
      },
      error);
}

bool ReadEntityBufferFile(const std::string& path, EntityBufferKind kind, EntityBuffer* buffer, std::string* error,
                          std::string* warning) {
  std::string bytes;
  if (!buffer || !ReadWholeFile(path, &bytes, error)) return false;
  RecordReader reader(bytes);
  int32_t count = 0;
  if (!reader.ReadDouble(&buffer->base.x) || !reader.ReadDouble(&buffer->base.y) || !reader.ReadInt32(&count)) {
    SetText(error, "缓冲文件头不完整: " + path);
    return false;
  }
  buffer->kind = kind;
  buffer->points.clear();
  buffer->lines.clear();
  buffer->regions.clear();
  switch (kind) {
    case EntityBufferKind::Points:
      ReadCounted(reader, count, buffer->points, [](RecordReader& r, PointRecord* p) { return r.ReadPoint(p); },
                  path.c_str(), warning);
      break;
    case EntityBufferKind::Lines:
      ReadCounted(reader, count, buffer->lines, [](RecordReader& r, LineRecord* l) { return r.ReadLine(l); },
                  path.c_str(), warning);
      break;
    case EntityBufferKind::Regions:
      ReadCounted(reader, count, buffer->regions, [](RecordReader& r, RegionRecord* g) { return r.ReadRegion(g); },
                  path.c_str(), warning);
      break;
  }
  return true;
}

int32_t WriteChartHeaderFile(const std::string& path, double header, WorkAreaHandle pointArea,
                             const std::vector<int32_t>& pointIds, WorkAreaHandle lineArea,
                             const std::vector<int32_t>& lineIds, std::string* error) {
  return WriteFileAtomically(
      path,
      [&](std::ostream& out) {
        PutLe(out, header);
        const int32_t points = WriteCountedRecords(out, WritePointRecord, pointArea, pointIds);
        if (points < 0) return -1;
        const int32_t lines = WriteCountedRecords(out, WriteLineRecord, lineArea, lineIds);
        return lines < 0 ? -1 : points + lines;
      },
      error);
}

bool ReadChartHeaderFile(const std::string& path, ChartHeaderBuffer* buffer, std::string* error, std::string* warning) {
  std::string bytes;
  if (!buffer || !ReadWholeFile(path, &bytes, error)) return false;
  RecordReader reader(bytes);
  int32_t count = 0;
  if (!reader.ReadDouble(&buffer->header) || !reader.ReadInt32(&count)) {
    SetText(error, "表头文件不完整: " + path);
    return false;
  }
  // A height that is no number would place the whole chart nowhere.
  if (!std::isfinite(buffer->header)) {
    SetText(error, "表头文件的表头高度不是数: " + path);
    return false;
  }
  ReadCounted(reader, count, buffer->points, [](RecordReader& r, PointRecord* p) { return r.ReadPoint(p); },
              path.c_str(), warning);
  buffer->lines.clear();
  // Points cut short leave no line section to read. A file that ends right
  // after its points holds no lines; one that ends inside the line count is
  // cut short.
  if (static_cast<int32_t>(buffer->points.size()) != count) return true;
  if (reader.ReadInt32(&count)) {
    ReadCounted(reader, count, buffer->lines, [](RecordReader& r, LineRecord* l) { return r.ReadLine(l); },
                path.c_str(), warning);
  } else if (reader.remaining() > 0) {
    SetText(warning, path + ": 线记录数不完整");
  }
  return true;
}

std::vector<int32_t> PasteEntityBuffer(const EntityBuffer& buffer, WorkAreaHandle area, const D_DOT& target) {
  const double dx = target.x - buffer.base.x;
  const double dy = target.y - buffer.base.y;
  std::vector<int32_t> ids;
  BasBeginBatch(area);
  const auto keep = [&ids, area](int32_t id) {
    BasBatchStep(area);
    if (id != 0) ids.push_back(id);
  };
  for (const PointRecord& p : buffer.points) keep(AppendPointRecord(area, p, dx, dy));
  for (const LineRecord& l : buffer.lines) keep(AppendLineRecord(area, l, dx, dy));
  for (const RegionRecord& r : buffer.regions) keep(AppendRegionRecord(area, r, dx, dy));
  BasEndBatch(area);
  return ids;
}

}  // namespace zv

#include "common/entity_buffer/entity_records.h"

#include <cstdlib>
#include <cstring>

#include "framework/text/encoding.h"

namespace zv {
namespace {

constexpr std::size_t kMaxTextBytes = 32767;

template <class T>
void Put(std::string& out, T value) {
  char raw[sizeof(T)];
  bytes::WriteLe(reinterpret_cast<uint8_t*>(raw), value);
  out.append(raw, sizeof(T));
}

template <std::size_t N>
void PutRecord(std::string& out, const bytes::ByteRecord<N>& record) {
  out.append(reinterpret_cast<const char*>(record.bytes), N);
}

bool Emit(const std::string& record, std::ostream& out) {
  out.write(record.data(), static_cast<std::streamsize>(record.size()));
  return static_cast<bool>(out);
}

int NonZeroArcs(const std::vector<int32_t>& arcs) {
  int n = 0;
  for (std::size_t i = 1; i < arcs.size(); ++i) n += arcs[i] != 0 ? 1 : 0;
  return n;
}

}  // namespace

std::string EncodePointRecord(const PointRecord& record, RecordForm form) {
  const std::string gbk = text::ToGbk(text::CutToGbkBytes(record.text, kMaxTextBytes));
  std::string out;
  out.reserve(4 + 2 + 16 + gbk.size() + PNT_INFO::kSize);
  if (form == RecordForm::Buffer) Put(out, record.id);
  Put(out, static_cast<int16_t>(gbk.size()));
  if (form == RecordForm::Legend) out += gbk;
  Put(out, record.position.x);
  Put(out, record.position.y);
  if (form == RecordForm::Buffer) out += gbk;
  PutRecord(out, record.info);
  return out;
}

std::string EncodeLineRecord(const LineRecord& record, RecordForm form) {
  std::string out;
  out.reserve(8 + record.vertices.size() * 16 + LIN_INFO::kSize);
  if (form == RecordForm::Buffer) Put(out, record.id);
  Put(out, static_cast<int32_t>(record.vertices.size()));
  for (const D_DOT& v : record.vertices) {
    Put(out, v.x);
    Put(out, v.y);
  }
  PutRecord(out, record.info);
  return out;
}

std::string EncodeRegionRecord(const RegionRecord& record, RecordForm form) {
  std::string out;
  if (form == RecordForm::Buffer) Put(out, record.id);
  Put(out, static_cast<int32_t>(record.arcs.size()));
  for (int32_t arc : record.arcs) Put(out, arc);
  for (const LineRecord& line : record.arcLines) out += EncodeLineRecord(line, form);
  PutRecord(out, record.info);
  return out;
}

bool LoadPointRecord(WorkAreaHandle area, int32_t id, PointRecord* record) {
  record->id = id;
  return BasReadPoint(area, id, &record->position, &record->text, &record->info) > 0;
}

bool LoadLineRecord(WorkAreaHandle area, int32_t id, LineRecord* record) {
  record->id = id;
  return BasReadLine(area, id, &record->vertices, &record->info) > 0;
}

bool LoadRegionRecord(WorkAreaHandle area, int32_t id, RegionRecord* record, MissingArcs missing) {
  record->id = id;
  record->arcs.clear();
  record->arcLines.clear();
  std::vector<int32_t> arcs;
  if (BasReadRegion(area, id, &arcs, &record->info) <= 0 || arcs.empty()) return false;
  // Entry 0 and the separators carry no line; every entry kept has its line
  // record.
  record->arcs.push_back(arcs[0]);
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] == 0) {
      record->arcs.push_back(0);
      continue;
    }
    LineRecord line;
    if (!LoadLineRecord(area, std::abs(arcs[i]), &line)) {
      if (missing == MissingArcs::Refuse) return false;
      continue;
    }
    record->arcs.push_back(arcs[i]);
    record->arcLines.push_back(std::move(line));
  }
  return true;
}

bool WritePointRecord(WorkAreaHandle area, int32_t id, std::ostream& out) {
  PointRecord record;
  return LoadPointRecord(area, id, &record) && Emit(EncodePointRecord(record), out);
}

bool WriteLineRecord(WorkAreaHandle area, int32_t id, std::ostream& out) {
  LineRecord record;
  return LoadLineRecord(area, id, &record) && Emit(EncodeLineRecord(record), out);
}

bool WriteRegionRecord(WorkAreaHandle area, int32_t id, std::ostream& out) {
  RegionRecord record;
  return LoadRegionRecord(area, id, &record, MissingArcs::Drop) && Emit(EncodeRegionRecord(record), out);
}

bool RecordReader::Take(std::size_t n, const char** at) {
  if (n > remaining()) return false;
  *at = bytes_.data() + offset_;
  offset_ += n;
  return true;
}

bool RecordReader::ReadInt32(int32_t* value) {
  const char* at = nullptr;
  if (!Take(4, &at)) return false;
  *value = bytes::ReadLe<int32_t>(reinterpret_cast<const uint8_t*>(at));
  return true;
}

bool RecordReader::ReadDouble(double* value) {
  const char* at = nullptr;
  if (!Take(8, &at)) return false;
  *value = bytes::ReadLe<double>(reinterpret_cast<const uint8_t*>(at));
  return true;
}

namespace {
// Runs `read` and puts the offset back when it fails, so a reader never
// stops inside a record.
template <class F>
bool Whole(std::size_t& offset, F&& read) {
  const std::size_t start = offset;
  if (read()) return true;
  offset = start;
  return false;
}

template <std::size_t N>
void CopyRecord(const char* at, bytes::ByteRecord<N>& record) {
  std::memcpy(record.bytes, at, N);
}
}  // namespace

bool RecordReader::ReadInt16(int16_t* value) {
  const char* at = nullptr;
  if (!Take(2, &at)) return false;
  *value = bytes::ReadLe<int16_t>(reinterpret_cast<const uint8_t*>(at));
  return true;
}

bool RecordReader::ReadId(int32_t* id) {
  *id = 0;
  return form_ == RecordForm::Legend || ReadInt32(id);
}

bool RecordReader::ReadPointText(int16_t length, std::string* text) {
  const char* at = nullptr;
  if (length < 0 || !Take(static_cast<std::size_t>(length), &at)) return false;
  *text = text::FromGbk(std::string_view(at, static_cast<std::size_t>(length)));
  return true;
}

bool RecordReader::ReadPoint(PointRecord* record) {
  return Whole(offset_, [&] {
    int16_t length = 0;
    if (!ReadId(&record->id) || !ReadInt16(&length)) return false;
    if (form_ == RecordForm::Legend && !ReadPointText(length, &record->text)) return false;
    if (!ReadDouble(&record->position.x) || !ReadDouble(&record->position.y)) return false;
    if (form_ == RecordForm::Buffer && !ReadPointText(length, &record->text)) return false;
    const char* info = nullptr;
    if (!Take(PNT_INFO::kSize, &info)) return false;
    CopyRecord(info, record->info);
    return true;
  });
}

bool RecordReader::ReadLine(LineRecord* record) {
  return Whole(offset_, [&] {
    int32_t count = 0;
    if (!ReadId(&record->id) || !ReadInt32(&count) || count < 0) return false;
    if (static_cast<uint64_t>(count) * 16 + LIN_INFO::kSize > remaining()) return false;
    record->vertices.resize(static_cast<std::size_t>(count));
    for (D_DOT& v : record->vertices) {
      ReadDouble(&v.x);
      ReadDouble(&v.y);
    }
    const char* info = nullptr;
    Take(LIN_INFO::kSize, &info);
    CopyRecord(info, record->info);
    return true;
  });
}

bool RecordReader::ReadRegion(RegionRecord* record) {
  return Whole(offset_, [&] {
    int32_t count = 0;
    if (!ReadId(&record->id) || !ReadInt32(&count) || count < 0) return false;
    if (static_cast<uint64_t>(count) * 4 + REG_INFO::kSize > remaining()) return false;
    record->arcs.resize(static_cast<std::size_t>(count));
    for (int32_t& arc : record->arcs) ReadInt32(&arc);
    record->arcLines.assign(static_cast<std::size_t>(NonZeroArcs(record->arcs)), LineRecord{});
    for (LineRecord& line : record->arcLines) {
      if (!ReadLine(&line)) return false;
    }
    const char* info = nullptr;
    if (!Take(REG_INFO::kSize, &info)) return false;
    CopyRecord(info, record->info);
    return true;
  });
}

int32_t AppendPointRecord(WorkAreaHandle area, const PointRecord& record, double dx, double dy) {
  return BasAppendPoint(area, {record.position.x + dx, record.position.y + dy}, record.text, record.info);
}

int32_t AppendLineRecord(WorkAreaHandle area, const LineRecord& record, double dx, double dy) {
  std::vector<D_DOT> moved = record.vertices;
  for (D_DOT& v : moved) v = {v.x + dx, v.y + dy};
  return BasAppendLine(area, moved, record.info);
}

int32_t AppendRegionRecord(WorkAreaHandle area, const RegionRecord& record, double dx, double dy) {
  if (BasGetWorkAreaType(area) != kRegionArea || record.arcs.empty()) return 0;
  std::vector<int32_t> arcs = record.arcs;
  std::vector<int32_t> added;
  // A region that cannot be made takes its arcs away again.
  const auto fail = [&] {
    for (int32_t id : added) BasDeleteLine(area, id);
    return 0;
  };
  std::size_t line = 0;
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] == 0) continue;
    if (line >= record.arcLines.size()) return fail();
    const int32_t id = AppendLineRecord(area, record.arcLines[line++], dx, dy);
    if (id == 0) return fail();
    added.push_back(id);
    arcs[i] = arcs[i] < 0 ? -id : id;
  }
  const int32_t region = BasAppendRegion(area, arcs, record.info);
  return region != 0 ? region : fail();
}

}  // namespace zv

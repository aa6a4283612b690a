#include "platform/files/attribute_table.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "framework/bytes/little_endian.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::files {
namespace {

constexpr std::uint8_t kMarker[2] = {0x60, 0x44};
constexpr int kTimeSize = 10;

struct TypeInfo {
  FieldType type;
  int storage;  // 0: display length + 1
};
constexpr TypeInfo kTypes[] = {
    {FieldType::String, 0}, {FieldType::Byte, 1},   {FieldType::Short, 2},
    {FieldType::Long, 4},   {FieldType::Float, 4},  {FieldType::Double, 8},
    {FieldType::Date, 4},   {FieldType::Time, kTimeSize},
};

bool KnownType(std::uint8_t type) { return type <= static_cast<std::uint8_t>(FieldType::Time); }

std::string GbkField(const std::uint8_t* bytes, std::size_t size) {
  const auto* chars = reinterpret_cast<const char*>(bytes);
  return text::FromGbk(std::string_view(chars, strnlen(chars, size)));
}

// Where a field's value lies in `table.records`, or nothing when it does not
// fit in its record.
std::optional<std::size_t> FieldPosition(const AttributeTable& table, std::size_t record, std::size_t field) {
  if (field >= table.fields.size() || record >= table.RecordCount()) return std::nullopt;
  const AttributeField& f = table.fields[field];
  const long offset = f.Offset(), size = f.StorageSize();
  if (!KnownType(f.Type()) || offset < 1 || size < 1) return std::nullopt;
  if (static_cast<std::size_t>(offset + size) > table.recordLength) return std::nullopt;
  if (f.Type() != static_cast<std::uint8_t>(FieldType::String) && size < StorageSizeOf(f.Type(), 0)) return std::nullopt;
  return record * table.recordLength + static_cast<std::size_t>(offset);
}

std::string FormatDate(const std::uint8_t* p) {
  const int year = bytes::ReadLe<std::int16_t>(p), month = p[2], day = p[3];
  if (year == 0 && month == 0 && day == 0) return {};
  return num::Format("%04d-%02d-%02d", year, month, day);
}

std::string FormatTime(const std::uint8_t* p) {
  const double seconds = bytes::ReadLe<double>(p + 2);
  if (p[0] == 0 && p[1] == 0 && seconds == 0) return {};
  return num::Format("%02d:%02d:%02d", p[0], p[1], std::isfinite(seconds) ? static_cast<int>(seconds) : 0);
}

// "YYYY-MM-DD" or "HH:MM:SS" split at any non-digit; missing parts are 0.
std::vector<long> NumberParts(std::string_view text) {
  std::vector<long> parts;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] < '0' || text[i] > '9')) ++i;
    if (i == text.size()) break;
    std::size_t j = i;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
    parts.push_back(num::ParseLong(text.substr(i, j - i)));
    i = j;
  }
  parts.resize(std::max<std::size_t>(parts.size(), 3), 0);
  return parts;
}

void PutNumber(std::uint8_t* p, FieldType type, double value) {
  switch (type) {
    case FieldType::Byte: p[0] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)); break;
    case FieldType::Short: bytes::WriteLe<std::int16_t>(p, static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0))); break;
    case FieldType::Long: bytes::WriteLe<std::int32_t>(p, static_cast<std::int32_t>(std::clamp(value, -2147483648.0, 2147483647.0))); break;
    case FieldType::Float: bytes::WriteLe<float>(p, static_cast<float>(value)); break;
    case FieldType::Double: bytes::WriteLe<double>(p, value); break;
    default: break;
  }
}

}  // namespace

int StorageSizeOf(std::uint8_t type, int displayLength) {
  if (!KnownType(type)) return 0;
  const int storage = kTypes[type].storage;
  return storage ? storage : displayLength + 1;
}

std::string AttributeField::Name() const { return GbkField(bytes.data(), kNameBytes); }
std::int32_t AttributeField::Offset() const { return bytes::ReadLe<std::int32_t>(&bytes[21]); }
std::int16_t AttributeField::StorageSize() const { return bytes::ReadLe<std::int16_t>(&bytes[25]); }
std::int16_t AttributeField::DisplayLength() const { return bytes::ReadLe<std::int16_t>(&bytes[27]); }
std::int16_t AttributeField::EditFlag() const { return bytes::ReadLe<std::int16_t>(&bytes[30]); }
std::int16_t AttributeField::Number() const { return bytes::ReadLe<std::int16_t>(&bytes[33]); }

void AttributeField::SetName(std::string_view utf8) {
  const std::string gbk = text::ToGbk(text::CutToGbkBytes(utf8, kNameBytes - 1));
  std::fill_n(bytes.begin(), kNameBytes, 0);
  std::memcpy(bytes.data(), gbk.data(), gbk.size());
}
void AttributeField::SetOffset(std::int32_t offset) { bytes::WriteLe(&bytes[21], offset); }
void AttributeField::SetNumber(std::int16_t number) { bytes::WriteLe(&bytes[33], number); }

AttributeField MakeField(std::string_view utf8Name, FieldType type, int displayLength, int decimals) {
  AttributeField field;
  field.SetName(utf8Name);
  field.bytes[20] = static_cast<std::uint8_t>(type);
  bytes::WriteLe<std::int16_t>(&field.bytes[25], static_cast<std::int16_t>(StorageSizeOf(field.bytes[20], displayLength)));
  bytes::WriteLe<std::int16_t>(&field.bytes[27], static_cast<std::int16_t>(displayLength));
  field.bytes[29] = static_cast<std::uint8_t>(decimals);
  const bool floating = type == FieldType::Float || type == FieldType::Double;
  bytes::WriteLe<std::int16_t>(&field.bytes[30], floating ? 2 : 1);
  return field;
}

int AttributeTable::FindField(std::string_view utf8Name) const {
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (paths::EqualsIgnoreCase(fields[i].Name(), std::string(utf8Name))) return static_cast<int>(i);
  return -1;
}

AttributeTable NewAttributeTable(const std::vector<AttributeField>& fields, int year, int month, int day) {
  AttributeTable table;
  table.present = true;
  std::memcpy(&table.header[0], kMarker, 2);
  std::memcpy(&table.header[320], kMarker, 2);
  bytes::WriteLe<std::int16_t>(&table.header[2], static_cast<std::int16_t>(year));
  table.header[4] = static_cast<std::uint8_t>(month);
  table.header[5] = static_cast<std::uint8_t>(day);
  table.records.assign(1, 0);
  for (const AttributeField& field : fields) AddField(table, field);
  return table;
}

AttributeTable TableDatedToday(const std::vector<AttributeField>& fields) {
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  return NewAttributeTable(fields, static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
                           static_cast<int>(static_cast<unsigned>(today.day())));
}

void AddField(AttributeTable& table, AttributeField field) {
  const std::size_t count = table.RecordCount();
  const std::size_t oldLength = table.recordLength;
  const std::size_t size = static_cast<std::size_t>(std::max<int>(field.StorageSize(), 0));
  field.SetOffset(static_cast<std::int32_t>(oldLength));
  field.SetNumber(static_cast<std::int16_t>(table.fields.size()));
  table.fields.push_back(field);
  std::vector<std::uint8_t> grown(count * (oldLength + size), 0);
  for (std::size_t r = 0; r < count; ++r)
    std::memcpy(&grown[r * (oldLength + size)], table.Record(r), oldLength);
  table.recordLength = oldLength + size;
  table.records = std::move(grown);
}

void RemoveField(AttributeTable& table, std::size_t index) {
  if (index >= table.fields.size()) return;
  const AttributeField removed = table.fields[index];
  const long begin = removed.Offset(), size = removed.StorageSize();
  table.fields.erase(table.fields.begin() + static_cast<long>(index));
  for (std::size_t i = 0; i < table.fields.size(); ++i) table.fields[i].SetNumber(static_cast<std::int16_t>(i));
  if (begin < 1 || size < 1 || static_cast<std::size_t>(begin + size) > table.recordLength) return;
  const std::size_t count = table.RecordCount();
  const std::size_t newLength = table.recordLength - static_cast<std::size_t>(size);
  std::vector<std::uint8_t> shrunk(count * newLength);
  for (std::size_t r = 0; r < count; ++r) {
    const std::uint8_t* from = table.Record(r);
    std::uint8_t* to = &shrunk[r * newLength];
    std::memcpy(to, from, static_cast<std::size_t>(begin));
    std::memcpy(to + begin, from + begin + size, table.recordLength - static_cast<std::size_t>(begin + size));
  }
  for (AttributeField& field : table.fields)
    if (field.Offset() > begin) field.SetOffset(static_cast<std::int32_t>(field.Offset() - size));
  table.recordLength = newLength;
  table.records = std::move(shrunk);
}

std::optional<double> FieldNumber(const AttributeTable& table, std::size_t record, std::size_t field) {
  const std::optional<std::size_t> at = FieldPosition(table, record, field);
  if (!at) return std::nullopt;
  const std::uint8_t* p = table.records.data() + *at;
  switch (static_cast<FieldType>(table.fields[field].Type())) {
    case FieldType::String: return num::ParseDouble(GbkField(p, static_cast<std::size_t>(table.fields[field].StorageSize())));
    case FieldType::Byte: return p[0];
    case FieldType::Short: return bytes::ReadLe<std::int16_t>(p);
    case FieldType::Long: return bytes::ReadLe<std::int32_t>(p);
    case FieldType::Float: return bytes::ReadLe<float>(p);
    case FieldType::Double: return bytes::ReadLe<double>(p);
    case FieldType::Date: return bytes::ReadLe<std::int16_t>(p) * 10000.0 + p[2] * 100.0 + p[3];
    case FieldType::Time: return p[0] * 3600.0 + p[1] * 60.0 + bytes::ReadLe<double>(p + 2);
  }
  return std::nullopt;
}

std::optional<std::string> FieldText(const AttributeTable& table, std::size_t record, std::size_t field) {
  const std::optional<std::size_t> at = FieldPosition(table, record, field);
  if (!at) return std::nullopt;
  const std::uint8_t* p = table.records.data() + *at;
  const AttributeField& f = table.fields[field];
  switch (static_cast<FieldType>(f.Type())) {
    case FieldType::String: return GbkField(p, static_cast<std::size_t>(f.StorageSize()));
    case FieldType::Date: return FormatDate(p);
    case FieldType::Time: return FormatTime(p);
    case FieldType::Float:
    case FieldType::Double: return num::Format("%.*f", f.Decimals(), *FieldNumber(table, record, field));
    default: return num::FormatInt(static_cast<long>(*FieldNumber(table, record, field)));
  }
}

bool SetFieldNumber(AttributeTable& table, std::size_t record, std::size_t field, double value) {
  const FieldType type = static_cast<FieldType>(table.fields.size() > field ? table.fields[field].Type() : 0xFF);
  if (type == FieldType::String) return SetFieldText(table, record, field, num::Format("%.10g", value));
  if (type == FieldType::Date || type == FieldType::Time) return false;
  const std::optional<std::size_t> at = FieldPosition(table, record, field);
  if (!at) return false;
  PutNumber(table.records.data() + *at, type, value);
  return true;
}

bool SetFieldText(AttributeTable& table, std::size_t record, std::size_t field, std::string_view utf8) {
  const std::optional<std::size_t> at = FieldPosition(table, record, field);
  if (!at) return false;
  std::uint8_t* p = table.records.data() + *at;
  const AttributeField& f = table.fields[field];
  const auto size = static_cast<std::size_t>(f.StorageSize());
  switch (static_cast<FieldType>(f.Type())) {
    case FieldType::String: {
      const std::string gbk = text::ToGbk(text::CutToGbkBytes(utf8, size - 1));
      std::fill_n(p, size, 0);
      std::memcpy(p, gbk.data(), gbk.size());
      return true;
    }
    case FieldType::Date: {
      const std::vector<long> parts = NumberParts(utf8);
      bytes::WriteLe<std::int16_t>(p, static_cast<std::int16_t>(parts[0]));
      p[2] = static_cast<std::uint8_t>(parts[1]);
      p[3] = static_cast<std::uint8_t>(parts[2]);
      return true;
    }
    case FieldType::Time: {
      const std::vector<long> parts = NumberParts(utf8);
      p[0] = static_cast<std::uint8_t>(parts[0]);
      p[1] = static_cast<std::uint8_t>(parts[1]);
      bytes::WriteLe<double>(p + 2, static_cast<double>(parts[2]));
      return true;
    }
    default:
      PutNumber(p, static_cast<FieldType>(f.Type()), num::ParseDouble(utf8));
      return true;
  }
}

AttributeTable DecodeAttributeTable(std::span<const std::uint8_t> section, const std::string& where,
                                    std::vector<std::string>& warnings) {
  AttributeTable table;
  if (section.empty()) return table;
  if (section.size() < AttributeTable::kHeaderSize) {
    warnings.push_back(where + ": attribute table shorter than its header; attributes dropped");
    return table;
  }
  table.present = true;
  std::memcpy(table.header.data(), section.data(), AttributeTable::kHeaderSize);
  if (std::memcmp(section.data(), kMarker, 2) != 0)
    warnings.push_back(where + ": attribute table without its marker");

  long fieldCount = bytes::ReadLe<std::int16_t>(&table.header[322]);
  const std::size_t fieldsFit = (section.size() - AttributeTable::kHeaderSize) / AttributeField::kSize;
  if (fieldCount < 0 || static_cast<std::size_t>(fieldCount) > fieldsFit) {
    warnings.push_back(where + ": " + num::FormatInt(fieldCount) + " field descriptors announced, " +
                       num::FormatInt(static_cast<long>(fieldsFit)) + " present");
    fieldCount = std::clamp<long>(fieldCount, 0, static_cast<long>(fieldsFit));
  }
  const std::uint8_t* descriptor = section.data() + AttributeTable::kHeaderSize;
  for (long i = 0; i < fieldCount; ++i, descriptor += AttributeField::kSize) {
    AttributeField field;
    std::memcpy(field.bytes.data(), descriptor, AttributeField::kSize);
    table.fields.push_back(field);
  }

  const std::size_t recordsBegin = AttributeTable::kHeaderSize + static_cast<std::size_t>(fieldCount) * AttributeField::kSize;
  // The record length is a 16-bit field (some writers leave junk in the two
  // bytes after it), so no record is longer than 65535 bytes, however large
  // an i32 read there would be. The writer keeps to the same width.
  const long length = bytes::ReadLe<std::uint16_t>(&table.header[328]);
  long count = bytes::ReadLe<std::int32_t>(&table.header[324]);
  const std::size_t available = section.size() - recordsBegin;
  if (length <= 0) {
    if (count > 0) warnings.push_back(where + ": attribute records of length " + num::FormatInt(length) + "; records dropped");
    table.recordLength = 1;
    table.trailing.assign(section.begin() + static_cast<long>(recordsBegin), section.end());
    return table;
  }
  table.recordLength = static_cast<std::size_t>(length);
  const std::size_t recordsFit = available / table.recordLength;
  if (count < 0 || static_cast<std::size_t>(count) > recordsFit) {
    warnings.push_back(where + ": " + num::FormatInt(count) + " attribute records announced, " +
                       num::FormatInt(static_cast<long>(recordsFit)) + " present");
    count = std::clamp<long>(count, 0, static_cast<long>(recordsFit));
  }
  const std::size_t recordBytes = static_cast<std::size_t>(count) * table.recordLength;
  const auto* records = section.data() + recordsBegin;
  table.records.assign(records, records + recordBytes);
  table.trailing.assign(records + recordBytes, section.data() + section.size());

  for (const AttributeField& field : table.fields) {
    const long end = static_cast<long>(field.Offset()) + field.StorageSize();
    if (field.Offset() < 1 || field.StorageSize() < 1 || end > length)
      warnings.push_back(where + ": field \"" + field.Name() + "\" lies outside the record; its values are ignored");
  }
  return table;
}

bool EncodeAttributeTable(const AttributeTable& table, std::vector<std::uint8_t>& out) {
  if (!table.present) return true;
  if (table.recordLength > AttributeTable::kMaxRecordLength) return false;
  std::array<std::uint8_t, AttributeTable::kHeaderSize> header = table.header;
  const auto fieldCount = static_cast<std::int16_t>(table.fields.size());
  const auto recordCount = static_cast<std::int32_t>(table.RecordCount());
  bytes::WriteLe<std::int32_t>(&header[12], static_cast<std::int32_t>(AttributeTable::kHeaderSize + AttributeField::kSize * table.fields.size()));
  bytes::WriteLe<std::int32_t>(&header[16], std::max(recordCount - 1, 0));
  bytes::WriteLe<std::int16_t>(&header[322], fieldCount);
  bytes::WriteLe<std::int32_t>(&header[324], recordCount);
  // Readers that take the length as an i32 agree while the two bytes after
  // it are zero.
  bytes::WriteLe<std::uint16_t>(&header[328], static_cast<std::uint16_t>(table.recordLength));
  bytes::WriteLe<std::uint16_t>(&header[330], 0);
  out.insert(out.end(), header.begin(), header.end());
  for (const AttributeField& field : table.fields) out.insert(out.end(), field.bytes.begin(), field.bytes.end());
  out.insert(out.end(), table.records.begin(), table.records.begin() + static_cast<long>(recordCount) * static_cast<long>(table.recordLength));
  out.insert(out.end(), table.trailing.begin(), table.trailing.end());
  return true;
}

}  // namespace zv::files

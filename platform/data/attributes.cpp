#include "platform/data/attributes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/data/byte_fields.h"

namespace zv {
namespace {

constexpr const char* kTypeNames[] = {"字符型", "字节型", "短整型", "长整型", "浮点型", "双精度型", "日期型",
                                      "时间型", "布尔型", "文本型", "图像",   "地图",     "声音",   "动态图像",
                                      "",       "二进制数据", "邮戳型", "数字", "表格"};

constexpr std::size_t kMaxNameBytes = 19;

// Fixed storage widths by type; 0 means "by the field length".
constexpr int16_t kTypeWidths[] = {0, 1, 2, 4, 4, 8, 4, 10, 2};

CFIELD_HEAD IdField() {
  CFIELD_HEAD id;
  id.name = kIdFieldName;
  id.type = kFieldLong;
  id.length = 8;
  return id;
}

CFIELD_HEAD DoubleField(const char* name) {
  CFIELD_HEAD field;
  field.name = name;
  field.type = kFieldDouble;
  field.length = 15;
  field.decimals = 6;
  return field;
}

bool IsNumeric(uint8_t type) { return (type >= kFieldByte && type <= kFieldDouble) || type == kFieldBoolean; }

const CFIELD_HEAD* FieldAt(const AttributeRecord& record, int index) {
  if (!record.structure || index < 0 || index >= record.structure->fieldCount()) return nullptr;
  const CFIELD_HEAD& field = record.structure->fields[static_cast<std::size_t>(index)];
  if (field.offset < 0 || field.storage <= 0 ||
      static_cast<std::size_t>(field.offset) + static_cast<std::size_t>(field.storage) > record.bytes.size())
    return nullptr;
  return &field;
}

int IndexOf(const AttributeRecord& record, std::string_view name) {
  return record.structure ? BasFindField(*record.structure, name) : -1;
}

bool ReadNumber(const CFIELD_HEAD& field, const uint8_t* at, double* value) {
  switch (field.type) {
    case kFieldByte: *value = at[0]; return true;
    case kFieldShort:
    case kFieldBoolean: *value = bytes::ReadLe<int16_t>(at); return true;
    case kFieldLong: *value = bytes::ReadLe<int32_t>(at); return true;
    case kFieldFloat: *value = bytes::ReadLe<float>(at); return true;
    case kFieldDouble: *value = bytes::ReadLe<double>(at); return true;
    default: return false;
  }
}

template <class T>
T ClampTo(double value) {
  if (std::isnan(value)) return 0;
  const double t = std::trunc(value);
  return static_cast<T>(std::clamp(t, static_cast<double>(std::numeric_limits<T>::min()),
                                   static_cast<double>(std::numeric_limits<T>::max())));
}

bool WriteNumber(const CFIELD_HEAD& field, uint8_t* at, double value) {
  switch (field.type) {
    case kFieldByte: at[0] = ClampTo<uint8_t>(value); return true;
    case kFieldShort:
    case kFieldBoolean: bytes::WriteLe(at, ClampTo<int16_t>(value)); return true;
    case kFieldLong: bytes::WriteLe(at, ClampTo<int32_t>(value)); return true;
    case kFieldFloat: bytes::WriteLe(at, static_cast<float>(value)); return true;
    case kFieldDouble: bytes::WriteLe(at, value); return true;
    default: return false;
  }
}

void WriteString(const CFIELD_HEAD& field, uint8_t* at, std::string_view utf8) {
  const std::size_t capacity = static_cast<std::size_t>(field.storage) - 1;
  const std::string gbk = text::ToGbk(text::CutToGbkBytes(utf8, capacity));
  std::memset(at, 0, static_cast<std::size_t>(field.storage));
  std::memcpy(at, gbk.data(), std::min(gbk.size(), capacity));
}

std::string ReadString(const CFIELD_HEAD& field, const uint8_t* at) {
  const auto* begin = reinterpret_cast<const char*>(at);
  const std::size_t size = strnlen(begin, static_cast<std::size_t>(field.storage));
  return text::FromGbk(std::string_view(begin, size));
}

std::string FormatNumber(const CFIELD_HEAD& field, double value) {
  if (field.type == kFieldFloat || field.type == kFieldDouble) {
    if (field.decimals > 0) return num::Format("%.*f", static_cast<int>(field.decimals), value);
    return num::Format("%.15g", value);
  }
  return num::FormatInt(static_cast<long>(value));
}

bool ParseDate(std::string_view text, uint8_t* at) {
  int year = 0, month = 0, day = 0;
  const std::string s(text);
  if (!s.empty() && std::sscanf(s.c_str(), "%d-%d-%d", &year, &month, &day) != 3) return false;
  bytes::WriteLe(at, static_cast<int16_t>(year));
  at[2] = static_cast<uint8_t>(month);
  at[3] = static_cast<uint8_t>(day);
  return true;
}

bool ParseTime(std::string_view text, uint8_t* at) {
  int hour = 0, minute = 0;
  const std::string s(text);
  const auto colon = s.find(':');
  const auto second = colon == std::string::npos ? std::string::npos : s.find(':', colon + 1);
  if (!s.empty() && second == std::string::npos) return false;
  double seconds = 0;
  if (!s.empty()) {
    hour = num::ParseInt(std::string_view(s).substr(0, colon));
    minute = num::ParseInt(std::string_view(s).substr(colon + 1, second - colon - 1));
    seconds = num::ParseDouble(std::string_view(s).substr(second + 1));
  }
  at[0] = static_cast<uint8_t>(hour);
  at[1] = static_cast<uint8_t>(minute);
  bytes::WriteLe(at + 2, seconds);
  return true;
}

}  // namespace

std::string FieldTypeName(int code) {
  if (code < 0 || code >= static_cast<int>(std::size(kTypeNames))) return {};
  return kTypeNames[code];
}

int16_t FieldStorageSize(uint8_t type, int16_t length) {
  if (type == kFieldString) return static_cast<int16_t>(std::clamp<int>(length, 0, INT16_MAX - 1) + 1);
  if (type < std::size(kTypeWidths)) return kTypeWidths[type];
  return std::max<int16_t>(length, 1);
}

void LayOutStructure(CATT_STRU& structure) {
  auto& fields = structure.fields;
  const auto id = std::find_if(fields.begin(), fields.end(), [](const CFIELD_HEAD& f) { return f.name == kIdFieldName; });
  if (id == fields.end()) {
    fields.insert(fields.begin(), IdField());
  } else if (id != fields.begin()) {
    std::rotate(fields.begin(), id, id + 1);
  }
  int32_t offset = 1;
  for (CFIELD_HEAD& field : fields) {
    field.name = text::CutToGbkBytes(field.name, kMaxNameBytes);
    field.storage = FieldStorageSize(field.type, field.length);
    field.offset = offset;
    offset += field.storage;
  }
  structure.recordLength = offset;
}

bool AdoptStructureLayout(CATT_STRU& structure) {
  auto& fields = structure.fields;
  if (structure.recordLength < 1 || structure.recordLength > kMaxAttributeRecordLength) return false;
  for (const CFIELD_HEAD& field : fields) {
    if (field.offset < 1 || field.storage <= 0 || field.offset + field.storage > structure.recordLength) return false;
  }
  const auto id = std::find_if(fields.begin(), fields.end(), [](const CFIELD_HEAD& f) { return f.name == kIdFieldName; });
  if (id == fields.end()) {
    CFIELD_HEAD added = IdField();
    added.storage = FieldStorageSize(added.type, added.length);
    added.offset = std::max<int32_t>(structure.recordLength, 1);
    structure.recordLength = added.offset + added.storage;
    if (structure.recordLength > kMaxAttributeRecordLength) return false;
    fields.insert(fields.begin(), added);
  } else if (id != fields.begin()) {
    std::rotate(fields.begin(), id, id + 1);
  }
  return true;
}

CATT_STRU CustomaryStructure(int entityType) {
  CATT_STRU structure;
  structure.fields.push_back(IdField());
  if (entityType == 0) structure.fields.push_back(DoubleField(kLengthFieldName));
  if (entityType == 2) {
    structure.fields.push_back(DoubleField(kAreaFieldName));
    structure.fields.push_back(DoubleField(kPerimeterFieldName));
  }
  LayOutStructure(structure);
  return structure;
}

AttributeRecord AttributeRecord::Empty(std::shared_ptr<const CATT_STRU> structure) {
  AttributeRecord record;
  const std::size_t length = structure ? static_cast<std::size_t>(std::max<int32_t>(structure->recordLength, 1)) : 1;
  record.structure = std::move(structure);
  record.bytes.assign(length, 0);
  record.bytes[0] = 1;
  return record;
}

int BasFindField(const CATT_STRU& structure, std::string_view name) {
  for (std::size_t i = 0; i < structure.fields.size(); ++i) {
    if (structure.fields[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int BasGetFieldCount(const CATT_STRU& structure) { return structure.fieldCount(); }

bool BasGetFieldText(const AttributeRecord& record, int index, std::string* out) {
  const CFIELD_HEAD* field = FieldAt(record, index);
  if (!field || !out) return false;
  const uint8_t* at = record.bytes.data() + field->offset;
  double number = 0;
  if (field->type == kFieldString) {
    *out = ReadString(*field, at);
  } else if (ReadNumber(*field, at, &number)) {
    *out = FormatNumber(*field, number);
  } else if (field->type == kFieldDate) {
    const int16_t year = bytes::ReadLe<int16_t>(at);
    *out = year == 0 && at[2] == 0 && at[3] == 0 ? std::string() : num::Format("%04d-%02d-%02d", year, at[2], at[3]);
  } else if (field->type == kFieldTime) {
    *out = num::Format("%02d:%02d:%06.3f", at[0], at[1], bytes::ReadLe<double>(at + 2));
  } else {
    return false;
  }
  return true;
}

bool BasGetFieldText(const AttributeRecord& record, std::string_view name, std::string* out) {
  return BasGetFieldText(record, IndexOf(record, name), out);
}

bool BasGetFieldDoubleByIndex(const AttributeRecord& record, int index, double* value) {
  const CFIELD_HEAD* field = FieldAt(record, index);
  if (!field || !value) return false;
  const uint8_t* at = record.bytes.data() + field->offset;
  if (field->type == kFieldString) {
    *value = num::ParseDouble(ReadString(*field, at));
    return true;
  }
  return ReadNumber(*field, at, value);
}

bool BasGetFieldDouble(const AttributeRecord& record, std::string_view name, double* value) {
  return BasGetFieldDoubleByIndex(record, IndexOf(record, name), value);
}

bool BasSetFieldByIndex(AttributeRecord& record, int index, std::string_view value) {
  const CFIELD_HEAD* field = FieldAt(record, index);
  if (!field) return false;
  uint8_t* at = record.bytes.data() + field->offset;
  if (field->type == kFieldString) {
    WriteString(*field, at, value);
    return true;
  }
  if (IsNumeric(field->type)) return WriteNumber(*field, at, num::ParseDouble(value));
  if (field->type == kFieldDate) return ParseDate(value, at);
  if (field->type == kFieldTime) return ParseTime(value, at);
  return false;
}

bool BasSetFieldByIndex(AttributeRecord& record, int index, double value) {
  const CFIELD_HEAD* field = FieldAt(record, index);
  if (!field) return false;
  uint8_t* at = record.bytes.data() + field->offset;
  if (field->type == kFieldString) {
    WriteString(*field, at, num::Format("%.15g", value));
    return true;
  }
  return WriteNumber(*field, at, value);
}

bool BasSetFieldByName(AttributeRecord& record, std::string_view name, std::string_view value) {
  return BasSetFieldByIndex(record, IndexOf(record, name), value);
}

bool BasSetFieldByName(AttributeRecord& record, std::string_view name, double value) {
  return BasSetFieldByIndex(record, IndexOf(record, name), value);
}

std::size_t BasReadFieldValue(const AttributeRecord& record, std::string_view name, void* buffer, std::size_t size) {
  const CFIELD_HEAD* field = FieldAt(record, IndexOf(record, name));
  if (!field || !buffer || size == 0) return 0;
  const uint8_t* at = record.bytes.data() + field->offset;
  if (field->type == kFieldString) {
    const std::string value = ReadString(*field, at);
    const std::size_t n = text::Utf8CutLength(value, size - 1);
    std::memcpy(buffer, value.data(), n);
    static_cast<char*>(buffer)[n] = '\0';
    return n + 1;
  }
  const std::size_t n = std::min(size, static_cast<std::size_t>(field->storage));
  std::memcpy(buffer, at, n);
  return n;
}

AttributeRecord ConvertRecord(const AttributeRecord& record, std::shared_ptr<const CATT_STRU> target) {
  AttributeRecord out = AttributeRecord::Empty(target);
  if (!record.bytes.empty()) out.bytes[0] = record.bytes[0];
  if (!record.structure || !target) return out;
  for (int i = 0; i < target->fieldCount(); ++i) {
    const CFIELD_HEAD& to = target->fields[static_cast<std::size_t>(i)];
    const int from = IndexOf(record, to.name);
    const CFIELD_HEAD* source = FieldAt(record, from);
    if (!source || !FieldAt(out, i)) continue;
    if (source->type == to.type && source->storage == to.storage) {
      std::memcpy(out.bytes.data() + to.offset, record.bytes.data() + source->offset, static_cast<std::size_t>(to.storage));
    } else if (std::string text; BasGetFieldText(record, from, &text)) {
      BasSetFieldByIndex(out, i, std::string_view(text));
    }
  }
  return out;
}

}  // namespace zv

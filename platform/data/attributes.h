#pragma once
// Attribute structures and records.
//
// A work area keeps one attribute structure (CATT_STRU) per entity type it
// holds and one record per entity id. Field 0 of every structure is "ID", a
// long integer: a structure set without it gets it added in front, and it
// cannot be deleted. The library does not fill "ID"; callers number it.
//
// A record is the bytes of one entity's values in the layout of the
// platform's attribute tables: byte 0 is a live flag, each field's value sits
// at its offset in its storage size (strings GBK, NUL-padded; numbers
// little-endian). Reads and writes by name or by index convert to and from
// UTF-8 text and numbers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Field type codes.
enum FieldTypeCode : uint8_t {
  kFieldString = 0,
  kFieldByte = 1,
  kFieldShort = 2,
  kFieldLong = 3,
  kFieldFloat = 4,
  kFieldDouble = 5,
  kFieldDate = 6,     // i16 year, u8 month, u8 day
  kFieldTime = 7,     // u8 hour, u8 minute, f64 seconds
  kFieldBoolean = 8,  // stored and read as a 16-bit integer
  kFieldText = 9,
  kFieldImage = 10,
  kFieldMap = 11,
  kFieldSound = 12,
  kFieldVideo = 13,
  kFieldBinary = 15,
  kFieldStamp = 16,
  kFieldNumber = 17,
  kFieldTable = 18,
};

// The name of a type code as the structure grid shows it ("字符型", …);
// empty for 14 and for codes of 19 and above.
std::string FieldTypeName(int code);

// One field of a structure.
struct CFIELD_HEAD {
  std::string name;        // UTF-8; at most 19 bytes in GBK form (longer names are cut)
  uint8_t type = kFieldString;
  int16_t length = 10;     // field length as the structure grid shows it: characters or digits
  int8_t decimals = 0;
  int16_t editFlag = 1;    // 0 read-only, 1 editable, 2 forbidden
  uint8_t printFlag = 0;
  int16_t position = -1;   // where an inserted field goes (0-based); -1 at the end
  // Set by the library when a structure is laid out:
  int32_t offset = 0;      // byte offset of the value in a record
  int16_t storage = 0;     // bytes the value takes in a record
};

// The storage size of a field: length + 1 for strings, the type's width for
// numbers, dates and times, `length` (at least 1) for the other types.
int16_t FieldStorageSize(uint8_t type, int16_t length);

// The longest record the platform's attribute tables hold: their record
// length is a 16-bit field. A structure with a longer record is refused, so
// what a work area holds always saves and reads back whole.
inline constexpr int32_t kMaxAttributeRecordLength = 65535;

struct CATT_STRU {
  std::vector<CFIELD_HEAD> fields;
  int32_t recordLength = 1;  // bytes of a record, the live flag included

  int16_t fieldCount() const { return static_cast<int16_t>(fields.size()); }
};

inline constexpr const char* kIdFieldName = "ID";
inline constexpr const char* kLengthFieldName = "长度";
inline constexpr const char* kAreaFieldName = "面积";
inline constexpr const char* kPerimeterFieldName = "周长";

// Lays the fields out one after the other from byte 1 (storage sizes from
// type and length) and sets the record length. Puts an "ID" long field in
// front when field 0 is not "ID" (an "ID" found elsewhere is moved there).
void LayOutStructure(CATT_STRU& structure);

// Keeps the offsets and record length as given (a file's own layout), only
// making sure "ID" is field 0: an "ID" elsewhere moves to the front of the
// list with its offset; a missing one is added at the end of the record.
// False when a field lies outside the record or the record length is not
// between 1 and kMaxAttributeRecordLength.
bool AdoptStructureLayout(CATT_STRU& structure);

// The structure a new work area gives an entity type (0 line or arc,
// 1 point, 2 region): "ID"; lines also "长度"; regions "面积" and "周长"
// (doubles).
CATT_STRU CustomaryStructure(int entityType);

// One entity's values together with the structure they follow.
struct AttributeRecord {
  std::shared_ptr<const CATT_STRU> structure;
  std::vector<uint8_t> bytes;  // structure->recordLength bytes

  // A live record of zeros for the structure.
  static AttributeRecord Empty(std::shared_ptr<const CATT_STRU> structure);
};

// The index of the first field of that name (exact match), or −1.
int BasFindField(const CATT_STRU& structure, std::string_view name);
int BasGetFieldCount(const CATT_STRU& structure);

// A field's value as UTF-8 text: strings as stored; integers "%d"; floats
// and doubles with the field's decimals (or "%.15g" when it has none); dates
// "YYYY-MM-DD" (empty when zero); times "HH:MM:SS.sss". False for a bad
// index or name, or a type without a text form.
bool BasGetFieldText(const AttributeRecord& record, int index, std::string* text);
bool BasGetFieldText(const AttributeRecord& record, std::string_view name, std::string* text);

// A field's value as a number (strings are parsed as in the C locale). False
// for a bad index or name, or a type without a number form.
bool BasGetFieldDouble(const AttributeRecord& record, std::string_view name, double* value);
bool BasGetFieldDoubleByIndex(const AttributeRecord& record, int index, double* value);

// Sets a field from text (numbers parsed as in the C locale; strings cut to
// the field at a character boundary) or from a number (rounded toward zero
// for integers; written "%.15g" into strings). False for a bad index or name
// or a type that cannot take the value.
bool BasSetFieldByIndex(AttributeRecord& record, int index, std::string_view text);
bool BasSetFieldByIndex(AttributeRecord& record, int index, double value);
bool BasSetFieldByName(AttributeRecord& record, std::string_view name, std::string_view text);
bool BasSetFieldByName(AttributeRecord& record, std::string_view name, double value);

// The value of a field by name into a caller's buffer, as the platform hands
// it over: numbers as their stored little-endian bytes (the first `size`
// bytes), strings as UTF-8 with a terminating NUL (cut at a character
// boundary). The number of bytes written, 0 when the field is absent.
std::size_t BasReadFieldValue(const AttributeRecord& record, std::string_view name, void* buffer, std::size_t size);

// The record's values moved into another structure: fields of the same name
// keep their values (converted when their types differ), others are zero.
AttributeRecord ConvertRecord(const AttributeRecord& record, std::shared_ptr<const CATT_STRU> target);

}  // namespace zv

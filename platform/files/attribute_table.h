#pragma once
// Attribute tables as the platform's files store them (sections 2, 5 and 9 of
// a vector file): a 348-byte header, 39-byte field descriptors, then records
// of a fixed length. Record n belongs to entity n; record 0 is a dummy. Byte 0
// of a record is its live flag, so fields start at offset 1.
//
// Descriptors and the header are kept as the bytes read, so that fields and
// header bytes we do not understand survive a rewrite.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv::files {

enum class FieldType : std::uint8_t {
  String = 0,
  Byte = 1,
  Short = 2,
  Long = 3,
  Float = 4,
  Double = 5,
  Date = 6,
  Time = 7,
};

// The storage size of a field of this type; strings take their display
// length plus the terminating NUL. Types outside 0..7 give 0.
int StorageSizeOf(std::uint8_t type, int displayLength);

struct AttributeField {
  static constexpr std::size_t kSize = 39;
  static constexpr std::size_t kNameBytes = 20;  // GBK, NUL-terminated

  std::array<std::uint8_t, kSize> bytes{};

  std::string Name() const;  // UTF-8
  std::uint8_t Type() const { return bytes[20]; }
  std::int32_t Offset() const;
  std::int16_t StorageSize() const;
  std::int16_t DisplayLength() const;
  std::uint8_t Decimals() const { return bytes[29]; }
  std::int16_t EditFlag() const;
  std::int16_t Number() const;

  // The name is cut to 19 GBK bytes at a character boundary.
  void SetName(std::string_view utf8);
  void SetOffset(std::int32_t offset);
  void SetNumber(std::int16_t number);
};

// A descriptor for a new field: storage size from the type (for strings,
// displayLength + 1), edit flag 2 for floating types and 1 otherwise.
AttributeField MakeField(std::string_view utf8Name, FieldType type, int displayLength, int decimals);

struct AttributeTable {
  static constexpr std::size_t kHeaderSize = 348;
  // The record length is a 16-bit field of the header.
  static constexpr std::size_t kMaxRecordLength = 65535;

  // False for a file section of size 0: the entity kind has no table.
  bool present = false;
  std::array<std::uint8_t, kHeaderSize> header{};
  std::vector<AttributeField> fields;
  std::size_t recordLength = 1;
  // recordLength bytes per record, record 0 (the dummy) included.
  std::vector<std::uint8_t> records;
  // Bytes after the last record, kept as they were.
  std::vector<std::uint8_t> trailing;

  std::size_t RecordCount() const { return recordLength ? records.size() / recordLength : 0; }
  std::uint8_t* Record(std::size_t n) { return records.data() + n * recordLength; }
  const std::uint8_t* Record(std::size_t n) const { return records.data() + n * recordLength; }
  // Adds zero (deleted) records or drops records from the end.
  void ResizeRecords(std::size_t count) { records.resize(count * recordLength); }
  bool RecordLive(std::size_t n) const { return n < RecordCount() && Record(n)[0] != 0; }
  void SetRecordLive(std::size_t n, bool live) { Record(n)[0] = live ? 1 : 0; }
  // The field index of a name (UTF-8, ASCII case ignored), or -1.
  int FindField(std::string_view utf8Name) const;
};

// A table with the given fields laid out one after another from offset 1,
// numbered 0..n-1, and the dummy record 0. The date goes into the header as
// the creation date.
AttributeTable NewAttributeTable(const std::vector<AttributeField>& fields, int year, int month, int day);

// The same, dated today.
AttributeTable TableDatedToday(const std::vector<AttributeField>& fields);

// Appends a field behind the others: every record grows by its storage size
// and the new values are zero.
void AddField(AttributeTable& table, AttributeField field);

// Removes a field and its bytes from every record; later fields move down.
void RemoveField(AttributeTable& table, std::size_t index);

// Field values. Reading gives nothing for a record or field out of range, a
// field running past the record length, or a type outside 0..7; writing
// reports false for the same. Strings are UTF-8 outside and GBK inside, cut at
// a character boundary to the field's storage size minus the NUL.
std::optional<double> FieldNumber(const AttributeTable& table, std::size_t record, std::size_t field);
std::optional<std::string> FieldText(const AttributeTable& table, std::size_t record, std::size_t field);
bool SetFieldNumber(AttributeTable& table, std::size_t record, std::size_t field, double value);
bool SetFieldText(AttributeTable& table, std::size_t record, std::size_t field, std::string_view utf8);

// Reads a table from its section bytes. Faults that leave some of the table
// usable (descriptors or records cut short, a zero record length, fields past
// the record length) are repaired and reported in `warnings`, prefixed by
// `where`; a section too short for the header gives an absent table and a
// warning.
AttributeTable DecodeAttributeTable(std::span<const std::uint8_t> section, const std::string& where,
                                    std::vector<std::string>& warnings);

// Appends the table's section bytes (nothing for an absent table). The field
// count, record count, record length and definition-area size are written
// from the table itself. False, appending nothing, for records longer than
// kMaxRecordLength: the file could not say how long they are.
bool EncodeAttributeTable(const AttributeTable& table, std::vector<std::uint8_t>& out);

}  // namespace zv::files

#pragma once
// The platform's graphic-parameter records, copied whole between entities,
// defaults, settings files, buffer files and the attribute pages:
//   PNT_INFO  94 bytes  points (texts, sub-graphs, circles, arcs, images, text blocks)
//   LIN_INFO  67 bytes  lines and region arcs
//   REG_INFO  63 bytes  regions
// Each is a packed little-endian byte record. Callers address fields by the
// byte offsets below (the named accessors use the same offsets); ParamFieldTable()
// lists every field with its offset and width.
//
// The leading bytes of each record are the parameter bytes of the entity
// record in the platform's files, at the same relative offsets: PNT_INFO[0..61]
// is the point record's bytes 31..92, LIN_INFO[0..34] the line record's bytes
// 22..56, REG_INFO[0..30] the region record's bytes 9..39. The bytes after
// those are ours (zero unless a caller sets them) and are not stored in files.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/data/byte_fields.h"

namespace zv {

// Byte offsets of PNT_INFO fields. Offsets 2..43 are a union by point kind.
namespace pnt {
inline constexpr std::size_t kKind = 0;             // u8: 0 text, 1 sub-graph, 2 circle, 3 arc, 4 image, 5 text block
inline constexpr std::size_t kOverprint = 1;        // u8
// kind 0 (text) and kind 5 (text block)
inline constexpr std::size_t kCharHeight = 2;       // f32
inline constexpr std::size_t kCharWidth = 6;        // f32
inline constexpr std::size_t kCharSpacing = 10;     // f32
inline constexpr std::size_t kTextAngle = 14;       // f32, degrees counter-clockwise
inline constexpr std::size_t kChineseFont = 18;     // i16; with kWesternFont the 32-bit layout value of the text measure
inline constexpr std::size_t kWesternFont = 20;     // i16
inline constexpr std::size_t kFontStyle = 22;       // u8: 0 upright, 1 and 2 italic
inline constexpr std::size_t kArrangement = 23;     // u8 (kind 0): 0 horizontal, 1 vertical
inline constexpr std::size_t kLineSpacing = 23;     // f32 (kind 5)
inline constexpr std::size_t kBoxWidth = 27;        // f32 (kind 5)
inline constexpr std::size_t kBoxHeight = 31;       // f32 (kind 5)
inline constexpr std::size_t kBlockArrangement = 35;  // u8 (kind 5)
// kind 1 (sub-graph)
inline constexpr std::size_t kSymbolNumber = 2;     // i32
inline constexpr std::size_t kSymbolHeight = 6;     // f32
inline constexpr std::size_t kSymbolWidth = 10;     // f32
inline constexpr std::size_t kSymbolAngle = 14;     // f32
inline constexpr std::size_t kSymbolPenWidth = 18;  // f32
inline constexpr std::size_t kSymbolAuxColour = 22; // i32
// kind 2 (circle)
inline constexpr std::size_t kCircleRadius = 2;         // f64
inline constexpr std::size_t kCircleOutlineColour = 10; // i32
inline constexpr std::size_t kCirclePenWidth = 14;      // f32
inline constexpr std::size_t kCircleFilled = 18;        // u8
// kind 3 (arc)
inline constexpr std::size_t kArcRadius = 2;        // f64
inline constexpr std::size_t kArcStartAngle = 10;   // f32
inline constexpr std::size_t kArcEndAngle = 14;     // f32
inline constexpr std::size_t kArcPenWidth = 18;     // f32
// kind 4 (image)
inline constexpr std::size_t kImageWidth = 2;       // f64
inline constexpr std::size_t kImageHeight = 10;     // f64
inline constexpr std::size_t kImageAngle = 18;      // f32
// every kind
inline constexpr std::size_t kColour = 44;          // i32
inline constexpr std::size_t kLinkedLine = 48;      // i32
inline constexpr std::size_t kLayer = 52;           // i16
}  // namespace pnt

// Byte offsets of LIN_INFO fields.
namespace lin {
inline constexpr std::size_t kStyle = 0;       // i16, line-style number (1 plain solid)
inline constexpr std::size_t kAuxStyle = 2;    // u8
inline constexpr std::size_t kOverprint = 3;   // u8
inline constexpr std::size_t kColour = 4;      // i32
inline constexpr std::size_t kWidth = 8;       // f32, mm
inline constexpr std::size_t kLineKind = 12;   // u8: 0 polyline, 1 curve
inline constexpr std::size_t kXScale = 13;     // f32
inline constexpr std::size_t kYScale = 17;     // f32
inline constexpr std::size_t kAuxColour = 21;  // i32
inline constexpr std::size_t kLayer = 25;      // i16
}  // namespace lin

// Byte offsets of REG_INFO fields.
namespace reg {
inline constexpr std::size_t kFillColour = 0;     // i32
inline constexpr std::size_t kPattern = 4;        // i16, 0 solid fill
inline constexpr std::size_t kPatternHeight = 6;  // f32
inline constexpr std::size_t kPatternWidth = 10;  // f32
inline constexpr std::size_t kPatternColour = 14; // i32
inline constexpr std::size_t kSlopeBaseline = 18; // i16
inline constexpr std::size_t kOverprint = 20;     // u8
inline constexpr std::size_t kLayer = 21;         // i16
}  // namespace reg

// Where each record's leading bytes sit in the entity records of the files,
// and how many bytes the files hold.
inline constexpr std::size_t kPointParamFileOffset = 31;
inline constexpr std::size_t kPointParamFileBytes = 62;
inline constexpr std::size_t kLineParamFileOffset = 22;
inline constexpr std::size_t kLineParamFileBytes = 35;
inline constexpr std::size_t kRegionParamFileOffset = 9;
inline constexpr std::size_t kRegionParamFileBytes = 31;

struct PNT_INFO : bytes::ByteRecord<94> {
  uint8_t kind() const { return Get<uint8_t>(pnt::kKind); }
  void setKind(uint8_t v) { Set(pnt::kKind, v); }
  float charHeight() const { return Get<float>(pnt::kCharHeight); }
  void setCharHeight(float v) { Set(pnt::kCharHeight, v); }
  float charWidth() const { return Get<float>(pnt::kCharWidth); }
  void setCharWidth(float v) { Set(pnt::kCharWidth, v); }
  float charSpacing() const { return Get<float>(pnt::kCharSpacing); }
  void setCharSpacing(float v) { Set(pnt::kCharSpacing, v); }
  float angle() const { return Get<float>(pnt::kTextAngle); }  // texts and sub-graphs alike
  void setAngle(float v) { Set(pnt::kTextAngle, v); }
  int16_t chineseFont() const { return Get<int16_t>(pnt::kChineseFont); }
  void setChineseFont(int16_t v) { Set(pnt::kChineseFont, v); }
  int16_t westernFont() const { return Get<int16_t>(pnt::kWesternFont); }
  void setWesternFont(int16_t v) { Set(pnt::kWesternFont, v); }
  int32_t symbolNumber() const { return Get<int32_t>(pnt::kSymbolNumber); }
  void setSymbolNumber(int32_t v) { Set(pnt::kSymbolNumber, v); }
  float symbolHeight() const { return Get<float>(pnt::kSymbolHeight); }
  void setSymbolHeight(float v) { Set(pnt::kSymbolHeight, v); }
  float symbolWidth() const { return Get<float>(pnt::kSymbolWidth); }
  void setSymbolWidth(float v) { Set(pnt::kSymbolWidth, v); }
  double radius() const { return Get<double>(pnt::kCircleRadius); }  // circles and arcs
  void setRadius(double v) { Set(pnt::kCircleRadius, v); }
  int32_t colour() const { return Get<int32_t>(pnt::kColour); }
  void setColour(int32_t v) { Set(pnt::kColour, v); }
  int16_t layer() const { return Get<int16_t>(pnt::kLayer); }
  void setLayer(int16_t v) { Set(pnt::kLayer, v); }
};

struct LIN_INFO : bytes::ByteRecord<67> {
  int16_t style() const { return Get<int16_t>(lin::kStyle); }
  void setStyle(int16_t v) { Set(lin::kStyle, v); }
  uint8_t auxStyle() const { return Get<uint8_t>(lin::kAuxStyle); }
  void setAuxStyle(uint8_t v) { Set(lin::kAuxStyle, v); }
  int32_t colour() const { return Get<int32_t>(lin::kColour); }
  void setColour(int32_t v) { Set(lin::kColour, v); }
  float width() const { return Get<float>(lin::kWidth); }
  void setWidth(float v) { Set(lin::kWidth, v); }
  uint8_t lineKind() const { return Get<uint8_t>(lin::kLineKind); }
  void setLineKind(uint8_t v) { Set(lin::kLineKind, v); }
  float xScale() const { return Get<float>(lin::kXScale); }
  void setXScale(float v) { Set(lin::kXScale, v); }
  float yScale() const { return Get<float>(lin::kYScale); }
  void setYScale(float v) { Set(lin::kYScale, v); }
  int32_t auxColour() const { return Get<int32_t>(lin::kAuxColour); }
  void setAuxColour(int32_t v) { Set(lin::kAuxColour, v); }
  int16_t layer() const { return Get<int16_t>(lin::kLayer); }
  void setLayer(int16_t v) { Set(lin::kLayer, v); }
};

struct REG_INFO : bytes::ByteRecord<63> {
  int32_t fillColour() const { return Get<int32_t>(reg::kFillColour); }
  void setFillColour(int32_t v) { Set(reg::kFillColour, v); }
  int16_t pattern() const { return Get<int16_t>(reg::kPattern); }
  void setPattern(int16_t v) { Set(reg::kPattern, v); }
  float patternHeight() const { return Get<float>(reg::kPatternHeight); }
  void setPatternHeight(float v) { Set(reg::kPatternHeight, v); }
  float patternWidth() const { return Get<float>(reg::kPatternWidth); }
  void setPatternWidth(float v) { Set(reg::kPatternWidth, v); }
  int32_t patternColour() const { return Get<int32_t>(reg::kPatternColour); }
  void setPatternColour(int32_t v) { Set(reg::kPatternColour, v); }
  int16_t layer() const { return Get<int16_t>(reg::kLayer); }
  void setLayer(int16_t v) { Set(reg::kLayer, v); }
};

static_assert(sizeof(PNT_INFO) == 94 && sizeof(LIN_INFO) == 67 && sizeof(REG_INFO) == 63);

enum class ParamRecordKind : uint8_t { Point, Line, Region };
enum class ParamValueType : uint8_t { U8, I16, I32, F32, F64 };

struct ParamField {
  ParamRecordKind record;
  const char* name;
  uint16_t offset;
  ParamValueType type;
  int8_t pointKind;  // the point kind the field belongs to; -1 for every kind
};

// Every field of the three records that the program reads or writes by
// offset. Fields of one point kind overlap those of the others.
std::span<const ParamField> ParamFieldTable();

// The width in bytes of a value type.
std::size_t ParamValueSize(ParamValueType type);

// The byte offset in the file's entity record of a parameter byte offset.
std::size_t ParamFileOffset(ParamRecordKind record, std::size_t paramOffset);

}  // namespace zv

#pragma once
// The handles the DXF export makes: a two-character prefix of the entity
// family followed by the decimal digits of one counter, incremented before
// each use, shared by the whole export (records, blocks, block entities,
// entities, in the order they are written). Layer records take "AA" and
// their index instead. Every made handle has at least three characters, so
// none equals a template handle (1 .. 2D), and the prefixes keep them apart.
// Readers take the digits as hexadecimal; the seed is the largest handle
// made (or the template's own seed) + 1.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::dxf {

inline constexpr std::string_view kRecordPrefix = "A2";        // BLOCK_RECORD table and records
inline constexpr std::string_view kLayerPrefix = "AA";         // layer records, by index
inline constexpr std::string_view kBlockPrefix = "B1";         // BLOCK and ENDBLK
inline constexpr std::string_view kPolylinePrefix = "BB";      // LWPOLYLINE and HATCH
inline constexpr std::string_view kMTextPrefix = "C1";
inline constexpr std::string_view kInsertPrefix = "C2";
inline constexpr std::string_view kCurvePrefix = "C3";         // CIRCLE and ARC
inline constexpr std::string_view kBlockEntityPrefix = "C4";   // entities inside sub-graph blocks

class DxfHandles {
 public:
  // prefix + the incremented counter.
  std::string Next(std::string_view prefix);
  // prefix + a number of the caller's (layer records).
  std::string Indexed(std::string_view prefix, long index);
  // A handle made elsewhere (the template's seed - 1) that the seed must pass.
  void Note(std::string_view hexHandle);

  long counter() const { return counter_; }
  // The largest handle noted or made + 1, in upper-case hexadecimal.
  std::string Seed() const;

 private:
  std::string Made(std::string_view prefix, long number);

  long counter_ = 0;
  uint64_t largest_ = 0;
};

}  // namespace zv::dxf

#pragma once
// The editor's select/display switches and its system parameters.
//
// Select/display parameters: 13 signed 16-bit entries. Entries 0–7 are those
// the settings file keeps ("ZB show", "arc show", "rever show", "top",
// "compress", "cross cursor", "symbol", "lucency show"); the others are
// switched by display commands only.
//
// System parameters: six doubles in the order the settings file keeps them
// ("Paralldis", "CleanRadius", "BufferRadius", "Smooth_Radius",
// "Limit_Radius", "ReduceRate"): the parallel-line distance, the node-clean
// radius, the buffer radius, the smoothing radius, the limit radius and the
// reduction rate of the editor's line commands.

#include <array>
#include <cstdint>

namespace zv {

enum SelectParmEntry : int {
  kShowCoordinatePoints = 0,
  kShowArcs = 1,
  kRestoredDisplay = 2,
  kTop = 3,
  kCompress = 4,
  kCrossCursor = 5,
  kSymbolDisplay = 6,
  kTransparentDisplay = 7,
  kShowLineDirection = 8,
  kShowLineEndMarks = 11,
  kSelectParmCount = 13,
};

// The settings keys of entries 0..7, in order.
inline constexpr std::array<const char*, 8> kSelectParmKeys = {
    "ZB show", "arc show", "rever show", "top", "compress", "cross cursor", "symbol", "lucency show"};

class SelectParms {
 public:
  SelectParms();
  // Copies min(count, 13) entries out or in; the number copied (0 for a
  // null array or a count below 1).
  int Get(int16_t* values, int count) const;
  int Set(const int16_t* values, int count);
  int16_t operator[](int entry) const { return entry >= 0 && entry < kSelectParmCount ? values_[entry] : 0; }
  // Flips an entry between 0 and 1; false for an entry outside 0..12.
  bool Flip(int entry);

 private:
  std::array<int16_t, kSelectParmCount> values_{};
};

enum SystemParmEntry : int {
  kParallelDistance = 0,
  kCleanRadius = 1,
  kBufferRadius = 2,
  kSmoothRadius = 3,
  kLimitRadius = 4,
  kReduceRate = 5,
  kSystemParmCount = 6,
};

inline constexpr std::array<const char*, kSystemParmCount> kSystemParmKeys = {
    "Paralldis", "CleanRadius", "BufferRadius", "Smooth_Radius", "Limit_Radius", "ReduceRate"};

struct SystemParms {
  std::array<double, kSystemParmCount> values = {1.0, 0.1, 1.0, 1.0, 0.5, 0.5};
  double& operator[](int entry) { return values.at(static_cast<std::size_t>(entry)); }
  double operator[](int entry) const { return values.at(static_cast<std::size_t>(entry)); }
};

}  // namespace zv

#pragma once
// "HWOption.sec": the hatch pattern dialog's settings between runs. 588
// bytes, little-endian, in this order: acadFolder (260-byte NUL-terminated
// GBK text), angle, startAngle, endAngle (doubles), fillColor, patternColor
// (32-bit), scaleY (double), fileListPos, patternListPos, angleKind (32-bit),
// lineWidth (float), scaleX (double), patternSource (32-bit), libFolder (260
// bytes as the first).
//
// Reading keeps the caller's fill colour (the dialog's caller sets it from
// the region being hatched); a file of another length is ignored whole, and a
// field that is not a number or lies out of its range keeps its default.

#include <string>
#include <string_view>
#include <vector>

namespace zv::panels {

inline constexpr char kHatchOptionsFile[] = "HWOption.sec";
inline constexpr std::size_t kHatchOptionsSize = 588;
inline constexpr std::size_t kHatchFolderField = 260;
inline constexpr double kMinScale = 1e-6;
inline constexpr double kMaxScale = 1e6;

struct HatchOptions {
  std::string acadFolder;
  double angle = 0.0;
  double startAngle = 23.0;
  double endAngle = 34.0;
  int fillColor = 9;
  int patternColor = 1;
  double scaleY = 5.0;
  int fileListPos = 0;
  int patternListPos = 0;
  int angleKind = 1;     // 1 single angle, 0 gradient
  float lineWidth = 0.05f;
  double scaleX = 5.0;
  int patternSource = 1;  // 1 hatch-pattern files, 0 pattern libraries
  std::string libFolder;
};

// The file's bytes; a folder that GBK cannot hold or whose GBK form exceeds
// 259 bytes is written empty and named in `problems`.
std::string EncodeHatchOptions(const HatchOptions& options, std::vector<std::string>* problems);

// Reads the bytes over `options` (whose fill colour stays); false when their
// length is not 588 (nothing changes then).
bool DecodeHatchOptions(std::string_view bytes, HatchOptions& options);

// The file in the data folder: reading a missing or unreadable file keeps the
// defaults; saving writes the whole file atomically, false with a message.
void LoadHatchOptions(HatchOptions& options);
bool SaveHatchOptions(const HatchOptions& options, std::vector<std::string>* problems, std::string* error);

}  // namespace zv::panels

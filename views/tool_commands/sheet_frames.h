#pragma once
// The map frames of the section tool view, without Qt: the table of frame
// commands and codes, sheet numbers resolved to their sheet, the plane a
// sheet is projected on, and the frames drawn through the standard and
// graticule frame drawings of tools/frame into a view's current areas, in
// paper millimetres at the frame's scale.
//
// Sheet frames (codes 4041–4049, 4153 and the sheet-number and land-use
// commands) are graticule frames of the sheet's longitude and latitude
// range with the sheet number centred above the outer border. Square
// frames (4050–4052) are standard frames of 50 × 50 cm from a south-west
// corner in kilometres.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/map_sheet.h"
#include "platform/data/map_params.h"
#include "tools/frame/standard_frame.h"

namespace zv::framecmd {

enum class FrameKind { kSheet, kSquare, kRange };

struct FrameCommand {
  int id;
  int code;
  long scale;  // 0 for the range frame, whose scale is typed
  FrameKind kind;
  const char* text;
};

// The frame commands with their codes, in menu order. Code 4046 is none's.
inline constexpr std::size_t kFrameCommandCount = 12;
std::span<const FrameCommand> FrameCommands();
const FrameCommand* FindFrameCommand(int id);

// A sheet as a number names it.
struct Sheet {
  std::string number;  // the new number
  long scale = 0;
  SheetExtentSeconds extent;
};

// A new or old sheet number (blanks ignored) at `scale` (0: whatever scale
// the number has); none, with the user's message, for a malformed number or
// one of another scale.
std::optional<Sheet> ResolveSheet(std::string_view typed, long scale, std::string* error);

// The Gauss-Krüger plane of a sheet frame: the document's ellipsoid and
// central meridian when its map parameters are Gauss-Krüger, else Beijing
// 1954 with the central meridian of the 3° zone (up to 1:10 000) or the 6°
// zone (from 1:25 000) of the range's middle longitude; in millimetres at
// the scale.
struct SheetPlane {
  MapParams record;
  int zone = 0;
};
SheetPlane PlaneOf(long scale, double middleLongitudeSeconds, const MapParams* document);

// The kilometre grid interval of a sheet frame at a scale.
double GridInterval(long scale);

// Texts put around a sheet frame: `above` lines go upwards from the outer
// border, centred (the first nearest the border); `topRight` over the
// border's right end; `belowLeft` and `belowRight` lines downwards under
// the border's ends.
struct FrameTexts {
  std::vector<std::string> above;
  std::string topRight;
  std::vector<std::string> belowLeft;
  std::string belowRight;
};

// The graticule frame of a longitude and latitude range (seconds of arc).
frame::FrameResult DrawRangeFrame(const frame::FrameTarget& target, const SheetExtentSeconds& range, long scale,
                                  const MapParams* document, const FrameTexts& texts);

// The 50 × 50 cm standard frame whose south-west corner is (eastKm, northKm).
frame::FrameResult DrawSquareFrame(const frame::FrameTarget& target, double eastKm, double northKm, long scale);

// The land-use frame's texts as its dialog holds them, with the defaults.
struct LandUseRecord {
  std::string title = "土地利用图";
  std::string oldNumber = "H-49-106-(64)";
  std::string newNumber = "H49 G 072080";
  std::string security = "内部用图";
  std::string authority = "测绘机关";
  std::string production = "1981年11月航空摄影，xxxx年x月调绘，1985年编印。\n1954年北京坐标系，1985高程基准。";
  std::string filePattern = "LandFrm.w?";
};
frame::FrameResult DrawLandUseFrame(const frame::FrameTarget& target, const LandUseRecord& record,
                                    const MapParams* document);

}  // namespace zv::framecmd

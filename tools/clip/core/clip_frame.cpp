#include "tools/clip/core/clip_frame.h"

#include <algorithm>
#include <limits>

#include "framework/text/numbers.h"
#include "platform/files/work_area_file.h"
#include "tools/frame/standard_frame.h"

namespace zv::tools {

double RoundTo3Decimals(double value) { return num::ParseDouble(num::Format("%10.3f", value)); }

ClipFrameCorners ClipFrameCornersOf(const std::vector<std::vector<D_DOT>>& outline, long oldScale) {
  double xmin = std::numeric_limits<double>::max(), ymin = xmin;
  double xmax = std::numeric_limits<double>::lowest(), ymax = xmax;
  for (const std::vector<D_DOT>& ring : outline) {
    for (const D_DOT& p : ring) {
      xmin = std::min(xmin, p.x);
      ymin = std::min(ymin, p.y);
      xmax = std::max(xmax, p.x);
      ymax = std::max(ymax, p.y);
    }
  }
  const double km = static_cast<double>(oldScale) * 0.000001;
  return {RoundTo3Decimals(xmin * km), RoundTo3Decimals(ymin * km), RoundTo3Decimals(xmax * km),
          RoundTo3Decimals(ymax * km)};
}

std::string WriteClipFrame(const std::vector<std::vector<D_DOT>>& outline, long oldScale, long newScale,
                           const LIN_INFO& line, const PNT_INFO& text, const ClipFramePaths& paths) {
  const ClipFrameCorners c = ClipFrameCornersOf(outline, oldScale);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle lines = BasCreateLineWorkArea(set);
  const WorkAreaHandle points = BasCreatePointWorkArea(set);
  const WorkAreaHandle regions = BasCreateRegionWorkArea(set);
  auto corner = [](double km) { return num::Format("%.3f", km); };
  const frame::StandardFrame standard{corner(c.xmin), corner(c.xmax), corner(c.ymin), corner(c.ymax), newScale,
                                      std::nullopt};
  std::string error = frame::DrawStandardFrame({points, lines, line, text}, standard).error;
  const std::pair<WorkAreaHandle, const std::string*> files[] = {
      {lines, &paths.lines}, {points, &paths.points}, {regions, &paths.regions}};
  for (const auto& [area, path] : files) {
    if (!error.empty()) break;
    if (BasSaveWorkArea(area, *path, kSavePathComplete) != 1) error = BasLastSaveError();
  }
  BasFreeWorkAreaSet(set);
  return error;
}

}  // namespace zv::tools

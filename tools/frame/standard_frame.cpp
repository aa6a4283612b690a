#include "tools/frame/standard_frame.h"

#include <array>
#include <cmath>

#include "framework/text/numbers.h"
#include "tools/frame/frame_labels.h"
#include "tools/frame/grid_walk.h"

namespace zv::frame {
namespace {

constexpr double kTick = 10.0;
constexpr double kOuter = 11.0;
constexpr double kGridTolerance = 0.00001;  // km
constexpr const char* kBadNumber = "图框坐标必须是数字！";
constexpr const char* kOutOfRange = "图框坐标超出范围！";
constexpr const char* kTooManyLines = "公里网线太多，请检查图框坐标和比例尺！";

// One corner's ticks: outward directions and whether it lies above the frame.
struct Corner {
  double dx, dy;
  bool top;
};
constexpr std::array<Corner, 4> kCorners = {{{-1, -1, false}, {1, -1, false}, {1, 1, true}, {-1, 1, true}}};

std::vector<D_DOT> Rectangle(double x1, double y1, double x2, double y2, double out) {
  return {{x1 - out, y1 - out}, {x2 + out, y1 - out}, {x2 + out, y2 + out}, {x1 - out, y2 + out}, {x1 - out, y1 - out}};
}

}  // namespace

FrameResult DrawStandardFrame(const FrameTarget& target, const StandardFrame& frame) {
  FrameResult result;
  const std::optional<double> x1 = num::ParseTypedReal(frame.x1), x2 = num::ParseTypedReal(frame.x2);
  const std::optional<double> y1 = num::ParseTypedReal(frame.y1), y2 = num::ParseTypedReal(frame.y2);
  if (!x1 || !x2 || !y1 || !y2) {
    result.error = kBadNumber;
    return result;
  }
  if (frame.scale <= 0) {
    result.error = kBadFrameScale;
    return result;
  }
  const double s = static_cast<double>(frame.scale);
  auto mm = [s](double km) { return km * 1000000.0 / s; };
  const double left = mm(*x1), right = mm(*x2), bottom = mm(*y1), top = mm(*y2);
  // Paper millimetres beyond a double would put infinite vertices into the areas.
  if (!std::isfinite(left - kOuter) || !std::isfinite(right + kOuter) || !std::isfinite(bottom - kOuter) ||
      !std::isfinite(top + kOuter) || !std::isfinite(right - left) || !std::isfinite(top - bottom)) {
    const bool numbers = std::isfinite(*x1) && std::isfinite(*x2) && std::isfinite(*y1) && std::isfinite(*y2);
    result.error = numbers ? kOutOfRange : kBadNumber;
    return result;
  }
  const double step = s * 0.0001;
  const std::optional<std::vector<double>> northings = GridValues(*y1, *y2, step, kGridTolerance);
  const std::optional<std::vector<double>> eastings = GridValues(*x1, *x2, step, kGridTolerance);
  if (!northings || !eastings) {
    result.error = kTooManyLines;
    return result;
  }
  const std::array<D_DOT, 4> p = {{{left, bottom}, {right, bottom}, {right, top}, {left, top}}};
  const std::array<const std::string*, 4> eastingText = {&frame.x1, &frame.x2, &frame.x2, &frame.x1};
  const std::array<const std::string*, 4> northingText = {&frame.y1, &frame.y1, &frame.y2, &frame.y2};
  const std::string prefix = frame.zone ? num::Format("%d", *frame.zone) : std::string();

  FrameWriter out(target);
  out.Line({p[0], p[1], p[2], p[3], p[0]}, kThinWidth);
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Corner& c = kCorners[i];
    const D_DOT h{p[i].x + c.dx * kTick, p[i].y};
    out.Line({p[i], h}, kThinWidth);
    const SplitLabel northing = SplitKilometres(*northingText[i]);
    const D_DOT northingAt{h.x + 0.5, h.y + 1.0};
    out.Text(northingAt, northing.small, kSmallText);
    out.Text({northingAt.x + 2.0, northingAt.y - 1.0}, northing.large, kLargeText);
    const D_DOT v{p[i].x, p[i].y + c.dy * kTick};
    out.Line({p[i], v}, kThinWidth);
    const SplitLabel easting = SplitKilometres(*eastingText[i]);
    const D_DOT eastingAt{v.x - 3.2, v.y + (c.top ? -2.5 : 1.0)};
    out.Text(eastingAt, prefix + easting.small, kSmallText);
    out.Text({eastingAt.x + 3.7, eastingAt.y - 1.0}, easting.large, kLargeText);
  }
  out.Line(Rectangle(left, bottom, right, top, kTick), kThinWidth);
  out.Line(Rectangle(left, bottom, right, top, kOuter), kOuterWidth);

  const int decimals = GridDecimals(step);
  const double gridLeft = left - kTick, gridRight = right + kTick;
  for (const double value : *northings) {
    const double y = mm(value);
    out.Line({{gridLeft, y}, {gridRight, y}}, kThinWidth);
    const std::string label = GridLabel(value, decimals);
    out.Text({gridLeft + 4.7, y}, label, kLargeText);
    out.Text({gridRight - 9.5, y}, label, kLargeText);
  }
  const double gridBottom = bottom - kTick, gridTop = top + kTick;
  for (const double value : *eastings) {
    const double x = mm(value);
    out.Line({{x, gridBottom}, {x, gridTop}}, kThinWidth);
    const std::string label = GridLabel(value, decimals);
    out.Text({x - 3.0, gridBottom + 6.5}, label, kLargeText);
    out.Text({x - 3.0, gridTop - 10.0}, label, kLargeText);
  }
  result.drawn = out.drawn();
  return result;
}

}  // namespace zv::frame

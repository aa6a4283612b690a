#include "tools/frame/graticule_frame.h"

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "framework/text/numbers.h"
#include "platform/projection/dms.h"
#include "platform/projection/proj_params.h"
#include "tools/frame/frame_labels.h"
#include "tools/frame/grid_walk.h"

namespace zv::frame {
namespace {

constexpr double kBand = 10.0;
constexpr double kOuter = 11.0;
constexpr double kGridToleranceMm = 0.00001;
constexpr double kQuarterMinute = 15.0;  // seconds of arc
// About 83° of ticks along one side; a wider range is no map frame.
constexpr int kMaxTicks = 20000;
constexpr const char* kBadAngle = "经纬度数据错误！";
constexpr const char* kBadInterval = "公里网间隔必须大于0！";
constexpr const char* kTooWide = "经纬度范围太大或公里网间隔太小，无法绘制图框！";

// The outward direction of each corner, P0 lower left, anticlockwise.
constexpr std::array<D_DOT, 4> kOutward = {{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};

D_DOT Moved(const D_DOT& p, const D_DOT& direction, double by) { return {p.x + direction.x * by, p.y + direction.y * by}; }

// The y of segment a-b at x, and its x at y.
double YAt(const D_DOT& a, const D_DOT& b, double x) { return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x); }
double XAt(const D_DOT& a, const D_DOT& b, double y) { return b.x - (b.x - a.x) * (b.y - y) / (b.y - a.y); }

// The projected corners and the borders around them.
struct Quad {
  std::array<D_DOT, 4> p;
  D_DOT Corner(int i, double out) const { return Moved(p[i], kOutward[i], out); }
  double Bottom(double x, double out) const { return YAt(Corner(0, out), Corner(1, out), x); }
  double Top(double x, double out) const { return YAt(Corner(3, out), Corner(2, out), x); }
  double Left(double y, double out) const { return XAt(Corner(0, out), Corner(3, out), y); }
  double Right(double y, double out) const { return XAt(Corner(1, out), Corner(2, out), y); }
  std::vector<D_DOT> Ring(double out) const {
    return {Corner(0, out), Corner(1, out), Corner(2, out), Corner(3, out), Corner(0, out)};
  }
};

struct Angles {
  double minLon, maxLon, minLat, maxLat;  // packed DDDMMSS
};

// The frame knows no western longitudes and no southern latitudes.
std::optional<double> PackedAngle(const std::string& text) {
  const std::optional<double> value = ParseTypedDms(text);
  return value && *value >= 0.0 ? value : std::nullopt;
}

}  // namespace

std::optional<std::vector<double>> QuarterMinuteMarks(double minimum, double maximum) {
  const DmsParts from = ProjSplitDms(minimum);
  double last = maximum;
  ProjDmsToSeconds(&last);
  double seconds = from.degrees * 3600.0 + from.minutes * 60.0 + std::ceil(from.seconds / kQuarterMinute) * kQuarterMinute;
  if ((last - seconds) / kQuarterMinute > kMaxTicks) return std::nullopt;
  std::vector<double> marks;
  for (; seconds < last || std::fabs(seconds - last) < 0.00001; seconds += kQuarterMinute)
    marks.push_back(ProjSecondsToDms(seconds));
  return marks;
}

namespace {

// Split labels go on the first and the last line of a direction.
bool SplitLabelled(std::size_t index, std::size_t count) { return index == 0 || index + 1 == count; }

void DrawGraticuleBorders(FrameWriter& out, const Quad& q) {
  out.Line(q.Ring(0.0), kThinWidth);
  out.Line(q.Ring(kBand), kThinWidth);
  out.Line(q.Ring(kOuter), kOuterWidth);
}

void DrawGraticuleEastingLines(FrameWriter& out, const Quad& q, const std::vector<double>& values, double s,
                               int decimals, const std::string& zone) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double x = values[i] * 1000000.0 / s;
    const double bottom = q.Bottom(x, kBand), top = q.Top(x, kBand);
    out.Line({{x, bottom}, {x, top}}, kThinWidth);
    if (SplitLabelled(i, values.size())) {
      const SplitLabel label = SplitKilometres(FormatKilometres(values[i], decimals));
      for (const D_DOT at : {D_DOT{x - 3.2, bottom + 7.5}, D_DOT{x - 3.2, top - 9.0}}) {
        out.Text(at, zone + label.small, kSmallText);
        out.Text({at.x + 3.7, at.y - 1.0}, label.large, kLargeText);
      }
    } else {
      const std::string label = GridLabel(values[i], decimals);
      out.Text({x - 3.0, bottom + 6.5}, label, kLargeText);
      out.Text({x - 3.0, top - 10.0}, label, kLargeText);
    }
  }
}

void DrawGraticuleNorthingLines(FrameWriter& out, const Quad& q, const std::vector<double>& values, double s,
                                int decimals) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double y = values[i] * 1000000.0 / s;
    const double left = q.Left(y, kBand), right = q.Right(y, kBand);
    out.Line({{left, y}, {right, y}}, kThinWidth);
    if (SplitLabelled(i, values.size())) {
      const SplitLabel label = SplitKilometres(FormatKilometres(values[i], decimals));
      for (const D_DOT at : {D_DOT{left + 0.5, y + 1.0}, D_DOT{right - 9.5, y + 1.0}}) {
        out.Text(at, label.small, kSmallText);
        out.Text({at.x + 2.0, at.y - 1.0}, label.large, kLargeText);
      }
    } else {
      const std::string label = GridLabel(values[i], decimals);
      out.Text({left + 4.7, y}, label, kLargeText);
      out.Text({right - 9.5, y}, label, kLargeText);
    }
  }
}

void DrawGraticuleCornerLabels(FrameWriter& out, const Quad& q, const GraticuleFrame& frame) {
  const std::array<const std::string*, 4> longitudes = {&frame.minLongitude, &frame.maxLongitude, &frame.maxLongitude,
                                                        &frame.minLongitude};
  const std::array<const std::string*, 4> latitudes = {&frame.minLatitude, &frame.minLatitude, &frame.maxLatitude,
                                                       &frame.maxLatitude};
  for (int i = 0; i < 4; ++i) {
    const D_DOT& p = q.p[i];
    const bool right = kOutward[i].x > 0, top = kOutward[i].y > 0;
    const D_DOT h{p.x + kOutward[i].x * kBand, p.y};
    out.Line({p, h}, kThinWidth);
    const SplitLabel latitude = SplitAfterDegrees(FormatDms(*latitudes[i]));
    const D_DOT degreesAt{right ? h.x - 8.0 : h.x + 2.0, h.y};
    out.Text(degreesAt, latitude.small, kCornerText);
    out.Text({degreesAt.x - 1.5, degreesAt.y - 3.5}, latitude.large, kCornerText);
    const D_DOT v{p.x, p.y + kOutward[i].y * kBand};
    out.Line({p, v}, kThinWidth);
    out.Text({v.x - 6.0, top ? v.y - 3.5 : v.y}, FormatDms(*longitudes[i]), kCornerText);
  }
}

void DrawGraticuleTicks(FrameWriter& out, const Quad& q, const GeographicToMap& projector, const Angles& a,
                        const std::vector<double>& longitudes, const std::vector<double>& latitudes) {
  D_DOT m{};
  for (const double lon : longitudes) {
    if (projector.Project(lon, a.minLat, &m.x, &m.y))
      out.Line({{m.x, q.Bottom(m.x, kBand)}, {m.x, q.Bottom(m.x, kOuter)}}, kTickWidth);
    if (projector.Project(lon, a.maxLat, &m.x, &m.y))
      out.Line({{m.x, q.Top(m.x, kBand)}, {m.x, q.Top(m.x, kOuter)}}, kTickWidth);
  }
  for (const double lat : latitudes) {
    if (projector.Project(a.minLon, lat, &m.x, &m.y))
      out.Line({{q.Left(m.y, kBand), m.y}, {q.Left(m.y, kOuter), m.y}}, kTickWidth);
    if (projector.Project(a.maxLon, lat, &m.x, &m.y))
      out.Line({{q.Right(m.y, kBand), m.y}, {q.Right(m.y, kOuter), m.y}}, kTickWidth);
  }
}

}  // namespace

FrameResult DrawGraticuleFrame(const FrameTarget& target, const GraticuleFrame& frame) {
  FrameResult result;
  const auto minLon = PackedAngle(frame.minLongitude), maxLon = PackedAngle(frame.maxLongitude);
  const auto minLat = PackedAngle(frame.minLatitude), maxLat = PackedAngle(frame.maxLatitude);
  if (!minLon || !maxLon || !minLat || !maxLat) {
    result.error = kBadAngle;
    return result;
  }
  const Angles a{*minLon, *maxLon, *minLat, *maxLat};
  if (!(frame.interval > 0.0) || !std::isfinite(frame.interval)) {
    result.error = kBadInterval;
    return result;
  }
  const std::unique_ptr<GeographicToMap> projector = GeographicToMap::FromMapParams(frame.record, &result.error);
  if (!projector) return result;
  Quad q;
  const std::array<D_DOT, 4> corners = {{{a.minLon, a.minLat}, {a.maxLon, a.minLat}, {a.maxLon, a.maxLat}, {a.minLon, a.maxLat}}};
  for (int i = 0; i < 4; ++i)
    if (!projector->Project(corners[i].x, corners[i].y, &q.p[i].x, &q.p[i].y)) {
      result.error = kBadAngle;
      return result;
    }
  const double s = std::trunc(frame.record.scale());
  if (s < 1.0) {
    result.error = kBadFrameScale;
    return result;
  }
  const double km = s * 0.000001;  // per map millimetre
  const double tolerance = kGridToleranceMm * km;
  const auto eastings = GridValues(q.p[0].x * km, q.p[1].x * km, frame.interval, tolerance);
  const auto northings = GridValues(q.p[0].y * km, q.p[3].y * km, frame.interval, tolerance);
  const auto lonMarks = QuarterMinuteMarks(a.minLon, a.maxLon);
  const auto latMarks = QuarterMinuteMarks(a.minLat, a.maxLat);
  if (!eastings || !northings || !lonMarks || !latMarks) {
    result.error = kTooWide;
    return result;
  }
  const int decimals = GridDecimals(frame.interval);
  {
    FrameWriter out(target);
    DrawGraticuleBorders(out, q);
    DrawGraticuleEastingLines(out, q, *eastings, s, decimals, num::Format("%d", frame.zone));
    DrawGraticuleNorthingLines(out, q, *northings, s, decimals);
    DrawGraticuleCornerLabels(out, q, frame);
    DrawGraticuleTicks(out, q, *projector, a, *lonMarks, *latMarks);
    result.drawn = out.drawn();
  }
  BasSetMapParams(target.points, frame.record);
  BasSetMapParams(target.lines, frame.record);
  return result;
}

}  // namespace zv::frame

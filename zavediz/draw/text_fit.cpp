#include "zavediz/draw/text_fit.h"

#include <cmath>
#include <cstdlib>

#include "framework/text/numbers.h"
#include "platform/data/geometry.h"
#include "platform/display/text_measure.h"

namespace zv::zavediz {

void FitTextToWidth(PNT_INFO& params, int16_t n, double w, double available, bool byHeight) {
  const double size = byHeight ? params.charHeight() : params.charWidth();
  const double spacing = params.charSpacing();
  const bool tooWide = w * size > available;
  if (n < 2 || (tooWide && w * size + (n - 1) * spacing > available)) {
    params.setCharSpacing(0.0f);
    if (!tooWide) return;
    const float fitted = static_cast<float>(available / w);
    if (byHeight) {
      params.setCharHeight(fitted);
    } else {
      params.setCharWidth(fitted);
    }
    return;
  }
  params.setCharSpacing(static_cast<float>((available - w * size) / (n - 1)));
}

void FitMeasuredText(PNT_INFO& params, const std::string& text, double available, bool byHeight) {
  FitTextToWidth(params, static_cast<int16_t>(display::DspTextCharCount(text)), display::DspTextLength(text, 1, 0),
                 available, byHeight);
}

double FitCaptionSpacing(double n, float& size, double y0, double y1) {
  if (n < 2) return 0.0;
  const double length = y1 - y0;
  double spacing = (length - size * n) / (n - 1);
  while (spacing < 0) {
    size -= 0.05f;
    spacing = (length - size * n) / n;
  }
  return spacing;
}

void ShortenSegment(D_DOT& a, D_DOT& b) {
  const double d = BasPointDistance(a, b);
  if (d == 0.0) return;
  const double dx = (b.x - a.x) / d, dy = (b.y - a.y) / d;
  a = D_DOT{a.x + dx, a.y + dy};
  b = D_DOT{b.x - dx, b.y - dy};
}

std::string FormatAzimuth(double radians, bool rightEnd) {
  double a = (rightEnd ? 90.0 : 270.0) - radians * 57.29577951308232;
  a = std::fmod(a, 360.0);
  if (a < 0) a += 360.0;
  const double degrees = std::trunc(a);
  const double minutes = std::trunc((a - degrees) * 60.0);
  const double seconds = std::trunc(((a - degrees) * 60.0 - minutes) * 60.0);
  return std::to_string(static_cast<int>(degrees)) + "°" + std::to_string(static_cast<int>(minutes)) + "′" +
         std::to_string(static_cast<int>(seconds)) + "″";
}

bool ParseSlashPair(const std::string& text, double& first, double& second) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return false;
  first = num::ParseDouble(text.substr(0, slash));
  second = num::ParseDouble(text.substr(slash + 1));
  return true;
}

}  // namespace zv::zavediz

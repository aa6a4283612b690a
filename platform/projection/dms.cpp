#include "platform/projection/dms.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv {

double ProjSecondsToDms(double seconds) {
  const bool negative = seconds < 0;
  double rest = std::abs(seconds);
  double degrees = std::floor(rest / 3600);
  rest -= degrees * 3600;
  double minutes = std::floor(rest / 60);
  rest -= minutes * 60;
  if (rest >= 60 - 1e-9) {
    rest = 0;
    minutes += 1;
  }
  if (rest < 0) rest = 0;
  if (minutes >= 60) {
    minutes -= 60;
    degrees += 1;
  }
  const double packed = degrees * 10000 + minutes * 100 + rest;
  return negative ? -packed : packed;
}

DmsParts ProjSplitDms(double packed) {
  DmsParts parts;
  parts.negative = packed < 0;
  const double magnitude = std::abs(packed);
  const double degrees = std::trunc(magnitude / 10000);
  const double rest = magnitude - degrees * 10000;
  const double minutes = std::trunc(rest / 100);
  parts.degrees = static_cast<int>(degrees);
  parts.minutes = static_cast<int>(minutes);
  parts.seconds = rest - minutes * 100;
  return parts;
}

bool ProjDmsToSeconds(double* value) {
  if (!std::isfinite(*value) || std::abs(*value) >= 1e13) return false;
  const DmsParts parts = ProjSplitDms(*value);
  if (parts.minutes >= 60 || parts.seconds >= 60) return false;
  const double seconds = parts.degrees * 3600.0 + parts.minutes * 60.0 + parts.seconds;
  *value = parts.negative ? -seconds : seconds;
  return true;
}

std::optional<double> ParseTypedDms(std::string_view text) {
  const std::optional<double> value = num::ParseTypedReal(text);
  if (!value) return std::nullopt;
  double seconds = *value;
  if (!ProjDmsToSeconds(&seconds)) return std::nullopt;
  return value;
}

}  // namespace zv

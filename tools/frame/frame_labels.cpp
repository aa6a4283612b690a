#include "tools/frame/frame_labels.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::frame {
namespace {

constexpr int kMaxDecimals = 6;
constexpr const char* kDegreeSign = "°";
constexpr const char* kMinuteSign = "′";
constexpr const char* kSecondSign = "″";

// Where the whole part ends: the decimal point, or the end.
std::size_t PointOf(std::string_view text) {
  const std::size_t point = text.find('.');
  return point == std::string_view::npos ? text.size() : point;
}

// The position `back` characters before the point, or the start.
std::size_t BeforePoint(std::string_view text, std::size_t back) {
  const std::size_t point = PointOf(text);
  return point > back ? point - back : 0;
}

}  // namespace

SplitLabel SplitKilometres(std::string_view text) {
  const std::size_t cut = BeforePoint(text, 2);
  return {std::string(text.substr(0, cut)), std::string(text.substr(cut))};
}

int GridDecimals(double step) {
  for (int decimals = 1; decimals < kMaxDecimals; ++decimals) {
    const double shifted = step * std::pow(10.0, decimals);
    if (std::fabs(shifted - std::round(shifted)) < 1e-6) return decimals;
  }
  return kMaxDecimals;
}

std::string FormatKilometres(double value, int decimals) { return num::Format("%.*f", decimals, value); }

std::string GridLabel(double value, int decimals) { return SplitKilometres(FormatKilometres(value, decimals)).large; }

std::string FormatDms(std::string_view packed) {
  // The text is ASCII before the signs go in; the minute sign goes in first
  // so that the degree position still counts single-byte characters.
  std::string text(packed);
  const std::size_t minutes = BeforePoint(text, 2);
  const std::size_t degrees = BeforePoint(text, 4);
  text.insert(minutes, kMinuteSign);
  text.insert(degrees, kDegreeSign);
  return text + kSecondSign;
}

SplitLabel SplitAfterDegrees(std::string_view text) {
  const std::size_t sign = text.find(kDegreeSign);
  const std::size_t cut = sign == std::string_view::npos ? 0 : sign + std::char_traits<char>::length(kDegreeSign);
  return {std::string(text.substr(0, cut)), std::string(text.substr(cut))};
}

}  // namespace zv::frame

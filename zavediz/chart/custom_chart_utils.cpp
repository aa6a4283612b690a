#include "zavediz/chart/custom_chart_utils.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::chart {

std::string DecimalFormat(int decimals) {
  return decimals >= 1 && decimals <= 5 ? "%5." + std::to_string(decimals) + "f" : std::string();
}

std::string FormatColumnNumber(double value, int decimals) {
  if (decimals == 0) return num::FormatInt(static_cast<long>(std::trunc(value + value * 1e-9)));
  if (DecimalFormat(decimals).empty()) return {};
  return num::Format("%5.*f", decimals, value);
}

std::string TrimLeadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

int32_t AddChartPolylineStyled(ChartWriter& writer, const std::vector<D_DOT>& vertices, int16_t style,
                               int32_t colour, float width) {
  LIN_INFO info;
  info.Set(lin::kStyle, style);
  info.Set(lin::kColour, colour);
  info.Set(lin::kWidth, width);
  info.Set(lin::kXScale, 8.0f);
  info.Set(lin::kYScale, 8.0f);
  return BasAppendLine(writer.areas().line, vertices, info);
}

}  // namespace zv::chart

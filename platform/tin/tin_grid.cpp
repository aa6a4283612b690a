#include "platform/tin/tin_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/text/numbers.h"
#include "platform/tin/tin_locate.h"

namespace zv::tin {

double DefaultGridStep(const D_RECT& extent) {
  return std::max(extent.xmax - extent.xmin, extent.ymax - extent.ymin) / 100.0;
}

GridChoice GridOver(const D_RECT& extent, double step) {
  GridChoice choice;
  if (!(step > 0) || !std::isfinite(step)) {
    choice.error = "网格间距必须大于0";
    return choice;
  }
  // A side that is a whole number of steps within rounding ends on a node.
  const auto nodes = [&](double length) { return std::ceil(length / step - 1e-9) + 1; };
  const double columns = std::max(2.0, nodes(extent.xmax - extent.xmin));
  const double rows = std::max(2.0, nodes(extent.ymax - extent.ymin));
  if (!(columns * rows <= static_cast<double>(kMaxGridNodes))) {
    choice.error = "网格结点太多，请加大网格间距";
    return choice;
  }
  choice.spec = {extent.xmin, extent.ymin, step, static_cast<int64_t>(columns), static_cast<int64_t>(rows)};
  return choice;
}

std::string DsaaText(const Tin& tin, const GridSpec& spec) {
  const TinLocator locator(tin);
  std::vector<double> values(static_cast<size_t>(spec.columns * spec.rows));
  double zlo = INFINITY, zhi = -INFINITY;
  for (int64_t r = 0; r < spec.rows; ++r)
    for (int64_t c = 0; c < spec.columns; ++c) {
      const double v = locator.ValueAt(spec.x0 + static_cast<double>(c) * spec.step,
                                       spec.y0 + static_cast<double>(r) * spec.step);
      values[r * spec.columns + c] = std::isnan(v) ? kBlankNode : v;
      if (!std::isnan(v)) zlo = std::min(zlo, v), zhi = std::max(zhi, v);
    }
  if (zlo > zhi) zlo = zhi = 0;
  const double xhi = spec.x0 + static_cast<double>(spec.columns - 1) * spec.step;
  const double yhi = spec.y0 + static_cast<double>(spec.rows - 1) * spec.step;
  std::string text = "DSAA\n" + num::Format("%lld %lld\n", static_cast<long long>(spec.columns),
                                            static_cast<long long>(spec.rows)) +
                     num::Format("%.12g %.12g\n%.12g %.12g\n%.12g %.12g\n", spec.x0, xhi, spec.y0, yhi, zlo, zhi);
  for (int64_t r = 0; r < spec.rows; ++r) {
    for (int64_t c = 0; c < spec.columns; ++c) {
      const double v = values[r * spec.columns + c];
      text += v == kBlankNode ? "1.70141e+38" : num::Format("%.12g", v);
      text += (c + 1) % 10 == 0 || c + 1 == spec.columns ? '\n' : ' ';
    }
    text += '\n';
  }
  return text;
}

}  // namespace zv::tin

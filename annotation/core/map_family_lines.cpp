#include "annotation/core/map_family_lines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "annotation/core/ring_clipper.h"
#include "panels/core/hatch_geometry.h"

namespace zv::annot {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// Lines through the box's extreme vertices count despite rounding.
constexpr double kRangeSlack = 1e-9;

bool Finite(const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// One family laid over the box of the compressed rings in its own frame.
class FamilyPlan {
 public:
  FamilyPlan(const panels::HatchFamily& f, const Rings& compressed, const MapHatchOptions& o)
      : f_(f), angle_(f.Number(0) * kDegree), dx_(f.Number(3)), dy_(f.Number(4)) {
    box_ = RotatedRingsBox(compressed, angle_);
    if (o.fan.Distance() != 0) {
      const double h = box_.ymax - box_.ymin;
      box_ = {box_.xmin - h, box_.ymin - h, box_.xmax + h, box_.ymax + h};
    }
    origin_ = panels::RotateHatchVector(f.Number(1), f.Number(2), angle_, true);
    const double a = (box_.ymin - origin_.y) / dy_, b = (box_.ymax - origin_.y) / dy_;
    first_ = std::ceil(std::min(a, b) - kRangeSlack);
    last_ = std::floor(std::max(a, b) + kRangeSlack);
    for (int k = 5; k < f.count; ++k) period_ += std::fabs(f.Number(k));
  }

  double Work() const {
    const double lines = std::max(0.0, last_ - first_ + 1);
    if (f_.count == 5) return lines;
    double perLine = 0;
    for (int k = 5; k < f_.count; ++k)
      if (f_.Number(k) >= 0) perLine += (box_.xmax - box_.xmin + Length(k)) / period_ + 2;
    return lines * perLine;
  }

  // Calls each(a, b, dot) for every generated segment, in the compressed
  // pattern frame.
  template <class Each>
  void ForEach(Each each) const {
    // Counted, not stepped: at huge magnitudes ++j would stand still. The
    // count is what Work() reports, so the piece cap bounds it; a dashed
    // family of gaps only draws nothing and is not walked at all.
    const bool draws =
        f_.count == 5 || std::any_of(f_.numbers.begin() + 5, f_.numbers.end(), [](double d) { return d >= 0; });
    const double lines = draws ? std::max(0.0, last_ - first_ + 1) : 0.0;
    for (double i = 0; i < lines; ++i) {
      const double j = first_ + i;
      const double v = origin_.y + j * dy_;
      if (f_.count == 5) {
        each(Back(box_.xmin - panels::kHatchLineOverrun, v), Back(box_.xmax + panels::kHatchLineOverrun, v), false);
        continue;
      }
      double before = 0;
      for (int k = 5; k < f_.count; ++k) {
        const double dash = f_.Number(k);
        if (dash >= 0) Dashes(j, v, before, k, each);
        before += std::fabs(dash);
      }
    }
  }

 private:
  double Length(int k) const { return f_.Number(k) == 0 ? panels::kHatchDotLength : f_.Number(k); }

  template <class Each>
  void Dashes(double j, double v, double before, int k, Each& each) const {
    const double length = Length(k);
    // Dashes repeat every period, so the start is taken back to within one
    // period of the box: a far-off start would leave m too large to step.
    const double base = box_.xmin + std::fmod(origin_.x + j * dx_ + before - box_.xmin, period_);
    const double m0 = std::ceil((box_.xmin - length - base) / period_);
    const double m1 = std::floor((box_.xmax - base) / period_);
    for (double m = m0; m <= m1; ++m) {
      const double u = base + m * period_;
      each(Back(u, v), Back(u + length, v), f_.Number(k) == 0);
    }
  }

  D_DOT Back(double u, double v) const { return panels::RotateHatchVector(u, v, angle_, false); }

  const panels::HatchFamily& f_;
  double angle_, dx_, dy_;
  D_RECT box_{};
  D_DOT origin_{};
  double first_ = 0, last_ = -1;
  double period_ = 0;
};

bool Drawable(const panels::HatchFamily& f) { return f.count >= 5 && panels::UnsoundHatchFamily(f).empty(); }

Rings Compressed(const Rings& rings, double factor) {
  Rings out = rings;
  for (Ring& ring : out)
    for (D_DOT& v : ring) v.x *= factor;
  return out;
}

bool ScalesUsable(const MapHatchOptions& o) {
  return std::isfinite(o.scaleX) && std::isfinite(o.scaleY) && o.scaleX > 0 && o.scaleY > 0;
}

}  // namespace

double FanSpec::Distance() const {
  if (!active) return 0;
  const double t = std::tan((endAngle - startAngle) * 0.5 * kDegree);
  const double d = height / t * 0.5;
  return std::isfinite(d) && d != 0 ? d : 0;
}

double EstimateMapHatchPieces(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                              const MapHatchOptions& options) {
  if (!ScalesUsable(options) || rings.empty()) return 0;
  const Rings compressed = Compressed(rings, options.scaleY / options.scaleX);
  double work = 0;
  for (const panels::HatchFamily& f : families)
    if (Drawable(f)) work += FamilyPlan(f, compressed, options).Work();
  return work;
}

void GenerateMapHatchSegments(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                              const MapHatchOptions& options, const SegmentVisitor& visit) {
  if (!ScalesUsable(options) || rings.empty()) return;
  const double stretch = options.scaleX / options.scaleY;
  const double fan = options.fan.Distance();
  const auto transform = [&](D_DOT p) {
    if (fan != 0) p.y = (fan - p.x) * p.y / fan;
    p.x *= stretch;
    return p;
  };
  const Rings compressed = Compressed(rings, 1.0 / stretch);
  for (const panels::HatchFamily& f : families) {
    if (!Drawable(f)) continue;
    FamilyPlan(f, compressed, options).ForEach([&](D_DOT a, D_DOT b, bool dot) {
      a = transform(a);
      b = transform(b);
      if (Finite(a) && Finite(b)) visit(a, b, dot);
    });
  }
}

panels::HatchOutcome MapHatchFamilies(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                                      const MapHatchOptions& options, const LIN_INFO& info, panels::HatchSink& sink) {
  panels::HatchOutcome outcome;
  for (const panels::HatchFamily& f : families)
    if (const std::string why = panels::UnsoundHatchFamily(f); !why.empty()) outcome.notes.push_back(why);
  if (!ScalesUsable(options) || rings.empty()) return outcome;
  if (!(EstimateMapHatchPieces(families, rings, options) <= panels::kMaxHatchPieces)) {
    outcome.tooDense = true;
    outcome.notes.push_back("图案太密（比例太小），未画。");
    return outcome;
  }
  LIN_INFO dotInfo = info;
  dotInfo.setWidth(panels::kHatchDotWidth);
  RingClipper clipper(rings);
  GenerateMapHatchSegments(families, rings, options, [&](const D_DOT& a, const D_DOT& b, bool dot) {
    for (const Segment& s : clipper.Stretches(a, b))
      if (Finite(s.first) && Finite(s.second)) sink.Line({s.first, s.second}, dot ? dotInfo : info);
  });
  return outcome;
}

}  // namespace zv::annot

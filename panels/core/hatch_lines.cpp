// Continuous and dashed hatch lines of the families of a hatch pattern.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/point_rec_list.h"
#include "framework/text/numbers.h"
#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_geometry.h"

namespace zv::panels {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// Dashed lines are walked inside this window around the drawing origin, which
// holds the preview's sample outline many times over.
constexpr double kWalkWindow = 150.0;
// Lines lying on the outline's extreme vertices count as inside the range
// despite rounding in the rotation.
constexpr double kRangeSlack = 1e-9;

D_RECT RotatedExtent(const std::vector<D_DOT>& outline, double dx, double dy, double theta) {
  std::vector<D_DOT> copy = outline;
  TranslateRotatePoints(copy, dx, dy, theta);
  return PointsBoundingBox(copy.data(), static_cast<int32_t>(copy.size()));
}

void Emit(HatchSink& sink, const D_DOT& a, const D_DOT& b, const LIN_INFO& info) {
  if (a.x == b.x && a.y == b.y) return;  // two crossings at one vertex make no piece
  sink.Line({a, b}, info);
}

struct FamilyFrame {
  double phi = 0;    // family direction, radians
  double theta = 0;  // family direction + user angle, radians
  double user = 0;
};

// Continuous lines: line J passes, in the frame turned by -θ, at height
// y0' + J·dy where (x0, y0) turned by -φ has height y0', so the first line
// passes through (x0, y0) whichever sign dy has.
class ContinuousFamily {
 public:
  ContinuousFamily(const HatchFamily& f, const std::vector<D_DOT>& outline, const FamilyFrame& frame)
      : outline_(outline), frame_(frame), dy_(f.Number(4)) {
    extent_ = RotatedExtent(outline, 0, 0, frame.theta);
    y0_ = RotateHatchVector(f.Number(1), f.Number(2), frame.phi, true).y;
    const double a = (extent_.ymin - y0_) / dy_, b = (extent_.ymax - y0_) / dy_;
    first_ = std::ceil(std::min(a, b) - kRangeSlack);
    last_ = std::floor(std::max(a, b) + kRangeSlack);
  }

  double Work() const { return outline_.size() < 2 ? 0.0 : last_ - first_ + 1; }

  void Draw(const LIN_INFO& info, HatchSink& sink) const {
    if (outline_.size() < 2) return;
    // Counted, not stepped: far from the origin ++j would not change j.
    for (double i = 0; i < Work(); ++i) DrawLine(y0_ + (first_ + i) * dy_, info, sink);
  }

 private:
  void DrawLine(double height, const LIN_INFO& info, HatchSink& sink) const {
    const D_DOT a = RotateHatchVector(extent_.xmin - kHatchLineOverrun, height, frame_.theta, false);
    const D_DOT b = RotateHatchVector(extent_.xmax + kHatchLineOverrun, height, frame_.theta, false);
    CPointRecList crossings;
    for (const EdgeCrossing& c : OutlineCrossings(outline_, a, b)) crossings.AddSorted(c.edge, c.point.x, c.point.y, "");
    for (int32_t j = 1; j < crossings.GetCount(); ++j) {
      int32_t id = 0;
      D_DOT p{}, q{};
      crossings.GetAt(j, id, p.x, p.y);
      crossings.GetAt(j + 1, id, q.x, q.y);
      if (InsideOrOn(outline_, {(p.x + q.x) / 2, (p.y + q.y) / 2})) Emit(sink, p, q, info);
    }
  }

  const std::vector<D_DOT>& outline_;
  FamilyFrame frame_;
  double dy_;
  D_RECT extent_{};
  double y0_ = 0;
  double first_ = 0, last_ = -1;
};

// The dashes of one dash index of a family, walked along every line in both
// directions from the line's first dash.
class DashedPass {
 public:
  DashedPass(const HatchFamily& f, int d, double x0, const std::vector<D_DOT>& outline, const FamilyFrame& frame)
      : f_(f), d_(d), x0_(x0), outline_(outline), frame_(frame) {
    for (int j = 5; j < f.count; ++j) {
      if (j < d) before_ += std::fabs(f.Number(j));
      period_ += std::fabs(f.Number(j));
    }
    dot_ = f.Number(d) == 0;
    length_ = dot_ ? kHatchDotLength : f.Number(d);
    const D_RECT r = RotatedExtent(outline, x0, f.Number(2), frame.theta);
    lines_ = std::fabs(std::trunc((r.ymax - r.ymin) / f.Number(4))) + 1;
    step_ = {std::cos(frame.theta) * period_, std::sin(frame.theta) * period_};
  }

  // An upper bound of the dash steps: each line is walked twice, and a walk
  // leaves the window after crossing it along x or y.
  double Work() const {
    const double lineCount = 2 * (lines_ + 4) + 1;
    const double along = std::max(std::fabs(step_.x), std::fabs(step_.y));
    return 2 * lineCount * ((2 * kWalkWindow + std::fabs(length_)) / along + 2);
  }

  void Draw(const LIN_INFO& base, HatchSink& sink) const {
    LIN_INFO info = base;
    if (dot_) info.setWidth(kHatchDotWidth);
    const int last = static_cast<int>(lines_) + 4;
    for (int direction : {-1, 1})
      for (int s : {1, -1})
        for (int m = direction == 1 ? 1 : 0; m <= last; ++m) Walk(m * s * direction, s, info, sink);
  }

 private:
  D_DOT OnLine(int j, double along) const {
    const D_DOT v = RotateHatchVector(j * f_.Number(3) + along, j * f_.Number(4), frame_.phi, false);
    return RotateHatchVector(x0_ - before_ + v.x, f_.Number(2) + v.y, frame_.user, false);
  }

  void Walk(int j, int s, const LIN_INFO& info, HatchSink& sink) const {
    D_DOT p1 = OnLine(j, before_), p2 = OnLine(j, before_ + length_);
    if (s < 0) Move(p1, p2, -1);  // the first dash belongs to the forward walk
    while (p1.x >= -kWalkWindow && p2.x <= kWalkWindow && p1.y >= -kWalkWindow && p2.y < kWalkWindow) {
      DrawPiece(p1, p2, info, sink);
      Move(p1, p2, s);
    }
  }

  void Move(D_DOT& p1, D_DOT& p2, int s) const {
    p1 = {p1.x + s * step_.x, p1.y + s * step_.y};
    p2 = {p2.x + s * step_.x, p2.y + s * step_.y};
  }

  // A dash is drawn when at least one end is inside, or both lie on the
  // outline; a dash with one end inside is cut where it leaves the outline.
  void DrawPiece(D_DOT p1, D_DOT p2, const LIN_INFO& info, HatchSink& sink) const {
    const OutlineSide a = ClassifyPoint(outline_, p1), b = ClassifyPoint(outline_, p2);
    const bool aIn = a == OutlineSide::kInside, bIn = b == OutlineSide::kInside;
    const bool aOut = a == OutlineSide::kOutside, bOut = b == OutlineSide::kOutside;
    if (aOut && bOut) return;
    if ((aOut || bOut) && !(aIn || bIn)) return;  // one end on the outline, the other outside
    if (aOut || bOut) {
      const auto crossings = OutlineCrossings(outline_, p1, p2);
      if (crossings.empty()) return;  // rounding put the crossing out of reach: no sound cut exists
      (aIn ? p2 : p1) = crossings.back().point;
    }
    Emit(sink, p1, p2, info);
  }

  const HatchFamily& f_;
  int d_;
  double x0_;
  const std::vector<D_DOT>& outline_;
  FamilyFrame frame_;
  double before_ = 0, period_ = 0, length_ = 0;
  bool dot_ = false;
  double lines_ = 0;
  D_DOT step_{};
};

// Calls each(pass) for the continuous lines or the dash passes of a family.
template <class Each>
void ForEachPass(const HatchFamily& f, const std::vector<D_DOT>& outline, const FamilyFrame& frame, Each each) {
  if (f.count == 5) {
    each(ContinuousFamily(f, outline, frame));
    return;
  }
  double x0 = f.Number(1);
  for (int d = 5; d < f.count; ++d) {
    if (f.Number(d) >= 0) each(DashedPass(f, d, x0, outline, frame));
    x0 += std::fabs(f.Number(d));
  }
}

}  // namespace

static std::string FamilyText(const HatchFamily& f) {
  std::string text;
  for (std::size_t i = 0; i < f.numbers.size(); ++i) text += (i ? "," : "") + num::Format("%g", f.numbers[i]);
  return text;
}

std::string UnsoundHatchFamily(const HatchFamily& f) {
  if (!std::all_of(f.numbers.begin(), f.numbers.end(), [](double v) { return std::isfinite(v); }))
    return "图案线 " + FamilyText(f) + " 含有无效数字，未画。";
  if (f.count < 5) return {};
  if (f.Number(4) == 0) return "图案线 " + FamilyText(f) + " 的线距为0，未画。";
  if (f.count > 5) {
    double period = 0;
    for (int j = 5; j < f.count; ++j) period += std::fabs(f.Number(j));
    if (period == 0) return "图案线 " + FamilyText(f) + " 只有点，虚线周期为0，未画。";
  }
  return {};
}

HatchOutcome HatchFamilies(const std::vector<HatchFamily>& families, const std::vector<D_DOT>& outline,
                           double userAngle, const LIN_INFO& info, HatchSink& sink) {
  HatchOutcome outcome;
  std::vector<const HatchFamily*> drawable;
  double work = 0;
  for (const HatchFamily& f : families) {
    if (const std::string why = UnsoundHatchFamily(f); !why.empty()) {
      outcome.notes.push_back(why);
      continue;
    }
    if (f.count < 5) continue;
    const FamilyFrame frame{f.Number(0) * kDegree, (f.Number(0) + userAngle) * kDegree, userAngle * kDegree};
    ForEachPass(f, outline, frame, [&](const auto& pass) { work += pass.Work(); });
    drawable.push_back(&f);
  }
  if (!(work <= kMaxHatchPieces)) {
    outcome.tooDense = true;
    outcome.notes.push_back("图案太密（比例太小），未画。");
    return outcome;
  }
  for (const HatchFamily* f : drawable) {
    const FamilyFrame frame{f->Number(0) * kDegree, (f->Number(0) + userAngle) * kDegree, userAngle * kDegree};
    ForEachPass(*f, outline, frame, [&](const auto& pass) { pass.Draw(info, sink); });
  }
  return outcome;
}

}  // namespace zv::panels

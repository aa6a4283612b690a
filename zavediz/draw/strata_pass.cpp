#include "zavediz/draw/strata_pass.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "zavediz/draw/overburden_passes.h"
#include "zavediz/draw/text_fit.h"

namespace zv::zavediz {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kBoundaryLength = 100.0;  // mm along the apparent dip
constexpr double kNoElevation = 0.001;
// Parameters within this of a segment's ends still count as on it.
constexpr double kOnSegment = 1e-9;

// An angle in degrees brought into (−180, 180].
double Wrapped(double degrees) {
  double w = std::fmod(degrees, 360.0);
  if (w > 180.0) w -= 360.0;
  if (w <= -180.0) w += 360.0;
  return w;
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Where p-q meets a-b: the parameter along p-q and the point (a bedrock end
// itself when the meeting lies at it). None for parallel segments.
struct Meeting {
  double t = 0.0;
  D_DOT at{};
};
std::optional<Meeting> Meet(const D_DOT& p, const D_DOT& q, const D_DOT& a, const D_DOT& b) {
  const double rx = q.x - p.x, ry = q.y - p.y, sx = b.x - a.x, sy = b.y - a.y;
  const double denominator = Cross(rx, ry, sx, sy);
  if (std::fabs(denominator) <= 1e-12 * std::hypot(rx, ry) * std::hypot(sx, sy)) return std::nullopt;
  const double t = Cross(a.x - p.x, a.y - p.y, sx, sy) / denominator;
  const double u = Cross(a.x - p.x, a.y - p.y, rx, ry) / denominator;
  if (t < -kOnSegment || t > 1.0 + kOnSegment || u < -kOnSegment || u > 1.0 + kOnSegment) return std::nullopt;
  if (std::fabs(u) <= kOnSegment) return Meeting{t, a};
  if (std::fabs(u - 1.0) <= kOnSegment) return Meeting{t, b};
  return Meeting{t, D_DOT{p.x + t * rx, p.y + t * ry}};
}

bool XBefore(const D_DOT& v, double x) { return v.x < x; }
bool XAfter(double x, const D_DOT& v) { return x < v.x; }

// The vertices strictly between the distances a and b.
void AppendBetween(const std::vector<D_DOT>& bedrock, double a, double b, std::vector<D_DOT>& out) {
  auto first = std::upper_bound(bedrock.begin(), bedrock.end(), a, XAfter);
  for (; first != bedrock.end() && first->x < b; ++first) out.push_back(*first);
}

std::vector<D_DOT> BedrockOf(const CPointRecList& terrain, double depth) {
  std::vector<D_DOT> bedrock;
  bedrock.reserve(static_cast<size_t>(terrain.GetCount()));
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    int32_t id = 0;
    double d = 0.0, e = 0.0;
    terrain.GetAt(i, id, d, e);
    if (std::fabs(e) >= kNoElevation) bedrock.push_back(D_DOT{d, e - depth});
  }
  return bedrock;
}

struct Boundary {
  int32_t arc = 0;
  D_DOT lower{};
};

}  // namespace

D_DOT StratumBoundaryEnd(const D_DOT& p, const std::string& attitude, double direction, double stratum) {
  double dipDirection = 0.0, dip = 0.0;
  // A reading whose numbers are no numbers ("nan/30", "inf/inf") gives no
  // direction to draw along: the contact goes straight down as without one.
  if (!ParseSlashPair(attitude, dipDirection, dip) || !std::isfinite(dipDirection) || !std::isfinite(dip))
    return D_DOT{p.x, p.y - stratum};
  const double c = std::cos((std::numbers::pi / 2 - direction) - dipDirection * kDegree);
  const double t = std::atan(std::tan(dip * kDegree) * c);
  const double dx = std::fabs(kBoundaryLength * std::cos(t));
  const bool forwards = std::fabs(Wrapped(direction / kDegree + dipDirection - 90.0)) < 90.0;
  return D_DOT{forwards ? p.x + dx : p.x - dx, p.y - std::fabs(kBoundaryLength * std::sin(t))};
}

std::optional<D_DOT> ClipToBedrock(const D_DOT& p, const D_DOT& q, const std::vector<D_DOT>& bedrock) {
  if (bedrock.size() < 2) return std::nullopt;
  // Along p-q the parameter grows with the distance in x from p, so the
  // walk starts at the segment under p and goes towards q, and stops at
  // the first segment lying wholly beyond the nearest meeting found (a
  // later one can still start at that x where the profile repeats a
  // distance).
  const ptrdiff_t last = static_cast<ptrdiff_t>(bedrock.size()) - 2;
  const auto begin = bedrock.begin();
  std::optional<Meeting> best;
  const auto look = [&](ptrdiff_t s) {
    const std::optional<Meeting> m = Meet(p, q, bedrock[static_cast<size_t>(s)], bedrock[static_cast<size_t>(s + 1)]);
    if (m && (!best || m->t < best->t)) best = m;
  };
  if (q.x >= p.x) {
    const ptrdiff_t j = std::lower_bound(begin, bedrock.end(), p.x, XBefore) - begin;
    for (ptrdiff_t s = std::max<ptrdiff_t>(j - 1, 0); s <= last; ++s) {
      const double nearX = bedrock[static_cast<size_t>(s)].x;
      if (nearX > q.x || (best && nearX > best->at.x)) break;
      look(s);
    }
  } else {
    const ptrdiff_t j = std::upper_bound(begin, bedrock.end(), p.x, XAfter) - begin;
    for (ptrdiff_t s = std::min(std::max<ptrdiff_t>(j - 1, 0), last); s >= 0; --s) {
      const double nearX = bedrock[static_cast<size_t>(s + 1)].x;
      if (nearX < q.x || (best && nearX < best->at.x)) break;
      look(s);
    }
  }
  if (!best) return std::nullopt;
  return best->at;
}

void DrawStrata(ZavedizSheet& sheet) {
  const CPointRecList& boundaries = sheet.data.geologyBoundary;
  const int32_t count = boundaries.GetCount();
  if (count < 2) return;
  const double thickness = sheet.options.groundData, stratum = sheet.options.stratum;
  const std::vector<D_DOT> bedrock = BedrockOf(sheet.data.terrain, stratum + thickness);
  const int32_t bedrockLine =
      sheet.out.AppendLookLine(bedrock, LineLook{1, 1, 0.15f, static_cast<uint8_t>(sheet.options.curve), 0.0f, 0.0f});
  const LineLook arcLook{};
  const LineLook contact{1, 6, 0.5f, 0, 8.0f, 8.0f};

  const auto upper = [&](int32_t position) {
    int32_t id = 0;
    double d = 0.0, e = 0.0;
    boundaries.GetAt(position, id, d, e);
    return D_DOT{d, e - thickness};
  };
  D_DOT u = upper(1);
  Boundary left{0, D_DOT{u.x, u.y - stratum}};
  left.arc = sheet.out.AppendArc({left.lower, u}, arcLook);
  for (int32_t i = 1; i < count; ++i) {
    const D_DOT next = upper(i + 1);
    Boundary right{0, D_DOT{next.x, next.y - stratum}};
    if (i + 1 < count) {
      int32_t id = 0, a = 0, b = 0;
      std::string name, text;
      boundaries.GetAtStrings(i + 1, id, name, text, a, b);
      const D_DOT q = StratumBoundaryEnd(next, name, sheet.data.direction, stratum);
      sheet.out.AppendLookLine({next, q}, contact);
      right.lower = ClipToBedrock(next, q, bedrock).value_or(q);
    }
    right.arc = sheet.out.AppendArc({right.lower, next}, arcLook);

    std::vector<D_DOT> bottom{left.lower};
    AppendBetween(bedrock, left.lower.x, right.lower.x, bottom);
    bottom.push_back(right.lower);
    const int32_t bottomArc = sheet.out.AppendArc(bottom, arcLook);

    int32_t id = 0, a = 0, colour = 0;
    std::string name, text;
    boundaries.GetAtStrings(i, id, name, text, a, colour);
    std::vector<int32_t> arcs = {0, -bottomArc, left.arc};
    AppendOverburdenArcsWithin(sheet, u.x, next.x, arcs);
    arcs.push_back(-right.arc);
    sheet.out.AppendRegion(arcs, colour);
    left = right;
    u = next;
  }
  BasDeleteLine(sheet.out.areas().line, bedrockLine);
}

}  // namespace zv::zavediz

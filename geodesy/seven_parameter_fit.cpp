#include "geodesy/seven_parameter_fit.h"

#include <array>
#include <cmath>
#include <utility>

#include "framework/text/numbers.h"

namespace {

constexpr int kUnknowns = 7;
using Normal = std::array<std::array<double, kUnknowns>, kUnknowns>;
using Vector = std::array<double, kUnknowns>;

// On normal equations a pivot is the square of a singular value, so this
// accepts designs whose condition number stays below about 1e5.
constexpr double kRelativePivotLimit = 1e-10;

struct Centroid {
  double x = 0.0, y = 0.0, z = 0.0;
};

// Solves n q = u by Gaussian elimination with full pivoting. False when a
// pivot falls below kRelativePivotLimit times the first (largest) one: the
// design has lost rank.
bool SolveFullRank(Normal n, Vector u, Vector& q) {
  std::array<int, kUnknowns> unknownAt{};
  for (int i = 0; i < kUnknowns; ++i) unknownAt[i] = i;
  double firstPivot = 0.0;
  for (int k = 0; k < kUnknowns; ++k) {
    int bestRow = k, bestCol = k;
    for (int i = k; i < kUnknowns; ++i) {
      for (int j = k; j < kUnknowns; ++j) {
        if (std::fabs(n[i][j]) > std::fabs(n[bestRow][bestCol])) {
          bestRow = i;
          bestCol = j;
        }
      }
    }
    const double pivot = std::fabs(n[bestRow][bestCol]);
    if (k == 0) firstPivot = pivot;
    if (!(pivot > 0.0) || pivot < kRelativePivotLimit * firstPivot) return false;
    std::swap(n[k], n[bestRow]);
    std::swap(u[k], u[bestRow]);
    for (auto& row : n) std::swap(row[k], row[bestCol]);
    std::swap(unknownAt[k], unknownAt[bestCol]);
    for (int i = k + 1; i < kUnknowns; ++i) {
      const double factor = n[i][k] / n[k][k];
      for (int j = k; j < kUnknowns; ++j) n[i][j] -= factor * n[k][j];
      u[i] -= factor * u[k];
    }
  }
  Vector solved{};
  for (int k = kUnknowns - 1; k >= 0; --k) {
    double sum = u[k];
    for (int j = k + 1; j < kUnknowns; ++j) sum -= n[k][j] * solved[j];
    solved[k] = sum / n[k][k];
  }
  for (int k = 0; k < kUnknowns; ++k) q[unknownAt[k]] = solved[k];
  return true;
}

double RoundThroughText(double value) { return zv::num::ParseDouble(zv::num::Format("%.15lf", value)); }

}  // namespace

bool FitSevenParameters(const CMatrix& points, double* p) {
  const int32_t count = points.GetRows();
  if (count < 3 || points.GetCols() < 6) return false;

  Centroid source, target;
  for (int32_t i = 0; i < count; ++i) {
    for (int32_t c = 0; c < 6; ++c) {
      if (!std::isfinite(points.GetAt(i, c))) return false;
    }
    source.x += points.GetAt(i, 0);
    source.y += points.GetAt(i, 1);
    source.z += points.GetAt(i, 2);
    target.x += points.GetAt(i, 3);
    target.y += points.GetAt(i, 4);
    target.z += points.GetAt(i, 5);
  }
  for (Centroid* c : {&source, &target}) {
    c->x /= count;
    c->y /= count;
    c->z /= count;
  }

  // Earth-centred coordinates are millions of metres while a network spans
  // kilometres: on raw coordinates the normal equations lose every digit.
  // Centring the points and scaling them to unit spread keeps the system well
  // conditioned and makes its pivots comparable.
  double spread = 0.0;
  for (int32_t i = 0; i < count; ++i) {
    const double dx = points.GetAt(i, 0) - source.x;
    const double dy = points.GetAt(i, 1) - source.y;
    const double dz = points.GetAt(i, 2) - source.z;
    spread += dx * dx + dy * dy + dz * dz;
  }
  spread = std::sqrt(spread / count);
  if (!(spread > 0.0)) return false;

  // Unknowns: three translations, the scale 1 + m, then the rotations times
  // the scale, all on the centred and scaled source coordinates.
  Normal normal{};
  Vector rhs{};
  for (int32_t i = 0; i < count; ++i) {
    const double x = (points.GetAt(i, 0) - source.x) / spread;
    const double y = (points.GetAt(i, 1) - source.y) / spread;
    const double z = (points.GetAt(i, 2) - source.z) / spread;
    const double rows[3][kUnknowns] = {
        {1, 0, 0, x, 0, -z, y},
        {0, 1, 0, y, z, 0, -x},
        {0, 0, 1, z, -y, x, 0},
    };
    const double observed[3] = {points.GetAt(i, 3) - target.x, points.GetAt(i, 4) - target.y,
                                points.GetAt(i, 5) - target.z};
    for (int r = 0; r < 3; ++r) {
      for (int j = 0; j < kUnknowns; ++j) {
        rhs[j] += rows[r][j] * observed[r];
        for (int k = 0; k < kUnknowns; ++k) normal[j][k] += rows[r][j] * rows[r][k];
      }
    }
  }
  Vector q{};
  if (!SolveFullRank(normal, rhs, q)) return false;

  const double scale = q[3] / spread;
  const double rxScaled = q[4] / spread, ryScaled = q[5] / spread, rzScaled = q[6] / spread;
  const double tx = target.x + q[0] - (scale * source.x + rzScaled * source.y - ryScaled * source.z);
  const double ty = target.y + q[1] - (scale * source.y + rxScaled * source.z - rzScaled * source.x);
  const double tz = target.z + q[2] - (scale * source.z - rxScaled * source.y + ryScaled * source.x);
  const double result[kUnknowns] = {-tx,        -ty, -tz, -rxScaled / scale, -ryScaled / scale, -rzScaled / scale,
                                    1.0 - scale};
  for (double value : result) {
    if (!std::isfinite(value)) return false;
  }
  for (int k = 0; k < kUnknowns; ++k) p[k] = RoundThroughText(result[k]);
  return true;
}

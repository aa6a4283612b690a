#include "mba/lay_phi_lattice.h"

#include <cmath>
#include <optional>

#include "mba/bspline_basis.h"
#include "mba/empty_node_fill.h"
#include "mba/lattice_budget.h"

namespace {

// Nodes whose accumulated weight stays below this are left empty.
constexpr double kMinNodeWeight = 1e-6;

// A point's cell (i, j) and the weights of the cell's four nodes along x (bs)
// and along y (bt) at the point's place inside it.
struct CellPlace {
  int32_t i;
  int32_t j;
  double bs[4];
  double bt[4];
};

// The cell of lattice coordinates (u, v) on an m x n lattice with its node
// weights, or nothing when the point lies outside it (or is not a number). A
// point on the far edge belongs to the last cell at s = 1 (or t = 1), which
// gives the same value as the next cell at 0 without touching nodes beyond
// the lattice.
std::optional<CellPlace> LocateCell(double u, double v, int32_t m, int32_t n) {
  if (!(u >= 0.0 && u <= m && v >= 0.0 && v <= n)) {
    return std::nullopt;
  }
  CellPlace place{static_cast<int32_t>(u), static_cast<int32_t>(v), {}, {}};
  if (place.i == m) {
    place.i = m - 1;
  }
  if (place.j == n) {
    place.j = n - 1;
  }
  zembrol::CubicBSplineBasis(u - place.i, place.bs);
  zembrol::CubicBSplineBasis(v - place.j, place.bt);
  return place;
}

// m cells over the extent from low to high, or nothing when the extent is not
// a finite positive length.
std::optional<double> LatticeScale(int32_t cells, double low, double high) {
  const double extent = high - low;
  if (!std::isfinite(extent) || !(extent > 0.0)) {
    return std::nullopt;
  }
  const double scale = cells / extent;
  if (!std::isfinite(scale)) {
    return std::nullopt;
  }
  return scale;
}

}  // namespace

CLayPhiLattice::CLayPhiLattice() : rect{0.0, 0.0, 0.0, 0.0}, m(0), n(0), scaleX(0.0), scaleY(0.0) {}

int32_t CLayPhiLattice::CalculatePhiIJ(const D_3DOT* samples, int32_t count, int32_t cellsX, int32_t cellsY,
                                       const D_RECT* fitRect) {
  if (samples == nullptr || fitRect == nullptr || count < 0) {
    return 0;
  }
  const std::optional<int64_t> nodes = zembrol::LatticeNodes(cellsX, cellsY);
  const std::optional<double> sx = LatticeScale(cellsX, fitRect->xmin, fitRect->xmax);
  const std::optional<double> sy = LatticeScale(cellsY, fitRect->ymin, fitRect->ymax);
  if (!nodes || !sx || !sy) {
    return 0;
  }
  const size_t stride = static_cast<size_t>(cellsX) + 3;
  // delta becomes phi in place once every sample has been added.
  std::vector<double> delta(static_cast<size_t>(*nodes), 0.0);
  std::vector<double> omega(static_cast<size_t>(*nodes), 0.0);
  for (int32_t index = 0; index < count; ++index) {
    const D_3DOT& sample = samples[index];
    const std::optional<CellPlace> place = LocateCell((sample.x - fitRect->xmin) * *sx,
                                                      (sample.y - fitRect->ymin) * *sy, cellsX, cellsY);
    if (!place) {
      return 0;
    }
    const double* bs = place->bs;
    const double* bt = place->bt;
    const double sumS = bs[0] * bs[0] + bs[1] * bs[1] + bs[2] * bs[2] + bs[3] * bs[3];
    const double sumT = bt[0] * bt[0] + bt[1] * bt[1] + bt[2] * bt[2] + bt[3] * bt[3];
    const double inverseSum = 1.0 / (sumS * sumT);
    for (int l = 0; l < 4; ++l) {
      const size_t row = (static_cast<size_t>(place->j) + l) * stride + place->i;
      for (int k = 0; k < 4; ++k) {
        const double w = bs[k] * bt[l];
        const double w2 = w * w;
        // w z first: the node's own value w z / S overflows only when it
        // really exceeds the range of a double.
        const double phiC = w * sample.z * inverseSum;
        omega[row + k] += w2;
        delta[row + k] += w2 * phiC;
      }
    }
  }
  std::vector<unsigned char> emptyFlags(static_cast<size_t>(*nodes), 0);
  for (size_t node = 0; node < delta.size(); ++node) {
    if (std::fabs(omega[node]) >= kMinNodeWeight) {
      delta[node] /= omega[node];
      if (!std::isfinite(delta[node])) {
        return 0;
      }
    } else {
      delta[node] = 0.0;
      emptyFlags[node] = 1;
    }
  }
  rect = *fitRect;
  m = cellsX;
  n = cellsY;
  scaleX = *sx;
  scaleY = *sy;
  phi = std::move(delta);
  empty = std::move(emptyFlags);
  return 1;
}

int32_t CLayPhiLattice::Evaluate(const D_RECT* domain, double x, double y, double& value) const {
  if (domain == nullptr || phi.empty()) {
    return 0;
  }
  const std::optional<CellPlace> place = LocateCell((x - domain->xmin) * scaleX, (y - domain->ymin) * scaleY, m, n);
  if (!place) {
    return 0;
  }
  const double* bs = place->bs;
  const double* bt = place->bt;
  const size_t stride = static_cast<size_t>(m) + 3;
  double sum = 0.0;
  for (int l = 0; l < 4; ++l) {
    const double* row = &phi[(static_cast<size_t>(place->j) + l) * stride + place->i];
    sum += bt[l] * (bs[0] * row[0] + bs[1] * row[1] + bs[2] * row[2] + bs[3] * row[3]);
  }
  value = sum;
  return 3;
}

double CLayPhiLattice::BSplineWeight(int32_t k, int32_t l, double s, double t) {
  if (k < 0 || k > 3 || l < 0 || l > 3) {
    return 0.0;
  }
  double bs[4];
  double bt[4];
  zembrol::CubicBSplineBasis(s, bs);
  zembrol::CubicBSplineBasis(t, bt);
  return bs[k] * bt[l];
}

std::vector<D_3DOT> CLayPhiLattice::ToLatticeCoords(const D_3DOT* samples, int32_t count) const {
  std::vector<D_3DOT> result;
  result.reserve(count > 0 ? static_cast<size_t>(count) : 0);
  for (int32_t index = 0; index < count; ++index) {
    const D_3DOT& sample = samples[index];
    result.push_back({(sample.x - rect.xmin) * scaleX, (sample.y - rect.ymin) * scaleY, sample.z});
  }
  return result;
}

std::vector<D_3DOT> CLayPhiLattice::MakeEmptyNodeSamples(const std::vector<D_3DOT>& latticeSamples) const {
  std::vector<D_3DOT> made;
  if (phi.empty() || latticeSamples.empty()) {
    return made;
  }
  const zembrol::NearSampleIndex near(latticeSamples, m, n);
  for (int32_t c = 2; c <= m; ++c) {
    for (int32_t r = 2; r <= n; ++r) {
      if (!IsEmptyNode(c, r)) {
        continue;
      }
      const double nodeX = c - 1;
      const double nodeY = r - 1;
      const double z = zembrol::InverseDistanceValue(near.CollectNearSamples(nodeX, nodeY), nodeX, nodeY);
      made.push_back({nodeX / scaleX + rect.xmin, nodeY / scaleY + rect.ymin, z});
    }
  }
  return made;
}

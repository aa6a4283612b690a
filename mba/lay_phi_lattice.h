// One level of a multilevel B-spline surface: a uniform cubic B-spline
// control lattice of m x n cells over a rectangle.
#ifndef ZEMBROL_LAY_PHI_LATTICE_H
#define ZEMBROL_LAY_PHI_LATTICE_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "zavediz/records.h"
#include "zembrol_api.h"

// The control values phi and the empty flags are stored row-major with rows
// along y, (m + 3) values a row; storage column c holds lattice coordinate
// c - 1, so the lattice runs from -1 to m + 1 in x and -1 to n + 1 in y.
class ZEMBROL_API CLayPhiLattice {
 public:
  CLayPhiLattice();

  // Fits the lattice to the samples over rect (m x n cells). Result 1, or 0
  // when samples or rect is null, count is negative, m or n is below 1, the
  // lattice is too large, the rectangle has no finite positive extent, a
  // sample lies outside the rectangle, or the coefficients overflow. A
  // refused fit leaves the lattice as it was.
  int32_t CalculatePhiIJ(const D_3DOT* samples, int32_t count, int32_t m, int32_t n, const D_RECT* rect);

  // The level's value at (x, y), taking lattice coordinates from domain's
  // lower-left corner and the level's own scales. Result 3, or 0 when domain
  // is null, the level holds no coefficients, or the point lies outside the
  // level (or is not finite).
  int32_t Evaluate(const D_RECT* domain, double x, double y, double& value) const;

  // Bk(s) Bl(t) for k, l in 0..3; 0 for other indices.
  static double BSplineWeight(int32_t k, int32_t l, double s, double t);

  // The samples' (x, y) in this lattice's coordinates, z unchanged.
  std::vector<D_3DOT> ToLatticeCoords(const D_3DOT* samples, int32_t count) const;

  // Extra samples for the interior nodes that no sample influences, each
  // valued by inverse-distance weighting of the nearest samples (given in
  // lattice coordinates) and placed at the node in world coordinates;
  // column by column from the left, rows ascending within a column.
  std::vector<D_3DOT> MakeEmptyNodeSamples(const std::vector<D_3DOT>& latticeSamples) const;

  int32_t CellsX() const { return m; }
  int32_t CellsY() const { return n; }
  bool HasCoefficients() const { return !phi.empty(); }
  // The control value and the empty flag of storage column c, row r.
  double Phi(int32_t c, int32_t r) const { return phi[NodeIndex(c, r)]; }
  bool IsEmptyNode(int32_t c, int32_t r) const { return empty[NodeIndex(c, r)] != 0; }

 private:
  size_t NodeIndex(int32_t c, int32_t r) const { return static_cast<size_t>(r) * (m + 3) + c; }

  D_RECT rect;
  int32_t m;
  int32_t n;
  double scaleX;
  double scaleY;
  std::vector<double> phi;
  std::vector<unsigned char> empty;
};

#endif  // ZEMBROL_LAY_PHI_LATTICE_H

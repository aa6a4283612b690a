// The uniform cubic B-spline basis on one lattice cell (0 <= t <= 1).
#ifndef ZEMBROL_BSPLINE_BASIS_H
#define ZEMBROL_BSPLINE_BASIS_H

namespace zembrol {

inline constexpr double kSixth = 0.16666666666666666;

// B0(t) .. B3(t): the weights of the four nodes of a cell along one axis,
// from the node before the cell to the node after it.
inline void CubicBSplineBasis(double t, double basis[4]) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  basis[0] = (1.0 - 3.0 * t + 3.0 * t2 - t3) * kSixth;
  basis[1] = (3.0 * t3 - 6.0 * t2 + 4.0) * kSixth;
  basis[2] = (-3.0 * t3 + 3.0 * t2 + 3.0 * t + 1.0) * kSixth;
  basis[3] = t3 * kSixth;
}

}  // namespace zembrol

#endif  // ZEMBROL_BSPLINE_BASIS_H

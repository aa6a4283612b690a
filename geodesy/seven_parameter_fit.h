#pragma once
// Least-squares fit of the seven Bursa parameters from common points.

#include "geodesy/matrix.h"

// Fits the parameters that carry the source points onto the target points.
// `points` holds one common point a row: source X, Y, Z, target X, Y, Z
// (metres). On success `p` receives seven values in this order and with these
// signs: -dx, -dy, -dz, -rx, -ry, -rz, -m, where dx .. m are the source-to-
// target parameters CGeoPoint::ApplySevenParameters takes (the datum dialog
// negates them again to show them), each rounded through "%.15lf" text.
//
// Returns false and leaves `p` untouched when the points cannot determine the
// parameters: fewer than three points, fewer than six columns, values that
// are not finite, or points that are repeated or lie on one straight line
// (within about 1e-5 of their spread).
bool FitSevenParameters(const CMatrix& points, double* p);

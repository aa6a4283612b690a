#pragma once
// The figures of the click-driven construction modes from their points:
// which clicks each mode takes, what each click's typed text means, and the
// closed outline or sampled curve the last click appends. Modes:
// 103 rectangle, 105 parallelogram, 106 ellipse, 107 circle, 108 inscribed
// circle, 109 circumscribed circle, 110 arc from its centre, 112 arc through
// three points, 118 regular polygon.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"

struct FigureMode {
  int16_t mode;
  int clicks;       // the last click appends the figure
  int kinds[3];     // the typed kind of clicks 1, 2 and 3 (TypedKind)
  int figureFrom;   // the number of fixed points from which a figure shows
};

// The row of a construction mode, or null.
const FigureMode* FindFigureMode(int16_t mode);

// The figure of `mode` for the fixed points and one more point `at` (the
// cursor, or the last click), or empty while the points give none yet or
// give a degenerate one. `sides` is the regular polygon's side count.
std::vector<D_DOT> FigureFor(int16_t mode, const std::vector<D_DOT>& fixed, const D_DOT& at, int sides);

// True when the figure can be appended: every vertex finite and not all of
// them at one point.
bool DrawableFigure(const std::vector<D_DOT>& points);

// True when the ring's vertices do not all lie on one line (a region drawn
// from them has an area).
bool SpansArea(const std::vector<D_DOT>& ring);

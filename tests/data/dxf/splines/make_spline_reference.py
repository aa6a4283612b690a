"""Writes splines.dxf (SPLINE entities and a HATCH with a spline edge, by
ezdxf's DXF writer) and splines_reference.txt (points on those curves, by
ezdxf's own B-spline evaluator), for the DXF reader's spline test.

Run here with the system Python: /usr/bin/python3 make_spline_reference.py

Reference points are taken where the reader samples a curve of degree 2 or
more: for every knot span [a, b] of the domain with b > a, at a + (b - a) i / 16
for i = 0 .. 15, then at the end of the domain; degree 1 gives the control
points.
"""
import math

import ezdxf
from ezdxf.math import BSpline, open_uniform_knot_vector

SAMPLES_PER_SPAN = 16

# name: (degree, control points, knots or None for clamped uniform, weights or None)
SPLINES = {
    "line": (1, [(0, 0), (30, 40)], [0, 0, 1, 1], None),
    "bezier": (3, [(0, 0), (10, 20), (30, 20), (40, 0)], [0, 0, 0, 0, 1, 1, 1, 1], None),
    "seven": (3, [(0, 0), (5, 5), (10, 0), (15, 5), (20, 0), (25, 5), (30, 0)],
              [0, 0, 0, 0, 1, 3, 4, 7, 7, 7, 7], None),
    "quarter_circle": (2, [(10, 0), (10, 10), (0, 10)], [0, 0, 0, 1, 1, 1], [1, math.sqrt(0.5), 1]),
    "rational": (3, [(0, 0), (10, 30), (20, -10), (30, 20), (40, 0)], [0, 0, 0, 0, 0.5, 1, 1, 1, 1],
                 [1, 3, 0.5, 2, 1]),
    "unclamped": (3, [(0, 0), (10, 10), (20, 0), (30, 10), (40, 0), (50, 10)],
                  [0, 1, 2, 3, 4, 5, 6, 7, 8, 9], None),
    "double_knot": (2, [(0, 0), (10, 10), (20, 0), (30, 10), (40, 0)], [0, 0, 0, 2, 2, 3, 3, 3], None),
    # Written without knots: the reader takes clamped uniform ones.
    "no_knots": (3, [(0, 0), (10, 10), (20, -5), (30, 10), (40, 0)], None, None),
}


def parameters(degree, count, knots):
    if degree == 1:
        return None
    ts = []
    for k in range(degree, count):
        a, b = knots[k], knots[k + 1]
        if b > a:
            ts += [a + (b - a) * i / SAMPLES_PER_SPAN for i in range(SAMPLES_PER_SPAN)]
    return ts + [knots[count]]


def main():
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    with open("splines_reference.txt", "w", encoding="ascii") as out:
        out.write("# name x y: points on each curve, in sampling order (see make_spline_reference.py)\n")
        for name, (degree, control, knots, weights) in SPLINES.items():
            points3 = [(x, y, 0) for x, y in control]
            if knots is None:
                knots_used = list(open_uniform_knot_vector(len(control), degree + 1, normalize=False))
            else:
                knots_used = knots
            curve = BSpline(points3, order=degree + 1, knots=knots_used, weights=weights)
            ts = parameters(degree, len(control), knots_used)
            points = control if ts is None else [curve.point(t) for t in ts]
            for p in points:
                out.write(f"{name} {p[0]!r} {p[1]!r}\n")
            if knots is None:
                continue  # made in the test itself: ezdxf always writes knots
            spline = msp.add_spline(dxfattribs={"layer": name})
            spline.dxf.degree = degree
            spline.control_points = points3
            spline.knots = knots
            if weights:
                spline.weights = weights
        # The "seven" curve again, as the edge of a hatch boundary closed by a line.
        degree, control, knots, _ = SPLINES["seven"]
        hatch = msp.add_hatch(dxfattribs={"layer": "hatch"})
        path = hatch.paths.add_edge_path()
        path.add_spline(control_points=control, knot_values=knots, degree=degree)
        path.add_line(control[-1], control[0])
    doc.saveas("splines.dxf")


if __name__ == "__main__":
    main()

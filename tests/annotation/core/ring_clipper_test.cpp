// The banded clipper against the plain walk over every edge: for a table of
// ring sets and many segments through them (along edges, through vertices,
// at odd angles, dashes, bent lines), the very same pieces, bit for bit,
// and the same side for points on, near and off the rings.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "annotation/core/ring_clipper.h"

namespace zv::annot {
namespace {

Ring Rect(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}; }

Rings Moved(Rings rings, double dx, double dy) {
  for (Ring& r : rings)
    for (D_DOT& p : r) p = {p.x + dx, p.y + dy};
  return rings;
}

Ring Star(double cx, double cy, double r, int points) {
  Ring ring;
  for (int i = 0; i <= 2 * points; ++i) {
    const double a = std::numbers::pi * i / points, rr = i % 2 ? r * 0.4 : r;
    ring.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  ring.back() = ring.front();
  return ring;
}

// A wavy outline of many vertices, so each line crosses it many times.
Ring Wavy(double cx, double cy, double r, int n, bool clockwise) {
  Ring ring;
  for (int i = 0; i <= n; ++i) {
    const double a = 2 * std::numbers::pi * (clockwise ? n - i : i) / n, rr = r * (1 + 0.1 * std::sin(23 * a));
    ring.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  ring.back() = ring.front();
  return ring;
}

// Segments through the rings' box: lines at several angles spaced so that
// many pass through vertices and along edges, their dashes, and segments
// ending on vertices.
std::vector<Segment> Probes(const Rings& rings) {
  D_RECT box = RotatedRingsBox(rings, 0);
  const double w = box.xmax - box.xmin, h = box.ymax - box.ymin;
  box = {box.xmin - 1, box.ymin - 1, box.xmax + 1, box.ymax + 1};
  std::vector<Segment> out;
  for (int i = 0; i <= 40; ++i) {
    const double y = box.ymin + (h + 2) * i / 40, x = box.xmin + (w + 2) * i / 40;
    out.push_back({{box.xmin, y}, {box.xmax, y}});
    out.push_back({{x, box.ymin}, {x, box.ymax}});
    for (double dash = box.xmin; dash < box.xmax; dash += 1.5) out.push_back({{dash, y}, {dash + 1, y}});
  }
  for (const double degrees : {30.0, 45.0, 135.0, 89.9}) {
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a), reach = w + h + 4;
    for (const Ring& ring : rings)
      for (const D_DOT& v : ring) out.push_back({{v.x - reach * c, v.y - reach * s}, {v.x + reach * c, v.y + reach * s}});
  }
  for (const Ring& ring : rings)
    for (std::size_t i = 1; i < ring.size(); ++i) {
      out.push_back({ring[i - 1], ring[i]});
      out.push_back({{box.xmin, box.ymin}, ring[i]});
    }
  return out;
}

TEST(RingClipper, GivesThePiecesAndSidesOfThePlainWalk) {
  struct Case {
    const char* name;
    Rings rings;
  };
  const Rings holed = {Rect(0, 0, 10, 10), Rect(2, 2, 4, 4), Rect(6, 6, 8, 8)};
  const Case cases[] = {
      {"square with two holes", holed},
      {"two parts and an island in a hole", {Rect(0, 0, 10, 10), Rect(2, 2, 8, 8), Rect(4, 4, 6, 6), Rect(12, 0, 15, 3)}},
      {"star, vertices on the probes", {Star(0, 0, 10, 5)}},
      {"spike drawn out and back", {{{0, 0}, {10, 0}, {10, 5}, {15, 5}, {10, 5}, {10, 10}, {0, 10}, {0, 0}}}},
      {"ring shrunk to a point beside a square", {Rect(0, 0, 4, 4), {{6, 2}, {6, 2}, {6, 2}}}},
      {"horizontal steps", {{{0, 0}, {3, 0}, {3, 1}, {5, 1}, {5, 0}, {8, 0}, {8, 3}, {5, 3}, {5, 2}, {3, 2}, {3, 3}, {0, 3}, {0, 0}}}},
      {"open ring and a two-vertex ring", {{{0, 0}, {6, 0}, {6, 6}, {0, 6}}, {{1, 1}, {5, 5}}}},
      {"holes far from the origin", Moved(holed, 5e5, 35e5)},
      {"wavy outline of 400 vertices with holes, far from the origin",
       {Wavy(5e5, 35e5, 50, 400, false), Wavy(5e5 - 20, 35e5, 8, 40, true), Wavy(5e5 + 20, 35e5 + 5, 6, 40, true)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RingClipper clipper(c.rings);
    int differing = 0, pieces = 0;
    for (const Segment& s : Probes(c.rings)) {
      const std::vector<Segment> want = StretchesInside(c.rings, s.first, s.second);
      const std::vector<Segment> got = clipper.Stretches(s.first, s.second);
      pieces += static_cast<int>(want.size());
      const bool same = std::equal(want.begin(), want.end(), got.begin(), got.end(), [](const Segment& l, const Segment& r) {
        return l.first.x == r.first.x && l.first.y == r.first.y && l.second.x == r.second.x && l.second.y == r.second.y;
      });
      if (!same && ++differing <= 3)
        ADD_FAILURE() << "(" << s.first.x << ", " << s.first.y << ")-(" << s.second.x << ", " << s.second.y << "): "
                      << want.size() << " pieces by the walk, " << got.size() << " by the clipper";
      for (const D_DOT& p : {s.first, s.second, D_DOT{(s.first.x + s.second.x) / 2, (s.first.y + s.second.y) / 2}})
        EXPECT_EQ(clipper.InsideOrOn(p), InsideOrOnRings(c.rings, p));
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(pieces, 0);
  }
}

}  // namespace
}  // namespace zv::annot

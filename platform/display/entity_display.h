#pragma once
// Draws one map entity from its graphic-parameter record, in map units, and
// the display switches that change how entities look.
//
// Display switches: the platform's select-and-display parameter array (13
// signed 16-bit entries, non-zero = on). The entries that change drawing:
//   0 show coordinate points: a small square at every vertex of a line;
//   1 show arcs: the arcs of region areas drawn as thin lines in colour 6
//     over the regions, whatever their own line type;
//   2 restored display: lines drawn at their true width (off: one pixel);
//   4 compress: a fast sketch: texts as their boxes, sub-graphs as dots, no
//     fill patterns;
//   5 cross cursor: DrawCursorMark draws a cross over the whole device
//     instead of a small square (the views draw the cursor);
//   6 symbol: a small cross at the insertion point of every point;
//   7 transparent display: regions show their patterns but no fill colour;
//   8 line direction: an arrow head at the middle of every line;
//   11 line start and end marks: a circle at a line's first vertex and a
//     square at its last.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/param_records.h"
#include "platform/display/kernel_driver.h"

namespace zv::display {

enum DisplaySwitch : int {
  kShowVertices = 0,
  kShowArcs = 1,
  kRestoredDisplay = 2,
  kCompress = 4,
  kCrossCursor = 5,
  kSymbolAnchors = 6,
  kTransparent = 7,
  kLineDirection = 8,
  kLineEndMarks = 11,
};

struct DisplaySwitches {
  std::array<std::int16_t, 13> values{};
  bool On(DisplaySwitch entry) const { return values[entry] != 0; }
  DisplaySwitches& Set(DisplaySwitch entry, bool on) {
    values[entry] = on ? 1 : 0;
    return *this;
  }
};

// The switches a new view starts with: restored display on.
DisplaySwitches DefaultSwitches();

// Point kinds: 0 text, 1 sub-graph, 2 circle, 3 arc, 4 image (its frame),
// 5 text block (hanging from the top left corner of its box).
void _DispPnt(KernelDriver& driver, const D_DOT& position, std::string_view text, const zv::PNT_INFO& info,
              const DisplaySwitches& switches = DefaultSwitches());

// A line through its vertices: type, sub-style, width, colour, coefficients;
// LIN_INFO byte 12 = 1 draws it smooth. Vertices closer than a pixel to the
// last one kept are dropped first.
void _DispLin(KernelDriver& driver, const std::vector<D_DOT>& vertices, const zv::LIN_INFO& info,
              const DisplaySwitches& switches = DefaultSwitches());

// A region of rings (the first the outline, the others holes).
void _DispReg(KernelDriver& driver, const std::vector<std::vector<D_DOT>>& rings, const zv::REG_INFO& info,
              const DisplaySwitches& switches = DefaultSwitches());

// The map rectangle a point draws into, by the same layout its drawing uses
// (texts sit on their insertion point, vertical texts and text blocks hang
// from it; sub-graphs may reach a little beyond their nominal size).
QRectF PointExtent(const D_DOT& position, std::string_view text, const zv::PNT_INFO& info);

// The cursor at a device point: a cross over the whole device with switch 5,
// else a square of 9 pixels; drawn in the toggle mode, so a second call at the
// same point removes it.
void DrawCursorMark(KernelDriver& driver, QPoint device, const DisplaySwitches& switches);

// The vertices with those closer than `tolerance` to the last kept one
// dropped; the first and the last always stay.
std::vector<QPointF> SimplifyToGrid(const std::vector<D_DOT>& vertices, double tolerance);

}  // namespace zv::display

#pragma once
// The section tool view's surface commands: elevation points into the
// view's TIN (33588 points, 33592 lines, 33591 a file), and what is made
// from the TIN: contour lines (33373), oblique grid and banded views (33375,
// 33376), a banded contour project (33590), and a value grid of a point
// file (33374, which leaves the view's TIN alone).
//
// The view keeps the last TIN a command made (platform/tin/tin_draw.h); the
// tool view draws it in its overlay. Commands that need a TIN and find none
// build one from the view's current point and line areas together. Each
// command that changes the view's areas is one undo step.

namespace zv::tintools {

void RegisterTinCommands();

}  // namespace zv::tintools

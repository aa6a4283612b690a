#pragma once
// The entities a frame drew, one text per entity, for comparing whole lists:
// lines as "w<width> x,y x,y …", labels as "<text> @x,y <height>/<width>",
// coordinates to 0.1 µm on paper.

#include <string>
#include <vector>

#include "framework/text/numbers.h"
#include "platform/data/work_area.h"
#include "tools/frame/frame_writer.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::test {

inline std::string DumpPoint(double x, double y) { return num::Format(" %.4f,%.4f", x, y); }

inline std::vector<std::string> DumpLines(WorkAreaHandle area, const std::vector<int32_t>& ids) {
  std::vector<std::string> out;
  for (const int32_t id : ids) {
    std::vector<D_DOT> vertices;
    LIN_INFO info;
    if (!BasReadLine(area, id, &vertices, &info)) continue;
    std::string text = num::Format("w%.1f", info.width());
    for (const D_DOT& v : vertices) text += DumpPoint(v.x, v.y);
    out.push_back(text);
  }
  return out;
}

inline std::vector<std::string> DumpTexts(WorkAreaHandle area, const std::vector<int32_t>& ids) {
  std::vector<std::string> out;
  for (const int32_t id : ids) {
    D_DOT at{};
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(area, id, &at, &text, &info)) continue;
    out.push_back(text + " @" + DumpPoint(at.x, at.y).substr(1) +
                  num::Format(" %.2f/%.2f", info.charHeight(), info.charWidth()));
  }
  return out;
}

// A point, a line and a region area with the user's default records as the
// frame's base records.
class FrameTest : public WorkAreasTest {
 protected:
  frame::FrameTarget Target() const {
    frame::FrameTarget target{points_, lines_, *BasGetDefaultLineParam(0), {}};
    BasGetDefaultPointParam(&target.text, 0);
    return target;
  }
  std::vector<std::string> Lines(const frame::FrameDrawn& drawn) const { return DumpLines(lines_, drawn.lines); }
  std::vector<std::string> Texts(const frame::FrameDrawn& drawn) const { return DumpTexts(points_, drawn.points); }
};

}  // namespace zv::test

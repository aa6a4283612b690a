#include "tools/frame/frame_writer.h"

namespace zv::frame {

FrameWriter::FrameWriter(const FrameTarget& target) : target_(target) {
  BasBeginBatch(target_.points);
  BasBeginBatch(target_.lines);
}

FrameWriter::~FrameWriter() {
  BasEndBatch(target_.lines);
  BasEndBatch(target_.points);
}

void FrameWriter::Line(const std::vector<D_DOT>& vertices, float width) {
  LIN_INFO info = target_.line;
  info.setStyle(1);
  info.setColour(1);
  info.setWidth(width);
  if (const int32_t id = BasAppendLine(target_.lines, vertices, info)) drawn_.lines.push_back(id);
}

void FrameWriter::Text(const D_DOT& at, const std::string& text, TextSize size) {
  PNT_INFO info = target_.text;
  info.setCharHeight(size.height);
  info.setCharWidth(size.width);
  if (const int32_t id = BasAppendPoint(target_.points, at, text, info)) drawn_.points.push_back(id);
}

}  // namespace zv::frame

#pragma once
// Appends a frame's lines and labels to a point and a line work area. Every
// line is a copy of the base line record with style 1, colour 1 and its own
// width; every label a copy of the base text record with its own height and
// width. The base records (the user's defaults, as callers pass them) are
// never changed. Appends to each area form one batch, told to listeners
// when the writer goes.

#include <cstdint>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"

namespace zv::frame {

// Where a frame goes and what it is drawn with.
struct FrameTarget {
  WorkAreaHandle points = 0;
  WorkAreaHandle lines = 0;
  LIN_INFO line;  // the base line record
  PNT_INFO text;  // the base text record
};

// The ids a frame appended, in drawing order.
struct FrameDrawn {
  std::vector<int32_t> lines;
  std::vector<int32_t> points;
};

struct TextSize {
  float height;
  float width;
};
inline constexpr TextSize kSmallText{2.1f, 1.65f};
inline constexpr TextSize kLargeText{3.5f, 2.75f};
inline constexpr TextSize kCornerText{3.5f, 2.5f};

// The refusal of a frame whose scale is not above zero.
inline constexpr const char* kBadFrameScale = "比例尺必须大于0！";

inline constexpr float kThinWidth = 0.1f;
inline constexpr float kTickWidth = 0.2f;
inline constexpr float kOuterWidth = 0.5f;

class FrameWriter {
 public:
  explicit FrameWriter(const FrameTarget& target);
  ~FrameWriter();
  FrameWriter(const FrameWriter&) = delete;
  FrameWriter& operator=(const FrameWriter&) = delete;

  void Line(const std::vector<D_DOT>& vertices, float width);
  void Text(const D_DOT& at, const std::string& text, TextSize size);

  const FrameDrawn& drawn() const { return drawn_; }

 private:
  const FrameTarget& target_;
  FrameDrawn drawn_;
};

}  // namespace zv::frame

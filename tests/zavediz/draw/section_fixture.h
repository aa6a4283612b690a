#pragma once
// A small straight section for the cut and drawing tests: header set at
// 1:2000 (plan 1:10000), a line from ground (1050, 2030) at 30° for 1000 m
// (500 mm of section), a profile every 50 mm over a hill, two title rows,
// and helpers that read what the passes wrote.

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz::test {

inline void FillStraightSection(SectionData& data) {
  data.headerSet = true;
  data.planScale = 10000;
  data.sectionScale = 2000;
  data.title = "某某矿区0线地质剖面图";
  data.lineStored = true;
  data.groundStart = D_DOT{1050.0, 2030.0};
  const double a = std::numbers::pi / 6;
  data.groundEnd = D_DOT{1050.0 + 1000.0 * std::cos(a), 2030.0 + 1000.0 * std::sin(a)};
  data.length = 1000.0;
  data.direction = a;
  data.sectionStart = D_DOT{0.0, 0.0};
  data.sectionEnd = D_DOT{500.0, 0.0};
  for (int i = 0; i <= 10; ++i) {
    const double x = i * 50.0;
    data.terrain.InsertAt(i + 1, 0, x, 300.0 + 60.0 * std::sin(x / 500.0 * std::numbers::pi), "", 0.0);
  }
  TitleRow& first = data.titleRows[0];
  first.kind = "0";
  first.caption = "单位";
  first.content = "地质队";
  first.captionHeight = first.contentHeight = 8.0;
  first.captionWidth = 20.0;
  first.contentWidth = 120.0;
  first.captionRight = -100.0;
  first.contentRight = 0.0;
  first.margin = 2.0;
  first.font = 1;
  TitleRow& second = data.titleRows[1];
  second = first;
  second.kind = "1";
  second.caption = "图名";
  second.content = "剖面图";
  second.captionBottom = second.contentBottom = 8.0;
  second.contentWidth = 100.0;
  second.centred = true;
}

struct Note {
  std::string text;
  D_DOT at;
  PNT_INFO info;
};

inline std::vector<Note> Notes(WorkAreaHandle area) {
  std::vector<Note> notes;
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  for (int32_t id : BasGetDisplayOrder(area, kPointEntity)) {
    Note n;
    if (BasReadPoint(area, id, &n.at, &n.text, &n.info)) notes.push_back(n);
  }
  return notes;
}

struct Line {
  std::vector<D_DOT> vertices;
  LIN_INFO info;
};

inline std::vector<Line> Lines(WorkAreaHandle area) {
  std::vector<Line> lines;
  for (int32_t id : BasGetDisplayOrder(area, kLineEntity)) {
    Line l;
    if (BasReadLine(area, id, &l.vertices, &l.info)) lines.push_back(l);
  }
  return lines;
}

}  // namespace zv::zavediz::test

#pragma once
// A small synthetic contour map in a line work area: straight north-south
// contours with an elevation field "高程", a text field beside it, a contour
// without elevation (0), one crossed twice by an east-west line (a U) and
// two coincident ones. An east-west section along y = 0 from x = 10 meets
// them at x = 20 (100 m), 40 (110 m), 50 (0 m), 60 and 70 (the U, 120 m) and
// 80 (both 130 m).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/point_rec_list.h"
#include "platform/data/work_area.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::zavediz::test {

inline void AddElevationField(WorkAreaHandle lines, uint8_t type = kFieldDouble) {
  CFIELD_HEAD name;
  name.name = "名称";
  name.type = kFieldString;
  name.length = 10;
  ASSERT_GE(BasInsertField(lines, kLineEntity, name), 0);
  CFIELD_HEAD elevation;
  elevation.name = "高程";
  elevation.type = type;
  elevation.length = 8;
  ASSERT_GE(BasInsertField(lines, kLineEntity, elevation), 0);
}

// A contour; no elevation written when `metres` is empty.
inline int32_t AddContour(WorkAreaHandle lines, const std::vector<D_DOT>& vertices, std::optional<double> metres) {
  const int32_t id = BasAppendLine(lines, vertices, *BasGetDefaultLineParam());
  if (metres) {
    AttributeRecord record;
    BasReadAttribute(lines, kLineEntity, id, &record);
    BasSetFieldByName(record, "高程", *metres);
    BasSetFieldByName(record, "名称", "等高线");
    BasWriteAttribute(lines, kLineEntity, id, record);
  }
  return id;
}

// The points of a list as "(x,y)" to four decimals.
inline std::string Dump(const CPointRecList& list) {
  std::string text;
  for (int32_t i = 1; i <= list.GetCount(); ++i) {
    int32_t id;
    double x, y;
    list.GetAt(i, id, x, y);
    char row[64];
    std::snprintf(row, sizeof row, "(%.4f,%.4f)", x, y);
    text += row;
  }
  return text;
}

// The names of a list's points, each followed by a blank.
inline std::string Names(const CPointRecList& list) {
  std::string names;
  for (int32_t i = 1; i <= list.GetCount(); ++i) {
    int32_t id;
    double x, y;
    std::string name;
    list.GetAtWithName(i, id, x, y, name);
    names += name + " ";
  }
  return names;
}

class ContourMapTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    AddElevationField(lines_);
    AddContour(lines_, {{20, -50}, {20, 50}}, 100);
    AddContour(lines_, {{40, -50}, {40, 50}}, 110);
    AddContour(lines_, {{50, -50}, {50, 50}}, 0);
    AddContour(lines_, {{60, -50}, {60, 30}, {70, 30}, {70, -50}}, 120);
    AddContour(lines_, {{80, -50}, {80, 50}}, 130);
    AddContour(lines_, {{80, -50}, {80, 50}}, 130);
  }
};

}  // namespace zv::zavediz::test

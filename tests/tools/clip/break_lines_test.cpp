#include "tools/clip/core/break_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/data/attributes.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::tools {
namespace {

std::string Dump(const std::vector<Polyline>& pieces) {
  std::ostringstream out;
  for (const Polyline& piece : pieces) {
    out << "[";
    for (std::size_t i = 0; i < piece.size(); ++i) out << (i ? " " : "") << piece[i].x << "," << piece[i].y;
    out << "]";
  }
  return out.str();
}

TEST(BreakGeometry, CutsAtCrossingsInOrderAlongEachSegment) {
  struct Row {
    const char* name;
    Polyline line, cutter;
    const char* pieces;
  };
  const Row rows[] = {
      {"crossed twice gives three pieces", {{0, 0}, {10, 0}}, {{2, -1}, {2, 1}, {6, 1}, {6, -1}},
       "[0,0 2,0][2,0 6,0][6,0 10,0]"},
      {"a zigzag cutter taken along the segment, not in its own order", {{0, 0}, {10, 0}},
       {{8, -1}, {8, 1}, {3, -1}, {3, 1}}, "[0,0 3,0][3,0 5.5,0][5.5,0 8,0][8,0 10,0]"},
      {"a touch at an end breaks there (nothing left to cut off)", {{0, 0}, {10, 0}}, {{10, 0}, {10, 5}},
       "[0,0 10,0]"},
      {"a touch at an interior vertex breaks it once, no vertex repeated", {{0, 0}, {5, 0}, {10, 0}},
       {{5, 0}, {5, 5}}, "[0,0 5,0][5,0 10,0]"},
      {"a parallel cutter never breaks", {{0, 0}, {10, 0}}, {{0, 0.00001}, {10, 0.00002}}, "[0,0 10,0]"},
      {"a stretch shorter than 0.0001 stays in the piece", {{0, 0}, {10, 0}},
       {{5, -1}, {5, 1}, {5.00005, 1}, {5.00005, -1}}, "[0,0 5,0][5,0 5.00005,0 10,0]"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Dump(CutAtCrossings(r.line, r.cutter)), r.pieces);
  }
}

TEST(BreakGeometry, NodesCutInsideTheWindowOnlyAndFindLateSelfCrossings) {
  // A loop near the end: the last segment crosses the first ones' run.
  const Polyline loop{{0, 0}, {10, 0}, {10, 2}, {8, 2}, {8, -2}};
  const D_RECT all{-100, -100, 100, 100};
  // Cut at every vertex and at the crossing (8,0), which lies on segments 0 and 3.
  EXPECT_EQ(Dump(CutAtNodes(loop, all)), "[0,0 8,0][8,0 10,0][10,0 10,2][10,2 8,2][8,2 8,0][8,0 8,-2]");
  // Outside the window the line keeps its vertices and gains no crossing.
  const D_RECT away{50, 50, 60, 60};
  EXPECT_EQ(Dump(CutAtNodes(loop, away)), "[0,0 10,0 10,2 8,2 8,-2]");
  // A window round the far corner cuts only there.
  const D_RECT corner{9, 1, 11, 3};
  EXPECT_EQ(Dump(CutAtNodes(loop, corner)), "[0,0 10,0 10,2][10,2 8,2 8,-2]");
}

class BreakLines : public test::WorkAreasTest {};

TEST_F(BreakLines, PiecesKeepParametersAndRecordsAndOneUndoStepRestores) {
  CFIELD_HEAD field;
  field.name = "编号";
  field.type = kFieldString;
  field.length = 10;
  ASSERT_TRUE(EnsureField(lines_, kLineEntity, field));
  LIN_INFO info{};
  info.setColour(12);
  const int32_t line = BasAppendLine(lines_, Polyline{{0, 0}, {10, 0}}, info);
  const int32_t other = BasAppendLine(lines_, Polyline{{0, 5}, {10, 5}}, info);
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(lines_, kLineEntity, line, &record));
  ASSERT_TRUE(BasSetFieldByName(record, "编号", "A-1"));
  ASSERT_TRUE(BasWriteAttribute(lines_, kLineEntity, line, record));

  const Polyline cutter{{2, -1}, {2, 1}, {6, 1}, {6, -1}};
  EXPECT_EQ(LinesCrossedBy(lines_, cutter, 0), std::vector<int32_t>{line});
  EXPECT_TRUE(LinesCrossedBy(lines_, cutter, line).empty());

  GisUndo undo;
  undo.BeginStep();
  const std::vector<int32_t> added = BreakLinesAtCrossings(undo, lines_, {line}, cutter).front();
  undo.EndStep();
  ASSERT_EQ(added.size(), 3u);
  EXPECT_FALSE(BasIsEntityLive(lines_, kLineEntity, line));
  for (const int32_t id : added) {
    LIN_INFO got;
    ASSERT_TRUE(BasReadLineParam(lines_, id, &got));
    EXPECT_EQ(got, info);
    AttributeRecord copy;
    ASSERT_TRUE(BasReadAttribute(lines_, kLineEntity, id, &copy));
    std::string text;
    ASSERT_TRUE(BasGetFieldText(copy, "编号", &text));
    EXPECT_EQ(text, "A-1");
  }
  EXPECT_DOUBLE_EQ(BasGetLineLength(lines_, added[1]), 4.0);
  EXPECT_EQ(undo.StepCount(), 1);
  undo.Undo();
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 2);
  Polyline back;
  ASSERT_TRUE(BasReadLine(lines_, line, &back, nullptr));
  EXPECT_EQ(Dump({back}), "[0,0 10,0]");
  EXPECT_TRUE(BasIsEntityLive(lines_, kLineEntity, other));
}

}  // namespace
}  // namespace zv::tools

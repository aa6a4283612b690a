#include "platform/view/gis_undo.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

// A point, a line and a region area with a named field on points, and the
// content of each entity as one comparable text.
class UndoTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    CFIELD_HEAD name;
    name.name = "NAME";
    name.length = 20;
    ASSERT_GE(BasInsertField(points_, kPointEntity, name), 0);
  }

  int32_t AddPoint(double x, const char* label, int colour) {
    PNT_INFO info;
    info.setKind(0);
    info.setColour(colour);
    const int32_t id = BasAppendPoint(points_, {x, 2 * x}, label, info);
    AttributeRecord record;
    BasReadAttribute(points_, kPointEntity, id, &record);
    BasSetFieldByName(record, "NAME", std::string("n-") + label);
    BasWriteAttribute(points_, kPointEntity, id, record);
    return id;
  }
  int32_t AddLine(WorkAreaHandle area, std::vector<D_DOT> v, int colour) {
    LIN_INFO info;
    info.setColour(colour);
    return BasAppendLine(area, v, info);
  }
  std::string PointText(int32_t id) {
    D_DOT p;
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(points_, id, &p, &text, &info)) return "gone";
    AttributeRecord record;
    std::string name;
    BasReadAttribute(points_, kPointEntity, id, &record);
    BasGetFieldText(record, "NAME", &name);
    return std::to_string(p.x) + "," + std::to_string(p.y) + "," + text + "," + std::to_string(info.colour()) + "," + name;
  }
  std::string LineText(WorkAreaHandle area, int32_t id) {
    std::vector<D_DOT> v;
    LIN_INFO info;
    if (!BasReadLine(area, id, &v, &info)) return "gone";
    std::string s = std::to_string(info.colour());
    for (const D_DOT& d : v) s += ";" + std::to_string(d.x) + "," + std::to_string(d.y);
    return s;
  }
  std::string State() {
    std::string s;
    int32_t live = 0, bound = 0;
    BasGetPointCount(points_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) s += "P" + std::to_string(id) + "=" + PointText(id) + "\n";
    BasGetLineCount(lines_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) s += "L" + std::to_string(id) + "=" + LineText(lines_, id) + "\n";
    BasGetRegionCount(regions_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<int32_t> arcs;
      REG_INFO info;
      s += "R" + std::to_string(id) + "=";
      if (BasReadRegion(regions_, id, &arcs, &info)) {
        s += std::to_string(info.fillColour());
        for (int32_t a : arcs) s += "," + std::to_string(a);
      } else {
        s += "gone";
      }
      s += "\n";
    }
    for (int32_t id : BasGetDisplayOrder(points_, kPointEntity)) s += "o" + std::to_string(id);
    return s;
  }
  GisUndo undo_;
};

TEST_F(UndoTest, AppendChangeAndDeleteAreTakenBackExactlyInOneStepEach) {
  AddPoint(1, "a", 3);
  AddPoint(2, "b", 4);
  AddPoint(3, "c", 5);
  AddLine(lines_, {{0, 0}, {1, 1}}, 7);
  const std::string initial = State();

  // Appended: deleted again.
  undo_.BeginStep();
  const int32_t added = AddPoint(9, "new", 1);
  undo_.PushList(points_, kPointEntity, &added, 1, GisUndo::kAppended);
  undo_.EndStep();
  // Changed: geometry, parameters and attributes come back.
  const ENTITY_MSG second{points_, kPointEntity, 2};
  undo_.BeginStep();
  undo_.PushSelGraphics(&second, 1, GisUndo::kChanged, 1);
  PNT_INFO info;
  BasReadPointParam(points_, 2, &info);
  info.setColour(99);
  BasUpdatePoint(points_, 2, {50, 50}, "changed", info);
  AttributeRecord record;
  BasReadAttribute(points_, kPointEntity, 2, &record);
  BasSetFieldByName(record, "NAME", "other");
  BasWriteAttribute(points_, kPointEntity, 2, record);
  undo_.EndStep();
  // Deleted: back at its own id and drawing position.
  const ENTITY_MSG first{points_, kPointEntity, 1};
  undo_.BeginStep();
  undo_.PushSelGraphics(&first, 1, GisUndo::kDeleted, 1);
  BasDeletePoint(points_, 1);
  undo_.EndStep();

  EXPECT_EQ(undo_.StepCount(), 3);
  EXPECT_NE(State(), initial);
  undo_.Undo();
  EXPECT_EQ(PointText(1), "1.000000,2.000000,a,3,n-a");
  undo_.Undo();
  EXPECT_EQ(PointText(2), "2.000000,4.000000,b,4,n-b");
  undo_.Undo();
  EXPECT_EQ(PointText(added), "gone");
  const std::string afterUndo = State();
  // The appended id stays counted (ids are given once); all else is as before.
  EXPECT_EQ(afterUndo.substr(0, initial.find("L1")), initial.substr(0, initial.find("L1")));
  EXPECT_TRUE(undo_.IsEmpty());
  EXPECT_TRUE(undo_.Undo().empty());
}

TEST_F(UndoTest, ACommandThatPushesSeveralRecordsIsOneStep) {
  const int32_t arc = AddLine(regions_, {{0, 0}, {10, 0}, {10, 10}, {0, 0}}, 2);
  REG_INFO rinfo;
  rinfo.setFillColour(6);
  const int32_t region = BasAppendRegion(regions_, {0, arc}, rinfo);
  const int32_t line = AddLine(lines_, {{5, 5}, {6, 6}}, 1);
  const std::string initial = State();

  // One command: delete the region and its arc, change the line, append two points.
  undo_.BeginStep();
  const ENTITY_MSG regionAndArc[] = {{regions_, kRegionEntity, region}, {regions_, kLineEntity, arc}};
  undo_.PushSelGraphics(regionAndArc, 2, GisUndo::kDeleted, 1);
  BasDeleteRegion(regions_, region);
  BasDeleteLine(regions_, arc);
  const ENTITY_MSG lineEntry{lines_, kLineEntity, line};
  undo_.PushSelGraphics(&lineEntry, 1, GisUndo::kChanged, 1);
  LIN_INFO linfo;
  linfo.setColour(44);
  BasUpdateLine(lines_, line, std::vector<D_DOT>{{0, 0}, {100, 100}, {7, 7}}, linfo);
  const int32_t ids[] = {AddPoint(1, "x", 1), AddPoint(2, "y", 1)};
  undo_.PushList(points_, kPointEntity, ids, 2, GisUndo::kAppended);
  undo_.EndStep();

  EXPECT_EQ(undo_.StepCount(), 1);
  const std::vector<ENTITY_MSG> touched = undo_.Undo();
  EXPECT_EQ(touched.size(), 5u);
  std::string now = State();
  // The two appended points are gone (their ids stay counted).
  EXPECT_NE(now.find("P1=gone"), std::string::npos);
  EXPECT_NE(now.find("P2=gone"), std::string::npos);
  EXPECT_EQ(now.substr(now.find("L1")), initial.substr(initial.find("L1")));
}

TEST_F(UndoTest, PushesOutsideABracketAreStepsOfTheirOwnAndBadPushesAreRefused) {
  const int32_t a = AddPoint(1, "a", 1);
  const int32_t b = AddPoint(2, "b", 1);
  EXPECT_TRUE(undo_.PushList(points_, kPointEntity, &a, 1, 1));
  EXPECT_TRUE(undo_.PushList(points_, kPointEntity, &b, 1, 1));
  EXPECT_FALSE(undo_.PushList(points_, kPointEntity, &b, 0, 1));
  EXPECT_FALSE(undo_.PushList(points_, kPointEntity, nullptr, 1, 1));
  EXPECT_FALSE(undo_.PushList(points_, kPointEntity, &b, 1, 4));
  EXPECT_EQ(undo_.StepCount(), 2);
  undo_.Undo();
  EXPECT_EQ(PointText(b), "gone");
  EXPECT_NE(PointText(a), "gone");
}

TEST_F(UndoTest, NoLimitOnIds) {
  std::vector<int32_t> ids;
  for (int i = 0; i < 25000; ++i) ids.push_back(AddLine(lines_, {{double(i), 0}, {double(i), 1}}, 1));
  undo_.PushList(lines_, kLineEntity, ids, GisUndo::kAppended);
  undo_.Undo();
  int32_t live = -1, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 0);
}

TEST_F(UndoTest, DeletedEntitiesComeBackInTheirDrawingPlace) {
  for (int i = 1; i <= 5; ++i) AddPoint(i, "p", i);
  BasBringToFront(points_, kPointEntity, {2});  // order 1 3 4 5 2
  const std::string initial = State();
  const ENTITY_MSG doomed[] = {{points_, kPointEntity, 2}, {points_, kPointEntity, 4}};
  undo_.PushSelGraphics(doomed, 2, GisUndo::kDeleted, 1);
  BasDeletePoint(points_, 2);
  BasDeletePoint(points_, 4);
  undo_.Undo();
  EXPECT_EQ(State(), initial);
}

}  // namespace
}  // namespace zv

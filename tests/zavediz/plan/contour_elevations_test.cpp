#include "zavediz/plan/contour_elevations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/work_areas_fixture.h"
#include "zavediz/plan/plan_messages.h"

namespace zv::zavediz {
namespace {

class ContourElevationsTest : public zv::test::WorkAreasTest {
 protected:
  int32_t Line(const std::vector<D_DOT>& vertices, int32_t colour = 1) {
    LIN_INFO info = *BasGetDefaultLineParam();
    info.setColour(colour);
    return BasAppendLine(lines_, vertices, info);
  }
  // "高程" of each line in id order ("-" without a value).
  std::string Elevations() {
    int32_t live = 0, bound = 0;
    BasGetLineCount(lines_, &live, &bound);
    std::string text;
    for (int32_t id = 1; id < bound; ++id) {
      AttributeRecord record;
      double value = 0;
      BasReadAttribute(lines_, kLineEntity, id, &record);
      text += BasGetFieldDouble(record, kElevationField, &value) ? std::to_string(static_cast<int>(value)) : "-";
      text += " ";
    }
    return text;
  }
  int32_t Colour(int32_t id) {
    LIN_INFO info;
    BasReadLineParam(lines_, id, &info);
    return info.colour();
  }
  SavedColours saved_;
};

TEST_F(ContourElevationsTest, ContoursAreNumberedInTheOrderTheDrawnLineMeetsThem) {
  ASSERT_TRUE(AddElevationField(lines_));
  for (double x : {20, 40, 60, 80}) Line({{x, -50}, {x, 50}});   // ids 1-4, west to east
  for (double y : {10, 20, 30}) Line({{-50, y}, {-10, y}});      // ids 5-7, south to north
  struct Case {
    const char* name;
    D_DOT start, end;
    ElevationRange range;
    std::string expected;
  };
  const Case cases[] = {
      {"west to east, up", {10, 0}, {90, 0}, {100, 10000, 5}, "100 105 110 115 0 0 0 "},
      {"east to west, up", {90, 0}, {10, 0}, {100, 10000, 5}, "115 110 105 100 0 0 0 "},
      {"west to east, down", {10, 0}, {90, 0}, {100, 0, 5}, "100 95 90 85 0 0 0 "},
      {"south to north", {-30, 0}, {-30, 40}, {100, 10000, 5}, "0 0 0 0 100 105 110 "},
      {"north to south", {-30, 40}, {-30, 0}, {100, 10000, 5}, "0 0 0 0 110 105 100 "},
      {"nearly vertical, down to the right", {-30, 40}, {-29.99995, 0}, {100, 10000, 5}, "0 0 0 0 110 105 100 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int32_t id = 1; id <= 7; ++id) {
      AttributeRecord record;
      BasReadAttribute(lines_, kLineEntity, id, &record);
      BasSetFieldByName(record, kElevationField, 0.0);
      BasWriteAttribute(lines_, kLineEntity, id, record);
    }
    std::vector<int32_t> told;
    EXPECT_EQ(AssignContourElevations(lines_, c.start, c.end, c.range, saved_, [&](auto& ids) { told = ids; }), "");
    EXPECT_EQ(Elevations(), c.expected);
    EXPECT_EQ(told.size(), c.name[0] == 'w' || c.name[0] == 'e' ? 4u : 3u);
  }
}

TEST_F(ContourElevationsTest, RefusalsWriteNothing) {
  ASSERT_TRUE(AddElevationField(lines_));
  Line({{20, -50}, {20, 50}});
  Line({{60, -50}, {60, 30}, {70, 30}, {70, -50}});  // a U
  bool told = false;
  const BeforeChange tell = [&](auto&) { told = true; };
  EXPECT_EQ(AssignContourElevations(lines_, {10, 0}, {90, 0}, {100, 10000, 5}, saved_, tell), kCrossedTwiceMessage);
  EXPECT_EQ(AssignContourElevations(lines_, {10, 60}, {90, 60}, {100, 10000, 5}, saved_, tell), kNoLinesCrossedMessage);
  EXPECT_FALSE(told);
  EXPECT_EQ(Elevations(), "0 0 ");
  EXPECT_EQ(Colour(1), 1);
  EXPECT_EQ(FirstCrossedElevation(lines_, {10, 0}, {90, 0}), 0.0);  // the U is met twice
}

TEST_F(ContourElevationsTest, DialogStartsFromTheFirstContourMet) {
  ASSERT_TRUE(AddElevationField(lines_));
  Line({{20, -50}, {20, 50}});
  Line({{40, -50}, {40, 50}});
  ASSERT_EQ(AssignContourElevations(lines_, {10, 0}, {50, 0}, {300, 10000, 10}, saved_, nullptr), "");
  EXPECT_EQ(FirstCrossedElevation(lines_, {10, 0}, {50, 0}), 300.0);
  EXPECT_EQ(FirstCrossedElevation(lines_, {50, 0}, {10, 0}), 310.0);
  EXPECT_EQ(FirstCrossedElevation(lines_, {10, 60}, {50, 60}), 0.0);
}

TEST_F(ContourElevationsTest, ElevationFieldIsAddedOnceAndRetypedKeepingValues) {
  ASSERT_FALSE(PrepareElevationField(lines_));  // no field yet: the run is refused
  ASSERT_TRUE(AddElevationField(lines_));
  ASSERT_TRUE(AddElevationField(lines_));
  CATT_STRU structure;
  BasReadAttributeStructure(lines_, kLineEntity, &structure);
  EXPECT_EQ(structure.fieldCount(), 3);  // ID, 长度, 高程

  BasDeleteField(lines_, kLineEntity, BasFindField(structure, kElevationField));
  CFIELD_HEAD asLong;
  asLong.name = kElevationField;
  asLong.type = kFieldLong;
  asLong.length = 6;
  ASSERT_GE(BasInsertField(lines_, kLineEntity, asLong), 0);
  const int32_t id = Line({{20, -50}, {20, 50}});
  AttributeRecord record;
  BasReadAttribute(lines_, kLineEntity, id, &record);
  BasSetFieldByName(record, kElevationField, 1250.0);
  BasWriteAttribute(lines_, kLineEntity, id, record);

  ASSERT_TRUE(PrepareElevationField(lines_));
  BasReadAttributeStructure(lines_, kLineEntity, &structure);
  const int index = BasFindField(structure, kElevationField);
  EXPECT_EQ(structure.fields[static_cast<size_t>(index)].type, kFieldDouble);
  EXPECT_EQ(structure.fields[static_cast<size_t>(index)].length, 8);
  EXPECT_EQ(Elevations(), "1250 ");
}

TEST_F(ContourElevationsTest, ShowAndRestoreGiveEachLineItsOwnColourBack) {
  ASSERT_TRUE(AddElevationField(lines_));
  const int32_t a = Line({{20, -50}, {20, 50}}, 2);
  const int32_t b = Line({{40, -50}, {40, 50}}, 3);
  const int32_t plain = Line({{200, -50}, {200, 50}}, 4);  // never given an elevation
  ASSERT_EQ(AssignContourElevations(lines_, {10, 0}, {30, 0}, {100, 10000, 5}, saved_, nullptr), "");
  EXPECT_EQ(Colour(a), kAssignedColour);
  AttributeRecord record;
  BasReadAttribute(lines_, kLineEntity, b, &record);
  BasSetFieldByName(record, kElevationField, 120.0);
  BasWriteAttribute(lines_, kLineEntity, b, record);

  std::vector<int32_t> told;
  MarkAssignedContours(lines_, true, saved_, [&](auto& ids) { told = ids; });
  EXPECT_EQ(told, (std::vector<int32_t>{a, b}));
  EXPECT_EQ(Colour(b), kAssignedColour);
  EXPECT_EQ(Colour(plain), 4);

  MarkAssignedContours(lines_, false, saved_, nullptr);
  EXPECT_EQ(Colour(a), 2);
  EXPECT_EQ(Colour(b), 3);
  EXPECT_EQ(Colour(plain), 4);

  // An undo of the restore marks a again; the user gives b a colour of
  // their own. A restore then gives a its colour back and keeps b's, and so
  // does showing and restoring once more.
  LIN_INFO info;
  BasReadLineParam(lines_, a, &info);
  info.setColour(kAssignedColour);
  BasWriteLineParam(lines_, a, info);
  BasReadLineParam(lines_, b, &info);
  info.setColour(7);
  BasWriteLineParam(lines_, b, info);
  told.clear();
  MarkAssignedContours(lines_, false, saved_, [&](auto& ids) { told = ids; });
  EXPECT_EQ(told, std::vector<int32_t>{a});
  EXPECT_EQ(Colour(a), 2);
  EXPECT_EQ(Colour(b), 7);
  MarkAssignedContours(lines_, true, saved_, nullptr);
  MarkAssignedContours(lines_, false, saved_, nullptr);
  EXPECT_EQ(Colour(a), 2);
  EXPECT_EQ(Colour(b), 7);
}

}  // namespace
}  // namespace zv::zavediz

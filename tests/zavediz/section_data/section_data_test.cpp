#include <gtest/gtest.h>

#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {
namespace {

// Fills every field a reset touches, plus the ones it must keep.
void FillSection(SectionData& data) {
  data.headerSet = true;
  data.planScale = 10000;
  data.sectionScale = 2000;
  data.title = "图名";
  data.titleRows[0].content = "内容";
  data.lineStored = true;
  data.lineName = "0线";
  data.groundEnd = D_DOT{100.0, 200.0};
  data.xTick.set = true;
  data.yTick.set = true;
  data.boreholes[0] = DesignBoreholeRec{true, "ZK1", 10.0};
  data.boreholes[99].inUse = true;
  data.trenches[5] = DesignTrenchRec{true, "TC1", 3.0};
  data.bottomLeft = D_DOT{1.0, -50.0};
  data.bottomRight = D_DOT{90.0, -50.0};
  data.terrain.InsertAt(1, 0, 0.0, 10.0, "", 0.0);
  data.geologyCrossings.AddSorted(7, 1.0, 2.0, "");
  data.geologyBoundary.InsertAt(1, 7, 5.0, 6.0, "inf", 0.0);
}

TEST(SectionData, ResetFreesSlotsAndListsAndKeepsTheHeaderUnlessAsked) {
  for (bool clearHeader : {false, true}) {
    SCOPED_TRACE(clearHeader ? "clear header" : "keep header");
    SectionData data;
    FillSection(data);
    ResetZavedizData(data, clearHeader);

    for (const auto& slot : data.boreholes) EXPECT_FALSE(slot.inUse);
    for (const auto& slot : data.trenches) EXPECT_FALSE(slot.inUse);
    EXPECT_EQ(data.boreholes[0].name, "ZK1");  // a freed slot keeps its values
    EXPECT_FALSE(data.xTick.set);
    EXPECT_FALSE(data.yTick.set);
    EXPECT_FALSE(data.lineStored);
    EXPECT_EQ(data.bottomLeft.x, 0.0);
    EXPECT_EQ(data.bottomLeft.y, 0.0);
    EXPECT_TRUE(data.terrain.IsEmpty());
    EXPECT_TRUE(data.geologyCrossings.IsEmpty());
    EXPECT_TRUE(data.geologyBoundary.IsEmpty());

    EXPECT_EQ(data.headerSet, !clearHeader);
    EXPECT_EQ(data.planScale, 10000);
    EXPECT_EQ(data.sectionScale, 2000);
    EXPECT_EQ(data.title, "图名");
    EXPECT_EQ(data.titleRows[0].content, "内容");
    EXPECT_EQ(data.lineName, "0线");
    EXPECT_EQ(data.groundEnd.y, 200.0);
  }
}

TEST(SectionData, StartsWithNothingSetAndTheTicksNamed) {
  SectionData data;
  EXPECT_FALSE(data.headerSet);
  EXPECT_FALSE(data.lineStored);
  EXPECT_EQ(data.lowestElevation, -1);
  EXPECT_EQ(data.xTick.letter, 'X');
  EXPECT_EQ(data.xTick.kind, 1);
  EXPECT_EQ(data.yTick.letter, 'Y');
  EXPECT_EQ(data.yTick.kind, 2);
  for (const auto& slot : data.boreholes) EXPECT_FALSE(slot.inUse);
  for (const auto& slot : data.trenches) EXPECT_FALSE(slot.inUse);
}

}  // namespace
}  // namespace zv::zavediz

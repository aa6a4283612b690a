#include "zavediz/plan/design_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "zavediz/plan/plan_messages.h"

namespace zv::zavediz {
namespace {

// A section line from ground (0, 0) eastwards for 1000 m, plan 1:10000,
// section 1:2000 (500 mm long); the ground rises from 100 to 150 mm at
// 250 mm and falls back to 100.
class DesignRecords : public testing::Test {
 protected:
  void SetUp() override {
    data_.planScale = 10000;
    data_.sectionScale = 2000;
    data_.lineStored = true;
    data_.groundEnd = D_DOT{1000.0, 0.0};
    data_.sectionEnd = D_DOT{500.0, 0.0};
    data_.terrain.InsertAt(1, 0, 0.0, 100.0, "", 0.0);
    data_.terrain.InsertAt(2, 0, 250.0, 150.0, "", 0.0);
    data_.terrain.InsertAt(3, 0, 500.0, 100.0, "", 0.0);
  }
  // Slots 0 .. n−1 in use, as earlier stores left them.
  void FillBoreholes(int n) {
    for (int i = 0; i < n; ++i) {
      DesignBoreholeRec& r = data_.boreholes[static_cast<size_t>(i)];
      r.inUse = true;
      r.number = static_cast<int16_t>(i + 1);
    }
  }

  SectionData data_;
  DesignCursor cursor_;
};

TEST_F(DesignRecords, AClickShowsTheRoundedPlaceAndPreparesTheSlot) {
  const DesignClick click = PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{12.346, 0.0004});
  EXPECT_DOUBLE_EQ(click.x, 12.35 * 10000 * 0.001);
  EXPECT_DOUBLE_EQ(click.y, 0.0);
  // H from the click itself: 61.73 mm along, 112.346 mm up, at 1:2000.
  EXPECT_NEAR(click.h, 224.692, 1e-6);
  EXPECT_TRUE(click.message.empty());
  const DesignBoreholeRec& r = data_.boreholes[0];
  EXPECT_FALSE(r.inUse);
  EXPECT_NEAR(r.distance, 61.75, 1e-9);
  EXPECT_NEAR(r.collarElevation, 112.35, 1e-9);
  EXPECT_EQ(r.baseY, 0.0);
  EXPECT_EQ(r.number, 1);
  EXPECT_EQ(cursor_.prepared, 0);
}

TEST_F(DesignRecords, StoringBoreholes) {
  const struct {
    const char* name;
    int inUse;
    bool clear;
    size_t slot;
    double depthMetres;
    double depth;
  } cases[] = {
      {"3 in use, kept: the next is the fourth", 3, false, 3, 100.0, 50.0},
      {"3 in use, cleared: the first again", 3, true, 0, 100.0, 50.0},
      {"none in use", 0, false, 0, 37.0, 18.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    for (DesignBoreholeRec& r : data_.boreholes) r = DesignBoreholeRec{};
    FillBoreholes(c.inUse);
    BeginDesign(data_, DesignKind::kBorehole, c.clear, cursor_);
    EXPECT_EQ(CountDesignBoreholes(data_), c.clear ? 0 : c.inUse);
    PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{50.0, 0.0});
    const BoreholeEntry entry{"ZK7", c.depthMetres, 45, 60, 1.5, 2.5, 3.5};
    ASSERT_TRUE(StoreDesignBorehole(data_, cursor_, entry).stored);
    const DesignBoreholeRec& r = data_.boreholes[c.slot];
    EXPECT_TRUE(r.inUse);
    EXPECT_EQ(r.number, static_cast<int16_t>(c.slot + 1));
    EXPECT_EQ(r.name, "ZK7");
    EXPECT_DOUBLE_EQ(r.depth, c.depth);
    EXPECT_EQ(r.azimuth, 45.0);
    EXPECT_EQ(r.dip, 60.0);
    // What the dialog holds is stored; the place stays the click's.
    EXPECT_EQ(r.groundX, 1.5);
    EXPECT_EQ(r.groundY, 2.5);
    EXPECT_EQ(r.h, 3.5);
    EXPECT_DOUBLE_EQ(r.distance, 250.0);
    EXPECT_DOUBLE_EQ(r.collarElevation, 150.0);
    EXPECT_EQ(cursor_.next, static_cast<int32_t>(c.slot + 1));
  }
}

TEST_F(DesignRecords, ASecondClickBeforeTheStorePreparesTheSameSlotAgain) {
  PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{10.0, 0.0});
  PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{40.0, 0.0});
  EXPECT_DOUBLE_EQ(data_.boreholes[0].distance, 200.0);
  EXPECT_FALSE(data_.boreholes[1].inUse);
  EXPECT_EQ(data_.boreholes[1].number, 0);
  ASSERT_TRUE(StoreDesignBorehole(data_, cursor_, BoreholeEntry{}).stored);
  EXPECT_EQ(CountDesignBoreholes(data_), 1);
}

TEST_F(DesignRecords, TrenchEndsFollowTheLineAndTheProfile) {
  // The line at 30°; the click lies off it, so its straight distance from
  // the start is not its place along the line.
  const double a = std::numbers::pi / 6;
  data_.direction = a;
  data_.groundEnd = D_DOT{1000.0 * std::cos(a), 1000.0 * std::sin(a)};
  PlaceDesign(data_, DesignKind::kTrench, cursor_, D_DOT{30.0, 0.0});
  const DesignTrenchRec& r = data_.trenches[0];
  EXPECT_DOUBLE_EQ(r.startDistance, 150.0);
  EXPECT_DOUBLE_EQ(r.startElevation, 130.0);
  const DesignStore stored = StoreDesignTrench(data_, cursor_, TrenchEntry{"TC1", 300.0, 300.0, 0.0});
  ASSERT_TRUE(stored.stored);
  EXPECT_TRUE(stored.message.empty());
  EXPECT_TRUE(r.inUse);
  EXPECT_DOUBLE_EQ(r.length, 150.0);
  EXPECT_DOUBLE_EQ(r.endDistance, 300.0);
  EXPECT_DOUBLE_EQ(r.endBaseY, r.startBaseY);
  EXPECT_DOUBLE_EQ(r.endElevation, 140.0);  // the profile at 300 mm
  EXPECT_NEAR(r.endGroundX, 300.0 + 300.0 * std::sqrt(3.0) / 2, 1e-9);
  EXPECT_NEAR(r.endGroundY, 150.0, 1e-9);
  EXPECT_EQ(r.number, 1);
}

TEST_F(DesignRecords, OffTheProfileTheElevationIsZeroAndTold) {
  const DesignClick click = PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{110.0, 0.0});
  EXPECT_EQ(click.message, kOutsideSectionMessage);
  EXPECT_EQ(click.h, 0.0);
  EXPECT_EQ(data_.boreholes[0].collarElevation, 0.0);
  // A trench running past the end: its end elevation is told too.
  PlaceDesign(data_, DesignKind::kTrench, cursor_, D_DOT{90.0, 0.0});
  const DesignStore stored = StoreDesignTrench(data_, cursor_, TrenchEntry{"TC", 200.0, 0.0, 0.0});
  EXPECT_TRUE(stored.stored);
  EXPECT_EQ(stored.message, kOutsideSectionMessage);
  EXPECT_EQ(data_.trenches[0].endElevation, 0.0);
}

TEST_F(DesignRecords, AStoreNeedsAClickAndAFreeSlot) {
  // Never clicked.
  DesignStore s = StoreDesignBorehole(data_, cursor_, BoreholeEntry{});
  EXPECT_FALSE(s.stored);
  EXPECT_EQ(s.message, kPlaceFirstMessage);
  EXPECT_EQ(CountDesignBoreholes(data_), 0);

  // Stored once: a second store without a new click writes nothing.
  PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{10.0, 0.0});
  ASSERT_TRUE(StoreDesignBorehole(data_, cursor_, BoreholeEntry{}).stored);
  s = StoreDesignBorehole(data_, cursor_, BoreholeEntry{});
  EXPECT_EQ(s.message, kPlaceFirstMessage);
  EXPECT_EQ(CountDesignBoreholes(data_), 1);

  // A click on the previous section line does not prepare the new one's slot.
  PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{20.0, 0.0});
  ResetZavedizData(data_, false);
  EXPECT_EQ(StoreDesignBorehole(data_, cursor_, BoreholeEntry{}).message, kPlaceFirstMessage);
  EXPECT_EQ(cursor_.next, 0);

  // A full table: the click prepares nothing, the store refuses.
  for (DesignTrenchRec& r : data_.trenches) r.inUse = true;
  for (DesignTrenchRec& r : data_.trenches) r.startDistance = -1.0;
  DesignCursor trenches;
  BeginDesign(data_, DesignKind::kTrench, false, trenches);
  EXPECT_EQ(trenches.next, kDesignSlotCount);
  const DesignClick click = PlaceDesign(data_, DesignKind::kTrench, trenches, D_DOT{10.0, 0.0});
  EXPECT_DOUBLE_EQ(click.x, 100.0);
  s = StoreDesignTrench(data_, trenches, TrenchEntry{});
  EXPECT_FALSE(s.stored);
  EXPECT_EQ(s.message, kTrenchesFullMessage);
  for (const DesignTrenchRec& r : data_.trenches) EXPECT_EQ(r.startDistance, -1.0);
  EXPECT_EQ(trenches.next, kDesignSlotCount);
}

TEST_F(DesignRecords, SlotsInUseWithAGapTakeTheNextStoreInTheFirstFreeSlot) {
  FillBoreholes(kDesignSlotCount);
  for (int i = 50; i < 60; ++i) data_.boreholes[static_cast<size_t>(i)].inUse = false;
  data_.boreholes[90].distance = -1.0;
  BeginDesign(data_, DesignKind::kBorehole, false, cursor_);  // 90 in use: the count names slot 90
  PlaceDesign(data_, DesignKind::kBorehole, cursor_, D_DOT{10.0, 0.0});
  const DesignStore s = StoreDesignBorehole(data_, cursor_, BoreholeEntry{});
  EXPECT_TRUE(s.stored) << s.message;
  EXPECT_TRUE(data_.boreholes[50].inUse);
  EXPECT_EQ(data_.boreholes[50].number, 51);
  EXPECT_EQ(data_.boreholes[90].distance, -1.0) << "a slot in use is never prepared again";
  EXPECT_EQ(CountDesignBoreholes(data_), 91);
}

TEST_F(DesignRecords, ATrenchWithoutLengthIsRefusedAndTheClickKept) {
  PlaceDesign(data_, DesignKind::kTrench, cursor_, D_DOT{10.0, 0.0});
  DesignStore s = StoreDesignTrench(data_, cursor_, TrenchEntry{"TC1", 0.0, 100.0, 0.0});
  EXPECT_FALSE(s.stored);
  EXPECT_EQ(s.message, kNoTrenchLengthMessage);
  EXPECT_EQ(CountDesignTrenches(data_), 0);
  s = StoreDesignTrench(data_, cursor_, TrenchEntry{"TC1", 10.0, 100.0, 0.0});
  EXPECT_TRUE(s.stored) << s.message;
  EXPECT_EQ(CountDesignTrenches(data_), 1);
}

}  // namespace
}  // namespace zv::zavediz

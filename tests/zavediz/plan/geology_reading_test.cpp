#include "zavediz/plan/geology_reading.h"

#include <gtest/gtest.h>

#include "tests/zavediz/plan/contour_map.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section.h"

namespace zv::zavediz {
namespace {

using test::Dump;

// Contours x = 20, 40, 60, 80 at 100 .. 130 m, plan and section both at
// 1:1000 (a plan mm is a metre, a metre a section mm); two geological
// boundaries, the region arcs x = 35 and x = 65.
class GeologyReadingTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    test::AddElevationField(lines_);
    for (int i = 0; i < 4; ++i) test::AddContour(lines_, {{20.0 + 20 * i, 0}, {20.0 + 20 * i, 100}}, 100 + 10 * i);
    left_ = BasAppendLine(regions_, std::vector<D_DOT>{{35, 0}, {35, 100}}, *BasGetDefaultLineParam());
    right_ = BasAppendLine(regions_, std::vector<D_DOT>{{65, 100}, {65, 40}, {65, 0}}, *BasGetDefaultLineParam());
  }

  void StoreLine(const std::vector<D_DOT>& vertices) {
    BeginSectionLine(plan_, data_);
    data_.planScale = 1000;
    data_.sectionScale = 1000;
    data_.headerSet = true;
    plan_.start = vertices.front();
    plan_.end = vertices.back();
    plan_.vertices = vertices;
    const StoreOutcome stored =
        StoreTerrainData(plan_, data_, lines_, [](const std::vector<std::string>&, int) { return "高程"; });
    ASSERT_TRUE(stored.stored) << stored.message;
  }

  GeologyReading Read() { return ReadGeologyCrossings(data_, plan_.geologyRead, regions_); }

  // Names of the profile's points, in order.
  std::string ProfileNames() const {
    std::string names;
    for (int32_t i = 1; i <= data_.terrain.GetCount(); ++i) {
      int32_t id = 0;
      double x = 0.0, y = 0.0;
      std::string name;
      data_.terrain.GetAtWithName(i, id, x, y, name);
      names += (name.empty() ? "-" : name) + " ";
    }
    return names;
  }

  std::vector<int32_t> Ids(const CPointRecList& list) const {
    std::vector<int32_t> ids;
    for (int32_t i = 1; i <= list.GetCount(); ++i) {
      int32_t id = 0;
      double x = 0.0, y = 0.0;
      list.GetAt(i, id, x, y);
      ids.push_back(id);
    }
    return ids;
  }

  PlanSection plan_;
  SectionData data_;
  int32_t left_ = 0, right_ = 0;
};

TEST_F(GeologyReadingTest, TwoBoundariesGiveFourPointsAndTwoProfilePoints) {
  StoreLine({{10, 50}, {90, 50}});
  const int32_t profile = data_.terrain.GetCount();
  const GeologyReading reading = Read();
  EXPECT_FALSE(reading.refused);
  EXPECT_TRUE(reading.messages.empty());
  EXPECT_EQ(Dump(data_.geologyCrossings), "(10.0000,50.0000)(35.0000,50.0000)(65.0000,50.0000)(90.0000,50.0000)");
  EXPECT_EQ(Ids(data_.geologyCrossings), (std::vector<int32_t>{left_, left_, right_, left_}));
  EXPECT_EQ(Dump(data_.geologyBoundary), "(0.0000,95.0000)(25.0000,107.5000)(55.0000,122.5000)(80.0000,135.0000)");
  EXPECT_EQ(data_.terrain.GetCount(), profile + 2);
  EXPECT_EQ(ProfileNames(), "- - inf - - inf - - ");
  EXPECT_TRUE(plan_.geologyRead);

  // A second reading refills the crossings and adds nothing.
  EXPECT_TRUE(Read().messages.empty());
  EXPECT_EQ(data_.terrain.GetCount(), profile + 2);
  EXPECT_EQ(data_.geologyBoundary.GetCount(), 4);
  EXPECT_EQ(data_.geologyCrossings.GetCount(), 4);
}

TEST_F(GeologyReadingTest, ALineDrawnWestwardsRunsFromItsStart) {
  StoreLine({{90, 50}, {10, 50}});
  Read();
  EXPECT_EQ(Dump(data_.geologyCrossings), "(90.0000,50.0000)(65.0000,50.0000)(35.0000,50.0000)(10.0000,50.0000)");
  EXPECT_EQ(Dump(data_.geologyBoundary), "(0.0000,135.0000)(25.0000,122.5000)(55.0000,107.5000)(80.0000,95.0000)");
}

TEST_F(GeologyReadingTest, APolylineSectionIsCrossedAlongItsStraightLine) {
  // The bend at (50, 90) lies north of every boundary's reach along y = 50.
  StoreLine({{10, 50}, {50, 90}, {90, 50}});
  Read();
  EXPECT_EQ(Dump(data_.geologyCrossings), "(10.0000,50.0000)(35.0000,50.0000)(65.0000,50.0000)(90.0000,50.0000)");
  std::vector<double> distances;
  for (int32_t i = 1; i <= data_.geologyBoundary.GetCount(); ++i) {
    int32_t id = 0;
    double d = 0.0, e = 0.0;
    data_.geologyBoundary.GetAt(i, id, d, e);
    distances.push_back(d);
  }
  EXPECT_DOUBLE_EQ(distances[1], 25.0);
  EXPECT_DOUBLE_EQ(distances[2], 55.0);
}

TEST_F(GeologyReadingTest, NoCrossingIsToldAndNoLineRefuses) {
  StoreLine({{10, 50}, {90, 50}});
  BasClearWorkArea(regions_);
  BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {5, 0}}, *BasGetDefaultLineParam());
  GeologyReading reading = Read();
  EXPECT_EQ(reading.messages, std::vector<std::string>{kNoArcCrossedMessage});
  EXPECT_EQ(data_.geologyCrossings.GetCount(), 2);  // the two ends

  BasClearWorkArea(regions_);
  plan_.geologyRead = false;
  reading = Read();
  EXPECT_EQ(reading.messages, std::vector<std::string>{kNoArcCrossedMessage});
  EXPECT_TRUE(data_.geologyCrossings.IsEmpty());

  data_.lineStored = false;
  reading = Read();
  EXPECT_TRUE(reading.refused);
  EXPECT_EQ(reading.messages, std::vector<std::string>{kNoTerrainDataMessage});
}

TEST_F(GeologyReadingTest, WithoutArcsNothingIsReadAndALaterReadingWithArcsTakesThem) {
  StoreLine({{10, 50}, {90, 50}});
  std::vector<D_DOT> arc;
  std::vector<std::vector<D_DOT>> arcs;
  for (int32_t id : {left_, right_}) {
    ASSERT_GT(BasReadLine(regions_, id, &arc, nullptr), 0);
    arcs.push_back(arc);
  }
  BasClearWorkArea(regions_);
  EXPECT_EQ(Read().messages, std::vector<std::string>{kNoArcCrossedMessage});
  EXPECT_FALSE(plan_.geologyRead);
  for (const auto& a : arcs) BasAppendLine(regions_, a, *BasGetDefaultLineParam());
  EXPECT_TRUE(Read().messages.empty());
  EXPECT_EQ(data_.geologyBoundary.GetCount(), 4);
  EXPECT_TRUE(plan_.geologyRead);
}

TEST_F(GeologyReadingTest, AnArcPassingThroughTheLineAtAVertexCrossesThereAndOneTouchingItDoesNot) {
  StoreLine({{10, 50}, {90, 50}});
  BasClearWorkArea(regions_);
  const LIN_INFO look = *BasGetDefaultLineParam();
  const int32_t through = BasAppendLine(regions_, std::vector<D_DOT>{{30, 40}, {35, 50}, {40, 60}}, look);
  BasAppendLine(regions_, std::vector<D_DOT>{{50, 40}, {55, 50}, {60, 40}}, look);
  EXPECT_TRUE(Read().messages.empty());
  EXPECT_EQ(Dump(data_.geologyCrossings), "(10.0000,50.0000)(35.0000,50.0000)(90.0000,50.0000)");
  EXPECT_EQ(Ids(data_.geologyCrossings), (std::vector<int32_t>{through, through, through}));
  EXPECT_EQ(Dump(data_.geologyBoundary), "(0.0000,95.0000)(25.0000,107.5000)(80.0000,135.0000)");
}

}  // namespace
}  // namespace zv::zavediz

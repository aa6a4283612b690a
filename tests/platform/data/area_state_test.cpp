#include <gtest/gtest.h>

#include <functional>

#include "platform/data/work_area.h"

namespace zv {
namespace {

class AreaState : public ::testing::Test {
 protected:
  void SetUp() override {
    set_ = BasCreateWorkAreaSet(0);
    area_ = BasCreatePointWorkArea(set_);
    listener_ = BasAddChangeListener(area_, [this](const WorkAreaChange& c) { changes_.push_back(c); });
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  int32_t Add(double x, int16_t layer = 0) {
    PNT_INFO info;
    info.setLayer(layer);
    return BasAppendPoint(area_, {x, 0}, "", info);
  }

  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle area_ = 0;
  int listener_ = 0;
  std::vector<WorkAreaChange> changes_;
};

TEST_F(AreaState, EveryChangeBumpsTheRevisionAndTellsTheIds) {
  EXPECT_EQ(BasGetRevision(area_), 0u);
  EXPECT_EQ(BasIsWorkAreaModified(area_), 0);
  const int32_t a = Add(1);
  const int32_t b = Add(2);
  BasWritePointPos(area_, a, {5, 5});
  BasDeletePoint(area_, b);
  ASSERT_EQ(changes_.size(), 4u);
  const ChangeKind kinds[] = {ChangeKind::Appended, ChangeKind::Appended, ChangeKind::Updated, ChangeKind::Deleted};
  const int32_t ids[] = {a, b, a, b};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(changes_[i].kind, kinds[i]);
    EXPECT_EQ(changes_[i].ids, std::vector<int32_t>{ids[i]});
    EXPECT_EQ(changes_[i].entityType, kPointEntity);
    EXPECT_EQ(changes_[i].revision, i + 1);
  }
  EXPECT_EQ(BasGetRevision(area_), 4u);
  EXPECT_EQ(BasIsWorkAreaModified(area_), 1);
  // Failed calls change nothing.
  BasDeletePoint(area_, b);
  BasWritePointPos(area_, 99, {0, 0});
  EXPECT_EQ(changes_.size(), 4u);
  BasClearWorkArea(area_, 0);
  ASSERT_EQ(changes_.size(), 5u);
  EXPECT_EQ(changes_.back().kind, ChangeKind::Cleared);
  EXPECT_TRUE(BasRemoveChangeListener(area_, listener_));
  Add(3);
  EXPECT_EQ(changes_.size(), 5u);
  EXPECT_FALSE(BasRemoveChangeListener(area_, listener_));
}

TEST_F(AreaState, BatchesTellOnceAtTheOutermostEnd) {
  ASSERT_EQ(BasBeginBatch(area_), 1);
  ASSERT_EQ(BasBeginBatch(area_), 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(BasBatchStep(area_), 1);
    Add(i);
  }
  BasDeletePoint(area_, 2);
  EXPECT_EQ(BasEndBatch(area_), 1);
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(BasGetRevision(area_), 4u);
  EXPECT_EQ(BasEndBatch(area_), 1);
  ASSERT_EQ(changes_.size(), 2u);
  EXPECT_EQ(changes_[0].kind, ChangeKind::Appended);
  EXPECT_EQ(changes_[0].ids, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(changes_[1].kind, ChangeKind::Deleted);
  EXPECT_EQ(changes_[1].revision, 4u);
  EXPECT_EQ(BasEndBatch(area_), 0);  // no batch open
}

TEST_F(AreaState, ListenersMayRemoveThemselvesOrReleaseTheArea) {
  int calls = 0;
  int self = 0;
  self = BasAddChangeListener(area_, [&](const WorkAreaChange&) {
    ++calls;
    BasRemoveChangeListener(area_, self);
  });
  Add(1);
  Add(2);
  EXPECT_EQ(calls, 1);
  BasAddChangeListener(area_, [&](const WorkAreaChange&) { BasReleaseWorkArea(area_); });
  int after = 0;
  BasAddChangeListener(area_, [&](const WorkAreaChange&) { ++after; });
  Add(3);
  EXPECT_EQ(BasIsWorkAreaValid(area_), 0);
  EXPECT_EQ(after, 0);
}

TEST_F(AreaState, ReleasingTheAreaFromAListenerEndsTheCallSafely) {
  // Each call that tells of several changes must not touch the area after
  // a listener released it.
  using Call = std::function<void(WorkAreaHandle, int32_t arc)>;
  const Call calls[] = {
      [](WorkAreaHandle a, int32_t arc) { BasUpdateLine(a, arc, std::vector<D_DOT>{{0, 0}, {2, 0}, {0, 2}}, LIN_INFO{}); },
      [](WorkAreaHandle a, int32_t arc) { BasDeleteLine(a, arc); },
      [](WorkAreaHandle a, int32_t) { BasClearWorkArea(a, 0); },
      [](WorkAreaHandle a, int32_t) { BasTransformWorkArea(a, kTransformMove, 1, 1); },
  };
  for (const Call& call : calls) {
    const WorkAreaHandle regions = BasCreateRegionWorkArea(set_);
    const int32_t arc = BasAppendLine(regions, std::vector<D_DOT>{{0, 0}, {1, 0}, {0, 1}}, LIN_INFO{});
    ASSERT_GT(BasAppendRegion(regions, {0, arc}, REG_INFO{}), 0);
    int told = 0;
    BasAddChangeListener(regions, [&told, regions](const WorkAreaChange&) {
      ++told;
      BasReleaseWorkArea(regions);
    });
    call(regions, arc);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(BasIsWorkAreaValid(regions), 0);
  }
}

TEST_F(AreaState, DisplayOrderIsSeparateFromIds) {
  for (int i = 0; i < 4; ++i) Add(i);
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{1, 2, 3, 4}));
  ASSERT_TRUE(BasBringToFront(area_, kPointEntity, {2, 1}));
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{3, 4, 1, 2}));
  ASSERT_TRUE(BasSendToBack(area_, kPointEntity, {2}));
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{2, 3, 4, 1}));
  EXPECT_EQ(changes_.back().kind, ChangeKind::Reordered);
  BasDeletePoint(area_, 3);
  Add(9);
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{2, 4, 1, 5}));
  EXPECT_TRUE(BasSetDisplayOrder(area_, kPointEntity, {5, 4, 2, 1}));
  EXPECT_FALSE(BasSetDisplayOrder(area_, kPointEntity, {5, 4, 2}));     // not all
  EXPECT_FALSE(BasSetDisplayOrder(area_, kPointEntity, {5, 4, 2, 3}));  // deleted id
  EXPECT_FALSE(BasSetDisplayOrder(area_, kPointEntity, {5, 5, 2, 1}));  // twice
  EXPECT_FALSE(BasBringToFront(area_, kPointEntity, {3}));
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{5, 4, 2, 1}));
  D_DOT p{};
  BasReadPointPos(area_, 5, &p);
  EXPECT_EQ(p.x, 9);  // ids never move
  // Many deletions later the order still holds exactly the live ids.
  for (int i = 0; i < 500; ++i) BasDeletePoint(area_, Add(i));
  EXPECT_EQ(BasGetDisplayOrder(area_, kPointEntity), (std::vector<int32_t>{5, 4, 2, 1}));
}

TEST_F(AreaState, LayersSwitchWithoutTouchingEntities) {
  Add(1, 3);
  Add(2, 20);
  EXPECT_EQ(BasIsLayerOn(area_, 3), 1);
  ASSERT_TRUE(BasSetLayersOn(area_, 0));
  EXPECT_EQ(BasIsLayerOn(area_, 3), 0);
  ASSERT_TRUE(BasSetLayerOn(area_, 20, 1));
  EXPECT_EQ(BasIsLayerOn(area_, 20), 1);
  EXPECT_EQ(BasIsLayerOn(area_, 3), 0);
  ASSERT_TRUE(BasSetLayersOn(area_, 1));
  EXPECT_EQ(BasIsLayerOn(area_, 3), 1);
  EXPECT_EQ(BasIsLayerUsed(area_, 20), 1);
  EXPECT_EQ(BasIsLayerUsed(area_, 4), 0);
  EXPECT_EQ(BasGetLayerByteCount(area_), 3);  // layers 0..23
  int32_t n = 0;
  BasGetPointCount(area_, &n, nullptr);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(BasIsLayerOn(0, 3), 0);
}

TEST_F(AreaState, ModeStateFileNameAndMapParameters) {
  EXPECT_EQ(BasGetWorkAreaFileName(area_), "");
  ASSERT_TRUE(BasSetWorkAreaFileName(area_, "/maps/等高线.WT"));
  EXPECT_EQ(BasGetWorkAreaFileName(area_), "/maps/等高线.WT");
  ASSERT_TRUE(BasSetWorkAreaMode(area_, 1));
  EXPECT_EQ(BasGetWorkAreaMode(area_), 1);
  ASSERT_TRUE(BasSetWorkAreaState(area_, kWorkAreaStateNoSave));
  EXPECT_EQ(BasGetWorkAreaState(area_), 2);
  MapParams params;
  ASSERT_EQ(BasGetMapParams(area_, &params), 1);
  EXPECT_EQ(params.scale(), 1.0);
  params.setScale(10000);
  ASSERT_EQ(BasSetMapParams(area_, params), 1);
  MapParams read;
  BasGetMapParams(area_, &read);
  EXPECT_EQ(read.scale(), 10000);
  ASSERT_TRUE(BasSetWorkAreaModified(area_, false));
  EXPECT_EQ(BasIsWorkAreaModified(area_), 0);
  ASSERT_TRUE(BasSetWorkAreaFileState(area_, std::any(42)));
  ASSERT_NE(BasGetWorkAreaFileState(area_), nullptr);
  EXPECT_EQ(std::any_cast<int>(*BasGetWorkAreaFileState(area_)), 42);

  const int32_t id = Add(1);
  ASSERT_TRUE(BasSetEntityFileBytes(area_, kPointEntity, id, {1, 2, 3}));
  PNT_INFO info;
  BasUpdatePoint(area_, id, {2, 2}, "x", info);
  ASSERT_NE(BasGetEntityFileBytes(area_, kPointEntity, id), nullptr);
  EXPECT_EQ(*BasGetEntityFileBytes(area_, kPointEntity, id), (std::vector<uint8_t>{1, 2, 3}));
  BasDeletePoint(area_, id);
  EXPECT_EQ(BasGetEntityFileBytes(area_, kPointEntity, id), nullptr);

  // Reset empties the area and brings back the customary structures and
  // layers, but the area stays tied to its file.
  Add(5);
  CATT_STRU s;
  s.fields = {CFIELD_HEAD{.name = "X"}};
  BasSetAttributeStructure(area_, kPointEntity, s);
  BasSetLayersOn(area_, 0);
  ASSERT_TRUE(BasResetWorkArea(area_));
  EXPECT_NE(BasIsWorkAreaEmpty(area_), 0);
  int32_t bound = 0;
  BasGetPointCount(area_, nullptr, &bound);
  EXPECT_EQ(bound, 1);
  EXPECT_EQ(BasIsLayerOn(area_, 0), 1);
  BasReadAttributeStructure(area_, kPointEntity, &s);
  EXPECT_EQ(s.fieldCount(), 1);
  EXPECT_EQ(BasGetWorkAreaFileName(area_), "/maps/等高线.WT");
  EXPECT_EQ(BasGetWorkAreaState(area_), 2);
  EXPECT_NE(BasGetWorkAreaFileState(area_), nullptr);
  BasGetMapParams(area_, &read);
  EXPECT_EQ(read.scale(), 10000);
  EXPECT_EQ(BasIsWorkAreaModified(area_), 1);
}

TEST_F(AreaState, AttributesAloneAreToldApartAndListenerIdsAreNeverGivenTwice) {
  const int32_t a = Add(1);
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(area_, kPointEntity, a, &record));
  ASSERT_TRUE(BasWriteAttribute(area_, kPointEntity, a, record));
  EXPECT_EQ(changes_.back().kind, ChangeKind::Attributes);
  EXPECT_EQ(changes_.back().ids, std::vector<int32_t>{a});

  // A listener of a released area removed from the area that takes its
  // handle later removes nothing there.
  const WorkAreaHandle gone = BasCreatePointWorkArea(set_);
  const int stale = BasAddChangeListener(gone, [](const WorkAreaChange&) {});
  BasReleaseWorkArea(gone);
  const int fresh = BasAddChangeListener(area_, [](const WorkAreaChange&) {});
  EXPECT_NE(fresh, stale);
  EXPECT_NE(fresh, listener_);
  EXPECT_FALSE(BasRemoveChangeListener(area_, stale));
  EXPECT_TRUE(BasRemoveChangeListener(area_, fresh));
}

}  // namespace
}  // namespace zv

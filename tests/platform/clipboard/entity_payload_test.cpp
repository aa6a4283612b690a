// Picked entities through the clipboard payload: what comes out equals what
// went in, with or without attributes, and a damaged payload appends
// nothing.
#include <gtest/gtest.h>

#include "platform/clipboard/entity_payload.h"

namespace zv::clipboard {
namespace {

CATT_STRU WithRockField() {
  CFIELD_HEAD rock;
  rock.name = "岩性";
  rock.type = kFieldString;
  rock.length = 20;
  CATT_STRU s;
  s.fields = {rock};
  return s;
}

std::string Rock(WorkAreaHandle area, int type, int32_t id) {
  AttributeRecord record;
  std::string text;
  if (!BasReadAttribute(area, type, id, &record) || !BasGetFieldText(record, "岩性", &text)) return "<none>";
  return text;
}

void SetRock(WorkAreaHandle area, int type, int32_t id, const char* value) {
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(area, type, id, &record));
  ASSERT_TRUE(BasSetFieldByName(record, "岩性", value));
  ASSERT_TRUE(BasWriteAttribute(area, type, id, record));
}

class EntityPayload : public ::testing::Test {
 protected:
  void SetUp() override {
    for (WorkAreaHandle* a : {&points_, &lines_, &regions_, &toPoints_, &toLines_, &toRegions_}) {
      const int kind = (a == &points_ || a == &toPoints_) ? kPointArea : (a == &lines_ || a == &toLines_) ? kLineArea
                                                                                                           : kRegionArea;
      *a = BasCreateWorkArea(set_, kind);
      const int type = kind == kPointArea ? kPointEntity : kind == kLineArea ? kLineEntity : kRegionEntity;
      BasSetAttributeStructure(*a, type, WithRockField());
    }
    point_ = BasAppendPoint(points_, {12.5, -3.25}, "砂岩 ZK-01", PNT_INFO{});
    SetRock(points_, kPointEntity, point_, "砂岩");
    line_ = BasAppendLine(lines_, std::vector<D_DOT>{{0.1, 0.2}, {100.3, 50.7}, {7, 8}}, LIN_INFO{});
    SetRock(lines_, kLineEntity, line_, "断层");
    // Two regions sharing their middle arc: the copies must share it too.
    const int32_t left = BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {0, 10}}, LIN_INFO{});
    const int32_t middle = BasAppendLine(regions_, std::vector<D_DOT>{{0, 10}, {10, 10}, {10, 0}, {0, 0}}, LIN_INFO{});
    const int32_t right = BasAppendLine(regions_, std::vector<D_DOT>{{10, 0}, {20, 0}, {20, 10}, {10, 10}}, LIN_INFO{});
    regionA_ = BasAppendRegion(regions_, {0, left, middle}, REG_INFO{});
    regionB_ = BasAppendRegion(regions_, {0, right, -middle}, REG_INFO{});
    SetRock(regions_, kRegionEntity, regionA_, "灰岩");
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  std::vector<ENTITY_MSG> Pool() const {
    return {{points_, kPointEntity, point_}, {lines_, kLineEntity, line_}, {regions_, kRegionEntity, regionA_},
            {regions_, kRegionEntity, regionB_}};
  }
  bool Paste(std::span<const uint8_t> payload, bool withAttributes, std::vector<PastedIds>& ids, std::string& error) {
    return PasteEntities(payload, toPoints_, toLines_, toRegions_, withAttributes, ids, error);
  }
  int32_t Live(WorkAreaHandle area, int type) const {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }

  WorkAreaSetHandle set_ = BasCreateWorkAreaSet();
  WorkAreaHandle points_ = 0, lines_ = 0, regions_ = 0, toPoints_ = 0, toLines_ = 0, toRegions_ = 0;
  int32_t point_ = 0, line_ = 0, regionA_ = 0, regionB_ = 0;
};

TEST_F(EntityPayload, PastesWhatWasCopiedAtTheSameCoordinates) {
  const std::vector<uint8_t> payload = EncodeEntities(Pool());
  ASSERT_FALSE(payload.empty());
  std::vector<PastedIds> ids;
  std::string error;
  ASSERT_TRUE(Paste(payload, true, ids, error)) << error;

  D_DOT at;
  std::string text;
  PNT_INFO pinfo;
  ASSERT_EQ(BasReadPoint(toPoints_, 1, &at, &text, &pinfo), 1);
  EXPECT_EQ(at.x, 12.5);
  EXPECT_EQ(at.y, -3.25);
  EXPECT_EQ(text, "砂岩 ZK-01");
  EXPECT_EQ(Rock(toPoints_, kPointEntity, 1), "砂岩");

  std::vector<D_DOT> vertices;
  LIN_INFO linfo;
  ASSERT_EQ(BasReadLine(toLines_, 1, &vertices, &linfo), 1);
  ASSERT_EQ(vertices.size(), 3u);
  EXPECT_EQ(vertices[1].x, 100.3);
  EXPECT_EQ(vertices[1].y, 50.7);
  EXPECT_EQ(Rock(toLines_, kLineEntity, 1), "断层");

  EXPECT_EQ(Live(toRegions_, kRegionEntity), 2);
  EXPECT_EQ(Live(toRegions_, kLineEntity), 3);  // the shared arc once
  EXPECT_EQ(Rock(toRegions_, kRegionEntity, 1), "灰岩");

  // Every appended entity is reported for the undo store.
  std::size_t reported = 0;
  for (const PastedIds& p : ids) reported += p.ids.size();
  EXPECT_EQ(reported, 1u + 1u + 2u + 3u);
}

TEST_F(EntityPayload, WithoutAttributesTheCopiesCarryEmptyRecords) {
  std::vector<PastedIds> ids;
  std::string error;
  ASSERT_TRUE(Paste(EncodeEntities(Pool()), false, ids, error)) << error;
  EXPECT_EQ(Rock(toPoints_, kPointEntity, 1), "");
  EXPECT_EQ(Rock(toLines_, kLineEntity, 1), "");
  EXPECT_EQ(Rock(toRegions_, kRegionEntity, 1), "");
}

TEST_F(EntityPayload, NothingLiveGivesNoPayload) {
  BasDeletePoint(points_, point_);
  const std::vector<ENTITY_MSG> pool{{points_, kPointEntity, point_}, {9999, kLineEntity, 1}};
  EXPECT_TRUE(EncodeEntities(pool).empty());
}

TEST_F(EntityPayload, DamagedPayloadAppendsNothing) {
  const std::vector<uint8_t> good = EncodeEntities(Pool());
  std::vector<uint8_t> badMagic = good;
  badMagic[0] = 'X';
  std::vector<uint8_t> trailing = good;
  trailing.push_back(0);
  std::vector<uint8_t> badFile = good;
  // The point file's own bytes start after the magic and its length.
  for (std::size_t i = 12; i < 40 && i < badFile.size(); ++i) badFile[i] ^= 0x5A;
  const std::vector<std::vector<uint8_t>> cases{
      {}, badMagic, {good.begin(), good.begin() + 10}, {good.begin(), good.end() - 1}, trailing, badFile};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::vector<PastedIds> ids;
    std::string error;
    EXPECT_FALSE(Paste(cases[i], true, ids, error)) << "case " << i;
    EXPECT_FALSE(error.empty()) << "case " << i;
    EXPECT_EQ(Live(toPoints_, kPointEntity) + Live(toLines_, kLineEntity) + Live(toRegions_, kRegionEntity), 0)
        << "case " << i;
  }
}

TEST_F(EntityPayload, AMissingTargetAreaAppendsNothing) {
  std::vector<PastedIds> ids;
  std::string error;
  EXPECT_FALSE(PasteEntities(EncodeEntities(Pool()), toPoints_, toLines_, 0, true, ids, error));
  EXPECT_EQ(Live(toPoints_, kPointEntity) + Live(toLines_, kLineEntity), 0);
}

}  // namespace
}  // namespace zv::clipboard

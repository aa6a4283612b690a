// What a pick writes into the default records, and the pick mode it sets.
#include <gtest/gtest.h>

#include "panels/core/page_records.h"

namespace zv::panels {
namespace {

TEST(PageRecords, EveryFieldLandsOnItsByte) {
  LineValues line;
  line.styleNo = "12-3";
  line.colour = 7;
  line.width = 0.5f;
  line.x = 3.0f;
  line.y = 4.0f;
  line.layer = 9;
  LIN_INFO l;
  FillLineRecord(line, l);
  EXPECT_EQ(l.Get<int16_t>(0), 12);
  EXPECT_EQ(l.Get<uint8_t>(2), 3);
  EXPECT_EQ(l.Get<int32_t>(4), 7);
  EXPECT_FLOAT_EQ(l.Get<float>(8), 0.5f);
  EXPECT_FLOAT_EQ(l.Get<float>(13), 3.0f);
  EXPECT_FLOAT_EQ(l.Get<float>(17), 4.0f);
  EXPECT_EQ(l.Get<int16_t>(25), 9);

  RegionValues region;
  region.pattern = 70000;
  region.fillColour = 5;
  region.patternColour = 6;
  region.height = 11.0f;
  region.width = 12.0f;
  region.layer = 4;
  REG_INFO r;
  FillRegionRecord(region, r);
  EXPECT_EQ(r.Get<int32_t>(0), 5);
  EXPECT_EQ(r.Get<int16_t>(4), 4464);  // the low 16 bits of 70000
  EXPECT_FLOAT_EQ(r.Get<float>(6), 11.0f);
  EXPECT_FLOAT_EQ(r.Get<float>(10), 12.0f);
  EXPECT_EQ(r.Get<int32_t>(14), 6);
  EXPECT_EQ(r.Get<int16_t>(21), 4);

  SubgraphValues sub;
  sub.number = 502;
  sub.height = 6.0f;
  sub.width = 7.0f;
  sub.angle = 30.0f;
  sub.colour = 8;
  sub.layer = 2;
  PNT_INFO p;
  FillSubgraphRecord(sub, p);
  EXPECT_EQ(p.Get<int32_t>(2), 502);
  EXPECT_FLOAT_EQ(p.Get<float>(6), 6.0f);
  EXPECT_FLOAT_EQ(p.Get<float>(10), 7.0f);
  EXPECT_FLOAT_EQ(p.Get<float>(14), 30.0f);
  EXPECT_EQ(p.Get<int32_t>(44), 8);
  EXPECT_EQ(p.Get<int16_t>(52), 2);
}

TEST(PageRecords, StylesSplitAtTheFirstHyphenAndModesFollowTheOperation) {
  EXPECT_EQ(ParseLineStyle("12-3"), (LineStyleNo{12, 3}));
  EXPECT_EQ(ParseLineStyle("1-0"), (LineStyleNo{1, 0}));
  EXPECT_EQ(ParseLineStyle("7"), (LineStyleNo{7, 0}));
  EXPECT_EQ(FormatLineStyle(2, 1), "2-1");
  EXPECT_EQ(PickMode(kLinePick, 0), 2);
  EXPECT_EQ(PickMode(kLinePick, 1), -2);
  EXPECT_EQ(PickMode(kRegionPick, 2), -3);  // any non-zero type modifies
  EXPECT_EQ(PickMode(kSubgraphPick, 0), 1);
}

TEST(PageRecords, CmykPercentRoundsAsThePageShowsIt) {
  for (const auto& [value, percent] : std::vector<std::pair<int, int>>{{255, 100}, {128, 50}, {2, 1}, {1, 0}, {0, 0}}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(CmykPercent(value), percent);
  }
}

}  // namespace
}  // namespace zv::panels

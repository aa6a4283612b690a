// The line-box index and the drawing-order places answer, after every kind
// of change to an area, exactly what a walk over all lines or over the whole
// order answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "platform/data/geometry.h"
#include "platform/data/work_area.h"
#include "platform/files/work_area_file.h"
#include "tests/platform/data/area_probes.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

class AreaIndexes : public zv::test::WorkAreasTest {
 protected:
  std::vector<D_DOT> RandomLine(double spread, double size) {
    std::uniform_real_distribution<double> at(0, spread), step(-size, size);
    std::vector<D_DOT> v{{at(random_), at(random_)}};
    for (int i = 0; i < 4; ++i) v.push_back({v.back().x + step(random_), v.back().y + step(random_)});
    return v;
  }
  void AppendLines(int count, double spread, double size) {
    for (int i = 0; i < count; ++i) ASSERT_NE(BasAppendLine(area_, RandomLine(spread, size), LIN_INFO{}), 0);
  }
  std::vector<int32_t> LiveIds() { return test::LiveIds(area_, kLineEntity); }
  // Every few lines of the area.
  std::vector<int32_t> Every(int step) {
    std::vector<int32_t> ids;
    const std::vector<int32_t> live = LiveIds();
    for (std::size_t i = 0; i < live.size(); i += static_cast<std::size_t>(step)) ids.push_back(live[i]);
    return ids;
  }

  void ExpectIndexesAgreeWithWalks() {
    std::vector<D_RECT> rects{{-1e9, -1e9, 1e9, 1e9}, {5000, 5000, 5001, 5001}, {300, 300, 200, 200}};
    for (double x = -500; x < 6000; x += 650)
      for (double y = -500; y < 6000; y += 650)
        for (double size : {0.0, 40.0, 700.0}) rects.push_back({x, y, x + size, y + size});
    int32_t live = 0, bound = 0;
    BasGetLineCount(area_, &live, &bound);
    for (const D_RECT& q : rects) {
      std::vector<int32_t> walked;
      for (int32_t id = 1; id < bound; ++id) {
        D_RECT r{};
        if (BasGetLineRect(area_, id, &r) && !(r.xmax < q.xmin || r.xmin > q.xmax || r.ymax < q.ymin || r.ymin > q.ymax))
          walked.push_back(id);
      }
      std::vector<int32_t> indexed;
      ASSERT_EQ(BasGetLinesMeetingRect(area_, q, &indexed), 1);
      ASSERT_EQ(indexed, walked) << q.xmin << " " << q.ymin << " " << q.xmax << " " << q.ymax;
    }
    const std::vector<int32_t> order = BasGetDisplayOrder(area_, kLineEntity);
    std::vector<int32_t> ids;
    for (int32_t id = -1; id <= bound + 1; ++id) ids.push_back(id);
    const std::vector<int64_t> places = BasGetOrderPlaces(area_, kLineEntity, ids);
    ASSERT_EQ(places.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
      const auto at = std::find(order.begin(), order.end(), ids[i]);
      EXPECT_EQ(places[i], at == order.end() ? -1 : at - order.begin()) << "id " << ids[i];
    }
  }

  std::mt19937 random_{35};
  WorkAreaHandle area_ = 0;
  std::vector<std::pair<int32_t, EntityContent>> deleted_;
};

TEST_F(AreaIndexes, AnswerLikeAWalkAfterEveryKindOfChange) {
  area_ = lines_;
  const WorkAreaHandle other = BasCreateLineWorkArea(set_);
  struct Change {
    const char* name;
    std::function<void()> apply;
  };
  const Change changes[] = {
      {"append, some far beyond the first extent, one spanning everything",
       [&] {
         AppendLines(40, 1000, 20);
         for (int i = 0; i < 10; ++i) BasAppendLine(area_, {{5000.0 + i, 5000}, {5000.5 + i, 5000.5}}, LIN_INFO{});
         BasAppendLine(area_, {{-400, -400}, {5500, 5500}}, LIN_INFO{});
       }},
      {"update vertices, near and far",
       [&] {
         for (int32_t id : Every(4)) BasUpdateLine(area_, id, RandomLine(id % 2 ? 1000 : 5500, 30), LIN_INFO{});
       }},
      {"delete",
       [&] {
         for (int32_t id : Every(5)) {
           EntityContent c;
           BasReadLine(area_, id, &c.vertices, &c.lineInfo);
           c.orderIndex = BasGetOrderPlaces(area_, kLineEntity, {id})[0];
           deleted_.emplace_back(id, c);
           BasDeleteLine(area_, id);
         }
       }},
      {"undo restore at the old places",
       [&] {
         for (auto it = deleted_.rbegin(); it != deleted_.rend(); ++it) BasRestoreEntity(area_, kLineEntity, it->first, it->second);
         deleted_.clear();
       }},
      {"reorder", [&] {
         BasBringToFront(area_, kLineEntity, Every(7));
         BasSendToBack(area_, kLineEntity, Every(9));
       }},
      {"delete most, then append (the order is compacted)",
       [&] {
         for (int32_t id : LiveIds())
           if (id % 3 != 0) BasDeleteLine(area_, id);
         AppendLines(30, 1000, 20);
       }},
      {"scale the whole area", [&] { BasTransformWorkArea(area_, kTransformScale, 3, 3); }},
      {"load a file into the area",
       [&] {
         const std::string path = zv::test::TempRoot() + "/area_indexes.wl";
         ASSERT_EQ(BasSaveWorkArea(area_, path, kSavePathComplete), 1);
         AppendLines(20, 1000, 20);  // gone again by the load
         ASSERT_EQ(BasLoadFileIntoWorkArea(area_, path), 1);
       }},
      {"clear, then append", [&] {
         BasClearWorkArea(area_);
         AppendLines(15, 300, 10);
       }},
      {"copy from another area, many past the first extent",
       [&] {
         for (int i = 0; i < 1500; ++i) BasAppendLine(other, RandomLine(5500, 40), LIN_INFO{});
         ASSERT_GT(BasCopyLines(other, area_), 0);
         const std::vector<int32_t> some{1, 2, 3};
         BasCopyEntities(other, kLineEntity, some, area_);
       }},
  };
  AppendLines(200, 1000, 20);
  ExpectIndexesAgreeWithWalks();
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    change.apply();
    ExpectIndexesAgreeWithWalks();
  }
}

// The regions naming each arc agree with a walk over every region's list
// after each kind of change to the regions.
TEST_F(AreaIndexes, RegionsUsingAnArcAgreeWithAWalkAfterEveryChange) {
  std::vector<int32_t> arcs;
  for (int i = 0; i < 12; ++i) arcs.push_back(BasAppendLine(regions_, {{double(i), 0}, {double(i), 1}}, LIN_INFO{}));
  const auto expectAgree = [&](const char* after) {
    int32_t live = 0, bound = 0;
    BasGetRegionCount(regions_, &live, &bound);
    for (int32_t arc : arcs) {
      std::vector<int32_t> walked;
      for (int32_t id = 1; id < bound; ++id) {
        std::vector<int32_t> list;
        if (!BasReadRegion(regions_, id, &list, nullptr)) continue;
        if (std::any_of(list.begin() + 1, list.end(), [&](int32_t a) { return std::abs(a) == arc; })) walked.push_back(id);
      }
      ASSERT_EQ(BasGetRegionsUsingArc(regions_, arc), walked) << "arc " << arc << " after " << after;
    }
  };
  const std::vector<std::function<void()>> changes{
      [&] { for (int i = 0; i + 2 < 12; i += 2) BasAppendRegion(regions_, {0, arcs[i], -arcs[i + 1], 0, arcs[i + 2]}, REG_INFO{}); },
      [&] { BasUpdateRegion(regions_, 2, {0, arcs[11], arcs[11]}, REG_INFO{}); },
      [&] { BasDeleteRegion(regions_, 3); },
      [&] { BasAppendRegion(regions_, {0, -arcs[2]}, REG_INFO{}); },
      [&] { BasClearWorkArea(regions_); arcs.clear(); },
      [&] {
        for (int i = 0; i < 3; ++i) arcs.push_back(BasAppendLine(regions_, {{0, double(i)}, {1, double(i)}}, LIN_INFO{}));
        BasAppendRegion(regions_, {0, arcs[0], arcs[1], arcs[2]}, REG_INFO{});
      },
  };
  const char* names[] = {"append", "update", "delete", "append after delete", "clear", "refill"};
  expectAgree("nothing");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    changes[i]();
    expectAgree(names[i]);
  }
}

}  // namespace
}  // namespace zv

#include <gtest/gtest.h>

#include <algorithm>

#include "geodesy/reserve/reserve_catalog.h"

namespace zv::reserve {
namespace {

int CountPaths(const Catalog& c) {
  const auto paths = LayerPaths(c);
  return static_cast<int>(std::count_if(paths.begin(), paths.end(), [](const std::string& p) { return !p.empty(); }));
}

int BoxIndex(const char* label) {
  for (int i = 0; i < kBoxCount; ++i)
    if (std::string(LayerBoxes()[i].label) == label) return i;
  return -1;
}

TEST(ReserveCatalog, TheNameRecordsGroupsScaleAndSerial) {
  struct Case {
    const char* name;
    void (*change)(Catalog&);
    const char* expected;
    int paths;
  };
  const Case cases[] = {
      {"defaults", [](Catalog&) {}, "H1110000J001", 36},
      {"套合图", [](Catalog& c) { c.boxes = Presets()[0].boxes; }, "H1110000J001", 36},
      {"对照图", [](Catalog& c) { c.boxes = Presets()[1].boxes; }, "H1010000J001", 25},
      {"储量利用分布图", [](Catalog& c) { c.boxes = Presets()[4].boxes; }, "H0110010J001", 41},
      {"first V", [](Catalog& c) { c.first = 'V'; }, "V1110000J001", 36},
      {"no scale", [](Catalog& c) { c.scale = 19; }, "H1110000O001", 36},
      {"long serial", [](Catalog& c) { c.serial = "12345"; }, "H1110000J123", 36},
      {"geography off",
       [](Catalog& c) {
         for (int i = 0; i < 4; ++i) c.boxes[i] = false;
       },
       "H0110000J001", 29},
      {"one geography box back", [](Catalog& c) {
         for (int i = 0; i < 3; ++i) c.boxes[i] = false;
         c.boxes[3] = true;
       },
       "H1110000J001", 30},
      {"columns only", [](Catalog& c) {
         c.boxes = {};
         c.boxes[BoxIndex("柱状图")] = true;
       },
       "H0000001J001", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Catalog catalog;
    catalog.folder = "/data";
    c.change(catalog);
    EXPECT_EQ(ProjectName(catalog), c.expected);
    EXPECT_EQ(CountPaths(catalog), c.paths);
  }
}

TEST(ReserveCatalog, LayerPathsFollowFolderCodeAndSlotTable) {
  Catalog c;
  c.folder = "/data/核查";
  c.mineCode = "K123456789";
  c.first = 'V';
  c.serial = "007";
  c.boxes = Presets()[0].boxes;
  const auto paths = LayerPaths(c);
  EXPECT_EQ(paths[0], "/data/核查/K123456789/地理地质图层类/VJGABA0100701_地理要素.wt");
  EXPECT_EQ(paths[15], "/data/核查/K123456789/核查矿区套合图层类/VJGABB0800701_采矿权范围.wp");
  EXPECT_EQ(paths[25], "/data/核查/K123456789/探采工程图层类/VJGABC0700701_工程图层类注释.wt");
  EXPECT_EQ(paths[48], "/data/核查/K123456789/图件整饰图层类/VYBBD00200701_责任表.wl");
  EXPECT_TRUE(paths[7].empty()) << "矿层顶、底板等高线 is off";
  EXPECT_TRUE(paths[57].empty());
  EXPECT_EQ(ProjectFolder(c), "/data/核查/K123456789");

  // Every slot appears once over the table.
  std::vector<int> slots;
  for (const LayerBox& box : LayerBoxes())
    for (const LayerSlot& s : box.files) slots.push_back(s.slot);
  std::sort(slots.begin(), slots.end());
  ASSERT_EQ(slots.size(), 58u);
  for (int i = 0; i < 58; ++i) EXPECT_EQ(slots[i], i + 1);
}

TEST(ReserveCatalog, AnEmptyFolderOrACodeThatIsNoPlainNameIsRefused) {
  struct Case {
    const char* folder;
    const char* code;
    std::optional<std::string> refusal;
    const char* serial = "001";
  };
  const Case cases[] = {
      {"/data", "A000000000", std::nullopt},
      {"", "A000000000", "请输入目录！"},
      {"/data", "", "矿区编号只能由字母和数字组成！"},
      {"/data", "../up", "矿区编号只能由字母和数字组成！"},
      {"/data", "矿区1", "矿区编号只能由字母和数字组成！"},
      // The serial ends every file name: a separator or half a character
      // would put files elsewhere or under broken names.
      {"/data", "A000000000", "第9-11位只能由字母和数字组成！", "a/"},
      {"/data", "A000000000", "第9-11位只能由字母和数字组成！", "a矿"},
      {"/data", "A000000000", std::nullopt, "A1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Catalog catalog;
    catalog.folder = c.folder;
    catalog.mineCode = c.code;
    catalog.serial = c.serial;
    EXPECT_EQ(CheckCatalog(catalog), c.refusal);
  }
}

}  // namespace
}  // namespace zv::reserve

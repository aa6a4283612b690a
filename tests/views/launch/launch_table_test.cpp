#include "views/launch/launch_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zv::launch {
namespace {

// The modes each tool class's constructor accepts, as the classes give them.
struct ModeRange {
  int low, high;
  std::vector<int> extra;
  bool Holds(int mode) const {
    if (mode >= low && mode <= high) return true;
    for (int m : extra)
      if (m == mode) return true;
    return false;
  }
};
const std::map<std::string, ModeRange> kModeRanges = {
    {"CSecEditAidTool", {-18, 17, {-30, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 112, 113, 114, 115, 116, 117, 118, 501}}},
    {"CSecFieldTool", {-3, 2, {}}},
    {"CSecArrayCopyTool", {1, 2, {}}},
    {"CSecAttrBrushTool", {-3, 2, {}}},
    {"CSecClipTool", {-6, 6, {502, 503}}},
    {"CSecBoreholeChartTool", {-1, 1, {}}},
    {"CSecCustomChartTool", {-1, 1, {10, 11, 12, 20, 21}}},
    {"CSecLineTool", {-2, 2, {}}},
    {"CSecExcelTool", {-5, 4, {500}}},
    {"CSecAttrTool", {-1, 4, {}}},
    {"CSecPlanProjTool", {-1, 1, {}}},
    {"CSecFilterTool", {-4, 3, {}}},
    {"CSecAuxTool", {-10, 10, {500}}},
    {"CSecCopyTool", {-3, 2, {}}},
    {"CSecEtTool", {-3, 2, {}}},
    {"CSecExcelChartTool", {-3, 3, {}}},
    {"CSecExcelTableTool", {-4, 4, {}}},
    {"CSecAnnotTool", {-10, 9, {}}},
};

TEST(LaunchTable, CountsClassesViewsAndModeRangesAreThoseOfTheTools) {
  const auto rows = LaunchRows();
  EXPECT_EQ(rows.size(), 180u);
  std::map<std::string, int> perClass;
  int both = 0, section = 0;
  std::vector<int> planOnly;
  std::set<int> ids;
  for (const LaunchRow& row : rows) {
    SCOPED_TRACE(row.id);
    EXPECT_TRUE(ids.insert(row.id).second) << "one row per command";
    ++perClass[row.toolClass];
    ASSERT_TRUE(kModeRanges.count(row.toolClass)) << row.toolClass;
    EXPECT_TRUE(kModeRanges.at(row.toolClass).Holds(row.mode)) << row.toolClass << " " << row.mode;
    EXPECT_NE(std::string(row.text), "");
    both += row.views == kBothViews;
    section += row.views == kSectionOnly;
    if (row.views == kPlanOnly) planOnly.push_back(row.id);
  }
  EXPECT_EQ(perClass, (std::map<std::string, int>{
                          {"CSecEditAidTool", 53}, {"CSecAuxTool", 21}, {"CSecAnnotTool", 18}, {"CSecClipTool", 13},
                          {"CSecExcelTool", 10}, {"CSecCustomChartTool", 8}, {"CSecExcelTableTool", 8},
                          {"CSecFilterTool", 6}, {"CSecExcelChartTool", 6}, {"CSecFieldTool", 5},
                          {"CSecAttrBrushTool", 5}, {"CSecLineTool", 5}, {"CSecAttrTool", 5}, {"CSecCopyTool", 5},
                          {"CSecEtTool", 5}, {"CSecBoreholeChartTool", 3}, {"CSecArrayCopyTool", 2},
                          {"CSecPlanProjTool", 2}}));
  EXPECT_EQ(both, 155);
  EXPECT_EQ(section, 22);
  EXPECT_EQ(planOnly, (std::vector<int>{33171, 33448, 32897}));
}

TEST(LaunchTable, OnlyFourCommandsCancelDifferentlyAndSingleViewRowsAreMissingElsewhere) {
  std::map<int, std::pair<bool, bool>> differ;
  for (const LaunchRow& row : LaunchRows())
    if (row.cancelsInSection != row.cancelsInPlan) differ[row.id] = {row.cancelsInSection, row.cancelsInPlan};
  EXPECT_EQ(differ, (std::map<int, std::pair<bool, bool>>{
                        {33225, {false, true}}, {33226, {false, true}}, {33186, {false, true}}, {33155, {true, false}}}));

  EXPECT_FALSE(FindLaunchRow(33171, ToolView::kSection));
  EXPECT_TRUE(FindLaunchRow(33171, ToolView::kPlan));
  EXPECT_FALSE(FindLaunchRow(33602, ToolView::kPlan));
  EXPECT_TRUE(FindLaunchRow(33602, ToolView::kSection));
  EXPECT_FALSE(FindLaunchRow(33413, ToolView::kSection)) << "the DXF commands start no tool";
  EXPECT_EQ(LaunchFlagOf("CSecEditAidTool"), 1);
  EXPECT_EQ(LaunchFlagOf("CSecAuxTool"), 0);
}

}  // namespace
}  // namespace zv::launch

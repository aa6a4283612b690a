// The system-library comparison file and the preview of library entries.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/text/encoding.h"
#include "panels/core/library_comparison.h"
#include "tests/panels/hatch_test_support.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::panels {
namespace {

TEST(LibraryComparison, KindsSectionsKeysAndTargets) {
  EXPECT_EQ(OfferedKinds({}), (std::vector<std::string>{"图案库", "线型库", "子图库"}));
  EXPECT_EQ(OfferedKinds({true, false, true, false}), (std::vector<std::string>{"颜色库", "线型库"}));
  EXPECT_EQ(FindLibraryKind("颜色库"), nullptr);
  ASSERT_NE(FindLibraryKind("线型库"), nullptr);
  EXPECT_EQ(FindLibraryKind("线型库")->recordSize, 6);

  const ComparisonFile file = ComparisonFile::Parse(
      ";/libs/old\r\n"
      ";/libs/new\r\n"
      "1,2\r\n"  // before any section
      "#子图库 \r\n"
      "3,4\r\n"
      "#子图库\r\n"
      "5,6,7\r\n"
      "; a comment\r\n"
      "8\r\n"
      "5,9\r\n"
      "#线型库\r\n"
      "1-2,1-3\r\n"
      "#子图库\r\n"
      "10,11\r\n");
  EXPECT_EQ(file.Folders(), (std::pair<std::string, std::string>{"/libs/old", "/libs/new"}));
  struct Case {
    const char* name;
    const char* kind;
    const char* key;
    std::vector<std::string> keys;
    std::vector<std::string> targets;
  };
  const Case cases[] = {
      {"two data lines with one key collect both", "子图库", "5", {"5", "8", "5", "10"}, {"6", "7", "9"}},
      {"a key without targets", "子图库", "8", {"5", "8", "5", "10"}, {}},
      {"a section with a blank after its name is never active", "子图库", "3", {"5", "8", "5", "10"}, {}},
      {"grouped entries", "线型库", "1-2", {"1-2"}, {"1-3"}},
      {"no section of the kind", "图案库", "1", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(file.Keys(c.kind), c.keys);
    EXPECT_EQ(file.Targets(c.kind, c.key), c.targets);
  }
  EXPECT_EQ(ComparisonFile::Parse(text::ToGbk("；/旧库\n")).Folders().first, "/旧库");
}

class ComparisonPreview : public zv::test::WorkAreasTest {
 protected:
  PreviewAreas Areas() const { return {points_, lines_, regions_}; }
  int Count(int (*counter)(WorkAreaHandle, int32_t*, int32_t*), WorkAreaHandle area) const {
    int32_t live = 0, bound = 0;
    counter(area, &live, &bound);
    return live;
  }
  std::string folder_ = zv::test::TempRoot() + "/cvt";
};

TEST_F(ComparisonPreview, PlainEntryDrawsRegionsLinesAndPointsWithCopiesOfTheDefaults) {
  std::filesystem::create_directories(folder_);
  using test::TestElement;
  test::WriteFile(folder_ + "/fillgrph.LIB",
                  test::LibraryBytes(6, {{
                                            {0, 0, 0, 0, {{{0, 0}, {1, 0}, {1, 1}, {0, 0}}}},
                                            {1, 5, 0, 0, {{{0, 0}, {1, 1}, {0, 1}, {0, 0}}}},
                                            {2, 0, 0, 0, {{{0, 0}, {1, 1}}}},
                                            {3, 0, 0, 0, {{{0.5f, 0.5f}, {0.25f, 10}, {80, 0}}}},
                                            {4, 6, 7, 0, {{{0.5f, 0.5f}, {0.2f, 0}}}},
                                            {6, 0, 0, 0, {{{0.5f, 0.5f}, {0.3f, 0}}}},
                                        }}));
  const LIN_INFO defaultLine = *BasGetDefaultLineParam(0);
  const EntryPreview result = PreviewLibraryEntry(*FindLibraryKind("图案库"), folder_, "1", Areas());
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.message, "");
  EXPECT_TRUE(*BasGetDefaultLineParam(0) == defaultLine);

  EXPECT_EQ(Count(BasGetRegionCount, regions_), 2);
  REG_INFO region;
  BasReadRegionParam(regions_, 1, &region);
  EXPECT_EQ(region.fillColour(), 9);  // colour 0 fills with 9
  BasReadRegionParam(regions_, 2, &region);
  EXPECT_EQ(region.fillColour(), 5);
  EXPECT_EQ(Count(BasGetLineCount, lines_), 2);  // the outlined area and the polyline
  LIN_INFO line;
  BasReadLineParam(lines_, 1, &line);
  EXPECT_EQ(line.style(), 1);
  EXPECT_EQ(line.colour(), 1);
  EXPECT_FLOAT_EQ(line.width(), 0.02f);
  ASSERT_EQ(Count(BasGetPointCount, points_), 3);
  PNT_INFO arc, disc, circle;
  BasReadPoint(points_, 1, nullptr, nullptr, &arc);
  BasReadPoint(points_, 2, nullptr, nullptr, &disc);
  BasReadPoint(points_, 3, nullptr, nullptr, &circle);
  EXPECT_EQ(arc.kind(), 3);
  EXPECT_DOUBLE_EQ(arc.radius(), 0.25);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcStartAngle), 10.0f);
  EXPECT_FLOAT_EQ(arc.Get<float>(pnt::kArcEndAngle), 80.0f);
  EXPECT_EQ(disc.kind(), 2);
  EXPECT_EQ(disc.Get<int32_t>(pnt::kCircleOutlineColour), 7);
  EXPECT_EQ(disc.Get<uint8_t>(pnt::kCircleFilled), 1);
  EXPECT_EQ(disc.colour(), 6);
  EXPECT_EQ(circle.Get<int32_t>(pnt::kCircleOutlineColour), 1);
  EXPECT_EQ(circle.Get<uint8_t>(pnt::kCircleFilled), 0);
}

TEST_F(ComparisonPreview, RefusedEntriesEmptyThePreviewAndAMissingLibraryKeepsIt) {
  const std::string libs = zv::test::DataPath("display/lib");
  ASSERT_TRUE(PreviewLibraryEntry(*FindLibraryKind("子图库"), libs, "2", Areas()).message.empty());
  ASSERT_GT(Count(BasGetPointCount, points_) + Count(BasGetLineCount, lines_), 0);

  const EntryPreview missing = PreviewLibraryEntry(*FindLibraryKind("子图库"), libs + "/none", "2", Areas());
  EXPECT_FALSE(missing.opened);
  EXPECT_EQ(missing.message, "可能系统库被程序占用，\n\n请先退出其他程序或者修改本程序默认系统库！");
  EXPECT_GT(Count(BasGetPointCount, points_) + Count(BasGetLineCount, lines_), 0);

  struct Case {
    const char* kind;
    const char* entry;
    const char* reason;  // empty: accepted
  };
  const Case cases[] = {
      {"子图库", "0", "编号不在"},
      {"子图库", "99", "编号不在"},
      {"子图库", "3", "no entry"},
      {"线型库", "1", "两级索引"},
      {"线型库", "1-1", ""},
      {"线型库", "9-1", "组号不在"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.entry);
    PreviewLibraryEntry(*FindLibraryKind("子图库"), libs, "2", Areas());
    const EntryPreview result = PreviewLibraryEntry(*FindLibraryKind(c.kind), libs, c.entry, Areas());
    EXPECT_TRUE(result.opened);
    if (*c.reason) {
      EXPECT_NE(result.message.find(c.reason), std::string::npos) << result.message;
      EXPECT_NE(result.message.find(c.entry), std::string::npos);
    } else {
      EXPECT_EQ(result.message, "");
    }
    EXPECT_EQ(Count(BasGetPointCount, points_) + Count(BasGetLineCount, lines_) + Count(BasGetRegionCount, regions_), 0);
  }
}

}  // namespace
}  // namespace zv::panels

#include "views/core/view_titles.h"

#include <gtest/gtest.h>

#include "tests/support/work_areas_fixture.h"

namespace zv::views {
namespace {

class ViewTitlesTest : public test::WorkAreasTest {};

TEST_F(ViewTitlesTest, TitlesNameTheAreasFilesInPointLineRegionOrder) {
  struct Case {
    const char* name;
    const char* point;
    const char* line;
    const char* region;
    bool withRegion;
    const char* title;
  };
  const Case cases[] = {
      {"point and bare line, no region area", "a.wt", "b", "", false, "a.wt /b.wl /"},
      {"all three", "p.wt", "l.wl", "r", true, "p.wt /l.wl /r.wp"},
      {"names with a dot keep it", "x.y", "", "z.WP", true, "x.y /z.WP"},
      {"unnamed areas add nothing", "", "", "", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasSetWorkAreaFileName(points_, c.point);
    BasSetWorkAreaFileName(lines_, c.line);
    BasSetWorkAreaFileName(regions_, c.region);
    const AreaTitle t = TitleFromAreas(points_, lines_, c.withRegion ? regions_ : 0);
    EXPECT_EQ(t.title, c.title);
    // Every open area is refreshed, named or not.
    std::vector<WorkAreaHandle> expected{points_, lines_};
    if (c.withRegion) expected.push_back(regions_);
    EXPECT_EQ(t.refreshed, expected);
  }
}

TEST_F(ViewTitlesTest, ThreeEmptyAreasGiveNoTitleAndNoRefresh) {
  const AreaTitle t = TitleFromAreas(0, 0, 0);
  EXPECT_EQ(t.title, "");
  EXPECT_TRUE(t.refreshed.empty());
}

TEST_F(ViewTitlesTest, LongTitlesAreCutBetweenCharacters) {
  std::string name;
  for (int i = 0; i < 600; ++i) name += "剖";  // two GBK bytes each
  BasSetWorkAreaFileName(points_, name + ".wt");
  const AreaTitle t = TitleFromAreas(points_, 0, 0);
  EXPECT_EQ(t.title, name.substr(0, 499 * 3));
}

TEST(ViewTabNames, NonameDocumentsTakeTheDatabaseFileName) {
  struct Case {
    const char* path;
    const char* current;
    const char* tab;
  };
  const Case cases[] = {
      {"/maps/a.wl", "/db/k.mdb", "a.wl"},
      {"C:\\maps\\b.wt", "", "b.wt"},
      {"NONAME1.wl", "/db/kof.mdb", "kof.mdb"},
      {"/tmp/NONAME2.wt", "D:\\data\\x.mdb", "x.mdb"},
      {"NONAME1.wl", "kof.mdb", "NONAME"},
      {"NONAME1.wl", "", "NONAME"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(SectionTabName(c.path, c.current), c.tab);
  }
  EXPECT_EQ(LastPathPart("/a/NONAME.mpj"), "NONAME.mpj");
}

TEST_F(ViewTitlesTest, TheLastNonZeroScaleOfRegionPointLineWins) {
  const auto setScale = [](WorkAreaHandle area, double scale) {
    MapParams p = DefaultMapParams();
    p.setScale(scale);
    BasSetMapParams(area, p);
  };
  setScale(regions_, 5000.9);
  setScale(points_, 0.0);
  setScale(lines_, 0.0);
  EXPECT_EQ(ScaleOfAreas(regions_, points_, lines_), 5000);
  setScale(lines_, 2000.0);
  EXPECT_EQ(ScaleOfAreas(regions_, points_, lines_), 2000);
  EXPECT_EQ(ScaleOfAreas(0, 0, 0), 0);
}

}  // namespace
}  // namespace zv::views

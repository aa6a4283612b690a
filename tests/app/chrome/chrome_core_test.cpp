#include <proj.h>
#include <gtest/gtest.h>

#include <sstream>

#include "app/chrome/bar_flags.h"
#include "app/chrome/code_lists.h"
#include "app/chrome/search_routing.h"
#include "app/chrome/status_texts.h"
#include "app/chrome/tab_geometry.h"
#include "app/chrome/toolbar_lists.h"
#include "framework/text/encoding.h"
#include "platform/projection/map_projector.h"
#include "tests/support/test_env.h"

namespace zv::chrome {
namespace {

// The button lists as the program's toolbar resources give them.
std::vector<int> ParseList(const char* text) {
  std::vector<int> ids;
  std::istringstream in(text);
  for (std::string word; in >> word;) ids.push_back(word == "|" ? kSeparator : std::stoi(word));
  return ids;
}

TEST(ToolbarLists, EqualTheProgramsButtonListsEntryByEntry) {
  struct Case {
    ToolbarKind kind;
    std::size_t entries;
    const char* list;
  };
  const Case cases[] = {
      {ToolbarKind::kStandard, 47,
       "33041 33039 33040 | 412 413 414 415 422 421 429 | 336 33064 346 334 333 343 342 337 347 353 | 33282 33250 "
       "33285 33056 33127 33214 33063 33062 | 377 390 383 385 382 381 379 392 | 33366 33365 33428 40046 33472 33480"},
      {ToolbarKind::kToolBoxE, 51,
       "33025 33026 33027 33028 33029 33042 33225 33226 33151 33251 33039 33040 33041 33081 33082 32979 32980 32894 "
       "33282 33250 33285 33056 33127 33214 33167 33037 33170 33169 33030 33148 33070 33044 33098 33161 33150 33035 "
       "33051 33036 33111 33244 33245 33246 33164 33165 33166 32975 32995 33099 32895 33248 33038"},
      {ToolbarKind::kWindow, 49,
       "57600 32808 57601 | 33157 32857 32858 32859 | 57337 57338 32771 57339 57342 439 | 33381 57651 32914 32803 "
       "32804 32891 32798 32964 | 40040 40041 40042 | 446 3014 33248 32979 32980 32894 | 32975 32995 33038 33031 "
       "33297 | 33382 33245 33251 33151 33403 33538 33427"},
      {ToolbarKind::kSide, 25,
       "40039 33360 33363 40037 40036 40038 33361 33100 33531 | 33610 33104 33106 33105 33108 33109 33110 | 33068 "
       "33432 33430 33431 33433 33434 33435"},
      {ToolbarKind::kBottom, 48,
       "33528 | 33025 33026 33027 33028 33029 33042 | 33539 33540 33225 33226 | 33462 33490 33494 33495 33493 | "
       "33413 33505 33182 33507 33508 | 33407 33408 33409 33410 33396 33398 33399 33644 | 33102 33119 33094 33120 | "
       "33630 33632 33638 33639 | 33627 33567 33572"},
  };
  for (const Case& c : cases) {
    const ToolbarSpec& spec = Toolbar(c.kind);
    SCOPED_TRACE(spec.caption);
    EXPECT_EQ(spec.kind, c.kind);
    EXPECT_EQ(spec.ids.size(), c.entries);
    EXPECT_EQ(std::vector<int>(spec.ids.begin(), spec.ids.end()), ParseList(c.list));
  }
  EXPECT_STREQ(Toolbar(ToolbarKind::kStandard).barKey, "EditBar");
  EXPECT_STREQ(Toolbar(ToolbarKind::kSide).barKey, "LeftBar");
  EXPECT_STREQ(Toolbar(ToolbarKind::kBottom).barKey, "BottomBar");
  EXPECT_EQ(Toolbar(ToolbarKind::kWindow).barKey, nullptr);
  for (int id : {412, 336, 33041, 33039, 33040}) EXPECT_TRUE(HasDropDown(id)) << id;
  EXPECT_FALSE(HasDropDown(413));
}

TEST(BarFlags, OnlyAPresentNonZeroNumberShowsABarAndAToggleIsWrittenAtOnce) {
  const std::pair<const char*, bool> cases[] = {{"NULL", false}, {"0", false}, {"1", true},
                                                {"2", true},     {"abc", false}, {"", false}};
  for (const auto& [value, shown] : cases) EXPECT_EQ(BarShownByValue(value), shown) << value;

  const ProfileFile file(test::TempRoot() + "/Zavediz.ini");
  EXPECT_FALSE(ReadBarFlag(file, "EditBar")) << "an absent key hides the bar";
  ASSERT_TRUE(SaveBarFlag(file, "EditBar", true));
  EXPECT_EQ(file.GetString("OTHER", "EditBar", ""), "1");
  EXPECT_TRUE(ReadBarFlag(file, "EditBar"));
  ASSERT_TRUE(SaveBarFlag(file, "EditBar", false));
  EXPECT_EQ(file.GetString("OTHER", "EditBar", ""), "0");
  EXPECT_FALSE(ReadBarFlag(file, "EditBar"));
}

TEST(StatusTexts, PanesWidthsAndFirstTexts) {
  EXPECT_EQ(StatusPaneWidths(1920), (std::array<int, kPaneCount>{422, 307, 422, 422, 345}));
  EXPECT_EQ(StatusPaneWidths(1000), (std::array<int, kPaneCount>{220, 160, 220, 220, 180}));
  EXPECT_STREQ(InitialPaneTexts()[1], "文字： 子图： 线： 区：");
  EXPECT_STREQ(InitialPaneTexts()[4], "当前图层：");
}

TEST(StatusTexts, PlaneReadOutSwapsAxesAndScalesFromMillimetres) {
  const ReadOut r{100, 200, 1, 2, 3, 4, "地层"};
  ReadOutState state;
  state.scaleDenominator = 1000;
  const auto texts = ReadOutTexts(r, state);
  EXPECT_EQ(texts[1], "文字:1 子图:2 线:3 区:4");
  EXPECT_EQ(texts[2], "实际坐标 X:200.000,Y: 100.000");
  EXPECT_EQ(texts[3], "图面坐标 X: 100.000,Y:200.000");
  EXPECT_EQ(texts[4], "地层");

  for (bool latLong : {false, true}) {
    state = {0, latLong, {}};
    EXPECT_EQ(RealCoordinateText(100, 200, state), "实际坐标：请先设置比例尺！") << latLong;
  }
}

// A zone-39 Beijing 1954 Gauss-Krüger record, as a project file holds it.
MapParams Zone39Beijing54() {
  MapParams p = DefaultMapParams();
  p.setCoordKind(3);
  p.setProjection(5);
  p.setEllipsoid(1);
  p.setScale(10000);
  p.setCentralMeridian(1170000);  // 117°00′00″ packed
  p.setFalseEasting(39'500'000);
  return p;
}

// Longitude and latitude → the zone-prefixed plane coordinates, by PROJ
// from a definition written out here.
std::pair<double, double> ReferencePlane(double lon, double lat) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* op = proj_create_crs_to_crs(context, "+proj=longlat +ellps=krass +no_defs",
                                  "+proj=tmerc +lat_0=0 +lon_0=117 +k=1 +x_0=39500000 +y_0=0 +ellps=krass +units=m",
                                  nullptr);
  PJ* norm = proj_normalize_for_visualization(context, op);
  const PJ_COORD c = proj_trans(norm, PJ_FWD, proj_coord(lon, lat, 0, 0));
  proj_destroy(norm);
  proj_destroy(op);
  proj_context_destroy(context);
  return {c.xy.x, c.xy.y};
}

TEST(StatusTexts, GeographicReadOutOfAZone39Beijing1954MapMatchesProj) {
  std::string error;
  const std::unique_ptr<MapProjector> projector = MapProjector::FromMapParams(Zone39Beijing54(), &error);
  ASSERT_NE(projector, nullptr) << error;
  ReadOutState state{10000, true, [&](double& e, double& n) { return projector->ToGeographic(e, n); }};
  struct Case {
    const char* name;
    double lon, lat;
    const char* expected;
  };
  // The low latitude has a northing below 1,000,000 m: its zone prefix must
  // go all the same.
  const Case cases[] = {{"mid latitude", 117.4567, 36.789, "经度:117.457,纬度:36.789"},
                        {"low latitude", 116.25, 5.125, "经度:116.250,纬度: 5.125"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [e, n] = ReferencePlane(c.lon, c.lat);
    // Map millimetres at 1:10000.
    EXPECT_EQ(RealCoordinateText(e / 10.0, n / 10.0, state), c.expected);
  }
}

TEST(MapProjector, RefusesWhatPROJCannotBeToldFromTheRecord) {
  struct Case {
    const char* name;
    int projection, ellipsoid;
    double meridian;
    bool builds;
  };
  const Case cases[] = {{"Gauss-Krüger, Xi'an 1980", 5, 2, 1050000, true},
                        {"Gauss-Krüger, WGS 84", 5, 7, 1050000, true},
                        {"no projection", 0, 1, 1050000, false},
                        {"another projection", 7, 1, 1050000, false},
                        {"unknown ellipsoid", 5, 42, 1050000, false},
                        {"bad packed meridian", 5, 1, 1057000, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MapParams p = Zone39Beijing54();
    p.setProjection(static_cast<uint8_t>(c.projection));
    p.setEllipsoid(static_cast<uint8_t>(c.ellipsoid));
    p.setCentralMeridian(c.meridian);
    std::string error;
    EXPECT_EQ(MapProjector::FromMapParams(p, &error) != nullptr, c.builds);
    EXPECT_EQ(error.empty(), c.builds);
  }
}

TEST(SearchRouting, ByTheLengthOfTheExtension) {
  const std::pair<const char*, SearchTargets> cases[] = {
      {"/data/HILLS.MPJ", {true, false}},    {"C:\\maps\\a.wt", {false, true}}, {"/d/x.wl", {false, true}},
      {"/d/x.wp", {false, true}},            {"/d/NONAME", {true, true}},       {"/d.x/NONAME", {true, true}},
      {"/d/archive.tar.gz.xlsx", {true, true}}};
  for (const auto& [path, targets] : cases) EXPECT_EQ(SearchTargetsOf(path), targets) << path;
}

TEST(CodeLists, ItemsSkipHeaderNumberLinesAndEmptyCodesAndPadRecords) {
  const std::string text =
      "序号,代号,名称,a,b,c,d,e,f,g\r\n"
      "1,Q4,第四系,1,2,3,4,5,6,7,8\r\n"
      "序号,代号,名称\r\n"
      "2,,空代号\r\n"
      "3,J3\n"
      ",K1,白垩系,x,,y\n";
  const std::vector<CodeItem> expected = {{"第四系", "Q4", "1,2,3,4,5,6,7,"},
                                          {"", "J3", ",,,,,,,"},
                                          {"白垩系", "K1", "x,,y,,,,,"}};
  EXPECT_EQ(ParseCodeList(text), expected);
  EXPECT_EQ(ParseCodeList(text::ToGbk(text)), expected) << "GBK text";
  EXPECT_TRUE(ParseCodeList("").empty());
  EXPECT_TRUE(ParseCodeList("header only\n").empty());
  EXPECT_EQ(ParseCodeList("h\r1,Q4,第四系\r\r2,J3,侏罗系\r"),
            (std::vector<CodeItem>{{"第四系", "Q4", ",,,,,,,"}, {"侏罗系", "J3", ",,,,,,,"}}))
      << "lines ended by a lone CR";

  std::string many = "header\n";
  for (int i = 1; i < 1000; ++i) many += std::to_string(i) + ",C" + std::to_string(i) + ",n\n";
  const std::vector<CodeItem> items = ParseCodeList(many);
  ASSERT_EQ(items.size(), 997u) << "998 lines read, the header among them";
  EXPECT_EQ(items.back().code, "C997");
}

TEST(TabGeometry, PageAreaTabsAndTheirSqueezeWhenTooWide) {
  EXPECT_EQ(StripPageRect({0, 0, 180, 260}), (TabRect{-2, -2, 182, 239}));
  EXPECT_EQ(NaturalTabWidth(0, true), 24);
  EXPECT_EQ(NaturalTabWidth(40, false), 46);
  EXPECT_EQ(LayoutTabs({0, 0, 199, 99}, {24, 24, 24}),
            (std::vector<TabRect>{{2, 76, 25, 98}, {26, 76, 49, 98}, {50, 76, 73, 98}}));
  // 140 pixels in a band of 95: equal share 31; a tab wider than the one
  // before it (the first: than the last) takes the share.
  EXPECT_EQ(LayoutTabs({0, 0, 99, 99}, {50, 30, 60}),
            (std::vector<TabRect>{{2, 76, 52, 98}, {53, 76, 83, 98}, {84, 76, 115, 98}}));
  EXPECT_TRUE(LayoutTabs({0, 0, 99, 99}, {}).empty());
}

TEST(TabGeometry, CaptionsLosePairsOfCharactersAtMostTenTimesThenTwoMoreForTheDots) {
  const auto tenEach = [](const std::u32string& t) { return static_cast<int>(t.size()) * 10; };
  EXPECT_EQ(CutCaption(U"abcdefgh", 100, tenEach), U"abcdefgh");
  EXPECT_EQ(CutCaption(U"abcdefgh", 50, tenEach), U"ab...");
  EXPECT_EQ(CutCaption(std::u32string(30, U'x'), 0, tenEach), std::u32string(8, U'x') + U"...");
  EXPECT_EQ(CutCaption(U"工程文件列表", 30, tenEach), U"...");
}

}  // namespace
}  // namespace zv::chrome

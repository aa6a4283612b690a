#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "section_fixture.h"
#include "tests/support/work_areas_fixture.h"
#include "zavediz/draw/design_passes.h"
#include "zavediz/draw/overburden_passes.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/strata_pass.h"
#include "zavediz/draw/zavediz_drawing.h"

namespace zv::zavediz {
namespace {

using test::Line;
using test::Lines;
using test::Note;
using test::Notes;

constexpr double kDegree = std::numbers::pi / 180.0;

std::string Point(const D_DOT& p) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.4f,%.4f)", p.x, p.y);
  return text;
}

std::string Points(const std::vector<D_DOT>& points) {
  std::string text;
  for (const D_DOT& p : points) text += Point(p);
  return text;
}

// A trench whose ends lie on the ground of the profile.
DesignTrenchRec Trench(const SectionData& data, const std::string& name, double start, double end) {
  const Tell quiet = [](const std::string&) {};
  DesignTrenchRec t{true, name, start, 0, end};
  t.startElevation = TerrainElevationAt(data.terrain, start, quiet);
  t.endElevation = TerrainElevationAt(data.terrain, end, quiet);
  t.length = end - start;
  return t;
}

class GeologyPasses : public zv::test::WorkAreasTest {
 protected:
  ZavedizAreas Areas() const { return {lines_, points_, regions_}; }
  ZavedizSheet Sheet(const SectionData& data) {
    return ZavedizSheet(data, Areas(), options_, [this](const std::string& m) { told_.push_back(m); });
  }
  int32_t Live(WorkAreaHandle area, int type) const {
    int32_t live = 0, bound = 0;
    if (type == kLineEntity) BasGetLineCount(area, &live, &bound);
    if (type == kRegionEntity) BasGetRegionCount(area, &live, &bound);
    return live;
  }

  SheetOptions options_;
  std::vector<std::string> told_;
};

TEST_F(GeologyPasses, ABoreholeInTheSectionAndInThePlanStrip) {
  SectionData data;
  data.sectionScale = 2000;
  data.direction = 0.0;
  // Slots need not be contiguous: the free slot between is not drawn.
  data.boreholes[0] = DesignBoreholeRec{true, "ZK1", 50.0, 90.0, 60.0, 100.0, 150.0, 0, 0, 200.0};
  data.boreholes[1] = DesignBoreholeRec{false, "old", 80.0, 0.0, 90.0, 300.0, 150.0, 0, 0, 250.0};
  data.boreholes[2] = DesignBoreholeRec{true, "ZK3", 20.0, 0.0, 90.0, 400.0, 150.0, 0, 0, 260.0};
  ZavedizSheet sheet = Sheet(data);
  DrawDesignBoreholes(sheet);

  const std::vector<Line> lines = Lines(lines_);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(Points(lines[0].vertices), "(100.0000,200.0000)(125.0000,156.6987)");
  EXPECT_EQ(lines[0].info.style(), 2);
  EXPECT_EQ(Points(lines[1].vertices), "(119.0000,156.6987)(125.0000,156.6987)");
  EXPECT_EQ(lines[1].info.style(), 1);
  EXPECT_EQ(Points(lines[2].vertices), "(400.0000,260.0000)(400.0000,240.0000)");

  const std::vector<Note> notes = Notes(points_);
  ASSERT_EQ(notes.size(), 10u);
  const struct {
    std::string text;
    std::string at;
    int kind;
    int32_t symbol;
    float height;
  } expected[] = {
      {"", "(100.0000,200.0000)", 1, 319, 5.0f},      {"ZK1", "(92.5000,205.0000)", 0, 0, 5.0f},
      {"100.00", "(118.0000,153.6987)", 0, 0, 3.0f},  {"", "(100.0000,150.0000)", 1, 1011, 4.0f},
      {"ZK1", "(92.5000,153.0000)", 0, 0, 5.0f},
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(notes[i].text, expected[i].text);
    EXPECT_EQ(Point(notes[i].at), expected[i].at);
    EXPECT_EQ(notes[i].info.kind(), expected[i].kind);
    if (expected[i].kind == 1) {
      EXPECT_EQ(notes[i].info.symbolNumber(), expected[i].symbol);
      EXPECT_EQ(notes[i].info.symbolHeight(), expected[i].height);
    } else {
      EXPECT_EQ(notes[i].info.charHeight(), expected[i].height);
    }
  }
  EXPECT_EQ(notes[7].text, "40.00");
}

TEST_F(GeologyPasses, TwelveTrenchesWithoutOverburden) {
  SectionData data;
  test::FillStraightSection(data);
  for (size_t i = 0; i < 12; ++i) {
    const double start = 10.0 + 40.0 * static_cast<double>(i);
    data.trenches[i] = Trench(data, "TC" + std::to_string(i + 1), start, start + 20.0);
  }
  CutZavediz(data, 2, options_.ichnography);
  options_.groundData = 0.0;
  ZavedizSheet sheet = Sheet(data);
  DrawDesignTrenches(sheet);
  DrawTrenchProfiles(sheet);

  int outlines = 0, trenchLines = 0, grounds = 0, walls = 0;
  for (const Line& l : Lines(lines_)) {
    if (l.vertices.size() == 4 && l.info.style() == 2 && l.info.xScale() == 8.0f) ++outlines;
    if (l.info.style() == 2 && l.info.xScale() == 4.0f) ++trenchLines;
    if (l.info.style() == 1 && l.info.xScale() == 4.0f) ++grounds;
    if (l.vertices.size() == 2 && l.vertices[0].x == l.vertices[1].x && l.info.style() == 1) {
      ++walls;
      EXPECT_LT(l.vertices[1].y, l.vertices[0].y);
    }
  }
  EXPECT_EQ(outlines, 10);
  EXPECT_EQ(trenchLines, 12);
  EXPECT_EQ(grounds, 12);
  EXPECT_EQ(walls, 24);
  EXPECT_EQ(Notes(points_).size(), 20u);
  EXPECT_TRUE(BasIsWorkAreaEmpty(regions_));
  EXPECT_TRUE(told_.empty()) << told_.front();
}

TEST_F(GeologyPasses, ATrenchInTheStripAndCutIntoTheGround) {
  SectionData data;
  test::FillStraightSection(data);
  data.trenches[0] = Trench(data, "TC1", 100.0, 150.0);
  CutZavediz(data, 2, options_.ichnography);
  const double strip = data.bottomLeft.y;
  ZavedizSheet sheet = Sheet(data);
  DrawDesignTrenches(sheet);
  DrawTrenchProfiles(sheet);

  const std::vector<Line> lines = Lines(lines_);
  ASSERT_EQ(lines.size(), 4u);  // outline, trench line, two walls (with overburden)
  EXPECT_EQ(Points(lines[0].vertices), Points({{100, strip}, {100, strip - 2}, {150, strip - 2}, {150, strip}}));
  const double ground100 = TerrainElevationAt(data.terrain, 100.0, sheet.tell);
  EXPECT_EQ(Points(lines[1].vertices).substr(0, Point({100, ground100}).size()), Point({100, ground100}));
  EXPECT_EQ(Points(lines[2].vertices), Points({{100, ground100}, {100, ground100 - 2}}));
  const std::vector<Note> notes = Notes(points_);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(Point(notes[0].at), Point({122.0, strip}));
  EXPECT_EQ(Point(notes[1].at), Point({122.0, TerrainElevationAt(data.terrain, 122.0, sheet.tell) + 5.0}));
}

TEST_F(GeologyPasses, BoundaryEndsAlongTheApparentDip) {
  const D_DOT p{10.0, 98.0};
  const struct {
    const char* name;
    double direction;  // degrees
    const char* attitude;
    const char* end;
  } cases[] = {
      {"dip direction 120, 35 degrees, section towards the east", 0.0, "120/35", "(95.5070,46.1488)"},
      // |135 + 300 − 90| is 345 unwrapped: the beds still dip forwards.
      {"north-west line", 135.0, "300/35", "(92.8330,41.9760)"},
      {"dipping backwards", 0.0, "270/45", "(-60.7107,27.2893)"},
      {"no attitude", 30.0, "inf", "(10.0000,90.0000)"},
      {"empty", 30.0, "", "(10.0000,90.0000)"},
      // Numbers that are none would put NaN vertices into the section.
      {"no dip direction", 30.0, "nan/30", "(10.0000,90.0000)"},
      {"no dip", 30.0, "120/nan", "(10.0000,90.0000)"},
      {"infinite", 30.0, "inf/inf", "(10.0000,90.0000)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Point(StratumBoundaryEnd(p, c.attitude, c.direction * kDegree, 8.0)), c.end);
  }
}

TEST_F(GeologyPasses, ABoundaryEndsAtTheBedrockNearestItsTop) {
  const std::vector<D_DOT> bedrock = {{0, 90}, {10, 90}, {20, 80}};
  const struct {
    const char* name;
    D_DOT p, q;
    const char* end;  // "" for none
  } cases[] = {
      // The segment at the vertex under the top is no crossing of its own.
      {"backwards across the first segment", {10, 98}, {-60.7107, 27.2893}, "(2.0000,90.0000)"},
      {"straight down onto a vertex", {10, 98}, {10, 90}, "(10.0000,90.0000)"},
      {"forwards across the second segment", {10, 98}, {45, 28}, "(18.0000,82.0000)"},
      {"too short", {10, 98}, {10, 95}, ""},
      {"past the bedrock's end", {25, 98}, {30, 50}, ""},
      {"crossing twice: the upper one", {-1, 93}, {30, 77.5}, "(5.0000,90.0000)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<D_DOT> end = ClipToBedrock(c.p, c.q, bedrock);
    EXPECT_EQ(end ? Point(*end) : std::string(), c.end);
  }
}

// Ground profile (0, 100), (10, 100) at a contact, (20, 90); the contact
// list of the geology reading with the strata list's attitudes and colours.
class Strata : public GeologyPasses {
 protected:
  void SetUp() override {
    GeologyPasses::SetUp();
    data_.headerSet = true;
    data_.sectionScale = 1000;
    data_.direction = 0.0;
    data_.terrain.InsertAt(1, 0, 0.0, 100.0, "", 0.0);
    data_.terrain.InsertAt(2, 1, 10.0, 100.0, "inf", 0.0);
    data_.terrain.InsertAt(3, 0, 20.0, 90.0, "", 0.0);
    CPointRecList& b = data_.geologyBoundary;
    b.InsertAt(1, 1, 0.0, 100.0, "inf", 0.0);
    b.InsertAt(2, 1, 10.0, 100.0, "inf", 0.0);
    b.InsertAt(3, 1, 20.0, 90.0, "inf", 0.0);
    b.SetAt(1, 1, "inf", "", 0, 11);
    b.SetAt(2, 1, "270/45", "", 0, 12);
    options_.groundData = 2.0;
    options_.stratum = 8.0;
  }
  void Draw() {
    ZavedizSheet sheet = Sheet(data_);
    DrawOverburdenBase(sheet);
    DrawStrata(sheet);
  }
  std::vector<std::pair<int32_t, std::string>> Regions() const {
    std::vector<std::pair<int32_t, std::string>> regions;
    int32_t live = 0, bound = 0;
    BasGetRegionCount(regions_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<std::vector<D_DOT>> rings;
      REG_INFO info;
      if (!BasReadRegion(regions_, id, nullptr, &info) || !BasGetRegionRings(regions_, id, &rings)) continue;
      std::string text;
      for (const auto& ring : rings) {
        EXPECT_EQ(Point(ring.front()), Point(ring.back())) << "ring not closed";
        text += "[" + Points(std::vector<D_DOT>(ring.begin(), ring.end() - 1)) + "]";
      }
      regions.emplace_back(info.fillColour(), text);
    }
    return regions;
  }

  SectionData data_;
};

TEST_F(Strata, OneRegionPerStretchBetweenItsContacts) {
  Draw();
  const std::vector<Line> lines = Lines(lines_);
  ASSERT_EQ(lines.size(), 3u);  // two overburden base runs and the contact; the bedrock is gone
  EXPECT_EQ(Points(lines[2].vertices), "(10.0000,98.0000)(-60.7107,27.2893)");
  EXPECT_EQ(lines[2].info.colour(), 6);
  EXPECT_EQ(lines[2].info.width(), 0.5f);
  EXPECT_EQ(Regions(), (std::vector<std::pair<int32_t, std::string>>{
                           {11, "[(2.0000,90.0000)(0.0000,90.0000)(0.0000,98.0000)(10.0000,98.0000)]"},
                           {12, "[(20.0000,80.0000)(10.0000,90.0000)(2.0000,90.0000)(10.0000,98.0000)(20.0000,88.0000)]"},
                       }));
}

TEST_F(Strata, AContactMeetingNoBedrockEndsAtItsFarEnd) {
  data_.geologyBoundary.SetAt(2, 1, "90/5", "", 0, 12);  // nearly flat, 100 mm forwards: past the profile
  Draw();
  const D_DOT q = StratumBoundaryEnd({10, 98}, "90/5", 0.0, 8.0);
  const auto regions = Regions();
  ASSERT_EQ(regions.size(), 2u);
  EXPECT_NE(regions[0].second.find(Point(q)), std::string::npos) << regions[0].second;
}

TEST_F(Strata, NoGeologyReadingNoStrata) {
  data_.geologyBoundary.RemoveAll();
  Draw();
  EXPECT_TRUE(BasIsWorkAreaEmpty(regions_) || Regions().empty());
  EXPECT_EQ(Lines(lines_).size(), 2u);
}

TEST_F(Strata, WithoutAttitudesTheContactsAreVertical) {
  data_.geologyBoundary.SetAt(2, 1, "inf", "", 0, 0);
  Draw();
  const auto regions = Regions();
  ASSERT_EQ(regions.size(), 2u);
  EXPECT_EQ(regions[0].second, "[(10.0000,90.0000)(0.0000,90.0000)(0.0000,98.0000)(10.0000,98.0000)]");
  EXPECT_EQ(regions[1].first, 0);
}

}  // namespace
}  // namespace zv::zavediz

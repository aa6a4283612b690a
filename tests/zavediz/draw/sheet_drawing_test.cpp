#include "zavediz/draw/zavediz_drawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "section_fixture.h"
#include "tests/support/work_areas_fixture.h"
#include "zavediz/draw/design_passes.h"
#include "zavediz/draw/grid_passes.h"
#include "zavediz/draw/overburden_passes.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/sheet_passes.h"
#include "zavediz/draw/strata_pass.h"

namespace zv::zavediz {
namespace {

using test::Line;
using test::Lines;
using test::Note;
using test::Notes;

class SheetDrawing : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    BasResetDefaultParams();
    test::FillStraightSection(data_);
    CutZavediz(data_, 2, options_.ichnography);
  }

  ZavedizAreas Areas() const { return {lines_, points_, regions_}; }
  Tell Collect() {
    return [this](const std::string& m) { told_.push_back(m); };
  }
  bool Draw(int operation) { return DrawZavedizSheet(operation, data_, Areas(), options_, Collect()); }
  void ClearAreas() {
    for (WorkAreaHandle a : {lines_, points_, regions_}) BasClearWorkArea(a);
  }

  // Every entity as text, area by area, in drawing order.
  std::string Dump() const {
    std::string out;
    for (const Line& l : Lines(lines_)) {
      out += "L" + std::to_string(l.info.width());
      for (const D_DOT& p : l.vertices) out += " " + std::to_string(p.x) + "," + std::to_string(p.y);
      out += "\n";
    }
    for (const Note& n : Notes(points_)) out += "T" + n.text + " " + std::to_string(n.at.x) + "," + std::to_string(n.at.y) + "\n";
    for (const Line& l : Lines(regions_)) out += "A" + std::to_string(l.vertices.size()) + "\n";
    return out;
  }

  std::vector<Note> NotesStarting(const std::string& prefix) const {
    std::vector<Note> found;
    for (const Note& n : Notes(points_)) {
      if (n.text.starts_with(prefix)) found.push_back(n);
    }
    return found;
  }

  SectionData data_;
  SheetOptions options_;
  std::vector<std::string> told_;
};

using PassFn = std::function<void(ZavedizSheet&)>;
const PassFn kEnds = DrawZavedizEnds, kBorders = DrawPlanStripBorders, kFrame = DrawZavedizFrame,
             kTitle = DrawTitleBlock, kTicks = DrawGridTicks, kLevels = DrawElevationLines,
             kLegend = DrawZavedizLegend, kStrip = DrawPlanStrip, kBase = DrawOverburdenBase,
             kSpans = DrawTrenchSections, kTerrain = DrawTerrainPolyline, kStations = DrawSurveyStations,
             kSurveyStrip = DrawSurveyProfile, kHoles = DrawDesignBoreholes, kTrenches = DrawDesignTrenches,
             kTrenchCuts = DrawTrenchProfiles, kStrata = DrawStrata;
const PassFn kLeft = [](ZavedizSheet& s) { DrawElevationLabels(s, true); };
const PassFn kRight = [](ZavedizSheet& s) { DrawElevationLabels(s, false); };

TEST_F(SheetDrawing, EachOperationDrawsItsPassesInOrder) {
  const struct {
    int operation;
    bool polyline;
    std::vector<PassFn> passes;
  } cases[] = {
      {kDrawStraight, false, {kEnds, kBorders, kFrame, kTitle, kTicks, kLevels, kHoles, kTrenches, kTrenchCuts, kLegend,
                              kStrip, kLeft, kRight, kBase, kSpans, kStrata}},
      {kDrawProjected, true, {kTerrain, kEnds, kFrame, kTitle, kLevels, kLegend, kStrip, kLeft, kRight}},
      {kDrawFolded, true, {kTerrain, kEnds, kBorders, kFrame, kTitle, kTicks, kLevels, kLegend, kStrip, kLeft, kRight}},
      {kDrawSurvey, true, {kStations, kSurveyStrip, kEnds, kFrame, kTitle, kTicks, kLevels, kLegend, kStrip, kLeft, kRight}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.operation);
    data_.verticalProjection = c.operation == kDrawProjected ? kVerticalProjection : 0;
    ClearAreas();
    ZavedizSheet sheet(data_, Areas(), options_, Collect());
    sheet.polyline = c.polyline;
    for (const PassFn& pass : c.passes) pass(sheet);
    const std::string expected = Dump();
    ClearAreas();
    ASSERT_TRUE(Draw(c.operation));
    EXPECT_EQ(Dump(), expected);
    EXPECT_FALSE(BasIsWorkAreaEmpty(lines_));
  }
  EXPECT_TRUE(told_.empty()) << told_.front();
}

TEST_F(SheetDrawing, ADrawingNeedsAHeaderAProfileAndAUsableScale) {
  const std::function<void(SectionData&)> faults[] = {
      [](SectionData& d) { d.headerSet = false; },
      [](SectionData& d) { d.terrain.RemoveAll(); },
      [](SectionData& d) { d.sectionScale = 9; },
  };
  for (const auto& fault : faults) {
    SectionData data;
    test::FillStraightSection(data);
    fault(data);
    told_.clear();
    for (int operation : {kDrawStraight, kDrawProjected, kDrawFolded, kDrawSurvey}) {
      EXPECT_FALSE(DrawZavedizSheet(operation, data, Areas(), options_, Collect()));
    }
    EXPECT_EQ(told_, std::vector<std::string>(4, kNoBaseDataMessage));
    EXPECT_TRUE(BasIsWorkAreaEmpty(lines_) && BasIsWorkAreaEmpty(points_) && BasIsWorkAreaEmpty(regions_));
  }
  EXPECT_FALSE(IsDrawingOperation(5));
}

TEST_F(SheetDrawing, GridTicksOfTheWorkedExample) {
  ZavedizSheet sheet(data_, Areas(), options_, Collect());
  DrawGridTicks(sheet);
  const double labelY = data_.sectionStart.y + 15 + 17;
  const struct {
    const char* text;
    double d;
  } expected[] = {{"Y=1200", 86.603}, {"Y=1400", 202.073}, {"Y=1600", 317.543}, {"Y=1800", 433.013},
                  {"X=2200", 170.0},  {"X=2400", 370.0}};
  std::vector<Note> lower;
  for (const Note& n : Notes(points_)) {
    if (n.at.y == labelY) lower.push_back(n);
  }
  ASSERT_EQ(lower.size(), std::size(expected));
  for (size_t i = 0; i < lower.size(); ++i) {
    EXPECT_EQ(lower[i].text, expected[i].text);
    EXPECT_NEAR(lower[i].at.x + 5, expected[i].d, 5e-4) << expected[i].text;
  }
  EXPECT_TRUE(told_.empty());
}

TEST_F(SheetDrawing, GridLabelsFollowTheDirectionAndTheZone) {
  struct Case {
    const char* name;
    double degrees;
    D_DOT start;
    int strap;
    std::vector<std::string> labels;
  } cases[] = {
      {"zone before the first family only", 30, {1050, 2030}, 1,
       {"Y=391200", "Y=391400", "Y=391600", "Y=391800", "X=2200", "X=2400"}},
      {"westward and southward count down", -150, {3050, 2030}, 0,
       {"Y=3000", "Y=2800", "Y=2600", "Y=2400", "Y=2200", "X=2000", "X=1800", "X=1600"}},
      {"along a grid line: one tick", 90, {1200, 2030}, 0,
       {"Y=1200", "X=2200", "X=2400", "X=2600", "X=2800", "X=3000"}},
      {"along the grid off its lines: none", 90, {1250, 2030}, 0,
       {"X=2200", "X=2400", "X=2600", "X=2800", "X=3000"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearAreas();
    data_.direction = c.degrees * std::numbers::pi / 180;
    data_.groundStart = c.start;
    data_.groundEnd = D_DOT{c.start.x + 1000 * std::cos(data_.direction), c.start.y + 1000 * std::sin(data_.direction)};
    data_.xTick.set = false;
    CutZavediz(data_, 2, options_.ichnography);
    options_.strap = c.strap;
    ZavedizSheet sheet(data_, Areas(), options_, Collect());
    DrawGridTicks(sheet);
    std::vector<std::string> labels;
    const double labelY = data_.sectionStart.y + 15 + 17;
    for (const Note& n : Notes(points_)) {
      if (n.at.y == labelY) labels.push_back(n.text);
    }
    EXPECT_EQ(labels, c.labels);
    for (const Line& l : Lines(lines_)) {
      for (const D_DOT& p : l.vertices) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
  }
}

TEST_F(SheetDrawing, GroundLineAndOneClosedOverburdenRing) {
  ZavedizSheet sheet(data_, Areas(), options_, Collect());
  DrawOverburdenBase(sheet);
  DrawTrenchSections(sheet);
  int32_t live = 0, bound = 0;
  BasGetRegionCount(regions_, &live, &bound);
  ASSERT_EQ(live, 1);
  std::vector<std::vector<D_DOT>> rings;
  REG_INFO info;
  BasReadRegion(regions_, bound - 1, nullptr, &info);
  EXPECT_EQ(info.fillColour(), 128);
  ASSERT_EQ(BasGetRegionRings(regions_, bound - 1, &rings), 1);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].size(), 2u * 11 + 1);
  const std::vector<Line> lines = Lines(lines_);
  ASSERT_EQ(lines.size(), 2u);  // the base (with overburden) and the ground
  const Line& ground = lines[1];
  EXPECT_EQ(ground.info.width(), 0.2f);
  EXPECT_EQ(ground.info.lineKind(), 1);
  EXPECT_EQ(ground.info.xScale(), 4.0f);
  ASSERT_EQ(ground.vertices.size(), 11u);
  EXPECT_DOUBLE_EQ(ground.vertices[5].y, 360.0);
  EXPECT_DOUBLE_EQ(lines[0].vertices[5].y, 358.0);
}

TEST_F(SheetDrawing, OverburdenThicknessDecidesTheRegions) {
  struct Case {
    double thickness;
    int regions;
    int lines;
  } cases[] = {{0.0, 0, 1}, {0.1, 1, 2}, {0.09, 0, 1}, {-0.1, 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thickness);
    ClearAreas();
    options_.groundData = c.thickness;
    ZavedizSheet sheet(data_, Areas(), options_, Collect());
    DrawOverburdenBase(sheet);
    DrawTrenchSections(sheet);
    int32_t live = 0, bound = 0;
    BasGetRegionCount(regions_, &live, &bound);
    EXPECT_EQ(live, c.regions);
    BasGetLineCount(lines_, &live, &bound);
    EXPECT_EQ(live, c.lines);
  }
}

TEST_F(SheetDrawing, TrenchesCutTheGroundIntoSpans) {
  // Trenches in slots out of order, one starting at the section start, a
  // stale free slot between them.
  data_.trenches[7] = DesignTrenchRec{true, "TC2", 300.0, 0, 350.0, 0, 0, 0, 0, 0, 340.0, 330.0, 50.0};
  data_.trenches[2] = DesignTrenchRec{true, "TC1", 0.05, 0, 100.0, 0, 0, 0, 0, 0, 300.0, 335.0, 100.0};
  data_.trenches[4] = DesignTrenchRec{false, "old", 150.0, 0, 160.0};
  CutZavediz(data_, 2, options_.ichnography);
  ZavedizSheet sheet(data_, Areas(), options_, Collect());
  DrawOverburdenBase(sheet);
  DrawTrenchSections(sheet);
  std::vector<std::pair<double, double>> grounds;
  for (const Line& l : Lines(lines_)) {
    if (l.info.style() == 1) grounds.emplace_back(l.vertices.front().x, l.vertices.back().x);
  }
  EXPECT_EQ(grounds, (std::vector<std::pair<double, double>>{{100.0, 300.0}, {350.0, 500.0}}));
  int32_t live = 0, bound = 0;
  BasGetRegionCount(regions_, &live, &bound);
  EXPECT_EQ(live, 2);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<std::vector<D_DOT>> rings;
    BasGetRegionRings(regions_, id, &rings);
    EXPECT_EQ(rings.size(), 1u);
  }
  EXPECT_TRUE(told_.empty());
}

// A trench placed past the line's end took elevation 0.0 there: its ends
// must not join the profile (the ground line would dive to 0), and what
// lies past the end is left out with a word to the user.
TEST_F(SheetDrawing, TrenchesAreDrawnAsFarAsTheyLieOnTheProfile) {
  data_.trenches[0] = DesignTrenchRec{true, "TC1", 480.0, 0, 530.0, 0, 0, 0, 0, 0, 306.3, 0.0, 50.0};
  data_.trenches[1] = DesignTrenchRec{true, "TC2", 600.0, 0, 630.0, 0, 0, 0, 0, 0, 0.0, 0.0, 30.0};
  data_.trenches[2] = DesignTrenchRec{true, "TC3", 200.0, 0, 170.0, 0, 0, 0, 0, 0, 357.1, 351.3, -30.0};
  CutZavediz(data_, 2, options_.ichnography);
  EXPECT_EQ(ProfileAt(data_.terrain, data_.terrain.GetCount()).x, 500.0);
  ASSERT_TRUE(Draw(kDrawStraight));
  EXPECT_EQ(told_, (std::vector<std::string>{"设计探槽TC1超出勘探线范围，只画范围之内的部分！",
                                             "设计探槽TC2不在勘探线范围之内，没有画入剖面！"}));
  std::vector<std::pair<double, double>> grounds, outlines;
  for (const Line& l : Lines(lines_)) {
    const bool ground = l.info.width() == 0.2f && l.info.xScale() == 4.0f && l.info.lineKind() == 1;
    if (ground && l.info.style() == 1) grounds.emplace_back(l.vertices.front().x, l.vertices.back().x);
    if (l.vertices.size() == 4 && l.info.style() == 2) outlines.emplace_back(l.vertices.front().x, l.vertices.back().x);
    for (const D_DOT& p : l.vertices) {
      if (ground) EXPECT_GT(p.y, 250.0) << "ground at " << p.x;
    }
  }
  EXPECT_EQ(grounds, (std::vector<std::pair<double, double>>{{0.0, 170.0}, {200.0, 480.0}}));
  EXPECT_EQ(outlines, (std::vector<std::pair<double, double>>{{480.0, 500.0}, {170.0, 200.0}}));
}

TEST_F(SheetDrawing, ADrawingLeavesTheDefaultsAsTheyWere) {
  const LIN_INFO line = *BasGetDefaultLineParam();
  const PNT_INFO text = *BasGetDefaultPointParam(0);
  ASSERT_TRUE(Draw(kDrawStraight));
  EXPECT_EQ(*BasGetDefaultLineParam(), line);
  EXPECT_EQ(*BasGetDefaultPointParam(0), text);
  // The frame's widths are the copy's.
  std::vector<float> frameWidths;
  for (const Line& l : Lines(lines_)) {
    if (l.vertices.size() == 5 && l.vertices[0].x < -29) frameWidths.push_back(l.info.width());
  }
  EXPECT_EQ(frameWidths, (std::vector<float>{0.1f, 0.5f}));
}

TEST_F(SheetDrawing, SheetSizesAndStops) {
  EXPECT_EQ(TitleSize(74.99), 10);
  EXPECT_EQ(TitleSize(75), 15);
  EXPECT_EQ(TitleSize(150), 15);
  EXPECT_EQ(TitleSize(300), 20);
  EXPECT_EQ(TitleSize(300.01), 30);

  ZavedizSheet sheet(data_, Areas(), options_, Collect());
  DrawZavedizLegend(sheet);
  // Top 360, plan strip at 165: boxes from 320 down while not below 165 + 42.
  EXPECT_EQ(Lines(lines_).size(), 8u);
  DrawPlanStrip(sheet);
  const std::vector<Note> caption = NotesStarting("平面图");
  ASSERT_EQ(caption.size(), 1u);
  EXPECT_FLOAT_EQ(caption[0].info.charSpacing(), 5.5f);
  EXPECT_EQ(caption[0].info.Get<uint8_t>(pnt::kArrangement), 1);
  EXPECT_EQ(NotesStarting("1:2000").size(), 1u);
  EXPECT_EQ(NotesStarting("240°0′0″").size(), 1u);
  EXPECT_EQ(NotesStarting("60°0′0″").size(), 1u);
  EXPECT_EQ(NotesStarting("X = 2030.00").size(), 1u);
  EXPECT_EQ(NotesStarting("H = 600.00").size(), 2u);
}

TEST_F(SheetDrawing, ElevationLabelsAndLinesReachTheBase) {
  data_.lowestElevation = 200;  // base level at 100
  CutZavediz(data_, 2, options_.ichnography);
  ZavedizSheet sheet(data_, Areas(), options_, Collect());
  DrawElevationLabels(sheet, true);
  std::vector<std::string> labels;
  for (const Note& n : Notes(points_)) labels.push_back(n.text);
  // 600 m at the left end, 1:2000, every 200 m down to the base level.
  EXPECT_EQ(labels, (std::vector<std::string>{"600", "400", "200"}));

  // 300 touches the profile's ends without crossing it: nothing at that
  // level; 200 lies under the whole ground: one line from start to end.
  DrawElevationLines(sheet);
  std::vector<double> levels;
  for (const Line& l : Lines(lines_)) levels.push_back(l.vertices[0].y);
  ASSERT_EQ(levels, (std::vector<double>{200.0}));
  const Line level = Lines(lines_)[0];
  EXPECT_DOUBLE_EQ(level.vertices[0].x, 0.0);
  EXPECT_DOUBLE_EQ(level.vertices[1].x, 500.0);
}

}  // namespace
}  // namespace zv::zavediz

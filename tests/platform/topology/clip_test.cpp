#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/data/geometry.h"
#include "platform/topology/topology.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

using Polyline = std::vector<D_DOT>;

std::string Text(const Polyline& v) {
  std::string out;
  char buf[64];
  for (const D_DOT& p : v) {
    std::snprintf(buf, sizeof buf, "%s(%g %g)", out.empty() ? "" : " ", p.x, p.y);
    out += buf;
  }
  return out;
}

class TopoClip : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    outline_ = BasCreateLineWorkArea(set_);
    pointsOut_ = BasCreatePointWorkArea(set_);
    linesOut_ = BasCreateLineWorkArea(set_);
    regionsOut_ = BasCreateRegionWorkArea(set_);
  }
  // The outline as users draw it: a closed line.
  void Outline(Polyline v) { BasAppendLine(outline_, v, LIN_INFO{}); }
  void Square() { Outline({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}); }

  std::vector<std::string> Lines(WorkAreaHandle area) {
    std::vector<std::string> out;
    int32_t live = 0, bound = 0;
    BasGetLineCount(area, &live, &bound);
    Polyline v;
    for (int32_t id = 1; id < bound; ++id)
      if (BasReadLine(area, id, &v, nullptr)) out.push_back(Text(v));
    return out;
  }

  void AddField(WorkAreaHandle area, int type, const char* name) {
    CFIELD_HEAD field;
    field.name = name;
    field.type = kFieldString;
    field.length = 20;
    ASSERT_GE(BasInsertField(area, type, field), 0);
  }
  void SetName(WorkAreaHandle area, int type, int32_t id, const char* value) {
    AttributeRecord record;
    ASSERT_EQ(BasReadAttribute(area, type, id, &record), 1);
    ASSERT_TRUE(BasSetFieldByName(record, "名称", value));
    ASSERT_EQ(BasWriteAttribute(area, type, id, record), 1);
  }
  std::string Name(WorkAreaHandle area, int type, int32_t id) {
    AttributeRecord record;
    std::string text;
    if (BasReadAttribute(area, type, id, &record) != 1 || !BasGetFieldText(record, "名称", &text)) return "?";
    return text;
  }

  WorkAreaHandle outline_ = 0, pointsOut_ = 0, linesOut_ = 0, regionsOut_ = 0;
};

TEST_F(TopoClip, PointsInsideOnOrWithinToleranceAreKeptWithTextParametersAndAttributes) {
  Square();
  AddField(points_, kPointEntity, "名称");
  struct Case {
    D_DOT at;
    bool kept;
  };
  const Case cases[] = {{{5, 5}, true},     {{15, 5}, false},     {{10, 5}, true},
                        {{10.005, 5}, true}, {{10.02, 5}, false}, {{-3, -3}, false}};
  for (const Case& c : cases) {
    PNT_INFO info;
    info.setCharHeight(2.5f);
    const int32_t id = BasAppendPoint(points_, c.at, "点" + std::to_string(c.at.x), info);
    SetName(points_, kPointEntity, id, "甲");
  }
  ASSERT_EQ(TopoClipPoints(outline_, points_, pointsOut_, 0.01, kTopoKeepInside), 3);
  std::vector<double> xs;
  for (int32_t id = 1; id <= 3; ++id) {
    D_DOT p;
    std::string text;
    PNT_INFO info;
    ASSERT_EQ(BasReadPoint(pointsOut_, id, &p, &text, &info), 1);
    xs.push_back(p.x);
    EXPECT_EQ(text, "点" + std::to_string(p.x));
    EXPECT_FLOAT_EQ(info.charHeight(), 2.5f);
    EXPECT_EQ(Name(pointsOut_, kPointEntity, id), "甲");
  }
  EXPECT_EQ(xs, (std::vector<double>{5, 10, 10.005}));
  int32_t live = 0, bound = 0;
  BasGetPointCount(points_, &live, &bound);
  EXPECT_EQ(live, 6) << "the source stays as it was";
}

// A small outline is read directly, a large one through GEOS: both keep the
// same points, holes and tolerance included.
TEST_F(TopoClip, FewAndManyEdgedOutlinesKeepTheSamePoints) {
  const D_DOT probes[] = {{5, 5}, {2, 2}, {1, 5}, {3, 5}, {10, 5}, {10.005, 5}, {10.02, 5}, {4.005, 5},
                          {3.995, 5}, {-1, 5}, {5, 10.009}, {5, 12}};
  for (const D_DOT& p : probes) BasAppendPoint(points_, p, "", PNT_INFO{});
  // The square (0, 0)–(10, 10) less the hole (4, 4)–(6, 6), each side of the
  // square cut into `parts` pieces.
  auto keptWith = [&](int parts) {
    BasClearWorkArea(outline_);
    BasClearWorkArea(pointsOut_);
    Polyline square;
    const D_DOT corners[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (int side = 0; side < 4; ++side) {
      const D_DOT& a = corners[side];
      const D_DOT& b = corners[(side + 1) % 4];
      for (int k = 0; k < parts; ++k)
        square.push_back({a.x + (b.x - a.x) * k / parts, a.y + (b.y - a.y) * k / parts});
    }
    square.push_back(square.front());
    Outline(square);
    Outline({{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}});
    TopoClipPoints(outline_, points_, pointsOut_, 0.01, kTopoKeepInside);
    std::vector<std::string> kept;
    int32_t live = 0, bound = 0;
    BasGetPointCount(pointsOut_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      D_DOT p;
      if (BasReadPoint(pointsOut_, id, &p, nullptr, nullptr)) kept.push_back(Text({p}));
    }
    return kept;
  };
  const std::vector<std::string> few = keptWith(1);
  EXPECT_EQ(few, (std::vector<std::string>{"(2 2)", "(1 5)", "(3 5)", "(10 5)", "(10.005 5)", "(4.005 5)", "(3.995 5)",
                                           "(5 10.009)"}))
      << "(5 5) lies in the hole, (4.005 5) within tolerance of it";
  EXPECT_EQ(keptWith(20), few);
}

TEST_F(TopoClip, LinesAreCutAtTheOutlineKeepingDirectionAndVertices) {
  // A square with a notch cut from its top: (4,6)-(6,6) is the notch's floor.
  Outline({{0, 0}, {10, 0}, {10, 10}, {6, 10}, {6, 6}, {4, 6}, {4, 10}, {0, 10}, {0, 0}});
  struct Case {
    const char* name;
    Polyline source;
    std::vector<std::string> pieces;
  };
  const std::vector<Case> cases = {
      {"wholly inside", {{1, 1}, {3, 2}, {9, 1}}, {"(1 1) (3 2) (9 1)"}},
      {"crossing", {{-5, 5}, {15, 5}}, {"(0 5) (10 5)"}},
      {"crossing backwards", {{15, 5}, {-5, 5}}, {"(10 5) (0 5)"}},
      {"through the notch", {{-2, 8}, {12, 8}}, {"(0 8) (4 8)", "(6 8) (10 8)"}},
      {"out and back in", {{2, 2}, {12, 2}, {12, 4}, {2, 4}}, {"(2 2) (10 2)", "(10 4) (2 4)"}},
      {"along the outline", {{0, -5}, {0, 15}}, {"(0 0) (0 10)"}},
      {"outside", {{20, 20}, {30, 30}}, {}},
      {"closed, cut open at its start", {{8, 2}, {14, 2}, {14, 4}, {8, 4}, {8, 2}}, {"(10 4) (8 4) (8 2) (10 2)"}},
      {"shorter inside than the tolerance", {{9.995, 5}, {20, 5}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(lines_);
    BasClearWorkArea(linesOut_);
    LIN_INFO info;
    info.setColour(7);
    BasAppendLine(lines_, c.source, info);
    EXPECT_EQ(TopoClipLines(outline_, lines_, linesOut_, 0.01, kTopoKeepInside), static_cast<int32_t>(c.pieces.size()));
    EXPECT_EQ(Lines(linesOut_), c.pieces);
    LIN_INFO got;
    if (!c.pieces.empty() && BasReadLineParam(linesOut_, 1, &got)) {
      EXPECT_EQ(got.colour(), 7);
    }
  }
}

TEST_F(TopoClip, LineAttributesFollowEveryPiece) {
  Outline({{0, 0}, {10, 0}, {10, 10}, {6, 10}, {6, 6}, {4, 6}, {4, 10}, {0, 10}, {0, 0}});
  AddField(lines_, kLineEntity, "名称");
  const int32_t id = BasAppendLine(lines_, Polyline{{-2, 8}, {12, 8}}, LIN_INFO{});
  SetName(lines_, kLineEntity, id, "断层F1");
  ASSERT_EQ(TopoClipLines(outline_, lines_, linesOut_, 0.01, kTopoKeepInside), 2);
  for (int32_t piece : {1, 2}) EXPECT_EQ(Name(linesOut_, kLineEntity, piece), "断层F1");
  AttributeRecord record;
  double length = 0;
  ASSERT_EQ(BasReadAttribute(linesOut_, kLineEntity, 1, &record), 1);
  ASSERT_TRUE(BasGetFieldDouble(record, "长度", &length));
  EXPECT_DOUBLE_EQ(length, 4) << "measured again on the piece";
}

TEST_F(TopoClip, RegionsAreRebuiltAsClosedArcsWithTheirHoles) {
  Square();
  AddField(regions_, kRegionEntity, "名称");
  REG_INFO info;
  info.setFillColour(42);
  LIN_INFO arcInfo;
  arcInfo.setColour(3);
  // A frame from −5 to 15 with a hole from 3 to 7: clipped, the square keeps the hole.
  const int32_t shell = BasAppendLine(regions_, Polyline{{-5, -5}, {15, -5}, {15, 15}, {-5, 15}, {-5, -5}}, arcInfo);
  const int32_t hole = BasAppendLine(regions_, Polyline{{3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}}, arcInfo);
  const int32_t region = BasAppendRegion(regions_, {0, shell, 0, hole}, info);
  SetName(regions_, kRegionEntity, region, "采区");

  ASSERT_EQ(TopoClipRegions(outline_, regions_, regionsOut_, 0.01, kTopoKeepInside), 1);
  std::vector<int32_t> arcs;
  REG_INFO got;
  ASSERT_EQ(BasReadRegion(regionsOut_, 1, &arcs, &got), 1);
  EXPECT_EQ(got.fillColour(), 42);
  EXPECT_EQ(Name(regionsOut_, kRegionEntity, 1), "采区");
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_EQ(arcs[2], 0);
  EXPECT_DOUBLE_EQ(BasRegionArea(regionsOut_, 1), 100 - 16);
  Polyline outer, inner;
  LIN_INFO outerInfo;
  ASSERT_EQ(BasReadLine(regionsOut_, arcs[1], &outer, &outerInfo), 1);
  LIN_INFO innerInfo;
  ASSERT_EQ(BasReadLine(regionsOut_, arcs[3], &inner, &innerInfo), 1);
  EXPECT_EQ(outerInfo.colour(), LIN_INFO{}.colour()) << "the outer ring runs along the outline";
  EXPECT_EQ(innerInfo.colour(), 3);
  EXPECT_EQ(outer.front().x, outer.back().x);
  EXPECT_EQ(outer.front().y, outer.back().y);
  EXPECT_GT(BasPolygonArea(outer.data(), static_cast<int32_t>(outer.size())), 0) << "outer ring counter-clockwise";
  EXPECT_LT(BasPolygonArea(inner.data(), static_cast<int32_t>(inner.size())), 0) << "hole clockwise";
}

TEST_F(TopoClip, ARegionCutInTwoGivesTwoRegionsAndOneOutsideNone) {
  // A U-shaped outline: its two arms cut a bar across them in two.
  Outline({{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 3}, {3, 3}, {3, 10}, {0, 10}, {0, 0}});
  const int32_t bar = BasAppendLine(regions_, Polyline{{-1, 5}, {11, 5}, {11, 8}, {-1, 8}, {-1, 5}}, LIN_INFO{});
  BasAppendRegion(regions_, {0, bar}, REG_INFO{});
  const int32_t far = BasAppendLine(regions_, Polyline{{20, 20}, {30, 20}, {30, 30}, {20, 20}}, LIN_INFO{});
  BasAppendRegion(regions_, {0, far}, REG_INFO{});
  ASSERT_EQ(TopoClipRegions(outline_, regions_, regionsOut_, 0.01, kTopoKeepInside), 2);
  EXPECT_DOUBLE_EQ(BasRegionArea(regionsOut_, 1) + BasRegionArea(regionsOut_, 2), 18);
}

TEST_F(TopoClip, BadArgumentsAndOutlinesThatBoundNothingFail) {
  Square();
  BasAppendPoint(points_, {5, 5}, "", PNT_INFO{});
  EXPECT_EQ(TopoClipPoints(outline_, points_, pointsOut_, 0.01, 7), -1) << "no such mode";
  EXPECT_EQ(TopoClipPoints(outline_, points_, pointsOut_, -1, kTopoKeepInside), -1);
  EXPECT_EQ(TopoClipPoints(outline_, lines_, pointsOut_, 0.01, kTopoKeepInside), -1);
  EXPECT_EQ(TopoClipLines(outline_, lines_, regionsOut_, 0.01, kTopoKeepInside), -1);
  EXPECT_EQ(TopoClipRegions(points_, regions_, regionsOut_, 0.01, kTopoKeepInside), -1);
  EXPECT_EQ(TopoClipPoints(0, points_, pointsOut_, 0.01, kTopoKeepInside), -1);

  WorkAreaHandle flat = BasCreateLineWorkArea(set_);
  BasAppendLine(flat, Polyline{{0, 0}, {10, 0}, {0, 0}}, LIN_INFO{});
  EXPECT_EQ(TopoClipPoints(flat, points_, pointsOut_, 0.01, kTopoKeepInside), -1);
  WorkAreaHandle empty = BasCreateLineWorkArea(set_);
  EXPECT_EQ(TopoClipPoints(empty, points_, pointsOut_, 0.01, kTopoKeepInside), -1);
  EXPECT_NE(BasIsWorkAreaEmpty(pointsOut_), 0);
}

TEST_F(TopoClip, AnOpenOrSelfCrossingOutlineStillBoundsItsArea) {
  // Not closed by the user, and drawn as a bow tie: both lobes count.
  Outline({{0, 0}, {10, 10}, {10, 0}, {0, 10}});
  for (D_DOT p : {D_DOT{1, 5}, D_DOT{9, 5}, D_DOT{5, 1}}) BasAppendPoint(points_, p, "", PNT_INFO{});
  EXPECT_EQ(TopoClipPoints(outline_, points_, pointsOut_, 0.01, kTopoKeepInside), 2);
}

TEST_F(TopoClip, InsideAndOutsideTogetherHoldTheSourceOnceByAnEvenOddOutline) {
  // An outline with a hole given as two lines: the ring between them clips.
  Outline({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}});
  Outline({{5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}});
  for (D_DOT p : {D_DOT{1, 1}, D_DOT{10, 10}, D_DOT{30, 30}, D_DOT{5, 10}}) BasAppendPoint(points_, p, "", PNT_INFO{});
  BasAppendLine(lines_, Polyline{{-10, 10}, {30, 10}}, LIN_INFO{});
  const int32_t arc = BasAppendLine(regions_, Polyline{{-5, -5}, {25, -5}, {25, 25}, {-5, 25}, {-5, -5}}, LIN_INFO{});
  ASSERT_GT(BasAppendRegion(regions_, std::vector<int32_t>{0, arc}, REG_INFO{}), 0);

  WorkAreaHandle pointsOutside = BasCreatePointWorkArea(set_);
  WorkAreaHandle linesOutside = BasCreateLineWorkArea(set_);
  WorkAreaHandle regionsOutside = BasCreateRegionWorkArea(set_);
  // Inside keeps (1,1) and (5,10) on the hole's edge; outside the other two.
  EXPECT_EQ(TopoClipPoints(outline_, points_, pointsOut_, 0, kTopoKeepInside), 2);
  EXPECT_EQ(TopoClipPoints(outline_, points_, pointsOutside, 0, kTopoKeepOutside), 2);
  EXPECT_EQ(TopoClipLines(outline_, lines_, linesOut_, 0, kTopoKeepInside), 2);
  EXPECT_EQ(TopoClipLines(outline_, lines_, linesOutside, 0, kTopoKeepOutside), 3);
  EXPECT_EQ(Lines(linesOut_), (std::vector<std::string>{"(0 10) (5 10)", "(15 10) (20 10)"}));
  EXPECT_EQ(TopoClipRegions(outline_, regions_, regionsOut_, 0, kTopoKeepInside), 1);
  EXPECT_EQ(TopoClipRegions(outline_, regions_, regionsOutside, 0, kTopoKeepOutside), 2);
  double inside = BasRegionArea(regionsOut_, 1);
  EXPECT_DOUBLE_EQ(inside, 400 - 100);
  double outside = BasRegionArea(regionsOutside, 1) + BasRegionArea(regionsOutside, 2);
  EXPECT_DOUBLE_EQ(inside + outside, 900);
  auto length = [](WorkAreaHandle area) {
    double sum = 0;
    int32_t live = 0, bound = 0;
    BasGetLineCount(area, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) sum += std::max(0.0, BasGetLineLength(area, id));
    return sum;
  };
  EXPECT_DOUBLE_EQ(length(linesOut_) + length(linesOutside), 40);
}

TEST_F(TopoClip, FreeArcsOfARegionAreaAreCutAndKeptOnBothSides) {
  Square();
  const int32_t shell = BasAppendLine(regions_, {{2, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 2}}, LIN_INFO{});
  BasAppendRegion(regions_, {0, shell}, REG_INFO{});
  LIN_INFO free;
  free.setColour(9);
  BasAppendLine(regions_, {{5, 5}, {15, 5}}, free);
  const WorkAreaHandle outside = BasCreateRegionWorkArea(set_);
  ASSERT_EQ(TopoClipRegions(outline_, regions_, regionsOut_, 0.01, kTopoKeepInside), 1);
  ASSERT_EQ(TopoClipRegions(outline_, regions_, outside, 0.01, kTopoKeepOutside), 0);
  EXPECT_EQ(Lines(regionsOut_), (std::vector<std::string>{"(2 2) (4 2) (4 4) (2 4) (2 2)", "(5 5) (10 5)"}));
  EXPECT_EQ(Lines(outside), std::vector<std::string>{"(10 5) (15 5)"});
  LIN_INFO got;
  ASSERT_EQ(BasReadLine(outside, 1, nullptr, &got), 1);
  EXPECT_EQ(got.colour(), 9);
}

TEST_F(TopoClip, RegionsSharingAnArcShareItsPiecesAndNewArcsTakeTheOutlineParameters) {
  LIN_INFO rim, wall, cut;
  rim.setColour(3);
  wall.setColour(4);
  cut.setColour(5);
  const int32_t left = BasAppendLine(regions_, Polyline{{10, 0}, {0, 0}, {0, 10}, {10, 10}}, rim);
  const int32_t shared = BasAppendLine(regions_, Polyline{{10, 10}, {10, 0}}, wall);
  const int32_t right = BasAppendLine(regions_, Polyline{{10, 0}, {20, 0}, {20, 10}, {10, 10}}, rim);
  BasAppendRegion(regions_, {0, left, shared}, REG_INFO{});
  BasAppendRegion(regions_, {0, right, -shared}, REG_INFO{});
  // Crosses the shared arc at (10, 5).
  const Polyline outline{{5, -5}, {15, -5}, {15, 5.5}, {5, 4.5}, {5, -5}};
  BasAppendLine(outline_, outline, cut);
  auto onOutline = [&](const D_DOT& p) {
    for (std::size_t i = 1; i < outline.size(); ++i)
      if (BasPointToSegmentDistance(p, outline[i - 1], outline[i]) < 1e-9) return true;
    return false;
  };
  struct Case {
    int mode;
    int regions;
    double area;
    D_DOT sharedFrom, sharedTo;  // the shared piece, in the shared arc's direction
  };
  for (const Case& c : {Case{kTopoKeepInside, 2, 50, {10, 5}, {10, 0}}, Case{kTopoKeepOutside, 2, 150, {10, 10}, {10, 5}}}) {
    SCOPED_TRACE(c.mode);
    const WorkAreaHandle out = BasCreateRegionWorkArea(set_);
    ASSERT_EQ(TopoClipRegions(outline_, regions_, out, 0.01, c.mode), c.regions);
    EXPECT_DOUBLE_EQ(BasRegionArea(out, 1) + BasRegionArea(out, 2), c.area);
    const std::vector<ArcSides> sides = BasComputeArcTopology(out);
    int sharedArcs = 0;
    for (int32_t arc = 1; arc < static_cast<int32_t>(sides.size()); ++arc) {
      Polyline v;
      LIN_INFO info;
      ASSERT_EQ(BasReadLine(out, arc, &v, &info), 1);
      SCOPED_TRACE(Text(v));
      EXPECT_TRUE(sides[arc].left != 0 || sides[arc].right != 0) << "every arc bounds a region";
      const D_DOT mid{(v[0].x + v[1].x) / 2, (v[0].y + v[1].y) / 2};
      if (sides[arc].left != 0 && sides[arc].right != 0) {
        ++sharedArcs;
        EXPECT_EQ(Text(v), Text({c.sharedFrom, c.sharedTo}));
        EXPECT_EQ(info.colour(), 4);
      } else {
        EXPECT_EQ(info.colour(), onOutline(mid) ? 5 : 3);
      }
    }
    EXPECT_EQ(sharedArcs, 1);
  }
}

TEST_F(TopoClip, CrossingsAndOutlineVerticesNearASourceVertexArePlacedOnIt) {
  // A line whose vertex (10.005, 5) lies just outside the square's edge.
  Square();
  BasAppendLine(lines_, Polyline{{-5, 5}, {10.005, 5}, {20, 5}}, LIN_INFO{});
  const WorkAreaHandle outside = BasCreateLineWorkArea(set_);
  ASSERT_EQ(TopoClipLines(outline_, lines_, linesOut_, 0.01, kTopoKeepInside), 1);
  ASSERT_EQ(TopoClipLines(outline_, lines_, outside, 0.01, kTopoKeepOutside), 2);
  EXPECT_EQ(Lines(linesOut_), std::vector<std::string>{"(0 5) (10.005 5)"});
  EXPECT_EQ(Lines(outside), (std::vector<std::string>{"(-5 5) (0 5)", "(10.005 5) (20 5)"}));

  // Regions: an outline corner near the region's corner (10, 10), and an
  // outline edge crossing the bottom next to its vertex (3, 0).
  struct Case {
    const char* name;
    Polyline outline;
    std::string ring;  // the kept region's outer ring
  };
  const Case cases[] = {
      {"corner within", {{-5, -5}, {10.004, 10.003}, {-5, 20}}, "(0 0) (10 10) (0 10) (0 0)"},
      {"corner beyond", {{-5, -5}, {10.2, 10.3}, {-5, 20}}, ""},
      {"crossing within", {{3.002, -5}, {3.002, 15}, {-5, 15}, {-5, -5}}, "(3 0) (3.002 10) (0 10) (0 0) (3 0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WorkAreaHandle source = BasCreateRegionWorkArea(set_), out = BasCreateRegionWorkArea(set_);
    const WorkAreaHandle shape = BasCreateLineWorkArea(set_);
    BasAppendLine(shape, c.outline, LIN_INFO{});
    const int32_t ring = BasAppendLine(source, Polyline{{0, 0}, {3, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, LIN_INFO{});
    BasAppendRegion(source, {0, ring}, REG_INFO{});
    ASSERT_EQ(TopoClipRegions(shape, source, out, 0.01, kTopoKeepInside), 1);
    std::vector<std::vector<D_DOT>> rings;
    ASSERT_EQ(BasGetRegionRings(out, 1, &rings), 1);
    if (c.ring.empty()) {
      for (const D_DOT& p : rings[0]) EXPECT_FALSE(p.x == 10 && p.y == 10) << "a far corner is not moved";
    } else {
      EXPECT_EQ(Text(rings[0]), c.ring);
    }
  }
}

}  // namespace
}  // namespace zv

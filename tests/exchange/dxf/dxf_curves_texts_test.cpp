// POINT, CIRCLE, ARC, ELLIPSE, SPLINE, TEXT, ATTRIB and MTEXT entities as the
// reader hands them on.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

using test::Group;

const std::vector<Group> kLayers = {
    {0, "LAYER"}, {2, "THICK"}, {62, "3"},  {370, "30"},
    {0, "LAYER"}, {2, "OFF"},   {62, "-1"},
};

test::ReadOutcome ReadEntities(const std::vector<Group>& entities) {
  return test::ReadDxf(test::DxfFile(kLayers, entities));
}

TEST(DxfCurves, CirclesAndArcsAreSampledInTenthsOfARadian) {
  const auto read = ReadEntities({
      {0, "CIRCLE"}, {8, "A"}, {10, "0"}, {20, "0"}, {40, "5"}, {370, "2000"},
      {0, "ARC"}, {8, "A"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "350"}, {51, "10"},
      // A span of exactly 0.5 radian: the end point twice.
      {0, "ARC"}, {8, "A"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "0"}, {51, "28.64788975654116"},
      // Extrusion down: mirrored in x, the arc running from 90° to 180°.
      {0, "ARC"}, {8, "A"}, {10, "3"}, {20, "0"}, {40, "1"}, {50, "0"}, {51, "90"}, {230, "-1"},
      {0, "CIRCLE"}, {8, "OFF"}, {10, "0"}, {20, "0"}, {40, "5"},
  });
  const auto& lines = read.sink.lines;
  ASSERT_EQ(lines.size(), 4u);
  ASSERT_EQ(lines[0].vertices.size(), 64u);
  EXPECT_NEAR(lines[0].vertices[62].x, 5 * std::cos(6.2), 1e-12);
  EXPECT_NEAR(lines[0].vertices[63].x, 5, 1e-12);
  EXPECT_NEAR(lines[0].vertices[63].y, 0, 1e-9);
  EXPECT_FLOAT_EQ(lines[0].style.penWidth, 20.0f);  // circles keep any width
  EXPECT_NEAR(std::atan2(lines[1].vertices[0].y, lines[1].vertices[0].x) * 180 / M_PI, -10, 1e-9);
  EXPECT_NEAR(std::atan2(lines[1].vertices.back().y, lines[1].vertices.back().x) * 180 / M_PI, 10, 1e-9);
  const auto& exact = lines[2].vertices;
  EXPECT_EQ(exact.size(), 7u);
  EXPECT_NEAR(exact[5].x, exact[6].x, 1e-12);
  const auto& mirrored = lines[3].vertices;
  EXPECT_NEAR(mirrored.front().x, -4, 1e-12);
  EXPECT_NEAR(mirrored.back().x, -3, 1e-12);
  EXPECT_NEAR(mirrored.back().y, 1, 1e-12);
}

TEST(DxfCurves, PointsAreSmallFilledCircles) {
  const auto read = ReadEntities({
      {0, "POINT"}, {8, "THICK"}, {10, "1"}, {20, "2"}, {30, "3"}, {230, "-1"},
      {0, "POINT"}, {8, "NOT IN TABLE"}, {10, "4"}, {20, "5"},
  });
  const auto& points = read.sink.points;
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].point.kind, DxfPointKind::Circle);
  EXPECT_EQ(points[0].point.position.x, 1);  // world coordinates: never mirrored
  EXPECT_DOUBLE_EQ(points[0].point.radius, 0.2);
  EXPECT_FLOAT_EQ(points[0].point.penWidth, 0.3f);
  EXPECT_EQ(points[0].attributes.elevation, 3);
  EXPECT_FLOAT_EQ(points[1].point.penWidth, 0.1f);
}

TEST(DxfCurves, SplinesUseTheControlPointsReadUpToTheirCount) {
  std::vector<Group> seven;
  for (int i = 0; i < 7; ++i) {
    seven.push_back({10, std::to_string(i * 5)});
    seven.push_back({20, std::to_string(i % 2 * 5)});
  }
  auto spline = [&](std::vector<Group> head, int pairs) {
    std::vector<Group> groups = {{0, "SPLINE"}, {8, "A"}};
    groups.insert(groups.end(), head.begin(), head.end());
    groups.insert(groups.end(), seven.begin(), seven.begin() + 2 * pairs);
    return groups;
  };
  struct Case {
    std::vector<Group> head;
    int pairs;
    std::size_t vertices;  // 0: no line
  };
  const Case cases[] = {
      {{{73, "7"}}, 7, 65},            // cubic, clamped: 4 knot spans of 16 samples, and the end
      {{{73, "7"}, {70, "1"}}, 7, 66},  // closed: the first vertex again
      {{}, 7, 0},                       // no control-point count
      {{{73, "5"}}, 7, 33},             // only the first five: 2 spans
      {{{73, "7"}, {70, "1"}}, 3, 18},  // promises seven, gives three: quadratic, 1 span
      {{{73, "7"}}, 1, 0},              // one point is no curve
      {{{74, "3"}, {11, "0"}, {21, "0"}, {11, "1"}, {21, "1"}, {11, "2"}, {21, "0"}}, 0, 3},  // fit points only
  };
  for (const Case& c : cases) {
    const auto read = ReadEntities(spline(c.head, c.pairs));
    if (c.vertices == 0) {
      EXPECT_TRUE(read.sink.lines.empty());
      continue;
    }
    ASSERT_EQ(read.sink.lines.size(), 1u);
    EXPECT_EQ(read.sink.lines[0].vertices.size(), c.vertices);
    EXPECT_EQ(read.sink.lines[0].style.curveFlag, 1);
  }
}

TEST(DxfCurves, EllipsesFromTheirParameters) {
  const auto read = ReadEntities({
      {0, "ELLIPSE"}, {8, "A"}, {10, "40"}, {20, "0"}, {11, "6"}, {21, "0"}, {40, "0.5"}, {41, "0"},
      {42, "3.141592653589793"}, {230, "-1"},
      {0, "ELLIPSE"}, {8, "A"}, {10, "0"}, {20, "0"}, {11, "2"}, {21, "0"}, {40, "0.5"},
  });
  ASSERT_EQ(read.sink.lines.size(), 2u);
  const auto& half = read.sink.lines[0].vertices;
  EXPECT_EQ(half.size(), 33u);
  EXPECT_NEAR(half.front().x, 46, 1e-12);  // world coordinates: never mirrored
  EXPECT_NEAR(half.back().x, 34, 1e-12);
  // Without parameters: two coincident points.
  EXPECT_EQ(read.sink.lines[1].vertices.size(), 2u);
}

TEST(DxfTexts, JustifiedTextsHangFromTheirAlignmentPoint) {
  // "AB" of height 2: one cell of width 2.
  auto text = [](std::vector<Group> more) {
    std::vector<Group> groups = {{0, "TEXT"}, {8, "A"}, {1, "AB"}, {10, "50"}, {20, "50"}, {40, "2"}};
    groups.insert(groups.end(), more.begin(), more.end());
    return groups;
  };
  struct Case {
    std::vector<Group> groups;
    D_DOT position;
  };
  const Case cases[] = {
      {text({{72, "1"}, {11, "50"}, {21, "50"}, {73, "2"}}), {49, 49}},                // middle centre
      {text({{72, "1"}, {11, "50"}, {21, "50"}, {73, "2"}, {50, "90"}}), {51, 49}},    // turned with the text
      {text({{72, "2"}, {11, "60"}, {21, "50"}}), {58, 50}},                           // baseline right
      {text({{72, "4"}, {11, "50"}, {21, "50"}}), {49, 49}},                           // middle
      {text({{72, "5"}, {11, "70"}, {21, "50"}}), {50, 50}},                           // fit: the first point
      {text({{11, "70"}, {21, "50"}}), {50, 50}},                                      // left: the first point
      {{{0, "ATTRIB"}, {8, "A"}, {1, "AB"}, {10, "0"}, {20, "0"}, {40, "2"}, {72, "0"}, {11, "50"}, {21, "50"},
        {73, "9"}, {74, "3"}}, {50, 48}},                                              // ATTRIB: top left by 74
  };
  for (const Case& c : cases) {
    const auto read = ReadEntities(c.groups);
    ASSERT_EQ(read.sink.points.size(), 1u);
    EXPECT_NEAR(read.sink.points[0].point.position.x, c.position.x, 1e-9);
    EXPECT_NEAR(read.sink.points[0].point.position.y, c.position.y, 1e-9);
  }
}

TEST(DxfTexts, TextsAreNotesAtTheirInsertionPoint) {
  const auto read = ReadEntities({
      {0, "TEXT"}, {8, "A"}, {1, "ABC"}, {10, "10"}, {20, "20"}, {40, "2.5"}, {41, "0.8"}, {50, "30"},
      {0, "ATTRIB"}, {8, "A"}, {1, "%%c50"}, {2, "TAG"}, {10, "0"}, {20, "0"},
      {0, "TEXT"}, {8, "A"}, {1, "M"}, {10, "4"}, {20, "0"}, {50, "30"}, {230, "-1"},
      {0, "TEXT"}, {8, "OFF"}, {1, "hidden"}, {10, "0"}, {20, "0"},
  });
  const auto& points = read.sink.points;
  ASSERT_EQ(points.size(), 3u);
  const DxfPoint& abc = points[0].point;
  EXPECT_EQ(abc.kind, DxfPointKind::Note);
  EXPECT_EQ(abc.text, "ABC");
  EXPECT_EQ(abc.position.x, 10);
  EXPECT_EQ(abc.position.y, 20);
  EXPECT_DOUBLE_EQ(abc.height, 2.5);
  EXPECT_DOUBLE_EQ(abc.width, 2.0);
  EXPECT_DOUBLE_EQ(abc.angle, 30);
  EXPECT_EQ(points[0].attributes.nameText, "ABC");
  EXPECT_EQ(points[0].attributes.elevation, 2.5);
  EXPECT_EQ(points[1].point.text, "⌀50");
  EXPECT_DOUBLE_EQ(points[1].point.height, 3.0);
  // Extrusion down: mirrored, the baseline turned round.
  EXPECT_EQ(points[2].point.position.x, -4);
  EXPECT_NEAR(points[2].point.angle, 150, 1e-9);
}

std::vector<Group> MText(const std::string& text, std::vector<Group> more = {}) {
  std::vector<Group> groups = {{0, "MTEXT"}, {8, "A"}, {10, "10"}, {20, "20"}, {40, "2"}, {71, "7"}, {1, text}};
  groups.insert(groups.end(), more.begin(), more.end());
  return groups;
}

TEST(DxfTexts, MTextRotationInDegreesUnlessADirectionIsGiven) {
  std::vector<Group> entities = MText("a", {{11, "0"}, {21, "1"}});
  for (const auto& g : MText("b", {{50, "90"}})) entities.push_back(g);
  for (const auto& g : MText("c", {{11, "1"}, {21, "1"}, {50, "10"}})) entities.push_back(g);
  const auto read = ReadEntities(entities);
  ASSERT_EQ(read.sink.points.size(), 3u);
  EXPECT_NEAR(read.sink.points[0].point.angle, 90, 1e-9);
  EXPECT_NEAR(read.sink.points[1].point.angle, 90, 1e-9);
  EXPECT_NEAR(read.sink.points[2].point.angle, 45, 1e-9);
}

TEST(DxfTexts, LongOrMultiLineMTextIsATextBlockOneHeightHigher) {
  const std::string chinese24(std::string("地层界线") + "地层界线" + "地层界线" + "地层界线" + "地层界线" + "地层界线");
  struct Case {
    std::string text;
    std::vector<Group> more;
    DxfPointKind kind;
  };
  const Case cases[] = {
      {chinese24 + "A", {}, DxfPointKind::Note},                 // 49 GBK bytes
      {chinese24 + "AB", {}, DxfPointKind::TextBlock},           // 50
      {"a\\Pb", {}, DxfPointKind::TextBlock},                    // a line break
      {"1\\S1/2;", {}, DxfPointKind::Note},  // a stacked fraction
  };
  for (const Case& c : cases) {
    const auto read = ReadEntities(MText(c.text, c.more));
    ASSERT_EQ(read.sink.points.size(), 1u) << c.text;
    const DxfPoint& p = read.sink.points[0].point;
    EXPECT_EQ(p.kind, c.kind) << c.text;
    EXPECT_EQ(p.position.x, 10);
    EXPECT_EQ(p.position.y, c.kind == DxfPointKind::Note ? 20 : 22);  // bottom left: no shift
    EXPECT_EQ(read.sink.points[0].attributes.nameText, c.text);
    if (c.kind == DxfPointKind::TextBlock) {
      // No group 44: single spacing; no group 41: a frame that wraps nothing.
      EXPECT_NEAR(p.lineSpacing, 2 * 1.6666666666666665 - 2, 1e-12);
      EXPECT_DOUBLE_EQ(p.frameWidth, 100.0);
    } else {
      EXPECT_TRUE(p.setsSpacing);
    }
  }
  // A long line without a reference width: the frame takes the whole line.
  const auto wide = ReadEntities(MText(chinese24 + chinese24 + "\\Pb", {{40, "5"}}));
  EXPECT_DOUBLE_EQ(wide.sink.points[0].point.frameWidth, 48.5 * 5);  // and the blank before the break
  const auto given = ReadEntities(MText("a\\Pb", {{41, "30"}}));
  EXPECT_DOUBLE_EQ(given.sink.points[0].point.frameWidth, 30);
  const auto stacked = ReadEntities(MText("1\\S1/2;"));
  EXPECT_EQ(stacked.sink.points[0].point.text, "1/1/2/");
}

TEST(DxfTexts, MTextOnASwitchedOffLayerIsSkipped) {
  auto entities = MText("seen");
  entities.insert(entities.end(), {{0, "MTEXT"}, {8, "OFF"}, {1, "hidden"}, {10, "0"}, {20, "0"}});
  const auto read = ReadEntities(entities);
  ASSERT_EQ(read.sink.points.size(), 1u);
  EXPECT_EQ(read.sink.points[0].point.text, "seen");
}

TEST(DxfTexts, MTextAttachmentMovesTheAnchor) {
  // Middle centre (5): half the width left, half the height down.
  const auto read = ReadEntities({{0, "MTEXT"}, {8, "A"}, {10, "10"}, {20, "20"}, {40, "2"}, {71, "5"}, {1, "AB"}});
  ASSERT_EQ(read.sink.points.size(), 1u);
  EXPECT_NEAR(read.sink.points[0].point.position.x, 10 - 2.0 / 2, 1e-12);  // "AB": one cell of height 2
  EXPECT_NEAR(read.sink.points[0].point.position.y, 19, 1e-12);
}

}  // namespace
}  // namespace zv::dxf

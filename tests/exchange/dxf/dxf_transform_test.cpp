#include <gtest/gtest.h>

#include <cmath>

#include "exchange/dxf/dxf_transform.h"
#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

struct PlacementCase {
  double sx, sy, angle;
  D_DOT start, end;
};

TEST(DxfTransform, PlacementMovesBaseScalesTurnsAndInserts) {
  // A LINE from (10, 10) to (20, 10) in a block based at (10, 10), placed at
  // (100, 0).
  const PlacementCase cases[] = {
      {2, 1, 90, {100, 0}, {100, 20}},
      {-1, 1, 0, {100, 0}, {90, 0}},
      {1, 1, 0, {100, 0}, {110, 0}},
  };
  for (const PlacementCase& c : cases) {
    const DxfAffine map = DxfAffine::Placement({10, 10}, c.sx, c.sy, c.angle, {100, 0});
    const D_DOT a = map.Apply({10, 10});
    const D_DOT b = map.Apply({20, 10});
    EXPECT_NEAR(a.x, c.start.x, 1e-9);
    EXPECT_NEAR(a.y, c.start.y, 1e-9);
    EXPECT_NEAR(b.x, c.end.x, 1e-9);
    EXPECT_NEAR(b.y, c.end.y, 1e-9);
  }
  // Composition: the inner map first.
  const DxfAffine inner = DxfAffine::Placement({0, 0}, 2, 2, 90, {10, 0});
  const DxfAffine outer = DxfAffine::Placement({0, 0}, 1, 1, 0, {100, 0});
  const D_DOT p = outer.After(inner).Apply({1, 0});
  EXPECT_NEAR(p.x, 110, 1e-9);
  EXPECT_NEAR(p.y, 2, 1e-9);
}

TEST(DxfTransform, TextsTurnWithTheMapAndStayReadableInAMirror) {
  struct Case {
    DxfAffine map;
    double angle, height, width;
  };
  const Case cases[] = {
      {DxfAffine::Placement({0, 0}, 2, 3, 45, {0, 0}), 75, 7.5, 4},
      {DxfAffine::Placement({0, 0}, 1, -1, 0, {0, 0}), -30, 2.5, 2},
      {DxfAffine::MirrorX(), 150, 2.5, 2},
      {DxfAffine::Placement({0, 0}, -1, 1, 0, {0, 0}), 150, 2.5, 2},
  };
  for (const Case& c : cases) {
    test::RecordingSink recorded;
    DxfTransformingSink sink(recorded, c.map);
    DxfPoint text;
    text.position = {1, 0};
    text.angle = 30;
    text.height = 2.5;
    text.width = 2;
    sink.AppendPoint(text, {});
    const DxfPoint& got = recorded.points.at(0).point;
    EXPECT_NEAR(got.angle, c.angle, 1e-9);
    EXPECT_NEAR(got.height, c.height, 1e-9);
    EXPECT_NEAR(got.width, c.width, 1e-9);
    EXPECT_NEAR(got.position.x, c.map.Apply({1, 0}).x, 1e-12);
  }
}

}  // namespace
}  // namespace zv::dxf

// Inside tests against an outline of several rings (even-odd), with the
// relative tolerance for pieces that end on the outline.
#include "platform/editors/inside_tests.h"

#include <gtest/gtest.h>

#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

using Ring = std::vector<D_DOT>;

Ring Square(double x, double y, double size) {
  return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}};
}

class InsideTestsTest : public test::WorkAreasTest {};

TEST_F(InsideTestsTest, LinesAndRegionsAreInsideWhenEveryVertexAndMidpointIs) {
  const double x = 500000, y = 3500000;
  const OutlineRings holed = {Square(x, y, 100), Square(x + 40, y + 40, 20)};
  struct Case {
    const char* name;
    Ring line;
    int inside;
  };
  const Case cases[] = {
      {"inside", {{x + 10, y + 10}, {x + 30, y + 10}}, 1},
      {"ending on the hole's edge up to rounding", {{x + 10, y + 50}, {x + 40 + 1e-6, y + 50}}, 1},
      {"reaching into the hole", {{x + 10, y + 50}, {x + 40.01, y + 50}}, 0},
      {"crossing the hole between its vertices", {{x + 30, y + 50}, {x + 70, y + 50}}, 0},
      {"outside", {{x + 110, y + 50}, {x + 130, y + 50}}, 0},
      {"in the hole", {{x + 45, y + 45}, {x + 55, y + 45}}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLineInPolygon(c.line, holed), c.inside) << c.name;
  EXPECT_EQ(IsPointInPolygon({x + 50, y + 50}, holed), 0);
  EXPECT_EQ(IsPointInPolygon({x + 40, y + 50}, holed), 1);  // on the hole's edge
  EXPECT_EQ(IsRegionInPolygon({Square(x + 5, y + 5, 10)}, holed), 1);
  EXPECT_EQ(IsRegionInPolygon({Square(x + 35, y + 35, 10)}, holed), 0);
  EXPECT_EQ(IsLineInPolygon({{x, y}}, {}), 0);

  // The same through work areas.
  const int32_t outer = BasAppendLine(regions_, holed[0], LIN_INFO{});
  const int32_t hole = BasAppendLine(regions_, holed[1], LIN_INFO{});
  const int32_t region = BasAppendRegion(regions_, {0, outer, 0, hole}, REG_INFO{});
  const int32_t small = BasAppendRegion(regions_, {0, BasAppendLine(regions_, Square(x + 5, y + 5, 10), LIN_INFO{})},
                                        REG_INFO{});
  const int32_t inHole = BasAppendLine(lines_, Ring{{x + 45, y + 45}, {x + 55, y + 45}}, LIN_INFO{});
  const int32_t inRing = BasAppendLine(lines_, Ring{{x + 10, y + 10}, {x + 30, y + 10}}, LIN_INFO{});
  EXPECT_EQ(IsLineInRegion(lines_, inRing, regions_, region), 1);
  EXPECT_EQ(IsLineInRegion(lines_, inHole, regions_, region), 0);
  EXPECT_EQ(IsRegionInRegion(regions_, small, regions_, region), 1);
  EXPECT_EQ(IsRegionInRegion(regions_, region, regions_, small), 0);
  EXPECT_EQ(IsLineInRegion(lines_, 99, regions_, region), 0);
}

}  // namespace
}  // namespace zv

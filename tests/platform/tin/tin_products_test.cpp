#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/data/geometry.h"
#include "platform/tin/tin_bands.h"
#include "platform/tin/tin_oblique.h"
#include "platform/tin/tin_products.h"
#include "platform/tin/tin_sources.h"
#include "tests/platform/tin/tin_test_support.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::tin {
namespace {

using test::Grid;

double RingArea(const std::vector<D_DOT>& ring) {
  return BasPolygonArea(ring.data(), static_cast<int32_t>(ring.size()));
}

class TinProducts : public zv::test::WorkAreasTest {
 protected:
  std::shared_ptr<const Tin> Cone() {
    const TinBuild build = BuildTin(Grid(0, 0, 2, 51, [](double x, double y) { return std::hypot(x - 50, y - 50); }));
    EXPECT_TRUE(build.tin);
    return build.tin;
  }
};

TEST_F(TinProducts, ContourLinesCarryTheirLevel) {
  const auto tin = Cone();
  const std::vector<double> levels{10, 20};
  LIN_INFO info;
  info.setColour(3);
  const std::vector<int32_t> ids = AppendContourLines(lines_, TraceContours(*tin, levels), info);
  ASSERT_EQ(ids.size(), 2u);
  for (size_t i = 0; i < ids.size(); ++i) {
    AttributeRecord record;
    double level = 0;
    ASSERT_TRUE(BasReadAttribute(lines_, kLineEntity, ids[i], &record));
    ASSERT_TRUE(BasGetFieldDouble(record, kElevationField, &level));
    EXPECT_EQ(level, levels[i]);
    LIN_INFO read;
    BasReadLineParam(lines_, ids[i], &read);
    EXPECT_EQ(read.colour(), 3);
  }
}

TEST_F(TinProducts, ConeBandsAreRingsColouredByBand) {
  const auto tin = Cone();
  const std::vector<double> levels{10, 20, 30};
  const std::vector<BandFace> faces = ContourBands(*tin, levels, TraceContours(*tin, levels));
  ASSERT_EQ(faces.size(), 4u);
  std::vector<int> bands;
  for (const BandFace& face : faces) bands.push_back(face.band);
  std::sort(bands.begin(), bands.end());
  EXPECT_EQ(bands, (std::vector<int>{0, 1, 2, 3}));
  for (const BandFace& face : faces) {
    SCOPED_TRACE(face.band);
    // The centre disc has no hole; every band around it has one.
    EXPECT_EQ(face.rings.size(), face.band == 0 ? 1u : 2u);
    EXPECT_GT(RingArea(face.rings[0]), 0);
    if (face.rings.size() > 1) EXPECT_LT(RingArea(face.rings[1]), 0);
    double area = 0;
    for (const auto& ring : face.rings) area += RingArea(ring);
    const double r0 = face.band * 10.0, r1 = face.band * 10.0 + 10;
    const double expected = face.band == 3 ? 100.0 * 100.0 - std::numbers::pi * 30 * 30
                                           : std::numbers::pi * (r1 * r1 - r0 * r0);
    EXPECT_NEAR(area, expected, expected * 0.02);
  }

  const AppendedRegions appended = AppendBandRegions(regions_, faces, LIN_INFO{}, REG_INFO{}, 623);
  ASSERT_EQ(appended.regions.size(), 4u);
  EXPECT_EQ(appended.arcs.size(), 7u);
  std::set<int32_t> colours;
  for (size_t i = 0; i < faces.size(); ++i) {
    REG_INFO info;
    ASSERT_TRUE(BasReadRegionParam(regions_, appended.regions[i], &info));
    EXPECT_EQ(info.fillColour(), BandColour(faces[i].band, 623));
    colours.insert(info.fillColour());
    EXPECT_EQ(BasCountRegionRings(regions_, appended.regions[i]), static_cast<int>(faces[i].rings.size()));
  }
  EXPECT_EQ(colours.size(), 4u);
}

TEST_F(TinProducts, PlaneBandsAreStripsBetweenLevels) {
  const TinBuild build = BuildTin(Grid(-5, -5, 5, 7, [](double x, double) { return x; }));
  ASSERT_TRUE(build.tin);
  const std::vector<double> levels{0, 10, 20};
  const std::vector<BandFace> faces = ContourBands(*build.tin, levels, TraceContours(*build.tin, levels));
  ASSERT_EQ(faces.size(), 4u);
  for (const BandFace& face : faces) {
    ASSERT_EQ(face.rings.size(), 1u);
    double xmin = INFINITY, xmax = -INFINITY;
    for (const D_DOT& p : face.rings[0]) xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
    const double edges[] = {-5, 0, 10, 20, 25};
    EXPECT_EQ(xmin, edges[face.band]);
    EXPECT_EQ(xmax, edges[face.band + 1]);
  }
}

TEST(TinOblique, PictureLiesRightOfTheDataAndCellsRunBackToFront) {
  const TinBuild build = BuildTin(Grid(0, 0, 10, 11, [](double x, double y) { return x + y; }));
  ASSERT_TRUE(build.tin);
  const ObliqueGrid grid = ObliqueView(*build.tin);
  double left = INFINITY, bottom = INFINITY, top = -INFINITY;
  for (const D_DOT& p : grid.picture) left = std::min(left, p.x), bottom = std::min(bottom, p.y), top = std::max(top, p.y);
  EXPECT_DOUBLE_EQ(left, 110);  // the extent's right side plus a tenth of it
  EXPECT_DOUBLE_EQ(bottom, 0);
  // Depth runs 100·√2 across the diagonal, seen at 30°; relief adds 25 at cos 30°.
  EXPECT_NEAR(top, 100 * std::sqrt(2.0) * 0.5 + 25 * std::cos(std::numbers::pi / 6), 1e-9);
  EXPECT_EQ(ObliqueGridLines(grid).size(), 100u);
  const std::vector<ObliqueCell> cells = ObliqueCells(grid);
  ASSERT_EQ(cells.size(), 49u * 49u);
  // The far corner is the north-east one, where the plane is highest.
  EXPECT_GT(cells.front().value, cells.back().value);
  for (const ObliqueCell& cell : cells) EXPECT_GT(RingArea(cell.ring), 0);
}

TEST(TinOblique, BlankNodesBreakLinesAndDropCells) {
  // A triangle covers only half of its extent.
  const TinBuild build = BuildTin({{0, 0, 0}, {100, 0, 10}, {0, 100, 20}});
  ASSERT_TRUE(build.tin);
  const ObliqueGrid grid = ObliqueView(*build.tin);
  for (const auto& line : ObliqueGridLines(grid)) EXPECT_GE(line.size(), 2u);
  const size_t cells = ObliqueCells(grid).size();
  EXPECT_GT(cells, 1000u);
  EXPECT_LT(cells, 49u * 49u / 2 + 49);
}

}  // namespace
}  // namespace zv::tin

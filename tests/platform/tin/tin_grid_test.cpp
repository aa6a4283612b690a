#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "framework/fileio/file_io.h"
#include "platform/tin/tin_grid.h"
#include "tests/support/run_command.h"
#include "tests/support/test_env.h"

namespace zv::tin {
namespace {

using zv::test::RunCommand;

TEST(TinGrid, StepChoiceRefusesBadStepsAndTooManyNodes) {
  const D_RECT extent{0, 0, 100, 40};
  EXPECT_DOUBLE_EQ(DefaultGridStep(extent), 1.0);
  const GridChoice fits = GridOver(extent, 10);
  EXPECT_EQ(fits.spec.columns, 11);
  EXPECT_EQ(fits.spec.rows, 5);
  EXPECT_EQ(GridOver(extent, 30).spec.columns, 5);  // reaches past the right side
  EXPECT_EQ(GridOver(extent, 0).error, "网格间距必须大于0");
  EXPECT_EQ(GridOver(extent, NAN).error, "网格间距必须大于0");
  EXPECT_EQ(GridOver(extent, 0.001).error, "网格结点太多，请加大网格间距");
}

// The grid of a plane over a diamond, read back by GDAL: values of the plane
// inside the hull, blank outside.
TEST(TinGrid, GdalReadsThePlaneInsideTheHullAndBlanksOutside) {
  const auto plane = [](double x, double y) { return 2 * x + y + 5; };
  std::vector<TinPoint> points;
  for (const auto& [x, y] : {std::pair{50.0, 0.0}, {100, 50}, {50, 100}, {0, 50}, {50, 50}, {30, 40}})
    points.push_back({x, y, plane(x, y)});
  const TinBuild build = BuildTin(points);
  ASSERT_TRUE(build.tin);
  const GridChoice choice = GridOver(build.tin->extent(), 10);
  ASSERT_TRUE(choice.error.empty());
  const std::string path = zv::test::TempRoot() + "/plane.grd";
  ASSERT_TRUE(fileio::WriteFileAtomically(path, DsaaText(*build.tin, choice.spec)));

  EXPECT_NE(RunCommand("gdalinfo " + path).find("Size is 11, 11"), std::string::npos);
  std::istringstream xyz(RunCommand("gdal_translate -q -of XYZ " + path + " /vsistdout/"));
  int inside = 0, blank = 0;
  double x = 0, y = 0, z = 0;
  while (xyz >> x >> y >> z) {
    if (std::fabs(x - 50) + std::fabs(y - 50) <= 50 + 1e-9) {
      ++inside;
      EXPECT_NEAR(z, plane(x, y), 1e-6) << x << " " << y;
    } else {
      ++blank;
      EXPECT_GT(z, 1e38) << x << " " << y;
    }
  }
  EXPECT_EQ(inside + blank, 121);
  EXPECT_EQ(inside, 61);
}

}  // namespace
}  // namespace zv::tin

#include "platform/projection/proj_params.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

ProjParams GaussKrueger(double scale) {
  ProjParams params;
  params.map.setCoordKind(3);
  params.map.setProjection(5);
  params.map.setEllipsoid(2);
  params.map.setScale(scale);
  params.map.setCentralMeridian(1170000.0);
  ProjSetZone(params, 39);
  return params;
}

TEST(ProjProjectPoint, PackedAnglesBecomeMapMillimetresAtTheRecordsScale) {
  const ProjParams params = GaussKrueger(10000.0);
  EXPECT_EQ(ProjGetZone(params), 39);
  double x = 1170315, y = 254400;
  ASSERT_TRUE(ProjProjectPoint(params, 1, &x, &y));
  // Back through the plane-to-geographic direction of the same record.
  const std::unique_ptr<MapProjector> back = MapProjector::FromMapParams(params.map);
  double e = x * 10.0, n = y * 10.0;
  ASSERT_TRUE(back->ToGeographic(e, n));
  EXPECT_NEAR(e, 117.0 + 3.0 / 60 + 15.0 / 3600, 1e-10);
  EXPECT_NEAR(n, 25.0 + 44.0 / 60, 1e-10);
  // The meridian itself lies at the false easting, 500 km.
  double mx = 1170000, my = 0;
  ASSERT_TRUE(ProjProjectPoint(GaussKrueger(1000.0), 1, &mx, &my));
  EXPECT_NEAR(mx, 500000.0, 1e-6);
  EXPECT_NEAR(my, 0.0, 1e-6);
}

TEST(ProjProjectPoint, RefusalsLeaveThePointAndSayWhy) {
  const struct {
    ProjParams params;
    int mode;
    double x, y;
    const char* error;
  } cases[] = {
      {GaussKrueger(10000.0), 2, 1170315, 254400, "不支持该投影变换方式！"},
      {GaussKrueger(0.0), 1, 1170315, 254400, "比例尺参数错误，无法换算经纬度！"},
      {GaussKrueger(10000.0), 1, 1176015, 254400, "经纬度数据错误，无法换算！"},
      {ProjParams{}, 1, 1170315, 254400, "不支持该投影方式，无法换算经纬度！"},
  };
  for (const auto& c : cases) {
    double x = c.x, y = c.y;
    std::string error;
    EXPECT_FALSE(ProjProjectPoint(c.params, c.mode, &x, &y, &error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

}  // namespace
}  // namespace zv

// The projector both ways against PROJ's own transverse Mercator, and the
// angle units of geographic input.
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>

#include "platform/projection/map_projector.h"

namespace zv {
namespace {

MapParams GaussParams(int ellipsoid, double meridianDms) {
  MapParams params = DefaultMapParams();
  params.setCoordKind(3);
  params.setProjection(5);
  params.setEllipsoid(static_cast<uint8_t>(ellipsoid));
  params.setCentralMeridian(meridianDms);
  params.setFalseEasting(500000);
  return params;
}

TEST(MapProjector, ToPlaneMatchesAnIndependentPipelineAndInvertsToGeographic) {
  struct Case {
    int ellipsoid;
    const char* ellps;
  } cases[] = {{1, "+ellps=krass"}, {2, "+a=6378140 +rf=298.257"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ellps);
    auto projector = MapProjector::FromMapParams(GaussParams(c.ellipsoid, 1170000));
    ASSERT_NE(projector, nullptr);
    PJ_CONTEXT* context = proj_context_create();
    const std::string pipeline = std::string("+proj=tmerc +lon_0=117 +k=1 +x_0=500000 ") + c.ellps;
    PJ* reference = proj_create(context, pipeline.c_str());
    ASSERT_NE(reference, nullptr);
    for (const auto& [lon, lat] : {std::pair{117.5, 30.25}, std::pair{115.9, 41.0}}) {
      PJ_COORD expected = proj_trans(reference, PJ_FWD, proj_coord(lon * M_PI / 180, lat * M_PI / 180, 0, 0));
      double e = lon, n = lat;
      ASSERT_TRUE(projector->ToPlane(e, n));
      EXPECT_NEAR(e, expected.xy.x, 1e-4);
      EXPECT_NEAR(n, expected.xy.y, 1e-4);
      ASSERT_TRUE(projector->ToGeographic(e, n));
      EXPECT_NEAR(e, lon, 1e-9);
      EXPECT_NEAR(n, lat, 1e-9);
    }
    proj_destroy(reference);
    proj_context_destroy(context);
  }
}

TEST(MapProjector, AnglesReadInTheInputUnit) {
  struct Case {
    double value;
    int unit;
    std::optional<double> degrees;
  } cases[] = {
      {1170315, 5, 117 + 3 / 60.0 + 15 / 3600.0}, {117.5, 4, 117.5}, {3600, 3, 1.0}, {90, 7, 1.5},
      {M_PI, 8, 180.0},   {100, 9, 90.0},       {1176000, 5, std::nullopt}, {1, 2, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    const std::optional<double> got = AngleInDegrees(c.value, c.unit);
    ASSERT_EQ(got.has_value(), c.degrees.has_value());
    if (got) {
      EXPECT_NEAR(*got, *c.degrees, 1e-12);
    }
  }
}

}  // namespace
}  // namespace zv

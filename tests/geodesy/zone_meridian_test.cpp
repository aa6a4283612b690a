#include "geodesy/zone_meridian.h"

#include <gtest/gtest.h>

namespace zv::geodesy {
namespace {

TEST(ZoneCentralMeridian, PackedLongitudesGiveTheirZonesMeridian) {
  const struct {
    const char* text;
    double meridian;
  } cases[] = {
      {"1170315", 1170000},   // zone 39
      {"1183000", 1200000},   // 118.5 reaches the boundary: zone 40
      {"1162959", 1170000},   // 116.4997: zone 38 + 1
      {"1182959.9", 1170000}, // a hair before the boundary stays west
      {" 1150000 ", 1140000},
      {"0", 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(ZoneCentralMeridian(c.text), c.meridian) << c.text;
}

TEST(ZoneCentralMeridian, NegativeOrUnreadableLongitudesAreRefused) {
  for (const char* text : {"-1170315", "", "abc", "117,0315", "3600000", "nan"})
    EXPECT_EQ(ZoneCentralMeridian(text), -1.0) << text;
}

}  // namespace
}  // namespace zv::geodesy

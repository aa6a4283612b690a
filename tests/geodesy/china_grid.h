#pragma once
// Test points over China: latitudes 18°-54° in whole degrees, in the band of
// every 6° zone (central meridians 75°-135°, ±3°) or every 3° zone
// (75°-135°, ±1.5°), in steps of a twelfth of the band.

#include <vector>

struct GridPoint {
  double latitude;   // degrees
  double longitude;  // degrees
  double meridian;   // central meridian of the zone, degrees
};

inline std::vector<GridPoint> ChinaGrid(double zoneWidth) {
  std::vector<GridPoint> points;
  const double half = zoneWidth / 2.0;
  for (double meridian = 75.0; meridian <= 135.0; meridian += zoneWidth) {
    for (int lat = 18; lat <= 54; ++lat) {
      for (int step = -6; step <= 6; ++step) {
        points.push_back({static_cast<double>(lat), meridian + half * step / 6.0, meridian});
      }
    }
  }
  return points;
}

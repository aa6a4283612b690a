// Gauss-Krueger projection of ten million points, forward and inverse, side
// by side with PROJ's transverse Mercator (proj_trans_generic) on the same
// points in the same run: points per second and the largest difference.
//
// Usage: bench_geodesy [points]   (default 10000000)

#include <proj.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "framework/text/numbers.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"

namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr std::size_t kChunk = 1000000;  // points per zone and batch

using Clock = std::chrono::steady_clock;

struct Totals {
  double oursSeconds = 0.0;
  double projSeconds = 0.0;
  double largestMm = 0.0;
};

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// One batch of points in the band of the zone with central meridian
// `meridian`: latitude and longitude in radians.
void MakePoints(std::mt19937_64& random, double meridian, std::vector<double>& lat, std::vector<double>& lon) {
  std::uniform_real_distribution<double> latOf(18.0 * kDeg, 54.0 * kDeg);
  std::uniform_real_distribution<double> lonOf((meridian - 3.0) * kDeg, (meridian + 3.0) * kDeg);
  for (std::size_t i = 0; i < lat.size(); ++i) {
    lat[i] = latOf(random);
    lon[i] = lonOf(random);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t total = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000;
  const Ellipsoid& e = kBeijing54;
  PJ_CONTEXT* context = proj_context_create();
  std::mt19937_64 random(20261210);

  std::vector<double> lat(kChunk), lon(kChunk);
  std::vector<double> oursX(kChunk), oursY(kChunk), projE(kChunk), projN(kChunk);
  std::vector<double> oursB(kChunk), oursL(kChunk), projLon(kChunk), projLat(kChunk);
  Totals forward, inverse;

  std::size_t done = 0;
  for (int zone = 0; done < total; ++zone) {
    const std::size_t n = std::min(kChunk, total - done);
    const double meridian = 75.0 + 6.0 * (zone % 11);
    lat.resize(n);
    lon.resize(n);
    MakePoints(random, meridian, lat, lon);
    const std::string definition = zv::num::Format(
        "+proj=tmerc +lat_0=0 +lon_0=%.17g +k_0=1 +x_0=500000 +y_0=0 +a=%.17g +es=%.17g", meridian, e.a, e.e2);
    PJ* tmerc = proj_create(context, definition.c_str());
    if (!tmerc) {
      std::fprintf(stderr, "PROJ refused %s\n", definition.c_str());
      return 1;
    }

    // Forward.
    auto start = Clock::now();
    CGeoPoint point;
    for (std::size_t i = 0; i < n; ++i) {
      point.Set(lat[i], lon[i], 0.0);
      point.GaussForward(e.e2, e.a, meridian * kDeg);
      oursX[i] = point.X();
      oursY[i] = point.Y();
    }
    forward.oursSeconds += Seconds(start);

    std::copy_n(lon.begin(), n, projE.begin());
    std::copy_n(lat.begin(), n, projN.begin());
    start = Clock::now();
    proj_trans_generic(tmerc, PJ_FWD, projE.data(), sizeof(double), n, projN.data(), sizeof(double), n, nullptr, 0, 0,
                       nullptr, 0, 0);
    forward.projSeconds += Seconds(start);
    for (std::size_t i = 0; i < n; ++i) {
      const double d = std::max(std::fabs(oursX[i] - projN[i]), std::fabs(oursY[i] - projE[i]));
      forward.largestMm = std::max(forward.largestMm, d * 1000.0);
    }

    // Inverse, both from PROJ's plane coordinates.
    start = Clock::now();
    for (std::size_t i = 0; i < n; ++i) {
      point.Set(projN[i], projE[i], 0.0);
      point.GaussInverse(e.e2, e.a, meridian * kDeg);
      oursB[i] = point.X();
      oursL[i] = point.Y();
    }
    inverse.oursSeconds += Seconds(start);

    std::copy_n(projE.begin(), n, projLon.begin());
    std::copy_n(projN.begin(), n, projLat.begin());
    start = Clock::now();
    proj_trans_generic(tmerc, PJ_INV, projLon.data(), sizeof(double), n, projLat.data(), sizeof(double), n, nullptr, 0,
                       0, nullptr, 0, 0);
    inverse.projSeconds += Seconds(start);
    for (std::size_t i = 0; i < n; ++i) {
      // On the ground: a radian of latitude is about a metres, one of
      // longitude a cos B metres.
      const double d = std::max(std::fabs(oursB[i] - projLat[i]) * e.a,
                                std::fabs(oursL[i] - projLon[i]) * e.a * std::cos(projLat[i]));
      inverse.largestMm = std::max(inverse.largestMm, d * 1000.0);
    }
    proj_destroy(tmerc);
    done += n;
  }
  proj_context_destroy(context);

  std::printf("Gauss-Krueger projection of %zu points, Krassovsky ellipsoid, latitudes 18-54 deg,\n", total);
  std::printf("within 3 deg of the central meridians 75-135 deg E (%zu points a zone and batch)\n\n", kChunk);
  std::printf("%-8s %16s %16s %22s\n", "", "ours (Mpt/s)", "PROJ (Mpt/s)", "largest diff (mm)");
  for (const auto& [name, t] : {std::pair{"forward", forward}, std::pair{"inverse", inverse}}) {
    std::printf("%-8s %16.2f %16.2f %22.4f\n", name, total / t.oursSeconds / 1e6, total / t.projSeconds / 1e6,
                t.largestMm);
  }
  return 0;
}

#include "mba/empty_node_fill.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zembrol {

namespace {

constexpr double kFirstWindow = 3.0;

}  // namespace

NearSampleIndex::NearSampleIndex(const std::vector<D_3DOT>& latticeSamples, int32_t m, int32_t n)
    : cellsX(std::max<int32_t>(m, 1)), cellsY(std::max<int32_t>(n, 1)) {
  const size_t buckets = static_cast<size_t>(cellsX) * cellsY;
  std::vector<uint32_t> counts(buckets + 1, 0);
  std::vector<D_3DOT> finite;
  finite.reserve(latticeSamples.size());
  for (const D_3DOT& sample : latticeSamples) {
    if (std::isfinite(sample.x) && std::isfinite(sample.y) && std::isfinite(sample.z)) {
      finite.push_back(sample);
      ++counts[static_cast<size_t>(BucketY(sample.y)) * cellsX + BucketX(sample.x) + 1];
    }
  }
  for (size_t b = 1; b <= buckets; ++b) {
    counts[b] += counts[b - 1];
  }
  bucketStart = counts;
  sorted.resize(finite.size());
  for (const D_3DOT& sample : finite) {
    sorted[counts[static_cast<size_t>(BucketY(sample.y)) * cellsX + BucketX(sample.x)]++] = sample;
  }
}

int32_t NearSampleIndex::BucketX(double x) const {
  return static_cast<int32_t>(std::clamp(std::floor(x), 0.0, static_cast<double>(cellsX - 1)));
}

int32_t NearSampleIndex::BucketY(double y) const {
  return static_cast<int32_t>(std::clamp(std::floor(y), 0.0, static_cast<double>(cellsY - 1)));
}

double NearSampleIndex::NearestDistance(double nodeX, double nodeY) const {
  // Rings of buckets around the node's bucket: a sample in ring R lies at
  // least R - 1 from the node, so the search stops once that passes the best.
  const int32_t bx = BucketX(nodeX);
  const int32_t by = BucketY(nodeY);
  const int32_t lastRing = std::max(cellsX, cellsY);
  double best = std::numeric_limits<double>::infinity();
  for (int32_t ring = 0; ring <= lastRing && ring - 1 <= best; ++ring) {
    for (int32_t iy = std::max(by - ring, 0); iy <= std::min(by + ring, cellsY - 1); ++iy) {
      const bool edgeRow = iy == by - ring || iy == by + ring;
      const int32_t step = edgeRow ? 1 : 2 * ring;
      for (int32_t ix = bx - ring; ix <= bx + ring; ix += std::max(step, 1)) {
        if (ix < 0 || ix >= cellsX) {
          continue;
        }
        const size_t bucket = static_cast<size_t>(iy) * cellsX + ix;
        for (uint32_t s = bucketStart[bucket]; s < bucketStart[bucket + 1]; ++s) {
          best = std::min(best, std::max(std::fabs(sorted[s].x - nodeX), std::fabs(sorted[s].y - nodeY)));
        }
      }
    }
  }
  return best;
}

std::vector<D_3DOT> NearSampleIndex::CollectNearSamples(double nodeX, double nodeY) const {
  std::vector<D_3DOT> near;
  if (sorted.empty()) {
    return near;
  }
  const double h = std::max(kFirstWindow, std::ceil(NearestDistance(nodeX, nodeY)));
  for (int32_t iy = BucketY(nodeY - h); iy <= BucketY(nodeY + h); ++iy) {
    for (int32_t ix = BucketX(nodeX - h); ix <= BucketX(nodeX + h); ++ix) {
      const size_t bucket = static_cast<size_t>(iy) * cellsX + ix;
      for (uint32_t s = bucketStart[bucket]; s < bucketStart[bucket + 1]; ++s) {
        if (std::fabs(sorted[s].x - nodeX) <= h && std::fabs(sorted[s].y - nodeY) <= h) {
          near.push_back(sorted[s]);
        }
      }
    }
  }
  return near;
}

double InverseDistanceValue(const std::vector<D_3DOT>& near, double nodeX, double nodeY) {
  double weighted = 0.0;
  double weights = 0.0;
  double onNodeSum = 0.0;
  int onNodeCount = 0;
  for (const D_3DOT& sample : near) {
    const double dx = sample.x - nodeX;
    const double dy = sample.y - nodeY;
    const double d2 = dx * dx + dy * dy;
    if (d2 == 0.0) {
      onNodeSum += sample.z;
      ++onNodeCount;
      continue;
    }
    weighted += sample.z / d2;
    weights += 1.0 / d2;
  }
  if (onNodeCount > 0) {
    return onNodeSum / onNodeCount;
  }
  return weights > 0.0 ? weighted / weights : 0.0;
}

}  // namespace zembrol

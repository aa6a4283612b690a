// Values for the lattice nodes that no sample influences: the nearest
// samples around a node, found through a bucket grid, and their
// inverse-distance-weighted mean.
#ifndef ZEMBROL_EMPTY_NODE_FILL_H
#define ZEMBROL_EMPTY_NODE_FILL_H

#include <stdint.h>

#include <vector>

#include "zavediz/records.h"

namespace zembrol {

// Samples in lattice coordinates of an m x n lattice, bucketed by unit cell
// so that a node's neighbourhood is found without scanning every sample.
// Samples that are not finite are left out.
class NearSampleIndex {
 public:
  NearSampleIndex(const std::vector<D_3DOT>& latticeSamples, int32_t m, int32_t n);

  // The samples in the square window |x - nodeX| <= h, |y - nodeY| <= h with
  // h = 3, 4, 5, ... the first size that holds at least one sample; empty
  // only when the index holds no sample.
  std::vector<D_3DOT> CollectNearSamples(double nodeX, double nodeY) const;

 private:
  int32_t BucketX(double x) const;
  int32_t BucketY(double y) const;
  // The least Chebyshev distance from the node to a sample.
  double NearestDistance(double nodeX, double nodeY) const;

  int32_t cellsX;
  int32_t cellsY;
  std::vector<D_3DOT> sorted;       // samples ordered by bucket
  std::vector<uint32_t> bucketStart;  // bucket b holds sorted[bucketStart[b] .. bucketStart[b + 1])
};

// sum(w z) / sum(w) with w = 1 / squared distance to the node; the mean of
// the samples lying on the node itself when there are such; 0 for no sample.
double InverseDistanceValue(const std::vector<D_3DOT>& near, double nodeX, double nodeY);

}  // namespace zembrol

#endif  // ZEMBROL_EMPTY_NODE_FILL_H

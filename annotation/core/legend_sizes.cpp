#include "annotation/core/legend_sizes.h"

namespace zv::annot {
namespace {

using F = SizeFactor;

constexpr PointSizeField kGather[] = {
    {0, 2, false, F::kY},  {0, 6, false, F::kX},  {0, 10, false, F::kX},
    {1, 10, false, F::kX}, {1, 6, false, F::kY},
    {2, 2, true, F::kX},   {3, 2, true, F::kX},
    {4, 2, true, F::kX},   {4, 10, true, F::kY},
    {5, 2, false, F::kY},  {5, 6, false, F::kX},  {5, 10, false, F::kX},
    {5, 23, false, F::kY}, {5, 27, false, F::kX}, {5, 31, false, F::kY},
};

constexpr PointSizeField kPlace[] = {
    {0, 6, false, F::kX},  {0, 2, false, F::kY},
    {5, 6, false, F::kX},  {5, 2, false, F::kY},
    {1, 10, false, F::kX}, {1, 6, false, F::kY},
    {2, 2, true, F::kMean}, {3, 2, true, F::kMean},
    {4, 2, true, F::kX},   {4, 10, true, F::kY},
};

}  // namespace

std::span<const PointSizeField> GatherSizeFields() { return kGather; }
std::span<const PointSizeField> PlaceSizeFields() { return kPlace; }

void ScalePointSizes(PNT_INFO& info, std::span<const PointSizeField> fields, double sx, double sy) {
  const uint8_t kind = info.kind();
  for (const PointSizeField& f : fields) {
    if (f.kind != kind) continue;
    const double factor = f.factor == SizeFactor::kX ? sx : f.factor == SizeFactor::kY ? sy : (sx + sy) / 2;
    if (f.isDouble)
      info.Set<double>(f.offset, info.Get<double>(f.offset) * factor);
    else
      info.Set<float>(f.offset, static_cast<float>(info.Get<float>(f.offset) * factor));
  }
}

}  // namespace zv::annot

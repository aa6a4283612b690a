#pragma once
// Plane affine maps, and a sink that maps everything it is handed before
// passing it on: block references place their block's entities through one,
// and entities with a negative extrusion are mirrored through one.

#include "exchange/dxf/dxf_import_sink.h"

namespace zv::dxf {

// q = (a·x + b·y + tx, c·x + d·y + ty).
struct DxfAffine {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  D_DOT Apply(const D_DOT& p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
  // The direction and length of the image of a vector.
  D_DOT ApplyLinear(const D_DOT& v) const { return {a * v.x + b * v.y, c * v.x + d * v.y}; }
  // This map after `inner`: x -> this(inner(x)).
  DxfAffine After(const DxfAffine& inner) const;
  bool IsFinite() const;

  // x -> −x: the object coordinates of an entity whose extrusion points
  // down, seen from above.
  static DxfAffine MirrorX();
  // A block reference: the base point to the origin, scaled, turned
  // counter-clockwise by the angle in degrees, moved to the insertion point.
  static DxfAffine Placement(const D_DOT& base, double scaleX, double scaleY, double angleDegrees,
                             const D_DOT& insertion);
};

// Maps positions and vertices. A text or sub-graph turns with the map's x
// axis (a reference's rotation is added to its angle) and scales its width
// with the x axis and its height with the y axis; under a mirroring map its
// angle a becomes 180° − a first, so that it reads the way the mirrored
// baseline runs.
class DxfTransformingSink : public DxfImportSink {
 public:
  DxfTransformingSink(DxfImportSink& inner, const DxfAffine& map) : inner_(inner), map_(map) {}
  void BeginImport() override {}
  void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                  const DxfEntityAttributes& attributes) override;
  void AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) override;
  void AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                    const DxfEntityAttributes& attributes) override;

 private:
  DxfImportSink& inner_;
  DxfAffine map_;
};

}  // namespace zv::dxf

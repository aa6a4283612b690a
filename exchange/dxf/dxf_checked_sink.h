#pragma once
// The sink between the reader and its caller: counts what is handed on and
// keeps back what no platform entity can hold (coordinates or sizes that
// overflowed, lines of fewer than two vertices, empty regions).

#include "exchange/dxf/dxf_import_sink.h"

namespace zv::dxf {

class CheckedSink : public DxfImportSink {
 public:
  explicit CheckedSink(DxfImportSink& inner) : inner_(inner) {}
  void BeginImport() override { inner_.BeginImport(); }
  void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                  const DxfEntityAttributes& attributes) override;
  void AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) override;
  void AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                    const DxfEntityAttributes& attributes) override;
  // Entities handed on.
  int64_t count() const { return count_; }

 private:
  DxfImportSink& inner_;
  int64_t count_ = 0;
};

}  // namespace zv::dxf

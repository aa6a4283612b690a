// Zembrol: multilevel B-spline approximation of scattered samples.
//
// A client fits a surface z = f(x, y) to its samples once with
// CalculateAllLayPhiIJ1 and evaluates it with GetMBAInterpolateValue, for
// instance at the nodes of an output grid. Every operation reports by its
// result (1 success, 0 failure; 3 for a successful evaluation); nothing is
// thrown and no message is shown, except by the parameter dialog.
//
// The Windows `long` of the original interface is 32-bit: it is int32_t here.
// D_3DOT and D_RECT come from zavediz/records.h; a program that has its own
// records of the same layout defines ZV_D_3DOT_DEFINED and ZV_D_RECT_DEFINED
// before including this header.
#ifndef ZEMBROL_H
#define ZEMBROL_H

#include <stdint.h>

#include <optional>
#include <vector>

#include "lay_phi_lattice.h"
#include "zavediz/records.h"
#include "zembrol_api.h"

class ZEMBROL_API CMutilBSplineObj {
 public:
  // An empty object: no levels, no domain, no samples.
  CMutilBSplineObj();
  // Copies own their levels, domain and samples.
  CMutilBSplineObj(const CMutilBSplineObj& other);
  ~CMutilBSplineObj();
  CMutilBSplineObj& operator=(const CMutilBSplineObj& other);

  // Asks the user for the six fit parameters in the modal dialog
  // "多层B-Spline参数设置", starting from the defaults (4 levels, 8 x 8 cells,
  // no invalid-value filling, 0 x 0 trial cells); the arguments are outputs
  // only. 1 after OK with the values written; 0 after Cancel, or when no
  // QApplication runs, with nothing written.
  static int32_t SetMultiBSplinePara(int& levels, int32_t& m, int32_t& n, int& calcInvalid, int32_t& initM,
                                     int32_t& initN);

  // Fits `levels` levels to the samples, the first with m x n cells and each
  // further one with twice the cells in both directions, fitted to what the
  // levels before it leave. The domain is the samples' extent, widened to
  // include rect when given, then by 0.1 on every side. With calcInvalid,
  // holes of the sample cover are first filled with samples interpolated on
  // an initM x initN trial lattice. The caller keeps its arrays.
  //
  // Result 1, or 0 with the previous fit untouched when: samples is null,
  // count < 1, levels < 0, m or n < 1, calcInvalid with initM or initN < 1, a
  // sample or rect holds a value that is not finite, the domain's extent
  // overflows, or the lattices would exceed the library's node cap. When a
  // level cannot be fitted (memory, or coefficients that overflow) the
  // result is 0 and the levels fitted before it are kept.
  int32_t CalculateAllLayPhiIJ1(const D_3DOT* samples, int32_t count, int32_t levels, int32_t m, int32_t n,
                                const D_RECT* rect, bool calcInvalid, int32_t initM, int32_t initN);

  // The surface at (x, y): 3 with z the sum of the levels; 0 when nothing is
  // fitted yet or the point lies outside the domain (z then holds the sum of
  // the levels evaluated so far). With no levels z is 0 and the result 3.
  int32_t GetMBAInterpolateValue(double x, double y, double& z) const;

  int32_t GetLevelCount() const { return static_cast<int32_t>(levels.size()); }
  const CLayPhiLattice& GetLevel(int32_t index) const { return levels[static_cast<size_t>(index)]; }
  // The domain of the last fit, or null before the first.
  const D_RECT* GetDomain() const { return domain ? &*domain : nullptr; }
  // The sample set of the last fit: the input followed by the generated samples.
  int32_t GetSampleCount() const { return static_cast<int32_t>(samples.size()); }
  const D_3DOT* GetSamples() const { return samples.data(); }
  bool GetCalcInvalid() const { return calcInvalid; }

 private:
  // The sample set for a fit over domain: a copy of the input, followed with
  // calcInvalid by the samples made for the empty nodes of a trial lattice.
  int32_t NewSampleDots(const D_3DOT* input, int32_t count, bool fillEmpty, int32_t initM, int32_t initN,
                        const D_RECT& fitDomain, std::vector<D_3DOT>& sampleSet) const;
  // Replaces the levels by `count` levels fitted one after another to the
  // residuals of the sample set; stops at the first that fails.
  int32_t FitLevels(int32_t count, int32_t firstM, int32_t firstN);

  std::vector<CLayPhiLattice> levels;
  bool calcInvalid;
  std::optional<D_RECT> domain;
  std::vector<D_3DOT> samples;
};

#endif  // ZEMBROL_H

// What SetMultiBSplinePara hands back, compared as one value.
#pragma once

#include <cstdint>
#include <ostream>

#include "mba/zembrol.h"

namespace zembrol::test {

// The call's result and the values it wrote; a field it left alone stays -1.
struct ParaChoice {
  int levels = -1;
  int32_t m = -1;
  int32_t n = -1;
  int calcInvalid = -1;
  int32_t initM = -1;
  int32_t initN = -1;
  int32_t result = -1;

  bool operator==(const ParaChoice&) const = default;
};

inline void PrintTo(const ParaChoice& choice, std::ostream* out) {
  *out << "{levels " << choice.levels << ", m " << choice.m << ", n " << choice.n << ", calcInvalid "
       << choice.calcInvalid << ", initM " << choice.initM << ", initN " << choice.initN << ", result "
       << choice.result << "}";
}

inline ParaChoice CallSetMultiBSplinePara() {
  ParaChoice choice;
  choice.result = CMutilBSplineObj::SetMultiBSplinePara(choice.levels, choice.m, choice.n, choice.calcInvalid,
                                                        choice.initM, choice.initN);
  return choice;
}

}  // namespace zembrol::test

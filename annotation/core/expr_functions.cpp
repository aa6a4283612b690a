#include "annotation/core/expr_functions.h"

#include <array>
#include <cmath>

namespace zv::annot {
namespace {

constexpr ExprFault Always(double, double) { return kExprOk; }

// The distance in degrees from the angle to the nearest multiple of `period`
// shifted by `offset`. The angle is reduced first, exactly (remainder() is),
// so a huge angle is judged by what it is, not by angle − offset rounded.
double DegreesFrom(double angle, double offset, double period) {
  return std::fabs(std::remainder(std::remainder(angle, period) - offset, period));
}

ExprFault TanDomain(double v, double) {
  return DegreesFrom(v, 90.0, 180.0) < kRightAngleTolerance ? kTanOfRightAngle : kExprOk;
}

ExprFault CotDomain(double v, double) {
  return DegreesFrom(v, 0.0, 180.0) < kRightAngleTolerance || std::tan(v * kRadiansPerDegree) == 0.0
             ? kCotOfZeroTangent
             : kExprOk;
}

constexpr std::array<ExprFunction, 19> kFunctions{{
    {"abs", 1, [](double v, double) { return std::fabs(v); }, Always},
    {"acos", 1, [](double v, double) { return std::acos(v) * kDegreesPerRadian; },
     [](double v, double) { return v < -1 || v > 1 ? kAcosOutOfRange : kExprOk; }},
    {"asin", 1, [](double v, double) { return std::asin(v) * kDegreesPerRadian; },
     [](double v, double) { return v < -1 || v > 1 ? kAsinOutOfRange : kExprOk; }},
    {"atan", 1, [](double v, double) { return std::atan(v) * kDegreesPerRadian; }, Always},
    {"acot", 1, [](double v, double) { return 90.0 - std::atan(v) * kDegreesPerRadian; }, Always},
    {"cos", 1, [](double v, double) { return std::cos(v * kRadiansPerDegree); }, Always},
    {"cosh", 1, [](double v, double) { return std::cosh(v * kRadiansPerDegree); }, Always},
    {"cot", 1, [](double v, double) { return 1.0 / std::tan(v * kRadiansPerDegree); }, CotDomain},
    {"exp", 1, [](double v, double) { return std::exp(v); }, Always},
    {"floor", 1, [](double v, double) { return std::floor(v); }, Always},
    {"mod", 2, [](double a, double b) { return std::fmod(a, b); },
     [](double, double b) { return b == 0.0 ? kModByZero : kExprOk; }},
    {"ln", 1, [](double v, double) { return std::log(v); },
     [](double v, double) { return v <= 0 ? kLnOfNonPositive : kExprOk; }},
    {"log", 1, [](double v, double) { return std::log10(v); },
     [](double v, double) { return v <= 0 ? kLogOfNonPositive : kExprOk; }},
    {"pow", 2, [](double a, double b) { return std::pow(a, b); }, Always},
    {"sin", 1, [](double v, double) { return std::sin(v * kRadiansPerDegree); }, Always},
    {"sinh", 1, [](double v, double) { return std::sinh(v * kRadiansPerDegree); }, Always},
    {"sqrt", 1, [](double v, double) { return std::sqrt(v); },
     [](double v, double) { return v < 0 ? kSqrtOfNegative : kExprOk; }},
    {"tan", 1, [](double v, double) { return std::tan(v * kRadiansPerDegree); }, TanDomain},
    {"tanh", 1, [](double v, double) { return std::tanh(v * kRadiansPerDegree); }, Always},
}};

}  // namespace

std::span<const ExprFunction> ExprFunctions() { return kFunctions; }

const ExprFunction* ExprFunctionByCode(int code) {
  if (code < 1 || code > static_cast<int>(kFunctions.size())) return nullptr;
  return &kFunctions[static_cast<std::size_t>(code - 1)];
}

}  // namespace zv::annot

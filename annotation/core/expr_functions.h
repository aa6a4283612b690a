#pragma once
// The nineteen functions of the expression calculator. Angles are in degrees:
// the trigonometric and hyperbolic functions take degrees, the inverse
// trigonometric ones give degrees.

#include <span>

namespace zv::annot {

// Why an evaluation stopped; 0 is success. Only the calculator's two error
// texts are ever shown, never these numbers.
enum ExprFault : int {
  kExprOk = 0,
  kDivisionByZero = 1,
  kAcosOutOfRange = 2,
  kAsinOutOfRange = 3,
  kCotOfZeroTangent = 4,
  kModByZero = 5,
  kLnOfNonPositive = 6,
  kLogOfNonPositive = 7,
  kSqrtOfNegative = 8,
  kNotFinite = 9,  // overflow or an undefined value (inf, nan)
  kTanOfRightAngle = 10,  // tan of an odd multiple of 90°
  kOperandMissing = -1,
};

inline constexpr double kRadiansPerDegree = 0.017453292519943295;
inline constexpr double kDegreesPerRadian = 57.29577951308232;
// How close, in degrees, an angle must come to an odd multiple of 90° for
// its tangent to count as undefined (and to a multiple of 180° for its
// tangent to count as zero): π/180 is not exact in binary, so tan(90) would
// otherwise give 1.6e16 and cot(180) −8.2e15.
inline constexpr double kRightAngleTolerance = 1e-9;

struct ExprFunction {
  const char* name;
  int arity;  // 1, or 2 for "mod" and "pow" (a below b on the value stack)
  double (*apply)(double a, double b);
  // The fault when the arguments lie outside the function's domain, else kExprOk.
  ExprFault (*domain)(double a, double b);
};

// The function table; a function's code is its index plus 1.
std::span<const ExprFunction> ExprFunctions();

// The function of a code 1..19, or null.
const ExprFunction* ExprFunctionByCode(int code);

}  // namespace zv::annot

// Random well-formed expressions, evaluated by the calculator and by a second,
// recursive-descent evaluator written here from the calculator's rules, must
// give the same text.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>

#include "annotation/core/expr_calculator.h"

namespace zv::annot {
namespace {

constexpr double kToRadians = 0.017453292519943295;
constexpr double kToDegrees = 57.29577951308232;

// Whether the angle lies within a nanodegree of offset + k·period: the
// tangent is undefined at odd right angles and zero at straight ones, which
// the tangent of the angle in radians never shows exactly.
bool IsMultipleOfDegrees(double angle, double period, double offset) {
  const double rest = std::fabs(std::fmod(angle, period) - offset);  // fmod is exact
  return std::fmin(rest, std::fabs(rest - period)) < 1e-9 || std::fabs(rest - 2 * period) < 1e-9;
}

// One function of the reference: its value, or nothing outside its domain.
struct ReferenceFunction {
  int arity;
  std::optional<double> (*apply)(double a, double b);
};

const std::map<std::string, ReferenceFunction>& ReferenceFunctions() {
  static const std::map<std::string, ReferenceFunction> functions = {
      {"abs", {1, [](double v, double) -> std::optional<double> { return std::fabs(v); }}},
      {"acos", {1, [](double v, double) -> std::optional<double> {
                  if (std::fabs(v) > 1) return std::nullopt;
                  return std::acos(v) * kToDegrees;
                }}},
      {"asin", {1, [](double v, double) -> std::optional<double> {
                  if (std::fabs(v) > 1) return std::nullopt;
                  return std::asin(v) * kToDegrees;
                }}},
      {"atan", {1, [](double v, double) -> std::optional<double> { return std::atan(v) * kToDegrees; }}},
      {"acot", {1, [](double v, double) -> std::optional<double> { return 90 - std::atan(v) * kToDegrees; }}},
      {"cos", {1, [](double v, double) -> std::optional<double> { return std::cos(v * kToRadians); }}},
      {"cosh", {1, [](double v, double) -> std::optional<double> { return std::cosh(v * kToRadians); }}},
      {"cot", {1, [](double v, double) -> std::optional<double> {
                 if (IsMultipleOfDegrees(v, 180, 0)) return std::nullopt;
                 const double t = std::tan(v * kToRadians);
                 if (t == 0) return std::nullopt;
                 return 1 / t;
               }}},
      {"exp", {1, [](double v, double) -> std::optional<double> { return std::exp(v); }}},
      {"floor", {1, [](double v, double) -> std::optional<double> { return std::floor(v); }}},
      {"mod", {2, [](double a, double b) -> std::optional<double> {
                 if (b == 0) return std::nullopt;
                 return std::fmod(a, b);
               }}},
      {"ln", {1, [](double v, double) -> std::optional<double> {
                if (v <= 0) return std::nullopt;
                return std::log(v);
              }}},
      {"log", {1, [](double v, double) -> std::optional<double> {
                 if (v <= 0) return std::nullopt;
                 return std::log10(v);
               }}},
      {"pow", {2, [](double a, double b) -> std::optional<double> { return std::pow(a, b); }}},
      {"sin", {1, [](double v, double) -> std::optional<double> { return std::sin(v * kToRadians); }}},
      {"sinh", {1, [](double v, double) -> std::optional<double> { return std::sinh(v * kToRadians); }}},
      {"sqrt", {1, [](double v, double) -> std::optional<double> {
                  if (v < 0) return std::nullopt;
                  return std::sqrt(v);
                }}},
      {"tan", {1, [](double v, double) -> std::optional<double> {
                 if (IsMultipleOfDegrees(v, 180, 90)) return std::nullopt;
                 return std::tan(v * kToRadians);
               }}},
      {"tanh", {1, [](double v, double) -> std::optional<double> { return std::tanh(v * kToRadians); }}},
  };
  return functions;
}

// expression := ["-"] term {("+" | "-") term}   (the minus negates the whole term)
// term       := factor {("*" | "/") factor | factor after a digit}
// factor     := number | "x" | bracket | name bracket-with-arguments
// Any fault (division by zero, a domain fault, a value that is not finite)
// makes the whole evaluation fail.
class ReferenceEvaluator {
 public:
  explicit ReferenceEvaluator(const std::string& text) : text_(text) {}

  std::string Evaluate() {
    const double value = Expression();
    if (pos_ != text_.size()) failed_ = true;
    if (failed_) return std::string(kExprEvaluationErrorText);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.10f", value);
    return std::string(buffer) == "-0.0000000000" ? "0.0000000000" : buffer;
  }

 private:
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  double Checked(double v) {
    if (!std::isfinite(v)) failed_ = true;
    return v;
  }

  double Expression() {
    const bool negate = Peek() == '-';
    if (negate) ++pos_;
    double value = Term();
    if (negate) value = -value;
    while (Peek() == '+' || Peek() == '-') {
      const char op = text_[pos_++];
      const double rhs = Term();
      value = Checked(op == '+' ? value + rhs : value - rhs);
    }
    return value;
  }

  double Term() {
    double value = Factor();
    for (;;) {
      const char c = Peek();
      const bool afterDigit = pos_ > 0 && std::isdigit(static_cast<unsigned char>(text_[pos_ - 1]));
      if (c == '*' || c == '/') {
        ++pos_;
        const double rhs = Factor();
        if (c == '/' && rhs == 0) failed_ = true;
        value = Checked(c == '*' ? value * rhs : (rhs == 0 ? 0 : value / rhs));
      } else if (afterDigit && (IsOpening(c) || std::islower(static_cast<unsigned char>(c)))) {
        value = Checked(value * Factor());
      } else {
        return value;
      }
    }
  }

  static bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }

  double Factor() {
    const char c = Peek();
    if (c == 'x') {
      ++pos_;
      return 0;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return Number();
    if (IsOpening(c)) {
      ++pos_;
      const double value = Expression();
      ++pos_;  // the closing bracket
      return value;
    }
    std::string name;
    while (std::islower(static_cast<unsigned char>(Peek()))) name += text_[pos_++];
    const auto found = ReferenceFunctions().find(name);
    if (found == ReferenceFunctions().end()) {
      failed_ = true;
      return 0;
    }
    ++pos_;  // the opening bracket
    const double a = Expression();
    double b = 0;
    if (found->second.arity == 2) {
      ++pos_;  // the comma
      b = Expression();
    }
    ++pos_;  // the closing bracket
    const std::optional<double> value = found->second.apply(a, b);
    if (!value) {
      failed_ = true;
      return 0;
    }
    return Checked(*value);
  }

  // Digits before the point are shifted in as (v + d) * 10 and scaled back by
  // one tenth at the point or at the end; digits after the point are added
  // with weights 0.1, 0.01, ... built by repeated tenths.
  double Number() {
    double v = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) v = (v + (text_[pos_++] - '0')) * 10;
    v *= 0.1;
    if (Peek() == '.') {
      ++pos_;
      double w = 0.1;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) {
        v += (text_[pos_++] - '0') * w;
        w *= 0.1;
      }
    }
    return v;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// Writes random expressions that pass the syntax check.
class ExpressionWriter {
 public:
  explicit ExpressionWriter(unsigned seed) : random_(seed) {}

  std::string Expression(int depth, bool leadingMinus = true) {
    std::string out = leadingMinus && Chance(0.2) ? "-" : "";
    out += Term(depth);
    for (int n = Pick(0, 2); n > 0; --n) out += (Chance(0.5) ? "+" : "-") + Term(depth);
    return out;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  std::string Term(int depth) {
    std::string out = Factor(depth);
    for (int n = Pick(0, 1); n > 0; --n) out += (Chance(0.5) ? "*" : "/") + Factor(depth);
    return out;
  }

  std::string Factor(int depth) {
    if (depth <= 0 || Chance(0.4)) return Chance(0.05) ? "x" : Chance(0.05) ? RightAngles() : Number(false);
    switch (Pick(0, 3)) {
      case 0: return Bracketed(Expression(depth - 1));
      case 1: return Number(true) + (Chance(0.5) ? Bracketed(Expression(depth - 1)) : Call(depth));
      default: return Call(depth);
    }
  }

  std::string Call(int depth) {
    static const char* const kNames[] = {"abs", "acos", "asin", "atan",  "acot", "cos", "cosh",
                                         "cot", "exp",  "floor", "mod", "ln",   "log", "pow",
                                         "sin", "sinh", "sqrt", "tan", "tanh"};
    const std::string name = kNames[Pick(0, 18)];
    std::string arguments = Expression(depth - 1);
    if (name == "mod" || name == "pow") arguments += "," + Expression(depth - 1, false);
    return name + Bracketed(arguments);
  }

  std::string Bracketed(const std::string& inner) {
    static const char* const kPairs[] = {"()", "[]", "{}"};
    const char* pair = kPairs[Pick(0, 2)];
    return pair[0] + inner + pair[1];
  }

  // A multiple of 90°, where tangents and cotangents are undefined or zero.
  std::string RightAngles() { return std::to_string(90 * Pick(0, 8)); }

  // At most 12 significant digits and 6 decimals; `endsInDigit` for a number
  // that multiplies the bracket or function after it.
  std::string Number(bool endsInDigit) {
    std::string whole;
    for (int n = Chance(0.2) ? Pick(4, 6) : Pick(0, 2); n > 0; --n) whole += static_cast<char>('0' + Pick(0, 9));
    std::string fraction;
    for (int n = Chance(0.5) ? 0 : Pick(1, 6); n > 0; --n) fraction += static_cast<char>('0' + Pick(0, 9));
    if (whole.empty() && fraction.empty()) whole = std::to_string(Pick(0, 99));
    if (fraction.empty()) return whole + (!endsInDigit && Chance(0.1) ? "." : "");
    return whole + "." + fraction;
  }

  std::mt19937 random_;
};

TEST(CalculatorDifferential, AgreesWithAnIndependentEvaluator) {
  ExpressionWriter writer(20261210);
  int values = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string expression = writer.Expression(3);
    CExprCalculator calculator;
    const std::string got = calculator.Calculate(expression);
    if (expression.size() > CExprCalculator::kMaxExpressionLength) {
      EXPECT_EQ(got, kExprSyntaxErrorText) << expression;
      continue;
    }
    const std::string expected = ReferenceEvaluator(expression).Evaluate();
    ASSERT_EQ(got, expected) << expression;
    if (got != kExprEvaluationErrorText) ++values;
  }
  // Many expressions must reach a value, or the comparison proves little.
  EXPECT_GT(values, 5000);
}

}  // namespace
}  // namespace zv::annot

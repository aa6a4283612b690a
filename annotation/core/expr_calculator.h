#pragma once
// Evaluates one arithmetic expression typed as text: numbers, the variable x,
// + - * /, three kinds of brackets, and nineteen functions in degrees. The
// text is checked, converted to postfix by operator precedence and evaluated
// on a value stack; the answer is the value with ten decimals or one of two
// error texts. All storage is fixed arrays inside the object and its steps,
// so an object is built on the caller's stack for each evaluation.
//
// Binding, tightest first: a function applied to its bracket; * and / (left to
// right, also the implicit product of a digit followed by a bracket or a
// function name: 2(3), 2sin(30)); the unary minus, allowed only at the start or
// right after an opening bracket (-2*3 is the negation of 2*3); + and -.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zv::annot {

inline constexpr std::string_view kExprSyntaxErrorText = "表达式错误！";
inline constexpr std::string_view kExprEvaluationErrorText = "计算时发生错误！";

class CExprCalculator {
 public:
  static constexpr int kMaxExpressionLength = 998;  // then the end mark "#" and a zero
  static constexpr int kBracketCapacity = 499;
  static constexpr int kNumberTextCapacity = 19;
  static constexpr int kOperatorCapacity = 999;
  static constexpr int kPostfixSize = 1000;  // 999 tokens and the end marker
  static constexpr int kValueCapacity = 499;

  enum TokenKind : std::int32_t { kNumberToken = 0, kOperatorToken = 1, kFunctionToken = 2 };

  struct ExprToken {
    std::int32_t kind = kNumberToken;
    double value = 0;
    // "+", "-", "*", "/", "~" (unary minus), "(" (operator stack only), "#" (end marker).
    char op = 0;
    std::int32_t function = 0;  // 1..19, see ExprFunctions()
  };

  // The whole evaluation: "%.10lf" of the value in the C locale, else
  // kExprSyntaxErrorText or kExprEvaluationErrorText.
  std::string Calculate(std::string_view text);

  // The value the variable x stands for; 0 until set.
  void SetX(double x) { x_ = x; }

  // Stores the text (cut at kMaxExpressionLength) and returns the stored form.
  const char* SetExpression(std::string_view text);
  // 1 when the stored expression is well formed; it is then rewritten with
  // round brackets only and the end mark "#".
  int CheckSyntax();
  // Converts the checked expression into the postfix list; 1 on success.
  int ToPostfix();
  // 0 with the result stored, or an ExprFault.
  int EvaluatePostfix();
  double GetResult() const { return result_; }
  // The stored expression; after Calculate the form the syntax check left.
  const char* Expression() const { return expression_.data(); }

  // Reads a run of digits and at most one point: 12, .5 and 5. are numbers.
  static double ParseNumber(std::string_view text);
  // 1, with `pos` moved past the name, when `name` stands in `text` at `pos`.
  static int MatchName(const char* text, int& pos, const char* name);

 private:
  std::array<char, kMaxExpressionLength + 2> expression_{};
  double x_ = 0;
  double result_ = 0;
  std::array<ExprToken, kPostfixSize> postfix_{};
};

}  // namespace zv::annot

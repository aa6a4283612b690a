#include "annotation/core/expr_calculator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "annotation/core/expr_functions.h"
#include "annotation/core/fixed_stack.h"
#include "framework/text/numbers.h"

namespace zv::annot {
namespace {

using ExprToken = CExprCalculator::ExprToken;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberChar(char c) { return IsDigit(c) || c == '.'; }
bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

char OpeningOf(char closing) {
  switch (closing) {
    case ']': return '[';
    case '}': return '{';
    default: return '(';
  }
}

// The end of the run of digits and points that starts at `pos`.
int NumberEnd(const char* text, int pos) {
  while (IsNumberChar(text[pos])) ++pos;
  return pos;
}

// A literal fits the number store and reads as one value: at least one digit,
// at most one point.
bool IsWellFormedNumber(std::string_view literal) {
  if (literal.size() > static_cast<std::size_t>(CExprCalculator::kNumberTextCapacity)) return false;
  const auto points = std::count(literal.begin(), literal.end(), '.');
  return points <= 1 && literal.size() > static_cast<std::size_t>(points);
}

// The code of the longest function name at `pos` ("cosh" before "cos"), with
// `pos` moved past it; 0 when none stands there.
int MatchLongestFunction(const char* text, int& pos) {
  int bestCode = 0;
  int bestEnd = pos;
  const auto functions = ExprFunctions();
  for (std::size_t i = 0; i < functions.size(); ++i) {
    int end = pos;
    if (CExprCalculator::MatchName(text, end, functions[i].name) && end > bestEnd) {
      bestCode = static_cast<int>(i) + 1;
      bestEnd = end;
    }
  }
  pos = bestEnd;
  return bestCode;
}

ExprToken OperatorToken(char op) { return {CExprCalculator::kOperatorToken, 0, op, 0}; }
ExprToken NumberToken(double value) { return {CExprCalculator::kNumberToken, value, 0, 0}; }
ExprToken FunctionToken(int code) { return {CExprCalculator::kFunctionToken, 0, 0, code}; }

bool IsBracketToken(const ExprToken& t) { return t.kind == CExprCalculator::kOperatorToken && t.op == '('; }
bool IsProductToken(const ExprToken& t) {
  return t.kind == CExprCalculator::kFunctionToken ||
         (t.kind == CExprCalculator::kOperatorToken && (t.op == '*' || t.op == '/'));
}

// The shunting-yard pass: an operator stack feeding the postfix list.
class PostfixWriter {
 public:
  explicit PostfixWriter(std::array<ExprToken, CExprCalculator::kPostfixSize>& out) : out_(out) {}

  bool Emit(const ExprToken& token) {
    if (size_ + 1 >= out_.size()) return false;  // the last slot is the end marker's
    out_[size_++] = token;
    return true;
  }
  bool Push(const ExprToken& token) { return ops_.Push(token); }

  // Pops to the output while the top binds at least as tightly as * and /.
  bool PopProducts() {
    while (!ops_.Empty() && IsProductToken(ops_.Top())) {
      if (!Emit(ops_.Top())) return false;
      ops_.Pop();
    }
    return true;
  }
  // Pops to the output down to the nearest opening bracket, which stays.
  bool PopToBracket() {
    while (!ops_.Empty() && !IsBracketToken(ops_.Top())) {
      if (!Emit(ops_.Top())) return false;
      ops_.Pop();
    }
    return true;
  }
  // A digit right before a bracket or a function name multiplies.
  bool ImplicitProduct(const char* text, int pos) {
    if (pos == 0 || !IsDigit(text[pos - 1])) return true;
    return PopProducts() && Push(OperatorToken('*'));
  }
  bool CloseBracket() {
    if (!PopToBracket()) return false;
    if (!ops_.Empty()) ops_.Pop();
    return true;
  }
  bool Finish() {
    while (!ops_.Empty()) {
      if (!Emit(ops_.Top())) return false;
      ops_.Pop();
    }
    out_[size_] = OperatorToken('#');
    return true;
  }

 private:
  std::array<ExprToken, CExprCalculator::kPostfixSize>& out_;
  std::size_t size_ = 0;
  FixedStack<ExprToken, CExprCalculator::kOperatorCapacity> ops_;
};

double ApplyOperator(char op, double a, double b) {
  switch (op) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    default: return a / b;
  }
}

}  // namespace

std::string CExprCalculator::Calculate(std::string_view text) {
  postfix_.fill(ExprToken{});
  // Text the stores cannot hold, or with a zero byte that would hide its rest,
  // is refused as a whole rather than cut.
  if (text.size() > static_cast<std::size_t>(kMaxExpressionLength) || text.find('\0') != std::string_view::npos) {
    SetExpression({});
    return std::string(kExprSyntaxErrorText);
  }
  SetExpression(text);
  if (!CheckSyntax() || !ToPostfix()) return std::string(kExprSyntaxErrorText);
  if (EvaluatePostfix() != kExprOk) return std::string(kExprEvaluationErrorText);
  // A result that shows as zero shows no sign (−0, or −1e-12 from sin(−180)).
  std::string shown = num::Format("%.10lf", GetResult());
  if (shown == "-0.0000000000") shown.erase(0, 1);
  return shown;
}

const char* CExprCalculator::SetExpression(std::string_view text) {
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(kMaxExpressionLength));
  if (n > 0) std::memcpy(expression_.data(), text.data(), n);
  expression_[n] = '\0';
  return expression_.data();
}

int CExprCalculator::CheckSyntax() {
  FixedStack<char, kBracketCapacity> brackets;
  char* text = expression_.data();
  int i = 0;
  while (text[i] != '\0') {
    const char c = text[i];
    const char next = text[i + 1];
    if (IsOpening(c)) {
      if (!brackets.Push(c)) return 0;
      ++i;
    } else if (IsClosing(c)) {
      if (brackets.Empty() || brackets.Top() != OpeningOf(c)) return 0;
      brackets.Pop();
      ++i;
    } else if (IsOperator(c)) {
      if (IsOperator(next)) return 0;
      ++i;
    } else if (IsNumberChar(c)) {
      const int end = NumberEnd(text, i);
      if (!IsWellFormedNumber(std::string_view(text + i, static_cast<std::size_t>(end - i)))) return 0;
      i = end;
    } else if (c == 'x') {
      ++i;
    } else if (c == ',') {
      if (i == 0 || next == ',' || IsOperator(next) || next == '\0' || IsOperator(text[i - 1])) return 0;
      ++i;
    } else if (c >= 'a' && c <= 'z') {
      if (MatchLongestFunction(text, i) == 0 || !IsOpening(text[i]) || !brackets.Push(text[i])) return 0;
      ++i;
    } else {
      return 0;
    }
  }
  if (!brackets.Empty()) return 0;
  text[i] = '#';
  text[i + 1] = '\0';
  for (char* p = text; *p != '\0'; ++p) {
    if (IsOpening(*p)) *p = '(';
    if (IsClosing(*p)) *p = ')';
  }
  return 1;
}

int CExprCalculator::ToPostfix() {
  PostfixWriter writer(postfix_);
  const char* text = expression_.data();
  int i = 0;
  while (text[i] != '#' && text[i] != '\0') {
    const char c = text[i];
    bool ok = true;
    if (IsNumberChar(c)) {
      const int end = NumberEnd(text, i);
      const std::size_t length = static_cast<std::size_t>(end - i);
      ok = length <= static_cast<std::size_t>(kNumberTextCapacity) &&
           writer.Emit(NumberToken(ParseNumber(std::string_view(text + i, length))));
      i = end;
    } else if (c == 'x') {
      ok = writer.Emit(NumberToken(x_));
      ++i;
    } else if (c == '(') {
      ok = writer.ImplicitProduct(text, i) && writer.Push(OperatorToken('('));
      ++i;
    } else if (c == ')') {
      ok = writer.CloseBracket();
      ++i;
    } else if (c == '-' && (i == 0 || text[i - 1] == '(')) {
      ok = writer.Push(OperatorToken('~'));
      ++i;
    } else if (c == '+' || c == '-') {
      ok = writer.PopToBracket() && writer.Push(OperatorToken(c));
      ++i;
    } else if (c == '*' || c == '/') {
      ok = writer.PopProducts() && writer.Push(OperatorToken(c));
      ++i;
    } else if (c == ',') {
      ok = writer.PopToBracket();
      ++i;
    } else {
      const int start = i;
      const int code = MatchLongestFunction(text, i);
      if (code == 0) return 0;  // the syntax check lets no other letter through
      ok = writer.ImplicitProduct(text, start) && writer.Push(FunctionToken(code));
    }
    if (!ok) return 0;
  }
  return writer.Finish() ? 1 : 0;
}

int CExprCalculator::EvaluatePostfix() {
  FixedStack<double, kValueCapacity> values;
  auto push = [&values](double v) {
    if (!std::isfinite(v)) return kNotFinite;
    return values.Push(v) ? kExprOk : kOperandMissing;
  };
  for (const ExprToken& token : postfix_) {
    ExprFault fault = kExprOk;
    if (token.kind == kNumberToken) {
      fault = push(token.value);
    } else if (token.kind == kFunctionToken) {
      const ExprFunction* function = ExprFunctionByCode(token.function);
      if (function == nullptr) continue;
      if (values.Size() < static_cast<std::size_t>(function->arity)) return kOperandMissing;
      double b = values.Top();
      double a = b;
      if (function->arity == 2) {
        values.Pop();
        a = values.Top();
      }
      values.Pop();
      fault = function->domain(a, b);
      if (fault == kExprOk) fault = push(function->apply(a, b));
    } else if (token.op == '#') {
      break;
    } else if (token.op == '~') {
      if (values.Empty()) return kOperandMissing;
      values.Top() = -values.Top();
    } else if (IsOperator(token.op)) {
      if (values.Size() < 2) return kOperandMissing;
      const double b = values.Top();
      values.Pop();
      const double a = values.Top();
      values.Pop();
      if (token.op == '/' && b == 0.0) return kDivisionByZero;
      fault = push(ApplyOperator(token.op, a, b));
    }
    if (fault != kExprOk) return fault;
  }
  if (values.Size() != 1) return kOperandMissing;
  result_ = values.Top();
  return kExprOk;
}

double CExprCalculator::ParseNumber(std::string_view text) {
  double v = 0;
  double weight = 0.1;
  bool fraction = false;
  for (const char c : text) {
    if (c == '.') {
      if (fraction) break;  // a second point ends the number
      v *= 0.1;
      fraction = true;
    } else if (!IsDigit(c)) {
      break;
    } else if (!fraction) {
      v = (v + (c - '0')) * 10;
    } else {
      v += (c - '0') * weight;
      weight *= 0.1;
    }
  }
  if (!fraction) v *= 0.1;
  return v;
}

int CExprCalculator::MatchName(const char* text, int& pos, const char* name) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(text + pos, name, length) != 0) return 0;
  pos += static_cast<int>(length);
  return 1;
}

}  // namespace zv::annot

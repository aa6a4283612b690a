#include "annotation/core/field_expression.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "annotation/core/expr_calculator.h"
#include "framework/text/numbers.h"

namespace zv::annot {
namespace {

enum class OpKind : uint8_t { kNumber, kField, kNegate, kNot, kBinary, kFunction };
enum class Binary : uint8_t { kAdd, kSub, kMul, kDiv, kMod, kPow, kGt, kGe, kLt, kLe, kEq, kNe, kAnd, kOr };

struct Op {
  OpKind kind = OpKind::kNumber;
  double value = 0;
  int index = 0;  // field index or function code
  Binary binary = Binary::kAdd;
};

// Operators of one binding level, longest spelling first where they share a start.
struct Spelling {
  const char* text;
  Binary op;
};
constexpr Spelling kOr[] = {{"||", Binary::kOr}};
constexpr Spelling kAnd[] = {{"&&", Binary::kAnd}};
constexpr Spelling kEquality[] = {{"==", Binary::kEq}, {"!=", Binary::kNe}};
constexpr Spelling kRelation[] = {{">=", Binary::kGe}, {"<=", Binary::kLe}, {">", Binary::kGt}, {"<", Binary::kLt}};
constexpr Spelling kSum[] = {{"+", Binary::kAdd}, {"-", Binary::kSub}};
constexpr Spelling kProduct[] = {{"*", Binary::kMul}, {"/", Binary::kDiv}, {"%", Binary::kMod}};
constexpr std::span<const Spelling> kLevels[] = {kOr, kAnd, kEquality, kRelation, kSum, kProduct};
constexpr int kProductLevel = 5;
constexpr int kMaxDepth = 400;

const ExprFunction& FunctionNamed(const char* name) {
  for (const ExprFunction& f : ExprFunctions())
    if (std::strcmp(f.name, name) == 0) return f;
  return ExprFunctions().front();
}

bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
char ClosingOf(char opening) { return opening == '[' ? ']' : opening == '{' ? '}' : ')'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || IsDigit(c) || (static_cast<unsigned char>(c) & 0x80);
}

// UTF-8 characters before a byte position, plus one.
int CharacterPosition(std::string_view text, std::size_t pos) {
  int n = 1;
  for (std::size_t i = 0; i < pos && i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++n;
  return n;
}

class Parser {
 public:
  Parser(std::string_view text, const CATT_STRU& structure) : text_(text) {
    for (std::size_t i = 0; i < structure.fields.size(); ++i)
      if (!structure.fields[i].name.empty()) names_.push_back({structure.fields[i].name, static_cast<int>(i)});
    std::stable_sort(names_.begin(), names_.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  }

  bool Parse(std::vector<Op>& program, FieldExpressionStatus& status) {
    const bool ok = Level(0) && (SkipBlanks(), pos_ == text_.size() || Fail());
    if (!ok) {
      status.code = unknown_.empty() ? FieldExpressionStatus::kSyntaxError : FieldExpressionStatus::kUnknownName;
      status.position = CharacterPosition(text_, errorAt_);
      status.name = unknown_;
      return false;
    }
    program = std::move(out_);
    return true;
  }

 private:
  bool Fail() {
    errorAt_ = pos_;
    return false;
  }
  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool At(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }

  // Binary levels from the loosest (0) to * / % (kProductLevel).
  bool Level(int level) {
    if (++depth_ > kMaxDepth) return Fail();
    const bool ok = level > kProductLevel ? Unary() : LevelLoop(level);
    --depth_;
    return ok;
  }

  bool LevelLoop(int level) {
    if (!Level(level + 1)) return false;
    for (;;) {
      SkipBlanks();
      const Spelling* found = nullptr;
      for (const Spelling& s : kLevels[level])
        if (At(s.text)) {
          found = &s;
          break;
        }
      Binary op;
      if (found) {
        op = found->op;
        pos_ += std::strlen(found->text);
      } else if (level == kProductLevel && ImpliedProduct()) {
        op = Binary::kMul;
      } else {
        return true;
      }
      if (!Level(level + 1)) return false;
      out_.push_back({OpKind::kBinary, 0, 0, op});
    }
  }

  // A number followed at once by a bracket or a function multiplies: 2(3), 2sin(30).
  bool ImpliedProduct() {
    if (pos_ != numberEnd_ || pos_ >= text_.size()) return false;
    if (IsOpening(text_[pos_])) return true;
    std::size_t end = pos_;
    return MatchFunction(end) != 0 && MatchField(pos_) < 0;
  }

  bool Unary() {
    SkipBlanks();
    if (At("-") || (At("!") && !At("!="))) {
      const bool negate = text_[pos_] == '-';
      ++pos_;
      if (!Level(kProductLevel + 1)) return false;
      out_.push_back({negate ? OpKind::kNegate : OpKind::kNot, 0, 0, Binary::kAdd});
      return true;
    }
    if (!Primary()) return false;
    SkipBlanks();
    if (!At("^")) return true;
    ++pos_;
    if (!Level(kProductLevel + 1)) return false;  // right to left: 2^3^2 is 2^9
    out_.push_back({OpKind::kBinary, 0, 0, Binary::kPow});
    return true;
  }

  bool Primary() {
    SkipBlanks();
    if (pos_ >= text_.size()) return Fail();
    const char c = text_[pos_];
    if (IsOpening(c)) {
      ++pos_;
      if (!Level(0)) return false;
      return Close(c);
    }
    const int field = MatchField(pos_);
    if (field >= 0) {
      pos_ += names_[static_cast<std::size_t>(field)].first.size();
      out_.push_back({OpKind::kField, 0, names_[static_cast<std::size_t>(field)].second, Binary::kAdd});
      return true;
    }
    if (IsDigit(c) || c == '.') return Number();
    std::size_t end = pos_;
    if (const int code = MatchFunction(end)) {
      pos_ = end;
      return Function(code);
    }
    if (IsNameChar(c)) {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      unknown_ = std::string(text_.substr(start, pos_ - start));
      errorAt_ = start;
      return false;
    }
    return Fail();
  }

  bool Close(char opening) {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != ClosingOf(opening)) return Fail();
    ++pos_;
    return true;
  }

  bool Number() {
    const std::size_t start = pos_;
    int points = 0;
    while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == '.')) points += text_[pos_++] == '.';
    const std::string_view literal = text_.substr(start, pos_ - start);
    if (points > 1 || literal.size() == static_cast<std::size_t>(points)) {
      errorAt_ = start;
      return false;
    }
    out_.push_back({OpKind::kNumber, CExprCalculator::ParseNumber(literal), 0, Binary::kAdd});
    numberEnd_ = pos_;
    return true;
  }

  bool Function(int code) {
    SkipBlanks();
    if (pos_ >= text_.size() || !IsOpening(text_[pos_])) return Fail();
    const char opening = text_[pos_++];
    const ExprFunction& f = *ExprFunctionByCode(code);
    for (int a = 0; a < f.arity; ++a) {
      if (a > 0) {
        SkipBlanks();
        if (!At(",")) return Fail();
        ++pos_;
      }
      if (!Level(0)) return false;
    }
    if (!Close(opening)) return false;
    out_.push_back({OpKind::kFunction, 0, code, Binary::kAdd});
    return true;
  }

  // The index into names_ of the longest field name at `at`, or −1.
  int MatchField(std::size_t at) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
      if (text_.substr(at, names_[i].first.size()) == names_[i].first) return static_cast<int>(i);
    return -1;
  }

  // The code of the longest function name at `end`, which moves past it; 0 when none.
  int MatchFunction(std::size_t& end) const {
    int best = 0;
    std::size_t bestEnd = end;
    const auto functions = ExprFunctions();
    for (std::size_t i = 0; i < functions.size(); ++i) {
      const std::string_view name = functions[i].name;
      if (text_.substr(end, name.size()) == name && end + name.size() > bestEnd) {
        best = static_cast<int>(i) + 1;
        bestEnd = end + name.size();
      }
    }
    end = bestEnd;
    return best;
  }

  std::string_view text_;
  std::vector<std::pair<std::string, int>> names_;
  std::vector<Op> out_;
  std::size_t pos_ = 0;
  std::size_t numberEnd_ = std::string_view::npos;
  std::size_t errorAt_ = 0;
  std::string unknown_;
  int depth_ = 0;
};

ExprFault ApplyBinary(Binary op, double a, double b, double* r) {
  static const ExprFunction& mod = FunctionNamed("mod");
  static const ExprFunction& pow = FunctionNamed("pow");
  switch (op) {
    case Binary::kAdd: *r = a + b; break;
    case Binary::kSub: *r = a - b; break;
    case Binary::kMul: *r = a * b; break;
    case Binary::kDiv:
      if (b == 0.0) return kDivisionByZero;
      *r = a / b;
      break;
    case Binary::kMod:
      if (const ExprFault f = mod.domain(a, b)) return f;
      *r = mod.apply(a, b);
      break;
    case Binary::kPow:
      if (const ExprFault f = pow.domain(a, b)) return f;
      *r = pow.apply(a, b);
      break;
    case Binary::kGt: *r = a > b; break;
    case Binary::kGe: *r = a >= b; break;
    case Binary::kLt: *r = a < b; break;
    case Binary::kLe: *r = a <= b; break;
    case Binary::kEq: *r = a == b; break;
    case Binary::kNe: *r = a != b; break;
    case Binary::kAnd: *r = a != 0 && b != 0; break;
    case Binary::kOr: *r = a != 0 || b != 0; break;
  }
  return kExprOk;
}

// Whether the target's type holds the value as it is (integers after
// cutting toward zero).
bool Fits(uint8_t type, double value) {
  const double t = std::trunc(value);
  switch (type) {
    case kFieldByte: return t >= 0 && t <= 255;
    case kFieldShort:
    case kFieldBoolean: return t >= INT16_MIN && t <= INT16_MAX;
    case kFieldLong: return t >= INT32_MIN && t <= INT32_MAX;
    case kFieldFloat: return std::fabs(value) <= FLT_MAX;
    default: return true;
  }
}

bool TakesNumber(uint8_t type) {
  return type == kFieldString || (type >= kFieldByte && type <= kFieldDouble) || type == kFieldBoolean;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

struct FieldExpression::Program {
  std::vector<Op> ops;
  mutable std::vector<double> stack;
};

FieldExpression::FieldExpression(std::string_view text, const CATT_STRU& structure)
    : program_(std::make_unique<Program>()) {
  Parser(text, structure).Parse(program_->ops, status_);
}
FieldExpression::~FieldExpression() = default;
FieldExpression::FieldExpression(FieldExpression&&) noexcept = default;
FieldExpression& FieldExpression::operator=(FieldExpression&&) noexcept = default;

ExprFault FieldExpression::Evaluate(const AttributeRecord& record, double* value) const {
  std::vector<double>& stack = program_->stack;
  stack.clear();
  for (const Op& op : program_->ops) {
    double r = 0;
    switch (op.kind) {
      case OpKind::kNumber: r = op.value; break;
      case OpKind::kField:
        if (!BasGetFieldDoubleByIndex(record, op.index, &r)) r = 0;
        break;
      case OpKind::kNegate:
        r = -stack.back();
        stack.pop_back();
        break;
      case OpKind::kNot:
        r = stack.back() == 0 ? 1 : 0;
        stack.pop_back();
        break;
      case OpKind::kBinary: {
        const double b = stack.back();
        stack.pop_back();
        const double a = stack.back();
        stack.pop_back();
        if (const ExprFault f = ApplyBinary(op.binary, a, b, &r)) return f;
        break;
      }
      case OpKind::kFunction: {
        const ExprFunction& f = *ExprFunctionByCode(op.index);
        const double b = stack.back();
        stack.pop_back();
        double a = b;
        if (f.arity == 2) {
          a = stack.back();
          stack.pop_back();
        }
        if (const ExprFault fault = f.domain(a, b)) return fault;
        r = f.apply(a, b);
        break;
      }
    }
    if (!std::isfinite(r)) return kNotFinite;
    stack.push_back(r);
  }
  if (stack.size() != 1) return kOperandMissing;
  *value = stack.back();
  return kExprOk;
}

FieldExpressionStatus BasEvaluateFieldExpression(WorkAreaHandle area, std::string_view target,
                                                 std::string_view expression, double abnormalValue) {
  FieldExpressionStatus status;
  const int type = BasGetWorkAreaType(area);
  CATT_STRU structure;
  int32_t bound = 0;
  if (!BasReadAttributeStructure(area, type, &structure) || BasGetAttributeInfo(area, type, &bound) != 1) {
    status.code = FieldExpressionStatus::kNoArea;
    return status;
  }
  status.name = std::string(Trimmed(target));
  const int index = BasFindField(structure, status.name);
  if (index < 0) {
    status.code = FieldExpressionStatus::kNoTarget;
    return status;
  }
  const uint8_t targetType = structure.fields[static_cast<std::size_t>(index)].type;
  if (!TakesNumber(targetType)) {
    status.code = FieldExpressionStatus::kTargetNotValue;
    return status;
  }
  const FieldExpression compiled(expression, structure);
  if (compiled.status().code != FieldExpressionStatus::kDone) return compiled.status();
  status.name.clear();
  AttributeRecord record;
  BasBeginBatch(area);
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadAttribute(area, type, id, &record) <= 0) continue;
    double value = 0;
    if (compiled.Evaluate(record, &value) != kExprOk || !Fits(targetType, value)) {
      value = abnormalValue;
      ++status.abnormal;
    }
    BasSetFieldByIndex(record, index, value);
    BasWriteAttribute(area, type, id, record);
    ++status.written;
  }
  BasEndBatch(area);
  return status;
}

std::string ExpressionStatusText(const FieldExpressionStatus& status) {
  const std::string fault(kExprSyntaxErrorText);
  switch (status.code) {
    case FieldExpressionStatus::kDone: return {};
    case FieldExpressionStatus::kSyntaxError: return fault + "\n第" + num::FormatInt(status.position) + "个字符处有误。";
    case FieldExpressionStatus::kUnknownName: return fault + "\n“" + status.name + "”既不是字段名也不是函数名。";
    case FieldExpressionStatus::kNoTarget:
      return status.name.empty() ? fault + "\n没有给出结果字段。" : fault + "\n属性结构中没有结果字段“" + status.name + "”。";
    case FieldExpressionStatus::kTargetNotValue: return fault + "\n结果字段“" + status.name + "”不能存放数值。";
    case FieldExpressionStatus::kNoArea: return "无法读取工作区的属性！";
  }
  return {};
}

}  // namespace zv::annot

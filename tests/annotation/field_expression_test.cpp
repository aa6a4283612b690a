// Expressions over attribute fields: the calculator's expressions keep their
// values, fields, the added operators and their binding, faults that give
// the abnormal value, and errors that stop before anything is written.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "annotation/core/expr_calculator.h"
#include "annotation/core/field_expression.h"
#include "framework/text/numbers.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

CFIELD_HEAD MakeField(const char* name, uint8_t type, int16_t length = 10) {
  CFIELD_HEAD f;
  f.name = name;
  f.type = type;
  f.length = length;
  f.decimals = type == kFieldDouble ? 3 : 0;
  return f;
}

class FieldExpressionTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    CATT_STRU structure;
    structure.fields = {MakeField("深", kFieldDouble),  MakeField("深度", kFieldDouble), MakeField("名", kFieldString),
                        MakeField("层", kFieldShort),   MakeField("结果", kFieldDouble), MakeField("日期", kFieldDate),
                        MakeField("cos", kFieldDouble)};
    ASSERT_EQ(BasSetAttributeStructure(points_, kPointEntity, structure), 1);
    BasReadAttributeStructure(points_, kPointEntity, &structure_);
  }

  int32_t AddPoint(double shallow, double depth, const char* name, int layer) {
    const int32_t id = BasAppendPoint(points_, {0, 0}, "", *BasGetDefaultPointParam(0));
    AttributeRecord record;
    BasReadAttribute(points_, kPointEntity, id, &record);
    BasSetFieldByName(record, "深", shallow);
    BasSetFieldByName(record, "深度", depth);
    BasSetFieldByName(record, "名", std::string_view(name));
    BasSetFieldByName(record, "层", static_cast<double>(layer));
    BasSetFieldByName(record, "cos", 0.25);
    BasWriteAttribute(points_, kPointEntity, id, record);
    return id;
  }

  double Value(int32_t id, const char* name) {
    AttributeRecord record;
    double value = -999;
    if (BasReadAttribute(points_, kPointEntity, id, &record)) BasGetFieldDouble(record, name, &value);
    return value;
  }

  CATT_STRU structure_;
};

TEST_F(FieldExpressionTest, ExpressionsGiveTheirValuesOrFaults) {
  const int32_t id = AddPoint(2, 10, "12.5abc", 3);
  AttributeRecord record;
  BasReadAttribute(points_, kPointEntity, id, &record);
  struct Case {
    const char* text;
    double value;  // when fault is kExprOk
    ExprFault fault = kExprOk;
  };
  const Case cases[] = {
      // the calculator's own
      {"1+2*3", 7}, {"2(3)", 6}, {"2sin(30)", 1}, {"-2*3", -6}, {"[1+2]*{3}", 9}, {"6/2(3)", 9},
      {"sqrt(16)", 4}, {"mod(7,3)", 1}, {"pow(2,10)", 1024}, {"acos(0)", 90}, {".5+5.", 5.5},
      // fields: the longest name, text fields by their leading number, a field before a function
      {"深度-深", 8}, {"深*深度", 20}, {"名+1", 13.5}, {"层*2", 6}, {"cos*4", 1}, {"日期+1", 1},
      // added operators and their binding
      {"7%3", 1}, {"2^3^2", 512}, {"-2^2", -4}, {"2^-1", 0.5}, {"2*-3", -6}, {"- -2", 2},
      {"1<2", 1}, {"2<=1", 0}, {"2>=2", 1}, {"3>4", 0}, {"1==1", 1}, {"1!=1", 0}, {"!0", 1}, {"!2", 0},
      {"1&&0", 0}, {"0||3", 1}, {"1+2>2", 1}, {"1<2==1", 1}, {"1||0&&0", 1}, {"!1||1", 1}, {" 深 * ( 深度 ) ", 20},
      // faults
      {"1/0", 0, kDivisionByZero}, {"sqrt(-1)", 0, kSqrtOfNegative}, {"5%0", 0, kModByZero},
      {"exp(1000)", 0, kNotFinite}, {"tan(90)", 0, kTanOfRightAngle}, {"深度/(深-2)", 0, kDivisionByZero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const FieldExpression e(c.text, structure_);
    ASSERT_EQ(e.status().code, FieldExpressionStatus::kDone) << e.status().position << " " << e.status().name;
    double value = 0;
    EXPECT_EQ(e.Evaluate(record, &value), c.fault);
    if (c.fault == kExprOk) EXPECT_DOUBLE_EQ(value, c.value);
  }
}

TEST_F(FieldExpressionTest, SyntaxErrorsAndUnknownNamesAreFoundWhereTheyStand) {
  struct Case {
    const char* text;
    FieldExpressionStatus::Code code;
    int position;
    const char* name;
  };
  const Case cases[] = {
      {"", FieldExpressionStatus::kSyntaxError, 1, ""},
      {"1+", FieldExpressionStatus::kSyntaxError, 3, ""},
      {"(1", FieldExpressionStatus::kSyntaxError, 3, ""},
      {"(1]", FieldExpressionStatus::kSyntaxError, 3, ""},
      {"1 2", FieldExpressionStatus::kSyntaxError, 3, ""},
      {"2..3", FieldExpressionStatus::kSyntaxError, 1, ""},
      {"深度=1", FieldExpressionStatus::kSyntaxError, 3, ""},
      {"sin 30", FieldExpressionStatus::kSyntaxError, 5, ""},
      {"mod(1)", FieldExpressionStatus::kSyntaxError, 6, ""},
      {"深度+高度", FieldExpressionStatus::kUnknownName, 4, "高度"},
      {"x+1", FieldExpressionStatus::kUnknownName, 1, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const FieldExpression e(c.text, structure_);
    EXPECT_EQ(e.status().code, c.code);
    EXPECT_EQ(e.status().position, c.position);
    EXPECT_EQ(e.status().name, c.name);
  }
  EXPECT_EQ(ExpressionStatusText(FieldExpression("深度+高度", structure_).status()),
            "表达式错误！\n“高度”既不是字段名也不是函数名。");
}

// Random expressions of the calculator's grammar, without x: the calculator's
// text and the field expression's value agree, faults included.
TEST_F(FieldExpressionTest, EveryCalculatorExpressionKeepsItsValue) {
  std::mt19937 random(41);
  const char* functions[] = {"abs", "sin", "cos", "tan", "sqrt", "ln", "log", "floor", "atan", "exp", "acos"};
  std::function<std::string(int)> make = [&](int depth) -> std::string {
    const int pick = static_cast<int>(random() % (depth > 3 ? 2 : 7));
    const std::string number = std::to_string(random() % 50) + (random() % 3 == 0 ? ".5" : "");
    switch (pick) {
      case 0:
      case 1: return number;
      case 2: return "(" + make(depth + 1) + ")";
      case 3: return "[" + make(depth + 1) + "]*" + make(depth + 1);
      case 4: return std::string(functions[random() % std::size(functions)]) + "(" + make(depth + 1) + ")";
      case 5: return number + "(" + make(depth + 1) + ")";
      default: {
        const char ops[] = "+-*/";
        return make(depth + 1) + ops[random() % 4] + make(depth + 1);
      }
    }
  };
  // Without fields, so that no field shadows a function.
  const CATT_STRU bare = CustomaryStructure(kPointEntity);
  const AttributeRecord record = AttributeRecord::Empty(std::make_shared<const CATT_STRU>(bare));
  int faults = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string text = (random() % 4 == 0 ? "-" : "") + make(0);
    SCOPED_TRACE(text);
    CExprCalculator calculator;
    const std::string expected = calculator.Calculate(text);
    const FieldExpression e(text, bare);
    ASSERT_EQ(e.status().code, FieldExpressionStatus::kDone);
    double value = 0;
    const ExprFault fault = e.Evaluate(record, &value);
    if (expected == kExprEvaluationErrorText) {
      EXPECT_NE(fault, kExprOk);
      ++faults;
      continue;
    }
    ASSERT_EQ(fault, kExprOk);
    std::string shown = num::Format("%.10lf", value);
    if (shown == "-0.0000000000") shown.erase(0, 1);
    EXPECT_EQ(shown, expected);
  }
  EXPECT_GT(faults, 10);
}

TEST_F(FieldExpressionTest, EveryEntityGetsItsValueOrTheAbnormalValue) {
  const int32_t a = AddPoint(2, 10, "", 1);
  const int32_t gone = AddPoint(1, 1, "", 1);
  const int32_t zero = AddPoint(0, 10, "", 1);
  BasDeletePoint(points_, gone);
  FieldExpressionStatus status = BasEvaluateFieldExpression(points_, " 结果 ", "深度/深", -1);
  EXPECT_EQ(status.code, FieldExpressionStatus::kDone);
  EXPECT_EQ(status.written, 2);
  EXPECT_EQ(status.abnormal, 1);
  EXPECT_EQ(Value(a, "结果"), 5);
  EXPECT_EQ(Value(zero, "结果"), -1);

  // An integer target takes the value toward zero, or the abnormal value when it does not fit.
  status = BasEvaluateFieldExpression(points_, "层", "深度*4000+0.9", 7);
  EXPECT_EQ(status.abnormal, 2);
  EXPECT_EQ(Value(a, "层"), 7);
  status = BasEvaluateFieldExpression(points_, "层", "-深度-0.9", 7);
  EXPECT_EQ(status.abnormal, 0);
  EXPECT_EQ(Value(a, "层"), -10);
}

TEST_F(FieldExpressionTest, ErrorsStopBeforeAnythingIsWritten) {
  const int32_t a = AddPoint(2, 10, "", 1);
  struct Case {
    const char* target;
    const char* expression;
    FieldExpressionStatus::Code code;
  };
  const Case cases[] = {
      {"结果", "深度+", FieldExpressionStatus::kSyntaxError},
      {"结果", "高度*2", FieldExpressionStatus::kUnknownName},
      {"高度", "1", FieldExpressionStatus::kNoTarget},
      {"", "1", FieldExpressionStatus::kNoTarget},
      {"日期", "1", FieldExpressionStatus::kTargetNotValue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expression);
    const FieldExpressionStatus status = BasEvaluateFieldExpression(points_, c.target, c.expression, 0);
    EXPECT_EQ(status.code, c.code);
    EXPECT_EQ(status.written, 0);
    EXPECT_EQ(Value(a, "结果"), 0);
    EXPECT_NE(ExpressionStatusText(status), "");
  }
  EXPECT_EQ(BasEvaluateFieldExpression(0, "结果", "1", 0).code, FieldExpressionStatus::kNoArea);
}

}  // namespace
}  // namespace zv::annot

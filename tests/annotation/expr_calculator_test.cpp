#include "annotation/core/expr_calculator.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zv::annot {
namespace {

const std::string kSyntax(kExprSyntaxErrorText);
const std::string kEval(kExprEvaluationErrorText);

std::string Calc(std::string_view text) {
  CExprCalculator calculator;
  return calculator.Calculate(text);
}

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

struct Case {
  std::string expression;
  std::string result;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.expression << '"'; }

class WorkedExamples : public testing::TestWithParam<Case> {};

TEST_P(WorkedExamples, GiveTheirText) {
  EXPECT_EQ(Calc(GetParam().expression), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, WorkedExamples,
    testing::Values(
        Case{"2(3)", "6.0000000000"}, Case{"9(3)", "27.0000000000"}, Case{"10(2)", "20.0000000000"},
        Case{"2sin(30)", "1.0000000000"}, Case{"2pow(2,3)", "16.0000000000"},
        Case{"sin(30)", "0.5000000000"}, Case{"cos(60)", "0.5000000000"},
        Case{"tan(45)", "1.0000000000"}, Case{"cot(45)", "1.0000000000"},
        Case{"asin(1)", "90.0000000000"}, Case{"acos(0)", "90.0000000000"},
        Case{"atan(1)", "45.0000000000"}, Case{"acot(1)", "45.0000000000"},
        Case{"cosh(0)", "1.0000000000"}, Case{"cosh(180)", "11.5919532755"},
        Case{"mod(7,3)", "1.0000000000"}, Case{"pow(2,10)", "1024.0000000000"},
        Case{"pow(2,(-1))", "0.5000000000"}, Case{"log(100)", "2.0000000000"},
        Case{"floor(-2.5)", "-3.0000000000"}, Case{"exp(1)", "2.7182818285"},
        Case{"-2*3", "-6.0000000000"}, Case{"-2+3", "1.0000000000"}, Case{"-(2+3)", "-5.0000000000"},
        Case{"2-3-4", "-5.0000000000"}, Case{"8/2/2", "2.0000000000"},
        Case{"[1+{2*(3)}]", "7.0000000000"}, Case{"0.1+0.2", "0.3000000000"},
        Case{".5", "0.5000000000"}, Case{"5.", "5.0000000000"},
        Case{"cot(0)", kEval}, Case{"acos(2)", kEval}, Case{"5/0", kEval}, Case{"mod(7,0)", kEval},
        Case{"ln(0)", kEval}, Case{"log(-1)", kEval}, Case{"sqrt(-1)", kEval},
        Case{"", kEval}, Case{"3-", kEval}, Case{"(1)(2)", kEval}, Case{"2x", kEval}, Case{"sin(1,2)", kEval},
        Case{"(1]", kSyntax}, Case{"2*-3", kSyntax}, Case{"pow(2,-1)", kSyntax}, Case{"1 + 2", kSyntax},
        Case{"Sin(30)", kSyntax}, Case{"tanh5", kSyntax}, Case{"coth(1)", kSyntax}));

// Faults the calculator must not let through: values that are not finite,
// text beyond the fixed stores, malformed numbers, and the variable x.
class SoundBehaviour : public testing::TestWithParam<Case> {};

TEST_P(SoundBehaviour, GivesItsText) {
  EXPECT_EQ(Calc(GetParam().expression), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, SoundBehaviour,
    testing::Values(
        // Not finite: never "inf" or "nan", also where a finite value follows.
        Case{"pow(0,(-1))", kEval}, Case{"exp(1000)", kEval}, Case{"sqrt((-4))", kEval},
        Case{"pow((-2),0.5)", kEval}, Case{"exp(1000)-exp(1000)", kEval}, Case{"1/exp(1000)", kEval},
        Case{"sinh(100000)", kEval},
        // Tangents of right angles are undefined, cotangents of straight ones
        // too, however pi/180 rounds; near them the value stands.
        Case{"tan(90)", kEval}, Case{"tan(270)", kEval}, Case{"tan(-90)", kEval}, Case{"tan(90.0000000001)", kEval},
        Case{"tan(-630)", kEval}, Case{"2*tan(90)-1", kEval}, Case{"cot(180)", kEval}, Case{"cot(-360)", kEval},
        Case{"tan(89.9)", "572.9572133543"}, Case{"tan(180)", "0.0000000000"}, Case{"cot(90)", "0.0000000000"},
        // Zero shows no sign.
        Case{"-0", "0.0000000000"}, Case{"0*(-1)", "0.0000000000"}, Case{"sin(-180)", "0.0000000000"},
        // The stores: 998 characters pass, 999 do not; neither too many values
        // nor too many open brackets write past their store.
        Case{"1" + Repeat("+0", 497) + "+00", "1.0000000000"},
        Case{"1" + Repeat("+0", 497) + "+000", kSyntax},
        Case{Repeat("x", 998), kEval}, Case{Repeat("1x", 499), kEval}, Case{Repeat("1,", 498) + "1", kEval},
        Case{Repeat("(", 500) + "1" + Repeat(")", 497), kSyntax},
        Case{Repeat("abs(", 199) + "1" + Repeat(")", 199), "1.0000000000"},
        // Number literals: 19 characters fit, 20 do not; one point and one digit at least.
        Case{"1234567890123456789/1234567890123456789", "1.0000000000"},
        Case{"12345678901234567890", kSyntax}, Case{"1.2.3", kSyntax}, Case{".", kSyntax},
        Case{"1+.", kSyntax}, Case{"0.00000000000000001*100000000000000000", "1.0000000000"},
        // Other text that no store can hold or that means nothing.
        Case{std::string("1\0+2", 4), kSyntax}, Case{"１+2", kSyntax}, Case{"1+2#", kSyntax},
        Case{"+5", kEval}, Case{"1,2", kEval}, Case{"()", kEval}, Case{"x(2)", kEval},
        Case{",1", kSyntax}, Case{"1,", kSyntax}, Case{"mod(1,,2)", kSyntax},
        // Binding and the less common functions.
        Case{"2+3*4", "14.0000000000"}, Case{"8/2(2)", "8.0000000000"}, Case{"-2*3+10", "4.0000000000"},
        Case{"{-1}", "-1.0000000000"}, Case{"abs(-7.25)", "7.2500000000"}, Case{"mod((-7),3)", "-1.0000000000"},
        Case{"sinh(0)+tanh(0)", "0.0000000000"}, Case{"ln(exp(2))", "2.0000000000"},
        Case{"sqrt(2)", "1.4142135624"}, Case{"asin(2)", kEval}, Case{"acos(-1.5)", kEval},
        Case{"floor(2.999)", "2.0000000000"}, Case{"x", "0.0000000000"}, Case{"x+1", "1.0000000000"}));

TEST(Calculator, XStandsForTheValueTheOwnerSets) {
  CExprCalculator calculator;
  calculator.SetX(2.5);
  EXPECT_EQ(calculator.Calculate("2*x+pow(x,2)"), "11.2500000000");
}

TEST(Calculator, ReuseForgetsTheEarlierExpressionAndKeepsTheLastResultOnFailure) {
  CExprCalculator calculator;
  EXPECT_EQ(calculator.Calculate("1+2*3-4/5+sin(30)"), "6.7000000000");
  EXPECT_EQ(calculator.Calculate("5"), "5.0000000000");
  EXPECT_EQ(calculator.Calculate("1/0"), kEval);
  EXPECT_EQ(calculator.Calculate("1 +"), kSyntax);
  EXPECT_EQ(calculator.GetResult(), 5.0);
}

TEST(Calculator, LeavesTheCheckedFormBehind) {
  CExprCalculator calculator;
  calculator.Calculate("[1+{2*(3)}]");
  EXPECT_STREQ(calculator.Expression(), "(1+(2*(3)))#");
  calculator.Calculate("");
  EXPECT_STREQ(calculator.Expression(), "#");
}

TEST(Calculator, WritesPointsWhateverTheLocale) {
  const char* previous = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (previous == nullptr) GTEST_SKIP() << "no German locale on this machine";
  EXPECT_EQ(Calc("1/4"), "0.2500000000");
  std::setlocale(LC_ALL, "C");
}

TEST(Calculator, ParseNumberReadsDigitsAndOnePoint) {
  EXPECT_EQ(CExprCalculator::ParseNumber("12"), 12.0);
  EXPECT_EQ(CExprCalculator::ParseNumber("007"), 7.0);
  EXPECT_EQ(CExprCalculator::ParseNumber(".5"), 0.5);
  EXPECT_EQ(CExprCalculator::ParseNumber("5."), 5.0);
  EXPECT_EQ(CExprCalculator::ParseNumber("0"), 0.0);
}

TEST(Calculator, MatchNameAdvancesOnlyOnAMatch) {
  int pos = 2;
  EXPECT_EQ(CExprCalculator::MatchName("2*cosh(1)", pos, "cos"), 1);
  EXPECT_EQ(pos, 5);
  pos = 0;
  EXPECT_EQ(CExprCalculator::MatchName("sin(", pos, "sinh"), 0);
  EXPECT_EQ(pos, 0);
}

}  // namespace
}  // namespace zv::annot

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>

#include "framework/text/numbers.h"

using namespace zv::num;

namespace {

// Runs the checks under a comma-decimal locale when the machine has one, as
// Qt sets the user's locale at start-up.
class NumbersUnderLocale : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, GetParam())) GTEST_SKIP() << GetParam() << " is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }
  std::string previous_;
};

}  // namespace

TEST_P(NumbersUnderLocale, FormatAndParseAsInTheCLocale) {
  EXPECT_EQ(Format("%f", 0.1), "0.100000");
  EXPECT_EQ(Format("%.10lf", 3.14159265358979), "3.1415926536");
  EXPECT_EQ(Format("%d|%s", -7, "x"), "-7|x");
  EXPECT_EQ(FormatInt(180), "180");
  EXPECT_EQ(FormatFixed(2.5, 3), "2.500");
  EXPECT_EQ(Format("%.20f", 0.5), "0.50000000000000000000");
  EXPECT_EQ(Format("%0200d", 1).size(), 200u);  // longer than the local buffer

  struct Parse {
    const char* text;
    int asInt;
    double asDouble;
  };
  const Parse cases[] = {
      {"1.000000", 1, 1.0}, {"abc", 0, 0.0},     {"  -12.5e1x", -12, -125.0}, {"", 0, 0.0},
      {"+7", 7, 7.0},       {"3,5", 3, 3.0},     {"0x10", 0, 16.0},           {"1e400", 1, HUGE_VAL},
  };
  for (const Parse& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseInt(c.text), c.asInt);
    EXPECT_DOUBLE_EQ(ParseDouble(c.text), c.asDouble);
  }
  EXPECT_EQ(ParseLong(std::string(100, '9')), LONG_MAX);
}

INSTANTIATE_TEST_SUITE_P(Locales, NumbersUnderLocale, testing::Values("C", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"));

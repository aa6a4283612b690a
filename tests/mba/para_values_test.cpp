// The checks the parameter dialog applies to the texts typed in.
#include <gtest/gtest.h>

#include <variant>

#include "mba/bspline_para_values.h"

namespace {

using zembrol::ParaField;

TEST(MbaParaValues, FieldIntegers) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"8", 8},
      {"  -12 ", -12},
      {"+5", 5},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"1.5", std::nullopt},
      {"12abc", std::nullopt},
      {"abc", std::nullopt},
      {"+-3", std::nullopt},
      {"1 2", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zembrol::ParseFieldInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(MbaParaValues, AcceptedTextsGiveTheValues) {
  const auto checked = zembrol::CheckParameterTexts({"100", "16", " 4", true, "-1", "30"});
  const auto* values = std::get_if<zembrol::BSplineParameters>(&checked);
  ASSERT_NE(values, nullptr);
  EXPECT_EQ(values->levels, 100);
  EXPECT_EQ(values->m, 16);
  EXPECT_EQ(values->n, 4);
  EXPECT_TRUE(values->calcInvalid);
  EXPECT_EQ(values->initM, -1);
  EXPECT_EQ(values->initN, 30);
}

TEST(MbaParaValues, FirstFieldInErrorIsReported) {
  const struct {
    zembrol::ParaTexts texts;
    ParaField field;
    const char* message;
  } cases[] = {
      {{"0", "8", "8", false, "0", "0"}, ParaField::Levels, "请输入一个介于 1 和 100 之间的整数。"},
      {{"101", "x", "8", false, "0", "0"}, ParaField::Levels, "请输入一个介于 1 和 100 之间的整数。"},
      {{"four", "8", "8", false, "0", "0"}, ParaField::Levels, "请输入一个整数。"},
      {{"4", "8.5", "y", false, "0", "0"}, ParaField::M, "请输入一个整数。"},
      {{"4", "8", "", false, "0", "0"}, ParaField::N, "请输入一个整数。"},
      {{"4", "8", "8", true, "1e3", "0"}, ParaField::InitM, "请输入一个整数。"},
      {{"4", "8", "8", true, "3", "9999999999"}, ParaField::InitN, "请输入一个整数。"},
  };
  for (const auto& c : cases) {
    const auto checked = zembrol::CheckParameterTexts(c.texts);
    const auto* error = std::get_if<zembrol::ParaError>(&checked);
    ASSERT_NE(error, nullptr) << c.texts.levels << " " << c.texts.m;
    EXPECT_EQ(error->field, c.field) << c.texts.levels << " " << c.texts.m;
    EXPECT_EQ(error->message, c.message);
  }
}

}  // namespace

#include "geodesy/matrix.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "geodesy/string_tokenizer.h"

namespace {

std::vector<std::vector<double>> Elements(const CMatrix& m) {
  std::vector<std::vector<double>> rows(static_cast<std::size_t>(m.GetRows()));
  for (int32_t i = 0; i < m.GetRows(); ++i) {
    for (int32_t j = 0; j < m.GetCols(); ++j) rows[static_cast<std::size_t>(i)].push_back(m.GetAt(i, j));
  }
  return rows;
}

using Rows = std::vector<std::vector<double>>;

TEST(StringTokenizer, RunsOfDelimitersCountAsOne) {
  CStringTokenizer tokens(",,12.5, 7,,x y,", ", ");
  std::vector<std::string> seen;
  std::string token = "stale";
  while (tokens.NextToken(token)) seen.push_back(token);
  EXPECT_EQ(seen, (std::vector<std::string>{"12.5", "7", "x", "y"}));
  EXPECT_TRUE(token.empty());
  CStringTokenizer nothing(" , ", ", ");
  EXPECT_FALSE(nothing.NextToken(token));
}

TEST(MatrixFromString, ReadsOneRowPerLine) {
  const struct {
    const char* text;
    Rows expected;
  } cases[] = {
      {"1 2 3\r\n4 5 6", {{1, 2, 3}, {4, 5, 6}}},
      {"1 2 3\r\n4 5", {{1, 2, 3}, {4, 5, 0}}},
      {"1 2 3\r\n4 5 6 7\n", {{1, 2, 3}, {4, 5, 6}}},
      {"  1   2\n\n3 4  \n   \n5 6", {{1, 2}, {3, 4}}},  // an empty line is skipped, a line of blanks ends
      {"1.5e3 -2,5 abc", {{1500, -2, 0}}},               // numbers as in the C locale; no number reads 0
  };
  for (const auto& c : cases) {
    CMatrix m;
    ASSERT_TRUE(m.FromString(c.text, " ", true)) << c.text;
    EXPECT_EQ(Elements(m), c.expected) << c.text;
  }
  CMatrix m;
  EXPECT_FALSE(m.FromString("", " ", true));
  EXPECT_FALSE(m.FromString("  \r\n ", " ", true));
}

TEST(MatrixFromString, ReadsShapeThenElementsWithoutRowMode) {
  CMatrix m;
  ASSERT_TRUE(m.FromString("2 2 1 2 3 4", " ", false));
  EXPECT_EQ(Elements(m), (Rows{{1, 2}, {3, 4}}));
  ASSERT_TRUE(m.FromString("2,3,9", ",", false));  // tokens run out: the rest stays 0
  EXPECT_EQ(Elements(m), (Rows{{9, 0, 0}, {0, 0, 0}}));
  // Shapes that cannot be held are refused and leave an empty matrix.
  for (const char* text : {"-2 -3 1 2", "100000 100000 1", "2"}) {
    CMatrix refused;
    EXPECT_EQ(refused.FromString(text, " ", false), std::string(text) == "2") << text;
    EXPECT_EQ(refused.GetRows() * refused.GetCols(), 0) << text;
  }
}

TEST(Matrix, AccessOutsideTheMatrixIsHarmless) {
  CMatrix m(3, 3);
  EXPECT_EQ(*m.At(5, 0), 1e100);
  *m.At(5, 0) = 3.0;
  EXPECT_EQ(*m.At(0, -1), 1e100);
  EXPECT_FALSE(m.SetAt(3, 0, 1.0));
  EXPECT_TRUE(m.SetAt(2, 2, 1.0));
  EXPECT_EQ(*m.At(2, 2), 1.0);
  EXPECT_FALSE(m.Resize(-1, 4));
  EXPECT_EQ(m.GetRows(), 0);
  EXPECT_FALSE(m.SetAt(0, 0, 1.0));
  const CMatrix unit;
  EXPECT_EQ(Elements(unit), (Rows{{0}}));
}

TEST(Matrix, ProductAndTranspose) {
  CMatrix a, b;
  ASSERT_TRUE(a.FromString("1 2 3\n4 5 6", " ", true));
  ASSERT_TRUE(b.FromString("7 8\n9 10\n11 12", " ", true));
  EXPECT_EQ(Elements(a.Multiply(b)), (Rows{{58, 64}, {139, 154}}));
  EXPECT_EQ(Elements(a.Transpose()), (Rows{{1, 4}, {2, 5}, {3, 6}}));
  CMatrix copy;
  copy = a;
  EXPECT_EQ(Elements(copy), Elements(a));
}

TEST(Matrix, InverseWithFullPivoting) {
  CMatrix swap;
  ASSERT_TRUE(swap.FromString("0 1\n1 0", " ", true));
  bool ok = false;
  EXPECT_EQ(Elements(swap.Inverse(&ok)), (Rows{{0, 1}, {1, 0}}));
  EXPECT_TRUE(ok);

  std::mt19937 random(3);
  std::uniform_real_distribution<double> value(-10.0, 10.0);
  CMatrix m(6, 6);
  for (int32_t i = 0; i < 6; ++i) {
    for (int32_t j = 0; j < 6; ++j) m.SetAt(i, j, value(random));
  }
  const CMatrix product = m.Multiply(m.Inverse(&ok));
  ASSERT_TRUE(ok);
  for (int32_t i = 0; i < 6; ++i) {
    for (int32_t j = 0; j < 6; ++j) EXPECT_NEAR(product.GetAt(i, j), i == j ? 1.0 : 0.0, 1e-12);
  }

  CMatrix wide(2, 3);
  wide.SetAt(0, 1, 5.0);
  EXPECT_EQ(Elements(wide.Inverse(&ok)), Elements(wide));
  EXPECT_FALSE(ok);
}

TEST(Matrix, SingularMatrixIsReported) {
  CMatrix singular;
  ASSERT_TRUE(singular.FromString("1 2\n2 4", " ", true));
  bool ok = true;
  testing::internal::CaptureStdout();
  singular.Inverse(&ok);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Err**not inv\n");
  EXPECT_FALSE(ok);
}

}  // namespace

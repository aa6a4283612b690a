#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "common/grid_list/grid_column_state.h"
#include "common/grid_list/grid_columns.h"
#include "common/grid_list/grid_sort.h"

namespace zv::grid {
namespace {

constexpr auto L = ColumnAlign::Left;
constexpr auto C = ColumnAlign::Centre;

TEST(GridColumns, ColumnTextsDeclareTheirColumns) {
  struct Case {
    const char* name;
    QString spec;
    std::vector<GridColumn> columns;
  };
  const std::vector<Case> cases = {
      {"two columns", "序号,50;1字段名称,200", {{"序号", 50, C}, {"字段名称", 200, L}}},
      {"trailing ;", "序号,50;1字段名称,200;", {{"序号", 50, C}, {"字段名称", 200, L}}},
      {"name 1 alone", "1,40", {{"", 40, L}}},
      {"tabs and blanks stay", " a\tb ,30;", {{" a\tb ", 30, C}}},
      {"signed width after blanks", "x, +25;y,\t-3", {{"x", 25, C}, {"y", -3, C}}},
      {"no width", "x,;y,abc", {{"x", 0, C}, {"y", 0, C}}},
      {"only the first 1 goes", "11,5", {{"1", 5, L}}},
      {"no comma: nothing", "序号", {}},
      {"a name runs to the next comma", "a,1;b;c,3", {{"a", 1, C}, {"b;c", 3, C}}},
      {"stops when no comma follows", "a,1;b", {{"a", 1, C}}},
      {"empty", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseColumnSpec(c.spec), c.columns);
  }
}

TEST(GridSort, TheFirstTextDecidesHowTwoTextsCompare) {
  struct Case {
    QString a, b;
    int ascending;  // CompareGridTexts(a, b, true); descending is its negation
  };
  const std::vector<Case> cases = {
      {"12.5", "abc", 1},           // a number: "abc" reads 0
      {"2", "10", -1},              // numbers, not texts
      {"", "3", -1},                // empty counts as a number
      {"1.5", "1.50", 0},
      {"-3", "-4", -1},             // a sign makes it text: "3" before "4"
      {"05/03/2015", "28/02/2015", 1},
      {"28/02/2015", "28/02/2014", 1},
      {"01/12/2015", "02/01/2015", 1},  // month before day
      {"abc", "abd", -1},
      {"1.2.3", "1.3", -1},         // two dots: text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.a + " vs " + c.b).toStdString());
    EXPECT_EQ(CompareGridTexts(c.a, c.b, true), c.ascending);
    EXPECT_EQ(CompareGridTexts(c.a, c.b, false), -c.ascending);
  }
  // Not a strict weak order: each side is judged by its own first text.
  EXPECT_EQ(CompareGridTexts("abc", "12.5", true), 1);
  EXPECT_EQ(CompareGridTexts("12.5", "abc", true), 1);
}

TEST(GridSort, AThousandMixedTextsSortBothWaysWithinTheRange) {
  QStringList texts;
  QRandomGenerator random(7);
  const QStringList words = {"abc", "-3", "", "x1", "05/03/2015", "坑道", "1.2.3"};
  for (int i = 0; i < 1000; ++i) {
    texts.append(i % 3 == 0 ? words[random.bounded(static_cast<int>(words.size()))]
                            : QString::number(random.bounded(10000) / 10.0));
  }
  for (const bool ascending : {true, false}) {
    const std::vector<int> order =
        SortOrder(static_cast<int>(texts.size()), [&](int a, int b) { return CompareGridTexts(texts[a], texts[b], ascending); });
    std::vector<int> seen = order;
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(seen[static_cast<std::size_t>(i)], i) << "a permutation of the rows";
  }
  // Numbers alone come out in numeric order, ties in their first order.
  QStringList numbers = {"10", "9.5", "", "9.5", "100", "0.1"};
  const auto order = SortOrder(6, [&](int a, int b) { return CompareGridTexts(numbers[a], numbers[b], true); });
  EXPECT_EQ(order, (std::vector<int>{2, 5, 1, 3, 0, 4}));
  const auto down = SortOrder(6, [&](int a, int b) { return CompareGridTexts(numbers[a], numbers[b], false); });
  EXPECT_EQ(down, (std::vector<int>{4, 0, 1, 3, 5, 2}));
}

TEST(GridSort, NamesSortByTheirGbkBytesIgnoringCaseAndStayStable) {
  // 啊 is B0A1 and 一 D2BB in GBK, though 一 comes first in Unicode.
  QStringList names = {"一号", "b", "啊", "A", "_x", "a"};
  SortStringArrayNoCase(names);
  EXPECT_EQ(names, (QStringList{"_x", "A", "a", "b", "啊", "一号"}));
  QStringList one = {"x"};
  SortStringArrayNoCase(one);
  EXPECT_EQ(one, QStringList{"x"});
}

TEST(GridColumnState, WidthsApplyOnlyWhenWellFormedAndOfTheRightCount) {
  const QString three = EncodeColumnState({50, 120, 7});
  EXPECT_EQ(three, "03000000320000007800000007000000");
  struct Case {
    const char* name;
    QString value;
    int columns;
    std::optional<std::vector<int>> widths;
  };
  const std::vector<Case> cases = {
      {"matching count", three, 3, std::vector<int>{50, 120, 7}},
      {"upper-case hex", three.toUpper(), 3, std::vector<int>{50, 120, 7}},
      {"count mismatch", three, 2, std::nullopt},
      {"absent", "", 3, std::nullopt},
      {"odd digits", three.chopped(1), 3, std::nullopt},
      {"not hex", "03zz", 3, std::nullopt},
      {"short of widths", three.chopped(8), 3, std::nullopt},
      {"negative width", EncodeColumnState({-5}), 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeColumnState(c.value, c.columns), c.widths);
  }
}

}  // namespace
}  // namespace zv::grid

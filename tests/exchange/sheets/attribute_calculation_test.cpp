// The attribute calculation's own forms: splitting, templates, values as
// text, and replacing text in a field.
#include <gtest/gtest.h>

#include "exchange/sheets/attribute_calculation.h"
#include "tests/exchange/sheets/sheet_test_support.h"

namespace zv::sheets::test {
namespace {

class AttributeCalculationTest : public SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    AddField(points_, kPointEntity, "孔号", kFieldString, 12);
    AddField(points_, kPointEntity, "高程", kFieldDouble, 15, 3);
    AddField(points_, kPointEntity, "层", kFieldShort, 5);
    AddField(points_, kPointEntity, "日期", kFieldDate, 10);
    AddField(points_, kPointEntity, "标注", kFieldString, 40);
    AddField(points_, kPointEntity, "厚", kFieldFloat, 8, 2);
    AddPoint(points_, {{"孔号", "ZK1"}, {"高程", "105.5"}, {"层", "3"}, {"厚", "1.25"}});
    const int32_t gone = AddPoint(points_, {{"孔号", "X"}});
    AddPoint(points_, {{"孔号", "a1"}, {"高程", "-2"}, {"层", "12"}, {"厚", "0"}});
    BasDeletePoint(points_, gone);
  }
};

TEST_F(AttributeCalculationTest, SplitTakesTheFirstHashElseTheFirstEquals) {
  struct Case {
    const char* text;
    char separator;
    const char* target;
    const char* right;
  };
  const Case cases[] = {
      {"a=b#c=d", '#', "a=b", "c=d"}, {"深度=高度+1", '=', "深度", "高度+1"}, {"x==1", '=', "x", "=1"}, {"abc", 0, "", "abc"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string target, right;
    EXPECT_EQ(SplitAssignment(c.text, &target, &right), c.separator);
    EXPECT_EQ(target, c.target);
    EXPECT_EQ(right, c.right);
  }
}

TEST_F(AttributeCalculationTest, TemplatesJoinFormattedValues) {
  struct Case {
    const char* templ;
    const char* first;
    const char* third;
  };
  const Case cases[] = {
      {"(孔号)-(高程)", "ZK1-105.500000", "a1--2.000000"},
      {"固定文字", "固定文字", "固定文字"},
      {"第(层)层 (厚)m", "第3层 1.250000m", "第12层 0.000000m"},
      {"(日期)/(孔号", "日期/孔号", "日期/孔号"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.templ);
    const CalculationOutcome outcome = FillFieldFromTemplate(points_, "标注", c.templ);
    EXPECT_EQ(outcome.code, CalculationOutcome::kDone) << outcome.field;
    EXPECT_EQ(outcome.changed, 2);
    EXPECT_EQ(FieldText(points_, kPointEntity, 1, "标注"), c.first);
    EXPECT_EQ(FieldText(points_, kPointEntity, 3, "标注"), c.third);
  }
}

TEST_F(AttributeCalculationTest, AMissingFieldIsNamedAndNothingIsWritten) {
  const struct {
    CalculationOutcome outcome;
    const char* field;
  } cases[] = {
      {FillFieldFromTemplate(points_, "备注", "x"), "备注"},
      {FillFieldFromTemplate(points_, "标注", "(孔号)(深度)"), "深度"},
      {FillFieldFromTemplate(points_, "标注", "((孔号))"), "(孔号"},
      {ReplaceInField(points_, "名称", "a", "b"), "名称"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.outcome.code, CalculationOutcome::kMissingField);
    EXPECT_EQ(c.outcome.field, c.field);
    EXPECT_NE(CalculationOutcomeText(c.outcome).find(c.field), std::string::npos);
  }
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "标注"), "");
}

TEST_F(AttributeCalculationTest, ReplaceRewritesEveryOccurrenceByTheFieldsType) {
  CalculationOutcome outcome = ReplaceInField(points_, "孔号", "", "b");
  EXPECT_EQ(outcome.code, CalculationOutcome::kNothingToFind);
  EXPECT_EQ(FieldText(points_, kPointEntity, 3, "孔号"), "a1");

  EXPECT_EQ(ReplaceInField(points_, "孔号", "a", "aa").changed, 2);
  EXPECT_EQ(FieldText(points_, kPointEntity, 3, "孔号"), "aa1");
  // On numbers the text "%f" gives is changed and read back; no number is 0.
  ReplaceInField(points_, "高程", "5.5", "7");  // 105.500000
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "高程"), "10700000.000");
  ReplaceInField(points_, "层", "1", "x");
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "层"), "3");
  EXPECT_EQ(FieldText(points_, kPointEntity, 3, "层"), "0");
  EXPECT_EQ(ReplaceInField(points_, "日期", "0", "1").changed, 0);
}

}  // namespace
}  // namespace zv::sheets::test

#include <gtest/gtest.h>

#include "framework/workbook/cell_put.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/session.h"

namespace zv::workbook {
namespace {

TEST(PutCellText, NumberOnlyForTheNumbersPlainForm) {
  struct Case {
    const char* text;
    bool number;
    double value;
  };
  const Case cases[] = {
      {"12.5", true, 12.5},     {"-3", true, -3},      {"0", true, 0},
      {"3512345.678901", true, 3512345.678901},        {"0.1", true, 0.1},
      {"007", false, 0},        {"3-1", false, 0},     {"2024-01-05", false, 0},
      {"1,200", false, 0},      {"12.50", false, 0},   {"1e5", false, 0},
      {"+3", false, 0},         {".5", false, 0},      {"5.", false, 0},
      {"-0", false, 0},         {" 12", false, 0},     {"12 ", false, 0},
      {"", false, 0},           {"abc", false, 0},     {"inf", false, 0},
      {"nan", false, 0},        {"12345678901234567890123", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CellValue value = PutValue(c.text);
    if (c.number) {
      EXPECT_EQ(value.type, CellValue::Type::kNumber);
      EXPECT_EQ(value.number, c.value);
    } else {
      EXPECT_EQ(value.type, CellValue::Type::kText);
      EXPECT_EQ(value.text, c.text);
    }
  }
}

TEST(PutCellText, TheCellShowsWhatWasPut) {
  auto session = std::make_shared<Session>();
  const Application excel(session, Flavour::kExcel);
  const Worksheet sheet = excel.Workbooks().Add().Sheets().Item(1);
  PutCellText(sheet.Range("A1"), "007");
  PutCellText(sheet.Range("A2"), "12.5");
  EXPECT_EQ(sheet.Range("A1").Value().type, CellValue::Type::kText);
  EXPECT_EQ(sheet.Range("A1").Text(), "007");
  EXPECT_EQ(sheet.Range("A2").Value().type, CellValue::Type::kNumber);
  EXPECT_EQ(sheet.Range("A2").Text(), "12.5");
}

}  // namespace
}  // namespace zv::workbook

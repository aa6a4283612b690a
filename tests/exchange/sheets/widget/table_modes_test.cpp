// The spreadsheet-table tool's one-shot modes launched as the tool views
// launch them, with their pickers and messages answered through the prompts
// seam.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "exchange/sheets/widget/platform_table_runs.h"
#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"
#include "tests/exchange/sheets/widget/sheet_tools_fixture.h"
#include "tests/support/test_env.h"

namespace zv::sheets {
namespace {

class TableModesTest : public SheetToolsTest {
 protected:
  void Launch(int16_t mode) { SheetToolsTest::Launch("CSecExcelTableTool", mode); }
  static std::string Path(const std::string& name) { return zv::test::TempRoot() + "/" + name; }
  static std::size_t Books() { return workbook::RunningProgram()->Books().size(); }
};

TEST_F(TableModesTest, ExcelToTableAndBackGivesTheSheetAfterAnIdColumn) {
  OpenSheet({{"孔号", "深度"}, {"'007", "12.5"}, {"ZK2", "3"}});
  script_->AnswerFiles({QString::fromStdString(Path("holes"))});
  Launch(2);
  EXPECT_TRUE(script_->Messages().empty());
  ASSERT_TRUE(std::filesystem::exists(Path("holes.wb")));
  ASSERT_EQ(script_->asked().size(), 1u);
  EXPECT_TRUE(script_->asked()[0].files.save);

  script_->AnswerFiles({QString::fromStdString(Path("holes.wb"))});
  Launch(-2);
  EXPECT_TRUE(script_->Messages().empty());
  ASSERT_EQ(Books(), 2u);
  const workbook::Sheets sheets = *Excel().Sheets();
  EXPECT_EQ(sheets.Count(), 3);
  const workbook::Range cells = sheets.Item(1).Cells();
  const std::vector<std::vector<std::string>> expected = {
      {"ID", "孔号", "深度"}, {"1", "007", "12.5"}, {"2", "ZK2", "3"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(cells.Item(r + 1, c + 1).Text(), expected[r][c]) << r << " " << c;
}

TEST_F(TableModesTest, CancelSavesAndOpensNothingAndFailuresAreTold) {
  OpenSheet({{"a"}, {"1"}});
  script_->AnswerFiles({});
  Launch(2);
  EXPECT_TRUE(script_->Messages().empty());
  script_->AnswerFiles({QString::fromStdString(Path("no/such/folder/t.wb"))});
  Launch(2);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_TRUE(script_->Messages()[0].contains("t.wb"));

  *script_ = prompt::ScriptedPrompts();
  script_->AnswerFiles({});
  Launch(-2);
  EXPECT_TRUE(script_->Messages().empty());
  EXPECT_EQ(Books(), 1u);
  std::ofstream(Path("bad.wb")) << "not a table";
  script_->AnswerFiles({QString::fromStdString(Path("bad.wb"))});
  Launch(-2);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_TRUE(script_->Messages()[0].contains("bad.wb"));
  EXPECT_EQ(Books(), 1u);
}

TEST_F(TableModesTest, ExcelToTableWithoutAWorkbookSaysSoAndAsksNothingElse) {
  Launch(2);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"没有发现Excel!"});
  for (const auto& asked : script_->asked()) EXPECT_FALSE(asked.files.save);
}

// Answers the expression dialog: chooses the file at `file`, sets the
// expression (or the replacement), the abnormal value, and presses OK.
prompt::ScriptedPrompts::DialogScript ExpressionAnswer(int file, const char* expression, const char* find = nullptr,
                                                        const char* replacement = nullptr) {
  return [=](QDialog& d) {
    d.findChild<QComboBox*>("control1157")->setCurrentIndex(file);
    if (find) {
      d.findChild<QCheckBox*>("control1218")->click();
      d.findChild<QComboBox*>("control1158")->setCurrentText(expression);
      d.findChild<QLineEdit*>("control1219")->setText(find);
      d.findChild<QLineEdit*>("control1220")->setText(replacement);
    } else {
      d.findChild<QLineEdit*>("control1160")->setText(expression);
    }
    d.findChild<QLineEdit*>("control1159")->setText("-1");
    d.accept();
    return -1;
  };
}

class CalculationModeTest : public TableModesTest {
 protected:
  void SetUp() override {
    TableModesTest::SetUp();
    AddPointField("孔号");
    AddPointField("深度", kFieldDouble);
    AddPointField("层", kFieldShort);
    AddPointField("标注");
    for (int i = 1; i <= 2; ++i) {
      const int32_t id = AddPoint({double(i), double(i)});
      AttributeRecord record;
      BasReadAttribute(pnt, kPointEntity, id, &record);
      BasSetFieldByName(record, "孔号", std::string_view(i == 1 ? "ZK1" : "ZK2"));
      BasSetFieldByName(record, "深度", i * 10.5);
      BasSetFieldByName(record, "层", static_cast<double>(i));
      BasWriteAttribute(pnt, kPointEntity, id, record);
    }
  }
};

TEST_F(CalculationModeTest, TheThreeFormsFillTheChosenField) {
  struct Case {
    const char* expression;
    const char* find;
    const char* replacement;
    const char* field;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"标注#(孔号)-(深度)", nullptr, nullptr, "标注", "ZK1-10.500", "ZK2-21.000"},  // 标注 holds 10 bytes
      {"标注#无括号", nullptr, nullptr, "标注", "无括号", "无括号"},
      {"标注#a=(层)", nullptr, nullptr, "标注", "a=1", "a=2"},
      {"深度=深度*2+层", nullptr, nullptr, "深度", "22", "44"},
      {"深度=深度/(层-1)", nullptr, nullptr, "深度", "-1", "44"},
      {"孔号", "ZK", "ZK-", "孔号", "ZK-1", "ZK-2"},
      {"层", "1", "x", "层", "0", "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expression);
    script_->AnswerDialog(ExpressionAnswer(0, c.expression, c.find, c.replacement));
    Launch(-3);
    EXPECT_TRUE(script_->Messages().empty()) << script_->Messages().front().toStdString();
    EXPECT_EQ(PointField(1, c.field).substr(0, std::string(c.first).size()), c.first);
    EXPECT_EQ(PointField(2, c.field).substr(0, std::string(c.second).size()), c.second);
  }
}

TEST_F(CalculationModeTest, FaultsAreToldAndWriteNothing) {
  struct Case {
    const char* expression;
    const char* find;
    const char* message;
  };
  const Case cases[] = {
      {"深度=深度+高度", nullptr, "表达式错误！\n“高度”既不是字段名也不是函数名。"},
      {"深度=深度+", nullptr, "表达式错误！\n第4个字符处有误。"},
      {"备注=1", nullptr, "表达式错误！\n属性结构中没有结果字段“备注”。"},
      {"备注#(孔号)", nullptr, "属性结构中没有字段“备注”，没有修改属性！"},
      {"深度", "", "没有输入要查找的文字，没有修改属性！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expression);
    *script_ = prompt::ScriptedPrompts();
    script_->AnswerDialog(ExpressionAnswer(0, c.expression, c.find, ""));
    Launch(-3);
    EXPECT_EQ(script_->Messages(), std::vector<QString>{c.message});
    EXPECT_EQ(PointField(1, "深度"), "10.5");
  }
  *script_ = prompt::ScriptedPrompts();
  script_->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  Launch(-3);
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(CalculationModeTest, AProjectViewOffersTheProjectsAreas) {
  CPrjEditView projectView;
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, Path("calc.mpj"));
  for (const char* name : {"calc.wt", "calc.wl", "calc.wp"}) ASSERT_GE(PrjAddItem(project, Path(name)), 0);
  projectView.SetProject(project);
  QStringList offered;
  script_->AnswerDialog([&](QDialog& d) {
    const QComboBox* files = d.findChild<QComboBox*>("control1157");
    for (int i = 0; i < files->count(); ++i) offered << files->itemText(i);
    d.reject();
    return -1;
  });
  ModeCalculateAttributes(projectView);
  EXPECT_EQ(offered, (QStringList{"calc.wt", "calc.wl", "calc.wp"}));
  projectView.SetProject(nullptr);
  PrjClose(project);
}

class HistogramModeTest : public TableModesTest {
 protected:
  // Five classes selected from B2.
  void SelectClasses() {
    const workbook::Worksheet sheet =
        OpenSheet({{"下限", "上限", "频数"}, {"0", "1", "10"}, {"1", "2", "20"}, {"2", "3", "abc"}, {"3", "4", "40"}, {"4", "5", "50"}});
    sheet.Data()->view = {{2, 1}, {workbook::CellRect{{2, 1}, {6, 1}}}};
  }
  // Answers the settings with an element and a folder, OK.
  prompt::ScriptedPrompts::DialogScript Settings(const char* element, const std::string& folder) {
    return [=](QDialog& d) {
      d.findChild<QLineEdit*>("control1118")->setText(element);
      d.findChild<QLineEdit*>("control1282")->setText(QString::fromStdString(folder));
      d.accept();
      return -1;
    };
  }
};

TEST_F(HistogramModeTest, TheChartIsSavedWithItsProjectAndTheViewKeepsItsAreas) {
  AddPoint({1, 1});
  const int32_t line = AddLine({{0, 0}, {50, 50}});
  BasSetWorkAreaFileName(lin, "/maps/剖面.wl");
  SelectClasses();
  script_->AnswerDialog(Settings("K", Path("charts")));
  Launch(-4);
  EXPECT_TRUE(script_->Messages().empty());
  for (const char* ext : {".wt", ".wl", ".wp", ".mpj"})
    EXPECT_TRUE(std::filesystem::exists(Path("charts/K直方图") + ext)) << ext;
  files::FileReport report;
  MapProject* project = PrjOpen(Path("charts/K直方图.mpj"), 0, 0, &report);
  ASSERT_NE(project, nullptr) << report.error;
  EXPECT_EQ(PrjGetItemCount(project), 3);
  std::string caption;
  BasReadPoint(PrjGetItemArea(project, 0), 1, nullptr, &caption, nullptr);
  EXPECT_EQ(caption, "K(×10#+-6#=)");
  PrjClose(project);
  EXPECT_EQ(Live(pnt, kPointEntity), 1);
  EXPECT_EQ(Live(lin, kLineEntity), 1);
  EXPECT_EQ(BasGetWorkAreaFileName(lin), "/maps/剖面.wl");
  // The tool then picks lines.
  Click({25, 25});
  EXPECT_EQ(PoolEntries(), (std::vector<ENTITY_MSG>{{lin, kLineEntity, line}}));
}

TEST_F(HistogramModeTest, CancelOrAnOversizedSelectionDrawNothing) {
  SelectClasses();
  script_->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  Launch(-4);
  EXPECT_TRUE(script_->Messages().empty());
  const workbook::Worksheet big = OpenSheet({{"0", "1", "2"}});
  big.Data()->view = {{1, 1}, {workbook::CellRect{{1, 1}, {1001, 3}}}};
  Launch(-4);
  EXPECT_EQ(script_->PendingAnswers(), 0);
  EXPECT_TRUE(script_->Messages().empty());
  EXPECT_FALSE(std::filesystem::exists(Path("Cu直方图.mpj")));
}

TEST_F(HistogramModeTest, TheSettingsRefuseABadWidthAndAnEmptyFolderAndBrowseKeepsTheFolderOnCancel) {
  SelectClasses();
  script_->AnswerDialog([this](QDialog& d) {
    auto* folder = d.findChild<QLineEdit*>("control1282");
    EXPECT_FALSE(folder->text().isEmpty());
    folder->setText(QString::fromStdString(Path("kept")));
    script_->AnswerFolder({});
    d.findChild<QPushButton*>("control1231")->click();
    EXPECT_EQ(folder->text().toStdString(), Path("kept"));
    d.findChild<QLineEdit*>("control1224")->setText("wide");
    d.accept();
    EXPECT_NE(d.result(), QDialog::Accepted);
    d.findChild<QLineEdit*>("control1224")->setText("2.5");
    folder->setText("");
    d.accept();
    EXPECT_NE(d.result(), QDialog::Accepted);
    folder->setText(QString::fromStdString(Path("kept")));
    d.accept();
    return -1;
  });
  Launch(-4);
  EXPECT_EQ(script_->Messages().size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(Path("kept/Cu直方图.mpj")));
}

}  // namespace
}  // namespace zv::sheets

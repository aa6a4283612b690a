// The spreadsheet tools launched in a view as the tool views launch them,
// with their dialogs answered through the prompts seam.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <fstream>

#include "platform/projection/map_projector.h"
#include "tests/exchange/sheets/widget/sheet_tools_fixture.h"
#include "tests/support/test_env.h"
#include "views/view_chrome.h"

namespace zv::sheets {
namespace {

TEST_F(SheetToolsTest, BothToolsAreMadeForTheirBuiltModesOnly) {
  for (int16_t mode : {1, 2, -1, -2, -3, 3, -4, 4, -5, 500}) EXPECT_TRUE(Tools().Knows("CSecExcelTool", mode)) << mode;
  for (int16_t mode : {-1, -3, 2, 1}) EXPECT_TRUE(Tools().Knows("CSecEtTool", mode)) << mode;
  EXPECT_FALSE(Tools().Knows("CSecEtTool", -2));
  for (int16_t mode : {-1, 1, -2, 2, -3, 3, -4, 4}) EXPECT_TRUE(Tools().Knows("CSecExcelTableTool", mode)) << mode;
  EXPECT_FALSE(Tools().Knows("CSecExcelTableTool", 5));
}

TEST_F(SheetToolsTest, ExportFillsANewWorkbookInBothPrograms) {
  AddPoint({10, 10});
  AddLine({{0, 0}, {50, 50}});
  AddSquareRegion(100, 100, 20);
  for (const char* toolClass : {"CSecExcelTool", "CSecEtTool"}) {
    SCOPED_TRACE(toolClass);
    Launch(toolClass, toolClass[4] == 'E' && toolClass[5] == 'x' ? 1 : -1);
    EXPECT_EQ(SheetNames(), (std::vector<std::string>{"点", "线", "区"}));
    EXPECT_EQ(Cell("线", 1, 2), "长度");
  }
  EXPECT_EQ(workbook::RunningProgram()->Books().size(), 2u);
}

TEST_F(SheetToolsTest, PickedExportWaitsForAPickAndRunsAfterEachOne) {
  const int32_t id = AddPoint({100, 100});
  Launch("CSecExcelTool", 2);
  EXPECT_TRUE(workbook::RunningProgram()->Books().empty());
  Click({100, 100});
  ASSERT_EQ(workbook::RunningProgram()->Books().size(), 1u);
  EXPECT_EQ(Cell("点", 2, 1), std::to_string(0));
  EXPECT_EQ(PoolEntries(), (std::vector<ENTITY_MSG>{{pnt, kPointEntity, id}}));
  Click({100, 100});
  EXPECT_EQ(workbook::RunningProgram()->Books().size(), 2u);
  RightClick({0, 0});
  EXPECT_EQ(view->GetExtTool(), nullptr);
  EXPECT_TRUE(PoolEntries().empty());
}

TEST_F(SheetToolsTest, ImportAsksForTheFileAndIsOneUndoStep) {
  AddPointField("名称");
  AddPoint({1, 1});
  OpenSheet({{"ID", "名称"}, {"9", "甲"}});
  script_->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  Launch("CSecExcelTool", -1);
  EXPECT_EQ(PointField(1, "名称"), "");
  EXPECT_TRUE(script_->Messages().empty());

  script_->AnswerDialog([](QDialog& d) {
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -1);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"导入属性成功！"});
  EXPECT_EQ(PointField(1, "名称"), "甲");
  EXPECT_EQ(PointField(1, "ID"), "0");
  view->Undo();
  EXPECT_EQ(PointField(1, "名称"), "");
}

TEST_F(SheetToolsTest, WithoutAWorkbookOrWithADamagedOneNothingChanges) {
  AddPointField("名称");
  AddPoint({1, 1});
  const std::string damaged = zv::test::TempRoot() + "/damaged.xlsx";
  std::ofstream(damaged) << "PK\x03\x04 not a workbook";
  for (const bool pick : {false, true}) {
    SCOPED_TRACE(pick);
    script_->AnswerDialog([](QDialog& d) {
      d.accept();
      return -1;
    });
    if (pick) script_->AnswerFiles({QString::fromStdString(damaged)});
    Launch("CSecExcelTool", -1);
    const std::vector<QString> messages = script_->Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "没有发现Excel!,请先打开EXCEL。");
    EXPECT_EQ(messages.size(), pick ? 2u : 1u);
    EXPECT_EQ(PointField(1, "名称"), "");
    *script_ = prompt::ScriptedPrompts();
  }
}

TEST_F(SheetToolsTest, JoinTakesTheChosenKeyAndColumns) {
  AddPointField("孔号");
  AddPoint({1, 1});
  AttributeRecord record;
  BasReadAttribute(pnt, kPointEntity, 1, &record);
  BasSetFieldByName(record, "孔号", std::string_view("ZK2"));
  BasWriteAttribute(pnt, kPointEntity, 1, record);
  OpenSheet({{"孔号", "深度"}, {"ZK1", "10"}, {"ZK2", "20.5"}});
  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QComboBox*>("control1060")->setCurrentIndex(1);
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -2);
  EXPECT_EQ(PointField(1, "深度"), "20.500000");
  EXPECT_EQ(PointField(1, "孔号0"), "ZK2");

  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QListWidget*>("control1001")->clearSelection();
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -2);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"没有选择连接字段！"});
}

TEST_F(SheetToolsTest, UndoOfAJoinOrAProjectionTakesBackTheFieldsItAdded) {
  AddPointField("孔号");
  for (const char* hole : {"ZK1", "ZK2"}) {
    const int32_t id = AddPoint({1, 1});
    AttributeRecord record;
    BasReadAttribute(pnt, kPointEntity, id, &record);
    BasSetFieldByName(record, "孔号", std::string_view(hole));
    BasWriteAttribute(pnt, kPointEntity, id, record);
  }
  const std::string before = AttributeDump(pnt, kPointEntity);
  struct Case {
    const char* name;
    int16_t mode;
    const char* added;
  };
  for (const Case& c : {Case{"join", -2, "深度"}, Case{"projection", -3, "名称"}}) {
    SCOPED_TRACE(c.name);
    OpenSheet({{"孔号", "深度", "名称"}, {"ZK2", "20.5", "甲"}, {"3500", "500", "乙"}});
    script_->AnswerDialog([](QDialog& d) {
      if (auto* keyField = d.findChild<QComboBox*>("control1060")) keyField->setCurrentIndex(1);
      if (auto* attributes = d.findChild<QListWidget*>("control1001")) attributes->selectAll();
      d.accept();
      return -1;
    });
    const int steps = view->GetUndo().StepCount();
    Launch("CSecExcelTool", c.mode);
    EXPECT_EQ(view->GetUndo().StepCount(), steps + 1);
    EXPECT_NE(AttributeDump(pnt, kPointEntity).find(c.added), std::string::npos);
    view->Undo();
    EXPECT_EQ(AttributeDump(pnt, kPointEntity), before);
  }
}

TEST_F(SheetToolsTest, ProjectionOfPlaneRowsThenOfLongitudesAndLatitudes) {
  OpenSheet({{"X", "Y", "名称"}, {"3500", "500", "A"}, {"3600", "600", "B"}});
  script_->AnswerDialog([](QDialog& d) {
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -3);
  EXPECT_EQ(Live(lin, kLineEntity), 1);
  D_DOT at{};
  std::string text;
  BasReadPoint(pnt, 2, &at, &text, nullptr);  // the label of row 2 comes first
  EXPECT_EQ(at.x, 500);
  EXPECT_EQ(at.y, 3500);
  view->Undo();
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  EXPECT_EQ(Live(lin, kLineEntity), 0);

  // No projection parameters: the walk stops at the first row.
  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QCheckBox*>("control1073")->setChecked(false);
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -3);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"未设置投影参数！"});
  EXPECT_EQ(Live(pnt, kPointEntity), 0);

  OpenSheet({{"经度", "纬度"}, {"117°30′00″", "302500"}});
  script_->AnswerDialog([this](QDialog& d) {
    d.findChild<QCheckBox*>("control1073")->setChecked(false);
    script_->AnswerDialog([](QDialog& params) {
      params.findChild<QDoubleSpinBox*>("coordKind")->setValue(3);
      params.findChild<QDoubleSpinBox*>("projection")->setValue(5);
      params.findChild<QDoubleSpinBox*>("ellipsoid")->setValue(2);
      params.findChild<QDoubleSpinBox*>("centralMeridian")->setValue(1170000);
      params.findChild<QDoubleSpinBox*>("falseEasting")->setValue(500000);
      params.accept();
      return -1;
    });
    d.findChild<QPushButton*>("control1075")->click();
    d.accept();
    return -1;
  });
  Launch("CSecExcelTool", -3);
  MapParams plane = DefaultMapParams();
  plane.setProjection(5);
  plane.setEllipsoid(2);
  plane.setCentralMeridian(1170000);
  plane.setFalseEasting(500000);
  double e = 117.5, n = 30 + 25 / 60.0;
  ASSERT_TRUE(MapProjector::FromMapParams(plane)->ToPlane(e, n));
  ASSERT_EQ(Live(pnt, kPointEntity), 1);
  int32_t live = 0, bound = 0;
  BasGetPointCount(pnt, &live, &bound);
  BasReadPoint(pnt, bound - 1, &at, nullptr, nullptr);
  EXPECT_NEAR(at.x, e, 1e-6);
  EXPECT_NEAR(at.y, n, 1e-6);
}

TEST_F(SheetToolsTest, SelectedRowsUseTheSelectionAndNameEmptyHeadersByLetters) {
  const workbook::Worksheet sheet = OpenSheet({{"X", ""}, {"100", "200"}, {"300", "400"}, {"9", "9"}});
  sheet.Data()->view = {{2, 1}, {workbook::CellRect{{2, 1}, {3, 2}}}};
  script_->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QComboBox*>("control1079")->itemText(1), "B列");
    d.findChild<QCheckBox*>("control1083")->setChecked(false);
    d.accept();
    return -1;
  });
  Launch("CSecEtTool", 2);
  EXPECT_EQ(Live(pnt, kPointEntity), 2);  // rows 2 and 3, not row 4
}

TEST_F(SheetToolsTest, VertexExportUsesTheMainWindowsScale) {
  struct Scale : ViewChrome {
    long ScaleDenominator() const override { return 2000; }
  } chrome;
  SetViewChrome(&chrome);
  const int32_t a = AddLine({{100, 250}, {0, 0}, {5, 5}});
  const int32_t b = AddLine({{1, 1}, {2, 2}});
  const ENTITY_MSG picked[] = {{lin, kLineEntity, a}, {lin, kLineEntity, b}};
  view->AddToPool(picked, 2);
  Launch("CSecExcelTool", -4);
  SetViewChrome(nullptr);
  const workbook::Worksheet sheet = Excel().Sheets()->Item(1);
  std::string numbers;
  for (int row = 2; row <= 7; ++row) numbers += sheet.Cells().Item(row, 1).Text() + ",";
  EXPECT_EQ(numbers, "0,1,2,0,1,,");
  EXPECT_EQ(sheet.Cells().Item(2, 2).Text(), "500");
  EXPECT_EQ(sheet.Cells().Item(2, 3).Text(), "200");
}

TEST_F(SheetToolsTest, TracksOfSeveralFilesWithTheirFaultsTold) {
  const std::string cut = zv::test::TempRoot() + "/cut.gpx";
  std::ofstream(cut) << "<gpx><trk><trkseg><trkpt lat=\"30\" lon=\"117\"></trkpt><trkpt lat=\"30.1\" lon=\"117\">"
                        "</trkpt><trkpt lat=";
  const QString fixture = QString::fromStdString(zv::test::DataPath("gpx/gdal_track.gpx"));
  const auto accept = [](QDialog& d) {
    d.accept();
    return -1;
  };
  const std::string pointsBefore = AttributeDump(pnt, kPointEntity);
  const std::string linesBefore = AttributeDump(lin, kLineEntity);
  script_->AnswerDialog(accept);
  script_->AnswerFiles({fixture, QString::fromStdString(cut)});
  Launch("CSecExcelTool", 500);
  EXPECT_EQ(Live(pnt, kPointEntity), 5);
  EXPECT_EQ(Live(lin, kLineEntity), 2);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_TRUE(script_->Messages()[0].contains("cut.gpx")) << script_->Messages()[0].toStdString();

  // One undo step per file; both take back their points, lines and fields.
  view->Undo();
  view->Undo();
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  EXPECT_EQ(AttributeDump(pnt, kPointEntity), pointsBefore);
  EXPECT_EQ(AttributeDump(lin, kLineEntity), linesBefore);
  script_->AnswerDialog(accept);
  script_->AnswerFiles({fixture, QString::fromStdString(cut)});
  Launch("CSecExcelTool", 500);

  script_->AnswerDialog(accept);
  script_->AnswerFiles({"/nonexistent/track.gpx", fixture});
  Launch("CSecExcelTool", 500);
  EXPECT_TRUE(script_->Messages().back().contains("/nonexistent/track.gpx"));
  EXPECT_EQ(Live(lin, kLineEntity), 2);
}

TEST_F(SheetToolsTest, CancelInEveryDialogChangesNothing) {
  AddPointField("孔号");
  AddPoint({1, 1});
  const workbook::Worksheet sheet = OpenSheet({{"孔号", "X", "Y"}, {"ZK1", "3500", "500"}, {"ZK2", "3600", "600"}});
  sheet.Data()->view = {{1, 1}, {workbook::CellRect{{1, 1}, {3, 3}}}};
  const std::string points = AttributeDump(pnt, kPointEntity);
  const std::string lines = AttributeDump(lin, kLineEntity);
  const struct {
    const char* name;
    const char* toolClass;
    int16_t mode;
    bool acceptFirstDialog;  // then the file picker is cancelled
  } cases[] = {
      {"join", "CSecExcelTool", -2, false},      {"projection", "CSecExcelTool", -3, false},
      {"selection", "CSecExcelTool", 3, false},  {"track datum", "CSecExcelTool", 500, false},
      {"track files", "CSecExcelTool", 500, true}, {"ET projection", "CSecEtTool", -3, false},
      {"ET selection", "CSecEtTool", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    *script_ = prompt::ScriptedPrompts();
    if (c.acceptFirstDialog)
      script_->AnswerDialog([](QDialog& d) {
        d.accept();
        return -1;
      });
    Launch(c.toolClass, c.mode);
    EXPECT_FALSE(script_->asked().empty());
    EXPECT_TRUE(script_->Messages().empty());
    EXPECT_TRUE(view->GetUndo().IsEmpty());
    EXPECT_EQ(AttributeDump(pnt, kPointEntity), points);
    EXPECT_EQ(AttributeDump(lin, kLineEntity), lines);
  }
}

TEST_F(SheetToolsTest, GpxExportOpensItsDialog) {
  script_->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  Launch("CSecExcelTool", -5);
  ASSERT_EQ(script_->asked().size(), 1u);
  EXPECT_EQ(script_->asked()[0].kind, prompt::ScriptedPrompts::Kind::Dialog);
  Launch("CSecExcelTool", 4);  // nothing picked: no dialog
  EXPECT_EQ(script_->asked().size(), 1u);
}

}  // namespace
}  // namespace zv::sheets

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/session.h"
#include "geodesy/gpx/gpx_export_dlg.h"
#include "tests/support/test_env.h"

namespace zv::gpx {
namespace {

QString Edit(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name)->text(); }

TEST(GpxExportDialog, ComputeTakesTheKnownPointsZoneAndShift) {
  CGpxExportDlg d;
  EXPECT_EQ(d.Datum(), 80);
  d.findChild<QPushButton*>("compute")->click();
  EXPECT_EQ(Edit(d, "l0"), "117");
  const Shift s = ComputeShift(2791538.11, 455563.88, 25.134402999, 116.333498, 117, 1279.5, 1312.17, 80);
  EXPECT_NEAR(Edit(d, "dx").toDouble(), s.dx, 1e-9);
  EXPECT_NEAR(Edit(d, "dz").toDouble(), s.dz, 1e-9);
  d.findChild<QRadioButton*>("datum0")->click();
  EXPECT_EQ(d.Datum(), 54);
}

TEST(GpxExportDialog, HandedOverPointsBuildAndSaveTheDocument) {
  prompt::ScopedScriptedPrompts script;
  CGpxExportDlg d;
  d.SetClock([] { return std::chrono::system_clock::from_time_t(1765367100); });
  d.findChild<QLineEdit*>("scale")->setText("0");
  d.AddDrawingPoint("拐点&1", 455563.88, 2791538.11);  // drawing x, y at 1:1000
  EXPECT_EQ(Edit(d, "scale"), "1000");
  EXPECT_EQ(d.list()->CellText(0, 1), "2791538.1");
  EXPECT_EQ(d.list()->CellText(0, 2), "455563.9");
  d.findChild<QPushButton*>("compute")->click();
  d.findChild<QPushButton*>("build")->click();
  const QString doc = d.Document();
  EXPECT_TRUE(doc.contains("<time>2025-12-10T11:45:00Z</time>"));
  EXPECT_TRUE(doc.contains("<name>拐点&amp;1</name><sym>Waypoint</sym></wpt>"));
  EXPECT_TRUE(doc.contains("<wpt lat=\"25.2288"));  // 25°13′44″ north

  const auto file = std::filesystem::path(test::TempRoot()) / "航点.gpx";
  script->AnswerFiles({QString::fromStdString(file.string())});
  d.findChild<QPushButton*>("save")->click();
  std::string saved;
  ASSERT_TRUE(fileio::ReadWholeFile(file.string(), saved));
  EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n<gpx ", 0), 0u);
  EXPECT_EQ(saved.find("\n<"), saved.find("\r\n<") + 1) << "every line ends in CR LF";
}

}  // namespace
}  // namespace zv::gpx

namespace zv::gpx {
namespace {

TEST(GpxExportDialog, ReadsPointsAndParametersFromTheOpenWorkbook) {
  workbook::RunningProgram()->CloseAll();
  prompt::ScopedScriptedPrompts script;
  CGpxExportDlg d;
  script->AnswerFiles({});  // no workbook open and none picked
  d.findChild<QPushButton*>("readSheet")->click();
  EXPECT_EQ(script->Messages(), std::vector<QString>{"没有发现Excel!,请先打开EXCEL。"});

  auto book = workbook::RunningProgram()->AddNew(1);
  const workbook::Worksheet sheet = *workbook::Workbook(workbook::RunningProgram(), book).ActiveSheet();
  const workbook::Range cells = sheet.Cells();
  cells.SetItem(1, 1, std::string("点号"));
  cells.SetItem(2, 1, std::string("G1"));
  cells.SetItem(2, 2, std::string("2791538.11"));
  cells.SetItem(2, 3, std::string("455563.88"));
  cells.SetItem(3, 1, std::string("G2"));
  cells.SetItem(3, 2, workbook::CellValue::Number(2791600.123456));  // General shows 2791600.123
  cells.SetItem(3, 3, std::string("455600"));
  cells.SetItem(5, 1, std::string("after the gap"));
  cells.SetItem(1, 6, std::string("-100.5"));
  cells.SetItem(3, 6, std::string("1,005.8"));
  cells.SetItem(4, 6, std::string("117"));
  cells.SetItem(6, 6, std::string("54"));
  d.findChild<QPushButton*>("readSheet")->click();
  ASSERT_EQ(d.list()->GetItemCount(), 2);
  EXPECT_EQ(d.list()->CellText(1, 0), "G2");
  EXPECT_EQ(d.list()->CellText(1, 1), "2791600.123456") << "a General cell's full value";
  EXPECT_EQ(Edit(d, "dx"), "-100.5");
  EXPECT_EQ(Edit(d, "dy"), "-55.2") << "an empty cell keeps the value";
  EXPECT_EQ(Edit(d, "dz"), "1005.8") << "a thousands separator is skipped";
  EXPECT_EQ(Edit(d, "l0"), "117");
  EXPECT_EQ(d.Datum(), 54);
  workbook::RunningProgram()->CloseAll();
}

}  // namespace
}  // namespace zv::gpx

namespace zv::gpx {
namespace {

TEST(GpxExportDialog, HandedOverPointsAreNamedByTheChosenCharacterField) {
  prompt::ScopedScriptedPrompts script;
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle points = BasCreatePointWorkArea(set);
  for (const char* name : {"编号", "备注"}) {
    CFIELD_HEAD field;
    field.name = name;
    BasInsertField(points, kPointEntity, field);
  }
  CFIELD_HEAD number;
  number.name = "高程";
  number.type = kFieldDouble;
  BasInsertField(points, kPointEntity, number);
  const int32_t id = BasAppendPoint(points, {455563.88, 2791538.11}, "", PNT_INFO{});
  AttributeRecord record;
  BasReadAttribute(points, kPointEntity, id, &record);
  BasSetFieldByName(record, "编号", "GP01");
  BasWriteAttribute(points, kPointEntity, id, record);

  CGpxExportDlg d;
  QStringList offered;
  script->AnswerDialog([&](QDialog& chooser) {
    auto* combo = chooser.findChild<QComboBox*>();
    for (int i = 0; i < combo->count(); ++i) offered << combo->itemText(i);
    combo->setCurrentIndex(0);
    chooser.accept();
    return -1;
  });
  d.TakeEntities({{points, kPointEntity, id}, {points, kLineEntity, 1}});
  EXPECT_EQ(offered, (QStringList{"编号", "备注"})) << "character fields only";
  ASSERT_EQ(d.list()->GetItemCount(), 1);
  EXPECT_EQ(d.list()->CellText(0, 0), "GP01");
  EXPECT_EQ(d.list()->CellText(0, 1), "2791538.1");
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv::gpx

namespace zv::gpx {
namespace {

TEST(GpxExportDialog, ABlankCoordinateIsToldAndKeepsTheLastDocument) {
  prompt::ScopedScriptedPrompts script;
  CGpxExportDlg d;
  d.AddDrawingPoint("G1", 455563.88, 2791538.11);
  d.findChild<QPushButton*>("build")->click();
  const QString built = d.Document();
  ASSERT_TRUE(built.contains("<name>G1</name>"));
  d.list()->AddRow({"G2", "", "455600"});
  d.findChild<QPushButton*>("build")->click();
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].startsWith("第2行（点编号“G2”）的坐标无效")) << script->Messages()[0].toStdString();
  EXPECT_EQ(d.Document(), built);
}

}  // namespace
}  // namespace zv::gpx

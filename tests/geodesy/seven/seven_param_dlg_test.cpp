#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/session.h"
#include "geodesy/seven/seven_param_dlg.h"
#include "tests/geodesy/find_child.h"
#include "tests/support/test_env.h"

namespace zv::seven {
namespace {

template <class W = QPushButton>
W* Find(QDialog& d, const char* name) {
  return test::Find<W>(d, name);
}
QString Edit(QDialog& d, const char* name) { return Find<QLineEdit>(d, name)->text(); }

// Three common points of a pure shift: the target is the source with 10 m
// added to every plane coordinate in the same datum and meridian.
const Rows kSource{{"A", "3350000", "500000", "10"}, {"B", "3351000", "501500", "20"}, {"C", "3349000", "502000", "30"}};

TEST(SevenParamDialog, OpensWithItsDefaultsAndFollowsFormAndModel) {
  CSevenParamDlg d;
  EXPECT_EQ(d.windowTitle(), "7参数转换");
  const Settings s = d.CurrentSettings();
  EXPECT_EQ(std::make_tuple(s.source, s.form, s.target, s.model), std::make_tuple(1, 1, 2, 1));
  EXPECT_FALSE(Find<QLineEdit>(d, "sourceL0")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>(d, "targetL0")->isEnabled());
  Find<QRadioButton>(d, "form4")->click();
  EXPECT_TRUE(Find<QLineEdit>(d, "sourceL0")->isEnabled());
  QTest::keyClicks(Find<QLineEdit>(d, "sourceL0"), "4");
  EXPECT_EQ(Edit(d, "targetL0"), "1174") << "typing the source meridian copies it";
  Find<QRadioButton>(d, "model2")->click();
  EXPECT_FALSE(Find<QLineEdit>(d, "ex")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>(d, "dx")->isEnabled());
}

TEST(SevenParamDialog, FitsTransformsSavesAndReadsParameters) {
  prompt::ScopedScriptedPrompts script;
  CSevenParamDlg d;
  Find<QRadioButton>(d, "form4")->click();
  Find<QRadioButton>(d, "target1")->click();  // same datum both sides
  Find<QRadioButton>(d, "model2")->click();
  SetListRows(*d.source(), kSource);
  Rows target = kSource;
  for (Row& r : target) r[3] = std::to_string(std::stoi(r[3]) + 10);  // heights 10 m up
  SetListRows(*d.target(), target);
  Find(d, "fit")->click();
  EXPECT_TRUE(script->Messages().empty());
  // The same ellipsoid and meridian: the shift is the height difference
  // along the point's normal, about −10 m in all.
  const double dx = Edit(d, "dx").toDouble(), dy = Edit(d, "dy").toDouble(), dz = Edit(d, "dz").toDouble();
  EXPECT_NEAR(std::sqrt(dx * dx + dy * dy + dz * dz), 10, 1e-6);
  EXPECT_EQ(Edit(d, "ex"), "") << "three parameters leave the rotations alone";

  d.target()->DeleteAllRows();
  Find(d, "transform")->click();
  ASSERT_EQ(d.target()->GetItemCount(), 3);
  EXPECT_EQ(d.target()->CellText(0, 0), "A");
  // The shift is exact at the point it was taken from.
  EXPECT_EQ(d.target()->GetRowCells(0), (QStringList{"A", "3350000.000", "500000.000", "20.000"}));

  const auto file = std::filesystem::path(test::TempRoot()) / "参数.txt";
  script->AnswerFiles({QString::fromStdString(file.string())});
  Find(d, "saveParameters")->click();
  CSevenParamDlg other;
  script->AnswerFiles({QString::fromStdString(file.string())});
  Find(other, "readParameters")->click();
  EXPECT_EQ(other.CurrentParameters(), d.CurrentParameters());
  EXPECT_EQ(other.CurrentSettings().form, 4);
  EXPECT_FALSE(Find<QLineEdit>(other, "ex")->isEnabled());

  // A fit that cannot run tells why and keeps the parameters shown.
  SetListRows(*d.source(), {});
  Find(d, "fit")->click();
  EXPECT_EQ(script->Messages().back(), "没有公共点，无法计算！");
  EXPECT_EQ(Edit(d, "dx").toDouble(), dx);
  // So does a malformed parameter file.
  std::string bytes;
  ASSERT_TRUE(fileio::ReadWholeFile(file.string(), bytes));
  ASSERT_TRUE(fileio::WriteFileAtomically(file.string(), bytes.substr(0, bytes.size() - 3)));
  script->AnswerFiles({QString::fromStdString(file.string())});
  Find(other, "readParameters")->click();
  EXPECT_EQ(script->Messages().back(), "参数文件应有13行，只有12行。");
  EXPECT_EQ(other.CurrentSettings().form, 4);
}

TEST(SevenParamDialog, ListsComeFromTheClipboardAndTheOpenWorkbook) {
  prompt::ScopedScriptedPrompts script;
  CSevenParamDlg d;
  SetListRows(*d.source(), kSource);
  d.CopyList(d.source());
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("A\t3350000\t500000\t10\r\n"));
  d.PasteList(d.target());
  EXPECT_EQ(ListRows(*d.target()), kSource);
  QApplication::clipboard()->setText("P1 1,2\nP2\t3\t4\t5");
  d.PasteList(d.target());
  EXPECT_EQ(ListRows(*d.target()), (Rows{{"P1", "1", "2", ""}, {"P2", "3", "4", "5"}}));

  workbook::RunningProgram()->CloseAll();
  auto book = workbook::RunningProgram()->AddNew(1);
  const workbook::Range cells = workbook::Workbook(workbook::RunningProgram(), book).ActiveSheet()->Cells();
  const char* header[] = {"点号", "B", "L", "H", "x", "y", "h"};
  for (int c = 0; c < 7; ++c) cells.SetItem(1, c + 1, std::string(header[c]));
  cells.SetItem(2, 1, std::string("K1"));
  cells.SetItem(2, 2, workbook::CellValue::Number(30.152312345678));  // General shows 30.15231235
  cells.SetItem(2, 3, std::string("115.4530"));
  cells.SetItem(2, 4, std::string("1,200.5"));
  cells.SetItem(2, 5, std::string("3350000"));
  cells.SetItem(2, 6, std::string("500000"));
  cells.SetItem(2, 7, std::string("10"));
  d.ReadCommonPoints();
  EXPECT_EQ(ListRows(*d.source()), (Rows{{"K1", "30.152312345678", "115.453", "1,200.5"}}));
  EXPECT_EQ(ListRows(*d.target()), (Rows{{"K1", "3350000", "500000", "10"}}));
  d.ReadSheet(d.target());
  EXPECT_EQ(ListRows(*d.target()), ListRows(*d.source()));
  workbook::RunningProgram()->CloseAll();
  script->AnswerFiles({});
  d.ReadSheet(d.target());
  EXPECT_EQ(script->Messages().back(), "没有发现Excel!,请先打开EXCEL。");
  EXPECT_EQ(d.target()->GetItemCount(), 1) << "the list stays as it was";
}

TEST(SevenParamDialog, SheetCellsKeepTheirFirst49Characters) {
  prompt::ScopedScriptedPrompts script;
  CSevenParamDlg d;
  workbook::RunningProgram()->CloseAll();
  auto book = workbook::RunningProgram()->AddNew(1);
  const workbook::Range cells = workbook::Workbook(workbook::RunningProgram(), book).ActiveSheet()->Cells();
  QString longName;
  for (int i = 0; i < 60; ++i) longName += QChar(0x5b54 + i % 3);  // Chinese: cut by characters
  cells.SetItem(2, 1, longName.toStdString());
  cells.SetItem(2, 2, workbook::CellValue::Text(std::string(60, '7')));
  cells.SetItem(2, 5, workbook::CellValue::Text(std::string(55, 'x')));
  d.ReadCommonPoints();
  ASSERT_EQ(d.source()->GetItemCount(), 1);
  EXPECT_EQ(d.source()->CellText(0, 0), longName.left(49));
  EXPECT_EQ(d.source()->CellText(0, 1), QString(49, '7'));
  EXPECT_EQ(d.target()->CellText(0, 0), longName.left(49));
  EXPECT_EQ(d.target()->CellText(0, 1), QString(49, 'x'));
  d.ReadSheet(d.source());
  EXPECT_EQ(d.source()->CellText(0, 1), QString(49, '7'));
  workbook::RunningProgram()->CloseAll();
}

}  // namespace
}  // namespace zv::seven

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "framework/prompts/scripted_prompts.h"
#include "framework/text/encoding.h"
#include "framework/workbook/session.h"
#include "tests/support/test_env.h"
#include "zavediz/dialogs/borehole_place_dlg.h"

namespace zv::zavediz {
namespace {

TEST(PlacementCoordinates, EightLinesFillTheFieldsAndMissingOnesReadZero) {
  BoreholePlacement placement;
  placement.hole = "ZK7";
  ReadPlacementCoordinates("2000\r\n100.5\r\n200.25\r\n3.5\r\n4\r\n -12.5 m\r\n7\r\n8\r\n", placement);
  BoreholePlacement expected;
  expected.hole = "ZK7";
  expected.scale = 2000;
  expected.lineX = 100.5;
  expected.lineY = 200.25;
  expected.sectionX = 3.5;
  expected.sectionY = 4;
  expected.sectionH = -12.5;
  expected.planX = 7;
  expected.planY = 8;
  EXPECT_EQ(placement, expected);

  ReadPlacementCoordinates("500\n1\n2\n3\n4", placement);  // LF only, five lines
  expected.scale = 500;
  expected.lineX = 1;
  expected.lineY = 2;
  expected.sectionX = 3;
  expected.sectionY = 4;
  expected.sectionH = expected.planX = expected.planY = 0;
  EXPECT_EQ(placement, expected);
}

TEST(PlacementCoordinates, AFileWithAByteOrderMarkOrInUtf16ReadsItsScale) {
  const std::string lines = "2000\r\n100.5\r\n200.25\r\n3.5\r\n4\r\n-12.5\r\n7\r\n8\r\n";
  BoreholePlacement plain;
  ReadPlacementCoordinates(lines, plain);
  for (const std::string& bytes : {"\xEF\xBB\xBF" + lines, text::EncodeTextFile(lines, text::TextEncoding::Utf16Le)}) {
    BoreholePlacement placement;
    ReadPlacementCoordinates(bytes, placement);
    EXPECT_EQ(placement, plain);
    EXPECT_EQ(placement.scale, 2000);
  }
}

class PlacementDialog : public ::testing::Test {
 protected:
  void SetUp() override { workbook::RunningProgram()->CloseAll(); }
  void TearDown() override { workbook::RunningProgram()->CloseAll(); }

  // A workbook whose first column holds a heading and `ids` below it.
  void OpenSheet(const std::vector<std::string>& ids) {
    auto book = workbook::RunningProgram()->AddNew(1);
    const workbook::Worksheet sheet = *workbook::Workbook(workbook::RunningProgram(), book).ActiveSheet();
    sheet.Cells().SetItem(1, 1, std::string("孔号"));
    sheet.Cells().SetItem(1, 2, std::string("深度"));
    for (std::size_t i = 0; i < ids.size(); ++i) sheet.Cells().SetItem(static_cast<int>(i) + 2, 1, ids[i]);
  }

  prompt::ScopedScriptedPrompts script;
};

QStringList Entries(const QComboBox& combo) {
  QStringList entries;
  for (int i = 0; i < combo.count(); ++i) entries << combo.itemText(i);
  return entries;
}

TEST_F(PlacementDialog, ListsTheSheetsHolesWithTheSecondSelected) {
  OpenSheet({"ZK101", "ZK102"});
  script->AnswerDialog([](QDialog& d) {
    auto* hole = d.findChild<QComboBox*>("hole");
    EXPECT_EQ(Entries(*hole), (QStringList{"ZK101", "ZK102", ""}));
    EXPECT_EQ(hole->currentText(), "ZK102");
    EXPECT_EQ(d.findChild<QLineEdit*>("scale")->text(), "1000");
    EXPECT_FALSE(d.findChild<QCheckBox*>("precise")->isChecked());
    EXPECT_FALSE(d.findChild<QLineEdit*>("sectionH")->isEnabled());
    EXPECT_FALSE(d.findChild<QPushButton*>("readCoordinates")->isEnabled());
    d.accept();
    return -1;
  });
  CBoreholePlaceDlg dialog;
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.Placement().hole, "ZK102");
  EXPECT_FALSE(dialog.Placement().precise);
  EXPECT_TRUE(script->Messages().empty());
}

TEST_F(PlacementDialog, PrecisePositioningReadsACoordinateFile) {
  OpenSheet({"ZK1"});
  const std::string path = test::TempRoot() + "/坐标.txt";
  std::ofstream(path) << "2000\r\n10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n";
  script->AnswerDialog([&](QDialog& d) {
    d.findChild<QCheckBox*>("precise")->click();
    EXPECT_TRUE(d.findChild<QLineEdit*>("planY")->isEnabled());
    script->AnswerFiles({QString::fromStdString(path)});
    d.findChild<QPushButton*>("readCoordinates")->click();
    EXPECT_EQ(d.findChild<QLineEdit*>("sectionH")->text(), "50");
    d.findChild<QLineEdit*>("planX")->setText("61.5");
    d.accept();
    return -1;
  });
  CBoreholePlaceDlg dialog;
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  const BoreholePlacement& p = dialog.Placement();
  EXPECT_EQ(script->asked()[1].files.title, "打开坐标数据");
  EXPECT_EQ(script->asked()[1].files.filter, "Data Files(*.txt)|*.txt||");
  EXPECT_EQ(std::tie(p.scale, p.lineX, p.lineY, p.sectionX, p.sectionY, p.sectionH, p.planX, p.planY),
            std::make_tuple(2000, 10.0, 20.0, 30.0, 40.0, 50.0, 61.5, 70.0));
  EXPECT_TRUE(p.precise);
  EXPECT_EQ(p.hole, "") << "a single hole: the second entry is the empty cell below it";
}

TEST_F(PlacementDialog, WithoutAWorkbookATypedHoleIsTaken) {
  script->AnswerFiles({});  // no workbook picked
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerDialog([](QDialog& d) {
    auto* hole = d.findChild<QComboBox*>("hole");
    EXPECT_EQ(hole->count(), 0);
    EXPECT_EQ(hole->currentText(), "ZK");
    hole->setEditText("ZK9");
    d.findChild<QLineEdit*>("scale")->setText("abc");
    d.accept();  // refused: not a number
    d.findChild<QLineEdit*>("scale")->setText("500");
    d.accept();
    return -1;
  });
  CBoreholePlaceDlg dialog;
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"没有发现Excel!", "请输入一个整数。"}));
  EXPECT_EQ(dialog.Placement().hole, "ZK9");
  EXPECT_EQ(dialog.Placement().scale, 500);
}

TEST_F(PlacementDialog, AnEmptySheetIsTold) {
  workbook::RunningProgram()->AddNew(1);
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QComboBox*>("hole")->count(), 0);
    d.reject();
    return -1;
  });
  CBoreholePlaceDlg dialog;
  EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
  EXPECT_EQ(script->Messages(), std::vector<QString>{"\n当前表格没有数据!"});
}

}  // namespace
}  // namespace zv::zavediz

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/scripted_prompts.h"
#include "geodesy/block/mining_block_dlg.h"
#include "tests/support/test_env.h"

namespace zv::block {
namespace {

namespace fs = std::filesystem;

TEST(MiningBlockDialog, ReadFileMakeMapsAndOpenThem) {
  prompt::ScopedScriptedPrompts script;
  const fs::path file = fs::path(test::TempRoot()) / "拐点.txt";
  std::ofstream(file) << "1,114°40′,39°21′\n2,114°41′,39°21′\n3,114°41′,39°20′\n4,114°40′,39°20′\n";
  std::vector<QString> opened;
  CMiningBlockDlg d([&](const QString& p) {
    opened.push_back(p);
    return true;
  });
  d.SetClock([] { return Date{2026, 12, 10}; });
  script->AnswerFiles({QString::fromStdString(file.string())});
  d.findChild<QPushButton*>("read")->click();
  ASSERT_EQ(d.list()->GetItemCount(), 4);
  EXPECT_EQ(d.list()->CellText(0, 1), "1144000.00");

  const fs::path out = fs::path(test::TempRoot()) / "新建" / "图件";
  d.findChild<QLineEdit*>("folder")->setText(QString::fromStdString(out.string()));
  d.findChild<QPushButton*>("all")->click();
  EXPECT_TRUE(script->Messages().empty());
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_TRUE(opened[0].endsWith("区块1.mpj"));
  EXPECT_TRUE(opened[2].endsWith("区块3_1.mpj"));
  EXPECT_TRUE(fs::exists(out / "区块2.wt"));

  d.findChild<QLineEdit*>("folder")->clear();
  d.findChild<QPushButton*>("map2")->click();
  EXPECT_EQ(script->Messages(), std::vector<QString>{"请选择你要保存的路径！！！"});
  EXPECT_EQ(opened.size(), 3u);
}

TEST(MiningBlockDialog, CopyThenPasteReproducesTheListAndAddNumbersRows) {
  CMiningBlockDlg d(nullptr);
  d.SetRows({{"1", "1144000", "392100"}, {"", "", ""}, {"2", "1144100", "392100"}});
  d.AddCornerRow();
  EXPECT_EQ(d.list()->CellText(3, 0), "4");
  const CornerRows before = d.Rows();
  d.CopyCorners();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("1\t1144000\t392100\r\n"));
  d.list()->DeleteAllRows();
  d.PasteCorners();
  EXPECT_EQ(d.Rows(), before);
  QApplication::clipboard()->setText("7 1144000 392100\n8,1144100,392100");
  d.PasteCorners();
  EXPECT_EQ(d.Rows(), (CornerRows{{"7", "1144000", "392100"}, {"8", "1144100", "392100"}}));
}

}  // namespace
}  // namespace zv::block

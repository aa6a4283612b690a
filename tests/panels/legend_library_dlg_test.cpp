// The legend library dialog, driven offscreen through its controls, its
// grid's notices and the prompts seam.
#include "panels/legend_library_dlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/support/test_env.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

void RunPosted() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class LegendLibraryDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterLegendLibraryCommands();
    fs::remove_all(LegendFolder());
    ASSERT_TRUE(MakeLegendFolder());
  }

  // An item whose one line starts at x, so its body names it.
  static std::string WriteItem(const std::string& number, const std::string& name, double x, int16_t flag = 0) {
    LegendHeader header;
    header.number = number;
    header.name = name;
    header.flag = flag;
    LegendBody body;
    LineRecord line;
    line.vertices = {{x, 0}, {x + 1, 1}};
    body.lines.push_back(line);
    const std::string path = LegendFolder() + LegendFileName(number, name);
    EXPECT_TRUE(WriteLegendItemFile(path, header, body));
    return path;
  }

  static void WriteRaw(const std::string& name, const std::string& bytes) {
    std::ofstream(LegendFolder() + name, std::ios::binary) << bytes;
  }

  static std::string Bytes(const std::string& path) {
    std::string bytes;
    fileio::ReadWholeFile(path, bytes);
    return bytes;
  }

  static double FirstX(const std::string& path) {
    LegendItem item;
    EXPECT_TRUE(panels::ReadLegendItemFile(path, &item));
    return item.body.lines.empty() ? -1 : item.body.lines[0].vertices[0].x;
  }

  std::unique_ptr<CLegendLibraryDlg> Start() {
    auto dlg = std::make_unique<CLegendLibraryDlg>();
    dlg->OnInitDialog();
    return dlg;
  }

  static QStringList Column(const CLegendLibraryDlg& dlg, int column) {
    QStringList texts;
    for (int row = 0; row < dlg.Grid()->GetItemCount(); ++row) texts << dlg.Grid()->CellText(row, column);
    return texts;
  }

  static void Select(CLegendLibraryDlg& dlg, int row) {
    dlg.Grid()->clearSelection();
    dlg.Grid()->SelectRow(row);
  }

  static void Notice(CLegendLibraryDlg& dlg, int row, int code) {
    msg::PostPrivateMessage(&dlg, msg::kLegendGridUsed, row, code);
    RunPosted();
  }

  static void SetFilter(CLegendLibraryDlg& dlg, const QString& text) {
    dlg.findChild<QLineEdit*>(QStringLiteral("control1416"))->setText(text);
  }

  static double PreviewX(const CLegendLibraryDlg& dlg) {
    std::vector<D_DOT> vertices;
    return BasReadLine(dlg.PreviewWorkAreas().lines, 1, &vertices, nullptr) ? vertices[0].x : -1;
  }

  prompt::ScopedScriptedPrompts prompts_;
};

TEST_F(LegendLibraryDlgTest, TheListShowsItemFilesInNameOrderAndTheFilterWantsItsCommas) {
  WriteItem("0001", "a", 1, 2);
  WriteRaw("0002 notes.txt", "x");
  WriteItem("0003", "b", 3, 1);
  WriteRaw("0004_short.TL", "0004");
  WriteItem("0000", "zero", 0);
  WriteRaw("0005_zero.TL", std::string(kLegendHeaderSize + 12, '\0'));  // header number 0
  auto dlg = Start();
  EXPECT_EQ(Column(*dlg, 2), (QStringList{"0001", "0003"}));
  EXPECT_EQ(Column(*dlg, 1), (QStringList{"2", "4"})) << "serials count every file";
  EXPECT_EQ(Column(*dlg, 6), (QStringList{"2", "1"}));
  EXPECT_EQ(dlg->findChild<QLabel*>("listNote")->text().count("0004_short.TL"), 1);
  EXPECT_EQ(dlg->m_nCurrentRow, -1);
  EXPECT_EQ(dlg->m_nEditRow, -1);

  const struct {
    const char* filter;
    QStringList numbers;
  } cases[] = {
      {"2,", {"0001"}}, {"2", {}}, {"2,2,", {"0001", "0001"}}, {"1,2,x", {"0001", "0003"}}, {",", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    SetFilter(*dlg, c.filter);
    dlg->findChild<QPushButton*>("control1414")->click();
    EXPECT_EQ(Column(*dlg, 2), c.numbers);
  }
  dlg->findChild<QPushButton*>("control1006")->click();
  EXPECT_EQ(Column(*dlg, 2).size(), 2);
}

TEST_F(LegendLibraryDlgTest, AnEmptyFolderListsNothingAndAddingCreatesTheFirstItem) {
  fs::remove_all(LegendFolder());
  auto dlg = Start();
  EXPECT_EQ(dlg->Grid()->GetItemCount(), 0);
  dlg->findChild<QPushButton*>("control1155")->click();
  ASSERT_EQ(dlg->Grid()->GetRowCells(0),
            (QStringList{"", "1", "0001", "图例名称", "8", "12", "0", "0", ""}));
  const std::string bytes = Bytes(LegendFolder() + "0001_图例名称.TL");
  ASSERT_EQ(bytes.size(), kLegendHeaderSize + 12);
  EXPECT_EQ(bytes.substr(kLegendHeaderSize), std::string(12, '\0'));
  dlg->AddLegendItem();
  EXPECT_EQ(Column(*dlg, 2), (QStringList{"0001", "0002"}));
}

TEST_F(LegendLibraryDlgTest, SaveAndDeleteBeforeAnyPreviewTouchNoFile) {
  const std::string path = WriteItem("0001", "a", 1);
  const std::string before = Bytes(path);
  auto dlg = Start();
  dlg->SaveLegendItem();
  dlg->DeleteLegendItem();
  ASSERT_EQ(prompts_->Messages().size(), 2u);
  EXPECT_FALSE(prompts_->Messages()[0].contains("成功"));
  EXPECT_EQ(Bytes(path), before);
  EXPECT_EQ(dlg->Grid()->GetItemCount(), 1);
}

TEST_F(LegendLibraryDlgTest, FlagsAndOrderAreWrittenIntoTheRowsOwnFilesOnly) {
  const std::string a = WriteItem("0001", "a", 1);
  const std::string b = WriteItem("0002", "b", 2);
  WriteRaw("0002 notes.txt", "x");
  WriteRaw("0002x.txt", "y");
  auto dlg = Start();
  Select(*dlg, 1);
  SetFilter(*dlg, "7,");
  dlg->findChild<QPushButton*>("control1418")->click();
  EXPECT_EQ(Column(*dlg, 6), (QStringList{"0", "7,"}));
  const auto flag = [&](const std::string& path) {
    return bytes::ReadLe<int16_t>(reinterpret_cast<const uint8_t*>(Bytes(path).data()) + 32);
  };
  EXPECT_EQ(flag(b), 7);
  EXPECT_EQ(flag(a), 0);

  dlg->Grid()->SetCellText(0, 0, "1");  // a marked row keeps its flag
  dlg->Grid()->SelectRow(0);
  SetFilter(*dlg, "9");
  dlg->SetLegendFlags();
  EXPECT_EQ(flag(a), 0);
  EXPECT_EQ(flag(b), 9);

  Select(*dlg, 1);
  dlg->MoveLegendRowUp();
  EXPECT_EQ(Column(*dlg, 2), (QStringList{"0002", "0001"}));
  dlg->Grid()->SetCellText(0, 3, "bb");
  dlg->StoreLegendOrder();
  EXPECT_EQ(Column(*dlg, 7), (QStringList{"1", "2"}));
  EXPECT_EQ(Column(*dlg, 2), (QStringList{"0002", "0001"})) << "numbers stay";
  const auto order = [&](const std::string& path) {
    return bytes::ReadLe<int32_t>(reinterpret_cast<const uint8_t*>(Bytes(path).data()) + 34);
  };
  const std::string renamed = LegendFolder() + "0002_bb.TL";
  EXPECT_FALSE(fs::exists(b));
  EXPECT_EQ(order(renamed), 1);
  EXPECT_EQ(order(a), 2);
  EXPECT_EQ(FirstX(renamed), 2);
  EXPECT_EQ(Bytes(LegendFolder() + "0002 notes.txt"), "x");
  EXPECT_EQ(Bytes(LegendFolder() + "0002x.txt"), "y");
  EXPECT_EQ(dlg->RowFile(0), renamed);
}

TEST_F(LegendLibraryDlgTest, MovingPastTheEndsIsRefusedAndFilesStay) {
  const std::string a = WriteItem("0001", "a", 1);
  WriteItem("0002", "b", 2);
  const std::string before = Bytes(a);
  auto dlg = Start();
  Select(*dlg, 0);
  dlg->MoveLegendRowUp();
  Select(*dlg, 1);
  dlg->MoveLegendRowDown();
  EXPECT_EQ(prompts_->Messages(), (std::vector<QString>{"已经位于第一行!", "已经位于最末行!"}));
  dlg->MoveLegendRowUp();
  EXPECT_EQ(Column(*dlg, 2), (QStringList{"0002", "0001"}));
  EXPECT_EQ(dlg->Grid()->GetSelectedRows(), std::vector<int>{0});
  EXPECT_EQ(Bytes(a), before);
}

TEST_F(LegendLibraryDlgTest, DeleteMovesTheFileToTheTrashAfterAskingAndTheRowGoes) {
  WriteItem("0001", "a", 1);
  const std::string b = WriteItem("0002", "b", 2);
  WriteRaw("0002 notes.txt", "x");
  auto dlg = Start();
  Select(*dlg, 1);
  EXPECT_EQ(dlg->m_nCurrentRow, 1);
  EXPECT_EQ(PreviewX(*dlg), 2);

  prompts_->AnswerMessage(prompt::kAnswerNo);
  dlg->DeleteLegendItem();
  EXPECT_TRUE(fs::exists(b));
  EXPECT_EQ(dlg->Grid()->GetItemCount(), 2);

  prompts_->AnswerMessage(prompt::kAnswerYes);
  dlg->findChild<QPushButton*>("control1281")->click();
  EXPECT_FALSE(fs::exists(b));
  bool trashed = false;
  for (const auto& entry : fs::recursive_directory_iterator(test::TempRoot())) {
    trashed |= entry.path().filename() == "0002_b.TL" && entry.path().string().find("Trash") != std::string::npos;
  }
  EXPECT_TRUE(trashed);
  EXPECT_EQ(Column(*dlg, 2), QStringList{"0001"});
  EXPECT_EQ(dlg->m_nCurrentRow, 0);
  EXPECT_EQ(dlg->Grid()->GetSelectedRows(), std::vector<int>{0});
  EXPECT_EQ(PreviewX(*dlg), 1);
  EXPECT_EQ(Bytes(LegendFolder() + "0002 notes.txt"), "x");
}

TEST_F(LegendLibraryDlgTest, AFailedMoveToTheTrashIsToldAndTheRowStays) {
  const std::string a = WriteItem("0001", "a", 1);
  auto dlg = Start();
  Select(*dlg, 0);
  fs::remove(a);
  prompts_->AnswerMessage(prompt::kAnswerYes);
  dlg->DeleteLegendItem();
  EXPECT_TRUE(prompts_->Messages().back().contains("0001_a.TL"));
  EXPECT_EQ(dlg->Grid()->GetItemCount(), 1);
}

TEST_F(LegendLibraryDlgTest, AnEditRewritesTheEditedItemWithItsOwnBody) {
  WriteItem("0001", "a", 1);
  WriteItem("0002", "b", 5);
  auto dlg = Start();
  Select(*dlg, 0);  // previews item 1
  Notice(*dlg, 0, 2);
  EXPECT_EQ(dlg->m_nEditRow, 0);

  // Row 1 is edited while the keep areas hold item 1.
  dlg->Grid()->SetCellText(1, 3, "一二三四五六七八九十百");
  dlg->Grid()->SetCellText(1, 8, "注");
  Notice(*dlg, 1, 1);
  const std::string renamed = LegendFolder() + "0002_一二三四五六七八九十.TL";
  ASSERT_TRUE(fs::exists(renamed));
  EXPECT_EQ(FirstX(renamed), 5);
  LegendHeader header;
  ASSERT_TRUE(ReadLegendHeaderFile(renamed, &header));
  EXPECT_EQ(header.name, "一二三四五六七八九十");
  EXPECT_EQ(header.annotation, "注");
  EXPECT_EQ(dlg->Grid()->CellText(1, 3), "一二三四五六七八九十");

  // Row 0, edited while its own item is kept, takes the kept body.
  dlg->Grid()->SetCellText(0, 3, "a/b");
  Notice(*dlg, 0, 1);
  const std::string cleaned = LegendFolder() + "0001_a_b.TL";
  ASSERT_TRUE(fs::exists(cleaned));
  EXPECT_EQ(FirstX(cleaned), 1);

  Select(*dlg, 1);  // the renamed item still previews
  EXPECT_EQ(PreviewX(*dlg), 5);
  prompts_->AnswerMessage(prompt::kAnswerOk);
  dlg->SaveLegendItem();
  EXPECT_EQ(prompts_->Messages().back(), "图例保存成功！！");
  EXPECT_EQ(FirstX(renamed), 5);
}

TEST_F(LegendLibraryDlgTest, OkHandsTheMarkedFilesInRowOrderAndTheLayout) {
  WriteItem("0001", "a", 1);
  WriteItem("0002", "b", 2);
  WriteItem("0003", "c", 3);
  CLegendLibraryDlg dlg;
  prompts_->AnswerDialog([](QDialog& d) {
    auto& library = static_cast<CLegendLibraryDlg&>(d);
    library.Grid()->SetCellText(0, 0, "1");
    library.Grid()->SetCellText(2, 0, "1");
    library.Grid()->SelectRow(2);
    library.MoveLegendRowUp();  // c now before b
    library.findChild<QLineEdit*>("control1120")->setText("2");
    library.findChild<QLineEdit*>("control1276")->setText("15");
    library.findChild<QPushButton*>("control1")->click();
    return -1;
  });
  ASSERT_EQ(dlg.DoModal(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_strItems, (std::vector<std::string>{LegendFolder() + "0001_a.TL", LegendFolder() + "0003_c.TL"}));
  EXPECT_EQ(dlg.m_nItemCount, 2);
  EXPECT_EQ(dlg.m_nColumns, 2);
  EXPECT_EQ(dlg.m_nWidth, 15);
  EXPECT_EQ(dlg.m_nRows, 1);
  EXPECT_EQ(dlg.m_nTextMode, 1);
  EXPECT_FALSE(BasIsWorkAreaValid(dlg.KeptWorkAreas().points) || BasIsWorkAreaValid(dlg.PreviewWorkAreas().lines));
}

TEST_F(LegendLibraryDlgTest, CancelHandsNothingAndABadNumberKeepsTheDialogOpen) {
  WriteItem("0001", "a", 1);
  CLegendLibraryDlg dlg;
  prompts_->AnswerDialog([](QDialog& d) {
    auto& library = static_cast<CLegendLibraryDlg&>(d);
    library.Grid()->SetCellText(0, 0, "1");
    library.findChild<QLineEdit*>("control1119")->setText("x");
    library.accept();
    EXPECT_FALSE(library.result() == QDialog::Accepted);
    return QDialog::Rejected;
  });
  EXPECT_EQ(dlg.DoModal(), QDialog::Rejected);
  EXPECT_EQ(dlg.m_nItemCount, 0);
  EXPECT_TRUE(prompts_->Messages().front().contains("整数"));
}

TEST_F(LegendLibraryDlgTest, TheContextMenuHoldsTheEightCommands) {
  WriteItem("0001", "a", 1);
  auto dlg = Start();
  std::unique_ptr<QMenu> menu(dlg->BuildContextMenu());
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* action : menu->actions()) {
    if (action->isVisible()) texts << action->text();
  }
  EXPECT_EQ(texts, (QStringList{"添加图例", "保存图例", "物理删除", "全部显示", "清除选择", "向上移动", "向下移动",
                                "重新排序"}));
  menu->actions().front()->trigger();
  EXPECT_EQ(dlg->Grid()->GetItemCount(), 2);
}

}  // namespace
}  // namespace zv::panels

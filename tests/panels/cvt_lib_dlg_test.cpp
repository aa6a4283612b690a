// The system-library comparison dialog, driven offscreen, and its command.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/shell/shell_open.h"
#include "panels/cvt_lib_commands.h"
#include "panels/cvt_lib_dlg.h"
#include "panels/pattern_view.h"
#include "platform/view/gis_edit_view.h"
#include "tests/panels/hatch_test_support.h"
#include "tests/support/test_env.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

class CvtLibDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_);
    test::WriteFile(comparison_, ";" + zv::test::DataPath("display/lib") + "\n;" + folder_ + "/none\n"
                                 "#子图库\n1,2,3\n2,1\n1,4\n#线型库\n1-1,2-0\n1,1\n");
  }
  template <class W = QLineEdit>
  static W* Control(CDlgCvtLib& dlg, int id) {
    auto* w = dlg.findChild<W*>(QStringLiteral("control%1").arg(id));
    EXPECT_NE(w, nullptr) << id;
    return w;
  }
  static QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  static int Entities(const PreviewAreas& a) {
    int total = 0;
    for (auto [area, counter] : {std::pair{a.points, &BasGetPointCount}, {a.lines, &BasGetLineCount},
                                 {a.regions, &BasGetRegionCount}}) {
      int32_t live = 0, bound = 0;
      counter(area, &live, &bound);
      total += live;
    }
    return total;
  }
  void Read(CDlgCvtLib& dlg) {
    prompts_->AnswerFiles({QString::fromStdString(comparison_)});
    Control<QPushButton>(dlg, 1365)->click();
  }
  static void Choose(QComboBox* kinds, const QString& kind) { kinds->setCurrentIndex(kinds->findText(kind)); }

  std::string folder_ = zv::test::TempRoot() + "/cvt";
  std::string comparison_ = folder_ + "/compare.txt";
  prompt::ScopedScriptedPrompts prompts_;
};

TEST_F(CvtLibDlgTest, KindsFollowTheirCheckBoxesAndColoursAreNeverOffered) {
  CDlgCvtLib dlg;
  auto* kinds = Control<QComboBox>(dlg, 1168);
  const auto texts = [kinds] {
    QStringList t;
    for (int i = 0; i < kinds->count(); ++i) t << kinds->itemText(i);
    return t;
  };
  EXPECT_EQ(texts(), (QStringList{"图案库", "线型库", "子图库"}));
  EXPECT_EQ(kinds->currentIndex(), -1);
  EXPECT_FALSE(Control<QCheckBox>(dlg, 1233)->isEnabled());
  Control<QCheckBox>(dlg, 1083)->click();
  EXPECT_EQ(texts(), (QStringList{"图案库", "子图库"}));
  EXPECT_EQ(dlg.SourceView()->displayMode, 7);
  EXPECT_EQ(dlg.TargetView()->geometry(), QRect(QPoint(431, 57), QPoint(608, 205)));
  EXPECT_EQ(Control(dlg, 1362)->text().toStdString(), paths::DataFile("cvtLib.txt"));
}

TEST_F(CvtLibDlgTest, ReadingTheFileSetsTheFoldersAndEntriesPreviewOnBothSides) {
  CDlgCvtLib dlg;
  Read(dlg);
  EXPECT_EQ(prompts_->asked().back().text, "读取系统库比较文件");
  EXPECT_EQ(prompts_->asked().back().files.folder.toStdString(),
            fs::path(paths::DataFile("cvtLib.txt")).parent_path().string());
  EXPECT_EQ(Control(dlg, 1362)->text().toStdString(), comparison_);
  EXPECT_EQ(Control(dlg, 1361)->text().toStdString(), zv::test::DataPath("display/lib"));
  EXPECT_EQ(Control(dlg, 1118)->text().toStdString(), folder_ + "/none");

  auto* kinds = Control<QComboBox>(dlg, 1168);
  auto* sources = Control<QListWidget>(dlg, 1363);
  auto* targets = Control<QListWidget>(dlg, 1008);
  Choose(kinds, "子图库");
  EXPECT_EQ(Items(sources), (QStringList{"1", "2", "1"}));
  const LIN_INFO defaultLine = *BasGetDefaultLineParam(0);
  sources->setCurrentRow(1);
  EXPECT_EQ(Items(targets), (QStringList{"1"}));
  EXPECT_GT(Entities(dlg.SourceAreas()), 0);
  EXPECT_TRUE(*BasGetDefaultLineParam(0) == defaultLine);
  EXPECT_DOUBLE_EQ(dlg.SourceView()->_GetWinDispParam().scale, 100.0);
  sources->setCurrentRow(0);
  EXPECT_EQ(Items(targets), (QStringList{"2", "3", "4"}));

  // The target folder holds no library: the message, and the preview keeps what it showed.
  const int before = Entities(dlg.TargetAreas());
  targets->setCurrentRow(0);
  EXPECT_EQ(prompts_->Messages().back(), "可能系统库被程序占用，\n\n请先退出其他程序或者修改本程序默认系统库！");
  EXPECT_EQ(Entities(dlg.TargetAreas()), before);

  Choose(kinds, "线型库");
  EXPECT_EQ(Items(sources), (QStringList{"1-1", "1"}));
  EXPECT_TRUE(Items(targets).isEmpty());
  sources->setCurrentRow(0);  // a grouped entry is read, not drawn
  EXPECT_EQ(Entities(dlg.SourceAreas()), 0);
  const auto messages = prompts_->Messages().size();
  sources->setCurrentRow(1);  // a plain number on the two-level line-type library
  ASSERT_EQ(prompts_->Messages().size(), messages + 1);
  EXPECT_TRUE(prompts_->Messages().back().contains("两级索引"));
  EXPECT_EQ(Entities(dlg.SourceAreas()), 0);
  dlg.reject();
}

TEST_F(CvtLibDlgTest, ButtonsWithoutAConversionChangeNothingAndEditOpensTheFile) {
  CDlgCvtLib dlg;
  dlg.show();
  shell::ScopedRecordingOpener opener;
  for (int id : {1, 1279, 1280, 1211, 1367}) Control<QPushButton>(dlg, id)->click();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(prompts_->asked().empty());
  Control<QPushButton>(dlg, 1369)->click();
  EXPECT_EQ(opener.opened(), QStringList{Control(dlg, 1362)->text()});
  prompts_->AnswerFiles({QStringLiteral("/tmp/other.txt")});
  Control<QPushButton>(dlg, 1366)->click();
  EXPECT_EQ(prompts_->asked().back().text, "保存系统库比较文件");
  EXPECT_TRUE(prompts_->asked().back().files.save);
  EXPECT_EQ(Control(dlg, 1362)->text(), "/tmp/other.txt");
  const QString before = Control(dlg, 1361)->text();
  Control<QPushButton>(dlg, 1203)->click();  // the folder picker cancelled
  EXPECT_EQ(Control(dlg, 1361)->text(), before);
  prompts_->AnswerFolder(QString::fromStdString(folder_));
  Control<QPushButton>(dlg, 1202)->click();
  EXPECT_EQ(Control(dlg, 1118)->text().toStdString(), folder_);
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
}

struct SectionToolView : CGisEditView, docview::CView {
  std::string_view CommandClass() const override { return "CSecToolView"; }
  QWidget* Widget() override { return this; }
};

TEST_F(CvtLibDlgTest, SectionViewCommandOpensTheDialogOnTheShippedComparisonFile) {
  RegisterCvtLibCommands();
  SectionToolView view;
  QString file;
  prompts_->AnswerDialog([&](QDialog& dialog) {
    file = dialog.findChild<QLineEdit*>(QStringLiteral("control1362"))->text();
    return static_cast<int>(QDialog::Rejected);
  });
  EXPECT_EQ(cmd::Execute({&view}, kCommandCvtLib), cmd::RunResult::kRan);
  EXPECT_EQ(prompts_->asked().back().text, "系统库转换");
  EXPECT_TRUE(fs::exists(file.toStdString()));
  const auto rows = cmd::Menus().RowsOf(cmd::kMenuSection);
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const cmd::MenuRow& r) {
    return r.id == kCommandCvtLib && std::string_view(r.path) == "&S系统库/系统库转换";
  }));
}

}  // namespace
}  // namespace zv::panels

// The hatch pattern dialog, driven offscreen through its controls.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/core/hatch_options.h"
#include "panels/hatch_lib_dlg.h"
#include "panels/pattern_view.h"
#include "platform/display/system_library.h"
#include "tests/panels/hatch_test_support.h"
#include "tests/support/test_env.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

class HatchLibDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(acad_);
    fs::create_directories(lib_);
    test::WriteFile(acad_ + "b.pat",
                    "*ALPHA\n0, 0,0, 0,1\n*SAND1\n45, 0,0, 0,1\n*BETA\n0, 0,0, 0,2\n*GAMMA\n90, 0,0, 0,1\n"
                    "*SAND2,dense\n0, 0,0, 0,0.5\n*SANDY\n0, 0,0, 0,3\n");
    test::WriteFile(acad_ + "a.PAT", "*ONE\n0, 0,0, 0,1\n*TWO\n90, 0,0, 0,1\n");
    test::WriteFile(acad_ + "notes.txt", "x");
    const test::TestElement line{2, 0, 0, 0, {{{0.1f, 0.1f}, {0.9f, 0.9f}}}};
    test::WriteFile(lib_ + "FILLGRPH.lib", test::LibraryBytes(6, {{line}, {line}}));
    test::WriteFile(lib_ + "fillgrph2.LIB", test::LibraryBytes(6, {{line}}));
    test::WriteFile(lib_ + "other.lib", test::LibraryBytes(6, {{line}}));
    fs::remove(OptionsPath());
  }
  static std::string OptionsPath() { return paths::DataFile(kHatchOptionsFile); }

  // A dialog over the fixture folders, started as DoModal starts it.
  std::unique_ptr<CHatchLibDlg> Start(int fillColour = 9) {
    auto dlg = std::make_unique<CHatchLibDlg>();
    dlg->m_strAcadFolder = acad_;
    dlg->m_strLibFolder = lib_;
    dlg->m_nFillColor = fillColour;
    dlg->OnInitDialog();
    return dlg;
  }
  template <class W = QLineEdit>
  static W* Control(CHatchLibDlg& dlg, int id) {
    auto* w = dlg.findChild<W*>(QStringLiteral("control%1").arg(id));
    EXPECT_NE(w, nullptr) << id;
    return w;
  }
  static void Type(CHatchLibDlg& dlg, int id, const QString& text) {
    QLineEdit* edit = Control(dlg, id);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  static QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  static int Lines(const CHatchLibDlg& dlg) {
    int32_t live = 0, bound = 0;
    BasGetLineCount(dlg.PreviewWorkAreas().lines, &live, &bound);
    return live;
  }

  std::string acad_ = zv::test::TempRoot() + "/acad/";
  std::string lib_ = zv::test::TempRoot() + "/lib/";
  prompt::ScopedScriptedPrompts prompts_;
};

TEST_F(HatchLibDlgTest, DefaultsListTheShippedPatternsAndResetKeepsFoldersSourceFileAndSearch) {
  CHatchLibDlg fresh;
  EXPECT_EQ(fresh.m_dEndAngle, 34.0);
  EXPECT_EQ(fresh.m_dAngle, 0.0);
  EXPECT_EQ(fresh.m_nPatternColor, 1);
  EXPECT_EQ(fresh.m_nFillColor, 9);
  EXPECT_EQ(fresh.m_dStartAngle, 23.0);
  EXPECT_EQ(fresh.m_dScaleY, 5.0);
  EXPECT_EQ(fresh.m_fLineWidth, 0.05f);
  EXPECT_EQ(fresh.m_dScaleX, 5.0);
  EXPECT_EQ(fresh.m_nPatternSource, 1);
  EXPECT_EQ(fresh.m_nAngleKind, 1);
  EXPECT_EQ(fresh.m_strAcadFolder, paths::DataFile("pat") + "/");
  EXPECT_EQ(fresh.m_strLibFolder, display::DefaultLibraryFolder() + "/");
  fresh.OnInitDialog();
  EXPECT_EQ(Items(Control<QListWidget>(fresh, 1284)), (QStringList{"zavediz_lines.pat", "zavediz_rocks.pat"}));
  EXPECT_EQ(Control<QListWidget>(fresh, 1285)->currentRow(), 0);
  EXPECT_GT(Lines(fresh), 0);
  EXPECT_EQ(fresh.PreviewView()->displayMode, 1);
  EXPECT_EQ(fresh.PreviewView()->geometry(), QRect(QPoint(497, 80), QPoint(716, 234)));

  auto dlg = Start();
  Control<QListWidget>(*dlg, 1284)->setCurrentRow(1);  // b.pat
  for (auto [id, text] : {std::pair{1119, "50"}, {1120, "10"}, {1202, "3"}, {1286, "4"}, {1118, "11"},
                          {1219, "2"}, {1204, "0.5"}, {1220, "8"}, {1303, "SAND"}})
    Type(*dlg, id, text);
  WIN_ORG org = dlg->PreviewView()->_GetWinDispParam();
  org.x = 100;
  dlg->PreviewView()->_SetWinDispParam(org);
  Control<QPushButton>(*dlg, 1201)->click();
  EXPECT_EQ(dlg->m_dEndAngle, 34.0);
  EXPECT_EQ(dlg->m_dAngle, 0.0);
  EXPECT_EQ(dlg->m_nPatternColor, 1);
  EXPECT_EQ(dlg->m_nFillColor, 9);
  EXPECT_EQ(dlg->m_dStartAngle, 23.0);
  EXPECT_EQ(dlg->m_dScaleY, 5.0);
  EXPECT_EQ(dlg->m_dScaleX, 5.0);
  EXPECT_EQ(dlg->m_fLineWidth, 0.05f);
  EXPECT_EQ(Control(*dlg, 1220)->text(), "5");
  EXPECT_EQ(Control(*dlg, 1204)->text(), "0.05");
  EXPECT_EQ(Control(*dlg, 1303)->text(), "SAND");
  EXPECT_EQ(dlg->m_strAcadFolder, acad_);
  EXPECT_EQ(Control<QListWidget>(*dlg, 1284)->currentRow(), 1);
  EXPECT_TRUE(Control<QRadioButton>(*dlg, 1287)->isChecked());
  EXPECT_DOUBLE_EQ(dlg->PreviewView()->_GetWinDispParam().x, -6.7);
  EXPECT_DOUBLE_EQ(dlg->PreviewView()->_GetWinDispParam().scale, 16.0);
}

TEST_F(HatchLibDlgTest, YScaleCopiesIntoXOnlyAfterAPreviewAndXAloneChangesNothingElse) {
  auto empty = std::make_unique<CHatchLibDlg>();
  empty->m_strAcadFolder = zv::test::TempRoot() + "/nothing/";
  empty->OnInitDialog();
  Type(*empty, 1219, "7");
  EXPECT_EQ(Control(*empty, 1220)->text(), "5");
  EXPECT_FALSE(empty->m_bPreviewShown);

  auto dlg = Start();
  ASSERT_TRUE(dlg->m_bPreviewShown);
  const int before = Lines(*dlg);
  Type(*dlg, 1219, "10");
  EXPECT_EQ(Control(*dlg, 1220)->text(), "10");
  EXPECT_EQ(dlg->m_dScaleX, 10.0);
  EXPECT_LT(Lines(*dlg), before);  // ALPHA's lines twice as far apart
  Type(*dlg, 1220, "9");
  EXPECT_EQ(Control(*dlg, 1219)->text(), "10");
}

TEST_F(HatchLibDlgTest, FindNextAndPreviousSearchWithoutWrapping) {
  auto dlg = Start();
  auto* patterns = Control<QListWidget>(*dlg, 1285);
  Control<QListWidget>(*dlg, 1284)->setCurrentRow(1);
  ASSERT_EQ(Items(patterns), (QStringList{"*ALPHA", "*SAND1", "*BETA", "*GAMMA", "*SAND2,dense", "*SANDY"}));
  struct Case {
    const char* text;
    int from, button, expected;
  };
  const Case cases[] = {
      {"SAND", 2, 1302, 4}, {"SAND", 4, 1302, 5}, {"SAND", 5, 1302, 5},  // no wrap-around
      {"SAND", 2, 1304, 1}, {"SAND", 1, 1304, 1},  {"SAND", -1, 1304, -1}, // "↑" needs a selection
      {"SAND", -1, 1302, 1}, {"sand", 0, 1302, 0},  {"", 0, 1302, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.from) + " by " + std::to_string(c.button));
    patterns->setCurrentRow(c.from);
    Type(*dlg, 1303, c.text);
    Control<QPushButton>(*dlg, c.button)->click();
    EXPECT_EQ(patterns->currentRow(), c.expected);
  }
  patterns->setCurrentRow(2);
  Type(*dlg, 1303, "SAND");
  Control<QPushButton>(*dlg, 1302)->click();
  EXPECT_EQ(dlg->m_strPatternName, "*SAND2,dense");  // previewed
}

TEST_F(HatchLibDlgTest, EnterInTheSearchEditSearchesAndKeepsTheDialogOpen) {
  auto dlg = Start();
  Control<QListWidget>(*dlg, 1284)->setCurrentRow(1);
  dlg->show();
  Type(*dlg, 1303, "SAND");
  QTest::keyClick(Control(*dlg, 1303), Qt::Key_Return);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(Control<QListWidget>(*dlg, 1285)->currentRow(), 1);
  EXPECT_FALSE(fs::exists(OptionsPath()));
  dlg->reject();
}

TEST_F(HatchLibDlgTest, SourceSwitchListsOnlyPatternLibrariesAndSwapsTheFolderControls) {
  auto dlg = Start();
  EXPECT_EQ(Items(Control<QListWidget>(*dlg, 1284)), (QStringList{"a.PAT", "b.pat"}));
  EXPECT_TRUE(Control(*dlg, 1282)->isEnabled());
  EXPECT_FALSE(Control(*dlg, 1283)->isEnabled());
  Control<QRadioButton>(*dlg, 1288)->click();
  EXPECT_EQ(dlg->m_nPatternSource, 0);
  EXPECT_EQ(Items(Control<QListWidget>(*dlg, 1284)), (QStringList{"FILLGRPH.lib", "fillgrph2.LIB"}));
  EXPECT_EQ(Items(Control<QListWidget>(*dlg, 1285)), (QStringList{"1_未命名图案", "2_未命名图案"}));
  EXPECT_GT(Lines(*dlg), 0);
  EXPECT_FALSE(Control(*dlg, 1282)->isEnabled());
  EXPECT_FALSE(Control<QPushButton>(*dlg, 1231)->isEnabled());
  EXPECT_TRUE(Control(*dlg, 1283)->isEnabled());
  EXPECT_TRUE(Control<QPushButton>(*dlg, 1232)->isEnabled());
  EXPECT_FALSE(Control<QRadioButton>(*dlg, 1287)->isChecked());
}

TEST_F(HatchLibDlgTest, RememberedPositionsPastTheEnd) {
  struct Case {
    const char* name;
    int filePos, patternPos;
    int expectedFile, expectedPattern;
  };
  const Case cases[] = {
      {"file past the end selects none", 2, 0, -1, -1},
      {"negative file position selects the first", -1, 1, 0, 1},
      {"pattern position equal to the count falls back to 0", 0, 2, 0, 0},
      {"negative pattern position selects the first", 1, -1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HatchOptions o;
    o.acadFolder = acad_;
    o.libFolder = lib_;
    o.fileListPos = c.filePos;
    o.patternListPos = c.patternPos;
    ASSERT_TRUE(SaveHatchOptions(o, nullptr, nullptr));
    CHatchLibDlg dlg;
    dlg.OnInitDialog();
    EXPECT_EQ(Control<QListWidget>(dlg, 1284)->currentRow(), c.expectedFile);
    EXPECT_EQ(Control<QListWidget>(dlg, 1285)->currentRow(), c.expectedPattern);
    dlg.reject();
  }
}

TEST_F(HatchLibDlgTest, OkSavesTheOptionsAndCancelOrCloseWriteNothing) {
  auto cancelled = Start();
  Type(*cancelled, 1120, "15");
  cancelled->reject();
  EXPECT_FALSE(fs::exists(OptionsPath()));
  auto closed = Start();
  closed->show();
  closed->close();
  EXPECT_FALSE(fs::exists(OptionsPath()));

  auto dlg = Start(33);
  EXPECT_EQ(Control(*dlg, 1286)->text(), "33");
  Control<QListWidget>(*dlg, 1284)->setCurrentRow(1);
  Control<QListWidget>(*dlg, 1285)->setCurrentRow(3);
  Type(*dlg, 1120, "15");
  Control<QPushButton>(*dlg, 1)->click();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(dlg->m_nPatternIndex, 3);
  EXPECT_EQ(dlg->m_strPatternName, "*GAMMA");
  EXPECT_EQ(dlg->m_strPatternFile, acad_ + "b.pat");
  EXPECT_EQ(dlg->m_nFillColor, 33);
  EXPECT_EQ(dlg->m_dAngle, 15.0);
  std::string bytes;
  ASSERT_TRUE(fileio::ReadWholeFile(OptionsPath(), bytes));
  HatchOptions saved;
  ASSERT_TRUE(DecodeHatchOptions(bytes, saved));
  EXPECT_EQ(saved.fileListPos, 1);
  EXPECT_EQ(saved.patternListPos, 3);
  EXPECT_EQ(saved.angle, 15.0);

  auto next = Start(21);  // the caller's fill colour wins over the file's
  EXPECT_EQ(next->m_nFillColor, 21);
  EXPECT_EQ(Control<QListWidget>(*next, 1285)->currentRow(), 3);
  next->reject();
}

TEST_F(HatchLibDlgTest, BadFieldsAreReportedAndOkRefusesAYScaleOutOfRange) {
  auto dlg = Start();
  dlg->show();
  Type(*dlg, 1219, "0");
  Control<QPushButton>(*dlg, 1)->click();
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_FALSE(prompts_->Messages().empty());
  EXPECT_TRUE(prompts_->Messages().back().contains("1e-006"));
  Type(*dlg, 1120, "abc");
  Control<QPushButton>(*dlg, 1)->click();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(prompts_->Messages().back(), "请输入一个数字。");
  EXPECT_FALSE(fs::exists(OptionsPath()));
  dlg->reject();
}

TEST_F(HatchLibDlgTest, TooDensePatternIsSaidBesideThePreview) {
  auto dlg = Start();
  const auto messages = prompts_->Messages().size();
  Type(*dlg, 1219, "0.000001");
  EXPECT_TRUE(dlg->PreviewNote().contains("太密"));
  EXPECT_EQ(Lines(*dlg), 0);
  EXPECT_EQ(prompts_->Messages().size(), messages);
  Type(*dlg, 1219, "5");
  EXPECT_TRUE(dlg->PreviewNote().isEmpty());
}

TEST_F(HatchLibDlgTest, FolderPickerChosenOrCancelled) {
  auto dlg = Start();
  dlg->m_strAcadFolder = acad_;
  Control<QPushButton>(*dlg, 1231)->click();  // no answer: cancelled
  EXPECT_EQ(dlg->m_strAcadFolder, acad_);
  EXPECT_EQ(prompts_->asked().back().text, "请选择路径");
  prompts_->AnswerFolder(QString::fromStdString(lib_.substr(0, lib_.size() - 1)));
  Control<QPushButton>(*dlg, 1231)->click();
  EXPECT_EQ(dlg->m_strAcadFolder, lib_);
  EXPECT_EQ(Control(*dlg, 1282)->text().toStdString(), lib_);
  EXPECT_EQ(Control<QListWidget>(*dlg, 1284)->count(), 0);
}

}  // namespace
}  // namespace zv::panels

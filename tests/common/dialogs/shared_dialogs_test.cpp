#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QDialogButtonBox>
#include <filesystem>
#include <fstream>

#include "common/dialogs/folder_path.h"
#include "common/dialogs/list_pick_dlg.h"
#include "common/dialogs/save_path_dlg.h"
#include "common/dialogs/scale_dlg.h"
#include "common/dialogs/value_input_dlg.h"
#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

QStringList Entries(const QComboBox& combo) {
  QStringList entries;
  for (int i = 0; i < combo.count(); ++i) entries << combo.itemText(i);
  return entries;
}

// What a dialog showed when it opened, and its value after OK.
struct Shown {
  QString caption, label, text;
  QStringList entries;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
  *os << s.caption.toStdString() << " | " << s.label.toStdString() << " | " << s.text.toStdString() << " | "
      << s.entries.join(",").toStdString();
}

TEST(ValueDialogs, EachModeShowsItsCaptionPromptAndPreset) {
  const QStringList none;
  const QStringList scales = {"1000", "2000", "5000", "10000", "25000", "50000"};
  struct Case {
    const char* dialog;
    int16_t mode;
    Shown shown;
  };
  const std::vector<Case> cases = {
      {"scale", -1, {"图形比例尺", "比例尺分母", "2500", scales}},
      {"scale", -2, {"选择标注范围", "标注范围：", "", {"1", "2", "4", "8", "16", "32"}}},
      {"scale", 2, {"选择分辨率", "选择分辨率", "300", {"50", "100", "150", "200", "250", "300", "400", "500", "600"}}},
      {"scale", -3, {"输入平行线间距", "平行线间距", "", {"1", "2", "3", "4", "5", "6"}}},
      {"scale", 3, {"输入搜索范围", "以点为中心", "20", {"20", "30", "40", "50", "100", "200"}}},
      {"scale", 9, {"", "", "", none}},
      {"value", 1, {"输入数值", "文件名：", "图例名称", none}},
      {"value", 2, {"输入数值", "图例间隔：", "15", none}},
      {"value", 3, {"输入数值", "参数比例：", "1.0", none}},
      {"value", 4, {"输入数值", "点角度变换", "*1.0", none}},
      {"value", 5, {"输入数值", "时间间隔", "1", none}},
      {"value", 6, {"输入数值", "图幅号：", "J50G015010", none}},
      {"value", 7, {"输入数值", "输入边数：", "3", none}},
      {"value", 0, {"输入数值", "文件名：", "", none}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dialog) + " " + std::to_string(c.mode));
    prompt::ScopedScriptedPrompts script;
    Shown shown;
    script->AnswerDialog([&](QDialog& d) {
      shown.caption = d.windowTitle();
      if (auto* combo = d.findChild<QComboBox*>("control200")) {
        shown.label = d.findChild<QLabel*>("label")->text();
        shown.text = combo->currentText();
        shown.entries = Entries(*combo);
        combo->setEditText(shown.text + "7");
      } else {
        shown.label = d.findChild<QLabel*>("control1275")->text();
        shown.text = d.findChild<QLineEdit*>("control202")->text();
        d.findChild<QLineEdit*>("control202")->setText(shown.text + "7");
      }
      d.accept();
      return -1;
    });
    QString value;
    if (std::string(c.dialog) == "scale") {
      CScaleDlg dialog(c.mode);
      dialog.SetValue("2500");
      ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
      value = dialog.Value();
    } else {
      CValueInputDlg dialog(c.mode);
      ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
      value = dialog.Value();
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(value, c.shown.text + "7") << "OK returns the text as typed";
  }
}

TEST(ScaleDialog, FieldModeStartsOnTheFirstHeightFieldAfterTheFirstAndCannotBeClosed) {
  struct Case {
    QStringList names;
    QString chosen;
  };
  const std::vector<Case> cases = {
      {{"ID", "名称", "", "高程", "高度"}, "高程"},  // empty names are not listed
      {{"ID", "名称", "长度"}, "ID"},               // none: the first
      {{"高程", "名称", "高度"}, "高度"},           // from the second entry on
      {{"高程", "名称"}, "高程"},                   // wrapping round
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen.toStdString());
    prompt::ScopedScriptedPrompts script;
    script->AnswerDialog([&](QDialog& d) {
      EXPECT_EQ(d.windowTitle(), "选择属性字段");
      EXPECT_FALSE(Entries(*d.findChild<QComboBox*>("control200")).contains(""));
      d.reject();  // the close box does nothing in this mode
      EXPECT_EQ(d.result(), QDialog::Rejected);
      EXPECT_TRUE(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->isHidden());
      d.accept();
      return -1;
    });
    CScaleDlg dialog(1);
    dialog.SetFieldNames(c.names);
    ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), c.chosen);
  }
}

TEST(ScaleDialog, CancelKeepsThePresetValue) {
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    d.findChild<QComboBox*>("control200")->setEditText("777");
    d.reject();
    return -1;
  });
  CScaleDlg dialog(-1);
  dialog.SetValue("2000");
  EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
  EXPECT_EQ(dialog.Value(), "2000");
}

TEST(FolderPath, CreatesEveryMissingLevelOfAnAbsolutePathOnly) {
  const std::string root = test::TempRoot() + "/保存/a/b";
  EXPECT_TRUE(CreateFolderPath(root));
  EXPECT_TRUE(fs::is_directory(root));
  EXPECT_TRUE(CreateFolderPath(root + "/")) << "an existing folder";
  EXPECT_FALSE(CreateFolderPath("temp"));
  EXPECT_FALSE(fs::exists("temp"));
  EXPECT_FALSE(CreateFolderPath(""));
  const std::string file = test::TempRoot() + "/plain";
  std::ofstream(file) << "x";
  EXPECT_FALSE(CreateFolderPath(file + "/below")) << "a file in the way";
}

TEST(SavePathDialog, RefusesAnEmptyOrWrongFolderAndCreatesANewOne) {
  prompt::ScopedScriptedPrompts script;
  const QString fresh = QString::fromStdString(test::TempRoot()) + "/剖面/第一批";
  script->AnswerDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "设置保存路径");
    auto* folder = d.findChild<QLineEdit*>("control1117");
    EXPECT_EQ(folder->text(), QDir::homePath()) << "no documents folder: home";
    EXPECT_EQ(d.findChild<QLineEdit*>("control1200")->text(), "未定名");
    folder->clear();
    d.accept();
    folder->setText("temp");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected) << "still open";
    script->AnswerFolder(fresh);
    d.findChild<QPushButton*>("control1201")->click();
    EXPECT_EQ(folder->text(), fresh);
    d.findChild<QLineEdit*>("control1200")->setText("线1");
    d.accept();
    return -1;
  });
  CSavePathDlg dialog;
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"请选择你要保存的路径！！！", "请输入正确的路径及目录名！！！"}));
  EXPECT_EQ(script->asked()[3].text, "请选择路径");
  EXPECT_TRUE(QDir(fresh).exists());
  EXPECT_EQ(dialog.Folder(), fresh);
  EXPECT_EQ(dialog.FileName(), "线1");
}

TEST(SavePathDialog, ModeZeroGreysTheNameAndReturnsItUnchanged) {
  prompt::ScopedScriptedPrompts script;
  QDir().mkpath(QDir::homePath() + "/Documents");
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QLineEdit*>("control1117")->text(), QDir::homePath() + "/Documents");
    EXPECT_FALSE(d.findChild<QLineEdit*>("control1200")->isEnabled());
    d.accept();
    return -1;
  });
  CSavePathDlg dialog;
  dialog.SetMode(0);
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.FileName(), "未定名");
  EXPECT_TRUE(script->Messages().empty());
}

grid::CGridListCtrl& ListOf(QDialog& d) { return *d.findChild<grid::CGridListCtrl*>("control1007"); }

TEST(ListPickDialog, SequenceModeReadsThePairsBackInTheOrderShown) {
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "ID号排实体号");
    ListOf(d).SortColumn(1, false);
    d.accept();
    return -1;
  });
  CListPickDlg dialog(1);
  dialog.SetPairs({{1, 30}, {2, 10}, {3, 20}});
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.Pairs(), (std::vector<CListPickDlg::SequencePair>{{1, 30}, {3, 20}, {2, 10}}));
}

TEST(ListPickDialog, BoreholeModePicksShownRowsAndNothingSelectedPicksNone) {
  const std::vector<CListPickDlg::Item> holes = {{"ZK1", 1000}, {"ZK2", 2000}, {"ZK3", 500}, {"ZK4", 1000}};
  for (const int16_t mode : {3, 4}) {
    SCOPED_TRACE(mode);
    prompt::ScopedScriptedPrompts script;
    script->AnswerDialog([&](QDialog& d) {
      EXPECT_EQ(d.windowTitle(), mode == 3 ? "选择绘制的钻孔" : "选择绘制的剖面");
      EXPECT_EQ(ListOf(d).GetRowCells(2), (QStringList{"3", "ZK3", "500"}));
      ListOf(d).SelectRow(0);
      ListOf(d).SelectRow(2);
      d.accept();
      return -1;
    });
    CListPickDlg dialog(mode);
    dialog.SetItems(holes);
    ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.Picked(), (std::vector<CListPickDlg::PickedRow>{{2, "ZK1", 1000}, {4, "ZK3", 500}}));
  }
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    d.accept();
    return -1;
  });
  CListPickDlg dialog(3);
  dialog.SetItems(holes);
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_TRUE(dialog.Picked().empty());
}

class FieldPick : public test::WorkAreasTest {};

TEST_F(FieldPick, FieldModeDeletesTheChosenFieldsByName) {
  CATT_STRU structure = CustomaryStructure(kPointEntity);
  for (const char* name : {"名称", "高程", "备注"}) {
    CFIELD_HEAD field;
    field.name = name;
    structure.fields.push_back(field);
  }
  LayOutStructure(structure);
  ASSERT_EQ(BasSetAttributeStructure(points_, kPointEntity, structure), 1);

  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "选择要删除的属性");
    grid::CGridListCtrl& list = ListOf(d);
    EXPECT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetRowCells(1), (QStringList{"1", "名称"}));
    list.SelectRow(1);
    list.SelectRow(3);
    d.accept();
    return -1;
  });
  CListPickDlg dialog(2);
  dialog.SetWorkArea(points_);
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  CATT_STRU after;
  ASSERT_EQ(BasReadAttributeStructure(points_, kPointEntity, &after), 1);
  std::vector<std::string> names;
  for (const CFIELD_HEAD& field : after.fields) names.push_back(field.name);
  EXPECT_EQ(names, (std::vector<std::string>{"ID", "高程"}));
}

}  // namespace
}  // namespace zv

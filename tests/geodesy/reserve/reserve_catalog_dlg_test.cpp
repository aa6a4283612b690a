#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "framework/prompts/scripted_prompts.h"
#include "geodesy/reserve/reserve_catalog_dlg.h"
#include "geodesy/reserve/reserve_commands.h"
#include "tests/geodesy/find_child.h"
#include "tests/support/test_env.h"

namespace zv::reserve {
namespace {

using test::Find;

QString Name(QDialog& d) { return Find<QLineEdit>(d, "projectName")->text(); }

TEST(ReserveCatalogDialog, TheNameFollowsBoxesPresetsAndCombos) {
  CReserveCatalogDlg d;
  EXPECT_EQ(Name(d), "H1110000J001");
  EXPECT_EQ(Find<QLineEdit>(d, "folder")->text(), QDir::homePath());
  Find<QPushButton>(d, "preset2")->click();
  EXPECT_EQ(Name(d), "H0110010J001");
  Find<QPushButton>(d, "preset0")->click();
  EXPECT_EQ(Name(d), "H1110000J001");
  for (const char* box : {"地理要素", "地形等高线", "地质要素"}) Find<QCheckBox>(d, box)->setChecked(false);
  EXPECT_EQ(Name(d), "H0110000J001");
  Find<QCheckBox>(d, "矿层顶、底板等高线")->setChecked(true);
  EXPECT_EQ(Name(d), "H1110000J001");
  Find<QComboBox>(d, "first")->setCurrentIndex(1);
  Find<QComboBox>(d, "scale")->setCurrentIndex(19);
  Find<QLineEdit>(d, "serial")->setText("42");
  EXPECT_EQ(Name(d), "V1110000O42");
  EXPECT_EQ(d.catalog().first, 'V');
}

TEST(ReserveCatalogDialog, RefusalsKeepItOpenAndBrowseTakesTheFolder) {
  prompt::ScopedScriptedPrompts script;
  CReserveCatalogDlg d;
  script->AnswerFolder("");
  Find<QPushButton>(d, "browse")->click();  // a cancelled picker empties the folder
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  const QString picked = QString::fromStdString(test::TempRoot());
  script->AnswerFolder(picked);
  Find<QPushButton>(d, "browse")->click();
  Find<QLineEdit>(d, "mineCode")->setText("a/b");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"请输入目录！", "矿区编号只能由字母和数字组成！"}));
  EXPECT_EQ(d.catalog().folder, picked.toStdString());
}

TEST(ReserveCatalogDialog, TheCommandWritesTheProjectAndOpensIt) {
  prompt::ScopedScriptedPrompts script;
  const std::string root = test::TempRoot();
  script->AnswerDialog([&](QDialog& d) {
    Find<QLineEdit>(d, "folder")->setText(QString::fromStdString(root));
    Find<QLineEdit>(d, "mineCode")->setText("K001");
    Find<QPushButton>(d, "preset1")->click();
    d.accept();
    return -1;
  });
  QString opened;
  RunReserveVerificationProject(nullptr, [&](const QString& path) {
    opened = path;
    return true;
  });
  const auto expected = std::filesystem::path(root) / "K001" / "H1010000J001.mpj";
  EXPECT_EQ(opened.toStdString(), expected.string());
  EXPECT_TRUE(std::filesystem::exists(expected));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(root) / "K001" / "探采工程图层类" / "HJGABC0200101_勘探线.wl"));
  EXPECT_TRUE(script->Messages().empty());

  // Cancel writes nothing and opens nothing.
  opened.clear();
  RunReserveVerificationProject(nullptr, [&](const QString& path) {
    opened = path;
    return true;
  });
  EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
}  // namespace zv::reserve

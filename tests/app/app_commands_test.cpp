#include "tests/app/app_fixture.h"

#include <QDockWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/app_settings.h"
#include "framework/paths/app_folder.h"
#include "framework/profile/profile_file.h"
#include "framework/workbook/session.h"

namespace zv::test {
namespace {

QString DataFolder() { return QString::fromStdString(paths::GetDataFolder()); }

void PutWorkbook(const char* name) {
  QFile::copy(QString::fromStdString(DataPath("workbook/calc_cases.xls")), DataFolder() + QString::fromUtf8(name));
}

TEST_F(AppTest, SheetCommandsOpenTheirWorkbookOrSayItIsMissing) {
  ASSERT_TRUE(Start());
  struct Case {
    int id;
    const char* missing;
  };
  const Case cases[] = {{33412, "没有找到文件“平面工程投影.xls”"},
                        {33575, "没有找到文件“化探数据处理.xlsm”"},
                        {33595, "没有找到文件“重采样RE值计算.xls”"},
                        {33624, "没有找到文件“SECPMINFO.xls”"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(frame().RunCommand(c.id), cmd::RunResult::kRan);
    EXPECT_EQ(script_->Messages().back(), QString::fromUtf8(c.missing));
  }
  EXPECT_TRUE(shell_.opened().isEmpty());

  // The geochemistry sheet falls back on its .xls form.
  PutWorkbook("化探数据处理.xls");
  PutWorkbook("SECPMINFO.xls");
  frame().RunCommand(33575);
  frame().RunCommand(33624);
  EXPECT_EQ(shell_.opened(), (QStringList{DataFolder() + "化探数据处理.xls", DataFolder() + "SECPMINFO.xls"}));
  PutWorkbook("化探数据处理.xlsm");
  frame().RunCommand(33575);
  EXPECT_EQ(shell_.opened().back(), DataFolder() + "化探数据处理.xlsm");
  EXPECT_EQ(script_->Messages().size(), 4u);
}

TEST_F(AppTest, AWorkbookOpensInTheRunningProgramShownInTheFrame) {
  ASSERT_TRUE(Start());
  PutWorkbook("平面工程投影.xls");
  {
    const shell::Opener desktop = shell::InstallOpener({});  // the real shell, not the recording one
    frame().RunCommand(33412);
    shell::InstallOpener(desktop);
  }
  ASSERT_NE(workbook::RunningProgram()->Active(), nullptr);
  auto* dock = frame().findChild<QDockWidget*>(QStringLiteral("workbookDock"));
  ASSERT_NE(dock, nullptr);
  EXPECT_FALSE(dock->isHidden());
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(AppTest, TheBackgroundPictureIsWrittenAtOnceAndACancelRemovesIt) {
  ASSERT_TRUE(Start());
  script_->AnswerFiles({QStringLiteral("/p/背景.bmp")});
  frame().RunCommand(33172);
  EXPECT_EQ(script_->asked().back().files.title, QStringLiteral("打开背景图片"));
  EXPECT_EQ(script_->asked().back().files.filter, QStringLiteral("BMP Files(*.bmp)|*.bmp||"));
  EXPECT_EQ(SettingsFile().GetString("OTHER", "BACKPIC", "NULL"), "/p/背景.bmp");
  EXPECT_EQ(BackgroundPicturePath(), QStringLiteral("/p/背景.bmp"));
  EXPECT_TRUE(SharedText().isEmpty());
  frame().RunCommand(33172);  // cancelled
  EXPECT_EQ(SettingsFile().GetString("OTHER", "BACKPIC", "NULL"), "");
  EXPECT_TRUE(BackgroundPicturePath().isEmpty());
}

TEST_F(AppTest, ConnectingADataSourceRegistersItOrSaysItFailed) {
  ASSERT_TRUE(Start());
  const std::filesystem::path odbc = std::getenv("ODBCSYSINI");
  std::filesystem::create_directories(odbc);
  std::ofstream(odbc / "odbcinst.ini") << "[SQLite3]\nDriver=libsqlite3odbc.so\n";
  const QString db = QString::fromStdString(TempRoot()) + QStringLiteral("/钻孔.sqlite");
  QFile::copy(QString::fromStdString(DataPath("odbc/boreholes.sqlite")), db);
  const QString notSqlite = QString::fromStdString(TempRoot()) + QStringLiteral("/钻孔.mdb");
  std::ofstream(notSqlite.toStdString()) << "Standard Jet DB";

  CurrentFilePath() = QStringLiteral("/before");
  script_->AnswerFiles({notSqlite});
  frame().RunCommand(32963);
  EXPECT_EQ(script_->asked().front().files.title, QStringLiteral("注册数据源"));
  EXPECT_TRUE(script_->Messages().back().startsWith(QStringLiteral("注册数据源失败......\n")));
  EXPECT_TRUE(script_->Messages().back().contains(notSqlite)) << "names the file it could not register";
  EXPECT_EQ(CurrentFilePath(), QStringLiteral("/before"));

  script_->AnswerFiles({db});
  frame().RunCommand(32963);
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("数据源注册成功！！！"));
  EXPECT_EQ(CurrentFilePath(), db);
}

}  // namespace
}  // namespace zv::test

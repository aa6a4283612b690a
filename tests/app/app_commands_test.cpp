#include "tests/app/app_fixture.h"

#include <QDockWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/about/about_dlg.h"
#include "app/about/static_link.h"
#include "app/app_settings.h"
#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
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

// A settings file that cannot take the value (a damaged one is never
// rewritten) is told: the picture shows now but not at the next start.
TEST_F(AppTest, ABackgroundPictureTheSettingsCannotKeepIsTold) {
  ASSERT_TRUE(Start());
  const std::string path = paths::Resolve(SettingsFile().path());
  const std::string damaged = std::string("[OTHER]\r\nBACKPIC=\r\n\x81\x30\xff\xfe\x80", 24);
  std::ofstream(path, std::ios::binary) << damaged;
  script_->AnswerFiles({QStringLiteral("/p/背景.bmp")});
  frame().RunCommand(33172);
  EXPECT_EQ(BackgroundPicturePath(), QStringLiteral("/p/背景.bmp"));
  ASSERT_FALSE(script_->Messages().empty());
  EXPECT_EQ(script_->Messages().back(),
            QStringLiteral("参数无法写入文件“%1”，下次启动时不会保留！").arg(QString::fromStdString(path)));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
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

namespace zv::test {
namespace {

TEST_F(AppTest, AboutShowsFourLinksThatOpenAndClosesOnAClickOrKey) {
  ASSERT_TRUE(Start());
  for (int menu : {cmd::kMenuNoDocument, cmd::kMenuPlan, cmd::kMenuSection}) {
    bool listed = false;
    for (const cmd::MenuRow& row : cmd::Menus().RowsOf(menu))
      listed |= row.id == 57664 && std::string(row.path) == "帮助/关于 zavediz(&A)...";
    EXPECT_TRUE(listed) << menu;
  }
  QStringList opened;
  int closedBy = 0;
  script_->AnswerDialog([&](QDialog& d) {
    auto* about = dynamic_cast<CAboutDlg*>(&d);
    EXPECT_NE(about, nullptr);
    if (!about) return -1;
    d.show();
    const QList<CStaticLink*> links = about->Links();
    EXPECT_EQ(links.size(), 4);
    EXPECT_TRUE(links[0]->target().endsWith("zavediz.html"));
    links[1]->SetOpener([&](const QString& target) { return opened << target, true; });
    links[2]->SetOpener([&](const QString&) { return false; });
    links[3]->SetTarget(QString());
    links[3]->SetOpener([&](const QString& target) { return opened << target, true; });
    for (CStaticLink* link : {links[1], links[2], links[3]}) QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{"https://www.qt.io/", "GEOS"})) << "an empty target opens the caption";
    EXPECT_EQ(links[1]->colour(), CStaticLink::kVisited);
    EXPECT_EQ(links[2]->colour(), CStaticLink::kUnvisited) << "a failed open stays unvisited";
    EXPECT_TRUE(links[1]->font().underline());
    EXPECT_TRUE(d.isVisible()) << "a click on a link does not close the dialog";
    QTest::keyClick(&d, Qt::Key_A);
    closedBy = d.result() == QDialog::Rejected && !d.isVisible() ? 1 : 0;
    return -1;
  });
  EXPECT_EQ(frame().RunCommand(57664), cmd::RunResult::kRan);
  EXPECT_EQ(closedBy, 1);

  CAboutDlg clicked;
  clicked.show();
  QTest::mouseClick(&clicked, Qt::RightButton);
  EXPECT_FALSE(clicked.isVisible());
}

}  // namespace
}  // namespace zv::test

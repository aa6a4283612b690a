// The borehole chart from the section menu, end to end: the shipped sample
// database registered with 连接数据源, a new section document, then 描述往下分配.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "framework/commands/menu_rows.h"
#include "tests/app/app_fixture.h"
#include "tests/framework/odbc/borehole_db_fixture.h"

namespace zv::test {
namespace {

namespace fs = std::filesystem;

TEST_F(AppTest, TheSectionMenuDrawsChartsOfTheSampleDatabase) {
  ASSERT_TRUE(Start());
  WriteOdbcDrivers();
  const QString db = QString::fromStdString(TempRoot()) + QStringLiteral("/borehole_sample.sqlite");
  QFile::copy(QStringLiteral(ZV_SOURCE_ROOT "/data/samples/borehole_sample.sqlite"), db);
  script_->AnswerFiles({db});
  frame().RunCommand(32963);
  ASSERT_EQ(script_->Messages().back(), QStringLiteral("数据源注册成功！！！"));
  frame().RunCommand(32808);

  const std::string out = TempRoot() + "/charts";
  script_->AnswerDialog([&](QDialog& d) {
    d.findChild<QLineEdit*>("control1117")->setText(QString::fromStdString(out));
    d.accept();
    return -1;
  });
  script_->AnswerDialog([](QDialog& d) {
    auto* combo = d.findChild<QComboBox*>("mineArea");
    EXPECT_EQ(combo->itemText(0), QStringLiteral("0001  示例矿区"));
    combo->setCurrentIndex(0);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combo->lineEdit(), &out);
    auto* list = d.findChild<QListWidget*>("holes");
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(true);
    d.accept();
    return -1;
  });
  const std::size_t messages = script_->Messages().size();
  EXPECT_EQ(frame().RunCommand(33156), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages().size(), messages) << script_->Messages().back().toStdString();
  for (const char* hole : {"ZK101", "ZK102", "ZK103"})
    for (const char* ext : {".mpj", ".wt", ".wl", ".wp"}) EXPECT_TRUE(fs::exists(out + "/" + hole + ext)) << hole << ext;

  bool listed = false;
  for (const cmd::MenuRow& row : cmd::Menus().RowsOf(cmd::kMenuSection))
    listed = listed || (row.id == 32913 && std::string(row.path) == "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述平均分配");
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace zv::test

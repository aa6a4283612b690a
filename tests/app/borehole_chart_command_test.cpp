// The borehole chart from the section menu, end to end: the shipped sample
// database registered with 连接数据源, a new section document, then 描述往下分配.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <set>

#include "framework/commands/menu_rows.h"
#include "platform/files/work_area_file.h"
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

  // The whole chart went into each hole's files: the later columns' texts
  // stand among the points.
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle points = BasLoadWorkArea(set, out + "/ZK103.wt");
  std::set<std::string> texts;
  int32_t live = 0, bound = 0;
  BasGetPointCount(points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at;
    std::string text;
    PNT_INFO info;
    if (BasReadPoint(points, id, &at, &text, &info)) texts.insert(text);
  }
  BasFreeWorkAreaSet(set);
  for (const char* text : {"标志面与岩心轴夹角", "岩矿石标本", "采样情况", "#+矿体#-编号#=", "备注", "计算机成图",
                           "钻孔弯曲度测量结果表", "孔深测量检查结果表", "示例地质勘查院"})
    EXPECT_TRUE(texts.count(text)) << text;

  bool listed = false;
  for (const cmd::MenuRow& row : cmd::Menus().RowsOf(cmd::kMenuSection))
    listed = listed || (row.id == 32913 && std::string(row.path) == "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述平均分配");
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace zv::test

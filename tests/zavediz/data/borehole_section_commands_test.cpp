// 读取钻孔数据 in the running program, end to end: 读取测量数据 takes line 3
// of the fixture database, 图切剖面 draws its section, and the section
// view's 32989 draws the chosen holes of mine 4001 into it as one undo step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QListWidget>
#include <algorithm>
#include <sstream>

#include "common/globals/program_globals.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/doc_template.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "tests/zavediz/plan/plan_view_fixture.h"
#include "zavediz/data/borehole_section.h"

namespace zv::zavediz {
namespace {

class BoreholeSectionCommandTest : public test::PlanViewTest {
 protected:
  // Types a mine code into a chooser's combo and leaves it.
  static void LeaveCombo(QDialog& d, const QString& text) {
    auto* combo = d.findChild<QComboBox*>("mineArea");
    combo->setEditText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combo->lineEdit(), &out);
  }
  static std::string Dump(const CGisEditView& view) {
    return zv::test::DumpChart({view.GetCurrentLinArea(), view.GetCurrentPntArea(), view.GetCurrentRegArea()});
  }
  // The lines of `after` past the lines it shares with `before`.
  static std::string Added(const std::string& before, const std::string& after) {
    std::multiset<std::string> old;
    std::istringstream in(before);
    for (std::string line; std::getline(in, line);) old.insert(line);
    std::string added;
    std::istringstream now(after);
    for (std::string line; std::getline(now, line);) {
      if (const auto it = old.find(line); it != old.end())
        old.erase(it);
      else
        added += line + "\n";
    }
    return added;
  }
};

TEST_F(BoreholeSectionCommandTest, HolesOfTheDatabaseAreDrawnIntoTheSurveyedSection) {
  const auto menu = cmd::Menus().RowsOf(cmd::kMenuSection);
  EXPECT_TRUE(std::any_of(menu.begin(), menu.end(), [](const cmd::MenuRow& r) { return r.id == 32989; }));
  const auto plan = cmd::Menus().RowsOf(cmd::kMenuPlan);
  EXPECT_TRUE(std::any_of(plan.begin(), plan.end(), [](const cmd::MenuRow& r) { return r.id == 32970; }));

  zv::test::RegisterFixtureDb();
  DataSourceName() = "kof";
  CZavedizDoc* doc = OpenPlan();
  ASSERT_NE(doc, nullptr);
  script_->AnswerDialog([](QDialog& d) {  // the section chooser
    LeaveCombo(d, "1001  金山矿区");
    d.findChild<QLineEdit*>("section")->setText("3");
    d.accept();
    return -1;
  });
  script_->AnswerDialog([](QDialog& d) {  // the title block as preset
    d.accept();
    return -1;
  });
  frame().RunCommand(32970);
  ASSERT_EQ(doc->Section().terrain.GetCount(), 5);

  frame().RunCommand(32787);  // 图切剖面
  CGisEditView* section = NewestSectionView();
  ASSERT_NE(section, nullptr);
  script_->AnswerDialog([](QDialog& d) {  // no save folder
    return static_cast<int>(QDialog::Rejected);
  });
  Settle();
  const std::string sheet = Dump(*section);
  ASSERT_FALSE(sheet.empty());
  const std::size_t told = script_->Messages().size();

  script_->AnswerDialog([](QDialog& d) {  // the hole chooser
    LeaveCombo(d, "4001");
    auto* holes = d.findChild<QListWidget*>("holes");
    for (int i = 0; i < holes->count(); ++i) holes->item(i)->setSelected(true);
    d.accept();
    return -1;
  });
  frame().RunCommand(32989);
  EXPECT_EQ(script_->PendingAnswers(), 0);
  const std::vector<QString> messages = script_->Messages();
  EXPECT_EQ(std::vector<QString>(messages.begin() + static_cast<std::ptrdiff_t>(told), messages.end()),
            std::vector<QString>{QString::fromUtf8(kOffSectionMessage)})
      << "ZKD lies behind the line's start";
  // The same entities as the section's own drawing test lists.
  zv::test::ExpectMatchesGolden(Added(sheet, Dump(*section)), "borehole/section_holes.txt");

  frame().RunCommand(204);  // 撤消
  EXPECT_EQ(Dump(*section), sheet) << "one undo takes the run back";
}

}  // namespace
}  // namespace zv::zavediz

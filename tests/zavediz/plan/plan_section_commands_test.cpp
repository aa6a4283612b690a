// The section-line commands in the running program: the plan menu lists
// them, and 拉线读取 on the sample map asks for the header once, stores the
// profile of a drag across the hills and draws the line over the map.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/commands/menu_rows.h"
#include "tests/zavediz/plan/plan_view_fixture.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

using PlanSectionCommandsTest = test::PlanViewTest;

TEST_F(PlanSectionCommandsTest, TraceAcrossTheSampleHillsStoresTheProfile) {
  const auto menu = cmd::Menus().RowsOf(cmd::kMenuPlan);
  for (int id : {32783, 32969, 33065, 33192, 33203, 32781, 32780, 32792, 32793})
    EXPECT_TRUE(std::any_of(menu.begin(), menu.end(), [id](const cmd::MenuRow& r) { return r.id == id; })) << id;

  CZavedizDoc* plan = OpenPlan();
  ASSERT_NE(plan, nullptr);
  ASSERT_NE(view_, nullptr);

  AnswerHeaderAndField();
  frame().RunCommand(32783);
  ASSERT_EQ(view_->_GetCommandFlag(), kFlagTraceSection);
  AnswerField();
  Mouse(QEvent::MouseButtonPress, {20, 150}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {200, 150}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {380, 150}, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, {380, 150}, Qt::NoButton);

  ASSERT_FALSE(script_->Messages().empty());
  EXPECT_EQ(script_->Messages().back(), QString::fromUtf8(kTerrainStoredMessage));
  const SectionData& data = plan->Section();
  EXPECT_TRUE(data.lineStored);
  EXPECT_EQ(data.terrain.GetCount(), 48 + 2);  // one point per passage of a contour, and the ends
  EXPECT_DOUBLE_EQ(data.length, 3600.0);       // 360 mm at 1:10,000
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagIdle);

  frame().RunCommand(32783);
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagTraceSection);  // no second header
  EXPECT_EQ(script_->PendingAnswers(), 0);

  // A platform tool started after a section command gets the mouse.
  frame().RunCommand(33065);
  ASSERT_EQ(view_->_GetCommandFlag(), kFlagTakeLine);
  frame().RunCommand(336);  // 输入线
  ASSERT_NE(view_->IsInOperate(), -1);
  Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagIdle);
  EXPECT_EQ(view_->IsInOperate(), 1);  // the line has its first point
}

}  // namespace
}  // namespace zv::zavediz

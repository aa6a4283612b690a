// The section-line commands in the running program: the plan menu lists
// them, and 拉线读取 on the sample map asks for the header once, stores the
// profile of a drag across the hills and draws the line over the map.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "platform/view/prj_edit_view.h"
#include "tests/app/app_fixture.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

class PlanSectionCommandsTest : public test::SampleAppTest {
 protected:
  void Mouse(QEvent::Type type, D_DOT at, Qt::MouseButtons buttons) {
    const CPoint p = view_->_LpToWp(at);
    QMouseEvent event(type, QPointF(p.x, p.y), view_->mapToGlobal(QPointF(p.x, p.y)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view_, &event);
  }
  CPrjEditView* view_ = nullptr;
};

TEST_F(PlanSectionCommandsTest, TraceAcrossTheSampleHillsStoresTheProfile) {
  const auto menu = cmd::Menus().RowsOf(cmd::kMenuPlan);
  for (int id : {32783, 32969, 33065, 33192, 33203, 32781, 32780, 32792, 32793})
    EXPECT_TRUE(std::any_of(menu.begin(), menu.end(), [id](const cmd::MenuRow& r) { return r.id == id; })) << id;

  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_NE(plan, nullptr);
  view_ = dynamic_cast<CPrjEditView*>(plan->GetFirstView()->Widget());
  ASSERT_NE(view_, nullptr);
  view_->resize(400, 300);
  WIN_ORG org = view_->_GetWinDispParam();
  org.x = 0;
  org.y = 0;
  org.scale = 1.0;
  ASSERT_TRUE(view_->_SetWinDispParam(org));

  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("topographicScale")->setText("10000");
    d.findChild<QLineEdit*>("sectionScale")->setText("10000");
    d.accept();
    return -1;
  });
  frame().RunCommand(32783);
  ASSERT_EQ(view_->_GetCommandFlag(), kFlagTraceSection);
  script_->AnswerDialog([](QDialog& d) {
    d.accept();  // the field chooser offers "高程" first
    return -1;
  });
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

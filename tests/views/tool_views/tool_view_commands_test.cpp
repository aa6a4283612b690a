// The tool views' own commands run by id: the switches and their checked
// state, the pick-entity switch, the calculator, the refused 重建GP and the
// plan view's map parameters.
#include <QDialog>
#include <QTemporaryDir>

#include "platform/project/map_project.h"
#include "tests/views/tool_views/tool_view_fixture.h"

namespace zv {
namespace {

using SectionToolTest = test::ToolViewTest<CSecToolView>;
using PlanToolTest = test::ToolViewTest<CSecPrjToolView>;

bool Checked(cmd::CommandTarget& view, int id) { return cmd::UpdateOf(cmd::Resolve({&view}, id)).checked; }

TEST_F(SectionToolTest, SwitchCommandsFlipTheirEntryAndShowItChecked) {
  struct Case {
    int id;
    std::function<bool()> state;
  };
  int16_t parms[13];
  const auto parm = [&](int entry) {
    return [&, entry] {
      view_.GetSysSelectParm(parms, 13);
      return parms[entry] != 0;
    };
  };
  const auto snapSwitch = [&](int which) { return [&, which] { return view_.snap.switches().on[which] != 0; }; };
  const Case cases[] = {
      {33430, snapSwitch(0)}, {33431, snapSwitch(1)}, {33432, snapSwitch(2)}, {33433, snapSwitch(3)},
      {33434, snapSwitch(4)}, {33435, snapSwitch(5)}, {33104, parm(0)},       {33108, parm(1)},
      {33109, parm(2)},       {33110, parm(7)},       {33105, parm(8)},       {33106, parm(11)},
      {33610, [] { return Settings().showKou != 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const bool before = c.state();
    EXPECT_EQ(Checked(view_, c.id), before);
    ASSERT_EQ(cmd::Execute({&view_}, c.id), cmd::RunResult::kRan);
    EXPECT_NE(c.state(), before);
    EXPECT_EQ(Checked(view_, c.id), !before);
  }
}

TEST_F(SectionToolTest, PickEntityTakesUpTheClickedLinesParameters) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  LIN_INFO red;
  red.setColour(4);
  BasAppendLine(lines, {{50, 150}, {300, 150}}, red);
  view_.SelectGraphics();
  ASSERT_EQ(cmd::Execute({&view_}, 33538), cmd::RunResult::kRan);
  EXPECT_EQ(view_.GetExtTool(), nullptr) << "the interaction ends";
  EXPECT_TRUE(view_.pickEntity);
  Press(At({150, 150}));
  Release(At({150, 150}));
  EXPECT_EQ(BasGetDefaultLineParam()->colour(), 4);
  test::SendMouse(view_, QEvent::MouseButtonDblClick, At({10, 10}), Qt::RightButton);
  EXPECT_FALSE(view_.pickEntity) << "a right double click ends it";
}

TEST_F(SectionToolTest, OneCalculatorPerViewUntilItCloses) {
  ASSERT_EQ(cmd::Execute({&view_}, 33381), cmd::RunResult::kRan);
  QPointer<QWidget> first = view_.calculator;
  ASSERT_TRUE(first);
  cmd::Execute({&view_}, 33381);
  EXPECT_EQ(view_.calculator, first) << "a second use does nothing";
  Request(msg::kSectionToolRequest, 1, msg::kToolForgetCalculator);
  EXPECT_FALSE(view_.calculator);
  delete first.data();
  cmd::Execute({&view_}, 33507);
  ASSERT_FALSE(prompts_->Messages().empty());
  EXPECT_EQ(prompts_->Messages().back(), QStringLiteral("本功能不开放！"));
  EXPECT_EQ(cmd::Execute({&view_}, 33559), cmd::RunResult::kBoundLater);
  EXPECT_EQ(cmd::Resolve({&view_}, 33508).row, nullptr) << "the plan view's command";
}

TEST_F(PlanToolTest, MapParametersAreEditedForTheProjectAndMarkItChanged) {
  EXPECT_FALSE(cmd::UpdateOf(cmd::Resolve({&view_}, 33508)).enabled) << "no project";
  QTemporaryDir dir;
  MapProject* project = PrjCreate(0);
  PrjAddItem(project, dir.path().toStdString() + "/c.wl");
  PrjSetChanged(project, false);
  view_.SetProject(project);
  cmd::Execute({&view_}, 33508);  // cancelled
  EXPECT_FALSE(PrjIsChanged(project));
  prompts_->AnswerDialog([](QDialog&) { return QDialog::Accepted; });
  cmd::Execute({&view_}, 33508);
  EXPECT_TRUE(PrjIsChanged(project));
  EXPECT_EQ(prompts_->asked().back().text, QStringLiteral("编辑地图参数"));
  view_.SetProject(nullptr);
  PrjClose(project);
}

}  // namespace
}  // namespace zv

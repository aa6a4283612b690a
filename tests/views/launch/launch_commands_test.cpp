#include "views/launch/launch_commands.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "framework/commands/command_menus.h"
#include "framework/docview/view.h"
#include "platform/view/base_gis_tool.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/tool_factory.h"
#include "views/launch/launch_table.h"

namespace zv::launch {
namespace {

constexpr const char* kClasses[] = {
    "CSecEditAidTool",  "CSecFieldTool", "CSecArrayCopyTool",   "CSecAttrBrushTool", "CSecClipTool",
    "CSecBoreholeChartTool", "CSecCustomChartTool", "CSecLineTool", "CSecExcelTool", "CSecAttrTool",
    "CSecPlanProjTool", "CSecFilterTool", "CSecAuxTool", "CSecCopyTool", "CSecEtTool",
    "CSecExcelChartTool", "CSecExcelTableTool", "CSecAnnotTool"};

// What a recording tool saw when it was made.
struct Made {
  std::string toolClass;
  int mode = 0;
  int flag = 0;
  bool cancelledBefore = false;  // the view had no tool left at construction
};
std::vector<Made> made;

class RecordingTool : public BaseGisTool {
 public:
  RecordingTool(const char* cls, CGisEditView* view, int16_t mode, int32_t flag) : BaseGisTool(view, mode) {
    made.push_back({cls, mode, flag, view->GetExtTool() == nullptr});
  }
};

template <std::size_t I>
BaseGisTool* MakeRecording(CGisEditView* view, int16_t mode, int32_t flag) {
  return new RecordingTool(kClasses[I], view, mode, flag);
}
bool AnyMode(int16_t) { return true; }

template <std::size_t... I>
void RegisterRecordingClasses(std::index_sequence<I...>) {
  (Tools().Register(kClasses[I], MakeRecording<I>, AnyMode), ...);
}

// The tool view a command reaches, as the templates make it.
class ToolViewTarget : public CGisEditView, public docview::CView {
 public:
  explicit ToolViewTarget(const char* cls) : cls_(cls) {}
  std::string_view CommandClass() const override { return cls_; }
  QWidget* Widget() override { return this; }

 private:
  const char* cls_;
};

class LaunchCommandsTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterToolLaunches();
    RegisterRecordingClasses(std::make_index_sequence<std::size(kClasses)>());
    made.clear();
  }
  // A running tool that a launch either cancels or replaces.
  static void Occupy(CGisEditView& view) { view.SetExtTool(new BaseGisTool(&view, 7)); }
};

TEST_F(LaunchCommandsTest, EveryRowInstallsItsClassModeAndFlagAfterItsViewsCancelRule) {
  ToolViewTarget section("CSecToolView"), plan("CSecPrjToolView");
  const std::pair<ToolViewTarget*, ToolView> views[] = {{&section, ToolView::kSection}, {&plan, ToolView::kPlan}};
  for (const auto& [target, view] : views) {
    for (const LaunchRow& row : LaunchRows()) {
      SCOPED_TRACE(std::to_string(row.id) + (view == ToolView::kSection ? " section" : " plan"));
      made.clear();
      Occupy(*target);
      const BaseGisTool* before = target->GetExtTool();
      if (!row.InView(view)) {
        EXPECT_EQ(cmd::Resolve({target}, row.id).row, nullptr);
        EXPECT_EQ(cmd::Execute({target}, row.id), cmd::RunResult::kNotFound);
        EXPECT_EQ(target->GetExtTool(), before);
        continue;
      }
      ASSERT_EQ(cmd::Execute({target}, row.id), cmd::RunResult::kRan);
      ASSERT_EQ(made.size(), 1u);
      EXPECT_EQ(made[0].toolClass, row.toolClass);
      EXPECT_EQ(made[0].mode, row.mode);
      EXPECT_EQ(made[0].flag, std::string(row.toolClass) == "CSecEditAidTool" ? 1 : 0);
      EXPECT_EQ(made[0].cancelledBefore, row.CancelsIn(view));
      auto* installed = dynamic_cast<RecordingTool*>(target->GetExtTool());
      ASSERT_NE(installed, nullptr) << "the new tool is the view's";
      EXPECT_EQ(installed->mode(), row.mode);
    }
  }
}

TEST_F(LaunchCommandsTest, AModeNotMadeYetIsHiddenGivesANoticeAndLeavesTheRunningToolAlone) {
  Tools().Register("CSecAuxTool", MakeRecording<12>, [](int16_t mode) { return mode == 3; });
  Tools().Unregister("CSecAnnotTool");
  ToolViewTarget view("CSecToolView");
  QWidget window;
  std::vector<QString> notices;
  cmd::CommandMenus menus(window, [&] { return cmd::Route{&view}; }, [&](const QString& t) { notices.push_back(t); });

  Occupy(view);
  const BaseGisTool* running = view.GetExtTool();
  EXPECT_FALSE(cmd::Resolve({&view}, 33250).resolved) << "mode 4 of the class is not made";
  EXPECT_FALSE(cmd::Resolve({&view}, 33396).resolved) << "a class not registered";
  EXPECT_EQ(menus.Run(33250, "批量靠近线"), cmd::RunResult::kBoundLater);
  EXPECT_EQ(menus.Run(33396, "制作图例"), cmd::RunResult::kBoundLater);
  EXPECT_EQ(notices, (std::vector<QString>{"“批量靠近线”暂不可用", "“制作图例”暂不可用"}));
  EXPECT_EQ(view.GetExtTool(), running);
  EXPECT_TRUE(made.empty());

  EXPECT_EQ(menus.Run(33245), cmd::RunResult::kRan) << "mode 3 is made";
  EXPECT_EQ(made.size(), 1u);
}

TEST_F(LaunchCommandsTest, OtherEntriesAreAnEmptySectionItemAndBoundLaterRows) {
  ToolViewTarget section("CSecToolView"), plan("CSecPrjToolView");
  EXPECT_EQ(cmd::Execute({&section}, 33607), cmd::RunResult::kRan);
  EXPECT_EQ(cmd::Execute({&plan}, 33607), cmd::RunResult::kNotFound);
  EXPECT_EQ(cmd::Execute({&section}, 32989), cmd::RunResult::kBoundLater);
  for (int id : {33094, 33188, 33189, 33190}) {
    EXPECT_EQ(cmd::Execute({&section}, id), cmd::RunResult::kBoundLater) << id;
    EXPECT_EQ(cmd::Execute({&plan}, id), cmd::RunResult::kBoundLater) << id;
  }
}

}  // namespace
}  // namespace zv::launch

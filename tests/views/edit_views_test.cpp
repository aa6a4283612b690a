// The two editing views driven offscreen: the right button's menus, the
// wheel, the measurement, the ruler bar, activation posts and the plan
// requests.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <fstream>
#include <sstream>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "common/snapped_point.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/views/view_test_support.h"
#include "views/plan_requests.h"
#include "views/sec_gis_edit_view.h"
#include "views/sec_prj_edit_view.h"
#include "views/view_commands.h"

namespace zv {
namespace {

class Recorder : public QObject {
 public:
  std::vector<std::tuple<unsigned, std::intptr_t, std::intptr_t>> got;
  bool event(QEvent* e) override {
    if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
      got.emplace_back(m->message(), m->wParam(), m->lParam());
      return true;
    }
    return QObject::event(e);
  }
};

std::string SettingsText() {
  std::ifstream in(SettingsFile().path(), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

template <class View>
class EditViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEditViews();
    Settings() = AppSettings();
    view_.resize(400, 300);
    view_.show();
    // A map of 400 × 300 units shown whole.
    const std::vector<D_DOT> frame{{0, 0}, {400, 0}, {400, 300}, {0, 300}, {0, 0}};
    BasAppendLine(view_.GetCurrentLinArea(), frame, LIN_INFO{});
    view_.OnRestoreWindow();
  }
  cmd::RunResult Run(int id) { return cmd::Execute({&view_}, id); }

  test::RecordingChrome chrome_;
  prompt::ScopedScriptedPrompts prompts_;
  View view_;
};

using SectionViewTest = EditViewTest<CSecGisEditView>;
using PlanViewTest = EditViewTest<CSecPrjEditView>;

TEST_F(SectionViewTest, RightButtonMenusFollowModifiersAndTheLastPress) {
  struct Case {
    const char* name;
    bool leftFirst;
    Qt::KeyboardModifiers modifiers;
    std::vector<int> menus;
  };
  const Case cases[] = {
      {"plain right click", false, Qt::NoModifier, {4}},
      {"Ctrl opens sub-menu 8 twice", false, Qt::ControlModifier, {8, 8}},
      {"Shift opens sub-menu 7 twice", false, Qt::ShiftModifier, {7, 7}},
      {"after a left press Ctrl opens only the general menu", true, Qt::ControlModifier, {4}},
      {"Ctrl and Shift together are no modifier menu", false, Qt::ControlModifier | Qt::ShiftModifier, {4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view_.mouseState = 0;
    view_.CancelInterActive();
    if (c.leftFirst) test::Click(view_, {10, 10});
    chrome_.menus.clear();
    test::Click(view_, {20, 20}, Qt::RightButton, c.modifiers);
    EXPECT_EQ(chrome_.menus, c.menus);
    EXPECT_EQ(view_.mouseState, 1);
  }
}

TEST_F(SectionViewTest, RightClickWithThePlatformMenuOrAPickModeOpensNothing) {
  Settings().menu = 1;
  test::Click(view_, {20, 20}, Qt::RightButton);
  EXPECT_TRUE(chrome_.menus.empty());
  Settings().menu = 0;
  const ENTITY_MSG picked{view_.GetCurrentLinArea(), kLineEntity, 1};
  view_.AddToPool(&picked, 1);
  CurrentPickMode() = 1;
  test::Click(view_, {20, 20}, Qt::RightButton);
  CurrentPickMode() = 0;
  EXPECT_TRUE(chrome_.menus.empty());
  EXPECT_EQ(view_.PoolCount(), 0);
}

TEST_F(SectionViewTest, CutAndPasteGoThroughTheClipboardAsOneUndoStepEach) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const std::vector<D_DOT> fault{{10.25, 20.5}, {30.75, 40.125}};
  const int32_t id = BasAppendLine(lines, fault, LIN_INFO{});
  const auto enabled = [this](int command) { return cmd::UpdateOf(cmd::Resolve({&view_}, command)).enabled; };
  EXPECT_FALSE(enabled(40041));
  const ENTITY_MSG picked{lines, kLineEntity, id};
  view_.AddToPool(&picked, 1);
  EXPECT_TRUE(enabled(40041));

  ASSERT_EQ(Run(40040), cmd::RunResult::kRan);
  EXPECT_EQ(BasIsEntityLive(lines, kLineEntity, id), 0);
  EXPECT_EQ(view_.PoolCount(), 0);
  EXPECT_TRUE(enabled(40042));
  view_.Undo();
  EXPECT_NE(BasIsEntityLive(lines, kLineEntity, id), 0);

  int32_t live = 0, bound = 0;
  BasGetLineCount(lines, &live, &bound);
  ASSERT_EQ(Run(40042), cmd::RunResult::kRan);
  std::vector<D_DOT> pasted;
  LIN_INFO info;
  ASSERT_EQ(BasReadLine(lines, bound, &pasted, &info), 1);
  ASSERT_EQ(pasted.size(), 2u);
  EXPECT_EQ(pasted[0].x, 10.25);
  EXPECT_EQ(pasted[1].y, 40.125);
  view_.Undo();
  EXPECT_EQ(BasIsEntityLive(lines, kLineEntity, bound), 0);
  EXPECT_NE(BasIsEntityLive(lines, kLineEntity, id), 0);
}

TEST_F(SectionViewTest, AWheelStepBringsThePointUnderTheCursorToTheCentre) {
  const CPoint cursor{300, 80};
  const D_DOT under = view_._WpToLp(cursor);
  const double before = view_._GetWinDispParam().scale;
  test::Wheel(view_, {cursor.x, cursor.y}, 60);
  EXPECT_EQ(view_._GetWinDispParam().scale, before);  // half a step: nothing yet
  test::Wheel(view_, {cursor.x, cursor.y}, 60);
  EXPECT_GT(view_._GetWinDispParam().scale, before);
  const CPoint now = view_._LpToWp(under);
  EXPECT_NEAR(now.x, view_.width() / 2, 1);
  EXPECT_NEAR(now.y, view_.height() / 2, 1);
}

TEST_F(SectionViewTest, MeasurementShowsItsFiguresAndKeepsThemForASinglePoint) {
  chrome_.windowScale = 2000;
  ASSERT_EQ(Run(32975), cmd::RunResult::kRan);
  EXPECT_EQ(view_._GetCommandFlag(), kFlagMeasure);
  ASSERT_EQ(chrome_.measures.size(), 1u);  // six zeros
  // One point and the right button: nothing new is shown.
  test::Click(view_, {40, 40});
  test::Click(view_, {50, 50}, Qt::RightButton);
  const std::size_t shown = chrome_.measures.size();
  // Snapped points give exact figures: (0,0), (3,4), (3,0) at scale 2000.
  for (const D_DOT p : {D_DOT{0, 0}, D_DOT{3, 4}, D_DOT{3, 0}}) {
    SnappedPoint = p;
    SnapState = kSnapWaiting;
    test::Click(view_, {100, 100});
    EXPECT_EQ(SnapState, kSnapTaken);
  }
  test::Click(view_, {100, 100}, Qt::RightButton);
  ASSERT_GT(chrome_.measures.size(), shown);
  const std::array<double, 6> v = chrome_.measures.back().values;
  const std::array<double, 6> want = {4, 9, 8, 18, 180, 36.8699};
  for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], want[i], 1e-4) << i;
  EXPECT_TRUE(chrome_.menus.empty());  // the right button ends the measurement, no menu
}

TEST_F(SectionViewTest, RightDoubleClickEndsTheMeasurementMode) {
  Run(32975);
  test::SendMouse(view_, QEvent::MouseButtonDblClick, {30, 30}, Qt::RightButton);
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  EXPECT_EQ(view_.mouseState, 0);
  EXPECT_EQ(chrome_.closes, 1);
}

TEST_F(SectionViewTest, RulerBarTogglesAndIsWrittenAtOnce) {
  const bool before = view_.rulerBarShown();
  ASSERT_EQ(Run(33543), cmd::RunResult::kRan);
  EXPECT_NE(view_.rulerBarShown(), before);
  EXPECT_NE(SettingsText().find(view_.rulerBarShown() ? "RULEBAR=1" : "RULEBAR=0"), std::string::npos);
  EXPECT_EQ(cmd::UpdateOf(cmd::Resolve({&view_}, 33543)).checked, view_.rulerBarShown());
  Run(33543);
  EXPECT_EQ(view_.rulerBarShown(), before);
  EXPECT_NE(SettingsText().find(before ? "RULEBAR=1" : "RULEBAR=0"), std::string::npos);
}

TEST_F(SectionViewTest, SystemSettingsWriteTheEightKeys) {
  prompts_->AnswerDialog([](QDialog&) { return QDialog::Accepted; });
  ASSERT_EQ(Run(32795), cmd::RunResult::kRan);
  const std::string text = SettingsText();
  for (const char* key : kSelectParmKeys) EXPECT_NE(text.find(std::string(key) + "="), std::string::npos) << key;
}

TEST_F(SectionViewTest, SystemParametersAreWrittenWithTwentyDecimals) {
  view_.systemParms()[kParallelDistance] = 0.1;
  prompts_->AnswerDialog([](QDialog&) { return QDialog::Accepted; });
  Run(447);
  EXPECT_NE(SettingsText().find("Paralldis=0.10000000000000000555"), std::string::npos) << SettingsText();
}

TEST_F(SectionViewTest, ActivationNamesTheDocumentlessViewAndTellsThePanes) {
  Recorder files, tabs;
  msg::PaneWindows().Record(msg::PaneEntry::kWorkspaceFileList, &files);
  msg::PaneWindows().Record(msg::PaneEntry::kTabStrip, &tabs);
  BasSetWorkAreaFileName(view_.GetCurrentLinArea(), "b");
  view_.OnActivateView();
  QCoreApplication::sendPostedEvents();
  using Post = std::tuple<unsigned, std::intptr_t, std::intptr_t>;
  const std::vector<Post> expectedFiles = {
      {msg::kRefreshFileList, view_.GetCurrentPntArea(), 3},
      {msg::kRefreshFileList, view_.GetCurrentLinArea(), 3},
      {msg::kRefreshFileList, view_.GetCurrentRegArea(), 3},
      {msg::kRefreshFileList, 0, 1},
  };
  EXPECT_EQ(files.got, expectedFiles);
  EXPECT_EQ(tabs.got, (std::vector<Post>{{msg::kSelectSidePage, 0, 2}}));
  EXPECT_TRUE(prompts_->Messages().empty());
}

TEST_F(SectionViewTest, AFailedTabPostIsShown) {
  msg::PaneWindows().Record(msg::PaneEntry::kTabStrip, nullptr);
  view_.OnActivateView();
  EXPECT_EQ(prompts_->Messages(), std::vector<QString>{QStringLiteral("CSecGisEditView发送TAB消息失败")});
}

class Tracked : public PostedObject {
 public:
  explicit Tracked(bool& gone) : gone_(gone) {}
  ~Tracked() override { gone_ = true; }

 private:
  bool& gone_;
};

TEST_F(PlanViewTest, PlanRequestsDeletePostedObjectsAndIgnoreUnknownCodes) {
  bool gone = false;
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, 0, 0);  // null: nothing
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, reinterpret_cast<std::intptr_t>(new Tracked(gone)), 0);
  view_.pendingObject = &view_;
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, 0, 14);  // beyond 13: nothing
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(gone);
  EXPECT_EQ(view_.pendingObject, &view_);
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, 0, 6);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(view_.pendingObject, nullptr);
  // 13 reads "seclect" again from the settings file.
  const std::string keptText = SettingsFile().GetString("OTHER", "seclect", "0");
  const int kept = Settings().seclect;
  ASSERT_TRUE(SettingsFile().WriteInt("OTHER", "seclect", 7));
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, 0, 13);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(view_.selectionMode, 7);
  EXPECT_EQ(Settings().seclect, 7);
  SettingsFile().WriteString("OTHER", "seclect", keptText);
  Settings().seclect = kept;
  // Another code goes to the handler registered for it, with its wParam.
  static std::intptr_t handled = 0;
  RegisterPlanRequest(5, [](CSecPrjEditView&, std::intptr_t wParam, std::intptr_t) { handled = wParam; });
  msg::PostPrivateMessage(&view_, msg::kPlanRequest, 42, 5);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(handled, 42);
  RegisterPlanRequest(5, nullptr);
}

TEST_F(PlanViewTest, OneSelectedEntityNamesItsFileTwoTheLayer) {
  Recorder list;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectList, &list);
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  BasSetWorkAreaFileName(lines, "/maps/c.wl");
  const std::vector<D_DOT> v{{1, 1}, {2, 2}};
  const int32_t second = BasAppendLine(lines, v, LIN_INFO{});
  test::Move(view_, {5, 5});
  ASSERT_EQ(chrome_.readouts.size(), 1u);
  EXPECT_EQ(chrome_.readouts.back().text, QStringLiteral("当前图层: 第0层,()"));
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(list.got.empty());  // an empty pool posts nothing to the list
  const ENTITY_MSG one{lines, kLineEntity, 1};
  view_.AddToPool(&one, 1);
  test::Move(view_, {6, 6});
  EXPECT_EQ(chrome_.readouts.back().text, QStringLiteral("/maps/c.wl"));
  EXPECT_EQ(chrome_.readouts.back().counts.lines, 1);
  const ENTITY_MSG two{lines, kLineEntity, second};
  view_.AddToPool(&two, 1);
  test::Move(view_, {7, 7});
  EXPECT_EQ(chrome_.readouts.back().text, QStringLiteral("当前图层: 第0层,()"));
  EXPECT_EQ(chrome_.readouts.back().counts.lines, 2);
}

TEST_F(PlanViewTest, PlainRightClickOpensTheSectionLineMenu) {
  test::Click(view_, {20, 20}, Qt::RightButton);
  EXPECT_EQ(chrome_.menus, std::vector<int>{3});
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

TEST_F(PlanViewTest, AutoSaveTakesAnIntervalAndRefusesOddOnes) {
  const auto answer = [this](const char* text) {
    prompts_->AnswerDialog([text](QDialog& d) {
      auto* edit = d.findChild<QLineEdit*>();
      if (edit) edit->setText(QString::fromUtf8(text));
      d.accept();
      return -1;
    });
  };
  answer("0.5");
  Run(33528);
  EXPECT_TRUE(view_.autoSaveOn());
  EXPECT_EQ(view_.AutoSaveTimer().interval(), 30000);
  EXPECT_TRUE(cmd::UpdateOf(cmd::Resolve({&view_}, 33528)).checked);
  Run(33528);
  EXPECT_FALSE(view_.autoSaveOn());
  EXPECT_FALSE(view_.AutoSaveTimer().isActive());
  prompts_->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  Run(33528);
  EXPECT_FALSE(view_.autoSaveOn());
  EXPECT_FALSE(cmd::UpdateOf(cmd::Resolve({&view_}, 33528)).checked);
  for (const char* bad : {"abc", "0", "-2", "0.001", "2000"}) {
    SCOPED_TRACE(bad);
    answer(bad);
    Run(33528);
    EXPECT_FALSE(view_.autoSaveOn());
  }
  EXPECT_EQ(prompts_->Messages().size(), 5u);
}

}  // namespace
}  // namespace zv

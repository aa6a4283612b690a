#include "zavediz/plan/plan_geology_controller.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "common/globals/program_globals.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/zavediz/plan/plan_project.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

// The plan view as far as these commands need it: its plan requests go to
// the two controllers.
class PlanView : public CPrjEditView {
 public:
  PlanSectionController* section = nullptr;
  PlanGeologyController* geology = nullptr;

 protected:
  bool event(QEvent* e) override {
    if (const auto* m = msg::AsPrivateMessage(e); m && m->message() == msg::kPlanRequest) {
      if (geology && PlanGeologyController::IsGeologyRequest(m->lParam())) geology->OnPlanRequest(m->lParam());
      return true;
    }
    return CPrjEditView::event(e);
  }
};

// What the strata list receives.
class StrataList : public QObject {
 public:
  std::vector<std::pair<intptr_t, intptr_t>> refills;

 protected:
  bool event(QEvent* e) override {
    if (const auto* m = msg::AsPrivateMessage(e); m && m->message() == msg::kRefillList) {
      refills.emplace_back(m->wParam(), m->lParam());
      return true;
    }
    return QObject::event(e);
  }
};

// The shared contour plan with a region file whose boundaries lie at
// x = 125 and x = 225; a section line traced from (50, 100) to (300, 100).
class PlanGeologyControllerTest : public testing::Test {
 protected:
  void SetUp() override {
    regions_ = plan_.AddFile("geology.wp");
    for (double x : {125.0, 225.0}) BasAppendLine(regions_, std::vector<D_DOT>{{x, 0}, {x, 300}}, *BasGetDefaultLineParam());
    test::ShowPlan(view_, plan_.project);
    section_ = std::make_unique<PlanSectionController>(view_, data_, [](const std::optional<TitleBlockPreset>&) {
      ZavedizHeader header;
      header.planScale = 1000;
      header.sectionScale = 1000;
      return std::optional<ZavedizHeader>(header);
    });
    geology_ = std::make_unique<PlanGeologyController>(view_, data_, section_->GeologyRead(), [this] { ++barsShown_; });
    view_.section = section_.get();
    view_.geology = geology_.get();
    msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view_);
    msg::PaneWindows().Record(msg::PaneEntry::kStrataList, &strata_);
  }
  void TearDown() override {
    view_.geology = nullptr;
    geology_.reset();
    section_.reset();
    view_.SetProject(nullptr);
  }

  CPoint At(D_DOT p) const { return view_._LpToWp(p); }
  void TraceLine() {
    section_->OnTraceSection();
    script_->AnswerDialog([](QDialog& d) {
      d.accept();
      return -1;
    });
    section_->LButtonDown(MK_LBUTTON, At({50, 100}));
    section_->MouseMove(MK_LBUTTON, At({300, 100}));
    section_->LButtonUp(0, At({300, 100}));
    ASSERT_TRUE(data_.lineStored);
  }
  bool Click(D_DOT at) { return geology_->LButtonDown(MK_LBUTTON, At(at)); }
  static void Press(QDialog* dialog, const char* button) {
    dialog->findChild<QPushButton*>(button)->click();
    QCoreApplication::sendPostedEvents();
  }
  static void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  test::ContourProject plan_;
  WorkAreaHandle regions_ = 0;
  PlanView view_;
  StrataList strata_;
  SectionData data_;
  std::unique_ptr<PlanSectionController> section_;
  std::unique_ptr<PlanGeologyController> geology_;
  prompt::ScopedScriptedPrompts script_;
  int barsShown_ = 0;
};

TEST_F(PlanGeologyControllerTest, WithoutALineNothingStarts) {
  for (auto command : {&PlanGeologyController::OnDesignBorehole, &PlanGeologyController::OnDesignTrench,
                       &PlanGeologyController::ReadGeologyInfo}) {
    (geology_.get()->*command)();
  }
  EXPECT_EQ(script_->Messages(), std::vector<QString>(3, QString::fromUtf8(kNoTerrainDataMessage)));
  EXPECT_EQ(view_._GetCommandFlag(), 0);
  EXPECT_FALSE(Click({120, 100}));
  EXPECT_TRUE(strata_.refills.empty());
}

TEST_F(PlanGeologyControllerTest, ClicksFillTheBoreholeDialogAndItsStoreWritesTheSlot) {
  TraceLine();
  const size_t told = script_->Messages().size();
  // Requests without a dialog change nothing.
  geology_->OnPlanRequest(kStoreBoreholeRequest);
  geology_->OnPlanRequest(kStoreTrenchRequest);
  EXPECT_EQ(CountDesignBoreholes(data_) + CountDesignTrenches(data_), 0);
  EXPECT_EQ(script_->Messages().size(), told);

  geology_->OnDesignBorehole();
  ASSERT_EQ(view_._GetCommandFlag(), kFlagDesignBorehole);
  ASSERT_TRUE(Click({160, 100}));
  CBoreholeCollarDlg* dialog = geology_->BoreholeDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->windowTitle().isEmpty());
  EXPECT_EQ(dialog->pos(), view_.mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(Click({120, 100}));  // a second click prepares the same slot
  EXPECT_EQ(geology_->BoreholeDialog(), dialog);
  EXPECT_DOUBLE_EQ(dialog->findChild<QDoubleSpinBox*>("x")->value(), 120.0);
  EXPECT_DOUBLE_EQ(dialog->findChild<QDoubleSpinBox*>("y")->value(), 100.0);
  EXPECT_DOUBLE_EQ(dialog->findChild<QDoubleSpinBox*>("h")->value(), 104.0);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("name")->text(), QStringLiteral("ZK"));
  EXPECT_EQ(dialog->findChild<QSpinBox*>("dip")->value(), 90);

  dialog->findChild<QDoubleSpinBox*>("depth")->setValue(80.0);
  Press(dialog, "store");
  const DesignBoreholeRec& hole = data_.boreholes[0];
  EXPECT_TRUE(hole.inUse);
  EXPECT_DOUBLE_EQ(hole.distance, 70.0);
  EXPECT_DOUBLE_EQ(hole.depth, 80.0);
  EXPECT_EQ(hole.name, "ZK");
  EXPECT_TRUE(dialog->isVisible());

  // Storing again without a click says so and writes nothing.
  Press(dialog, "store");
  ASSERT_EQ(script_->Messages().size(), told + 1);
  EXPECT_EQ(script_->Messages().back(), QString::fromUtf8(kPlaceFirstMessage));
  EXPECT_EQ(CountDesignBoreholes(data_), 1);
}

TEST_F(PlanGeologyControllerTest, BoreholesInUseAreKeptOrClearedByTheAnswer) {
  TraceLine();
  for (size_t i = 0; i < 3; ++i) data_.boreholes[i].inUse = true;
  script_->AnswerMessage(prompt::kAnswerNo);
  geology_->OnDesignBorehole();
  EXPECT_EQ(script_->Messages().back(), QString::fromUtf8(kClearBoreholesQuestion));
  EXPECT_EQ(geology_->Cursor(DesignKind::kBorehole).next, 3);
  Click({160, 100});
  Press(geology_->BoreholeDialog(), "store");
  EXPECT_TRUE(data_.boreholes[3].inUse);
  EXPECT_EQ(data_.boreholes[3].number, 4);

  script_->AnswerMessage(prompt::kAnswerYes);
  geology_->OnDesignBorehole();
  EXPECT_EQ(CountDesignBoreholes(data_), 0);
  EXPECT_EQ(geology_->Cursor(DesignKind::kBorehole).next, 0);
}

TEST_F(PlanGeologyControllerTest, TrenchDialogAndExitClosesBothDialogs) {
  TraceLine();
  geology_->OnDesignBorehole();
  Click({160, 100});
  geology_->OnDesignTrench();
  ASSERT_EQ(view_._GetCommandFlag(), kFlagDesignTrench);
  Click({110, 100});
  CTrenchDlg* trench = geology_->TrenchDialog();
  ASSERT_NE(trench, nullptr);
  EXPECT_DOUBLE_EQ(trench->findChild<QDoubleSpinBox*>("x")->value(), 110.0);
  trench->findChild<QDoubleSpinBox*>("length")->setValue(30.0);
  // A plan view opened later is the one the program's table names; the
  // dialogs still answer to the view that opened them.
  QObject later;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &later);
  Press(trench, "store");
  const DesignTrenchRec& t = data_.trenches[0];
  ASSERT_TRUE(t.inUse);
  EXPECT_DOUBLE_EQ(t.startDistance, 60.0);
  EXPECT_DOUBLE_EQ(t.endDistance, 90.0);
  EXPECT_DOUBLE_EQ(t.endGroundX, 140.0);

  QPointer<QDialog> borehole = geology_->BoreholeDialog();
  QPointer<QDialog> trenchDialog = trench;
  Press(trench, "exit");
  Settle();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  EXPECT_EQ(geology_->BoreholeDialog(), nullptr);
  EXPECT_EQ(geology_->TrenchDialog(), nullptr);
  EXPECT_TRUE(borehole.isNull());
  EXPECT_TRUE(trenchDialog.isNull());
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view_);
}

TEST_F(PlanGeologyControllerTest, ReadingTheGeologyOpensTheStrataList) {
  TraceLine();
  const size_t told = script_->Messages().size();
  geology_->ReadGeologyInfo();
  EXPECT_EQ(data_.geologyCrossings.GetCount(), 4);
  EXPECT_EQ(data_.geologyBoundary.GetCount(), 4);
  EXPECT_TRUE(section_->Plan().geologyRead);
  EXPECT_EQ(GeologyRegionArea(), regions_);
  EXPECT_EQ(barsShown_, 1);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(strata_.refills, (std::vector<std::pair<intptr_t, intptr_t>>{{1, regions_}}));
  EXPECT_EQ(script_->Messages().size(), told);

  // The strata list asks again: nothing more reaches the profile.
  const int32_t profile = data_.terrain.GetCount();
  geology_->OnPlanRequest(kReadGeologyRequest);
  EXPECT_EQ(data_.terrain.GetCount(), profile);
  geology_->OnSetStrataInfo();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(strata_.refills.size(), 3u);
  EXPECT_EQ(barsShown_, 3);

  // A new section line forgets the reading.
  TraceLine();
  EXPECT_FALSE(section_->Plan().geologyRead);
}

}  // namespace
}  // namespace zv::zavediz

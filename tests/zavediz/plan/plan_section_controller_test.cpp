#include "zavediz/plan/plan_section_controller.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "common/globals/program_globals.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/project/map_project.h"
#include "tests/support/test_env.h"
#include "tests/zavediz/plan/plan_project.h"
#include "zavediz/plan/pick_terrain_point_dlg.h"
#include "zavediz/plan/plan_messages.h"

namespace zv::zavediz {
namespace {

// The plan view as far as these commands need it: it draws the section
// overlay and hands its plan requests to the controller.
class PlanView : public CPrjEditView {
 public:
  PlanSectionController* controller = nullptr;
  void _OwnerDraw(KernelDriver* dc) override {
    CPrjEditView::_OwnerDraw(dc);
    if (controller) controller->DrawOverlay(*dc);
  }

 protected:
  bool event(QEvent* e) override {
    if (const auto* m = msg::AsPrivateMessage(e); m && controller && m->message() == msg::kPlanRequest) {
      controller->OnPlanRequest(m->lParam(), m->wParam());
      return true;
    }
    return CPrjEditView::event(e);
  }
};

using test::Dump;

// Contours every 50 mm from x = 100 (100 m) to x = 250 (130 m) on a plan at
// 1:1000 drawn one pixel per mm; a section line in a second line file.
class PlanSectionControllerTest : public testing::Test {
 protected:
  void SetUp() override {
    project_ = plan_.project;
    contours_ = plan_.contours;
    sections_ = plan_.AddFile("sections.wl");
    polyline_ = BasAppendLine(sections_, std::vector<D_DOT>{{50, 100}, {120, 130}, {300, 100}}, *BasGetDefaultLineParam());
    test::ShowPlan(view_, project_);
    controller_ = std::make_unique<PlanSectionController>(view_, data_, [this](const std::optional<TitleBlockPreset>&) -> std::optional<ZavedizHeader> {
      ++headerAsked_;
      if (!giveHeader_) return std::nullopt;
      ZavedizHeader header;
      header.planScale = planScale_;
      header.sectionScale = 1000;
      return header;
    });
    view_.controller = controller_.get();
    msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view_);
  }
  void TearDown() override {
    view_.controller = nullptr;
    controller_.reset();
    view_.SetProject(nullptr);
  }

  CPoint At(D_DOT p) const { return view_._LpToWp(p); }
  void Drag(D_DOT from, D_DOT to) {
    controller_->LButtonDown(MK_LBUTTON, At(from));
    controller_->MouseMove(MK_LBUTTON, At({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    controller_->MouseMove(MK_LBUTTON, At(to));
    controller_->LButtonUp(0, At(to));
  }
  void Click(D_DOT at) {
    controller_->LButtonDown(MK_LBUTTON, At(at));
    controller_->LButtonUp(0, At(at));
  }
  // The field chooser's OK.
  void ChooseField() {
    script_->AnswerDialog([](QDialog& d) {
      d.accept();
      return -1;
    });
  }
  static void DeliverPosts() { QCoreApplication::sendPostedEvents(); }

  test::ContourProject plan_;
  MapProject* project_ = nullptr;
  WorkAreaHandle contours_ = 0, sections_ = 0;
  int32_t polyline_ = 0;
  PlanView view_;
  SectionData data_;
  std::unique_ptr<PlanSectionController> controller_;
  prompt::ScopedScriptedPrompts script_;
  int headerAsked_ = 0;
  bool giveHeader_ = true;
  int32_t planScale_ = 1000;
};

constexpr const char* kStraightProfile =
    "(0.0000,90.0000)(50.0000,100.0000)(100.0000,110.0000)(150.0000,120.0000)(200.0000,130.0000)(250.0000,140.0000)";

TEST_F(PlanSectionControllerTest, TraceAsksForTheHeaderOnceStoresTheProfileAndDrawsTheLine) {
  controller_->OnTraceSection();
  EXPECT_EQ(headerAsked_, 1);
  ASSERT_EQ(view_._GetCommandFlag(), kFlagTraceSection);
  ChooseField();
  Drag({50, 100}, {300, 100});
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QString::fromUtf8(kTerrainStoredMessage)});
  EXPECT_EQ(Dump(data_.terrain), kStraightProfile);
  EXPECT_TRUE(data_.lineStored);
  EXPECT_EQ(data_.verticalProjection, 0);
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);

  view_._UpdateWindow();
  KernelDriver* dc = view_._GetMyDC();
  const QColor red = dc->ColorOf(kOverlayColour);
  view_._DeleteMyDC(dc);
  EXPECT_EQ(view_.Picture().pixelColor(At({75, 100}).x, At({75, 100}).y), red);

  controller_->OnTraceSection();
  EXPECT_EQ(headerAsked_, 1);  // the header is kept
  EXPECT_EQ(view_._GetCommandFlag(), kFlagTraceSection);
  EXPECT_FALSE(data_.lineStored);
  EXPECT_TRUE(data_.terrain.IsEmpty());
}

// A profile stored at 1:1000 drawn under a header of another scale would be
// labelled wrongly; the same scales keep the line.
TEST_F(PlanSectionControllerTest, NewScalesInTheHeaderDropTheStoredLine) {
  controller_->OnTraceSection();
  ChooseField();
  Drag({50, 100}, {300, 100});
  controller_->OnSetTitleBlockData();
  EXPECT_TRUE(data_.lineStored);
  EXPECT_EQ(Dump(data_.terrain), kStraightProfile);

  planScale_ = 2000;
  controller_->OnSetTitleBlockData();
  EXPECT_EQ(data_.planScale, 2000);
  EXPECT_FALSE(data_.lineStored);
  EXPECT_TRUE(data_.terrain.IsEmpty());
  EXPECT_TRUE(controller_->OverlayChain().empty());
  EXPECT_EQ(script_->Messages(), (std::vector<QString>{QString::fromUtf8(kTerrainStoredMessage),
                                                       QString::fromUtf8(kScalesChangedMessage)}));
}

TEST_F(PlanSectionControllerTest, CancelledOrBadHeaderEndsTheCommandWithNoFlag) {
  giveHeader_ = false;
  controller_->OnTraceSection();
  EXPECT_EQ(view_._GetCommandFlag(), 0);
  EXPECT_FALSE(data_.headerSet);

  giveHeader_ = true;
  planScale_ = 0;
  controller_->OnTakeLine();
  EXPECT_EQ(view_._GetCommandFlag(), 0);
  EXPECT_FALSE(data_.headerSet);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QString::fromUtf8(kBadScalesMessage)});
}

TEST_F(PlanSectionControllerTest, HeaderComesFromTheTitleBlockDialog) {
  PlanSectionController controller(view_, data_);
  script_->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("设置图签内容"));
    d.findChild<QLineEdit*>("topographicScale")->setText("10000");
    d.findChild<QLineEdit*>("sectionScale")->setText("2000");
    d.findChild<QLineEdit*>("title")->setText(QStringLiteral("1号勘探线剖面图"));
    d.findChild<QLineEdit*>("c2r1Content")->setText(QStringLiteral("右一"));
    d.accept();
    return -1;
  });
  controller.OnTraceSection();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagTraceSection);
  EXPECT_TRUE(data_.headerSet);
  EXPECT_EQ(data_.planScale, 10000);
  EXPECT_EQ(data_.sectionScale, 2000);
  EXPECT_EQ(data_.title, "1号勘探线剖面图");
  EXPECT_EQ(data_.row1Right, "右一");

  controller.OnSetTitleBlockData();  // cancelled: nothing changes
  EXPECT_EQ(data_.title, "1号勘探线剖面图");
}

TEST_F(PlanSectionControllerTest, PickDialogPostsItsRequestsAndEachApplyStartsAfresh) {
  controller_->OnPickSectionPoints();
  CPickTerrainPointDlg* dialog = controller_->PickDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("定点读取地形数据"));

  const struct {
    const char* button;
    long flag;
    D_DOT at;
  } picks[] = {{"control1021", kFlagPickStart, {50, 100}}, {"control1022", kFlagPickEnd, {300, 100}}};
  for (const auto& pick : picks) {
    dialog->findChild<QPushButton*>(pick.button)->click();
    EXPECT_FALSE(dialog->isVisible());
    DeliverPosts();
    EXPECT_EQ(view_._GetCommandFlag(), pick.flag);
    Click(pick.at);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  }
  EXPECT_EQ(dialog->Start().x, 50);
  EXPECT_EQ(dialog->End().x, 300);

  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    ChooseField();
    dialog->findChild<QPushButton*>("apply")->click();
    DeliverPosts();
    EXPECT_EQ(Dump(data_.terrain), kStraightProfile);
    EXPECT_EQ(controller_->Plan().crossings.GetCount(), 4);
    EXPECT_TRUE(dialog->isVisible());
  }
  dialog->findChild<QPushButton*>("exit")->click();
  DeliverPosts();
  EXPECT_EQ(controller_->PickDialog(), nullptr);
}

// A second plan view opened later is the one the program's table names; the
// dialog still answers to the view that opened it.
TEST_F(PlanSectionControllerTest, PickDialogTalksToItsOwnViewWhicheverPlanViewOpenedLast) {
  controller_->OnPickSectionPoints();
  CPickTerrainPointDlg* dialog = controller_->PickDialog();
  ASSERT_NE(dialog, nullptr);
  QObject later;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &later);
  dialog->findChild<QPushButton*>("control1021")->click();
  DeliverPosts();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagPickStart);
  Click({50, 100});
  dialog->findChild<QDoubleSpinBox*>("endX")->setValue(300);
  dialog->findChild<QDoubleSpinBox*>("endY")->setValue(100);
  ChooseField();
  dialog->findChild<QPushButton*>("apply")->click();
  DeliverPosts();
  EXPECT_EQ(Dump(data_.terrain), kStraightProfile);
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view_);
}

TEST_F(PlanSectionControllerTest, SelectedLinesBecomeTheSectionLine) {
  struct Case {
    const char* name;
    void (PlanSectionController::*command)();
    uint16_t projection;
    int crossingRecords;  // interior vertex records included
  };
  const Case cases[] = {
      {"line", &PlanSectionController::OnTakeLine, 0, 4},
      {"polyline", &PlanSectionController::OnTakePolyline, 0, 5},
      {"vertical projection", &PlanSectionController::OnVerticalProjection, kVerticalProjection, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    (controller_.get()->*c.command)();
    Click({350, 280});  // nothing there: the command waits on
    EXPECT_FALSE(data_.lineStored);
    EXPECT_NE(view_._GetCommandFlag(), kFlagIdle);
    ChooseField();
    Click({85, 115});  // on the polyline's first leg
    EXPECT_TRUE(data_.lineStored);
    EXPECT_EQ(controller_->Plan().crossings.GetCount(), c.crossingRecords);
    EXPECT_EQ(data_.verticalProjection, c.projection);
    EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
    EXPECT_EQ(view_.PoolCount(), 0);
  }
  EXPECT_EQ(headerAsked_, 1);
}

TEST_F(PlanSectionControllerTest, DrawnLineAssignsElevationsAsOneUndoStep) {
  controller_->OnAutoElevation();
  ASSERT_EQ(view_._GetCommandFlag(), kFlagAssignElevations);
  script_->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QDoubleSpinBox*>("start")->value(), 100.0);  // the first contour met
    EXPECT_TRUE(d.findChild<QRadioButton*>("increase")->isChecked());
    d.findChild<QDoubleSpinBox*>("start")->setValue(500);
    d.findChild<QRadioButton*>("decrease")->setChecked(true);
    EXPECT_EQ(d.findChild<QDoubleSpinBox*>("end")->value(), 0.0);
    d.accept();
    return -1;
  });
  Drag({50, 100}, {300, 100});
  EXPECT_EQ(view_._GetCommandFlag(), kFlagAssignElevations);  // ready for the next line
  auto elevations = [&] {
    std::string text;
    for (int32_t id = 1; id <= 4; ++id) {
      AttributeRecord record;
      double value = 0;
      LIN_INFO info;
      BasReadAttribute(contours_, kLineEntity, id, &record);
      BasGetFieldDouble(record, "高程", &value);
      BasReadLineParam(contours_, id, &info);
      text += std::to_string(static_cast<int>(value)) + "/" + std::to_string(info.colour()) + " ";
    }
    return text;
  };
  const std::string before = "100/1 110/1 120/1 130/1 ";
  EXPECT_EQ(elevations(), "500/5 495/5 490/5 485/5 ");
  EXPECT_EQ(controller_->Range().start, 500.0);
  view_.Undo();
  EXPECT_EQ(elevations(), before);

  controller_->OnShowAssignedContours();
  EXPECT_EQ(elevations(), "100/5 110/5 120/5 130/5 ");
  controller_->OnRestoreContourColour();
  EXPECT_EQ(elevations(), before);
  view_.Undo();
  EXPECT_EQ(elevations(), "100/5 110/5 120/5 130/5 ");
}

// Line 1 of the section file shares its id with contour 1: a restore while
// that file is current leaves both alone. A restore taken back by undo can
// be made again.
TEST_F(PlanSectionControllerTest, RestoreKeepsToTheLineFileMarkedAndCanBeMadeAgainAfterUndo) {
  auto colours = [&](WorkAreaHandle area, int32_t last) {
    std::string text;
    for (int32_t id = 1; id <= last; ++id) {
      LIN_INFO info;
      BasReadLineParam(area, id, &info);
      text += std::to_string(info.colour()) + " ";
    }
    return text;
  };
  const std::string section = colours(sections_, 1);
  ASSERT_NE(section, "5 ");
  controller_->OnShowAssignedContours();
  ASSERT_EQ(colours(contours_, 4), "5 5 5 5 ");

  view_.ChangeCurAi(sections_);
  controller_->OnRestoreContourColour();
  EXPECT_EQ(colours(sections_, 1), section);
  EXPECT_EQ(colours(contours_, 4), "5 5 5 5 ");

  view_.ChangeCurAi(contours_);
  controller_->OnRestoreContourColour();
  EXPECT_EQ(colours(contours_, 4), "1 1 1 1 ");
  view_.Undo();
  ASSERT_EQ(colours(contours_, 4), "5 5 5 5 ");
  controller_->OnRestoreContourColour();
  EXPECT_EQ(colours(contours_, 4), "1 1 1 1 ");
}

TEST_F(PlanSectionControllerTest, ElevationsPutTheSelectAfterSettingAsideUntilAskedBack) {
  SelectAfterSetting() = 1;
  controller_->OnAutoElevation();
  EXPECT_EQ(SelectAfterSetting(), 0);
  controller_->OnPlanRequest(kReloadSelectSettingRequest, 0);
  EXPECT_EQ(SelectAfterSetting(), 1);
  SelectAfterSetting() = 0;
}

TEST_F(PlanSectionControllerTest, ElevationsNeedAProject) {
  view_.SetProject(nullptr);
  controller_->OnAutoElevation();
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QString::fromUtf8(kOpenProjectFirstMessage)});
  EXPECT_NE(view_._GetCommandFlag(), kFlagAssignElevations);
}

}  // namespace
}  // namespace zv::zavediz

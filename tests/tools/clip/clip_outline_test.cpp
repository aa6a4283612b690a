#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <filesystem>

#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/topology/topology.h"
#include "platform/view/prj_edit_view.h"
#include "tests/support/test_env.h"
#include "tests/tools/clip/clip_fixture.h"
#include "tools/clip/clip_param_dlg.h"

namespace zv::tools {
namespace {

namespace fs = std::filesystem;

class ClipOutlineTest : public ClipToolTest {
 public:
  void SetUp() override {
    ClipToolTest::SetUp();
    root_ = fs::path(test::TempRoot()) / ("clip_tool_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  std::string Out() const { return (root_ / "out").string(); }
  // The save-path dialog given the folder, then the clip dialog as it opens.
  void AnswerDialogs(const std::string& folder) {
    script->AnswerDialog([folder](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("control1117")->setText(QString::fromStdString(folder));
      dialog.accept();
      return -1;
    });
    script->AnswerDialog(AcceptAsTyped);
  }
  void Select(WorkAreaHandle area, int type, int32_t id) {
    const ENTITY_MSG entry{area, static_cast<int16_t>(type), id};
    view->AddToPool(&entry, 1);
  }
  // The texts of the points a written copy holds.
  static std::vector<std::string> PointTexts(const std::string& path) {
    std::vector<std::string> texts;
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    const WorkAreaHandle area = BasLoadWorkArea(set, path);
    int32_t live = 0, bound = 0;
    BasGetPointCount(area, &live, &bound);
    std::string text;
    for (int32_t id = 1; id < bound; ++id)
      if (BasReadPoint(area, id, nullptr, &text, nullptr)) texts.push_back(text);
    BasFreeWorkAreaSet(set);
    return texts;
  }
  int32_t AddText(D_DOT at, const char* text) {
    PNT_INFO info;
    info.setCharHeight(2);
    return BasAppendPoint(pnt, at, text, info);
  }

  fs::path root_;
};

TEST_F(ClipOutlineTest, ASelectedOpenLineClipsTheViewsAreasIntoAnUnnamedProject) {
  AddText({30, 30}, "里");
  AddText({150, 150}, "外");
  AddSquareRegion(20, 20, 40);
  const int32_t outline = AddLine({{0, 0}, {100, 0}, {100, 100}, {0, 100}});  // open: closed by the clip
  Select(lin, kLineEntity, outline);
  AnswerDialogs(Out());
  ASSERT_TRUE(Launch(-1));
  MapProject* project = PrjOpen(Out() + "/未命名(CJ).mpj");
  ASSERT_NE(project, nullptr);
  ASSERT_EQ(PrjGetItemCount(project), 3);
  const char* names[] = {"未命名.wp", "未命名.wt", "未命名.wl"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fs::path(PrjGetItemPath(project, i)).filename().string(), names[i]);
    EXPECT_EQ(PrjGetItemState(project, i), kItemCurrent);
  }
  EXPECT_DOUBLE_EQ(BasRegionArea(PrjGetItemArea(project, 0), 1), 1600);
  PrjClose(project);
  EXPECT_EQ(PointTexts(Out() + "/未命名.wt"), std::vector<std::string>{"里"});
}

TEST_F(ClipOutlineTest, ARegionOfSeveralArcsWithAHoleClipsByItsRings) {
  AddText({15, 15}, "区内");
  AddText({50, 50}, "洞内");
  AddText({150, 50}, "区外");
  const int32_t a = AddLine({{0, 0}, {100, 0}, {100, 100}}, reg);
  const int32_t b = AddLine({{100, 100}, {0, 100}}, reg);
  const int32_t c = AddLine({{0, 100}, {0, 0}}, reg);
  const int32_t hole = AddLine({{40, 40}, {60, 40}, {60, 60}, {40, 60}, {40, 40}}, reg);
  const int32_t region = BasAppendRegion(reg, {0, a, b, c, 0, hole}, REG_INFO{});
  Select(reg, kRegionEntity, region);
  AnswerDialogs(Out());
  ASSERT_TRUE(Launch(-6));
  EXPECT_EQ(PointTexts(Out() + "/未命名.wt"), std::vector<std::string>{"区内"});
}

TEST_F(ClipOutlineTest, AHundredClickOutlineClipsOnTheRightButtonAndTheToolStays) {
  AddText({200, 150}, "中");
  AddText({10, 10}, "角");
  ASSERT_TRUE(Launch(6));
  Click({200 + 80, 150});
  RightClick({0, 0});  // one vertex: nothing yet, the outline goes on
  EXPECT_TRUE(script->asked().empty());
  auto* tool = dynamic_cast<CSecClipTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->vertices().size(), 1u);
  for (int i = 1; i < 100; ++i) {
    const double t = 2 * M_PI * i / 100;
    Click({200 + 80 * std::cos(t), 150 + 80 * std::sin(t)});
  }
  AnswerDialogs(Out());
  RightClick({0, 0});
  EXPECT_EQ(PointTexts(Out() + "/未命名.wt"), std::vector<std::string>{"中"});
  EXPECT_EQ(view->GetExtTool(), tool);
  EXPECT_TRUE(tool->vertices().empty());
}

TEST_F(ClipOutlineTest, TheDrawnOutlineShowsInColourFiveOnEveryRedrawUntilItIsUsed) {
  ASSERT_TRUE(Launch(6));
  view->_UpdateWindow();
  const QImage before = view->Picture();
  KernelDriver* dc = view->_GetMyDC();
  const QRgb five = dc->ColorOf(5).rgb();
  view->_DeleteMyDC(dc);
  Click({50, 50});
  Click({250, 50});
  Click({250, 200});
  // Somewhere on each segment, whatever the pen's rounding.
  auto drawn = [&](D_DOT at) {
    const QImage picture = view->Picture();
    const CPoint p = view->_LpToWp(at);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (picture.pixel(p.x + dx, p.y + dy) == five) return true;
    return false;
  };
  ASSERT_FALSE(drawn({150, 50}));
  view->_UpdateWindow();
  EXPECT_TRUE(drawn({150, 50}));
  EXPECT_TRUE(drawn({250, 125}));
  EXPECT_FALSE(drawn({150, 125})) << "the closing segment is not drawn";
  view->_UpdateWindow();
  EXPECT_TRUE(drawn({150, 50})) << "again on the next redraw";

  script->AnswerDialog([](QDialog& dialog) {
    dialog.reject();
    return 0;
  });
  RightClick({0, 0});
  view->_UpdateWindow();
  EXPECT_EQ(view->Picture(), before) << "the outline was used: nothing is left drawn";
}

TEST_F(ClipOutlineTest, TheClipDialogFollowsItsSwitchesAndRefusesAZeroDenominator) {
  CClipParamDlg dialog;
  PNT_INFO text;
  BasGetDefaultPointParam(&text, 0);
  EXPECT_FLOAT_EQ(text.charHeight(), 3.0f);
  EXPECT_FLOAT_EQ(text.charWidth(), 3.0f);
  auto* frame = dialog.findChild<QCheckBox*>("frame");
  auto* oldScale = dialog.findChild<QLineEdit*>("oldScale");
  auto* newScale = dialog.findChild<QLineEdit*>("newScale");
  auto* textButton = dialog.findChild<QPushButton*>("textParams");
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("inside")->isChecked());
  EXPECT_FALSE(oldScale->isEnabled() || newScale->isEnabled() || textButton->isEnabled());
  frame->click();
  EXPECT_TRUE(oldScale->isEnabled() && newScale->isEnabled() && textButton->isEnabled());
  dialog.findChild<QRadioButton*>("outside")->click();
  EXPECT_FALSE(frame->isEnabled() || oldScale->isEnabled() || textButton->isEnabled());
  EXPECT_TRUE(frame->isChecked());
  newScale->setText("0");
  script->AnswerMessage(prompt::kAnswerOk);
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(script->Messages().size(), 1u);
  newScale->setText("2000");
  dialog.accept();
  EXPECT_EQ(dialog.values().Mode(), kTopoKeepOutside);
  EXPECT_DOUBLE_EQ(dialog.values().Factor(), 2.5);  // the frame flag still scales
  dialog.findChild<QRadioButton*>("inside")->click();
  EXPECT_TRUE(frame->isEnabled() && oldScale->isEnabled());
}

TEST_F(ClipOutlineTest, AnOutlineEnclosingNoAreaIsRefusedBeforeAnyDialog) {
  AddText({50, 50}, "中");
  ASSERT_TRUE(Launch(6));
  for (const std::vector<D_DOT>& clicks :
       {std::vector<D_DOT>{{10, 10}, {50, 50}, {90, 90}}, std::vector<D_DOT>{{30, 30}, {30, 30}, {30, 30}}}) {
    for (const D_DOT& p : clicks) Click(p);
    RightClick({0, 0});
  }
  EXPECT_EQ(script->Messages(), std::vector<QString>(2, "裁剪边界不围成面积，无法裁剪。"));
  EXPECT_EQ(script->asked().size(), 2u);  // no folder or clip dialog
  EXPECT_FALSE(fs::exists(Out()));
  // A drawn figure-eight encloses its two lobes.
  for (const D_DOT& p : {D_DOT{10, 10}, D_DOT{90, 90}, D_DOT{90, 10}, D_DOT{10, 90}}) Click(p);
  AnswerDialogs(Out());
  RightClick({0, 0});
  EXPECT_EQ(PointTexts(Out() + "/未命名.wt"), std::vector<std::string>{"中"});
}

TEST_F(ClipOutlineTest, TheClipDialogRefusesADenominatorThatIsNotAWholeNumber) {
  CClipParamDlg dialog;
  dialog.findChild<QCheckBox*>("frame")->click();
  dialog.findChild<QLineEdit*>("oldScale")->setText("10000");
  for (const char* typed : {"1e308", "abc", "-1", "2000 m", "99999999999999999999"}) {
    SCOPED_TRACE(typed);
    dialog.findChild<QLineEdit*>("newScale")->setText(typed);
    script->AnswerMessage(prompt::kAnswerOk);
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(script->Messages().size(), 5u);
  dialog.findChild<QLineEdit*>("newScale")->setText(" 4000 ");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(dialog.values().Factor(), 2.5);
}

// A project view: the project's files are clipped under their own names.
class ClipProjectTest : public ClipOutlineTest {
 public:
  std::unique_ptr<CGisEditView> MakeView() override { return std::make_unique<CPrjEditView>(); }
  void SetUp() override {
    ClipOutlineTest::SetUp();
    fs::create_directories(root_ / "src");
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    const WorkAreaHandle points = BasCreatePointWorkArea(set), lines = BasCreateLineWorkArea(set);
    BasAppendPoint(points, {50, 50}, "井", PNT_INFO{});
    BasAppendLine(lines, {{0, 50}, {300, 50}}, LIN_INFO{});
    ASSERT_EQ(BasSaveWorkArea(lines, (root_ / "src" / "lines.wl").string(), kSavePathComplete), 1);
    ASSERT_EQ(BasSaveWorkArea(points, (root_ / "src" / "points.wt").string(), kSavePathComplete), 1);
    BasFreeWorkAreaSet(set);
    project_ = PrjCreate(0);
    PrjSetPath(project_, (root_ / "src" / "HILLS.MPJ").string());
    PrjAddItem(project_, (root_ / "src" / "lines.wl").string());
    PrjAddItem(project_, (root_ / "src" / "points.wt").string());
    PrjAddItem(project_, (root_ / "src" / "missing.wl").string() + ".png");
    static_cast<CPrjEditView*>(view.get())->SetProject(project_);
  }
  void TearDown() override {
    static_cast<CPrjEditView*>(view.get())->SetProject(nullptr);
    PrjClose(project_);
    ClipOutlineTest::TearDown();
  }
  void DrawSquare() {
    for (const D_DOT p : {D_DOT{10, 10}, D_DOT{100, 10}, D_DOT{100, 100}, D_DOT{10, 100}}) Click(p);
    RightClick({0, 0});
  }
  MapProject* project_ = nullptr;
};

TEST_F(ClipProjectTest, ProjectFilesAreCopiedInKindOrderAndExistingFilesAreAskedFor) {
  ASSERT_TRUE(Launch(6));
  AnswerDialogs(Out());
  DrawSquare();
  const std::string written = Out() + "/HILLS(CJ).MPJ";
  MapProject* clipped = PrjOpen(written);
  ASSERT_NE(clipped, nullptr);
  ASSERT_EQ(PrjGetItemCount(clipped), 2);
  EXPECT_EQ(fs::path(PrjGetItemPath(clipped, 0)).filename().string(), "points.wt");
  EXPECT_EQ(fs::path(PrjGetItemPath(clipped, 1)).filename().string(), "lines.wl");
  EXPECT_EQ(PrjGetItemState(clipped, 1), kItemShown);
  PrjClose(clipped);

  // Again into the same folder: No to the question writes nothing.
  fs::remove(Out() + "/points.wt");
  AnswerDialogs(Out());
  script->AnswerMessage(prompt::kAnswerNo);
  DrawSquare();
  EXPECT_FALSE(fs::exists(Out() + "/points.wt"));
  EXPECT_NE(script->Messages().back().indexOf("lines.wl"), -1);
}

TEST_F(ClipProjectTest, CancelOrTheSourceFolderWritesNothing) {
  ASSERT_TRUE(Launch(6));
  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  DrawSquare();
  script->AnswerDialog([this](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("control1117")->setText(QString::fromStdString(Out()));
    dialog.accept();
    return -1;
  });
  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  DrawSquare();
  EXPECT_TRUE(fs::is_empty(Out()));
  AnswerDialogs((root_ / "src").string());
  script->AnswerMessage(prompt::kAnswerOk);
  DrawSquare();
  EXPECT_NE(script->Messages().back().indexOf("points.wt"), -1);
  EXPECT_FALSE(fs::exists(root_ / "src" / "HILLS(CJ).MPJ"));
  EXPECT_EQ(script->PendingAnswers(), 0);
}

}  // namespace
}  // namespace zv::tools

// The drawn-outline fill (−9) and the trend fill (9), driven by the mouse.
#include <gtest/gtest.h>

#include <QDialog>
#include <cmath>
#include <fstream>
#include <numbers>

#include "annotation/core/area_ids.h"
#include "annotation/core/pattern_tag.h"
#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_fill.h"
#include "annotation/tool/sec_annot_tool.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/hatch_lib_dlg.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"
#include "tests/support/test_env.h"

namespace zv::annot {
namespace {

class AnnotTrendTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    RegisterAnnotCommands();
    pat = zv::test::TempRoot() + "/trend.pat";
    std::ofstream(pat, std::ios::binary) << "*LINES\n0, 0,0, 0,4\n";  // every 2 units at Y scale 5
  }
  // The dialog answered with OK: lines at 30°, as a single angle.
  void Answer() {
    script->AnswerDialog([this](QDialog& d) {
      auto& dlg = dynamic_cast<panels::CHatchLibDlg&>(d);
      dlg.m_strPatternFile = pat;
      dlg.m_strPatternName = "*LINES";
      dlg.m_dAngle = 30;
      dlg.m_nAngleKind = 1;
      dlg.m_dScaleX = dlg.m_dScaleY = 5;
      dlg.m_nPatternSource = 1;
      return static_cast<int>(QDialog::Accepted);
    });
  }
  std::vector<std::vector<D_DOT>> Tagged(int32_t tag) const {
    std::vector<std::vector<D_DOT>> out;
    for (int32_t id : LiveIdsFrom(lin, kLineEntity, 1)) {
      if (ReadPatternTag(lin, kLineEntity, id) != tag) continue;
      std::vector<D_DOT> v;
      BasReadLine(lin, id, &v, nullptr);
      out.push_back(v);
    }
    return out;
  }
  bool Launch(int16_t mode) { return LaunchTool(*view, "CSecAnnotTool", mode, false, 0); }

  std::string pat;
  prompt::ScopedScriptedPrompts script;
};

TEST_F(AnnotTrendTest, ThreeClicksFillTheirTriangleAndManyClicksTheirPolygon) {
  ASSERT_TRUE(Launch(-9));
  for (D_DOT p : {D_DOT{20, 20}, D_DOT{220, 20}, D_DOT{20, 220}}) Click(p);
  Answer();
  RightClick({100, 100});
  const auto lines = Tagged(kTrendPatternTag);
  ASSERT_GT(lines.size(), 20u);
  for (const auto& v : lines) {
    const double degrees = std::atan2(v[1].y - v[0].y, v[1].x - v[0].x) * 180 / std::numbers::pi;
    EXPECT_NEAR(std::fmod(degrees + 360, 180), 30, 1e-6);
    for (const D_DOT& p : v) EXPECT_LE(p.x + p.y, 242);
  }
  auto* tool = dynamic_cast<CSecAnnotTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  EXPECT_TRUE(tool->m_pTrendPoints.empty());

  // 250 clicks on a circle: no limit on the points.
  BasClearWorkArea(lin);
  for (int i = 0; i < 250; ++i) {
    const double a = 2 * std::numbers::pi * i / 250;
    Click({150 + 100 * std::cos(a), 150 + 100 * std::sin(a)});
  }
  EXPECT_EQ(tool->m_pTrendPoints.size(), 250u);
  Answer();
  RightClick({150, 150});
  EXPECT_GT(Tagged(kTrendPatternTag).size(), 50u);
  // One click only: nothing to fill, the point is dropped.
  Click({10, 10});
  const std::size_t asked = script->asked().size();
  RightClick({10, 10});
  EXPECT_EQ(script->asked().size(), asked);
  EXPECT_TRUE(tool->m_pTrendPoints.empty());
}

TEST_F(AnnotTrendTest, TheTrendFillTakesTheFirstRingAtAngleZeroFromTheFirstTrendPoint) {
  const int32_t outer = AddLine({{50, 50}, {250, 50}, {250, 250}, {50, 250}, {50, 50}}, reg);
  const int32_t hole = AddLine({{100, 100}, {150, 100}, {150, 150}, {100, 150}, {100, 100}}, reg);
  BasAppendRegion(reg, {0, outer, 0, hole}, REG_INFO{});
  ASSERT_TRUE(Launch(9));
  auto* tool = dynamic_cast<CSecAnnotTool*>(view->GetExtTool());
  // A release on nothing keeps choosing.
  Click({350, 280});
  EXPECT_EQ(tool->m_nTrendStage, 0);
  Click({70, 70});
  ASSERT_EQ(tool->m_nTrendStage, 1);
  EXPECT_EQ(tool->m_pFillOutline.size(), 5u);
  Click({60, 61});
  Click({200, 200});
  ASSERT_EQ(tool->m_pTrendPoints.size(), 2u);
  const D_DOT anchor = tool->m_pTrendPoints.front();
  Answer();
  RightClick({200, 200});
  const auto lines = Tagged(kTrendPatternTag);
  ASSERT_GT(lines.size(), 20u);
  bool throughHole = false;
  for (const auto& v : lines) {
    EXPECT_NEAR(v[0].y, v[1].y, 1e-9);  // angle 0 whatever the dialog said
    const double k = (v[0].y - anchor.y) / 2;
    EXPECT_NEAR(k, std::round(k), 1e-9);  // anchored at the first trend point
    throughHole |= v[0].y > 100 && v[0].y < 150 && std::min(v[0].x, v[1].x) < 100 && std::max(v[0].x, v[1].x) > 150;
  }
  EXPECT_TRUE(throughHole);  // only the first ring bounds the fill
  EXPECT_EQ(tool->m_nTrendStage, 0);
  EXPECT_EQ(view->PoolCount(), 0);
}

TEST_F(AnnotTrendTest, AToolReplacedWhileDrawingLeavesNothingBehind) {
  ASSERT_TRUE(Launch(-9));
  Click({20, 20});
  Click({60, 40});
  view->MouseMove(0, At({80, 80}));
  view->_UpdateWindow();
  ASSERT_TRUE(Launch(-10));
  view->_UpdateWindow();
  EXPECT_EQ(LiveCount(lin, kLineEntity), 0);
}

}  // namespace
}  // namespace zv::annot

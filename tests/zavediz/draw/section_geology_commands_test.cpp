// The geology of a section through the running program: on the sample plan
// a line traced across the wood and the lake, two design boreholes and a
// trench placed with their dialogs, 读取地质信息 over the region file, then
// 图切剖面. The section window's sheet holds the passes of a straight
// section in their order, the design and strata passes among them, and
// renders as its golden image.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "platform/display/work_area_renderer.h"
#include "tests/platform/display/golden.h"
#include "tests/zavediz/draw/section_fixture.h"
#include "tests/zavediz/plan/plan_view_fixture.h"
#include "zavediz/draw/design_passes.h"
#include "zavediz/draw/grid_passes.h"
#include "zavediz/draw/overburden_passes.h"
#include "zavediz/draw/section_request_handler.h"
#include "zavediz/draw/sheet_passes.h"
#include "zavediz/draw/strata_pass.h"
#include "zavediz/draw/zavediz_drawing.h"
#include "zavediz/plan/design_dialogs.h"
#include "zavediz/plan/plan_section_controller.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_binding.h"

namespace zv::zavediz {
namespace {

// The trace and the places on it, in plan mm: across the wood (a clearing
// in it) and the lake (an island in it).
constexpr D_DOT kFrom{57.0, 286.0}, kTo{230.0, 19.0};
D_DOT Along(double t) { return {kFrom.x + t * (kTo.x - kFrom.x), kFrom.y + t * (kTo.y - kFrom.y)}; }

// Every entity of a section's three areas as text, in drawing order, and
// how many of each there are.
struct SheetDump {
  std::string text;
  size_t lines = 0, points = 0, arcs = 0, regions = 0;
};
SheetDump Dump(const ZavedizAreas& areas) {
  SheetDump dump;
  for (const test::Line& l : test::Lines(areas.line)) {
    dump.text += "L" + std::to_string(l.info.colour()) + " " + std::to_string(l.info.width());
    for (const D_DOT& p : l.vertices) dump.text += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    dump.text += "\n";
    ++dump.lines;
  }
  for (const test::Note& n : test::Notes(areas.point)) {
    dump.text += "T" + n.text + " " + std::to_string(n.at.x) + "," + std::to_string(n.at.y) + "\n";
    ++dump.points;
  }
  for (const test::Line& l : test::Lines(areas.region)) {
    dump.text += "A" + std::to_string(l.vertices.size()) + "\n";
    ++dump.arcs;
  }
  for (int32_t id : BasGetDisplayOrder(areas.region, kRegionEntity)) {
    std::vector<int32_t> arcs;
    REG_INFO info;
    if (!BasReadRegion(areas.region, id, &arcs, &info)) continue;
    dump.text += "R" + std::to_string(info.fillColour()) + " " + std::to_string(arcs.size()) + "\n";
    ++dump.regions;
  }
  return dump;
}

using Pass = void (*)(ZavedizSheet&);
void LeftLabels(ZavedizSheet& s) { DrawElevationLabels(s, true); }
void RightLabels(ZavedizSheet& s) { DrawElevationLabels(s, false); }

class SectionGeologyCommandsTest : public test::PlanViewTest {
 protected:
  void Click(D_DOT at) {
    Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
  }
  PlanGeologyController& Geology() { return PlanSectionBinding::Of(*view_, plan_->Section()).Geology(); }
  // 存 储 of a design dialog.
  static void Store(QDialog* dialog) {
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QAbstractButton*>("store")->click();
    Settle();
  }
  CZavedizDoc* plan_ = nullptr;
};

TEST_F(SectionGeologyCommandsTest, DesignAndGeologyReachTheSheetInPassOrder) {
  CZavedizDoc* plan = plan_ = OpenPlan();
  ASSERT_NE(plan, nullptr);
  AnswerHeaderAndField();
  frame().RunCommand(32783);  // 拉线读取
  AnswerField();
  Mouse(QEvent::MouseButtonPress, kFrom, Qt::LeftButton);
  Mouse(QEvent::MouseMove, kTo, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, kTo, Qt::NoButton);
  const SectionData& data = plan->Section();
  ASSERT_TRUE(data.lineStored);
  const int32_t profile = data.terrain.GetCount();

  frame().RunCommand(32784);  // 设计钻孔
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagDesignBorehole);
  Click(Along(0.35));
  Store(Geology().BoreholeDialog());
  Click(Along(0.6));
  Store(Geology().BoreholeDialog());
  frame().RunCommand(32785);  // 设计探槽
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagDesignTrench);
  Click(Along(0.45));
  Store(Geology().TrenchDialog());
  Geology().TrenchDialog()->reject();  // 退 出
  Settle();
  EXPECT_EQ(view_->_GetCommandFlag(), kFlagIdle);
  EXPECT_EQ(CountDesignBoreholes(data), 2);
  EXPECT_EQ(CountDesignTrenches(data), 1);

  frame().RunCommand(32786);  // 读取地质信息
  // The line's two ends and where it enters and leaves the wood, its
  // clearing, the lake and its island.
  EXPECT_EQ(data.geologyCrossings.GetCount(), 10);
  EXPECT_EQ(data.geologyBoundary.GetCount(), 10);
  EXPECT_EQ(data.terrain.GetCount(), profile + 8);

  frame().RunCommand(32787);  // 图切剖面
  CGisEditView* section = NewestSectionView();
  ASSERT_NE(section, nullptr);
  script_->AnswerDialog([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  Settle();
  EXPECT_EQ(script_->Messages(), (std::vector<QString>{QString::fromUtf8(kTerrainStoredMessage),
                                                       QString::fromUtf8(kNoSavePathMessage)}));
  const ZavedizAreas drawn{section->GetCurrentLinArea(), section->GetCurrentPntArea(), section->GetCurrentRegArea()};

  // The same passes replayed one by one on the plan's section data: the
  // window's sheet is their entities in this order, and each design and
  // strata pass adds its own.
  const Pass passes[] = {DrawZavedizEnds,     DrawPlanStripBorders, DrawZavedizFrame,    DrawTitleBlock,
                         DrawGridTicks,       DrawElevationLines,   DrawDesignBoreholes, DrawDesignTrenches,
                         DrawTrenchProfiles,  DrawZavedizLegend,    DrawPlanStrip,       LeftLabels,
                         RightLabels,         DrawOverburdenBase,   DrawTrenchSections,  DrawStrata};
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const ZavedizAreas replay{BasCreateLineWorkArea(set), BasCreatePointWorkArea(set), BasCreateRegionWorkArea(set)};
  ZavedizSheet sheet(data, replay, CurrentSheetOptions(), [](const std::string& m) { ADD_FAILURE() << m; });
  std::vector<SheetDump> after;
  for (Pass pass : passes) {
    pass(sheet);
    after.push_back(Dump(replay));
  }
  EXPECT_EQ(Dump(drawn).text, after.back().text);
  BasFreeWorkAreaSet(set);

  const auto added = [&](size_t step) {  // step 1-based, the two label passes being step 12
    const size_t i = step < 13 ? step - 1 : step;
    const SheetDump& before = after[i - 1];
    const SheetDump& now = after[i];
    return std::vector<long>{static_cast<long>(now.lines - before.lines), static_cast<long>(now.points - before.points),
                             static_cast<long>(now.arcs - before.arcs), static_cast<long>(now.regions - before.regions)};
  };
  // Step 7: per hole its line and bottom tick, collar, name, depth, plan
  // symbol and plan name.
  EXPECT_EQ(added(7), (std::vector<long>{4, 10, 0, 0}));
  // Step 8: the trench's outline in the strip and its two names.
  EXPECT_EQ(added(8), (std::vector<long>{1, 2, 0, 0}));
  // Step 9: the trench line over the cut and its two walls (with overburden).
  EXPECT_EQ(added(9), (std::vector<long>{3, 0, 0, 0}));
  // Step 15: a red contact at each of the 8 inner boundary points (the
  // bedrock line gone again), and per stretch of the 9 a region over its
  // bottom arc and right boundary (the first also its left boundary).
  EXPECT_EQ(added(15), (std::vector<long>{8, 0, 9 * 2 + 1, 9}));

  // The sheet spans x −31 … 420 and y −181 … 126 mm (its title higher): 2 pixels per mm.
  QImage image = zv::test::BlankImage(950, 660);
  display::KernelDriver driver(image);
  driver.SetWindow(-40, -190, 2.0);
  for (WorkAreaHandle area : {drawn.region, drawn.line, drawn.point}) display::WorkAreaRenderer(area).Draw(driver);
  std::string report;
  EXPECT_TRUE(zv::test::MatchesGolden(image, "zavediz_section_geology", &report)) << report;
}

}  // namespace
}  // namespace zv::zavediz

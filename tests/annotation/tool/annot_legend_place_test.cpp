// Mode −1 in a view: the chosen items placed at each left release in one
// undo step each, unreadable items told and skipped, the right button
// disarming, and the command offered once the library step is bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_legend_modes.h"
#include "annotation/tool/annot_legend_place.h"
#include "annotation/tool/sec_annot_tool.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/core/legend_item_file.h"
#include "platform/data/scratch_set.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"
#include "tests/platform/data/area_probes.h"

namespace zv::annot {
namespace {

// What the library step hands over in these tests; an empty list stands for
// a cancelled dialog.
std::vector<std::string>& Chosen() {
  static std::vector<std::string> paths;
  return paths;
}

bool ChooseForTest(CSecAnnotTool& tool) {
  if (Chosen().empty()) return false;
  tool.m_nLegendColumns = 0;
  tool.m_nLegendRows = 1;
  tool.m_dLegendWidth = 12;
  tool.m_dLegendHeight = 8;
  tool.m_dLegendSpaceX = 30;
  tool.m_dLegendSpaceY = 5;
  tool.m_nLegendTextMode = 1;
  tool.m_strLegendItems = Chosen();
  tool.m_nLegendItemCount = static_cast<int16_t>(Chosen().size());
  return true;
}

// An item with one line across its box, written under its number.
std::string WriteItem(const char* number, const char* name) {
  ScratchSet set;
  const panels::LegendAreas areas{set.Create(kPointArea), set.Create(kLineArea), set.Create(kRegionArea)};
  BasAppendLine(areas.lines, std::vector<D_DOT>{{-6, -4}, {6, 4}}, LIN_INFO{});
  panels::LegendHeader header;
  header.number = number;
  header.name = name;
  const std::string path = panels::LegendFolder() + panels::LegendFileName(number, name);
  EXPECT_TRUE(panels::WriteLegendItemFile(path, header, areas));
  return path;
}

class AnnotLegendPlaceTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    BasResetDefaultParams();
    BindLegendItemChooser(&ChooseForTest);
    RegisterLegendModes();
    RegisterAnnotCommands();
  }
  void TearDown() override {
    Chosen().clear();
    BasResetDefaultParams();
    AnnotViewTest::TearDown();
  }
  std::vector<std::vector<D_DOT>> Lines() const { return zv::test::LiveLines(lin); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    int32_t live = 0, bound = 0;
    BasGetPointCount(pnt, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::string s;
      if (BasReadPoint(pnt, id, nullptr, &s, nullptr)) out.push_back(s);
    }
    return out;
  }

  prompt::ScopedScriptedPrompts script;
};

TEST_F(AnnotLegendPlaceTest, EachReleasePlacesTheChosenItemsInOneUndoStepUntilTheRightButton) {
  Chosen() = {WriteItem("0001", "砂岩"), WriteItem("0002", "页岩")};
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -1, false, 0));
  Click({100, 200});
  // A column downwards: frames centred at y 200 and 187, each with its drawing.
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0][0].x, 94);
  EXPECT_EQ(lines[0][0].y, 204);
  EXPECT_EQ(lines[1][1].x, 106);
  EXPECT_EQ(lines[1][1].y, 204);
  EXPECT_EQ(lines[2][0].y, 191);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"砂岩", "页岩", ""}));
  Click({300, 200});
  EXPECT_EQ(Lines().size(), 8u);
  view->Undo();
  EXPECT_EQ(Lines().size(), 4u);
  EXPECT_EQ(Texts().size(), 3u);
  RightClick({0, 0});
  EXPECT_EQ(view->GetExtTool(), nullptr);
}

TEST_F(AnnotLegendPlaceTest, ATruncatedItemAmongThreeIsToldAndTheOthersTakeTheFirstTwoCells) {
  Chosen() = {WriteItem("0001", "A"), WriteItem("0002", "B"), WriteItem("0003", "C")};
  std::filesystem::resize_file(Chosen()[1], std::filesystem::file_size(Chosen()[1]) - 5);
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -1, false, 0));
  Click({100, 200});
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].contains(QStringLiteral("0002_B.TL"))) << script->Messages()[0].toStdString();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "C", ""}));
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2][0].y, 191);  // C in the second cell
}

TEST_F(AnnotLegendPlaceTest, ACancelledLibraryLeavesTheToolUnarmedAndTheCommandNeedsTheLibraryStep) {
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -1, false, 0));
  Click({100, 200});
  EXPECT_TRUE(Lines().empty());
  EXPECT_TRUE(view->GetUndo().IsEmpty());
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(menu);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const cmd::MenuRow& r) { return r.id == 33396; }));
  }
}

}  // namespace
}  // namespace zv::annot

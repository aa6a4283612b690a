// Modes 3, −4, 4 and −5 in a view: the outline each takes, the name asked
// after the number, the item file written, refusals before the name, and the
// sources of a project view.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <algorithm>

#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_legend_modes.h"
#include "annotation/tool/sec_annot_tool.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/core/legend_item_file.h"
#include "platform/data/scratch_set.h"
#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"
#include "tests/support/test_env.h"

namespace zv::annot {
namespace {

// The name dialog answered with a typed name, or cancelled (null).
prompt::ScriptedPrompts::DialogScript Named(const char* name) {
  return [name](QDialog& d) {
    if (!name) return static_cast<int>(QDialog::Rejected);
    d.findChild<QLineEdit*>("control202")->setText(QString::fromUtf8(name));
    d.accept();
    return -1;
  };
}

// The lines of an item file, its header in `header`.
std::vector<std::vector<D_DOT>> ItemLines(const std::string& file, panels::LegendHeader* header = nullptr) {
  ScratchSet set;
  const panels::LegendAreas areas{set.Create(kPointArea), set.Create(kLineArea), set.Create(kRegionArea)};
  std::vector<std::vector<D_DOT>> out;
  if (!panels::ReadLegendItemInto(panels::LegendFolder() + file, areas, header)) return out;
  int32_t live = 0, bound = 0;
  BasGetLineCount(areas.lines, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    if (BasReadLine(areas.lines, id, &v, nullptr)) out.push_back(v);
  }
  return out;
}

void ExpectLine(const std::vector<D_DOT>& got, const std::vector<D_DOT>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << i;
  }
}

std::vector<std::string> Items() { return panels::ListLegendFolder(); }

class AnnotLegendGatherTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    RegisterLegendModes();
    RegisterAnnotCommands();
  }
  uint64_t Revisions() const { return BasGetRevision(pnt) + BasGetRevision(lin) + BasGetRevision(reg); }
  bool Launch(int16_t mode) { return LaunchTool(*view, "CSecAnnotTool", mode, false, 0); }
  void Pick(std::initializer_list<ENTITY_MSG> entries) {
    view->ClearPool();
    for (const ENTITY_MSG& e : entries) view->AddToPool(&e, 1);
  }

  prompt::ScopedScriptedPrompts script;
};

// A pick at (100, 50) gathers (94, 46)–(106, 54): the line through its
// corners becomes (−6, −4)–(6, 4). Each press writes the next number; a
// cancelled name writes nothing; the map is not changed.
TEST_F(AnnotLegendGatherTest, EachPickWritesTheNextItemUnderTheGivenName) {
  AddLine({{88, 42}, {112, 58}});
  const uint64_t before = Revisions();
  ASSERT_TRUE(Launch(3));
  script->AnswerDialog(Named("砂岩"));
  Click({100, 50});
  script->AnswerDialog(Named(nullptr));
  Click({100, 50});
  script->AnswerDialog(Named("a/b十一个汉字的名称再长一点"));
  Click({100, 50});
  EXPECT_EQ(Items(), (std::vector<std::string>{"0001_砂岩.TL", "0002_a_b十一个汉字的名称.TL"}));
  panels::LegendHeader header;
  const auto lines = ItemLines("0001_砂岩.TL", &header);
  EXPECT_EQ(header.number, "0001");
  EXPECT_EQ(header.name, "砂岩");
  EXPECT_EQ(header.height, 8);
  EXPECT_EQ(header.width, 12);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {{-6, -4}, {6, 4}});
  EXPECT_EQ(Revisions(), before);
  EXPECT_EQ(script->asked().size(), 3u);  // the three name dialogs and nothing else
}

TEST_F(AnnotLegendGatherTest, TheDraggedRectangleIsGatheredAndADragWithoutMovementIsRefusedBeforeTheName) {
  AddLine({{10, 10}, {70, 50}});
  ASSERT_TRUE(Launch(-5));
  view->LButtonDown(MK_LBUTTON, At({40, 30}));
  view->LButtonUp(0, At({40, 30}));
  EXPECT_EQ(script->Messages(), std::vector<QString>{QString::fromUtf8("获取范围没有宽度或高度，不能制作图例。")});
  EXPECT_TRUE(Items().empty());
  script->AnswerDialog(Named("框"));
  Drag({10, 10}, {70, 50});
  const auto lines = ItemLines("0001_框.TL");
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {{-6, -4}, {6, 4}});
}

// Only one selected entity of the mode's kind: two lines, or a region in
// the line mode, gather nothing and ask nothing.
TEST_F(AnnotLegendGatherTest, SelectedLineOrRegionModesTakeOnlyOneEntityOfTheirKind) {
  const int32_t a = AddLine({{0, 0}, {24, 16}});
  const int32_t b = AddLine({{5, 0}, {5, 16}});
  const int32_t square = AddSquareRegion(100, 100, 10);
  const int32_t outline = AddLine({{100, 100}, {110, 100}, {110, 110}, {100, 110}, {100, 100}});
  struct Case {
    int16_t mode;
    std::vector<ENTITY_MSG> picked;
    bool writes;
  };
  const Case cases[] = {
      {-4, {{lin, kLineEntity, a}, {lin, kLineEntity, b}}, false},
      {-4, {{reg, kRegionEntity, square}}, false},
      {4, {{lin, kLineEntity, outline}}, false},
      {-4, {{lin, kLineEntity, a}}, true},
      {4, {{reg, kRegionEntity, square}}, true},
  };
  int written = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    view->ClearPool();
    for (const ENTITY_MSG& e : c.picked) view->AddToPool(&e, 1);
    if (c.writes) script->AnswerDialog(Named("选"));
    ASSERT_TRUE(Launch(c.mode));
    written += c.writes;
    EXPECT_EQ(static_cast<int>(Items().size()), written);
    EXPECT_EQ(script->PendingAnswers(), 0);
  }
  ExpectLine(ItemLines("0001_选.TL")[0], {{-6, -4}, {6, 4}});
}

// In a project view every work area of the project is gathered, not the
// view's own areas.
TEST_F(AnnotLegendGatherTest, AProjectViewGathersFromEveryAreaOfItsProject) {
  const std::string folder = zv::test::TempRoot() + "/prj";
  QDir().mkpath(QString::fromStdString(folder));
  MapProject* project = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project, folder + "/map.mpj"));
  const int first = PrjAddItem(project, folder + "/a.wl");
  const int second = PrjAddItem(project, folder + "/b.wl");
  const LIN_INFO li;
  BasAppendLine(PrjGetItemArea(project, first), std::vector<D_DOT>{{-1, 0}, {1, 0}}, li);
  BasAppendLine(PrjGetItemArea(project, second), std::vector<D_DOT>{{0, -1}, {0, 1}}, li);
  CPrjEditView projectView;
  projectView.resize(200, 200);
  projectView.show();
  const WorkAreaHandle own = projectView.GetCurrentLinArea();
  projectView.SetProject(project);
  AddLine({{-2, -2}, {2, 2}}, own);  // the view's own line area is no part of the project

  CSecAnnotTool tool(&projectView, 3);
  script->AnswerDialog(Named("工程"));
  tool.OnLButtonDown(MK_LBUTTON, projectView._LpToWp({0, 0}));
  EXPECT_EQ(ItemLines("0001_工程.TL").size(), 2u);
  projectView.SetProject(nullptr);
  PrjClose(project);
}

TEST_F(AnnotLegendGatherTest, TheGatheringCommandsHaveTheirItemsInBothToolViews) {
  for (int16_t mode : {3, -4, 4, -5}) EXPECT_TRUE(Tools().Knows("CSecAnnotTool", mode)) << mode;
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(menu);
    for (int id : {33407, 33408, 33409, 33410})
      EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const cmd::MenuRow& r) { return r.id == id; })) << id;
  }
}

}  // namespace
}  // namespace zv::annot

#include "platform/editor/workspace.h"

#include <gtest/gtest.h>

#include <fstream>

#include "framework/prompts/scripted_prompts.h"
#include "tests/platform/view/view_fixture.h"
#include "tests/support/test_env.h"

namespace zv::test {
namespace {

int32_t Live(WorkAreaHandle area, int type) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  return live;
}

class WorkspaceTest : public ViewTest {
 public:
  std::string Path(const char* name) const { return TempRoot() + "/" + name; }
  prompt::ScopedScriptedPrompts prompts;
};

TEST_F(WorkspaceTest, SaveLoadAppendAndSavePartRoundTrip) {
  AddLine({{0, 0}, {10, 10}});
  AddLine({{5, 5}, {20, 0}});
  AddSquareRegion(0, 0, 10);
  ASSERT_TRUE(editor::SaveAreaTo(*view, kLineArea, Path("a.wl")));
  ASSERT_TRUE(editor::SaveAreaTo(*view, kRegionArea, Path("a.wp")));
  // Save without a name asks for one; a cancel saves nothing.
  prompts->AnswerFiles({});
  EXPECT_FALSE(editor::SaveArea(*view, kPointArea));

  editor::ClearAllAreas(*view);
  EXPECT_EQ(Live(lin, kLineEntity), 0);
  ASSERT_TRUE(editor::LoadAreaFrom(*view, kLineArea, Path("a.wl")));
  EXPECT_EQ(Live(lin, kLineEntity), 2);
  ASSERT_TRUE(editor::AppendAreaFrom(*view, kLineArea, Path("a.wl")));
  EXPECT_EQ(Live(lin, kLineEntity), 4);
  ASSERT_TRUE(editor::AppendAreaFrom(*view, kRegionArea, Path("a.wp")));
  EXPECT_EQ(Live(reg, kRegionEntity), 1);
  EXPECT_EQ(Live(reg, kLineEntity), 1);
  view->Undo();  // the region append, arcs and all
  EXPECT_EQ(Live(reg, kRegionEntity), 0);
  EXPECT_EQ(Live(reg, kLineEntity), 0);
  view->Undo();
  EXPECT_EQ(Live(lin, kLineEntity), 2);

  const ENTITY_MSG second{lin, kLineEntity, 2};
  view->AddToPool(&second, 1);
  ASSERT_TRUE(editor::SavePartAreaTo(*view, kLineArea, Path("part.wl")));
  editor::ClearArea(*view, kLineArea);
  ASSERT_TRUE(editor::LoadAreaFrom(*view, kLineArea, Path("part.wl")));
  std::vector<D_DOT> v;
  ASSERT_TRUE(BasReadLine(lin, 1, &v, nullptr));
  EXPECT_EQ(v[1].x, 20);
  EXPECT_EQ(Live(lin, kLineEntity), 1);
  EXPECT_TRUE(prompts->Messages().empty());
}

TEST_F(WorkspaceTest, ABadFileChangesNothingAndSaysWhy) {
  AddLine({{0, 0}, {10, 10}});
  std::ofstream(Path("bad.wl")) << "not a line file";
  EXPECT_FALSE(editor::LoadAreaFrom(*view, kLineArea, Path("bad.wl")));
  EXPECT_FALSE(editor::AppendAreaFrom(*view, kLineArea, Path("bad.wl")));
  EXPECT_FALSE(editor::AppendAreaFrom(*view, kPointArea, Path("missing.wt")));
  EXPECT_EQ(Live(lin, kLineEntity), 1);
  EXPECT_EQ(prompts->Messages().size(), 3u);
  EXPECT_FALSE(editor::SavePartAreaTo(*view, kLineArea, Path("none.wl")));  // nothing picked
  EXPECT_EQ(prompts->Messages().size(), 4u);
}

}  // namespace
}  // namespace zv::test

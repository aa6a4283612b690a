#include "platform/view/prj_edit_view.h"

#include <gtest/gtest.h>

#include <QDir>

#include "tests/support/test_env.h"

namespace zv {
namespace {

TEST(PrjEditView, ShowsTheProjectsItemsAndEditsItsCurrentAreas) {
  const std::string folder = zv::test::TempRoot() + "/prj";
  QDir().mkpath(QString::fromStdString(folder));
  MapProject* project = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project, folder + "/map.mpj"));
  const int lines = PrjAddItem(project, folder + "/a.wl");
  const int points = PrjAddItem(project, folder + "/b.wt");
  const int hidden = PrjAddItem(project, folder + "/c.wl");
  ASSERT_GE(hidden, 0);
  PrjSetItemState(project, hidden, kItemHidden);
  PrjSetItemState(project, points, kItemCurrent);
  LIN_INFO l;
  l.setStyle(1);
  l.setColour(1);
  BasAppendLine(PrjGetItemArea(project, lines), std::vector<D_DOT>{{0, 0}, {100, 100}}, l);
  BasAppendLine(PrjGetItemArea(project, hidden), std::vector<D_DOT>{{0, 100}, {100, 0}}, l);

  CPrjEditView view;
  view.resize(200, 200);
  view.show();
  const WorkAreaHandle ownRegion = view.GetCurrentRegArea();
  EXPECT_EQ(view.SetProject(project), nullptr);
  EXPECT_EQ(view.GetCurrentLinArea(), PrjGetItemArea(project, lines));
  EXPECT_EQ(view.GetCurrentPntArea(), PrjGetItemArea(project, points));
  EXPECT_EQ(view.GetCurrentRegArea(), ownRegion);  // the project has no region file
  const std::vector<WorkAreaHandle> shown = view.ShownAreas();
  EXPECT_EQ(shown, (std::vector<WorkAreaHandle>{PrjGetItemArea(project, lines), PrjGetItemArea(project, points), ownRegion}));

  view.OnRestoreWindow();
  view.SelectGraphics();
  const CPoint onBoth = view._LpToWp({50, 50});  // the hidden line crosses here too
  view.LButtonDown(MK_LBUTTON, onBoth);
  view.LButtonUp(0, onBoth);
  ASSERT_EQ(view.PoolCount(), 1);
  EXPECT_EQ(view.Pool()[0].area, PrjGetItemArea(project, lines));

  // Outside its display scale range the line item is neither drawn nor picked.
  const double scale = view._GetWinDispParam().scale;
  PrjSetItemScaleRange(project, lines, scale * 2, 0);
  EXPECT_EQ(view.ShownAreas(), (std::vector<WorkAreaHandle>{PrjGetItemArea(project, points), ownRegion}));
  view.ClearPool();
  view.LButtonDown(MK_LBUTTON, onBoth);
  view.LButtonUp(0, onBoth);
  EXPECT_EQ(view.PoolCount(), 0);
  view._UpdateWindow();
  const QImage hiddenByScale = view.Picture();
  PrjSetItemScaleRange(project, lines, 0, 0);
  view._UpdateWindow();
  EXPECT_NE(view.Picture(), hiddenByScale);

  EXPECT_EQ(view.SetProject(nullptr), project);
  EXPECT_EQ(view.PoolCount(), 0);
  EXPECT_NE(view.GetCurrentLinArea(), PrjGetItemArea(project, lines));
  PrjClose(project);
}

}  // namespace
}  // namespace zv

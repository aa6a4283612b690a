// Views show what changes in the work areas they display, without being
// asked, in the next turn of the event loop.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>

#include "platform/view/prj_edit_view.h"
#include "tests/platform/view/view_fixture.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

// Lets the event loop turn until nothing is pending.
void NextTurn() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Whether anything is drawn within a few pixels of a map point.
bool Dark(const QImage& image, D_DOT at, const CGisView& view) {
  const CPoint p = view._LpToWp(at);
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (image.valid(p.x + dx, p.y + dy) && image.pixelColor(p.x + dx, p.y + dy).lightness() < 200) return true;
  return false;
}

class ViewUpdates : public test::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    view->_UpdateWindow();
    NextTurn();
  }
  int Repaints() const { return view->RedrawCount() + view->PartialRedrawCount(); }
  // A sub-graph of the shipped library, big enough to see.
  int32_t AddSymbol(D_DOT at) {
    PNT_INFO info;
    info.setKind(1);
    info.setSymbolNumber(1);
    info.setSymbolHeight(10);
    info.setSymbolWidth(10);
    info.setColour(1);
    return BasAppendPoint(pnt, at, "", info);
  }
};

TEST_F(ViewUpdates, ChangesMadeOutsideTheViewShowAtTheNextTurn) {
  const int before = Repaints();
  const int32_t line = AddLine({{20, 150}, {380, 150}});
  EXPECT_FALSE(Dark(view->Picture(), {200, 150}, *view)) << "not before the turn";
  NextTurn();
  EXPECT_TRUE(Dark(view->Picture(), {200, 150}, *view));
  EXPECT_EQ(Repaints(), before + 1);

  // Moved: gone from the old place, shown at the new one.
  LIN_INFO info;
  std::vector<D_DOT> v;
  BasReadLine(lin, line, &v, &info);
  BasUpdateLine(lin, line, std::vector<D_DOT>{{20, 50}, {380, 50}}, info);
  NextTurn();
  EXPECT_FALSE(Dark(view->Picture(), {200, 150}, *view));
  EXPECT_TRUE(Dark(view->Picture(), {200, 50}, *view));

  const int32_t point = AddSymbol({100, 100});
  NextTurn();
  EXPECT_TRUE(Dark(view->Picture(), {100, 100}, *view));
  BasWritePointPos(pnt, point, {300, 200});
  NextTurn();
  EXPECT_FALSE(Dark(view->Picture(), {100, 100}, *view));
  EXPECT_TRUE(Dark(view->Picture(), {300, 200}, *view));

  BasDeleteLine(lin, line);
  NextTurn();
  EXPECT_FALSE(Dark(view->Picture(), {200, 50}, *view));

  // Attributes alone draw nothing: no repaint.
  const int drawn = Repaints();
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(pnt, kPointEntity, point, &record));
  BasWriteAttribute(pnt, kPointEntity, point, record);
  NextTurn();
  EXPECT_EQ(Repaints(), drawn);
}

TEST_F(ViewUpdates, ABatchOfAppendsIsOneRepaintAndAToolsOwnRedrawIsNotRepeated) {
  PaintCounter paints(view.get());
  const int redraws = Repaints();
  BasBeginBatch(lin);
  for (int i = 0; i < 10000; ++i) AddLine({{i % 400 * 1.0, 10}, {i % 400 * 1.0, 20}});
  BasEndBatch(lin);
  NextTurn();
  EXPECT_EQ(Repaints(), redraws + 1);
  EXPECT_EQ(paints.count, 1);

  AddLine({{0, 0}, {10, 10}});
  view->_UpdateWindow();  // as a tool that redraws by itself
  NextTurn();
  EXPECT_EQ(Repaints(), redraws + 2);
}

TEST_F(ViewUpdates, ASmallChangeRepaintsOnlyItsPlaceAndLooksLikeAFullRedraw) {
  for (int i = 0; i < 50; ++i) AddLine({{i * 8.0, 0}, {i * 8.0 + 100, 300}});
  view->_UpdateWindow();
  const int full = view->RedrawCount();
  const int32_t point = AddSymbol({50, 50});
  NextTurn();
  BasWritePointPos(pnt, point, {60, 40});
  NextTurn();
  EXPECT_EQ(view->RedrawCount(), full);
  EXPECT_EQ(view->PartialRedrawCount(), 2);
  const QImage partial = view->Picture();
  view->_UpdateWindow();
  EXPECT_EQ(view->Picture(), partial);
}

// A tool that keeps a rubber band in its overlay.
class RubberBandTool : public BaseGisTool {
 public:
  using BaseGisTool::BaseGisTool;
  void DrawHook(KernelDriver* dc) override {
    dc->SetDrawMode(display::kDrawXor);
    dc->SetColor(6);
    dc->_Rect(300, 20, 380, 80);
    dc->SetDrawMode(display::kDrawCopy);
  }
};

TEST_F(ViewUpdates, ARubberBandStaysAcrossARepaint) {
  view->SetExtTool(new RubberBandTool(view.get(), 1));
  view->_UpdateWindow();
  const QColor band = view->Picture().pixelColor(300, 50);
  EXPECT_NE(band, QColor(Qt::white));
  AddLine({{0, 200}, {400, 200}});
  BasBeginBatch(lin);
  for (int i = 0; i < 1000; ++i) AddLine({{10, 10}, {20, 20}});
  BasEndBatch(lin);
  NextTurn();
  EXPECT_EQ(view->Picture().pixelColor(300, 50), band);
}

TEST_F(ViewUpdates, AClosedViewNeitherCrashesNorRepaints) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle outside = BasCreateLineWorkArea(set);
  view->ChangeCurAi(outside);
  view->_UpdateWindow();
  view.reset();
  LIN_INFO info;
  info.setStyle(1);
  BasAppendLine(outside, std::vector<D_DOT>{{0, 0}, {1, 1}}, info);
  NextTurn();
  BasFreeWorkAreaSet(set);
}

TEST(ProjectViewUpdates, ItemsAddedLaterAreWatchedAndRemovedOnesAreNot) {
  const std::string folder = zv::test::TempRoot() + "/watch";
  QDir().mkpath(QString::fromStdString(folder));
  MapProject* project = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project, folder + "/map.mpj"));
  PrjAddItem(project, folder + "/a.wl");
  CPrjEditView view;
  view.resize(200, 200);
  view.show();
  view.SetProject(project);
  WIN_ORG org = view._GetWinDispParam();
  org.x = 0;
  org.y = 0;
  org.scale = 1.0;
  view._SetWinDispParam(org);
  view._UpdateWindow();
  NextTurn();

  const int later = PrjAddItem(project, folder + "/b.wl");
  const WorkAreaHandle added = PrjGetItemArea(project, later);
  NextTurn();
  LIN_INFO info;
  info.setStyle(1);
  info.setColour(1);
  BasAppendLine(added, std::vector<D_DOT>{{10, 100}, {190, 100}}, info);
  NextTurn();
  EXPECT_TRUE(Dark(view.Picture(), {100, 100}, view));

  // A removed item takes its area with it: the view shows the project
  // without it, and what is done to the old handle reaches nothing.
  ASSERT_TRUE(PrjRemoveItem(project, later));
  NextTurn();
  EXPECT_FALSE(Dark(view.Picture(), {100, 100}, view));
  const int repaints = view.RedrawCount() + view.PartialRedrawCount();
  EXPECT_EQ(BasAppendLine(added, std::vector<D_DOT>{{10, 50}, {190, 50}}, info), 0);
  NextTurn();
  EXPECT_EQ(view.RedrawCount() + view.PartialRedrawCount(), repaints);

  // The project closes under the view: the view lets go of it.
  PrjClose(project);
  NextTurn();
  EXPECT_EQ(view.GetProject(), nullptr);
}

}  // namespace
}  // namespace zv

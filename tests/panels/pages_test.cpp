// The side bar's colour, sub-graph, line and region pages, driven offscreen
// through their sample views and controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QListWidget>
#include <QSpinBox>
#include <QWheelEvent>

#include "common/globals/program_globals.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/attribute_pages.h"
#include "panels/colour_page.h"
#include "panels/core/page_records.h"
#include "platform/display/display_calls.h"

inline bool operator==(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

namespace zv::panels {
namespace {

std::string Setting(const char* key) { return PageSettingsFile().GetString(kSubLinRegSection, key, "none"); }

class PagesTest : public testing::Test {
 protected:
  void SetUp() override {
    BasResetDefaultParams();
    CurrentPickMode() = 0;
  }

  template <class Page>
  std::unique_ptr<Page> Shown(int width = 300, int height = 500) {
    auto page = std::make_unique<Page>();
    page->resize(width, height);
    page->show();
    return page;
  }

  // The window point of the first line sample of a style.
  static CPoint LineSample(const CDlgLine& page, int type, int subStyle) {
    int32_t live = 0, bound = 0;
    BasGetLineCount(page.SampleArea(), &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<D_DOT> v;
      LIN_INFO info;
      if (BasReadLine(page.SampleArea(), id, &v, &info) && info.style() == type && info.auxStyle() == subStyle)
        return page.View()->_LpToWp({(v.front().x + v.back().x) / 2, v.front().y});
    }
    ADD_FAILURE() << "no sample " << type << "-" << subStyle;
    return {};
  }
  // The window point in the middle of the sample of index i.
  static CPoint Cell(const SampleGridPage& page, const GridSpec& spec, int index) {
    const CellPlace place = PlaceOf(*page.Grid(), index);
    const double top = RowTop(spec, *page.Grid(), place.row);
    return page.View()->_LpToWp({spec.cellWidth * place.column + spec.cellWidth / 2.0, top - spec.cellHeight / 2.0 + 1});
  }
  static void LoseFocus(QWidget* widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(widget, &out);
  }

  prompt::ScopedScriptedPrompts prompts;
};

TEST_F(PagesTest, AHoverShowsTheStyleAndAPickFillsTheDefaultLineAndTheMode) {
  auto page = Shown<CDlgLine>();
  ASSERT_TRUE(page->Grid().has_value());
  EXPECT_FALSE(page->AllRowsBuilt());
  EXPECT_LE(page->SamplesBuilt(), page->Grid()->columns * page->Grid()->visible);
  const CPoint style21 = LineSample(*page, 2, 1);
  page->View()->HoverAt(style21);
  EXPECT_EQ(page->Box("LINENO")->text(), "2-1");
  EXPECT_EQ(BasGetDefaultLineParam(0)->style(), 1);  // a hover changes no record
  EXPECT_EQ(Setting("LINENO"), "none");
  EXPECT_EQ(CurrentPickMode(), 0);

  page->Box("LINECOLOR")->setText("6");
  page->DrawRadio()->click();
  EXPECT_EQ(Setting("LINEOPTYPE"), "0.000000");
  EXPECT_EQ(CurrentPickMode(), 0);  // the mode changes only at the next pick

  page->View()->PickAt(style21);
  const LIN_INFO& line = *BasGetDefaultLineParam(0);
  EXPECT_EQ(line.style(), 2);
  EXPECT_EQ(line.auxStyle(), 1);
  EXPECT_EQ(line.colour(), 6);
  EXPECT_FLOAT_EQ(line.width(), 0.2f);
  EXPECT_FLOAT_EQ(line.xScale(), 10.0f);
  EXPECT_EQ(Setting("LINENO"), "2-1");
  EXPECT_EQ(CurrentPickMode(), 2);
  EXPECT_TRUE(page->View()->HasHighlight());

  // After a pick the box keeps the picked style until the view loses the focus.
  const CPoint other = LineSample(*page, 1, 0);
  page->View()->HoverAt(other);
  EXPECT_EQ(page->Box("LINENO")->text(), "2-1");
  LoseFocus(page->View());
  page->View()->HoverAt(other);
  EXPECT_EQ(page->Box("LINENO")->text(), "1-0");

  page->ModifyRadio()->click();
  page->View()->PickAt(style21);
  EXPECT_EQ(CurrentPickMode(), -2);
}

TEST_F(PagesTest, BoxesWriteTheirKeyOnFocusLossAndKeepTheirValueForText) {
  auto page = Shown<CDlgSub>();
  page->Box("SUBCOLOR")->setText("7");
  LoseFocus(page->Box("SUBCOLOR"));
  EXPECT_EQ(Setting("SUBCOLOR"), "7.000000");
  EXPECT_TRUE(prompts->Messages().empty());
  page->Box("SUBLAYER")->setText("x3");
  LoseFocus(page->Box("SUBLAYER"));
  EXPECT_EQ(Setting("SUBLAYER"), "0.000000");
  EXPECT_EQ(prompts->Messages().size(), 1u);

  // A picked sub-graph takes every box: angle, size, colour and layer.
  page->Box("SUBANGLE")->setText("30");
  page->Box("SUBLAYER")->setText("4");
  page->SetSubgraphNo(12);
  const PNT_INFO& sub = *BasGetDefaultPointParam(1);
  EXPECT_EQ(sub.symbolNumber(), 12);
  EXPECT_FLOAT_EQ(sub.angle(), 30.0f);
  EXPECT_FLOAT_EQ(sub.symbolHeight(), 5.0f);
  EXPECT_EQ(sub.colour(), 7);
  EXPECT_EQ(sub.layer(), 4);
  EXPECT_EQ(Setting("SUBNO"), "12.000000");
  EXPECT_EQ(CurrentPickMode(), -1);
}

TEST_F(PagesTest, ChoosersWriteTheirKeyAlsoWhenCancelled) {
  auto page = Shown<CDlgReg>();
  prompts->AnswerDialog([](QDialog& d) {
    d.findChild<QListWidget*>("items")->setCurrentRow(5);
    return int(QDialog::Accepted);
  });
  page->ChooserButton("BACKCLR")->click();
  EXPECT_EQ(page->Values().fillColour, 5);
  EXPECT_EQ(Setting("BACKCLR"), "5.000000");
  prompts->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  page->ChooserButton("PATCOLOR")->click();
  EXPECT_EQ(Setting("PATCOLOR"), "1.000000");
  prompts->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "选择图层");
    d.findChild<QSpinBox*>("layer")->setValue(8);
    return int(QDialog::Accepted);
  });
  page->ChooserButton("REGLAYER")->click();
  EXPECT_EQ(page->Box("REGLAYER")->text(), "8");
  EXPECT_EQ(Setting("REGLAYER"), "8.000000");
  prompts->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  page->ChooserButton("REGLAYER")->click();
  EXPECT_EQ(page->Values().layer, 8);
}

TEST_F(PagesTest, ARestartShowsTheBuiltInStylesAndTheStoredValues) {
  const ProfileFile file = PageSettingsFile();
  file.WriteString(kSubLinRegSection, "LINENO", "5-1");
  file.WriteString(kSubLinRegSection, "RegNO", "12.000000");
  file.WriteString(kSubLinRegSection, "SUBNO", "40.000000");
  file.WriteString(kSubLinRegSection, "LINELAYER", "3.000000");
  file.WriteString(kSubLinRegSection, "REGOPTYPE", "2.000000");
  auto line = Shown<CDlgLine>();
  auto region = Shown<CDlgReg>();
  auto sub = Shown<CDlgSub>();
  EXPECT_EQ(line->Box("LINENO")->text(), "1-0");
  EXPECT_EQ(line->Box("LINELAYER")->text(), "3");
  EXPECT_EQ(region->Box("RegNO")->text(), "1");
  EXPECT_EQ(sub->Box("SUBNO")->text(), "1");
  EXPECT_FALSE(region->DrawRadio()->isChecked());
  region->SetPatternNo(70000);
  EXPECT_EQ(BasGetDefaultRegionParam(0)->pattern(), 4464);
  EXPECT_EQ(CurrentPickMode(), -3);  // operation type 2 modifies
}

TEST_F(PagesTest, ThePatternGridSkipsMissingPatternsAndRestoresTheDefaultLine) {
  BasGetDefaultLineParam(0)->setStyle(4);
  auto page = Shown<CDlgReg>(300, 2000);
  EXPECT_EQ(BasGetDefaultLineParam(0)->style(), 4);
  const int columns = page->Grid()->columns;
  // Patterns 1–33 then 200: the 34th cell shows pattern 200.
  ASSERT_GE(page->Grid()->visible * columns, 34);
  page->View()->HoverAt(Cell(*page, kSymbolGrid, 33));
  EXPECT_EQ(page->Box("RegNO")->text(), "200");
  EXPECT_EQ(page->Grid()->scrollMax, 0);  // taller than its samples
}

TEST_F(PagesTest, TheHighlightTogglesFollowsScrollingAndStaysOnAMiss) {
  auto page = Shown<CDlgSub>(300, 300);
  CPatternView* view = page->View();
  const QImage before = view->Picture();
  const CPoint first = Cell(*page, kSymbolGrid, 0), second = Cell(*page, kSymbolGrid, 1);
  view->PickAt(first);
  const auto corners = view->HighlightCorners();
  const CPoint edge = view->_LpToWp(corners.first);
  EXPECT_NE(view->Picture().pixel(edge.x + 10, edge.y), before.pixel(edge.x + 10, edge.y));
  // A click between cells picks nothing and leaves the mark.
  view->PickAt({44, 44});
  EXPECT_EQ(view->HighlightCorners(), corners);
  view->PickAt(second);
  EXPECT_EQ(view->Picture().pixel(edge.x + 10, edge.y), before.pixel(edge.x + 10, edge.y));

  // A cell of the second row, then one row down: the mark goes up with it.
  view->PickAt(Cell(*page, kSymbolGrid, page->Grid()->columns));
  const auto marked = view->HighlightCorners();
  const CPoint at = view->_LpToWp(marked.first);
  page->Scroll(ScrollAction::kLineDown);
  EXPECT_TRUE(page->AllRowsBuilt());
  EXPECT_EQ(view->HighlightCorners(), marked);
  const CPoint moved = view->_LpToWp(marked.first);
  EXPECT_EQ(moved.y, at.y - 45);
  EXPECT_NE(view->Picture().pixel(moved.x + 10, moved.y), view->Picture().pixel(moved.x + 10, moved.y + 5));

  const double top = view->_GetWinDispParam().y + 45;
  page->Scroll(ScrollAction::kBottom);
  EXPECT_EQ(page->ScrollBar()->value(), page->Grid()->scrollMax);
  EXPECT_DOUBLE_EQ(view->_GetWinDispParam().y, top - 45.0 * page->Grid()->scrollMax);
  page->Scroll(ScrollAction::kTop);
  EXPECT_EQ(page->ScrollBar()->value(), 0);
  EXPECT_DOUBLE_EQ(view->_GetWinDispParam().y, top);
}

TEST_F(PagesTest, TheWheelOverTheSamplesScrollsThePageARowAtATime) {
  auto page = Shown<CDlgLine>(300, 100);
  ASSERT_GT(page->Grid()->scrollMax, 0);
  const double y = page->View()->_GetWinDispParam().y;
  QWheelEvent down(QPointF(50, 50), QPointF(50, 50), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  // The view leaves the wheel to the page (Qt hands an ignored turn of the
  // real wheel on to the parent).
  QApplication::sendEvent(page->View(), &down);
  EXPECT_FALSE(down.isAccepted());
  EXPECT_DOUBLE_EQ(page->View()->_GetWinDispParam().y, y);
  QApplication::sendEvent(page.get(), &down);
  EXPECT_EQ(page->ScrollBar()->value(), 1);
  EXPECT_DOUBLE_EQ(page->View()->_GetWinDispParam().y, y - 45);
  EXPECT_DOUBLE_EQ(page->View()->_GetWinDispParam().scale, 1.0);  // no zoom
}

TEST_F(PagesTest, AGridUnderOneCellLeavesTheScrollBarAlone) {
  auto page = Shown<CDlgSub>(300, 300);
  page->ScrollBar()->setRange(0, 7);
  page->resize(30, 300);
  EXPECT_FALSE(page->Grid().has_value());
  EXPECT_EQ(page->ScrollBar()->maximum(), 7);
}

TEST_F(PagesTest, TheColourPageShowsValuesOnHoverAndSetsMinusFourOnEveryPick) {
  BasGetDefaultLineParam(0)->setStyle(3);
  auto page = Shown<CDlgClr>();
  EXPECT_EQ(BasGetDefaultLineParam(0)->style(), 3);
  const int32_t fill = BasGetDefaultRegionParam(0)->fillColour();
  // Colour 2 is pure blue: K, C, M, Y = 0, 100, 100, 0 percent.
  page->View()->HoverAt(Cell(*page, kColourGrid, 1));
  EXPECT_EQ(page->Box("colour")->text(), "2");
  EXPECT_EQ(page->Box("B")->text(), "255");
  EXPECT_EQ(BasGetDefaultRegionParam(0)->fillColour(), fill);
  EXPECT_EQ(CurrentPickMode(), 0);
  int k = 0, c = 0, m = 0, y = 0;
  display::DspColorToCmyk(2, &k, &c, &m, &y);
  EXPECT_EQ(page->Box("K")->text().toInt(), CmykPercent(k));
  EXPECT_EQ(page->Box("C")->text().toInt(), CmykPercent(c));
  EXPECT_EQ(page->Box("M")->text().toInt(), CmykPercent(m));
  EXPECT_EQ(page->Box("Y")->text().toInt(), CmykPercent(y));
  EXPECT_TRUE(page->Box("K")->isReadOnly());

  page->View()->PickAt(Cell(*page, kColourGrid, 1));
  EXPECT_EQ(BasGetDefaultRegionParam(0)->fillColour(), 2);
  EXPECT_EQ(CurrentPickMode(), -4);
  CurrentPickMode() = -4;
  page->SetColorNo(3);
  EXPECT_EQ(CurrentPickMode(), -4);
  EXPECT_EQ(BasGetDefaultRegionParam(0)->fillColour(), 3);
}

TEST_F(PagesTest, TheRightButtonChangesTheBackgroundForTheMomentOnly) {
  auto page = Shown<CDlgLine>();
  prompts->AnswerDialog([](QDialog& d) {
    auto* items = d.findChild<QListWidget*>("items");
    EXPECT_EQ(items->currentItem()->data(Qt::UserRole).toInt(), 15);
    items->setCurrentRow(4);
    return int(QDialog::Accepted);
  });
  page->View()->ChooseBackground();
  EXPECT_EQ(page->View()->BackgroundColour(), 4);
  prompts->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QListWidget*>("items")->currentItem()->data(Qt::UserRole).toInt(), 15);
    return int(QDialog::Rejected);
  });
  page->View()->ChooseBackground();
  EXPECT_EQ(page->View()->BackgroundColour(), 4);
}

}  // namespace
}  // namespace zv::panels

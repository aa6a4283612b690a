// The side bar's pages end to end: what is picked on the line page is what
// the next line drawn in an editing view carries, and a colour picked on
// the colour page restyles the line clicked next, as one undo step.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <memory>

#include "panels/attribute_pages.h"
#include "panels/colour_page.h"
#include "panels/core/sample_grid.h"
#include "tests/views/tool_views/tool_view_fixture.h"

namespace zv {
namespace {

using PickPagesTest = test::ToolViewTest<CSecToolView>;

template <class Page>
std::unique_ptr<Page> ShownPage() {
  auto page = std::make_unique<Page>();
  page->resize(300, 500);
  page->show();
  return page;
}

// The window point of the sample of a line style on the line page.
CPoint LineSample(const panels::CDlgLine& page, int type, int subStyle) {
  int32_t live = 0, bound = 0;
  BasGetLineCount(page.SampleArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    LIN_INFO info;
    if (BasReadLine(page.SampleArea(), id, &v, &info) == 1 && info.style() == type && info.auxStyle() == subStyle)
      return page.View()->_LpToWp({(v.front().x + v.back().x) / 2, v.front().y});
  }
  ADD_FAILURE() << "no sample " << type << "-" << subStyle;
  return {};
}

// The window point in the swatch of colour `colour` (the swatches start at 1).
CPoint Swatch(const panels::CDlgClr& page, int colour) {
  const panels::GridSpec& spec = panels::kColourGrid;
  const panels::CellPlace place = panels::PlaceOf(*page.Grid(), colour - 1);
  const double top = panels::RowTop(spec, *page.Grid(), place.row);
  return page.View()->_LpToWp(
      {spec.cellWidth * place.column + spec.cellWidth / 2.0, top - spec.cellHeight / 2.0 + 1});
}

void Type(QLineEdit* box, const char* text) {
  box->setText(QString::fromUtf8(text));
  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  QApplication::sendEvent(box, &out);
}

TEST_F(PickPagesTest, ALinePickedOnThePageIsDrawnAndAColourPickedRestylesTheNextLineClicked) {
  BasResetDefaultParams();
  auto lines = ShownPage<panels::CDlgLine>();
  Type(lines->Box("LINEWIDTH"), "0.5");
  Type(lines->Box("LINEX"), "3");
  Type(lines->Box("LINEY"), "4");
  Type(lines->Box("LINECOLOR"), "6");
  Type(lines->Box("LINELAYER"), "3");
  lines->DrawRadio()->click();
  lines->View()->PickAt(LineSample(*lines, 2, 1));
  ASSERT_EQ(CurrentPickMode(), 2);

  const WorkAreaHandle area = view_.GetCurrentLinArea();
  int32_t live = 0, before = 0;
  BasGetLineCount(area, &live, &before);
  const int steps = view_.GetUndo().StepCount();
  for (const D_DOT& p : {D_DOT{50, 150}, D_DOT{300, 150}}) {
    Press(At(p));
    Release(At(p));
  }
  Press(At({300, 150}), Qt::RightButton);
  Release(At({300, 150}), Qt::RightButton);
  int32_t after = 0;
  BasGetLineCount(area, &live, &after);
  ASSERT_EQ(after, before + 1) << "one new line";
  const int32_t drawn = before;
  std::vector<D_DOT> v;
  LIN_INFO line;
  ASSERT_EQ(BasReadLine(area, drawn, &v, &line), 1);
  EXPECT_EQ(v.size(), 2u);
  EXPECT_EQ(line.style(), 2);
  EXPECT_EQ(line.auxStyle(), 1);
  EXPECT_EQ(line.colour(), 6);
  EXPECT_FLOAT_EQ(line.width(), 0.5f);
  EXPECT_FLOAT_EQ(line.xScale(), 3.0f);
  EXPECT_FLOAT_EQ(line.yScale(), 4.0f);
  EXPECT_EQ(line.layer(), 3);
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 1);

  auto colours = ShownPage<panels::CDlgClr>();
  colours->View()->PickAt(Swatch(*colours, 2));
  ASSERT_EQ(CurrentPickMode(), -4);
  Press(At({150, 150}));
  Release(At({150, 150}));
  ASSERT_EQ(BasReadLine(area, drawn, &v, &line), 1);
  EXPECT_EQ(line.colour(), 2) << "the clicked line takes the colour";
  EXPECT_EQ(line.style(), 2) << "and keeps the rest of its record";
  EXPECT_EQ(line.layer(), 3);
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 2);
  view_.Undo();
  ASSERT_EQ(BasReadLine(area, drawn, &v, &line), 1);
  EXPECT_EQ(line.colour(), 6) << "undo restores the colour";
}

}  // namespace
}  // namespace zv

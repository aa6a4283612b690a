// Typed numbers at the clicks of the construction modes.
#include <QColor>
#include <QTest>
#include <cmath>

#include "tests/tools/edit_aid/edit_aid_fixture.h"

namespace zv::tools::test {
namespace {

TEST_F(EditAidTest, TypedTextReplacesTheClick) {
  struct Case {
    const char* name;
    int16_t mode;
    std::vector<D_DOT> clicks;  // before the typed one
    D_DOT move;                 // the cursor when the text is typed
    const char* text;
    D_DOT expected;
  };
  const Case cases[] = {
      {"x,y", 103, {}, {0, 0}, "12.5,7", {12.5, 7}},
      {"negative x,y", 103, {}, {0, 0}, "-3,-4", {-3, -4}},
      {"distance and angle straight up", 102, {{0, 0}}, {0, 0}, "10,90", {0, 10}},
      {"length along the perpendicular", 102, {{0, 0}, {10, 0}}, {13, 7}, "4", {10, 4}},
      {"radius towards the cursor", 107, {{0, 0}}, {0, 5}, "10", {0, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.mode);
    for (const D_DOT& p : c.clicks) Click(p);
    Move(c.move);
    Type(c.text);
    EXPECT_EQ(Tool()->typedText(), c.text);
    Click({200, 150});
    if (c.mode == 107) {
      ASSERT_EQ(LineCount(), 1);
      ExpectVertices({Lines(lin)[0][0]}, {{10, 0}});
      for (const D_DOT& p : LastLine()) EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9);
      continue;
    }
    ASSERT_EQ(Tool()->vertices().size(), c.clicks.size() + 1);
    ExpectVertices({Tool()->vertices().back()}, {c.expected});
    EXPECT_EQ(Tool()->typedText(), "");
  }
}

TEST_F(EditAidTest, EditingKeysAndUnreadableText) {
  Start(103);
  Type("-3,-45");
  Key(8);  // Backspace
  EXPECT_EQ(Tool()->typedText(), "-3,-4");
  Key(13);  // Enter
  EXPECT_EQ(Tool()->typedText(), "");
  Type("12");
  Key(27);  // Esc
  EXPECT_EQ(Tool()->typedText(), "");

  // Without a comma the click adds nothing and the text stays to be mended.
  Type("12");
  Click({50, 50});
  EXPECT_EQ(Tool()->Running(), 0);
  EXPECT_EQ(Tool()->typedText(), "12");
  Type(",7");
  Click({50, 50});
  ExpectVertices(Tool()->vertices(), {{12, 7}});

  // A length with the cursor on the last vertex gives no direction.
  Start(107);
  Click({20, 20});
  Move({20, 20});
  Type("10");
  Click({60, 60});
  EXPECT_EQ(Tool()->vertices().size(), 1u);
  EXPECT_EQ(LineCount(), 0);
  EXPECT_EQ(Tool()->typedText(), "10");
  Move({20, 40});
  Click({60, 60});
  ASSERT_EQ(LineCount(), 1);
  ExpectVertices({Lines(lin)[0][0]}, {{30, 20}});
}

TEST_F(EditAidTest, KeysTypedOnTheViewReachTheTool) {
  Start(103);
  QTest::keyClicks(view.get(), "-12.5,7x");
  QTest::keyClick(view.get(), Qt::Key_Backspace);
  EXPECT_EQ(Tool()->typedText(), "-12.5,");
  QTest::keyClick(view.get(), Qt::Key_7);
  Click({50, 50});
  ExpectVertices(Tool()->vertices(), {{-12.5, 7}});
}

TEST_F(EditAidTest, PromptShowsTheTextInRed) {
  // A line under the prompt, which the prompt's background covers.
  AddLine({view->_WpToLp(CPoint{300, 0}), view->_WpToLp(CPoint{300, 60})});
  view->_UpdateWindow();
  Start(103);
  const QImage before = view->Picture();
  ASSERT_NE(before.pixelColor(300, 32), QColor(255, 255, 255));
  Type("1,2");
  const QImage& after = view->Picture();
  // Text pixels are red (smoothed at their edges) over white.
  EXPECT_EQ(after.pixelColor(300, 32), QColor(255, 255, 255));
  int red = 0;
  for (int y = 0; y < 45; ++y)
    for (int x = 20; x < 200; ++x) {
      const QColor c = after.pixelColor(x, y);
      if (c == before.pixelColor(x, y)) continue;
      if (c.red() > 200 && c.green() < 120 && c.blue() < 120) ++red;
    }
  EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace zv::tools::test

// Clicks and typed text that give no sound figure: nothing is appended, no
// vertex is ever infinite, and the figure stays open for a better click.
#include <QDialog>
#include <QLineEdit>
#include <cmath>
#include <string>
#include <vector>

#include "framework/prompts/scripted_prompts.h"
#include "tests/tools/edit_aid/edit_aid_fixture.h"

namespace zv::tools::test {
namespace {

using EditAidRefusalTest = EditAidTest;

TEST_F(EditAidRefusalTest, FiguresWithoutExtentStayOpen) {
  struct Case {
    const char* name;
    int16_t mode;
    std::vector<D_DOT> clicks;
    bool finishWithRightButton;
    std::size_t pointsLeft;  // the points the open figure holds afterwards
  };
  const Case cases[] = {
      {"rectangle clicked twice at one point", 103, {{10, 10}, {10, 10}}, false, 1},
      {"rectangle of no width", 103, {{10, 10}, {10, 50}}, false, 1},
      {"parallelogram on one line", 105, {{10, 10}, {20, 20}, {30, 30}}, false, 2},
      {"arc without sweep", 110, {{10, 10}, {20, 10}, {30, 10}}, false, 2},
      {"polyline of one point", 100, {{10, 10}, {10, 10}, {10, 10}}, true, 3},
      {"perpendicular line of one point", 102, {{10, 10}, {10, 10}}, true, 2},
      {"arrow shaft of no length", 116, {{10, 10}, {10, 10}}, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CSecEditAidTool* tool = Start(c.mode);
    for (const D_DOT& p : c.clicks) Click(p);
    if (c.finishWithRightButton) RightUp(c.clicks.back());
    EXPECT_EQ(LineCount(), 0);
    EXPECT_EQ(tool->vertices().size(), c.pointsLeft);
    EXPECT_EQ(tool->Running(), 1);
  }
  // The arrow line goes on from its first point.
  Click({50, 10});
  Click({40, 20});
  ExpectVertices(LastLine(), {{10, 10}, {50, 10}, {40, 20}, {50, 10}, {40, 0}});
}

TEST_F(EditAidRefusalTest, NumbersPastTheRangeOfDoublesAreRefused) {
  const std::string huge(400, '9');
  CSecEditAidTool* tool = Start(103);
  Type(huge + ",0");
  Click({10, 10});
  EXPECT_EQ(tool->Running(), 0);
  EXPECT_EQ(tool->typedText(), huge + ",0") << "kept for correction";
  Key(13);
  Click({10, 10});
  Type("0," + huge);
  Click({50, 50});
  EXPECT_EQ(LineCount(), 0);
  ExpectVertices(tool->vertices(), {{10, 10}});

  // Points of the largest size overflow when the figure adds them up.
  const std::string largest = "17" + std::string(307, '0');
  tool = Start(105);
  Type(largest + ",0");
  Click({10, 10});
  Type("-" + largest + ",0");
  Click({10, 10});
  Click({50, 50});
  EXPECT_EQ(LineCount(), 0);
  EXPECT_EQ(tool->vertices().size(), 2u);
}

TEST_F(EditAidRefusalTest, SideCountsTooLargeToDrawAreRefused) {
  prompt::ScopedScriptedPrompts prompts;
  auto answer = [&](const char* sides) {
    prompts->AnswerDialog([sides](QDialog& d) {
      d.findChild<QLineEdit*>("control202")->setText(QString::fromUtf8(sides));
      d.accept();
      return -1;
    });
  };
  CSecEditAidTool* tool = Start(118);
  answer("2147483647");
  Click({100, 100});
  EXPECT_EQ(tool->Running(), 0);
  ASSERT_EQ(prompts->Messages().size(), 1u);
  EXPECT_EQ(prompts->Messages()[0], QStringLiteral("边数不能超过10000。"));
  answer("-4294967293");
  Click({100, 100});
  EXPECT_EQ(tool->Running(), 0);

  answer("６");  // a full-width digit
  Click({100, 100});
  Click({120, 100});
  EXPECT_EQ(LastLine().size(), 7u);
}

TEST_F(EditAidRefusalTest, HeadsOnLineEndsAndLinesWithoutLength) {
  AddLine({{0, 100}, {100, 100}, {100, 100}});
  Start(115);
  Click({100, 100});  // the end vertex itself, repeated
  Click({80, 120});
  ExpectVertices(LastLine(), {{80, 120}, {100, 100}, {80, 80}}, 1e-5);  // the head is mirrored in floats

  AddLine({{200, 50}, {200, 50}});
  CSecEditAidTool* tool = Start(115);
  const int32_t before = LineCount();
  Click({200, 50});
  EXPECT_EQ(tool->Running(), 0);
  Click({220, 70});
  EXPECT_EQ(LineCount(), before);
}

}  // namespace
}  // namespace zv::tools::test

#include "platform/editor/editor_commands.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QTableWidget>
#include <functional>
#include <sstream>

#include "framework/prompts/scripted_prompts.h"
#include "tests/platform/view/view_fixture.h"

namespace zv::test {
namespace {

using editor::RunEditorCommand;

// Every live entity of the view's three areas, one line each.
std::string State(CGisEditView& v) {
  std::ostringstream out;
  int32_t live = 0, bound = 0;
  BasGetPointCount(v.GetCurrentPntArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at;
    std::string text;
    PNT_INFO info;
    if (BasReadPoint(v.GetCurrentPntArea(), id, &at, &text, &info))
      out << "P" << id << " " << at.x << "," << at.y << " '" << text << "' k" << int(info.kind()) << " c" << info.colour()
          << " L" << info.layer() << " a" << info.angle() << " r" << info.radius() << "\n";
  }
  BasGetLineCount(v.GetCurrentLinArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> vertices;
    LIN_INFO info;
    if (!BasReadLine(v.GetCurrentLinArea(), id, &vertices, &info)) continue;
    out << "L" << id << " c" << info.colour() << " L" << info.layer();
    for (const D_DOT& d : vertices) out << " " << d.x << "," << d.y;
    out << "\n";
  }
  BasGetRegionCount(v.GetCurrentRegArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<int32_t> arcs;
    REG_INFO info;
    if (!BasReadRegion(v.GetCurrentRegArea(), id, &arcs, &info)) continue;
    out << "R" << id << " c" << info.fillColour() << " L" << info.layer();
    for (std::size_t i = 1; i < arcs.size(); ++i) out << " " << arcs[i];
    out << "\n";
  }
  BasGetLineCount(v.GetCurrentRegArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> vertices;
    if (!BasReadLine(v.GetCurrentRegArea(), id, &vertices, nullptr)) continue;
    out << "A" << id;
    for (const D_DOT& d : vertices) out << " " << d.x << "," << d.y;
    out << "\n";
  }
  return out.str();
}

// A map of two points, two lines, a closed arc with a region and a closed
// arc without one.
class EditorCommandTest : public ViewTest {
 public:
  void SetUp() override {
    ViewTest::SetUp();
    BasResetDefaultParams();
    AddPoint({50, 50});
    AddPoint({80, 50});
    AddLine({{100, 100}, {200, 100}, {200, 150}});
    AddLine({{20, 200}, {60, 250}});
    AddSquareRegion(250, 50, 60);
    AddLine({{250, 200}, {330, 200}, {330, 280}, {250, 280}, {250, 200}}, reg);
    view->_UpdateWindow();
  }
  void Run(int id) { ASSERT_TRUE(RunEditorCommand(*view, id)) << id; }
  // A text point that the undo of the case does not take back.
  void AddTextPoint() {
    PNT_INFO info;
    info.setKind(0);
    info.setCharHeight(5);
    info.setCharWidth(5);
    BasAppendPoint(pnt, {150, 30}, "旧", info);
  }
  prompt::ScopedScriptedPrompts prompts;
};

prompt::ScriptedPrompts::DialogScript AnswerText(QString text) {
  return [text](QDialog& d) {
    static_cast<QInputDialog&>(d).setTextValue(text);
    return int(QDialog::Accepted);
  };
}
prompt::ScriptedPrompts::DialogScript AnswerNumber(double value) {
  return [value](QDialog& d) {
    static_cast<QInputDialog&>(d).setDoubleValue(value);
    return int(QDialog::Accepted);
  };
}
prompt::ScriptedPrompts::DialogScript SetParam(const char* field, double value) {
  return [=](QDialog& d) {
    d.findChild<QDoubleSpinBox*>(field)->setValue(value);
    return int(QDialog::Accepted);
  };
}

TEST_F(EditorCommandTest, EachCommandDrivenByTheMouseChangesTheAreasAndUndoesInOneStep) {
  struct Case {
    int id;
    std::function<void(EditorCommandTest&)> act;
    std::vector<std::string> expect;  // lines the state must hold afterwards
    std::vector<std::string> absent;   // lines it must no longer hold
    std::function<void(EditorCommandTest&)> setup = nullptr;  // more map, before the command
  };
  const std::vector<Case> cases = {
      {412, [](EditorCommandTest& t) { t.prompts->AnswerDialog(AnswerText("孔1")); t.Click({10, 10}); }, {"P3 10,10 '孔1' k0"}, {}},
      {412, [](EditorCommandTest& t) { t.prompts->AnswerDialog(AnswerText("")); t.Click({10, 10}); }, {"P3 10,10 '' k1"}, {}},
      {32923, [](EditorCommandTest& t) { t.Click({12, 14}); }, {"P3 12,14 '' k1"}, {}},
      {32958, [](EditorCommandTest& t) { t.prompts->AnswerDialog(AnswerText("注")); t.Click({5, 5}); }, {"P3 5,5 '注' k0"}, {}},
      {32933, [](EditorCommandTest& t) { t.Click({100, 20}); t.Click({103, 24}); }, {"P3 100,20 '' k2", " r5\n"}, {}},
      {32935, [](EditorCommandTest& t) { t.Click({100, 20}); t.Click({110, 20}); t.Click({100, 30}); }, {"P3 100,20 '' k3"}, {}},
      {413, [](EditorCommandTest& t) { t.Click({51, 51}); }, {"P2 80,50"}, {"P1 "}},
      {413, [](EditorCommandTest& t) { t.Drag({40, 40}, {90, 60}); }, {}, {"P1 ", "P2 "}},
      {414, [](EditorCommandTest& t) { t.Drag({50, 50}, {60, 70}); }, {"P1 60,70"}, {"P1 50,50"}},
      {415, [](EditorCommandTest& t) { t.Drag({80, 50}, {90, 40}); }, {"P2 80,50", "P3 90,40"}, {}},
      {421, [](EditorCommandTest& t) { t.prompts->AnswerDialog(SetParam("colour", 9)); t.Click({50, 50}); }, {"P1 50,50 '' k1 c9"}, {}},
      {422, [](EditorCommandTest& t) {
         t.prompts->AnswerDialog(AnswerText("新文本"));
         t.Click({150, 30});
       }, {"P3 150,30 '新文本' k0"}, {"'旧'"}, [](EditorCommandTest& t) { t.AddTextPoint(); }},
      {423, [](EditorCommandTest& t) { t.prompts->AnswerDialog(AnswerNumber(30)); t.Click({50, 50}); }, {" a30 "}, {}},
      {336, [](EditorCommandTest& t) { t.Click({10, 10}); t.Click({20, 10}); t.Click({20, 30}); t.RightClick({20, 30}); },
       {"L3 c", " 10,10 20,10 20,30\n"}, {}},
      {333, [](EditorCommandTest& t) { t.Drag({150, 100}, {150, 90}); }, {" 100,90 200,90 200,140\n"}, {}},
      {343, [](EditorCommandTest& t) { t.Drag({40, 225}, {45, 225}); }, {" 20,200 60,250\n", " 25,200 65,250\n"}, {}},
      {346, [](EditorCommandTest& t) { t.Click({150, 101}); }, {"L2 "}, {"L1 "}},
      {337, [](EditorCommandTest& t) { t.Drag({200, 101}, {210, 120}); }, {" 100,100 210,120 200,150\n"}, {}},
      {341, [](EditorCommandTest& t) { t.Click({150, 102}); }, {" 100,100 150,100 200,100 200,150\n"}, {}},
      {342, [](EditorCommandTest& t) { t.Click({199, 99}); }, {" 100,100 200,150\n"}, {}},
      {345, [](EditorCommandTest& t) { t.Click({150, 100}); }, {" 200,150 200,100 100,100\n"}, {}},
      {334, [](EditorCommandTest& t) { t.Click({150, 101}); }, {" 100,100 150,100\n", " 150,100 200,100 200,150\n"}, {}},
      {335, [](EditorCommandTest& t) { t.Click({150, 101}); }, {"L1 c1 L0 200,100 200,150\n"}, {}},
      {338, [](EditorCommandTest& t) { t.Click({150, 100}); t.Click({40, 225}); },
       {"L1 c1 L0 200,150 200,100 100,100 20,200 60,250\n"}, {"L2 "}},
      {33389, [](EditorCommandTest& t) { t.Click({250, 80}); t.Click({250, 240}); }, {"A1 "}, {"A2 "}},
      {347, [](EditorCommandTest& t) { t.prompts->AnswerDialog(SetParam("colour", 6)); t.Click({150, 100}); }, {"L1 c6"}, {}},
      {377, [](EditorCommandTest& t) { t.Click({290, 240}); }, {"R2 c", " 2\n"}, {}},
      {377, [](EditorCommandTest& t) { t.Click({130, 230}); }, {"R2 c5 L0 3 4 -5 6\n"}, {},
       [](EditorCommandTest& t) {  // a ring of four open arcs, one drawn the other way
         t.AddLine({{100, 200}, {160, 200}}, t.reg);
         t.AddLine({{160, 200}, {160, 260}}, t.reg);
         t.AddLine({{100, 260}, {130, 262}, {160, 260}}, t.reg);
         t.AddLine({{100, 260}, {100, 200}}, t.reg);
       }},
      {379, [](EditorCommandTest& t) { t.prompts->AnswerDialog(SetParam("fillColour", 15)); t.Click({280, 80}); }, {"R1 c15"}, {}},
      {390, [](EditorCommandTest& t) { t.Click({280, 80}); }, {"A2 "}, {"R1 ", "A1 "}},
      {390, [](EditorCommandTest& t) { t.Click({280, 80}); }, {"A1 ", "A2 "}, {},
       [](EditorCommandTest& t) {  // a second region over the same arc keeps it
         REG_INFO info;
         BasAppendRegion(t.reg, {0, 1}, info);
       }},
      {407, [](EditorCommandTest& t) { t.Drag({280, 80}, {280, 20}); }, {"R1 c7 L0 1\n", "R2 c7 L0 3\n", "A3 250,-10"}, {}},
      {465, [](EditorCommandTest& t) { t.view->ChangeCurLay(2); t.Drag({90, 90}, {210, 160}); }, {"L1 c1 L2 "}, {}},
      {466, [](EditorCommandTest& t) { t.view->ChangeCurLay(5); t.Click({280, 80}); }, {"R1 c7 L5 1"}, {}},
      {33146, [](EditorCommandTest& t) { t.prompts->AnswerDialog(SetParam("colour", 3)); t.Click({40, 225}); }, {"L2 c3"}, {}},
      {467, [](EditorCommandTest& t) { t.view->ChangeCurLay(4); t.Click({80, 50}); }, {"P2 80,50 '' k1 c1 L4"}, {}},
      {442, [](EditorCommandTest& t) { t.Drag({50, 50}, {55, 45}); }, {"P1 55,45"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    // A fresh view and map for each case.
    TearDown();
    SetUp();
    if (c.setup) c.setup(*this);
    const std::string before = State(*view);
    Run(c.id);
    c.act(*this);
    const std::string after = State(*view);
    for (const std::string& line : c.expect) EXPECT_NE(after.find(line), std::string::npos) << line << "\n" << after;
    for (const std::string& line : c.absent) EXPECT_EQ(after.find(line), std::string::npos) << line << "\n" << after;
    EXPECT_NE(after, before);
    // One undo takes the whole change back (appended ids stay counted).
    Run(204);
    EXPECT_EQ(State(*view), before);
    EXPECT_FALSE(editor::IsEditorCommandEnabled(*view, 204));
    EXPECT_EQ(prompts->PendingAnswers(), 0);
  }
}

TEST_F(EditorCommandTest, CuttingLinesWhereTheyCrossAPickedLine) {
  for (int id : {33062, 33063}) {
    SCOPED_TRACE(id);
    TearDown();
    SetUp();
    const int32_t cutter = AddLine({{150, 50}, {150, 180}});
    const std::string before = State(*view);
    Run(id);
    Click({150, 60});
    const std::string after = State(*view);
    EXPECT_NE(after.find("L1 c1 L0 100,100 150,100\n"), std::string::npos) << after;
    EXPECT_NE(after.find(" 150,100 200,100 200,150\n"), std::string::npos) << after;
    const std::string cutterLine = "L" + std::to_string(cutter) + " c1 L0 150,50 150,";
    EXPECT_NE(after.find(cutterLine + (id == 33063 ? "100\n" : "180\n")), std::string::npos) << after;
    Run(204);
    EXPECT_EQ(State(*view), before);
  }
}

TEST_F(EditorCommandTest, WindowLayerAndSelectCommands) {
  const CPoint cursor = At({100, 100});
  Run(57337);
  view->LButtonDown(MK_LBUTTON, cursor);
  view->LButtonUp(0, cursor);
  EXPECT_DOUBLE_EQ(view->_GetWinDispRate(), 2.0);
  EXPECT_NEAR(view->_WpToLp(cursor).x, 100, 1e-9);
  Run(57338);
  view->LButtonDown(MK_LBUTTON, cursor);
  view->LButtonUp(0, cursor);
  EXPECT_DOUBLE_EQ(view->_GetWinDispRate(), 1.0);
  Run(57337);  // a box fills the window, centred
  view->LButtonDown(MK_LBUTTON, At({100, 100}));
  view->MouseMove(MK_LBUTTON, At({150, 120}));
  view->LButtonUp(0, At({200, 140}));
  EXPECT_DOUBLE_EQ(view->_GetWinDispRate(), 4.0);
  const CPoint centre = At({150, 120});
  EXPECT_NEAR(centre.x, 200, 1);
  EXPECT_NEAR(centre.y, 150, 1);
  Run(32771);
  EXPECT_LE(view->_GetWinDispRect().xmin, 20);
  EXPECT_GE(view->_GetWinDispRect().xmax, 330);

  for (int id : {40036, 40037, 40038, 40039, 207}) {
    Run(id);
    EXPECT_EQ(view->IsInOperate(), -1) << id;
  }
  view->ChangeCurLay(3);
  Run(475);
  EXPECT_FALSE(BasIsLayerOn(pnt, 0));
  EXPECT_TRUE(BasIsLayerOn(pnt, 3));
  Run(474);
  EXPECT_TRUE(BasIsLayerOn(pnt, 0));
  prompts->AnswerDialog(AnswerNumber(8));
  Run(477);
  EXPECT_EQ(view->GetCurLayer(), 8);
  Run(443);
  ASSERT_EQ(prompts->Messages().size(), 1u);
  EXPECT_TRUE(prompts->Messages()[0].contains(QStringLiteral("点文件")));
  EXPECT_FALSE(RunEditorCommand(*view, 99999));
  prompts->AnswerDialog(SetParam("scale", 50000));
  Run(319);
  for (WorkAreaHandle area : {pnt, lin, reg}) {
    MapParams params;
    ASSERT_TRUE(BasGetMapParams(area, &params));
    EXPECT_EQ(params.scale(), 50000);
  }
  Run(336);
  EXPECT_EQ(view->GetOperationName(1), QString::fromUtf8("当前状态: 造折线"));
  Click({10, 10});
  EXPECT_EQ(view->IsInOperate(), 1);
}

TEST_F(EditorCommandTest, DefaultPointParametersOfTheChosenKind) {
  const int32_t textColour = BasGetDefaultPointParam(0)->colour();
  prompts->AnswerDialog([](QDialog& d) {
    static_cast<QInputDialog&>(d).setTextValue(QStringLiteral("圆"));
    return int(QDialog::Accepted);
  });
  prompts->AnswerDialog(SetParam("colour", 9));
  Run(426);
  EXPECT_EQ(BasGetDefaultPointParam(2)->colour(), 9);
  EXPECT_EQ(BasGetDefaultPointParam(2)->kind(), 2);
  EXPECT_EQ(BasGetDefaultPointParam(0)->colour(), textColour);
  // Cancelling the choice changes nothing.
  prompts->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  Run(426);
  EXPECT_EQ(BasGetDefaultPointParam(2)->colour(), 9);
  EXPECT_EQ(prompts->PendingAnswers(), 0);
}

TEST_F(EditorCommandTest, AttributeCommandsEditTheRecordWithUndo) {
  CFIELD_HEAD name;
  name.name = "NAME";
  BasInsertField(pnt, kPointEntity, name);
  Run(429);
  prompts->AnswerDialog([](QDialog& d) {
    d.findChild<QTableWidget*>("values")->item(1, 1)->setText("Z1");
    return int(QDialog::Accepted);
  });
  Click({50, 50});
  AttributeRecord record;
  std::string text;
  BasReadAttribute(pnt, kPointEntity, 1, &record);
  BasGetFieldText(record, "NAME", &text);
  EXPECT_EQ(text, "Z1");
  Run(204);
  BasReadAttribute(pnt, kPointEntity, 1, &record);
  BasGetFieldText(record, "NAME", &text);
  EXPECT_EQ(text, "");
  // Cancelled: nothing recorded.
  prompts->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  Run(429);
  Click({50, 50});
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

}  // namespace
}  // namespace zv::test

// The tool views' requests (0x470, 0x471), the text search, the double
// click's editors, the elevation tip and the views' own commands.
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

#include "platform/project/map_project.h"
#include "tests/support/test_env.h"
#include "tests/views/tool_views/tool_view_fixture.h"
#include "views/tool_view_edit.h"

namespace zv {
namespace {

using SectionToolTest = test::ToolViewTest<CSecToolView>;
using PlanToolTest = test::ToolViewTest<CSecPrjToolView>;

int32_t AddText(WorkAreaHandle area, const D_DOT& at, const char* text, int kind = 0) {
  PNT_INFO info;
  BasGetDefaultPointParam(&info, kind);
  return BasAppendPoint(area, at, text, info);
}

TEST_F(SectionToolTest, RequestsFollowTheirCodeTable) {
  struct Case {
    const char* name;
    std::intptr_t wParam, code;
    int made;  // edit-aid tools made
  };
  const Case cases[] = {
      {"wParam 0 ignores even code 2", 0, 2, 0},
      {"code 16 is beyond the view", 1, 16, 0},
      {"code 2 starts mode 9", 1, 2, 1},
      {"code 4 does nothing", 1, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::madeTools.clear();
    view_.SelectGraphics();
    Request(msg::kSectionToolRequest, c.wParam, c.code);
    ASSERT_EQ(static_cast<int>(test::madeTools.size()), c.made);
    if (c.made) {
      EXPECT_EQ(test::madeTools[0].mode, 9);
      EXPECT_EQ(test::madeTools[0].flag, 1);
      EXPECT_TRUE(test::madeTools[0].cancelledBefore);
    }
  }
  // 0: an object the view owns is deleted; a pointer to anything else is
  // left alone, so a foreign or stale pointer cannot be freed.
  QPointer<QObject> owned = new QObject(&view_);
  auto foreign = std::make_unique<QObject>();
  QPointer<QObject> foreignAlive = foreign.get();
  Request(msg::kSectionToolRequest, reinterpret_cast<std::intptr_t>(foreign.get()), 0);
  Request(msg::kSectionToolRequest, reinterpret_cast<std::intptr_t>(owned.data()), 0);
  EXPECT_TRUE(owned.isNull());
  EXPECT_FALSE(foreignAlive.isNull());
  // 7: a work area becomes the current one of its type.
  const WorkAreaHandle other = BasCreateWorkArea(BasGetWorkAreaSet(view_.GetCurrentLinArea()), kLineArea);
  Request(msg::kSectionToolRequest, other, msg::kToolSetCurrentArea);
  EXPECT_EQ(view_.GetCurrentLinArea(), other);
  // 15: wParam 1, 2, 3 moves picked points, lines, regions to the current
  // layer; another wParam does nothing.
  const std::pair<std::intptr_t, const char*> layerCases[] = {
      {4, nullptr}, {1, "当前状态: 改点图层"}, {2, "当前状态: 改线图层"}, {3, "当前状态: 改区图层"}};
  for (const auto& [wParam, operation] : layerCases) {
    SCOPED_TRACE(wParam);
    view_.SelectGraphics();
    const QString before = view_.GetOperationName(1);
    Request(msg::kSectionToolRequest, wParam, 15);
    EXPECT_EQ(view_.GetOperationName(1), operation ? QString::fromUtf8(operation) : before);
  }
  // 6: the editor's ortho follows the program's.
  view_.savedEditorOrtho = 1;
  OrthoEnabled() = 1;
  Request(msg::kSectionToolRequest, 1, msg::kToolTakeOrtho);
  EXPECT_EQ(view_.editorOrtho(), 0);
  OrthoEnabled() = 0;
  Request(msg::kSectionToolRequest, 1, msg::kToolTakeOrtho);
  EXPECT_EQ(view_.editorOrtho(), 1);
}

TEST_F(PlanToolTest, PlanRequestsStartEditAidModesWithTheirFlags) {
  struct Case {
    std::intptr_t wParam, code;
    int mode, flag;
    bool cancels;
  };
  const Case cases[] = {{1, 8, 18, 1, true}, {1, 9, 19, 1, false}, {1, 12, -10, 1, true}, {5, 14, 22, 5, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    test::madeTools.clear();
    view_.SelectGraphics();
    Request(msg::kProjectToolRequest, c.wParam, c.code);
    ASSERT_EQ(test::madeTools.size(), 1u);
    EXPECT_EQ(test::madeTools[0].mode, c.mode);
    EXPECT_EQ(test::madeTools[0].flag, c.flag);
    EXPECT_EQ(test::madeTools[0].cancelledBefore, c.cancels);
  }
  test::madeTools.clear();
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  for (std::intptr_t code : {7, 15, 0x7fff}) Request(msg::kProjectToolRequest, 1, code);
  Request(msg::kProjectToolRequest, 0, 8);
  EXPECT_TRUE(test::madeTools.empty());
  EXPECT_EQ(view_.GetCurrentLinArea(), lines) << "code 7 does nothing in the plan view";
}

TEST_F(SectionToolTest, TextSearchFindsTextsOnlyInTheCurrentPointArea) {
  const WorkAreaHandle points = view_.GetCurrentPntArea();
  const int32_t plain = AddText(points, {10, 10}, "煤层abc");
  AddText(points, {20, 20}, "ABC");
  AddText(points, {30, 30}, "abc", 1);  // a sub-graph
  const int32_t second = AddText(points, {40, 40}, "xabcx");
  const WorkAreaHandle other = BasCreateWorkArea(BasGetWorkAreaSet(points), kPointArea);
  AddText(other, {50, 50}, "abc");
  SharedText() = QStringLiteral("abc");
  Request(msg::kSectionToolRequest, 1, msg::kToolTextSearch);
  ASSERT_EQ(view_.PoolCount(), 2);
  EXPECT_EQ(view_.Pool()[0].id, plain);
  EXPECT_EQ(view_.Pool()[1].id, second);
}

TEST_F(PlanToolTest, TextSearchGoesThroughEveryPointFileOfTheProject) {
  SharedText() = QStringLiteral("钻孔");
  Request(msg::kProjectToolRequest, 1, msg::kToolTextSearch);
  EXPECT_EQ(view_.PoolCount(), 0) << "no project";
  QTemporaryDir dir;
  MapProject* project = PrjCreate(0);
  const std::string folder = dir.path().toStdString();
  const WorkAreaHandle a = PrjGetItemArea(project, PrjAddItem(project, folder + "/a.wt"));
  const WorkAreaHandle b = PrjGetItemArea(project, PrjAddItem(project, folder + "/b.wt"));
  AddText(a, {10, 10}, "钻孔ZK1");
  AddText(b, {20, 20}, "钻孔ZK2");
  view_.SetProject(project);
  Request(msg::kProjectToolRequest, 1, msg::kToolTextSearch);
  EXPECT_EQ(view_.PoolCount(), 2);
  view_.SetProject(nullptr);
  PrjClose(project);
}

class DoubleClickTest : public SectionToolTest {
 protected:
  void SetUp() override {
    SectionToolTest::SetUp();
    Settings().leftDoubleDown = 1;
    point_ = AddText(view_.GetCurrentPntArea(), {50, 50}, "P");
    line_ = BasAppendLine(view_.GetCurrentLinArea(), {{0, 200}, {400, 200}}, LIN_INFO{});
    const WorkAreaHandle regions = view_.GetCurrentRegArea();
    const int32_t arc = BasAppendLine(regions, {{250, 50}, {350, 50}, {350, 150}, {250, 150}, {250, 50}}, LIN_INFO{});
    region_ = BasAppendRegion(regions, std::vector<int32_t>{0, arc}, REG_INFO{});
  }
  void DoubleClick(const D_DOT& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    test::SendMouse(view_, QEvent::MouseButtonDblClick, At(at), Qt::LeftButton, modifiers);
  }
  int32_t point_ = 0, line_ = 0, region_ = 0;
};

TEST_F(DoubleClickTest, ChoosesPointThenNearLineThenRegionAndAFarLineAloneIsSilent) {
  struct Case {
    const char* name;
    D_DOT at;
    const char* title;  // the editor asked, none for nothing
  };
  const Case cases[] = {
      {"on the point", {50, 50}, "修改点参数"},
      {"a pixel off the line", {100, 201}, "修改线参数"},
      {"inside the region, near the line too", {300, 140}, "修改区参数"},
      {"far from everything but a line", {100, 100}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t asked = prompts_->asked().size();
    DoubleClick(c.at);
    if (c.title == nullptr) {
      EXPECT_EQ(prompts_->asked().size(), asked);
      EXPECT_TRUE(ChooseDoubleClickEntity(view_, c.at, 2.0).silent);
      continue;
    }
    ASSERT_EQ(prompts_->asked().size(), asked + 1);
    EXPECT_EQ(prompts_->asked().back().text, QString::fromUtf8(c.title));
  }
}

TEST_F(DoubleClickTest, AnAcceptedEditIsOneUndoStepAndCtrlOpensTheAttributes) {
  const int steps = view_.GetUndo().StepCount();
  DoubleClick({100, 201});  // cancelled: nothing written
  EXPECT_EQ(view_.GetUndo().StepCount(), steps);
  prompts_->AnswerDialog([](QDialog&) { return QDialog::Accepted; });
  DoubleClick({100, 201});
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 1);
  DoubleClick({50, 50}, Qt::ControlModifier);
  EXPECT_EQ(prompts_->asked().back().text, QStringLiteral("修改点属性"));
  Settings().leftDoubleDown = 0;
  const std::size_t asked = prompts_->asked().size();
  DoubleClick({50, 50});
  EXPECT_EQ(prompts_->asked().size(), asked) << "without \"leftdoudown\" no editor opens";
}

TEST_F(PlanToolTest, ElevationTipShowsTheLinesElevationUnderCtrl) {
  QTemporaryDir dir;
  MapProject* project = PrjCreate(0);
  const WorkAreaHandle lines = PrjGetItemArea(project, PrjAddItem(project, dir.path().toStdString() + "/c.wl"));
  CATT_STRU structure = CustomaryStructure(kLineEntity);
  CFIELD_HEAD field;
  field.name = "高程";
  field.type = kFieldDouble;
  field.length = 10;
  field.decimals = 1;
  structure.fields.push_back(field);
  LayOutStructure(structure);
  ASSERT_TRUE(BasSetAttributeStructure(lines, kLineEntity, structure));
  const int32_t contour = BasAppendLine(lines, {{0, 100}, {400, 100}}, LIN_INFO{});
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(lines, kLineEntity, contour, &record));
  BasSetFieldByName(record, "高程", 120.0);
  BasWriteAttribute(lines, kLineEntity, contour, record);
  view_.SetProject(project);
  ASSERT_EQ(view_.GetCurrentLinArea(), lines);
  ShowAt(1.0);
  view_.elevationTip().TurnOn();

  MoveTo(At({100, 100}), Qt::ControlModifier);
  QLineEdit* box = view_.elevationTip().box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->objectName(), QStringLiteral("control209"));
  EXPECT_EQ(box->size(), QSize(85, 20));
  EXPECT_EQ(box->text(), QStringLiteral("高程:  120.0"));
  MoveTo(At({100, 100}));
  EXPECT_EQ(view_.elevationTip().box(), nullptr) << "Ctrl released";
  MoveTo(At({100, 150}), Qt::ControlModifier);
  EXPECT_EQ(view_.elevationTip().box(), nullptr) << "no line within 0.1";
  BasDeleteField(lines, kLineEntity, BasFindField(structure, "高程"));
  MoveTo(At({100, 100}), Qt::ControlModifier);
  ASSERT_NE(view_.elevationTip().box(), nullptr);
  EXPECT_EQ(view_.elevationTip().box()->text(), QStringLiteral("高程:无")) << "a line without the field";
  view_.SetProject(nullptr);
  PrjClose(project);
}

TEST_F(PlanToolTest, DoubleClickSearchesEveryFileOfTheProjectPointsFirst) {
  Settings().leftDoubleDown = 1;
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  MapProject* project = PrjCreate(0);
  const WorkAreaHandle emptyLines = PrjGetItemArea(project, PrjAddItem(project, folder + "/a.wl"));
  const WorkAreaHandle lines = PrjGetItemArea(project, PrjAddItem(project, folder + "/b.wl"));
  const WorkAreaHandle points = PrjGetItemArea(project, PrjAddItem(project, folder + "/c.wt"));
  ASSERT_NE(emptyLines, 0u);
  BasAppendLine(lines, {{0, 200}, {400, 200}}, LIN_INFO{});
  AddText(points, {50, 50}, "P");
  BasAppendLine(lines, {{0, 50}, {400, 50}}, LIN_INFO{});  // under the point too
  view_.SetProject(project);
  ShowAt(1.0);
  struct Case {
    const char* name;
    D_DOT at;
    const char* title;
  };
  const Case cases[] = {
      {"a line of the second line file", {100, 201}, "修改线参数"},
      {"a point of the point file over a line", {50, 50}, "修改点参数"},
      {"nothing near", {200, 120}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t asked = prompts_->asked().size();
    test::SendMouse(view_, QEvent::MouseButtonDblClick, At(c.at), Qt::LeftButton);
    if (c.title == nullptr) {
      EXPECT_EQ(prompts_->asked().size(), asked);
      continue;
    }
    ASSERT_EQ(prompts_->asked().size(), asked + 1);
    EXPECT_EQ(prompts_->asked().back().text, QString::fromUtf8(c.title));
  }
  view_.SetProject(nullptr);
  PrjClose(project);
}

TEST_F(PlanToolTest, ElevationTipOnTheSampleContours) {
  MapProject* project = PrjOpen(test::DataPath("../../data/samples/HILLS.MPJ"));
  ASSERT_NE(project, nullptr);
  view_.SetProject(project);
  const WorkAreaHandle contours = view_.GetCurrentLinArea();
  ASSERT_EQ(BasGetWorkAreaFileName(contours).substr(BasGetWorkAreaFileName(contours).size() - 10), "CONTOUR.WL");
  view_.elevationTip().TurnOn();
  int32_t live = 0, bound = 0;
  BasGetLineCount(contours, &live, &bound);
  int tried = 0;
  for (int32_t id = 1; id < bound && tried < 5; id += bound / 5) {
    std::vector<D_DOT> vertices;
    AttributeRecord record;
    double elevation = 0;
    if (!BasReadLine(contours, id, &vertices, nullptr) || vertices.size() < 2 ||
        !BasReadAttribute(contours, kLineEntity, id, &record) || !BasGetFieldDouble(record, "高程", &elevation))
      continue;
    ++tried;
    SCOPED_TRACE(id);
    // 100 pixels a millimetre, the middle of the first segment at the
    // window's centre: a pixel is far under the 0.1 reach.
    const D_DOT at{(vertices[0].x + vertices[1].x) / 2, (vertices[0].y + vertices[1].y) / 2};
    WIN_ORG org = view_._GetWinDispParam();
    org.scale = 100;
    org.x = at.x - 2.0;
    org.y = at.y - 1.5;
    ASSERT_TRUE(view_._SetWinDispParam(org));
    MoveTo(At(at), Qt::ControlModifier);
    ASSERT_NE(view_.elevationTip().box(), nullptr);
    EXPECT_EQ(view_.elevationTip().box()->text(), QStringLiteral("高程:") + QString::asprintf("%7.1f", elevation));
    MoveTo(At(at));
    EXPECT_EQ(view_.elevationTip().box(), nullptr) << "Ctrl released: the box goes on the next move";
  }
  EXPECT_EQ(tried, 5);
  view_.SetProject(nullptr);
  PrjClose(project);
}

}  // namespace
}  // namespace zv

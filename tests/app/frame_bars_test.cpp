#include "tests/app/app_fixture.h"

#include <QInputMethodEvent>

#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/app_settings.h"
#include "app/chrome/frame_bars.h"
#include "app/chrome/search_box.h"
#include "framework/paths/app_folder.h"
#include <QToolButton>
#include "platform/project/map_project.h"

namespace zv::test {
namespace {

using chrome::ToolbarKind;

class FrameBarsTest : public AppTest {
 protected:
  chrome::FrameBars& bars() { return frame().Bars(); }
  bool Shown(ToolbarKind kind) { return bars().IsShown(bars().Bar(kind)); }
  QLabel* Pane(int i) { return bars().StatusBar()->Pane(i); }
  void Restart() {
    app_.reset();
    Settle();
    app_ = std::make_unique<CZavedizApp>();
    ASSERT_TRUE(Start());
  }
};

TEST_F(FrameBarsTest, KeyedBarsStartHiddenAndEachToggleIsWrittenAtOnceAndHonouredAtRestart) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Shown(ToolbarKind::kWindow)) << "the window toolbar has no key";
  struct Toggle {
    int id;
    ToolbarKind kind;
    const char* key;
  };
  const Toggle toggles[] = {{33486, ToolbarKind::kStandard, "EditBar"},
                            {33487, ToolbarKind::kSide, "LeftBar"},
                            {33488, ToolbarKind::kBottom, "BottomBar"}};
  for (const Toggle& t : toggles) {
    SCOPED_TRACE(t.key);
    EXPECT_FALSE(Shown(t.kind));
    ASSERT_EQ(frame().RunCommand(t.id), cmd::RunResult::kRan);
    EXPECT_TRUE(Shown(t.kind));
    EXPECT_EQ(SettingsFile().GetString("OTHER", t.key, "NULL"), "1");
  }
  frame().RunCommand(33487);
  EXPECT_EQ(SettingsFile().GetString("OTHER", "LeftBar", "NULL"), "0");

  Restart();
  EXPECT_TRUE(Shown(ToolbarKind::kStandard));
  EXPECT_FALSE(Shown(ToolbarKind::kSide));
  EXPECT_TRUE(Shown(ToolbarKind::kBottom));
  EXPECT_TRUE(Shown(ToolbarKind::kWindow));
}

TEST_F(FrameBarsTest, TheSideToolbarDocksLeftOnlyWhenControlLeftRightIsZero) {
  const std::pair<const char*, Qt::ToolBarArea> cases[] = {{"0", Qt::LeftToolBarArea},
                                                           {"1", Qt::RightToolBarArea},
                                                           {"7", Qt::RightToolBarArea}};
  for (const auto& [value, area] : cases) {
    SCOPED_TRACE(value);
    SettingsFile().WriteString("OTHER", "control left/right", value);
    app_.reset();
    Settle();
    app_ = std::make_unique<CZavedizApp>();
    ASSERT_TRUE(Start());
    EXPECT_EQ(frame().toolBarArea(bars().Bar(ToolbarKind::kSide)), area);
    EXPECT_EQ(frame().toolBarArea(bars().Bar(ToolbarKind::kStandard)), Qt::TopToolBarArea);
    EXPECT_EQ(frame().toolBarArea(bars().Bar(ToolbarKind::kBottom)), Qt::BottomToolBarArea);
  }
}

TEST_F(FrameBarsTest, ButtonsShowWhenBoundAlongTheRouteAndRunTheirCommands) {
  ASSERT_TRUE(Start());
  chrome::CommandToolBar* window = bars().Bar(ToolbarKind::kWindow);
  EXPECT_TRUE(window->ActionOf(57601)->isVisible()) << "打开 is the application's";
  EXPECT_EQ(window->ActionOf(57601)->toolTip(), QStringLiteral("打开(O)..."));
  EXPECT_FALSE(window->ActionOf(33427)->isVisible()) << "bound only in the section tool view, none is open";
  EXPECT_EQ(window->ActionOf(999999), nullptr);

  chrome::CommandToolBar* side = bars().Bar(ToolbarKind::kSide);
  frame().RunCommand(33486);
  Settle();  // bars refresh once the command is done
  EXPECT_EQ(side->ActionOf(33068)->isChecked(), false);
  side->ActionOf(33068)->trigger();
  Settle();
  EXPECT_EQ(SnapEnabled(), 1);
  EXPECT_TRUE(side->ActionOf(33068)->isChecked()) << "checked follows the update rule";
}

TEST_F(FrameBarsTest, TheStatusBarStartsWithItsTextsAndTheReadOutFollowsTheScale) {
  ASSERT_TRUE(Start());
  const char* initial[] = {"", "文字： 子图： 线： 区：", "实际坐标 X:      Y:", "图面坐标 X:      Y:", "当前图层："};
  for (int i = 0; i < chrome::kPaneCount; ++i) EXPECT_EQ(Pane(i)->text(), QString::fromUtf8(initial[i]));
  EXPECT_EQ(bars().StatusBar()->ScaleButton()->text(), QStringLiteral("比例尺"));
  EXPECT_GE(bars().StatusBar()->minimumHeight(), 20);

  frame().ShowCoordinates(100, 200, 1, 2, 3, 4, QStringLiteral("断层"));
  EXPECT_EQ(Pane(2)->text(), QStringLiteral("实际坐标：请先设置比例尺！"));
  EXPECT_EQ(Pane(4)->text(), QStringLiteral("断层"));

  // The scale button runs 33149: no document offers 1000.
  script_->AnswerDialog([](QDialog& d) {
    auto* combo = d.findChild<QComboBox*>(QStringLiteral("control200"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("1000"));
    combo->setEditText(QStringLiteral("1000abc"));
    d.accept();
    return -1;
  });
  QTest::mouseClick(bars().StatusBar()->ScaleButton(), Qt::LeftButton);
  EXPECT_EQ(bars().scaleDenominator(), 1000) << "read as a whole number, like atol";
  frame().ShowCoordinates(100, 200, 1, 2, 3, 4, QStringLiteral("断层"));
  EXPECT_EQ(Pane(2)->text(), QStringLiteral("实际坐标 X:200.000,Y: 100.000"));
  EXPECT_EQ(Pane(3)->text(), QStringLiteral("图面坐标 X: 100.000,Y:200.000"));
  EXPECT_EQ(Pane(1)->text(), QStringLiteral("文字:1 子图:2 线:3 区:4"));
}

// A Gauss-Krüger record on the active project.
void SetProjectRecord(CZavedizDoc& doc, double scale, int projection) {
  MapParams p = DefaultMapParams();
  p.setCoordKind(3);
  p.setProjection(static_cast<uint8_t>(projection));
  p.setEllipsoid(1);
  p.setScale(scale);
  p.setCentralMeridian(1170000);
  p.setFalseEasting(39'500'000);
  PrjSetMapParams(doc.GetProject(), p);
}

TEST_F(FrameBarsTest, TheScaleStartsFromTheProjectsRecordAndCancelKeepsTheOldOne) {
  ASSERT_TRUE(Start(SampleCopy() + QStringLiteral("HILLS.MPJ")));
  SetProjectRecord(*ActiveDoc(), 2000, 5);
  script_->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("control200"))->currentText(), QStringLiteral("2000"));
    return int(QDialog::Accepted);
  });
  frame().RunCommand(33149);
  EXPECT_EQ(bars().scaleDenominator(), 2000);
  script_->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  frame().RunCommand(33149);
  EXPECT_EQ(bars().scaleDenominator(), 2000);
}

TEST_F(FrameBarsTest, ThePlaneOrGeographicSwitchAsksForTheProjectionOnlyWithoutOne) {
  ASSERT_TRUE(Start());
  bars().SetScaleDenominator(1000);
  // No: plane, nothing else asked.
  script_->AnswerMessage(prompt::kAnswerNo);
  QTest::mouseDClick(Pane(2), Qt::LeftButton);
  EXPECT_FALSE(bars().latLongDisplay());
  EXPECT_EQ(script_->asked().size(), 1u);
  EXPECT_EQ(script_->asked()[0].text, QStringLiteral("如果选择yes显示经纬度，选择no显示高斯坐标。"));

  // Yes without a map record: the two parameter dialogs; a cancel of either
  // goes back to plane.
  for (int cancelled : {0, 1}) {
    SCOPED_TRACE(cancelled);
    std::vector<QString> titles;
    script_->AnswerMessage(prompt::kAnswerYes);
    script_->AnswerMessage(prompt::kAnswerOk);
    script_->AnswerDialog([&](QDialog& d) {
      titles.push_back(d.windowTitle());
      return int(cancelled == 0 ? QDialog::Rejected : QDialog::Accepted);
    });
    if (cancelled == 1) {
      script_->AnswerMessage(prompt::kAnswerOk);
      script_->AnswerDialog([&](QDialog& d) {
        titles.push_back(d.windowTitle());
        return int(QDialog::Rejected);
      });
    }
    const std::size_t before = script_->asked().size();
    QTest::mouseDClick(Pane(2), Qt::LeftButton);
    EXPECT_FALSE(bars().latLongDisplay());
    EXPECT_EQ(script_->asked()[before + 1].text, QStringLiteral("请输入地形图投影参数。"));
    if (cancelled == 1) {
      EXPECT_EQ(script_->asked()[before + 3].text, QStringLiteral("请输入经纬度投影参数。"));
    }
    EXPECT_EQ(titles.size(), static_cast<std::size_t>(cancelled + 1));
    EXPECT_EQ(script_->PendingAnswers(), 0);
  }
}

TEST_F(FrameBarsTest, AProjectWithAProjectionSwitchesToGeographicWithoutADialog) {
  ASSERT_TRUE(Start(SampleCopy() + QStringLiteral("HILLS.MPJ")));
  SetProjectRecord(*ActiveDoc(), 10000, 5);
  bars().SetScaleDenominator(10000);
  script_->AnswerMessage(prompt::kAnswerYes);
  QTest::mouseDClick(Pane(2), Qt::LeftButton);
  EXPECT_TRUE(bars().latLongDisplay());
  EXPECT_EQ(script_->asked().size(), 1u);
  // The central meridian at the equator: e = 39,500,000 m.
  frame().ShowCoordinates(3'950'000, 0, 0, 0, 0, 0, QString());
  EXPECT_EQ(Pane(2)->text(), QStringLiteral("经度:117.000,纬度: 0.000"));
}

TEST_F(FrameBarsTest, ALayerChangeGoesToTheActiveDocumentsToolViewAndOtherPanesDoNothing) {
  MessageRecorder recorder;
  recorder.RecordFor({msg::PaneEntry::kSectionToolView, msg::PaneEntry::kProjectToolView});
  recorder.Watch({msg::kSectionToolRequest, msg::kProjectToolRequest});
  const QString folder = SampleCopy();
  ASSERT_TRUE(Start());
  QTest::mouseDClick(Pane(4), Qt::LeftButton);
  EXPECT_TRUE(recorder.Take().empty()) << "no document";
  app_->OpenDocumentFile(folder + QStringLiteral("HILLS.MPJ"));
  recorder.Take();
  QTest::mouseDClick(Pane(4), Qt::LeftButton);
  EXPECT_EQ(recorder.Take(), (std::vector<Posted>{{msg::kProjectToolRequest, 1, msg::kToolChangeLayer}}));
  for (int pane : {0, 1, 3}) QTest::mouseDClick(Pane(pane), Qt::LeftButton);
  EXPECT_TRUE(recorder.Take().empty());
  // The plan tool view asks for the layer, nothing else asks.
  ASSERT_EQ(script_->asked().size(), 1u);
  EXPECT_EQ(script_->asked()[0].text, QStringLiteral("改当前层"));
}

TEST_F(FrameBarsTest, TheSearchGoesToTheToolViewsOfTheActiveDocumentsKindAndThePromptComesBack) {
  MessageRecorder recorder;
  recorder.RecordFor({msg::PaneEntry::kSectionToolView, msg::PaneEntry::kProjectToolView});
  recorder.Watch({msg::kSectionToolRequest, msg::kProjectToolRequest});
  const QString folder = SampleCopy();
  ASSERT_TRUE(Start());
  chrome::SearchBox* box = bars().Search();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), QStringLiteral("输入搜索内容......"));
  const auto search = [&](const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->insert(text);  // typed
    QTest::keyClick(box, Qt::Key_Return);
  };
  search(QStringLiteral("断层"));
  EXPECT_EQ(SharedText(), QStringLiteral("断层"));
  EXPECT_TRUE(recorder.Take().empty()) << "no active view";
  EXPECT_EQ(box->text(), QStringLiteral("断层")) << "the text stays until a search goes out";
  box->clear();

  const Posted plan{msg::kProjectToolRequest, 1, msg::kToolTextSearch};
  const Posted section{msg::kSectionToolRequest, 1, msg::kToolTextSearch};
  struct Case {
    const char* name;
    std::function<void()> open;
    std::vector<Posted> posted;
  };
  const Case cases[] = {
      {"a line file", [&] { app_->OpenDocumentFile(folder + "CONTOUR.WL"); }, {section}},
      {"a project", [&] { app_->OpenDocumentFile(folder + "HILLS.MPJ"); }, {plan}},
      {"a new file without a name", [&] { frame().RunCommand(32808); }, {section, plan}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.open();
    recorder.Take();
    search(QStringLiteral("F1"));
    EXPECT_EQ(SharedText(), QStringLiteral("F1"));
    EXPECT_EQ(recorder.Take(), c.posted);
    EXPECT_EQ(box->text(), QStringLiteral("输入搜索内容......"));
    EXPECT_FALSE(box->promptCleared());
  }
  // The box keeps the focus after a search: text typed or composed (an input
  // method) then replaces the prompt instead of following it.
  QTest::keyClicks(box, QStringLiteral("F2"));
  EXPECT_EQ(box->text(), QStringLiteral("F2"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(SharedText(), QStringLiteral("F2"));
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("断层"));
  QCoreApplication::sendEvent(box, &composed);
  EXPECT_EQ(box->text(), QStringLiteral("断层"));
}

TEST_F(FrameBarsTest, CodeMenusComeFromTheirFilesAndAPickPostsToBothToolViews) {
  MessageRecorder recorder;
  recorder.RecordFor({msg::PaneEntry::kSectionToolView, msg::PaneEntry::kProjectToolView});
  const QString folder = QString::fromStdString(paths::GetAppFolder()) + QStringLiteral("zavediz/");
  QDir().mkpath(folder);
  QFile file(folder + QStringLiteral("stratum.sec"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("序号,代号,名称\r\n1,Q4,第四系,a,b\r\n2,J3,侏罗系 & 白垩系\r\n");
  file.close();
  ASSERT_TRUE(Start());
  chrome::CommandToolBar* standard = bars().Bar(ToolbarKind::kStandard);
  const auto menuOf = [&](int id) {
    QMenu* menu = qobject_cast<QToolButton*>(standard->widgetForAction(standard->ActionOf(id)))->menu();
    emit menu->aboutToShow();
    return menu;
  };
  QMenu* strata = menuOf(33039);
  ASSERT_EQ(strata->actions().size(), 2);
  EXPECT_EQ(strata->actions()[1]->text(), QStringLiteral("侏罗系 && 白垩系")) << "an & shown as written";
  EXPECT_TRUE(recorder.Take().empty()) << "opening alone posts nothing";
  strata->actions()[0]->trigger();
  EXPECT_EQ(CurrentWorkspaceFileName(), QStringLiteral("Q4"));
  EXPECT_EQ(SharedText(), QStringLiteral("a,b,,,,,,"));
  EXPECT_EQ(recorder.Take(), (std::vector<Posted>{{msg::kSectionToolRequest, 1, msg::kToolPlaceCode},
                                                  {msg::kProjectToolRequest, 1, msg::kToolPlaceCode}}));
  EXPECT_TRUE(menuOf(33041)->actions().isEmpty()) << "Sub.sec is missing";
  EXPECT_EQ(menuOf(33039)->actions().size(), 2) << "read afresh, not added twice";
}

}  // namespace
}  // namespace zv::test

// The survey road (读取测量数据): a surveyed line of the fixture database
// becomes a new straight section line with its header and station profile.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <functional>
#include <map>
#include <memory>

#include "common/globals/program_globals.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/zavediz/plan/plan_project.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/plan/geology_reading.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

using test::Dump;

const QString kFailed = QString::fromUtf8(kSurveyReadFailedMessage);

std::string Text(const D_DOT& p) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.3f,%.3f)", p.x, p.y);
  return text;
}

class SurveyRoadTest : public test::PlanControllerTest {
 public:
  void SetUp() override {
    zv::test::RegisterFixtureDb();
    DataSourceName() = "kof";
    PlanControllerTest::SetUp();
  }

  // The section chooser: the area typed and left, the section typed, OK.
  void ChooseSection(const QString& area, const QString& section) {
    script_->AnswerDialog([area, section](QDialog& d) {
      auto* combo = d.findChild<QComboBox*>("mineArea");
      combo->setEditText(area);
      QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(combo->lineEdit(), &out);
      d.findChild<QLineEdit*>("section")->setText(section);
      d.accept();
      return -1;
    });
  }
  void AnswerHeader(std::map<QString, QString>* fields, bool ok = true) { test::AnswerHeader(*script_, fields, ok); }
};

TEST_F(SurveyRoadTest, ASurveyedLineBecomesANewStraightSectionWithItsHeaderAndStations) {
  // An earlier polyline taken as a vertical projection, drawn and read for
  // its geology.
  const WorkAreaHandle sections = plan_.AddFile("sections.wl");
  BasAppendLine(sections, std::vector<D_DOT>{{50, 100}, {120, 130}, {300, 100}}, *BasGetDefaultLineParam());
  AnswerHeader(nullptr);
  controller_->OnVerticalProjection();
  script_->AnswerDialog([](QDialog& d) {
    d.accept();
    return -1;
  });
  const CPoint on = view_._LpToWp(D_DOT{85, 115});
  controller_->LButtonDown(MK_LBUTTON, on);
  controller_->LButtonUp(0, on);
  ASSERT_EQ(controller_->Plan().vertices.size(), 3u);
  ASSERT_FALSE(controller_->OverlayChain().empty());
  controller_->GeologyRead() = true;

  std::map<QString, QString> fields = {
      {"title", ""},          {"unit", ""},           {"c1r1Content", ""}, {"c1r2Content", ""},
      {"c1r3Content", ""},    {"c1r4Content", ""},    {"c1r5Content", ""}, {"c1r6Content", ""},
      {"c2r1Content", ""},    {"c2r2Content", ""},    {"c2r3Content", ""}, {"c2r4Content", ""},
      {"c2r5Content", ""},    {"topographicScale", ""}, {"sectionScale", ""}};
  ChooseSection("1001  金山矿区", "3");
  AnswerHeader(&fields);
  const std::size_t before = script_->Messages().size();
  controller_->OnReadSurveyFromDatabase();

  EXPECT_EQ(script_->Messages().size(), before) << "no message on success";
  EXPECT_EQ(script_->PendingAnswers(), 0);
  const std::map<QString, QString> expected = {
      {"title", "金山矿区3号勘探线剖面图"}, {"unit", "某某地质勘查院"}, {"c1r1Content", "图名"},
      {"c1r2Content", "勘探线"},           {"c1r3Content", "方位角"},       {"c1r4Content", "制图"},
      {"c1r5Content", "审核"},             {"c1r6Content", "日期"},         {"c2r1Content", "3号线"},
      {"c2r2Content", "2000"},             {"c2r3Content", "90°"},          {"c2r4Content", "张三"},
      {"c2r5Content", "李四"},             {"topographicScale", "1000"},     {"sectionScale", "2000"}};
  EXPECT_EQ(fields, expected);

  EXPECT_TRUE(data_.headerSet);
  EXPECT_EQ(data_.title, "金山矿区3号勘探线剖面图");
  EXPECT_EQ(data_.row2Right, "2000");
  EXPECT_EQ(data_.planScale, 1000);
  EXPECT_EQ(data_.sectionScale, 2000);
  EXPECT_EQ(Text(data_.groundStart), Text(D_DOT{1000, 2000})) << "columns 4 and 3";
  EXPECT_EQ(Text(data_.groundEnd), Text(D_DOT{2000, 2000})) << "columns 7 and 6";
  EXPECT_TRUE(data_.lineStored);
  EXPECT_DOUBLE_EQ(data_.length, 1000.0);
  EXPECT_DOUBLE_EQ(data_.sectionEnd.x, 500.0);
  // Stations by distance (相对平距 sorts as a number), x = distance / 2.
  EXPECT_EQ(Dump(data_.terrain),
            "(0.0000,600.0000)(50.0000,605.0000)(125.2500,612.5000)(200.0000,595.0000)(500.0000,590.2500)");
  EXPECT_EQ(Names(), "A0 A1 A2 A3 A4 ");

  // A new line of its own: straight, unread, without the old overlay.
  EXPECT_EQ(controller_->Plan().vertices.size(), 2u);
  EXPECT_EQ(data_.verticalProjection, 0);
  EXPECT_EQ(controller_->Plan().crossings.GetCount(), 0);
  EXPECT_FALSE(controller_->GeologyRead());
  EXPECT_TRUE(controller_->OverlayChain().empty());
  EXPECT_EQ(CutZavediz(data_, static_cast<int>(controller_->Plan().vertices.size()), 30.0).operation, kDrawStraight);

  // Reading the geology of the new line adds its boundary to the profile.
  const WorkAreaHandle geology = plan_.AddFile("geology.wp");
  BasAppendLine(geology, std::vector<D_DOT>{{1500, 1900}, {1500, 2100}}, *BasGetDefaultLineParam());
  ReadGeologyCrossings(data_, controller_->GeologyRead(), geology);
  EXPECT_EQ(Names(), "A0 A1 A2 A3 inf A4 ");
  EXPECT_EQ(data_.geologyBoundary.GetCount(), 3);
}

TEST_F(SurveyRoadTest, LinesWithAQuoteOrSeveralHeaderRowsReadTheirOwnRows) {
  struct Case {
    const char* line;
    D_DOT start, end;
    const char* profile;
  };
  const Case cases[] = {
      {"4'1", {100, 100}, {600, 100}, "(0.0000,800.0000)(500.0000,820.0000)"},
      {"5", {500, 3000}, {1500, 3000}, "(0.0000,1000.0000)(1000.0000,1010.0000)"},  // the last header row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ChooseSection("1001", c.line);
    AnswerHeader(nullptr);
    controller_->OnReadSurveyFromDatabase();
    EXPECT_TRUE(script_->Messages().empty());
    EXPECT_EQ(Text(data_.groundStart), Text(c.start));
    EXPECT_EQ(Text(data_.groundEnd), Text(c.end));
    EXPECT_EQ(Dump(data_.terrain), c.profile);
  }
}

TEST_F(SurveyRoadTest, ALineWithoutStationsLeavesAnEmptyProfileThatTheCutRefuses) {
  zv::test::RegisterFixtureDb("DELETE FROM TPMK001 WHERE 勘探线号 = '5';");
  ChooseSection("1001  金山矿区", "5");
  AnswerHeader(nullptr);
  controller_->OnReadSurveyFromDatabase();
  EXPECT_TRUE(script_->Messages().empty());
  EXPECT_TRUE(data_.lineStored);
  EXPECT_TRUE(data_.terrain.IsEmpty());
  const CutOutcome cut = CutZavediz(data_, 2, 30.0);
  EXPECT_EQ(cut.operation, 0);
  EXPECT_EQ(cut.message, kNoSectionLineMessage);
}

TEST_F(SurveyRoadTest, FailuresAreToldThenTheReadFailsAndNothingIsStored) {
  struct Case {
    const char* name;
    std::function<void(SurveyRoadTest&)> setUp;
    std::vector<QString> messages;  // a message ending in "…" only needs to start so
    bool headerStored = false;
  };
  const QString registerFirst = "请先注册数据源！！！";
  const Case cases[] = {
      {"chooser cancelled", [](SurveyRoadTest& t) { t.script_->AnswerDialog([](QDialog&) { return 0; }); }, {}},
      {"no header row", [](SurveyRoadTest& t) { t.ChooseSection("1001  金山矿区", "12"); }, {kFailed}},
      {"header cancelled",
       [](SurveyRoadTest& t) {
         t.ChooseSection("1001  金山矿区", "3");
         t.AnswerHeader(nullptr, false);
       },
       {kFailed}},
      {"header table missing",
       [](SurveyRoadTest& t) {
         zv::test::RegisterFixtureDb("DROP TABLE TPMK00;");
         t.ChooseSection("1001  金山矿区", "3");
       },
       {"TPMK00: …", kFailed}},
      {"station table missing",
       [](SurveyRoadTest& t) {
         zv::test::RegisterFixtureDb("DROP TABLE TPMK001;");
         t.ChooseSection("1001  金山矿区", "3");
         t.AnswerHeader(nullptr);
       },
       {"TPMK001: …", kFailed},
       true},
      {"data source not registered", [](SurveyRoadTest&) { DataSourceName() = "nothere"; }, {registerFirst, kFailed}},
      {"data source without a file",
       [](SurveyRoadTest&) {
         zv::test::WriteDataSource("kof", {{"Description", "none"}});
       },
       {"读取数据源错误！", kFailed}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    zv::test::RegisterFixtureDb();
    DataSourceName() = "kof";
    ResetZavedizData(data_, true);
    data_.groundStart = D_DOT{7, 7};
    const std::size_t before = script_->Messages().size();
    c.setUp(*this);
    controller_->OnReadSurveyFromDatabase();
    const std::vector<QString> all = script_->Messages();
    const std::vector<QString> told(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    ASSERT_EQ(told.size(), c.messages.size());
    for (std::size_t i = 0; i < told.size(); ++i) {
      if (c.messages[i].endsWith("…"))
        EXPECT_TRUE(told[i].startsWith(c.messages[i].chopped(1))) << told[i].toStdString();
      else
        EXPECT_EQ(told[i], c.messages[i]);
    }
    EXPECT_EQ(script_->PendingAnswers(), 0);
    EXPECT_TRUE(data_.terrain.IsEmpty());
    EXPECT_EQ(data_.headerSet, c.headerStored);
    if (!c.headerStored) EXPECT_EQ(Text(data_.groundStart), Text(D_DOT{7, 7})) << "ground points only on OK";
  }
}

}  // namespace
}  // namespace zv::zavediz

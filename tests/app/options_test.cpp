#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <fstream>

#include "app/app_settings.h"
#include "app/options/option_pages.h"
#include "app/options/option_values.h"
#include "framework/fileio/file_io.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/scripted_prompts.h"

namespace zv::options {
namespace {

std::string ReadAll(const std::string& path) {
  std::string bytes;
  fileio::ReadWholeFile(path, bytes);
  return bytes;
}

std::string IniPath() { return paths::GetDataFolder() + "Zavediz.ini"; }

template <class T>
T* Find(QDialog& d, const char* key) {
  return d.findChild<T*>(QString::fromUtf8(key));
}

// Counts the plan requests that reach the plan view.
class PlanView : public QObject {
 public:
  std::vector<std::intptr_t> codes;
  bool event(QEvent* e) override {
    if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
      if (m->message() == msg::kPlanRequest && m->wParam() == 0) codes.push_back(m->lParam());
      return true;
    }
    return QObject::event(e);
  }
};

// Each case starts from the built-in settings.
class OptionSheetTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings() = AppSettings{}; }
};

TEST(OptionValues, NumbersAreReadAsTheBoxesShowThem) {
  EXPECT_EQ(ParseWhole(" 180 "), 180);
  EXPECT_EQ(ParseWhole("-3"), -3);
  EXPECT_FALSE(ParseWhole("1.5"));
  EXPECT_FALSE(ParseWhole(""));
  EXPECT_EQ(ParseReal("0.1"), 0.1);
  EXPECT_FALSE(ParseReal("0,1"));
  struct Case {
    const char* text;
    double leading;
    bool colour;
  };
  const Case cases[] = {{"2.0", 2.0, true}, {"0", 0.0, false}, {"", 0.0, false}, {"abc", 0.0, false},
                        {"2.5mm", 2.5, true}, {"0.0", 0.0, false}, {"-1", -1.0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LeadingNumber(c.text), c.leading);
    EXPECT_EQ(OverburdenColourApplies(c.text), c.colour);
  }
  EXPECT_EQ(RangeMessage(0, 500), "请输入一个介于 0 和 500 之间的整数。");
}

TEST_F(OptionSheetTest, OkWritesAllKeysInPlaceKeepingTheRestAndAsksThePlanViewToReload) {
  prompt::ScopedScriptedPrompts script;
  PlanView view;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view);
  std::ofstream(IniPath(), std::ios::binary) << "; 设置\r\n[OTHER]\r\ncontrol width=100\r\nBACKPIC=/p/b.bmp\r\n"
                                                "mine=1\r\n[ZK]\r\ninw=0.3\r\n[SYSPARA]\r\nx=1\r\n";
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(Find<QLineEdit>(d, "control width")->text(), "100");  // loaded from the file
    EXPECT_EQ(Find<QTabWidget>(d, "")->currentIndex(), 0);
    Find<QCheckBox>(d, "arc show")->setChecked(true);
    Find<QComboBox>(d, "TQPosition")->setCurrentIndex(3);
    Find<QLineEdit>(d, "inw")->setText("0.1");
    Find<QLineEdit>(d, "grounddata")->setText("2.5");
    Find<QCheckBox>(d, "strap")->setChecked(true);
    Find<QLineEdit>(d, "editstrap")->setText("-3");
    d.accept();
    return -1;
  });
  ASSERT_TRUE(RunOptionSheet(QStringLiteral("工具参数设置"), 0, 1));
  EXPECT_EQ(ReadAll(IniPath()),
            "; 设置\r\n[OTHER]\r\ncontrol width=100\r\nBACKPIC=/p/b.bmp\r\nmine=1\r\nstandard chart=1\r\n"
            "other chart=0\r\ncontrol left/right=1\r\nback color=15\r\narc show=1\r\ncompress=1\r\ncross cursor=1\r\n"
            "lucency show=1\r\nrever show=1\r\nsymbol=1\r\ntop=1\r\nZB show=0\r\nscroll=0\r\nseclect=0\r\nmenu=0\r\n"
            "leftdoudown=0\r\nTQPosition=3\r\nShowKou=1\r\n[ZK]\r\ninw=0.100000\r\noutw=0.500000\r\nsubNo=502\r\n"
            "laberH=30.000000\r\nunite=0\r\n[SYSPARA]\r\nx=1\r\n\r\n[PM]\r\ncvrve=1\r\nstrap=1\r\ngroupclr=128\r\n"
            "ichnography=30.000000\r\nzkpara=1011\r\neditstrap=-3\r\nstratum=8.000000\r\ngrounddata=2.500000\r\n");
  EXPECT_EQ(Settings().arcShow, 1);
  EXPECT_EQ(Settings().editStrap, -3);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(view.codes, std::vector<std::intptr_t>{13});
  EXPECT_TRUE(script->Messages().empty());
}

// A settings file that cannot take the values (here a damaged one, which is
// never rewritten) is told: the values apply now but not at the next start.
TEST_F(OptionSheetTest, OkWithAFileThatCannotBeWrittenIsToldAndKeepsTheFile) {
  prompt::ScopedScriptedPrompts script;
  const std::string damaged = std::string("[OTHER]\r\ncontrol width=100\r\n\x81\x30\xff\xfe\x80", 32);
  std::ofstream(IniPath(), std::ios::binary) << damaged;
  script->AnswerDialog([](QDialog& d) {
    Find<QCheckBox>(d, "arc show")->setChecked(true);
    d.accept();
    return -1;
  });
  ASSERT_TRUE(RunOptionSheet(QStringLiteral("工具参数设置"), 0, 1));
  EXPECT_EQ(ReadAll(IniPath()), damaged);
  EXPECT_EQ(Settings().arcShow, 1);
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_EQ(script->Messages()[0],
            QStringLiteral("参数无法写入文件“%1”，下次启动时不会保留！").arg(QString::fromStdString(IniPath())));
}

TEST_F(OptionSheetTest, CancelLeavesTheFileAndTheSettingsAndPostsNothing) {
  prompt::ScopedScriptedPrompts script;
  PlanView view;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view);
  std::ofstream(IniPath(), std::ios::binary) << "[PM]\nstrap=0\n";
  const std::string before = ReadAll(IniPath());
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(Find<QTabWidget>(d, "")->currentIndex(), 2);
    Find<QCheckBox>(d, "cvrve")->setChecked(false);
    d.reject();
    return -1;
  });
  EXPECT_FALSE(RunOptionSheet(QStringLiteral("剖面参数设置"), 2, 0));
  EXPECT_EQ(ReadAll(IniPath()), before);
  EXPECT_EQ(Settings().curve, 1);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(view.codes.empty());
}

TEST_F(OptionSheetTest, ZoneAndOverburdenControlsFollowTheirSwitches) {
  prompt::ScopedScriptedPrompts script;
  OptionSheet sheet(QStringLiteral("剖面参数设置"), 2);
  QWidget* zone = Find<QLineEdit>(sheet, "editstrap");
  QWidget* colour = Find<QLineEdit>(sheet, "groupclr");
  QWidget* colourButton = Find<QPushButton>(sheet, "groupclr button");
  auto* thickness = Find<QLineEdit>(sheet, "grounddata");
  OptionPage* page = sheet.pages()[2];
  EXPECT_FALSE(page->modified());
  EXPECT_EQ(thickness->text(), "2.0");
  EXPECT_FALSE(zone->isEnabled());
  Find<QCheckBox>(sheet, "strap")->click();
  EXPECT_TRUE(zone->isEnabled());
  for (const char* text : {"0", "", "abc", "0.0"}) {
    thickness->setText(QString::fromUtf8(text));
    EXPECT_FALSE(colour->isEnabled()) << text;
    EXPECT_FALSE(colourButton->isEnabled()) << text;
  }
  thickness->setText("1.5");
  EXPECT_TRUE(colour->isEnabled());
  // The picker (cancelled here) marks the page modified and keeps the value.
  page->Load(Settings());
  qobject_cast<QPushButton*>(colourButton)->click();
  EXPECT_TRUE(page->modified());
  EXPECT_EQ(colour->property("text").toString(), "128");
}

TEST_F(OptionSheetTest, AControlBarWidthAbove500IsRefusedOnOkAndOnLeavingThePage) {
  prompt::ScopedScriptedPrompts script;
  const QString refusal = QStringLiteral("请输入一个介于 0 和 500 之间的整数。");
  script->AnswerDialog([&](QDialog& d) {
    auto* width = Find<QLineEdit>(d, "control width");
    auto* tabs = Find<QTabWidget>(d, "");
    width->setText("501");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(script->Messages().back(), refusal);
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);  // still open
    EXPECT_EQ(script->Messages().size(), 2u);
    width->setText("500");
    d.accept();
    return -1;
  });
  ASSERT_TRUE(RunOptionSheet(QStringLiteral("工具参数设置"), 0, 1));
  EXPECT_EQ(Settings().controlWidth, 500);
}

}  // namespace
}  // namespace zv::options

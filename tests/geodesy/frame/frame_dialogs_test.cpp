#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>

#include "framework/prompts/scripted_prompts.h"
#include "geodesy/frame/graticule_dlg.h"
#include "geodesy/frame/standard_frame_dlg.h"
#include "tests/geodesy/find_child.h"

namespace zv::geodesy {
namespace {

using test::Find;

TEST(StandardFrameDialog, DefaultsZoneBoxAndScaleRange) {
  prompt::ScopedScriptedPrompts script;
  CStandardFrameDlg d;
  EXPECT_EQ(d.windowTitle(), "标准矩形图框");
  EXPECT_EQ(Find<QLineEdit>(d, "scale")->text(), "5000");
  EXPECT_EQ(Find<QLineEdit>(d, "zone")->text(), "39");
  EXPECT_EQ(Find<QLineEdit>(d, "x1")->text(), "621.387");
  EXPECT_EQ(Find<QLineEdit>(d, "x2")->text(), "623.414");
  EXPECT_EQ(Find<QLineEdit>(d, "y1")->text(), "2863.651");
  EXPECT_EQ(Find<QLineEdit>(d, "y2")->text(), "2866.000");
  auto* flag = Find<QCheckBox>(d, "zoneFlag");
  EXPECT_TRUE(flag->isChecked());
  EXPECT_TRUE(Find<QLineEdit>(d, "zone")->isEnabled());
  flag->click();
  EXPECT_FALSE(Find<QLineEdit>(d, "zone")->isEnabled());
  flag->click();
  EXPECT_TRUE(Find<QLineEdit>(d, "zone")->isEnabled());

  const struct {
    const char* scale;
    bool accepted;
  } cases[] = {{"999", false}, {"1000001", false}, {"1000", true}, {"1000000", true}};
  for (const auto& c : cases) {
    CStandardFrameDlg dialog;
    Find<QLineEdit>(dialog, "scale")->setText(c.scale);
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.scale;
    if (c.accepted) EXPECT_EQ(std::to_string(dialog.values().scale), c.scale);
  }
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"请输入一个介于 1000 和 1000000 之间的整数。",
                                                      "请输入一个介于 1000 和 1000000 之间的整数。"}));
}

// The record bytes the graticule dialog fixes, as offset → value.
void ExpectAngleRecord(const MapParams& r) {
  EXPECT_EQ(r.Get<uint8_t>(0), 1);
  EXPECT_EQ(r.Get<uint8_t>(1), 5);
  EXPECT_EQ(r.Get<uint8_t>(19), 2);
  EXPECT_EQ(r.Get<double>(125), 0.0);
  EXPECT_EQ(r.Get<double>(133), 0.0);
}

void ExpectMapRecord(const MapParams& r, double meridian) {
  EXPECT_EQ(r.Get<uint8_t>(0), 3);
  EXPECT_EQ(r.Get<uint8_t>(1), 0);
  EXPECT_EQ(r.Get<uint8_t>(18), 5);
  EXPECT_EQ(r.Get<uint8_t>(19), 2);
  EXPECT_EQ(r.Get<double>(52), 10000.0);
  EXPECT_EQ(r.Get<double>(60), meridian);
  EXPECT_EQ(r.Get<double>(125), 0.0);
  EXPECT_EQ(r.Get<double>(133), 0.0);
}

TEST(GraticuleDialog, OpeningSetsBothRecordsAndTheZone) {
  prompt::ScopedScriptedPrompts script;
  CGraticuleDlg d;
  EXPECT_EQ(d.windowTitle(), "绘制经纬网");
  EXPECT_EQ(Find<QLineEdit>(d, "interval")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(d, "maxLatitude")->text(), "254845");
  EXPECT_EQ(Find<QLineEdit>(d, "maxLongitude")->text(), "1170830");
  EXPECT_EQ(Find<QLineEdit>(d, "minLatitude")->text(), "254400");
  EXPECT_EQ(Find<QLineEdit>(d, "minLongitude")->text(), "1170315");
  ASSERT_NE(d.params(), nullptr);
  ExpectAngleRecord(d.params()->angle);
  ExpectMapRecord(d.params()->map, 1170000.0);
  EXPECT_EQ(ProjGetZone(*d.params()), 39);
  // Bytes the dialog does not fix keep what the record held.
  MapParams untouched = DefaultMapParams();
  EXPECT_EQ(d.params()->map.Get<double>(mapp::kFalseEasting), untouched.Get<double>(mapp::kFalseEasting));
  EXPECT_EQ(d.params()->angle.Get<double>(mapp::kScale), untouched.Get<double>(mapp::kScale));
  EXPECT_TRUE(script->Messages().empty());
}

TEST(GraticuleDialog, TheButtonsSetTheRecordsAndOpenTheirEditors) {
  prompt::ScopedScriptedPrompts script;
  CGraticuleDlg d;
  Find<QLineEdit>(d, "minLongitude")->setText("1183000");
  // The editor of the map-projection record shows the new meridian and is
  // answered with another ellipsoid.
  script->AnswerDialog([](QDialog& editor) {
    EXPECT_EQ(editor.windowTitle(), "投影参数");
    EXPECT_EQ(editor.findChild<QDoubleSpinBox*>("centralMeridian")->value(), 1200000.0);
    editor.findChild<QDoubleSpinBox*>("ellipsoid")->setValue(7);
    return QDialog::Accepted;
  });
  Find<QPushButton>(d, "projection")->click();
  EXPECT_EQ(d.params()->map.centralMeridian(), 1200000.0);
  EXPECT_EQ(d.params()->map.ellipsoid(), 7);
  EXPECT_EQ(ProjGetZone(*d.params()), 40);
  // "角度单位" sets its record before its editor opens, every time.
  for (const double shown : {5.0, 5.0}) {
    script->AnswerDialog([shown](QDialog& editor) {
      EXPECT_EQ(editor.windowTitle(), "角度单位");
      EXPECT_EQ(editor.findChild<QDoubleSpinBox*>("unit")->value(), shown);
      editor.findChild<QDoubleSpinBox*>("unit")->setValue(9);
      return QDialog::Accepted;
    });
    Find<QPushButton>(d, "angleUnits")->click();
    EXPECT_EQ(d.params()->angle.unit(), 9);
  }
  EXPECT_EQ(script->PendingAnswers(), 0);
}

TEST(GraticuleDialog, RefusalsKeepTheDialogOpen) {
  prompt::ScopedScriptedPrompts script;
  CGraticuleDlg d;
  // A negative minimum longitude: "数据错误" and −1.0 as the meridian.
  Find<QLineEdit>(d, "minLongitude")->setText("-1170315");
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  Find<QPushButton>(d, "projection")->click();
  EXPECT_EQ(d.params()->map.centralMeridian(), -1.0);
  d.accept();
  EXPECT_NE(d.result(), QDialog::Accepted);
  Find<QLineEdit>(d, "minLongitude")->setText("1170315");
  Find<QLineEdit>(d, "interval")->setText("0");
  d.accept();
  EXPECT_NE(d.result(), QDialog::Accepted);
  Find<QLineEdit>(d, "interval")->setText("0.5");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.interval(), 0.5);
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"数据错误", "经纬度数据错误！", "公里网间隔必须大于0！"}));
  // The caller takes the parameters; the dialog holds none afterwards.
  EXPECT_NE(d.TakeParams(), nullptr);
  EXPECT_EQ(d.params(), nullptr);
}

}  // namespace
}  // namespace zv::geodesy

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/commands/command_table.h"
#include "framework/docview/view.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/text/encoding.h"
#include "geodesy/commands/geodesy_commands.h"
#include "geodesy/gauss/gauss_projection_dlg.h"
#include "platform/view/gis_edit_view.h"
#include "tests/geodesy/find_child.h"
#include "tests/support/test_env.h"

namespace zv::gauss {
namespace {

namespace fs = std::filesystem;

template <class W = QPushButton>
W* Find(QDialog& d, const char* name) { return test::Find<W>(d, name); }

TEST(GaussProjectionDialog, ComputeReadsTheInputListOfTheModeAndRetitlesForZones) {
  CGaussProjectionDlg d;
  d.left()->AddRow({"P1", "393000", "1170000"});
  Find(d, "compute")->click();
  ASSERT_EQ(d.right()->GetItemCount(), 1);
  EXPECT_EQ(d.right()->CellText(0, 2), "500000.000000");
  EXPECT_FALSE(Find<QLineEdit>(d, "targetL0")->isEnabled());

  Find<QRadioButton>(d, "mode1")->click();  // 反算: right to left
  d.left()->DeleteAllRows();
  Find(d, "compute")->click();
  ASSERT_EQ(d.left()->GetItemCount(), 1);
  EXPECT_EQ(d.left()->CellText(0, 2), "1170000.000000");

  Find<QRadioButton>(d, "mode2")->click();
  EXPECT_EQ(d.left()->model()->headerData(1, Qt::Horizontal).toString(), "X(m)");
  EXPECT_TRUE(Find<QLineEdit>(d, "targetL0")->isEnabled());
  EXPECT_EQ(d.left()->CellText(0, 2), "1170000.000000") << "cells keep their texts";

  Find<QRadioButton>(d, "notation2")->click();
  d.left()->DeleteAllRows();
  d.left()->AddRow({"A", "30.7", "116.5"});
  Find(d, "toDdmmss")->click();
  EXPECT_EQ(d.left()->CellText(0, 1), "304200.000000");
}

TEST(GaussProjectionDialog, PointFilesInAndOut) {
  prompt::ScopedScriptedPrompts script;
  const fs::path in = fs::path(test::TempRoot()) / "点.txt";
  std::ofstream(in, std::ios::binary) << text::ToGbk("拐点1,393000,1173000\r\n\r\n拐点2,393100,1173100\r\n");
  CGaussProjectionDlg d;
  script->AnswerFiles({QString::fromStdString(in.string())});
  Find(d, "read")->click();
  ASSERT_EQ(d.left()->GetItemCount(), 2);
  EXPECT_EQ(d.left()->CellText(1, 0), "拐点2");
  Find(d, "compute")->click();
  const fs::path out = fs::path(test::TempRoot()) / "结果.txt";
  script->AnswerFiles({QString::fromStdString(out.string())});
  Find(d, "save")->click();
  std::string saved;
  ASSERT_TRUE(fileio::ReadWholeFile(out.string(), saved));
  EXPECT_EQ(saved.rfind("拐点1,", 0), 0u);
  EXPECT_NE(saved.find("\r\n拐点2,"), std::string::npos);
}

// A view the commands can find, as the tool views are.
struct ToolView : CGisEditView, docview::CView {
  std::string_view CommandClass() const override { return "CSecToolView"; }
  QWidget* Widget() override { return this; }
};

TEST(GaussProjectionDialog, PlacingNeedsAScaleAndPutsThePointsIntoTheViewAsOneStep) {
  geodesy::RegisterGeodesyCommands();
  prompt::ScopedScriptedPrompts script;
  ToolView view;
  script->AnswerDialog([&](QDialog& d) {
    auto& dialog = static_cast<CGaussProjectionDlg&>(d);
    dialog.right()->AddRow({"J1", "3000000", "500000"});
    dialog.right()->AddRow({"J2", "3000100", "500100"});
    Find<QCheckBox>(d, "drawLine")->setChecked(true);
    Find<QLineEdit>(d, "scale")->setText("0");
    Find(d, "place")->click();
    EXPECT_EQ(d.result(), QDialog::Rejected) << "still open";
    Find<QLineEdit>(d, "scale")->setText("2000");
    Find(d, "place")->click();
    return -1;
  });
  EXPECT_EQ(cmd::Execute({&view}, 33571), cmd::RunResult::kRan);
  EXPECT_EQ(script->Messages(), std::vector<QString>{"比例尺必须大于0！"});
  int32_t live = 0, bound = 0;
  BasGetPointCount(view.GetCurrentPntArea(), &live, &bound);
  EXPECT_EQ(live, 4);
  BasGetLineCount(view.GetCurrentLinArea(), &live, &bound);
  EXPECT_EQ(live, 1);
  EXPECT_EQ(view.GetUndo().StepCount(), 1);
}

}  // namespace
}  // namespace zv::gauss

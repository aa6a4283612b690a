// 制作图例 from the program's menu: the legend library dialog chooses an item
// of the legend folder and a click on the map places it, framed and named.
#include <QDialog>
#include <QPushButton>
#include <filesystem>

#include "common/grid_list/grid_list_ctrl.h"
#include "panels/core/legend_item_file.h"
#include "panels/legend_library_dlg.h"
#include "framework/docview/view.h"
#include "platform/view/gis_edit_view.h"
#include "tests/app/app_fixture.h"
#include "tests/platform/data/area_probes.h"
#include "tests/views/view_test_support.h"

namespace zv::test {
namespace {

TEST_F(AppTest, TheLegendCommandPlacesTheItemChosenInTheLibrary) {
  ASSERT_TRUE(Start());
  std::filesystem::remove_all(panels::LegendFolder());
  ASSERT_TRUE(panels::MakeLegendFolder());
  panels::LegendHeader header;
  header.number = "0001";
  header.name = "砂岩";
  panels::LegendBody body;
  LineRecord line;
  line.vertices = {{-6, 0}, {6, 0}};
  body.lines.push_back(line);
  ASSERT_TRUE(panels::WriteLegendItemFile(panels::LegendFolder() + panels::LegendFileName("0001", "砂岩"), header, body));

  app_->OpenDocumentFile(SampleCopy() + QStringLiteral("CONTOUR.WL"));
  auto* view = dynamic_cast<CGisEditView*>(frame().GetActiveView()->Widget());
  ASSERT_NE(view, nullptr);
  const WorkAreaHandle lines = view->GetCurrentLinArea();
  const WorkAreaHandle points = view->GetCurrentPntArea();
  const int32_t linesBefore = Live(lines, kLineEntity), pointsBefore = Live(points, kPointEntity);

  script_->AnswerDialog([](QDialog& d) {
    auto& library = dynamic_cast<panels::CLegendLibraryDlg&>(d);
    EXPECT_EQ(library.windowTitle(), QStringLiteral("图例库制作"));
    library.Grid()->SetCellText(0, 0, "1");
    library.findChild<QPushButton*>("control1")->click();
    return -1;
  });
  ASSERT_EQ(frame().RunCommand(33396), cmd::RunResult::kRan);
  Click(*view, view->rect().center());
  Settle();
  EXPECT_EQ(Live(lines, kLineEntity), linesBefore + 2) << "the frame and the item's line";
  EXPECT_EQ(Live(points, kPointEntity), pointsBefore + 2) << "the item's name beside it and the (empty) list text";
  view->Undo();
  EXPECT_EQ(Live(lines, kLineEntity), linesBefore);
  std::filesystem::remove_all(panels::LegendFolder());
}

}  // namespace
}  // namespace zv::test

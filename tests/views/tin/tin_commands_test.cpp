#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/tin/tin_draw.h"
#include "platform/tin/tin_sources.h"
#include "platform/view/gis_edit_view.h"
#include "tests/platform/data/area_probes.h"
#include "tests/platform/display/golden.h"
#include "tests/support/test_env.h"
#include "views/sec_tool_view.h"
#include "views/tin/tin_commands.h"

namespace zv::tintools {
namespace {

namespace fs = std::filesystem;

class TinCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTinCommands();
    view_.resize(200, 200);
    view_.show();
  }

  // Elevation points as texts, n × n of them 10 apart from (x0, y0).
  void TextPoints(double x0, double y0, int n, double (*z)(double, double)) {
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i) {
        const double x = x0 + 10 * i, y = y0 + 10 * j;
        BasAppendPoint(view_.GetCurrentPntArea(), {x, y}, num(z(x, y)), PNT_INFO{});
      }
  }
  static std::string num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
  }
  // The pixels of the view's picture in the TIN's grey after a redraw.
  int GreyPixels() {
    view_._UpdateWindow();
    const QImage& picture = view_.Picture();
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) == qRgb(150, 150, 150);
    return n;
  }
  std::vector<int32_t> LiveIds(WorkAreaHandle area, int type) { return test::LiveIds(area, type); }
  const void* Key() { return static_cast<CGisEditView*>(&view_); }
  cmd::RunResult Run(int id) { return cmd::Execute({&view_}, id); }

  static double Plane(double x, double) { return x; }
  static double Cone(double x, double y) { return std::hypot(x - 50, y - 50); }

  prompt::ScopedScriptedPrompts script_;
  CSecToolView view_;
};

TEST_F(TinCommands, PointElevationsMakeTheTinTheOverlayDraws) {
  TextPoints(0, 0, 5, Plane);
  BasAppendPoint(view_.GetCurrentPntArea(), {3, 3}, "钻孔", PNT_INFO{});
  view_.OnRestoreWindow();
  EXPECT_EQ(GreyPixels(), 0);
  EXPECT_EQ(Run(33588), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages(),
            (std::vector<QString>{"点高程值25个，跳过1个点（无高程值）\n构成三角网：25个点，32个三角形"}));
  ASSERT_TRUE(tin::ViewTin(Key()));
  EXPECT_GT(GreyPixels(), 400);
}

TEST_F(TinCommands, TheOverlayDrawsTheTinUnderTheContoursOfACone) {
  TextPoints(0, 0, 5, [](double x, double y) { return std::hypot(x - 20, y - 20); });
  ASSERT_EQ(Run(33588), cmd::RunResult::kRan);
  // Contours wide enough to show as solid lines beside the hairline edges.
  const LIN_INFO defaults = *BasGetDefaultLineParam();
  LIN_INFO wide = defaults;
  wide.setWidth(0.4f);
  BasSetDefaultLineParam(wide);
  script_->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("lowest")->setText("0");
    d.findChild<QLineEdit*>("interval")->setText("6");
    d.accept();
    return -1;
  });
  ASSERT_EQ(Run(33373), cmd::RunResult::kRan);
  BasSetDefaultLineParam(defaults);
  // Closed rings at 6, 12 and 18; 24 in four pieces across the corners.
  EXPECT_EQ(LiveIds(view_.GetCurrentLinArea(), kLineEntity).size(), 7u);
  view_.OnRestoreWindow();
  view_._UpdateWindow();
  // Both are there: the TIN's grey edges and the contours in the default line colour.
  const QImage& picture = view_.Picture();
  const QRgb contour = zv::test::LibraryRgb(BasGetDefaultLineParam()->colour());
  int grey = 0, lines = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      grey += picture.pixel(x, y) == qRgb(150, 150, 150);
      lines += picture.pixel(x, y) == contour;
    }
  EXPECT_GT(grey, 300);
  EXPECT_GT(lines, 300);
  std::string report;
  EXPECT_TRUE(zv::test::MatchesGolden(picture, "tin_overlay_cone_contours", &report)) << report;
}

TEST_F(TinCommands, LineElevationsAndRefusedBuildsLeaveNoStaleTin) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const int32_t a = BasAppendLine(lines, {{0, 0}, {50, 0}, {100, 10}}, LIN_INFO{});
  const int32_t b = BasAppendLine(lines, {{0, 40}, {100, 50}}, LIN_INFO{});
  EXPECT_EQ(Run(33592), cmd::RunResult::kRan);  // no "高程" yet
  EXPECT_FALSE(tin::ViewTin(Key()));

  CFIELD_HEAD field;
  field.name = tin::kElevationField;
  field.type = kFieldDouble;
  field.length = 8;
  ASSERT_TRUE(EnsureField(lines, kLineEntity, field));
  for (const auto& [id, z] : {std::pair{a, 100.0}, {b, 120.0}}) {
    AttributeRecord record;
    BasReadAttribute(lines, kLineEntity, id, &record);
    BasSetFieldByName(record, tin::kElevationField, z);
    BasWriteAttribute(lines, kLineEntity, id, record);
  }
  EXPECT_EQ(Run(33592), cmd::RunResult::kRan);
  ASSERT_TRUE(tin::ViewTin(Key()));
  EXPECT_EQ(tin::ViewTin(Key())->zMax(), 120);
  EXPECT_EQ(script_->Messages(),
            (std::vector<QString>{"线高程值0个（0条线），跳过2条线（无高程值）\n不同的高程点少于3个，无法构成三角网",
                                  "线高程值5个（2条线）\n构成三角网：5个点，3个三角形"}));
}

TEST_F(TinCommands, OpenTinReadsTheFileAndTellsItsBadLines) {
  const std::string path = test::TempRoot() + "/points.tin";
  ASSERT_TRUE(fileio::WriteFileAtomically(path, "0 0 1\n10 0 2\nx\n0 10 3\n10 10 4\n1 1 inf\n"));
  script_->AnswerFiles({QString::fromStdString(path)});
  EXPECT_EQ(Run(33591), cmd::RunResult::kRan);
  ASSERT_EQ(script_->asked().size(), 2u);
  EXPECT_EQ(script_->asked()[0].files.title, "读取TIN数据");
  EXPECT_EQ(script_->asked()[0].files.filter, "TIN文件 (*.tin)|*.tin|");
  EXPECT_EQ(script_->asked()[1].text,
            "读取高程点4个，跳过格式错误的行2行（第3行起）\n构成三角网：4个点，2个三角形");
  ASSERT_TRUE(tin::ViewTin(Key()));
  // Cancelling the picker keeps the TIN.
  EXPECT_EQ(Run(33591), cmd::RunResult::kRan);
  EXPECT_TRUE(tin::ViewTin(Key()));
}

TEST_F(TinCommands, PlaneContoursFromTheAreasAreOneUndoStep) {
  TextPoints(-5, -5, 4, Plane);  // x from -5 to 25
  EXPECT_EQ(Run(33373), cmd::RunResult::kRan);  // cancelled: nothing drawn
  EXPECT_TRUE(LiveIds(view_.GetCurrentLinArea(), kLineEntity).empty());
  script_->AnswerDialog([](QDialog& d) {
    auto* interval = d.findChild<QLineEdit*>("interval");
    EXPECT_EQ(d.findChild<QLineEdit*>("lowest")->text(), "-5");
    EXPECT_EQ(interval->text(), "3");  // a tenth of the range
    interval->setText("0");
    d.accept();  // refused: stays open
    EXPECT_NE(d.result(), QDialog::Accepted);
    d.findChild<QLineEdit*>("lowest")->setText("0");
    interval->setText("10");
    d.accept();
    return -1;
  });
  EXPECT_EQ(Run(33373), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages(), (std::vector<QString>{"等值线间距必须大于0"}));
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const std::vector<int32_t> ids = LiveIds(lines, kLineEntity);
  ASSERT_EQ(ids.size(), 3u);
  for (size_t i = 0; i < ids.size(); ++i) {
    std::vector<D_DOT> v;
    BasReadLine(lines, ids[i], &v, nullptr);
    for (const D_DOT& p : v) EXPECT_NEAR(p.x, 10.0 * i, 1e-9);
    AttributeRecord record;
    double level = -1;
    BasReadAttribute(lines, kLineEntity, ids[i], &record);
    BasGetFieldDouble(record, tin::kElevationField, &level);
    EXPECT_EQ(level, 10.0 * i);
  }
  EXPECT_TRUE(tin::ViewTin(Key()));  // built from the areas and kept
  view_.Undo();
  EXPECT_TRUE(LiveIds(lines, kLineEntity).empty());
}

TEST_F(TinCommands, ObliqueViewsDrawRightOfTheData) {
  TextPoints(0, 0, 11, Cone);
  EXPECT_EQ(Run(33588), cmd::RunResult::kRan);
  EXPECT_EQ(Run(33375), cmd::RunResult::kRan);
  const std::vector<int32_t> lines = LiveIds(view_.GetCurrentLinArea(), kLineEntity);
  EXPECT_EQ(lines.size(), 100u);
  for (int32_t id : lines) {
    D_RECT rect;
    BasGetLineRect(view_.GetCurrentLinArea(), id, &rect);
    EXPECT_GT(rect.xmin, 100);
  }
  EXPECT_EQ(Run(33376), cmd::RunResult::kRan);
  const WorkAreaHandle regions = view_.GetCurrentRegArea();
  const std::vector<int32_t> cells = LiveIds(regions, kRegionEntity);
  EXPECT_EQ(cells.size(), 49u * 49u);
  std::set<int32_t> colours;
  for (int32_t id : cells) {
    REG_INFO info;
    BasReadRegionParam(regions, id, &info);
    colours.insert(info.fillColour());
  }
  EXPECT_GE(colours.size(), 8u);
  view_.Undo();
  EXPECT_TRUE(LiveIds(regions, kRegionEntity).empty());
  EXPECT_EQ(LiveIds(view_.GetCurrentLinArea(), kLineEntity).size(), 100u);
}

void AnswerSavePath(prompt::ScriptedPrompts& script, const std::string& folder, const char* name) {
  script.AnswerDialog([folder, name](QDialog& d) {
    d.findChild<QLineEdit*>("control1117")->setText(QString::fromStdString(folder));
    d.findChild<QLineEdit*>("control1200")->setText(QString::fromUtf8(name));
    d.accept();
    return -1;
  });
}

TEST_F(TinCommands, BandedProjectIsWrittenWholeAndReloads) {
  TextPoints(0, 0, 11, Cone);
  const std::string folder = test::TempRoot() + "/bands";
  fs::create_directories(folder);
  AnswerSavePath(*script_, folder, "等值");
  EXPECT_EQ(Run(33590), cmd::RunResult::kRan);
  EXPECT_TRUE(script_->Messages().empty());

  MapProject* project = PrjOpen(folder + "/等值.mpj");
  ASSERT_NE(project, nullptr);
  ASSERT_EQ(PrjGetItemCount(project), 3);
  WorkAreaHandle bands = 0, contours = 0;
  for (int i = 0; i < 3; ++i) {
    const WorkAreaHandle area = PrjGetItemArea(project, i);
    if (BasGetWorkAreaType(area) == kRegionArea) bands = area;
    if (BasGetWorkAreaType(area) == kLineArea) contours = area;
  }
  // Levels every 7.07 from the lowest value: seven closed circles around
  // the centre, then two levels cut into four arcs by the square's corners.
  EXPECT_EQ(LiveIds(contours, kLineEntity).size(), 15u);
  const std::vector<int32_t> regions = LiveIds(bands, kRegionEntity);
  EXPECT_GE(regions.size(), 8u);
  int withHole = 0;
  for (int32_t id : regions) withHole += BasCountRegionRings(bands, id) == 2;
  EXPECT_GE(withHole, 4);
  PrjClose(project);

  // A file that cannot be written is named, no project lists the rest, and
  // no temporary file stays.
  const std::string blocked = test::TempRoot() + "/blocked";
  fs::create_directories(blocked + "/等值.wl");
  AnswerSavePath(*script_, blocked, "等值");
  EXPECT_EQ(Run(33590), cmd::RunResult::kRan);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_TRUE(script_->Messages()[0].startsWith("保存失败："));
  EXPECT_TRUE(script_->Messages()[0].contains(QString::fromStdString(blocked + "/等值.wl")));
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(blocked)) left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"等值.wl", "等值.wp", "等值.wt"}));
}

TEST_F(TinCommands, GridValuesWriteAGridAndLeaveTheViewsTinAlone) {
  const std::string in = test::TempRoot() + "/plane.xyz";
  ASSERT_TRUE(fileio::WriteFileAtomically(in, "0 0 0\n100 0 100\n0 100 0\n100 100 100\n"));
  const std::string out = test::TempRoot() + "/plane.grd";
  script_->AnswerFiles({QString::fromStdString(in)});
  script_->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.findChild<QLineEdit*>("step")->text(), "1");
    d.findChild<QLineEdit*>("step")->setText("25");
    d.accept();
    return -1;
  });
  script_->AnswerFiles({QString::fromStdString(out)});
  EXPECT_EQ(Run(33374), cmd::RunResult::kRan);
  EXPECT_FALSE(tin::ViewTin(Key()));
  std::string text;
  ASSERT_TRUE(fileio::ReadWholeFile(out, text));
  EXPECT_EQ(text.substr(0, 54), "DSAA\n5 5\n0 100\n0 100\n0 100\n0 25 50 75 100\n\n0 25 50 75 ");
}

// The sample contour map: its contours' elevations make the TIN, and the
// banded project written from it opens with bands over the map.
TEST_F(TinCommands, SampleContoursGiveABandedProject) {
  ASSERT_EQ(BasLoadFileIntoWorkArea(view_.GetCurrentLinArea(), test::DataPath("../../data/samples/CONTOUR.WL")), 1);
  EXPECT_EQ(Run(33592), cmd::RunResult::kRan);
  ASSERT_TRUE(tin::ViewTin(Key()));
  const std::string folder = test::TempRoot() + "/hills";
  fs::create_directories(folder);
  AnswerSavePath(*script_, folder, "bands");
  EXPECT_EQ(Run(33590), cmd::RunResult::kRan);
  EXPECT_EQ(script_->Messages().size(), 1u);  // the build's report only
  MapProject* project = PrjOpen(folder + "/bands.mpj");
  ASSERT_NE(project, nullptr);
  int regions = 0;
  for (int i = 0; i < PrjGetItemCount(project); ++i)
    if (BasGetWorkAreaType(PrjGetItemArea(project, i)) == kRegionArea)
      regions = static_cast<int>(LiveIds(PrjGetItemArea(project, i), kRegionEntity).size());
  EXPECT_GT(regions, 10);
  PrjClose(project);
}

TEST_F(TinCommands, TheSectionMenuListsEveryCommand) {
  const auto rows = cmd::Menus().RowsOf(cmd::kMenuSection);
  for (int id : {33374, 33373, 33375, 33376, 33588, 33592, 33591, 33590})
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [id](const cmd::MenuRow& r) { return r.id == id; })) << id;
}

}  // namespace
}  // namespace zv::tintools

#include "views/project_output/project_output_commands.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_settings.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/display/system_library.h"
#include "platform/raster/nv1_file.h"
#include "platform/raster/raster_device.h"
#include "platform/view/prj_edit_view.h"
#include "tests/platform/raster/image_readers.h"
#include "tests/support/test_env.h"
#include "views/project_output/project_images.h"
#include "views/project_output/raster_device_dlg.h"
#include "views/sec_prj_edit_view.h"
#include "views/view_commands.h"

namespace zv::output {
namespace {

namespace fs = std::filesystem;
using prompt::ScopedScriptedPrompts;
using raster::ImageFormat;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Pages of a PDF the printer wrote.
int PdfPages(const fs::path& pdf) {
  const std::string text = Bytes(pdf);
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).count(page));
}

void CopySample(const fs::path& folder, const char* projectName = "HILLS.MPJ") {
  fs::create_directories(folder);
  for (const char* name : {"AREAS.WP", "CONTOUR.WL", "POINTS.WT"})
    fs::copy_file(test::DataPath(std::string("../../data/samples/") + name), folder / name);
  fs::copy_file(test::DataPath("../../data/samples/HILLS.MPJ"), folder / projectName);
}

// Answers the resolution dialog with a typed text.
void AnswerResolution(prompt::ScriptedPrompts& script, const QString& text) {
  script.AnswerDialog([text](QDialog& dialog) {
    dialog.findChild<QComboBox*>(QStringLiteral("control200"))->setEditText(text);
    dialog.accept();
    return -1;
  });
}

// Answers a print dialog by printing to a PDF on A4 without margins.
void AnswerPrintToPdf(prompt::ScriptedPrompts& script, const fs::path& pdf) {
  script.AnswerDialog([pdf](QDialog& dialog) {
    QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf.string()));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer->setResolution(72);
    return QDialog::Accepted;
  });
}

// The colour number that draws pure red.
long RedColour() {
  const display::ColourTable& table = display::CurrentLibrary().Colours();
  return table.Nearest({255, 0, 0});
}

class ProjectOutputCommands : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(test::TempRoot()) / testing::UnitTest::GetInstance()->current_test_info()->name();
    CopySample(folder_);
    project_ = PrjOpen((folder_ / "HILLS.MPJ").string());
    ASSERT_NE(project_, nullptr);
    range_ = ProjectRange(*project_);
    ASSERT_LT(range_.xmin, range_.xmax);
  }
  void TearDown() override { PrjClose(project_); }

  // A red square over the middle fifth of the map, drawn last.
  D_DOT AddRedSquare() {
    const int item = PrjAddItem(project_, (folder_ / "RED.WP").string());
    const WorkAreaHandle area = PrjGetItemArea(project_, item);
    const double w = (range_.xmax - range_.xmin) / 5, h = (range_.ymax - range_.ymin) / 5;
    const double x = range_.xmin + 2 * w, y = range_.ymin + 2 * h;
    LIN_INFO line;
    line.setColour(static_cast<int32_t>(RedColour()));
    const int32_t arc = BasAppendLine(area, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}}, line);
    REG_INFO fill;
    fill.setFillColour(static_cast<int32_t>(RedColour()));
    BasAppendRegion(area, std::vector<int32_t>{0, arc}, fill);
    return {x + w / 2, y + h / 2};
  }

  OutputSubject Subject() const { return {project_, range_}; }

  fs::path folder_;
  MapProject* project_ = nullptr;
  D_RECT range_{};
};

TEST_F(ProjectOutputCommands, ImagesBesideTheProjectHaveTheAskedSizeResolutionAndColours) {
  const D_DOT red = AddRedSquare();
  const ImageGeometry g = ViewImageGeometry(range_, 100);
  struct Case {
    ImageFormat format;
    int answer;  // RGB or CMYK question; 0: not asked
    const char* file;
    int channels;
    double dpi;
  };
  const Case cases[] = {
      {ImageFormat::kGif, 0, "HILLS.gif", 3, 0},
      {ImageFormat::kJpeg, prompt::kAnswerYes, "HILLS.jpg", 3, 100},
      {ImageFormat::kTiff, prompt::kAnswerNo, "HILLS.tif", 4, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ScopedScriptedPrompts script;
    AnswerResolution(*script, QStringLiteral("100"));
    if (c.answer) script->AnswerMessage(c.answer);
    MakeProjectImage(Subject(), c.format);
    EXPECT_EQ(script->PendingAnswers(), 0);
    if (c.answer) {
      ASSERT_EQ(script->Messages().size(), 1u);
      EXPECT_EQ(script->Messages()[0], QStringLiteral("选择yes为RGB格式，选择no为CMYK格式！"));
      EXPECT_EQ(script->asked().back().style & prompt::kDefaultButton2, prompt::kDefaultButton2);
    } else {
      EXPECT_TRUE(script->Messages().empty());
    }
    const std::string path = (folder_ / c.file).string();
    const test::ReadImage image = c.format == ImageFormat::kGif    ? test::ReadGif(path)
                                  : c.format == ImageFormat::kJpeg ? test::ReadJpeg(path)
                                                                   : test::ReadTiff(path);
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(image.width, g.width);
    EXPECT_EQ(image.height, g.height);
    EXPECT_EQ(image.channels, c.channels);
    EXPECT_DOUBLE_EQ(image.dpi, c.dpi);
    const int px = static_cast<int>((red.x - g.originX) * g.factor);
    const int py = static_cast<int>(g.height - (red.y - g.originY) * g.factor);
    const uint8_t* at = image.At(px, py);
    if (c.channels == 4) {
      EXPECT_EQ(std::vector<int>(at, at + 4), (std::vector<int>{0, 255, 255, 0}));  // the CMYK of red
    } else {
      EXPECT_NEAR(at[0], 255, 4);
      EXPECT_NEAR(at[1], 0, 4);
      EXPECT_NEAR(at[2], 0, 4);
    }
  }
}

TEST_F(ProjectOutputCommands, CancelsRefusalsAndMissingProjectsWriteNothing) {
  const fs::path gif = folder_ / "HILLS.gif";
  ASSERT_TRUE(fileio::WriteFileAtomically(gif.string(), std::string_view("old gif")));
  MapProject* unsaved = PrjCreate();
  struct Case {
    const char* name;
    OutputSubject subject;
    QString resolution;  // empty: the dialog is cancelled, or not shown
    const char* says;    // nullptr: nothing said
  };
  const Case cases[] = {
      {"resolution cancelled", Subject(), QString(), nullptr},
      {"resolution not a number", Subject(), QStringLiteral("三百"), "1到2400"},
      {"resolution 0", Subject(), QStringLiteral("0"), "1到2400"},
      {"resolution above 2400", Subject(), QStringLiteral("2401"), "1到2400"},
      {"too large for GIF", {project_, {0, 0, 20000, 100}}, QStringLiteral("100"), "65535"},
      {"empty map range", {project_, {0, 0, 0, 0}}, QStringLiteral("100"), "范围为空"},
      {"no project", {nullptr, range_}, QString(), "没有打开的工程"},
      {"never saved", {unsaved, range_}, QString(), "还没有保存"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedScriptedPrompts script;
    if (!c.resolution.isEmpty()) AnswerResolution(*script, c.resolution);
    MakeProjectImage(c.subject, ImageFormat::kGif);
    EXPECT_EQ(script->PendingAnswers(), 0);
    if (c.says) {
      ASSERT_FALSE(script->Messages().empty());
      EXPECT_TRUE(script->Messages().back().contains(QString::fromUtf8(c.says))) << script->Messages().back().toStdString();
    }
    EXPECT_TRUE(Bytes(gif) == "old gif");
  }
  PrjClose(unsaved);
  // Only the old GIF beside the project's own files: no temporary left.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 5);
}

TEST(ProjectOutputBatch, JpegsOfEveryProjectInATreeLeaveTheDocumentAlone) {
  const fs::path root = fs::path(test::TempRoot()) / "batch";
  CopySample(root / "one");
  CopySample(root / "two" / "deeper", "OTHER.MPJ");
  std::ofstream(root / "two" / "BROKEN.MPJ") << "no project";
  MapProject* nothingDrawn = PrjCreate(0);
  PrjSetPath(nothingDrawn, (root / "two" / "BLANK.MPJ").string());
  ASSERT_EQ(PrjSave(nothingDrawn), 1);
  PrjClose(nothingDrawn);
  fs::create_directory_symlink(root, root / "one" / "loop");
  // The document's project, with a change not yet saved.
  const fs::path docFolder = fs::path(test::TempRoot()) / "doc";
  CopySample(docFolder);
  MapProject* document = PrjOpen((docFolder / "HILLS.MPJ").string());
  ASSERT_NE(document, nullptr);
  const WorkAreaHandle docArea = PrjGetItemArea(document, 0);
  LIN_INFO line;
  BasAppendLine(docArea, {{0, 0}, {1, 1}}, line);
  PrjSetChanged(document, true);
  int32_t before = 0, bound = 0;
  BasGetLineCount(docArea, &before, &bound);

  ScopedScriptedPrompts script;
  script->AnswerDialog([&](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("control1117"))->setText(QString::fromStdString(root.string()));
    dialog.accept();
    return -1;
  });
  AnswerResolution(*script, QStringLiteral("50"));
  MakeFolderJpegs();

  for (const fs::path& jpg : {root / "one" / "HILLS.jpg", root / "two" / "deeper" / "OTHER.jpg"}) {
    SCOPED_TRACE(jpg.string());
    const test::ReadImage image = test::ReadJpeg(jpg.string());
    ASSERT_TRUE(image.ok);
    MapProject* p = PrjOpen(ImageName(jpg.string(), "MPJ"));
    const ImageGeometry g = TrueSizeGeometry(ProjectRange(*p), 50, 5);
    PrjClose(p);
    EXPECT_EQ(image.width, g.width);
    EXPECT_EQ(image.height, g.height);
    EXPECT_EQ(image.dpi, 50);
    // The map is drawn, wherever it lies.
    int dark = 0;
    for (const uint8_t sample : image.samples) dark += sample < 128;
    EXPECT_GT(dark, 100);
  }
  ASSERT_EQ(script->Messages().size(), 1u);
  const QString told = script->Messages()[0];
  EXPECT_EQ(told.count(QStringLiteral("BROKEN.MPJ")), 1);
  EXPECT_TRUE(told.contains(QStringLiteral("BLANK.MPJ: 图形范围为空，没有生成图像。"))) << told.toStdString();
  EXPECT_FALSE(fs::exists(root / "two" / "BLANK.jpg"));
  // The document's project is the same, its change unsaved and kept.
  int32_t after = 0;
  BasGetLineCount(docArea, &after, &bound);
  EXPECT_EQ(after, before);
  EXPECT_TRUE(PrjIsChanged(document));
  EXPECT_EQ(PrjGetFileName(document), (docFolder / "HILLS.MPJ").string());
  PrjClose(document);

  // A tree without projects: nothing written, nothing said.
  const fs::path empty = fs::path(test::TempRoot()) / "empty";
  fs::create_directories(empty / "sub");
  ScopedScriptedPrompts quiet;
  quiet->AnswerDialog([&](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("control1117"))->setText(QString::fromStdString(empty.string()));
    dialog.accept();
    return -1;
  });
  AnswerResolution(*quiet, QStringLiteral("50"));
  MakeFolderJpegs();
  EXPECT_TRUE(quiet->Messages().empty());
  EXPECT_TRUE(fs::is_empty(empty / "sub"));
}

TEST_F(ProjectOutputCommands, RasterFilesAreMadeAtTheDeviceSettingsAndPrintedAtTrueSize) {
  // The device dialog refuses a bad resolution and stays open.
  {
    ScopedScriptedPrompts script;
    script->AnswerDialog([](QDialog& dialog) {
      auto* dpi = dialog.findChild<QLineEdit*>(QStringLiteral("dpi"));
      dpi->setText(QStringLiteral("abc"));
      dialog.accept();
      EXPECT_NE(dialog.result(), QDialog::Accepted);
      dpi->setText(QStringLiteral("40"));
      dialog.findChild<QComboBox*>(QStringLiteral("colour"))->setCurrentIndex(1);
      dialog.accept();
      return -1;
    });
    EditRastDevice();
    EXPECT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(ProgramRasterDevice().dpi, 40);
    EXPECT_EQ(ProgramRasterDevice().colour, raster::ColourMode::kCmyk);
    // The next start makes raster files with the same settings.
    const raster::RasterDevice kept = LoadRasterDevice(SettingsFile());
    EXPECT_EQ(kept.dpi, 40);
    EXPECT_EQ(kept.colour, raster::ColourMode::kCmyk);
  }
  const fs::path nv1 = folder_ / "HILLS.NV1";
  {
    ScopedScriptedPrompts script;
    script->AnswerFiles({QString::fromStdString(nv1.string())});
    Rasterize(Subject());
    EXPECT_TRUE(script->Messages().empty());
    ASSERT_EQ(script->asked().size(), 1u);
    EXPECT_EQ(script->asked()[0].files.title, QStringLiteral("保存NV1文件"));
    EXPECT_EQ(script->asked()[0].files.filter, QStringLiteral("NV1 Files(*.NV1)|*.NV1||"));
    EXPECT_TRUE(script->asked()[0].files.overwritePrompt);
  }
  raster::Nv1Reader reader;
  std::string message;
  ASSERT_TRUE(reader.Open(nv1.string(), &message)) << message;
  const ImageGeometry g = TrueSizeGeometry(range_, 40, 0);
  EXPECT_EQ(reader.header().width, g.width);
  EXPECT_EQ(reader.header().height, g.height);
  EXPECT_EQ(reader.header().channels, 4);

  const fs::path pdf = folder_ / "raster.pdf";
  ScopedScriptedPrompts script;
  script->AnswerFiles({QString::fromStdString(nv1.string())});
  AnswerPrintToPdf(*script, pdf);
  PrintRasterFileCommand();
  EXPECT_TRUE(script->Messages().empty());
  const double mmPerPixel = 25.4 / 40;
  EXPECT_EQ(PdfPages(pdf), PageCount({0, 0, g.width * mmPerPixel, g.height * mmPerPixel}, 210, 297));
}

TEST_F(ProjectOutputCommands, PrintingIsAtTrueSizeOverAsManyPagesAsNeeded) {
  const fs::path pdf = folder_ / "map.pdf";
  ScopedScriptedPrompts script;
  AnswerPrintToPdf(*script, pdf);
  PrintMap(Subject());
  EXPECT_TRUE(script->Messages().empty());
  const int64_t pages = PageCount(range_, 210, 297);
  EXPECT_EQ(PdfPages(pdf), pages);

  // 部分输出: a rectangle dragged on the view, 200 × 400 mm: two pages.
  CPrjEditView view;
  view.resize(400, 300);
  view.show();
  view.SetProject(project_);
  WIN_ORG org = view._GetWinDispParam();
  org.x = range_.xmin;
  org.y = range_.ymin;
  org.scale = 0.5;  // 2 mm a pixel
  ASSERT_TRUE(view._SetWinDispParam(org));
  StartRectPrint(view);
  const fs::path part = folder_ / "part.pdf";
  AnswerPrintToPdf(*script, part);
  const CPoint from = view._LpToWp({range_.xmin + 10, range_.ymin + 10});
  const CPoint to = view._LpToWp({range_.xmin + 210, range_.ymin + 410});
  view.LButtonDown(MK_LBUTTON, from);
  view.MouseMove(MK_LBUTTON, to);
  view.LButtonUp(0, to);
  EXPECT_EQ(PdfPages(part), 2);
  view.SetProject(nullptr);
}

TEST_F(ProjectOutputCommands, ThePlanViewRunsThemFromItsTableAndMenu) {
  RegisterEditViews();
  RegisterProjectOutputCommands();
  std::vector<std::string> items;
  for (const cmd::MenuRow& row : cmd::Menus().RowsOf(cmd::kMenuPlan))
    if (std::string(row.path).rfind("&P出图/", 0) == 0 && row.id != 0) items.push_back(std::to_string(row.id));
  EXPECT_EQ(items, (std::vector<std::string>{"33194", "33195", "33196", "57609", "33197", "33198", "33199", "33599", "33200",
                                             "33201", "33202"}));

  CSecPrjEditView view;
  view.resize(400, 300);
  view.show();
  view.SetProject(project_);
  view.OnRestoreWindow();
  ScopedScriptedPrompts script;
  AnswerResolution(*script, QStringLiteral("60"));
  script->AnswerMessage(prompt::kAnswerYes);
  EXPECT_EQ(cmd::Execute({&view}, 33198), cmd::RunResult::kRan);
  const test::ReadImage image = test::ReadJpeg((folder_ / "HILLS.jpg").string());
  ASSERT_TRUE(image.ok);
  EXPECT_EQ(image.width, ViewImageGeometry(view._GetWinMapRange(), 60).width);
  // 部分输出 installs its drag mode on the view.
  EXPECT_EQ(cmd::Execute({&view}, 33196), cmd::RunResult::kRan);
  EXPECT_EQ(view.GetOperationName(1), QStringLiteral("当前状态: 部分输出"));
  view.SetProject(nullptr);
}

}  // namespace
}  // namespace zv::output

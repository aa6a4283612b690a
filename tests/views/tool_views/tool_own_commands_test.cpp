// The tool views' commands that work directly, run by id through the
// prompts seam: numbering, the defaults reset, inverting the selection, the
// statistics window, the structure copy's dialogs, the borehole log, the
// map picture on the clipboard and the measurement read-out.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "framework/paths/app_folder.h"
#include "framework/shell/shell_open.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/statistics/statistics_window.h"
#include "tests/views/tool_views/tool_view_fixture.h"
#include "views/tool_commands/tool_commands.h"
#include "views/tool_view_draw.h"

namespace zv {
namespace {

using test::Live;
using test::Vertices;

template <class View>
class OwnCommandsTest : public test::ToolViewTest<View> {
 protected:
  void SetUp() override {
    test::ToolViewTest<View>::SetUp();
    toolcmd::RegisterToolCommands();
    InvertSelection() = 0;
  }
  cmd::RunResult Run(int id) { return cmd::Execute({&this->view_}, id); }
};
using SectionOwnTest = OwnCommandsTest<CSecToolView>;
using PlanOwnTest = OwnCommandsTest<CSecPrjToolView>;

TEST_F(SectionOwnTest, NumberingTellsSuccessAlsoOverEmptyAreas) {
  ASSERT_EQ(Run(33173), cmd::RunResult::kRan);
  const WorkAreaHandle points = view_.GetCurrentPntArea();
  BasAppendPoint(points, {1, 1}, "", PNT_INFO{});
  BasAppendPoint(points, {2, 2}, "", PNT_INFO{});
  ASSERT_EQ(Run(33173), cmd::RunResult::kRan);
  EXPECT_EQ(prompts_->Messages(), (std::vector<QString>(2, QStringLiteral("实体号赋给ID号成功！"))));
  AttributeRecord record;
  double id = 0;
  BasReadAttribute(points, kPointEntity, 2, &record);
  BasGetFieldDoubleByIndex(record, 0, &id);
  EXPECT_EQ(id, 2);

  view_.Undo();  // one step takes the numbering back
  id = -1;
  BasReadAttribute(points, kPointEntity, 2, &record);
  BasGetFieldDoubleByIndex(record, 0, &id);
  EXPECT_EQ(id, 0);
  EXPECT_EQ(BasIsEntityLive(points, kPointEntity, 1), 1) << "the points themselves stay";
}

TEST_F(SectionOwnTest, BothResetsPutTheDefaultsBack) {
  for (const int id : {32776, 33427}) {
    SCOPED_TRACE(id);
    BasGetDefaultLineParam()->setWidth(9.0f);
    ASSERT_EQ(Run(id), cmd::RunResult::kRan);
    EXPECT_EQ(BasGetDefaultLineParam()->width(), 0.1f);
  }
}

TEST_F(SectionOwnTest, InversionFlipsTheSwitchFirstThenTakesTheOtherEntities) {
  ASSERT_EQ(Run(33531), cmd::RunResult::kRan);
  EXPECT_EQ(InvertSelection(), 1) << "also with an empty pool";
  EXPECT_TRUE(cmd::UpdateOf(cmd::Resolve({&view_}, 33531)).checked);
  const WorkAreaHandle points = view_.GetCurrentPntArea();
  for (int i = 0; i < 3; ++i) BasAppendPoint(points, {double(i), 0}, "", PNT_INFO{});
  const ENTITY_MSG first{points, kPointEntity, 1};
  view_.AddToPool(&first, 1);
  Run(33531);
  EXPECT_EQ(InvertSelection(), 0);
  ASSERT_EQ(view_.PoolCount(), 2);
  EXPECT_EQ(view_.Pool()[0].id, 2);
  EXPECT_EQ(view_.Pool()[1].id, 3);
}

TEST_F(SectionOwnTest, StatisticsWindowShowsTheFiguresOfTheKind) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  BasAppendLine(lines, {{0, 0}, {3, 4}}, LIN_INFO{});
  BasAppendLine(lines, {{0, 0}, {0, 1}}, LIN_INFO{});
  ASSERT_EQ(Run(33561), cmd::RunResult::kRan);
  QWidget* window = view_.findChild<QWidget*>(stats::kStatisticsWindowName);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("线属性统计"));
  const QTreeWidget* tree = window->findChild<QTreeWidget*>(QStringLiteral("figures"));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->topLevelItem(0)->text(1), QStringLiteral("2"));
  const auto length = tree->findItems(QStringLiteral("长度"), Qt::MatchExactly);
  ASSERT_EQ(length.size(), 1);
  EXPECT_EQ(length[0]->text(2), QStringLiteral("6")) << "sum";
  EXPECT_EQ(length[0]->text(5), QStringLiteral("3")) << "mean";
  window->close();
}

TEST_F(SectionOwnTest, StructureCopyAsksSourceThenTargetsAndNamesAFailedTarget) {
  Run(33594);  // cancelled
  ASSERT_EQ(prompts_->asked().size(), 1u);
  EXPECT_EQ(prompts_->asked()[0].text, QStringLiteral("选择源文件"));
  EXPECT_EQ(prompts_->asked()[0].files.filter, QStringLiteral("All MapGis Files (*.w*)|*.wt;*.wl;*.wp|"));

  QTemporaryDir dir;
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle area = BasCreatePointWorkArea(set);
  BasSaveWorkArea(area, dir.filePath("s.wt").toStdString(), kSavePathComplete);
  BasFreeWorkAreaSet(set);
  prompts_->AnswerFiles({dir.filePath("s.wt")});
  prompts_->AnswerMessage(prompt::kAnswerOk);
  prompts_->AnswerFiles({dir.filePath("missing.wl")});
  Run(33594);
  const std::vector<QString> messages = prompts_->Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], QStringLiteral("拷贝属性结构成功，请选择粘贴属性结构的文件。"));
  EXPECT_TRUE(messages[1].contains(QStringLiteral("missing.wl")));
  EXPECT_EQ(prompts_->asked()[3].text, QStringLiteral("选择目的文件"));
  EXPECT_TRUE(prompts_->asked()[3].files.multiple);
}

TEST_F(SectionOwnTest, BoreholeLogOpensTheWorkbookOrSaysItIsMissing) {
  shell::ScopedRecordingOpener opener;
  Run(33601);
  EXPECT_EQ(prompts_->Messages(), std::vector<QString>{QStringLiteral("找不到ZKInfoEdit.xls表格")});
  const QString path = QString::fromStdString(paths::GetDataFolder()) + QStringLiteral("zkinfoedit.XLS");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  Run(33601);
  EXPECT_EQ(opener.opened(), QStringList{path}) << "found without regard to case";
  QFile::remove(path);
}

TEST_F(SectionOwnTest, ReadoutFollowsThePoolAndTheScale) {
  chrome_.denominator = 2000;
  EXPECT_TRUE(MeasureReadout(view_).empty());
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const ENTITY_MSG line{lines, kLineEntity, BasAppendLine(lines, {{0, 0}, {3, 4}}, LIN_INFO{})};
  view_.AddToPool(&line, 1);
  const std::vector<toolview::ReadoutLine> readout = MeasureReadout(view_);
  ASSERT_EQ(readout.size(), 4u);
  EXPECT_EQ(readout[0].text, "比例分母数：2000");
  EXPECT_EQ(readout[3].text, "线实际长度：10.000000");
  view_.ClearPool();
  EXPECT_TRUE(MeasureReadout(view_).empty()) << "taken again once the pool changed";
}

// Types a value into the small value dialog and presses OK.
prompt::ScriptedPrompts::DialogScript Typed(const QString& value) {
  return [value](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("control202"))->setText(value);
    dialog.accept();
    return -1;
  };
}

TEST_F(SectionOwnTest, SheetFrameCommandsDrawTheTypedSheetOrRefuseAnotherScale) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  prompts_->AnswerDialog(Typed(QStringLiteral("J50G015010")));
  ASSERT_EQ(Run(33229), cmd::RunResult::kRan);
  EXPECT_EQ(Live(lines, kLineEntity), 0) << "a 1:10 000 number is refused by the 1:5000 command";
  EXPECT_EQ(prompts_->Messages().size(), 1u);
  prompts_->AnswerDialog(Typed(QStringLiteral("J50G015010")));
  Run(33230);
  EXPECT_GT(Live(lines, kLineEntity), 3);
  EXPECT_GT(Live(view_.GetCurrentPntArea(), kPointEntity), 0);
  const int32_t drawn = Live(lines, kLineEntity);
  prompts_->AnswerDialog(Typed(QStringLiteral("J50G015010")));
  Run(33532);
  EXPECT_EQ(Live(lines, kLineEntity), 2 * drawn) << "the number command takes the number's own scale";
}

TEST_F(SectionOwnTest, PlainTextAndDxfFilesGoOutAndComeBackIntoTheCurrentAreas) {
  QTemporaryDir dir;
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  LIN_INFO solid;
  solid.setStyle(1);
  BasAppendLine(lines, {{0, 0}, {100, 50}}, solid);
  BasAppendLine(lines, {{0, 10}, {100, 60}}, solid);
  prompts_->AnswerFiles({});  // points: cancelled
  prompts_->AnswerFiles({dir.filePath("c.wal")});
  prompts_->AnswerFiles({});  // regions: cancelled
  ASSERT_EQ(Run(33183), cmd::RunResult::kRan);
  EXPECT_EQ(prompts_->asked()[1].files.defaultExtension, QStringLiteral("*.wal"));
  ASSERT_TRUE(QFile::exists(dir.filePath("c.wal")));
  EXPECT_FALSE(QFile::exists(dir.filePath("c.wat")));

  QFile bad(dir.filePath("bad.wat"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("WMAP9022\n5\n");
  bad.close();
  prompts_->AnswerFiles({dir.filePath("c.wal"), dir.filePath("bad.wat"), dir.filePath("notes.txx")});
  Run(33182);
  EXPECT_EQ(prompts_->asked()[3].text, QStringLiteral("打开MapGis明码文件"));
  EXPECT_TRUE(prompts_->asked()[3].files.multiple);
  EXPECT_EQ(Live(lines, kLineEntity), 4) << "the line file appended";
  EXPECT_EQ(Live(view_.GetCurrentPntArea(), kPointEntity), 0) << "the bad file appends nothing";
  ASSERT_EQ(prompts_->Messages().size(), 1u);
  EXPECT_TRUE(prompts_->Messages()[0].contains(QStringLiteral("bad.wat")));

  prompts_->AnswerFiles({dir.filePath("c.dxf")});
  Run(33184);
  ASSERT_TRUE(QFile::exists(dir.filePath("c.dxf")));
  prompts_->AnswerFiles({dir.filePath("c.dxf")});
  const std::size_t asked = prompts_->asked().size();
  Run(33181);
  EXPECT_EQ(prompts_->asked()[asked].text, QStringLiteral("导入DXF文件"));
  EXPECT_EQ(Live(lines, kLineEntity), 8) << "the drawing's lines appended";
}

TEST_F(PlanOwnTest, MapPictureGoesOnTheClipboardWithTheProjectsFiles) {
  QTemporaryDir dir;
  MapProject* project = PrjCreate(0);
  const std::string wl = dir.filePath("c.wl").toStdString();
  BasAppendLine(PrjGetItemArea(project, PrjAddItem(project, wl)), {{0, 0}, {100, 50}}, LIN_INFO{});
  view_.SetProject(project);
  ASSERT_EQ(Run(33558), cmd::RunResult::kRan);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), view_.size());
  ASSERT_EQ(data->urls().size(), 1);
  EXPECT_EQ(data->urls()[0].toLocalFile().toStdString(), wl);
  view_.SetProject(nullptr);
  PrjClose(project);
}

TEST_F(PlanOwnTest, PlanViewHasOnlyItsShareOfTheCommands) {
  for (const int id : {33560, 32776, 33531, 33594, 33558, 33427}) EXPECT_NE(cmd::Resolve({&view_}, id).row, nullptr) << id;
  for (const int id : {33561, 33562, 33173, 33601}) EXPECT_EQ(cmd::Resolve({&view_}, id).row, nullptr) << id;
}

}  // namespace
}  // namespace zv

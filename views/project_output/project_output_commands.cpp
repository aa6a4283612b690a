#include "views/project_output/project_output_commands.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "common/dialogs/save_path_dlg.h"
#include "common/dialogs/scale_dlg.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/prompts/prompts.h"
#include "platform/raster/raster_device.h"
#include "platform/view/prj_edit_view.h"
#include "views/project_output/print_rect_tool.h"
#include "views/project_output/project_images.h"
#include "views/project_output/raster_device_dlg.h"

namespace zv::output {

namespace {

constexpr int kResolutionMode = 2;
const char* const kNv1Filter = "NV1 Files(*.NV1)|*.NV1||";

void Tell(const std::string& text) { prompt::Message(QString::fromStdString(text), prompt::kIconWarning); }

bool HasProject(const OutputSubject& subject) {
  if (subject.project) return true;
  Tell("没有打开的工程，没有输出。");
  return false;
}

// The resolution chosen or typed in the resolution dialog; 0 when cancelled
// or refused (the refusal told).
double AskResolution() {
  CScaleDlg dialog(kResolutionMode, prompt::GetMainWnd());
  if (dialog.DoModal() != QDialog::Accepted) return 0;
  const Resolution resolution = ParseResolution(dialog.Value().toStdString());
  if (!resolution.refusal.empty()) Tell(resolution.refusal);
  return resolution.dpi;
}

const char* ExtensionOf(raster::ImageFormat format) {
  switch (format) {
    case raster::ImageFormat::kGif: return "gif";
    case raster::ImageFormat::kJpeg: return "jpg";
    case raster::ImageFormat::kTiff: return "tif";
    case raster::ImageFormat::kNv1: return "NV1";
  }
  return "";
}

void TellUnlessWritten(raster::WriteResult result, const std::string& message) {
  if (result != raster::WriteResult::kWritten && result != raster::WriteResult::kCancelled) Tell(message);
}

void PrintExtent(const OutputSubject& subject, const D_RECT& extent) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  std::string message;
  if (!PrintTrueSize(*subject.project, extent, printer, &message)) Tell(message);
}

// ---- Command rows: the plan view the command runs in.

CPrjEditView* PlanViewOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  return view ? dynamic_cast<CPrjEditView*>(view->Widget()) : nullptr;
}

template <void (*Fn)(const OutputSubject&)>
void OnSubject(cmd::CommandTarget& target) {
  if (CPrjEditView* view = PlanViewOf(target)) Fn(SubjectOf(*view));
}

template <raster::ImageFormat format>
void OnImage(cmd::CommandTarget& target) {
  if (CPrjEditView* view = PlanViewOf(target)) MakeProjectImage(SubjectOf(*view), format);
}

void OnFolderJpegs(cmd::CommandTarget&) { MakeFolderJpegs(); }
void OnPrintRasterFile(cmd::CommandTarget&) { PrintRasterFileCommand(); }
void OnEditRastDevice(cmd::CommandTarget&) { EditRastDevice(); }
void OnRectPrint(cmd::CommandTarget& target) {
  if (CPrjEditView* view = PlanViewOf(target)) StartRectPrint(*view);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(33195, OnSubject<PrintMap>, "PrintMap"),
    cmd::Handler(33196, OnRectPrint, "PrintRectPartMap"),
    cmd::Handler(33197, OnImage<raster::ImageFormat::kGif>, "OnMakeGif"),
    cmd::Handler(33198, OnImage<raster::ImageFormat::kJpeg>, "OnMakeJpeg"),
    cmd::Handler(33199, OnImage<raster::ImageFormat::kTiff>, "OnMakeTiff"),
    cmd::Handler(33200, OnEditRastDevice, "EditRastDevice"),
    cmd::Handler(33201, OnSubject<Rasterize>, "OnRasterize"),
    cmd::Handler(33202, OnPrintRasterFile, "OnPrintRasterFile"),
    cmd::Handler(33599, OnFolderJpegs, "OnBatchJpeg"),
    cmd::Handler(57607, OnSubject<PrintMap>, "OnFilePrint"),
    cmd::Handler(57608, OnSubject<PrintMap>, "OnFilePrintDirect"),
    cmd::Handler(57609, OnSubject<PreviewMap>, "OnFilePrintPreview"),
};

constexpr cmd::MenuRow kMenu[] = {
    {cmd::kMenuPlan, "&P出图/整图输出", 33195},
    {cmd::kMenuPlan, "&P出图/部分输出", 33196},
    {cmd::kMenuPlan, "&P出图/打印预览", 57609},
    {cmd::kMenuPlan, "&P出图/", 0},
    {cmd::kMenuPlan, "&P出图/生成GIF文件", 33197},
    {cmd::kMenuPlan, "&P出图/生成JPG文件", 33198},
    {cmd::kMenuPlan, "&P出图/生成TIF文件", 33199},
    {cmd::kMenuPlan, "&P出图/批量生成JPG", 33599},
    {cmd::kMenuPlan, "&P出图/", 0},
    {cmd::kMenuPlan, "&P出图/设置光栅化参数", 33200},
    {cmd::kMenuPlan, "&P出图/图像光栅化处理", 33201},
    {cmd::kMenuPlan, "&P出图/打印光栅化文件", 33202},
};

}  // namespace

OutputSubject SubjectOf(const CPrjEditView& view) { return {view.GetProject(), view._GetWinMapRange()}; }

void MakeProjectImage(const OutputSubject& subject, raster::ImageFormat format) {
  if (!HasProject(subject)) return;
  const std::string projectPath = PrjGetFileName(subject.project);
  if (projectPath.empty()) {
    Tell("工程还没有保存到文件，请先保存工程，再生成图像。");
    return;
  }
  const double dpi = AskResolution();
  if (dpi <= 0) return;
  raster::ColourMode colour = raster::ColourMode::kRgb;
  if (format != raster::ImageFormat::kGif) {
    const int answer = prompt::Message(QStringLiteral("选择yes为RGB格式，选择no为CMYK格式！"),
                                       prompt::kYesNo | prompt::kDefaultButton2 | prompt::kIconQuestion);
    if (answer != prompt::kAnswerYes) colour = raster::ColourMode::kCmyk;
  }
  std::string message;
  const raster::WriteResult result = WriteProjectImage(*subject.project, ImageName(projectPath, ExtensionOf(format)),
                                                       format, colour, dpi, ViewImageGeometry(subject.range, dpi),
                                                       &message);
  TellUnlessWritten(result, message);
}

void MakeFolderJpegs() {
  CSavePathDlg folderDialog(prompt::GetMainWnd());
  folderDialog.SetMode(0);
  if (folderDialog.DoModal() != QDialog::Accepted) return;
  const double dpi = AskResolution();
  if (dpi <= 0) return;
  const BatchReport report = WriteFolderJpegs(folderDialog.Folder().toStdString(), dpi);
  std::string text;
  if (!report.unreadable.empty()) {
    text += "以下文件不是可读的工程，没有生成图像：\n";
    for (const std::string& path : report.unreadable) text += path + "\n";
  }
  for (const std::string& failure : report.failed) text += failure + "\n";
  if (!text.empty()) Tell(text);
}

void Rasterize(const OutputSubject& subject) {
  if (!HasProject(subject)) return;
  prompt::FileRequest request;
  request.title = QStringLiteral("保存NV1文件");
  request.defaultExtension = QStringLiteral("*.NV1");
  request.filter = QString::fromUtf8(kNv1Filter);
  request.save = true;
  request.overwritePrompt = true;
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  const raster::RasterDevice& device = ProgramRasterDevice();
  std::string message;
  const raster::WriteResult result =
      WriteProjectImage(*subject.project, path.toStdString(), raster::ImageFormat::kNv1, device.colour, device.dpi,
                        TrueSizeGeometry(subject.range, device.dpi, 0.0), &message);
  TellUnlessWritten(result, message);
}

void PrintRasterFileCommand() {
  prompt::FileRequest request;
  request.title = QStringLiteral("打开NV1文件");
  request.defaultExtension = QStringLiteral("*.NV1");
  request.filter = QString::fromUtf8(kNv1Filter);
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  std::string message;
  if (!PrintRasterFile(path.toStdString(), printer, &message)) Tell(message);
}

void PrintMap(const OutputSubject& subject) {
  if (HasProject(subject)) PrintExtent(subject, subject.range);
}

void PreviewMap(const OutputSubject& subject) {
  if (!HasProject(subject)) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, prompt::GetMainWnd());
  std::string message;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&](QPrinter* target) { PrintTrueSize(*subject.project, subject.range, *target, &message); });
  prompt::Current().Exec(preview);
  if (!message.empty()) Tell(message);
}

void StartRectPrint(CPrjEditView& view) {
  view.SetExtTool(new PrintRectTool(&view, [&view](const D_RECT& rect) {
    const OutputSubject subject = SubjectOf(view);
    if (HasProject(subject)) PrintExtent(subject, rect);
  }));
}

std::vector<cmd::CommandRow> ProjectOutputRows() { return {std::begin(kRows), std::end(kRows)}; }

void RegisterProjectOutputCommands() { cmd::Menus().AddRows(kMenu); }

}  // namespace zv::output

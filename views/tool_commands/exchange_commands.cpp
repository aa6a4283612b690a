// The section tool view's exchange commands: a DXF file appended to the
// current point and line areas (33181), plain-text exchange files appended
// to the current areas of their kinds (33182), the current areas written as
// plain-text files (33183) and as one DXF drawing (33184).
#include <QFileInfo>

#include "exchange/dxf/dxf_export_command.h"
#include "exchange/dxf/dxf_import.h"
#include "exchange/dxf/dxf_import_commands.h"
#include "framework/prompts/prompts.h"
#include "platform/convert/plain_text_format.h"
#include "platform/data/scratch_set.h"
#include "platform/convert/plain_text_reader.h"
#include "platform/convert/plain_text_writer.h"
#include "views/tool_commands/tool_commands.h"
#include "views/view_commands.h"

namespace zv::toolcmd {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

using Copy = int32_t (*)(WorkAreaHandle, WorkAreaHandle);
// By work-area type (0 line, 1 point, 2 region).
constexpr Copy kCopies[] = {BasCopyLines, BasCopyPoints, BasCopyRegions};

// 33181: the file's points and lines only; its regions are not taken.
void OpenDxf(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  prompt::FileRequest request;
  request.title = QStringLiteral("导入DXF文件");
  request.defaultExtension = QStringLiteral("*.dxf");
  request.filter = QStringLiteral("Data Files(*.dxf)|*.dxf|All Files(*.*)|*.*||");
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  const ScratchSet set;
  const dxf::DxfTargets temporary{set.Create(kPointArea), set.Create(kLineArea), 0};
  dxf::DxfReader reader;
  const dxf::DxfReadResult result = dxf::ImportDxfFile(reader, path.toStdString(), temporary);
  dxf::Tell(result.messages);
  if (!result.imported) return;
  view->RunCommand([&] {
    BasCopyPoints(temporary.point, view->GetCurrentPntArea());
    BasCopyLines(temporary.line, view->GetCurrentLinArea());
  });
  view->OnRestoreWindow();
}

// 33182: each file by the last letter of its name; a file that fails is
// told and the others go on.
void OpenPlainText(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  prompt::FileRequest request;
  request.title = QStringLiteral("打开MapGis明码文件");
  request.defaultExtension = QStringLiteral("*.wat;*.wal;*.wap");
  request.filter = QStringLiteral(
      "All MapGis Files (*.wa*)|*.wat;*.wal;*.wap|MapGis点明码文件 (*.wat)|*.wat|MapGis线明码文件 (*.wal)|*.wal|"
      "MapGis区明码文件 (*.wap)|*.wap||");
  request.multiple = true;
  const QStringList paths = prompt::Current().ChooseFiles(request);
  if (paths.isEmpty()) return;
  const ScratchSet set;
  QStringList failures;
  view->RunCommand([&] {
    for (const QString& path : paths) {
      const int type = convert::PlainTextKindOfName(path.toStdString());
      if (type < 0) continue;
      const WorkAreaHandle read = set.Create(type);
      const convert::PlainTextRead result = convert::ReadPlainTextFile(path.toStdString(), read);
      if (result.ok)
        kCopies[type](read, view->GetEditArea(type));
      else
        failures << Utf8(result.error);
      BasReleaseWorkArea(read);
    }
  });
  if (!failures.isEmpty()) prompt::Message(failures.join(QLatin1Char('\n')), prompt::kIconWarning);
  view->OnRestoreWindow();
}

// 33183: the point, line and region areas in turn; a cancelled dialog skips
// that kind.
void SavePlainText(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  for (const int type : {kPointArea, kLineArea, kRegionArea}) {
    const WorkAreaHandle area = view->GetEditArea(type);
    const QString extension = QString::fromLatin1(convert::PlainTextExtension(type));
    prompt::FileRequest request;
    request.title = QStringLiteral("保存MapGis明码文件");
    request.save = true;
    request.overwritePrompt = true;
    request.defaultExtension = QLatin1Char('*') + extension;
    request.filter = QStringLiteral("MapGis明码文件 (*%1)|*%1||").arg(extension);
    const QFileInfo file(Utf8(BasGetWorkAreaFileName(area)));
    if (!file.fileName().isEmpty()) request.fileName = file.completeBaseName() + extension;
    request.folder = file.absolutePath();
    const QString path = prompt::ChooseFile(request);
    if (path.isEmpty()) continue;
    std::string error;
    if (!convert::SavePlainTextFile(path.toStdString(), area, &error))
      prompt::Message(Utf8(error), prompt::kIconWarning);
  }
}

// 33184: the three current areas as one drawing.
void SaveDxf(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  prompt::FileRequest request;
  request.title = QStringLiteral("保存DXF文件");
  request.save = true;
  request.overwritePrompt = true;
  request.defaultExtension = QStringLiteral("*.dxf");
  request.filter = QStringLiteral("Data Files(*.dxf)|*.dxf|All Files(*.*)|*.*||");
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  const WorkAreaHandle areas[] = {view->GetCurrentRegArea(), view->GetCurrentLinArea(), view->GetCurrentPntArea()};
  dxf::AreasToDxfCommand(path.toStdString(), areas);
}

}  // namespace

RowSets ExchangeCommandRows() {
  RowSets sets;
  sets.section = {
      cmd::Handler(33181, OpenDxf, "OnOpenDxf"),              // 打开DXF文件(原MapGis功能)
      cmd::Handler(33182, OpenPlainText, "OnOpenPlainText"),  // 打开明码文件(原MapGis功能)
      cmd::Handler(33183, SavePlainText, "OnSavePlainText"),  // 保存明码文件(原MapGis功能)
      cmd::Handler(33184, SaveDxf, "OnSaveDxf"),              // 保存DXF文件(原MapGis功能)
  };
  sets.menus = {
      {cmd::kMenuSection, "&F文件/", 0},
      {cmd::kMenuSection, "&F文件/打开DXF文件(原MapGis功能)", 33181},
      {cmd::kMenuSection, "&F文件/打开明码文件(原MapGis功能)", 33182},
      {cmd::kMenuSection, "&F文件/保存明码文件(原MapGis功能)", 33183},
      {cmd::kMenuSection, "&F文件/保存DXF文件(原MapGis功能)", 33184},
  };
  return sets;
}

}  // namespace zv::toolcmd

#include "exchange/dxf/dxf_import_commands.h"

#include "exchange/dxf/dxf_import.h"
#include "framework/prompts/prompts.h"

namespace zv::dxf {
namespace {

QString AskForDxfFile() {
  prompt::FileRequest request;
  request.title = QStringLiteral("读取DXF文件");
  request.defaultExtension = QStringLiteral("*.dxf");
  request.filter = QStringLiteral("Data Files(*.dxf)|*.dxf|All Files(*.*)|*.*||");
  request.overwritePrompt = true;
  return prompt::ChooseFile(request);
}

using FileImport = DxfReadResult (*)(DxfReader&, const std::string&, const DxfTargets&, const RgbToColourNumber&,
                                     DxfProgress*);

bool ReadWith(FileImport import, const DxfTargets& view) {
  const QString path = AskForDxfFile();
  if (path.isEmpty()) return false;
  DxfReader reader;
  const DxfReadResult result = import(reader, path.toStdString(), view, DisplayNearestColour, nullptr);
  Tell(result.messages);
  return result.imported;
}

}  // namespace

void Tell(const std::vector<std::string>& messages) {
  if (messages.empty()) return;
  std::string text;
  for (const std::string& m : messages) text += (text.empty() ? "" : "\n") + m;
  prompt::Message(QString::fromStdString(text), prompt::kOk);
}

bool ReadDxfFileCommand(const DxfTargets& view) { return ReadWith(ImportDxfFile, view); }

bool ReadLargeDxfFileCommand(const DxfTargets& view) { return ReadWith(ImportLargeDxfFile, view); }

int ConvertDxfFolderCommand() {
  const QString folder = prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), QString());
  if (folder.isEmpty()) return 0;
  const DxfFolderReport report = ConvertDxfFolder(folder.toStdString());
  Tell(report.messages);
  return static_cast<int>(report.projects.size());
}

}  // namespace zv::dxf

#include "exchange/dxf/dxf_export_command.h"

#include "exchange/dxf/dxf_import_commands.h"
#include "exchange/dxf/dxf_template_resource.h"
#include "exchange/dxf/dxf_writer.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"

namespace zv::dxf {

bool MapGisToDxfCommand(const MapProject& project) {
  const std::string templatePath = paths::GetDataFolder() + kDxfTemplateFile;
  // A template that cannot be written here is reported by the export, which
  // finds none (or uses the copy already there).
  fileio::WriteFileAtomically(templatePath, DxfTemplateResource());
  CDxfWriter writer;
  const DxfExportResult result = writer.ExportDxf(templatePath, project);
  Tell(result.messages);
  return result.written;
}

}  // namespace zv::dxf

#include "exchange/dxf/dxf_export_command.h"

#include "exchange/dxf/dxf_import_commands.h"
#include "exchange/dxf/dxf_template_resource.h"
#include "exchange/dxf/dxf_writer.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "platform/project/map_project.h"

#include <filesystem>

namespace zv::dxf {

namespace {

// Layer names for areas without a file of their own.
constexpr const char* kKindNames[] = {"线.wl", "点.wt", "区.wp"};

}  // namespace

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

bool AreasToDxfCommand(const std::string& dxfPath, std::span<const WorkAreaHandle> areas) {
  // A project that only lends the areas to the writer: it owns no set, so
  // nothing of the areas is released with it; its path names the drawing.
  MapProject lender;
  lender.path = std::filesystem::path(dxfPath).replace_extension(".mpj").string();
  for (const WorkAreaHandle area : areas) {
    const int type = BasGetWorkAreaType(area);
    if (type < 0 || type > 2) continue;
    const std::string file = BasGetWorkAreaFileName(area);
    lender.file.items.push_back(
        files::NewProjectItem(file.empty() ? kKindNames[type] : std::filesystem::path(file).filename().string()));
    lender.areas.push_back(area);
  }
  return MapGisToDxfCommand(lender);
}

}  // namespace zv::dxf

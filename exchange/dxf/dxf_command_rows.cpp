#include "exchange/dxf/dxf_command_rows.h"

#include "exchange/dxf/dxf_export_command.h"
#include "exchange/dxf/dxf_import_commands.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"

namespace zv::dxf {
namespace {

DxfTargets TargetsOf(const CGisEditView& view) {
  return {view.GetCurrentPntArea(), view.GetCurrentLinArea(), view.GetCurrentRegArea()};
}

// An import that replaced the areas shows the drawing whole.
template <bool (*Import)(const DxfTargets&)>
void ImportInto(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CGisEditView*>(&target);
  if (view && Import(TargetsOf(*view))) view->OnRestoreWindow();
}

void ConvertFolder(cmd::CommandTarget&) { ConvertDxfFolderCommand(); }

void ExportProject(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CPrjEditView*>(&target);
  if (view && view->GetProject()) MapGisToDxfCommand(*view->GetProject());
}

constexpr cmd::CommandRow kSectionRows[] = {
    cmd::Handler(kCommandReadDxfFile, ImportInto<ReadDxfFileCommand>, "ReadDxfFileCommand"),
    cmd::Handler(kCommandReadLargeDxfFile, ImportInto<ReadLargeDxfFileCommand>, "ReadLargeDxfFileCommand"),
    cmd::Handler(kCommandConvertDxfFolder, ConvertFolder, "ConvertDxfFolderCommand"),
};

constexpr cmd::CommandRow kPlanRows[] = {
    cmd::Handler(kCommandMapGisToDxf, ExportProject, "MapGisToDxfCommand"),
};

constexpr cmd::MenuRow kMenuRows[] = {
    {cmd::kMenuSection, "&1辅助工具/打开外部数据/读取DXF文件", kCommandReadDxfFile},
    {cmd::kMenuSection, "&1辅助工具/打开外部数据/读取DXF文件(大文件)", kCommandReadLargeDxfFile},
    {cmd::kMenuSection, "&1辅助工具/打开外部数据/批量转换dxf", kCommandConvertDxfFolder},
    {cmd::kMenuPlan, "&1辅助工具/打开外部数据/MapGis->DXF", kCommandMapGisToDxf},
};

}  // namespace

void RegisterDxfCommands() {
  cmd::Registry().AddRows("CSecToolView", kSectionRows);
  cmd::Registry().AddRows("CSecPrjToolView", kPlanRows);
  cmd::Menus().AddRows(kMenuRows);
}

}  // namespace zv::dxf

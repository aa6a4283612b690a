#include "app/module_registry.h"

#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_legend_modes.h"
#include "app/chrome/side_pages.h"
#include "app/frame_commands.h"
#include "app/legend_chooser.h"
#include "app/main_frame.h"
#include "app/zavediz_app.h"
#include "exchange/dxf/dxf_command_rows.h"
#include "exchange/sheets/widget/sheet_commands.h"
#include "framework/docview/win_app.h"
#include "geodesy/commands/geodesy_commands.h"
#include "panels/cvt_lib_commands.h"
#include "panels/legend_library_dlg.h"
#include "panels/panel_pages.h"
#include "tools/clip/clip_commands.h"
#include "tools/edit_aid/edit_aid_commands.h"
#include "tools/line/line_commands.h"
#include "views/launch/launch_commands.h"
#include "views/project_output/project_output_commands.h"
#include "views/project_page/prj_dlg.h"
#include "views/project_page/sec_prj_list_view.h"
#include "views/tin/tin_commands.h"
#include "views/tool_commands/tool_commands.h"
#include "views/view_commands.h"
#include "zavediz/chart_tool/borehole_chart_commands.h"
#include "zavediz/chart_tool/custom_chart_tool.h"
#include "zavediz/chart_tool/open_database_command.h"
#include "zavediz/data/borehole_section_commands.h"
#include "zavediz/draw/section_commands.h"
#include "zavediz/plan/plan_flash.h"
#include "zavediz/plan/plan_geology_commands.h"
#include "zavediz/plan/plan_section_commands.h"

namespace zv {

void RegisterModules() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  docview::CWinApp::RegisterCommands();
  CZavedizApp::RegisterCommands();
  CMainFrame::RegisterCommands();
  RegisterFrameCommands();
  RegisterEditViews();
  projectpage::RegisterProjectPageCommands();
  chrome::RegisterSidePage("CPrjDlg", [](QWidget* parent) { return new projectpage::CPrjDlg(parent); });
  output::RegisterProjectOutputCommands();
  tools::RegisterEditAidCommands();
  tools::RegisterClipCommands();
  BindLegendLibraryChooser();
  annot::RegisterLegendModes();
  annot::RegisterAnnotCommands();
  tools::RegisterLineCommands();
  geodesy::RegisterGeodesyCommands();
  chart::RegisterBoreholeChartCommands();
  chart::RegisterCustomChartCommands();
  chart::RegisterOpenDatabaseCommand();
  zavediz::RegisterPlanSectionCommands();
  zavediz::RegisterPlanGeologyCommands();
  zavediz::RegisterPlanFlash();
  zavediz::RegisterSectionCommands();
  zavediz::RegisterBoreholeSectionCommands();
  dxf::RegisterDxfCommands();
  panels::RegisterCvtLibCommands();
  panels::RegisterLegendLibraryCommands();
  sheets::RegisterSheetTools();
  tintools::RegisterTinCommands();
  toolcmd::RegisterToolCommands();
  launch::RegisterToolLaunches();
  for (const panels::PanelPage& page : panels::PanelPages()) chrome::RegisterSidePage(page.className, page.make);
}

}  // namespace zv

// Modes 16 and -12 run a dialog of the coordinate tools from the
// constructor and leave the tool idle.
#include "framework/prompts/prompts.h"
#include "geodesy/block/mining_block_dlg.h"
#include "geodesy/commands/geodesy_commands.h"
#include "geodesy/reserve/reserve_commands.h"
#include "platform/view/gis_edit_view.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

void CSecEditAidTool::RunBlockMapDialog() {
  block::CMiningBlockDlg dialog(geodesy::OpenAsDocument, view());
  prompt::Current().Exec(dialog);
}

void CSecEditAidTool::RunReserveProject() { reserve::RunReserveVerificationProject(view(), geodesy::OpenAsDocument); }

}  // namespace zv::tools

#include "tools/clip/clip_commands.h"

#include <vector>

#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

BaseGisTool* MakeClipTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecClipTool(view, mode); }

}  // namespace

void RegisterClipCommands() {
  Tools().Register("CSecClipTool", MakeClipTool, CSecClipTool::IsBuilt);
  std::vector<cmd::MenuRow> items;
  for (const CSecClipTool::ModeRow& row : CSecClipTool::Modes()) {
    if (!CSecClipTool::IsBuilt(row.mode) || row.command == 0) continue;
    items.push_back({cmd::kMenuPlan, row.planPath, row.command, nullptr});
    items.push_back({cmd::kMenuSection, row.sectionPath ? row.sectionPath : row.planPath, row.command, nullptr});
  }
  cmd::Menus().AddRows(items);
}

}  // namespace zv::tools

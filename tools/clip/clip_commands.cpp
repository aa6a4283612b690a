#include "tools/clip/clip_commands.h"

#include <string>
#include <vector>

#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

BaseGisTool* MakeClipTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecClipTool(view, mode); }

// The modes the views' context menu repeats in its popup "7", each under the
// last element of its menu path.
constexpr int16_t kContextModes[] = {1, 2, -2, 3, -4, 4};
constexpr const char* kContextPopup = "7/";

// The path's last element; a "\/" inside an element is no separator.
std::string LastElement(const std::string& path) {
  for (std::size_t at = path.size(); at-- > 0;)
    if (path[at] == '/' && (at == 0 || path[at - 1] != '\\')) return path.substr(at + 1);
  return path;
}

}  // namespace

void RegisterClipCommands() {
  Tools().Register("CSecClipTool", MakeClipTool, CSecClipTool::IsBuilt);
  std::vector<cmd::MenuRow> items;
  for (const CSecClipTool::ModeRow& row : CSecClipTool::Modes()) {
    if (!CSecClipTool::IsBuilt(row.mode) || row.command == 0) continue;
    items.push_back({cmd::kMenuPlan, row.planPath, row.command, nullptr});
    items.push_back({cmd::kMenuSection, row.sectionPath ? row.sectionPath : row.planPath, row.command, nullptr});
  }
  // The menu rows keep the texts they are given: these live as long as the program.
  static std::vector<std::string> contextPaths;
  if (contextPaths.empty())
    for (const int16_t mode : kContextModes)
      if (CSecClipTool::IsBuilt(mode)) contextPaths.push_back(kContextPopup + LastElement(CSecClipTool::FindMode(mode)->planPath));
  std::size_t next = 0;
  for (const int16_t mode : kContextModes)
    if (CSecClipTool::IsBuilt(mode))
      items.push_back({cmd::kMenuContext, contextPaths[next++].c_str(), CSecClipTool::FindMode(mode)->command, nullptr});
  cmd::Menus().AddRows(items);
}

}  // namespace zv::tools

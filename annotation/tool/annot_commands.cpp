#include "annotation/tool/annot_commands.h"

#include <vector>

#include "annotation/tool/sec_annot_tool.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"

namespace zv::annot {
namespace {

struct AnnotCommand {
  int id;
  const char* path;
  int16_t mode;
};

// Every command of the tool with its mode; only built modes get an item.
constexpr AnnotCommand kCommands[] = {
    {33472, "&1辅助工具/角度花纹填充/选区角度填充", -7},
    {33479, "&1辅助工具/角度花纹填充/选线角度填充", 7},
    {33480, "&1辅助工具/角度花纹填充/选区删除图案", -8},
    {33481, "&1辅助工具/角度花纹填充/选线删除图案", 8},
    {33534, "&1辅助工具/角度花纹填充/画线角度填充", -9},
    {33473, "&1辅助工具/角度花纹填充/趋势填充图案", 9},
    {33644, "&1辅助工具/图例对齐制作/图例横竖变换", -10},
};

BaseGisTool* MakeAnnotTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecAnnotTool(view, mode); }

}  // namespace

void RegisterAnnotCommands() {
  Tools().Register("CSecAnnotTool", MakeAnnotTool, CSecAnnotTool::IsBuilt);
  std::vector<cmd::MenuRow> items;
  for (const AnnotCommand& c : kCommands) {
    if (!CSecAnnotTool::IsBuilt(c.mode)) continue;
    for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) items.push_back({menu, c.path, c.id, nullptr});
  }
  cmd::Menus().AddRows(items);
}

}  // namespace zv::annot

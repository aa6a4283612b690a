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
    {33396, "&1辅助工具/图例对齐制作/制作图例", -1},
    {33398, "&1辅助工具/图例对齐制作/水平对齐", 5},
    {33399, "&1辅助工具/图例对齐制作/垂直对齐", -6},
    {33407, "&1辅助工具/图例对齐制作/获取图例/拾取图例", 3},
    {33408, "&1辅助工具/图例对齐制作/获取图例/选线获取", -4},
    {33409, "&1辅助工具/图例对齐制作/获取图例/选区获取", 4},
    {33410, "&1辅助工具/图例对齐制作/获取图例/鼠标框取", -5},
    {33644, "&1辅助工具/图例对齐制作/图例横竖变换", -10},
    {33400, "&1辅助工具/标注功能/区多字段标注", -2},
    {33464, "&1辅助工具/标注功能/点多字段标注", 6},
    {33423, "&1辅助工具/标注功能/保存自定义格式", 2},
    {33424, "&1辅助工具/标注功能/读取自定义格式", -3},
    {33472, "&1辅助工具/角度花纹填充/选区角度填充", -7},
    {33479, "&1辅助工具/角度花纹填充/选线角度填充", 7},
    {33480, "&1辅助工具/角度花纹填充/选区删除图案", -8},
    {33481, "&1辅助工具/角度花纹填充/选线删除图案", 8},
    {33534, "&1辅助工具/角度花纹填充/画线角度填充", -9},
    {33473, "&1辅助工具/角度花纹填充/趋势填充图案", 9},
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

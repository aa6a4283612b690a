#include "tools/edit_aid/edit_aid_commands.h"

#include <iterator>
#include <vector>

#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

// Until the views' right-button menu carries its construction section, the
// construction commands sit in a menu of their own.
constexpr EditAidCommand kCommands[] = {
    {32940, "造图/造折线", 100},
    {32941, "造图/造流线", 101},
    {32942, "造图/正交线", 102},
    {32943, "造图/造矩形", 103},
    {32945, "造图/造平行四边形", 105},
    {33593, "造图/正多边形", 118},
    {32946, "造图/造椭圆", 106},
    {32947, "造图/圆心半径造圆", 107},
    {32948, "造图/造内切圆", 108},
    {32949, "造图/造外接圆", 109},
    {32950, "造图/圆心半径造弧", 110},
    {32951, "造图/三点造弧", 112},
    {33520, "造图/大括号", 114},
    {33522, "造图/线上加箭头", 115},
    {33525, "造图/箭头线", 116},
    {33428, "&R区编辑/直接绘制区", -10},
};

// Modes that run a dialog from the constructor and leave the tool idle.
constexpr EditAidCommand kDialogCommands[] = {
    {33511, "&1辅助工具/专题辅助/区块图", 16},
    {33442, "&1辅助工具/专题辅助/储量核查工具", -12},
};

BaseGisTool* MakeEditAidTool(CGisEditView* view, int16_t mode, int32_t flag) {
  return new CSecEditAidTool(view, mode, flag);
}

}  // namespace

std::span<const EditAidCommand> ConstructionCommands() { return kCommands; }

bool EditAidModeOffered(int16_t mode) { return CSecEditAidTool::IsBuilt(mode) || mode == 104 || mode == 113; }

void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag) {
  view.CancelInterActive();
  view.SetExtTool(new CSecEditAidTool(&view, mode, flag));
}

void RegisterEditAidCommands() {
  Tools().Register("CSecEditAidTool", MakeEditAidTool, EditAidModeOffered);
  std::vector<cmd::MenuRow> items;
  std::vector<EditAidCommand> all(std::begin(kCommands), std::end(kCommands));
  all.insert(all.end(), std::begin(kDialogCommands), std::end(kDialogCommands));
  for (const EditAidCommand& c : all)
    for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) items.push_back({menu, c.path, c.id, nullptr});
  cmd::Menus().AddRows(items);
}

}  // namespace zv::tools

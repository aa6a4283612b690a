#include "tools/edit_aid/edit_aid_commands.h"

#include <iterator>
#include <vector>

#include "framework/commands/menu_rows.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

template <int16_t Mode>
void Launch(cmd::CommandTarget& target) {
  if (auto* view = dynamic_cast<CGisEditView*>(&target)) {
    // Typed coordinates go to the view the tool works in.
    view->setFocus();
    StartEditAidTool(*view, Mode);
  }
}

// Until the views' right-button menu carries its construction section, the
// construction commands sit in a menu of their own.
constexpr EditAidCommand kCommands[] = {
    {32940, "造图/造折线", 100, Launch<100>},
    {32941, "造图/造流线", 101, Launch<101>},
    {32942, "造图/正交线", 102, Launch<102>},
    {32943, "造图/造矩形", 103, Launch<103>},
    {32945, "造图/造平行四边形", 105, Launch<105>},
    {33593, "造图/正多边形", 118, Launch<118>},
    {32946, "造图/造椭圆", 106, Launch<106>},
    {32947, "造图/圆心半径造圆", 107, Launch<107>},
    {32948, "造图/造内切圆", 108, Launch<108>},
    {32949, "造图/造外接圆", 109, Launch<109>},
    {32950, "造图/圆心半径造弧", 110, Launch<110>},
    {32951, "造图/三点造弧", 112, Launch<112>},
    {33520, "造图/大括号", 114, Launch<114>},
    {33522, "造图/线上加箭头", 115, Launch<115>},
    {33525, "造图/箭头线", 116, Launch<116>},
    {33428, "&R区编辑/直接绘制区", -10, Launch<-10>},
};

// Modes that run a dialog from the constructor and leave the tool idle.
constexpr EditAidCommand kDialogCommands[] = {
    {33511, "&1辅助工具/专题辅助/区块图", 16, Launch<16>},
    {33442, "&1辅助工具/专题辅助/储量核查工具", -12, Launch<-12>},
};

}  // namespace

std::span<const EditAidCommand> ConstructionCommands() { return kCommands; }

void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag) {
  view.CancelInterActive();
  view.SetExtTool(new CSecEditAidTool(&view, mode, flag));
}

void RegisterEditAidCommands() {
  std::vector<cmd::CommandRow> commands;
  std::vector<cmd::MenuRow> items;
  std::vector<EditAidCommand> all(std::begin(kCommands), std::end(kCommands));
  all.insert(all.end(), std::begin(kDialogCommands), std::end(kDialogCommands));
  for (const EditAidCommand& c : all) {
    commands.push_back(cmd::Handler(c.id, c.launch, "CSecEditAidTool"));
    for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) items.push_back({menu, c.path, c.id, nullptr});
  }
  for (const char* view : {"CSecToolView", "CSecPrjToolView"}) cmd::Registry().AddRows(view, commands);
  cmd::Menus().AddRows(items);
}

}  // namespace zv::tools

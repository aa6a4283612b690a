#include "tools/line/line_commands.h"

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/prompts.h"
#include "platform/view/tool_factory.h"
#include "tools/line/contour_param_dlg.h"
#include "tools/line/sec_line_tool.h"

namespace zv::tools {
namespace {

constexpr int kContourSettings = 33033;

BaseGisTool* MakeLineTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecLineTool(view, mode); }

void OnContourSettings(cmd::CommandTarget&) {
  CContourParamDlg dialog(CContourParamDlg::kAllFields, prompt::GetMainWnd());
  prompt::Current().Exec(dialog);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(kContourSettings, OnContourSettings, "OnContourSettings"),
};

#define ZV_CONTOURS "&1辅助工具/等高线功能/"
constexpr cmd::MenuRow kMenuRows[] = {
    {cmd::kMenuPlan, ZV_CONTOURS "插入等高线", 33035},
    {cmd::kMenuPlan, ZV_CONTOURS "四点插入等高线", 33051},
    {cmd::kMenuPlan, ZV_CONTOURS "等高线设置", kContourSettings},
    {cmd::kMenuSection, ZV_CONTOURS "插入等高线", 33035},
    {cmd::kMenuSection, ZV_CONTOURS "四点插入等高线", 33051},
    {cmd::kMenuSection, ZV_CONTOURS "等高线设置", kContourSettings},
    {cmd::kMenuPlan, "&C剖面图/修饰剖面/选线充填线", 33036},
    {cmd::kMenuPlan, "&C剖面图/修饰剖面/选区充填线", 33111},
    {cmd::kMenuSection, "&C地质绘图/剖面图补充/选线充填线", 33036},
    {cmd::kMenuSection, "&C地质绘图/剖面图补充/选区充填线", 33111},
    {cmd::kMenuPlan, "&1辅助工具/量算功能/距离角度修改", 32995},
    {cmd::kMenuSection, "&1辅助工具/量算功能/距离角度修改", 32995},
    {cmd::kMenuContext, "7/修饰剖面/选线充填线", 33036},
    {cmd::kMenuContext, "7/修饰剖面/选区充填线", 33111},
    {cmd::kMenuContext, "7/距离角度修改", 32995},
};
#undef ZV_CONTOURS

}  // namespace

void RegisterLineCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  Tools().Register("CSecLineTool", MakeLineTool, CSecLineTool::IsBuilt);
  cmd::Registry().AddRows("CSecToolView", kRows);
  cmd::Registry().AddRows("CSecPrjToolView", kRows);
  cmd::Menus().AddRows(kMenuRows);
}

}  // namespace zv::tools

#include "views/tool_view_shared.h"

#include "framework/docview/mdi_frame.h"
#include "platform/view/tool_factory.h"
#include "views/launch/launch_table.h"
#include "views/view_chrome.h"

namespace zv {

ToolViewShared* ToolViewOf(cmd::CommandTarget& target) { return dynamic_cast<ToolViewShared*>(&target); }

void RunToolViewCommand(ToolViewShared& tv, int id) {
  if (auto* frame = dynamic_cast<docview::CMDIFrameWnd*>(tv.View().window())) {
    frame->RunCommand(id);
    return;
  }
  cmd::Execute({&tv.Edit()}, id);
}

void StartEditAid(ToolViewShared& tv, int16_t mode, bool cancelFirst, int32_t flag) {
  if (LaunchTool(tv.View(), launch::kEditAidTool, mode, cancelFirst, flag)) return;
  Chrome().ShowOperation(QStringLiteral("“%1 %2”暂不可用").arg(QString::fromLatin1(launch::kEditAidTool)).arg(mode));
}

}  // namespace zv

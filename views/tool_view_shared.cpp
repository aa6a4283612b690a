#include "views/tool_view_shared.h"

#include "framework/docview/mdi_frame.h"
#include "platform/view/tool_factory.h"
#include "views/launch/launch_table.h"
#include "views/view_chrome.h"

namespace zv {

void ToolViewShared::CenterOnEntity(const ENTITY_MSG& entity) {
  using RectReader = int (*)(WorkAreaHandle, int32_t, D_RECT*);
  constexpr RectReader kReaders[] = {BasGetLineRect, BasGetPointRect, BasGetRegionRect};
  if (entity.type < kLineEntity || entity.type > kRegionEntity) return;
  D_RECT rect{};
  if (!kReaders[entity.type](entity.area, entity.id, &rect)) return;
  CGisEditView& view = View();
  WIN_ORG org = view._GetWinDispParam();
  org.x = (rect.xmin + rect.xmax) / 2 - org.width / 2;
  org.y = (rect.ymin + rect.ymax) / 2 - org.height / 2;
  view._SetWinDispParam(org);
  view._UpdateWindow();
}

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

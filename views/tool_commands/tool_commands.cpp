#include "views/tool_commands/tool_commands.h"

namespace zv::toolcmd {

void RegisterToolCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  for (const RowSets& sets : {AreaCommandRows(), FrameCommandRows(), ExchangeCommandRows()}) {
    cmd::Registry().AddRows("CSecToolView", sets.both);
    cmd::Registry().AddRows("CSecPrjToolView", sets.both);
    cmd::Registry().AddRows("CSecToolView", sets.section);
    cmd::Registry().AddRows("CSecPrjToolView", sets.plan);
    cmd::Menus().AddRows(sets.menus);
  }
}

}  // namespace zv::toolcmd

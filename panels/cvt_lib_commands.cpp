#include "panels/cvt_lib_commands.h"

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "panels/cvt_lib_dlg.h"

namespace zv::panels {
namespace {

void OnCvtLib(cmd::CommandTarget&) { RunSystemLibraryComparison(); }

constexpr cmd::CommandRow kSectionRows[] = {cmd::Handler(kCommandCvtLib, OnCvtLib, "OnCvtLib")};
constexpr cmd::MenuRow kMenuRows[] = {{cmd::kMenuSection, "&S系统库/系统库转换", kCommandCvtLib}};

}  // namespace

void RegisterCvtLibCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecToolView", kSectionRows);
  cmd::Menus().AddRows(kMenuRows);
}

}  // namespace zv::panels

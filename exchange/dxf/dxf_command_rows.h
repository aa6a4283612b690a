#pragma once
// Binds the DXF commands into the tool views' command tables: the three
// imports into the section tool view (they fill its current areas), the
// export into the project tool view (it writes the view's project). Items sit
// under "&1辅助工具/打开外部数据" of the view's menu.

namespace zv::dxf {

void RegisterDxfCommands();

}  // namespace zv::dxf

#pragma once
// 32989 读取钻孔数据 of the section view (&C地质绘图 ▸ 剖面图补充): the hole
// chooser, then the chosen holes drawn into the section the view shows, as
// one undo step; the view is restored and redrawn however the run ends.

namespace zv::zavediz {

void RegisterBoreholeSectionCommands();

}  // namespace zv::zavediz

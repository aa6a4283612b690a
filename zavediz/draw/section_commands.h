#pragma once
// The section commands: 32787 图切剖面 of the plan view cuts the section and
// asks a new section view to draw it, 32971 绘制剖面 does the same for a
// section read from survey data; 32799 保存剖面 of the section view
// saves the drawing, and its 33193 读取平面数据 brings the plan's content
// along the line into the plan strip. Rows of the two views' command tables and items of
// their menus.

namespace zv::zavediz {

void RegisterSectionCommands();

}  // namespace zv::zavediz

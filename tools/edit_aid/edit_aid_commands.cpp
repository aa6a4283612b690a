#include "tools/edit_aid/edit_aid_commands.h"

#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

constexpr EditAidCommand kCommands[] = {
    {32940, "造折线", 100},        {32941, "造流线", 101},       {32942, "正交线", 102},
    {32943, "造矩形", 103},        {32944, "造双线", 104},       {32945, "造平行四边形", 105},
    {32946, "造椭圆", 106},        {32947, "圆心半径造圆", 107}, {32948, "造内切圆", 108},
    {32949, "造外接圆", 109},      {32950, "圆心半径造弧", 110}, {32951, "三点造弧", 112},
    {32952, "造正交矩形", 113},    {33520, "大括号", 114},       {33522, "线上加箭头", 115},
    {33525, "箭头线", 116},        {33593, "正多边形", 118},     {33428, "直接绘制区", -10},
};

}  // namespace

std::span<const EditAidCommand> ConstructionCommands() { return kCommands; }

void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag) {
  view.CancelInterActive();
  view.SetExtTool(new CSecEditAidTool(&view, mode, flag));
}

void AddConstructionCommands(QMenu& menu, CGisEditView& view) {
  for (const EditAidCommand& command : kCommands) {
    if (!CSecEditAidTool::IsBuilt(command.mode)) continue;
    const int16_t mode = command.mode;
    menu.addAction(QString::fromUtf8(command.text), &view, [&view, mode] { StartEditAidTool(view, mode); });
  }
}

}  // namespace zv::tools

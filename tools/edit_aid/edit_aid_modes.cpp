// The modes of the edit-aid tool, one row each: the state line, the start
// routine run by the constructor and the handlers of the six slots. Rows
// without handlers belong to modes whose work is not built yet (their
// commands are not offered) or that are idle by design (104, 113).
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

using T = CSecEditAidTool;
using Row = CSecEditAidTool::ModeRow;

const CSecEditAidTool::ModeRow* CSecEditAidTool::FindMode(int16_t mode) {
  // Text layout, overlap deletion, region merging, find and replace and the
  // batch modes keep their rows, without handlers, until they are built.
  constexpr auto later = [](int16_t m) { return Row{m, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}; };
  constexpr auto figure = [](int16_t m, const char* name) {
    return Row{m, name, nullptr, &T::FigureDown, &T::FigureMove, nullptr, &T::AbandonFigure, &T::TypedKey, &T::FigureDraw};
  };
  static const Row kModes[] = {
      later(-1), later(1), later(-2), later(2), later(-3), later(3), later(-4), later(4), later(-5), later(5),
      later(6), later(-6), later(-7), later(7), later(-8), later(8), later(9), later(-9), later(10), later(-11),
      later(11), {-12, nullptr, &T::RunReserveProject, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      later(12), later(-13), later(13), later(-14), later(14), later(-15), later(15),
      later(-16), {16, nullptr, &T::RunBlockMapDialog, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      later(17), later(-17), later(-18), later(18), later(19), later(20), later(21),
      later(22), later(-30), later(501),
      {100, "当前状态: 造折线", nullptr, &T::VertexDown, &T::RubberMove, nullptr, &T::FinishLine, &T::DropLastVertex,
       &T::PolylineDraw},
      {101, "当前状态: 造流线", nullptr, &T::VertexDown, &T::StreamMove, nullptr, &T::FinishLine, nullptr,
       &T::PolylineDraw},
      {-10, "当前状态: 直接绘制区", nullptr, &T::VertexDown, &T::RubberMove, nullptr, &T::FinishRegion, nullptr,
       &T::PolylineDraw},
      {102, "当前状态: 正交线", nullptr, &T::PerpendicularDown, &T::PerpendicularMove, nullptr,
       &T::FinishPerpendicularLine, &T::TypedKey, &T::PolylineDraw},
      figure(103, "当前状态: 造矩形"),
      {104, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      figure(105, "当前状态: 造平行四边形"),
      figure(106, "当前状态: 造椭圆"),
      figure(107, "当前状态: 圆心半径造圆"),
      figure(108, "当前状态: 造内切圆"),
      figure(109, "当前状态: 造外接圆"),
      figure(110, "当前状态: 圆心半径造弧"),
      figure(112, "当前状态: 三点造弧"),
      {113, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
      {114, "当前状态: 大括号", nullptr, &T::BraceDown, &T::BraceMove, nullptr, &T::AbandonFigure, nullptr,
       &T::BraceDraw},
      {115, "当前状态: 线上加箭头", nullptr, &T::HeadOnLineDown, &T::ArrowMove, &T::HeadOnLineUp,
       &T::AbandonFigure, nullptr, &T::ArrowDraw},
      {116, "当前状态: 箭头线", nullptr, &T::ArrowLineDown, &T::ArrowMove, nullptr, &T::AbandonFigure, nullptr,
       &T::ArrowDraw},
      {117, "当前状态: 子图复制", nullptr, &T::StampDown, nullptr, &T::StampUp, &T::StampFinish, nullptr, nullptr},
      figure(118, "当前状态: 正多边形"),
  };
  for (const Row& row : kModes)
    if (row.mode == mode) return &row;
  return nullptr;
}

bool CSecEditAidTool::IsBuilt(int16_t mode) {
  const Row* row = FindMode(mode);
  return row && (row->down || row->start);
}

}  // namespace zv::tools

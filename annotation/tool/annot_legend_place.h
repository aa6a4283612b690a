#pragma once
// Mode −1 (制作图例): the legend library dialog chooses the items and the
// layout; then each left release places the chosen items as a grid of
// framed boxes whose first box is centred on the released point, until the
// right button disarms the tool. Every placement is one undo step, however
// many items it draws; items that cannot be read, or whose size is refused,
// are told one by one and use no cell.

#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {

// The constructor's routine: arms the tool when the dialog is confirmed.
void MakeLegend(CSecAnnotTool& tool);
void PlaceLegends(CSecAnnotTool& tool, unsigned flags, CPoint point);
void CancelLegendPlacement(CSecAnnotTool& tool, unsigned flags, CPoint point);

// The legend library dialog's step of 制作图例: on OK it puts the layout, the
// text mode and the chosen item files into the tool and gives true. The
// dialog's module binds it once at start-up, before RegisterLegendModes;
// mode −1 is offered only while one is bound.
using LegendItemChooser = bool (*)(CSecAnnotTool& tool);
void BindLegendItemChooser(LegendItemChooser chooser);
bool IsLegendItemChooserBound();

}  // namespace zv::annot

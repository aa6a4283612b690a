#pragma once
// The legend modes of the annotation tool in its mode table: gathering (3,
// −4, 4, −5), placement (−1) and alignment (5, −6). Run before
// RegisterAnnotCommands, so that their commands get their menu items;
// 制作图例 (−1) is offered only when the legend library step has been bound
// (BindLegendItemChooser) before this runs.

namespace zv::annot {

void RegisterLegendModes();

}  // namespace zv::annot

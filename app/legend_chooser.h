#pragma once
// 制作图例's library step: the legend library dialog chooses the items and
// the layout the annotation tool places.

namespace zv {

// Binds the dialog to the annotation tool; once, before its legend modes are
// registered.
void BindLegendLibraryChooser();

}  // namespace zv

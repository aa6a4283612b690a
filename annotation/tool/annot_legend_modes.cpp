#include "annotation/tool/annot_legend_modes.h"

#include "annotation/tool/annot_legend_align.h"
#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {
namespace {

using P = AnnotPick;
constexpr unsigned kDown = WM_LBUTTONDOWN, kMove = WM_MOUSEMOVE;

constexpr AnnotModeRow kLegendRows[] = {
    {5, &AlignLegendsHorizontally, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>,
     &SelectThen<P::kAll, &AlignLegendsHorizontally>, &StopTool, nullptr, true},
    {-6, &AlignLegendsVertically, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>,
     &SelectThen<P::kAll, &AlignLegendsVertically>, &StopTool, nullptr, true},
};

}  // namespace

void RegisterLegendModes() {
  for (const AnnotModeRow& row : kLegendRows) CSecAnnotTool::SetModeRow(row);
}

}  // namespace zv::annot

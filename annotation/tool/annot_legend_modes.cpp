#include "annotation/tool/annot_legend_modes.h"

#include "annotation/tool/annot_legend_align.h"
#include "annotation/tool/annot_legend_gather.h"
#include "annotation/tool/annot_legend_place.h"
#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {
namespace {

using P = AnnotPick;
constexpr unsigned kDown = WM_LBUTTONDOWN, kMove = WM_MOUSEMOVE;

constexpr AnnotModeRow kLegendRows[] = {
    {3, &ArmLegendPick, &PickLegendAtPoint, &TrackPickBox, nullptr, &StopTool, &DrawPickBox, true},
    {-4, &GatherLegendByLine, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>,
     &SelectThen<P::kLin, &GatherLegendByLine>, nullptr, nullptr, true},
    {4, &GatherLegendByRegion, &SelectStep<P::kReg, kDown>, &SelectStep<P::kReg, kMove>,
     &SelectThen<P::kReg, &GatherLegendByRegion>, &StopTool, nullptr, true},
    {-5, nullptr, &BeginGatherBox, &TrackGatherBox, &EndGatherBox, nullptr, &DrawGatherBox, true},
    {5, &AlignLegendsHorizontally, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>,
     &SelectThen<P::kAll, &AlignLegendsHorizontally>, &StopTool, nullptr, true},
    {-6, &AlignLegendsVertically, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>,
     &SelectThen<P::kAll, &AlignLegendsVertically>, &StopTool, nullptr, true},
};

}  // namespace

void RegisterLegendModes() {
  for (const AnnotModeRow& row : kLegendRows) CSecAnnotTool::SetModeRow(row);
  // 制作图例 begins in the legend library; offered once that step is bound.
  CSecAnnotTool::SetModeRow({-1, &MakeLegend, nullptr, &SelectStep<P::kLin, kMove>, &PlaceLegends,
                             &CancelLegendPlacement, nullptr, IsLegendItemChooserBound()});
}

}  // namespace zv::annot

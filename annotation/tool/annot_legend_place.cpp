#include "annotation/tool/annot_legend_place.h"

#include <QString>
#include <string>

#include "annotation/core/legend_place_files.h"
#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

LegendItemChooser& Chooser() {
  static LegendItemChooser chooser = nullptr;
  return chooser;
}

}  // namespace

void BindLegendItemChooser(LegendItemChooser chooser) { Chooser() = chooser; }
bool IsLegendItemChooserBound() { return Chooser() != nullptr; }

void MakeLegend(CSecAnnotTool& tool) {
  if (Chooser() && Chooser()(tool)) tool.m_bLegendReady = 1;
}

void PlaceLegends(CSecAnnotTool& tool, unsigned, CPoint point) {
  CGisEditView* view = tool.View();
  if (!tool.m_bLegendReady || !view) return;
  LegendLayout layout;
  layout.columns = tool.m_nLegendColumns;
  layout.rows = tool.m_nLegendRows;
  layout.width = tool.m_dLegendWidth;
  layout.height = tool.m_dLegendHeight;
  layout.spaceX = tool.m_dLegendSpaceX;
  layout.spaceY = tool.m_dLegendSpaceY;
  layout.textMode = tool.m_nLegendTextMode;
  const LegendTargets targets{tool.m_nPntArea, tool.m_nLinArea, tool.m_nRegArea};
  const LegendFilesPlaced placed = PlaceLegendFiles(layout, targets, view->_WpToLp(point), tool.m_strLegendItems);
  // The grid's open side, once set to 100, stays so for the next placement.
  tool.m_nLegendRows = layout.rows;
  tool.m_nLegendColumns = layout.columns;
  GisUndo& undo = view->GetUndo();
  undo.BeginStep();
  PushPlacedLegends(undo, targets, placed.ids);
  undo.EndStep();
  for (const std::string& message : placed.messages)
    prompt::Message(QString::fromStdString(message), prompt::kIconWarning);
  view->_UpdateWindow();
}

void CancelLegendPlacement(CSecAnnotTool& tool, unsigned, CPoint) {
  tool.m_bLegendReady = 0;
  if (CGisEditView* view = tool.View()) view->CancelInterActive();
}

}  // namespace zv::annot

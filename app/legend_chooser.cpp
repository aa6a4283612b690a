#include "app/legend_chooser.h"

#include <QDialog>

#include "annotation/tool/annot_legend_place.h"
#include "panels/legend_library_dlg.h"

namespace zv {
namespace {

bool ChooseLegendItems(annot::CSecAnnotTool& tool) {
  panels::CLegendLibraryDlg dialog;
  if (dialog.DoModal() != QDialog::Accepted) return false;
  tool.m_nLegendColumns = dialog.m_nColumns;
  tool.m_nLegendRows = dialog.m_nRows;
  tool.m_dLegendWidth = dialog.m_nWidth;
  tool.m_dLegendHeight = dialog.m_nHeight;
  tool.m_dLegendSpaceX = dialog.m_nSpaceX;
  tool.m_dLegendSpaceY = dialog.m_nSpaceY;
  tool.m_nLegendTextMode = dialog.m_nTextMode;
  tool.m_strLegendItems = dialog.m_strItems;
  return true;
}

}  // namespace

void BindLegendLibraryChooser() { annot::BindLegendItemChooser(&ChooseLegendItems); }

}  // namespace zv

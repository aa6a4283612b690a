#include "annotation/tool/annot_legend_gather.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "annotation/core/legend_gather.h"
#include "common/dialogs/value_input_dlg.h"
#include "framework/prompts/prompts.h"
#include "panels/core/legend_item_file.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"

namespace zv::annot {
namespace {

// Half the pick box, in window pixels.
constexpr int kPickBoxHalfWidth = 48;
constexpr int kPickBoxHalfHeight = 32;
constexpr char kNoSize[] = "获取范围没有宽度或高度，不能制作图例。";

constexpr int16_t kNameMode = 1;  // "文件名：" "图例名称"

void Tell(const std::string& text) { prompt::Message(QString::fromStdString(text), prompt::kIconWarning); }

// The number first, then the name; anything but OK writes nothing. The
// name is cleaned and cut before it goes into both the header and the file
// name, so the two agree.
void WriteLegendItemFile(const LegendSample& sample, QWidget* parent) {
  std::string error;
  const std::optional<std::string> number = panels::NextFreeLegendNumber(&error);
  if (!number) {
    Tell(error);
    return;
  }
  CValueInputDlg dialog(kNameMode, parent);
  if (dialog.DoModal() != QDialog::Accepted) return;
  panels::LegendHeader header;
  header.number = *number;
  header.name = panels::CleanLegendName(dialog.Value().toStdString());
  const std::string path = panels::LegendFolder() + panels::LegendFileName(header.number, header.name);
  if (!panels::WriteLegendItemFile(path, header, {sample.points(), sample.lines(), sample.regions()}, &error))
    Tell(error);
}

void GatherAndWrite(CSecAnnotTool& tool, const GatherOutline& outline) {
  for (std::size_t i = 0; i < outline.size(); ++i) tool.m_GatherBox[i] = outline[i];
  if (!OutlineHasSize(outline)) {
    Tell(kNoSize);
    return;
  }
  const std::vector<WorkAreaHandle> sources = ProjectOrCurrentAreas(*tool.View());
  const std::unique_ptr<LegendSample> sample = GatherLegendSample(outline, sources);
  if (sample) WriteLegendItemFile(*sample, tool.View());
}

void XorPickBox(CSecAnnotTool& tool) {
  const int32_t* r = tool.m_rcPickBox;
  tool.View()->_DrawXORRect(r[0], r[1], r[2], r[3]);
}

void StorePickBox(CSecAnnotTool& tool, CPoint at) {
  tool.m_rcPickBox[0] = at.x + kPickBoxHalfWidth;
  tool.m_rcPickBox[1] = at.y + kPickBoxHalfHeight;
  tool.m_rcPickBox[2] = at.x - kPickBoxHalfWidth;
  tool.m_rcPickBox[3] = at.y - kPickBoxHalfHeight;
}

void XorGatherBox(CSecAnnotTool& tool) {
  tool.View()->_DrawXORRect(tool.m_ptBoxStart.x, tool.m_ptBoxStart.y, tool.m_ptBoxEnd.x, tool.m_ptBoxEnd.y);
}

// The one selected entity of the type asked for, on a valid work area.
bool OnlySelected(const CSecAnnotTool& tool, int16_t type, ENTITY_MSG* entry) {
  const CGisEditView* view = tool.View();
  if (!view || view->PoolCount() != 1) return false;
  *entry = view->Pool()[0];
  return entry->type == type && BasIsWorkAreaValid(entry->area);
}

}  // namespace

void ArmLegendPick(CSecAnnotTool& tool) { tool.m_bPickLegend = 1; }

void PickLegendAtPoint(CSecAnnotTool& tool, unsigned, CPoint point) {
  if (!tool.m_bPickLegend) return;
  GatherAndWrite(tool, OutlineAroundPoint(tool.View()->_WpToLp(point)));
}

void TrackPickBox(CSecAnnotTool& tool, unsigned, CPoint point) {
  if (!tool.m_bPickLegend) return;
  if (++tool.m_nMoveCount == 1) XorPickBox(tool);
  XorPickBox(tool);
  StorePickBox(tool, point);
  XorPickBox(tool);
}

void DrawPickBox(CSecAnnotTool& tool, KernelDriver*) {
  if (!tool.m_bPickLegend) return;
  StorePickBox(tool, tool.m_ptCursor);
  XorPickBox(tool);
}

void GatherLegendByLine(CSecAnnotTool& tool) {
  ENTITY_MSG e{};
  D_RECT r{};
  if (OnlySelected(tool, kLineEntity, &e) && BasGetLineRect(e.area, e.id, &r)) GatherAndWrite(tool, OutlineOfRect(r));
}

void GatherLegendByRegion(CSecAnnotTool& tool) {
  ENTITY_MSG e{};
  D_RECT r{};
  if (OnlySelected(tool, kRegionEntity, &e) && BasGetRegionRect(e.area, e.id, &r))
    GatherAndWrite(tool, OutlineOfRect(r));
}

void BeginGatherBox(CSecAnnotTool& tool, unsigned, CPoint point) {
  tool.m_ptBoxStart = tool.m_ptBoxEnd = point;
  tool.m_bBoxDragging = 1;
  XorGatherBox(tool);
}

void TrackGatherBox(CSecAnnotTool& tool, unsigned, CPoint point) {
  if (!tool.m_bBoxDragging) return;
  XorGatherBox(tool);
  tool.m_ptBoxEnd = point;
  XorGatherBox(tool);
}

void EndGatherBox(CSecAnnotTool& tool, unsigned, CPoint point) {
  // A release without its press gathers nothing.
  if (!tool.m_bBoxDragging) return;
  tool.m_bBoxDragging = 0;
  tool.m_ptBoxEnd = point;
  const CGisEditView* view = tool.View();
  GatherAndWrite(tool, OutlineOfDrag(view->_WpToLp(tool.m_ptBoxStart), view->_WpToLp(tool.m_ptBoxEnd)));
}

void DrawGatherBox(CSecAnnotTool& tool, KernelDriver*) {
  if (tool.m_bBoxDragging) XorGatherBox(tool);
}

}  // namespace zv::annot

#include "annotation/tool/annot_fill.h"

#include <QDialog>
#include <QString>
#include <algorithm>
#include <string>

#include "annotation/core/pattern_fill.h"
#include "annotation/tool/annot_delete.h"
#include "framework/prompts/prompts.h"
#include "panels/hatch_lib_dlg.h"
#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

constexpr char kNoAreas[] = "你好像忘记点什么？\n请先设置当前点线面文件";
constexpr char kNoPatternChosen[] = "没有选择图案，未填充图案。";

// One outline to fill: its rings, the tag, and the region to recolour.
struct FillJob {
  Rings rings;
  int32_t tag = 0;
  ENTITY_MSG recolour{};  // id 0: none
};

FillTargets TargetsOf(const CSecAnnotTool& tool) { return {tool.m_nPntArea, tool.m_nLinArea, tool.m_nRegArea}; }

bool HasAreas(const CSecAnnotTool& tool) {
  if (tool.m_nLinArea && tool.m_nPntArea && tool.m_nRegArea) return true;
  prompt::Message(QString::fromUtf8(kNoAreas));
  return false;
}

// The dialog; on OK its values become the tool's hatch settings.
bool AskSettings(CSecAnnotTool& tool, const int* fillColour) {
  panels::CHatchLibDlg dialog(tool.View());
  if (fillColour) dialog.m_nFillColor = *fillColour;
  if (dialog.DoModal() != QDialog::Accepted) return false;
  tool.m_strPatternFile = dialog.m_strPatternFile;
  tool.m_strPatternName = dialog.m_strPatternName;
  tool.m_dAngle = dialog.m_dAngle;
  tool.m_dStartAngle = dialog.m_dStartAngle;
  tool.m_dEndAngle = dialog.m_dEndAngle;
  tool.m_nPatternColor = dialog.m_nPatternColor;
  tool.m_nFillColor = dialog.m_nFillColor;
  tool.m_dScaleX = dialog.m_dScaleX;
  tool.m_dScaleY = dialog.m_dScaleY;
  tool.m_fLineWidth = dialog.m_fLineWidth;
  tool.m_nPatternSource = static_cast<int16_t>(dialog.m_nPatternSource);
  tool.m_nAngleKind = static_cast<int16_t>(dialog.m_nAngleKind);
  tool.m_nPatternIndex = dialog.m_nPatternIndex;
  tool.m_nPatternExtra = dialog.m_nPatternExtra;
  if (tool.m_nAngleKind == 0) tool.m_dAngle = (tool.m_dStartAngle + tool.m_dEndAngle) * 0.5;
  return true;
}

HatchSettings SettingsOf(const CSecAnnotTool& tool) {
  HatchSettings s;
  s.patternFile = tool.m_strPatternFile;
  s.patternName = tool.m_strPatternName;
  s.angle = tool.m_dAngle;
  s.startAngle = tool.m_dStartAngle;
  s.endAngle = tool.m_dEndAngle;
  s.patternColor = tool.m_nPatternColor;
  s.scaleX = tool.m_dScaleX;
  s.scaleY = tool.m_dScaleY;
  s.lineWidth = tool.m_fLineWidth;
  s.patternSource = tool.m_nPatternSource;
  s.angleKind = tool.m_nAngleKind;
  s.patternIndex = tool.m_nPatternIndex;
  return s;
}

void Finish(CSecAnnotTool& tool) {
  CGisEditView* view = tool.View();
  tool.Stop();
  view->_UpdateWindow();
}

void Refuse(CSecAnnotTool& tool, const std::string& why) {
  prompt::Message(QString::fromUtf8(why));
  Finish(tool);
}

void RecordAppended(GisUndo& undo, const FillTargets& areas, const FillResult& r) {
  std::vector<int32_t> arcs;
  for (int32_t region : r.regions) {
    std::vector<int32_t> list;
    if (BasReadRegion(areas.regions, region, &list, nullptr) <= 0) continue;
    for (std::size_t i = 1; i < list.size(); ++i)
      if (list[i] != 0) arcs.push_back(std::abs(list[i]));
  }
  // Arcs before their regions: undo takes the regions away first.
  if (!arcs.empty()) undo.PushList(areas.regions, kLineEntity, arcs, GisUndo::kAppended);
  if (!r.regions.empty()) undo.PushList(areas.regions, kRegionEntity, r.regions, GisUndo::kAppended);
  if (!r.lines.empty()) undo.PushList(areas.lines, kLineEntity, r.lines, GisUndo::kAppended);
  if (!r.points.empty()) undo.PushList(areas.points, kPointEntity, r.points, GisUndo::kAppended);
}

void Recolour(GisUndo& undo, const ENTITY_MSG& region, int colour) {
  std::vector<int32_t> arcs;
  REG_INFO info;
  if (region.id == 0 || BasReadRegion(region.area, region.id, &arcs, &info) <= 0) return;
  undo.PushList(region.area, kRegionEntity, {region.id}, GisUndo::kChanged);
  info.setFillColour(colour);
  BasUpdateRegion(region.area, region.id, arcs, info);
}

// Checks, then one undo step: earlier patterns away, regions recoloured,
// every outline drawn.
void RunJobs(CSecAnnotTool& tool, const std::vector<FillJob>& jobs, const FillPlacement& placement,
             const std::vector<ENTITY_MSG>* replace, int selectedType) {
  // The dialog may end with no pattern chosen while its members still name
  // one chosen before (a folder without patterns).
  if (tool.m_nPatternSource != 0 && tool.m_nPatternIndex < 0) return Refuse(tool, kNoPatternChosen);
  const HatchSettings settings = SettingsOf(tool);
  std::string why;
  const std::optional<FillSource> source = LoadFillSource(settings, &why);
  if (!source) return Refuse(tool, why);
  for (const FillJob& job : jobs)
    if (!FitsCap(settings, *source, job.rings, placement)) return Refuse(tool, "图案太密（比例太小），未填充图案。");

  const FillTargets areas = TargetsOf(tool);
  GisUndo& undo = tool.View()->GetUndo();
  undo.BeginStep();
  if (replace) {
    RemovePatterns(undo, areas, FindPatterns(*replace, selectedType, areas));
  }
  std::vector<std::string> notes;
  for (const FillJob& job : jobs) {
    Recolour(undo, job.recolour, tool.m_nFillColor);
    const FillResult result = FillRings(settings, *source, job.rings, job.tag, placement, areas);
    RecordAppended(undo, areas, result);
    for (const std::string& note : result.notes)
      if (std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
  }
  undo.EndStep();
  if (!notes.empty()) {
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "\n") + note;
    prompt::Message(QString::fromUtf8(text));
  }
  Finish(tool);
}

void FillSelection(CSecAnnotTool& tool, int selectedType) {
  if (!HasAreas(tool)) return;
  CGisEditView* view = tool.View();
  if (view->PoolCount() == 0 || !BasIsWorkAreaValid(view->Pool()[0].area)) return;
  const std::vector<ENTITY_MSG> pool(view->Pool(), view->Pool() + view->PoolCount());
  int presetColour = 0;
  const int* preset = nullptr;
  REG_INFO first;
  if (selectedType == kRegionEntity && pool[0].type == kRegionEntity &&
      BasReadRegion(pool[0].area, pool[0].id, nullptr, &first) > 0) {
    presetColour = first.fillColour();
    preset = &presetColour;
  }
  if (!AskSettings(tool, preset)) return tool.Stop();
  std::vector<FillJob> jobs;
  for (const ENTITY_MSG& e : pool) {
    if (e.type != selectedType) continue;
    Rings rings = EntityRings(e.area, selectedType, e.id);
    if (rings.empty()) continue;
    jobs.push_back({std::move(rings), e.id, selectedType == kRegionEntity ? e : ENTITY_MSG{}});
  }
  RunJobs(tool, jobs, {}, &pool, selectedType);
}

}  // namespace

void FillRegionsWithAnglePattern(CSecAnnotTool& tool) { FillSelection(tool, kRegionEntity); }
void FillLinesWithAnglePattern(CSecAnnotTool& tool) { FillSelection(tool, kLineEntity); }

void FillOneOutline(CSecAnnotTool& tool, const Rings& outline, const D_DOT* anchor) {
  if (!HasAreas(tool)) return;
  if (!AskSettings(tool, nullptr)) return tool.Stop();
  FillPlacement placement;
  if (anchor) {
    tool.m_dAngle = 0;
    tool.m_nAngleKind = 0;
    placement.fanAllowed = false;
    placement.anchor = anchor;
  }
  RunJobs(tool, {{outline, kTrendPatternTag, {}}}, placement, nullptr, 0);
}

}  // namespace zv::annot

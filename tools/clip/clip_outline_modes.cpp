// Modes −1, −6 and 6: an outline from the selected line, from the selected
// region's rings or from clicks, then the save-path and clip dialogs, and
// the clip written into the chosen folder and opened as a new project.
#include <QString>
#include <QStringList>
#include <filesystem>

#include "common/dialogs/save_path_dlg.h"
#include "framework/docview/win_app.h"
#include "framework/prompts/prompts.h"
#include "platform/files/work_area_file.h"
#include "platform/progress/progress.h"
#include "platform/project/map_project.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"
#include "tools/clip/clip_param_dlg.h"
#include "tools/clip/core/clip_engine.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

constexpr const char* kUnnamedProject = "未命名.mpj";
constexpr const char* kUnnamedFile = "未命名";
constexpr int kDrawnOutlineColour = 5;

// The project items of the kinds regions, points, lines, in item order;
// items without a work area (missing files, images) are left out.
std::vector<ClipSource> ProjectSources(const MapProject* project) {
  std::vector<ClipSource> sources;
  for (const int kind : {kRegionArea, kPointArea, kLineArea})
    for (const int index : PrjListItems(project, kind))
      if (const WorkAreaHandle area = PrjGetItemArea(project, index))
        sources.push_back({area, PrjGetItemPath(project, index)});
  return sources;
}

// The view's current areas that hold something, named after their files.
std::vector<ClipSource> AreaSources(std::initializer_list<WorkAreaHandle> areas) {
  std::vector<ClipSource> sources;
  for (const WorkAreaHandle area : areas) {
    if (area == 0 || BasIsWorkAreaEmpty(area) != 0) continue;
    std::string path = BasGetWorkAreaFileName(area);
    if (path.empty()) path = std::string(kUnnamedFile) + WorkAreaExtension(BasGetWorkAreaType(area));
    sources.push_back({area, path});
  }
  return sources;
}

QString ExistingQuestion(const std::vector<std::string>& existing) {
  QStringList names;
  for (const std::string& path : existing) names << QString::fromStdString(path);
  return QStringLiteral("以下文件已存在，是否覆盖？\n") + names.join('\n');
}

}  // namespace

void CSecClipTool::ClipBySelectedLine() {
  const ENTITY_MSG* entry = FirstSelected(kLineEntity);
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  if (!entry || !BasReadLine(entry->area, entry->id, &vertices, &info) || vertices.empty()) return;
  vertices.push_back(vertices.front());
  ClipFiles({vertices}, info);
}

void CSecClipTool::ClipAfterSelectLine(unsigned flags, CPoint point) {
  if (m_pView->SelectLin(WM_LBUTTONUP, flags, point) == 1) ClipBySelectedLine();
}

void CSecClipTool::ClipBySelectedRegion() {
  const ENTITY_MSG* entry = FirstSelected(kRegionEntity);
  std::vector<std::vector<D_DOT>> rings;
  // The rings, not the arcs joined end to end: a region of several arcs or
  // with holes bounds the area it shows.
  if (!entry || !BasGetRegionRings(entry->area, entry->id, &rings) || rings.empty()) return;
  ClipFiles(rings, *BasGetDefaultLineParam());
}

void CSecClipTool::SelectRegion(unsigned flags, CPoint point) { m_pView->SelectReg(WM_LBUTTONDOWN, flags, point); }
void CSecClipTool::SelectRegionMove(unsigned flags, CPoint point) { m_pView->SelectReg(WM_MOUSEMOVE, flags, point); }

void CSecClipTool::ClipAfterSelectRegion(unsigned flags, CPoint point) {
  m_pView->SelectReg(WM_LBUTTONUP, flags, point);
  ClipBySelectedRegion();
}

void CSecClipTool::ClipByDrawnLine(unsigned, CPoint) {
  if (vertices_.size() >= 2) {
    if (rubberShown_) m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
    rubberShown_ = false;
    std::vector<D_DOT> outline = std::move(vertices_);
    vertices_.clear();
    drawing_ = 0;
    outline.push_back(outline.front());
    ClipFiles({outline}, *BasGetDefaultLineParam());
    m_pView->_UpdateWindow();
  }
  Stop();
}

void CSecClipTool::DrawOutline() {
  if (!dc_ || vertices_.size() < 2) return;
  dc_->SetColor(kDrawnOutlineColour);
  for (std::size_t i = 1; i < vertices_.size(); ++i) {
    const CPoint a = m_pView->_LpToWp(vertices_[i - 1]), b = m_pView->_LpToWp(vertices_[i]);
    dc_->_Line(a.x, a.y, b.x, b.y);
  }
}

void CSecClipTool::ClipFiles(const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line) {
  if (outline.empty() || outline.front().size() < 4) return;
  if (!OutlineEnclosesArea(outline)) {
    prompt::Message("裁剪边界不围成面积，无法裁剪。", prompt::kIconWarning);
    return;
  }
  const auto* projectView = dynamic_cast<const CPrjEditView*>(m_pView);
  const MapProject* project = projectView ? projectView->GetProject() : nullptr;
  if (!project || PrjGetItemCount(project) == 0) {
    ClipProject(outline, line);
    return;
  }
  ClipJob job;
  job.sources = ProjectSources(project);
  job.projectName = ClippedProjectName(std::filesystem::path(PrjGetFileName(project)).filename().string());
  MapParams params;
  if (PrjGetMapParams(project, &params) == 1) job.mapParams = params;
  job.itemState = kItemShown;
  RunClipJob(std::move(job), outline, line);
}

void CSecClipTool::ClipProject(const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line) {
  ClipJob job;
  job.sources = AreaSources({m_regAi, m_pntAi, m_linAi});
  job.projectName = ClippedProjectName(kUnnamedProject);
  job.itemState = kItemCurrent;
  RunClipJob(std::move(job), outline, line);
}

void CSecClipTool::RunClipJob(ClipJob job, const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line) {
  CSavePathDlg pathDialog(prompt::GetMainWnd());
  pathDialog.SetMode(0);
  if (!folder_.empty()) pathDialog.SetFolder(QString::fromStdString(folder_));
  if (pathDialog.DoModal() != QDialog::Accepted) return;
  folder_ = pathDialog.Folder().toStdString();
  CClipParamDlg paramDialog(prompt::GetMainWnd());
  if (prompt::Current().Exec(paramDialog) != QDialog::Accepted) return;
  const ClipParams& p = paramDialog.values();
  job.outline = outline;
  job.outlineLine = line;
  job.mode = p.Mode();
  job.factor = p.Factor();
  job.newScale = p.newScale;
  job.folder = folder_;
  if (p.inside && p.frame) job.frame = ClipFrameRequest{p.oldScale, p.newScale, p.line, p.text};

  const ClipPlan plan = PlanClip(job);
  if (!plan.error.empty()) {
    prompt::Message(QString::fromStdString(plan.error), prompt::kIconWarning);
    return;
  }
  if (!plan.existing.empty() &&
      prompt::Message(ExistingQuestion(plan.existing), prompt::kYesNo | prompt::kIconQuestion) != prompt::kAnswerYes)
    return;
  StartProgress("图形裁剪");
  SetRange(0, static_cast<int64_t>(job.sources.size()));
  int64_t done = 0;
  job.progress = [&done](const std::string& name) {
    SetSubProgressName(name);
    SetPos(done++);
  };
  const ClipOutcome outcome = RunClip(job, plan);
  EndProgress();
  if (!outcome.error.empty()) {
    prompt::Message(QString::fromStdString(outcome.error), prompt::kIconStop);
    return;
  }
  if (docview::CWinApp* app = docview::App()) app->OpenDocumentFile(QString::fromStdString(outcome.projectPath));
}

}  // namespace zv::tools

#include "zavediz/draw/section_commands.h"

#include "app/app_settings.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"
#include "framework/prompts/prompts.h"
#include "platform/project/map_project.h"
#include "platform/view/appended_entities.h"
#include "views/view_commands.h"
#include "zavediz/draw/plan_strip.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/section_request_handler.h"
#include "zavediz/draw/zavediz_request_post.h"
#include "zavediz/plan/plan_section_binding.h"

namespace zv::zavediz {
namespace {

constexpr int kNewSectionCommand = 32808;  // 新建文件: a section document, no dialog

// The plan document of a plan view's command, with its view; null outside
// the running program.
struct PlanTarget {
  CPrjEditView* plan = nullptr;
  CZavedizDoc* doc = nullptr;
};

PlanTarget PlanTargetOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  auto* plan = view ? dynamic_cast<CPrjEditView*>(view->Widget()) : nullptr;
  auto* doc = view ? dynamic_cast<CZavedizDoc*>(view->GetDocument()) : nullptr;
  if (plan == nullptr || doc == nullptr || docview::App() == nullptr) return {};
  return {plan, doc};
}

// A new section document asked to draw what the cut prepared.
void DrawCut(CZavedizDoc& doc, const CutOutcome& cut) {
  if (cut.operation == 0) {
    prompt::Message(QString::fromStdString(cut.message));
    return;
  }
  cmd::Execute({docview::App()}, kNewSectionCommand);
  PostZavedizRequest(doc, cut.operation);
}

void OnCutZavediz(cmd::CommandTarget& target) {
  const PlanTarget at = PlanTargetOf(target);
  if (at.doc == nullptr) return;
  const PlanSection& line = PlanSectionBinding::Of(*at.plan, at.doc->Section()).Controller().Plan();
  DrawCut(*at.doc, CutZavediz(at.doc->Section(), static_cast<int>(line.vertices.size()), Settings().ichnography));
}

// Each run opens another section document from the same survey profile.
void OnDrawSurveyZavediz(cmd::CommandTarget& target) {
  const PlanTarget at = PlanTargetOf(target);
  if (at.doc != nullptr) DrawCut(*at.doc, CutSurveyZavediz(at.doc->Section(), Settings().ichnography));
}

void OnSaveZavediz(cmd::CommandTarget& target) {
  if (auto* view = dynamic_cast<CSecGisEditView*>(EditViewOf(target))) SectionRequestHandler::Of(*view).SaveZavediz();
}

// 读取平面数据: the plan the section was drawn from last (none once it is
// closed) gives its corridor's content to the strip, as one undo step.
void OnReadPlanData(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecGisEditView*>(EditViewOf(target));
  if (view == nullptr) return;
  CZavedizDoc* plan = SectionRequestHandler::Of(*view).Document();
  PlanStripSources sources;
  if (const MapProject* project = plan ? plan->GetProject() : nullptr)
    sources = {PrjGetAreaList(project, kPointArea), PrjGetAreaList(project, kLineArea),
               PrjGetAreaList(project, kRegionArea)};
  const ZavedizAreas into{view->GetCurrentLinArea(), view->GetCurrentPntArea(), view->GetCurrentRegArea()};
  std::string refusal;
  view->RunCommand([&] {
    const AppendedEntities appended(into.point, into.line, into.region);
    refusal = ReadPlanDataForZavediz(plan ? &plan->Section() : nullptr, sources, Settings().ichnography, into);
    appended.Push(view->GetUndo());
  });
  if (!refusal.empty()) {
    prompt::Message(QString::fromStdString(refusal));
    return;
  }
  view->_UpdateWindow();
}

constexpr cmd::CommandRow kPlanRows[] = {
    cmd::Handler(32787, OnCutZavediz, "CutZavediz"),
    cmd::Handler(32971, OnDrawSurveyZavediz, "DrawSurveyZavediz"),
};
constexpr cmd::CommandRow kSectionRows[] = {
    cmd::Handler(32799, OnSaveZavediz, "SaveZavediz"),
    cmd::Handler(33193, OnReadPlanData, "ReadPlanDataForZavediz"),  // 剖面图补充/读取平面数据
};

// 保存剖面 and 读取平面数据 are already items of the section view's menus.
constexpr cmd::MenuRow kMenu[] = {
    {cmd::kMenuPlan, "&C剖面图/图切剖面", 32787},
    {cmd::kMenuPlan, "&C剖面图/绘制剖面", 32971},
};

}  // namespace

void RegisterSectionCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecPrjToolView", kPlanRows);
  cmd::Registry().AddRows("CSecToolView", kSectionRows);
  cmd::Menus().AddRows(kMenu);
  BindSectionRequests();
}

}  // namespace zv::zavediz

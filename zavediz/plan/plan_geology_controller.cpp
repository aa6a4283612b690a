#include "zavediz/plan/plan_geology_controller.h"

#include "common/globals/program_globals.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "zavediz/plan/geology_reading.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

constexpr int kCrossMode = 7;  // the cross toggles

void Tell(const std::string& text) {
  if (!text.empty()) prompt::Message(QString::fromStdString(text));
}

}  // namespace

PlanGeologyController::PlanGeologyController(CPrjEditView& view, SectionData& data, bool& geologyRead,
                                             std::function<void()> showAttributeBar)
    : view_(view), data_(data), geologyRead_(geologyRead), showAttributeBar_(std::move(showAttributeBar)) {}

PlanGeologyController::~PlanGeologyController() {
  delete boreholeDlg_.data();
  delete trenchDlg_.data();
}

bool PlanGeologyController::IsDesignFlag(long flag) { return flag == kFlagDesignBorehole || flag == kFlagDesignTrench; }

bool PlanGeologyController::IsGeologyRequest(intptr_t code) {
  return code == kStoreBoreholeRequest || code == kEndDesignRequest || code == kStoreTrenchRequest ||
         code == kReadGeologyRequest;
}

// ---- Design boreholes and trenches ---------------------------------------------

void PlanGeologyController::OnDesignBorehole() { BeginDesign(DesignKind::kBorehole); }
void PlanGeologyController::OnDesignTrench() { BeginDesign(DesignKind::kTrench); }

void PlanGeologyController::BeginDesign(DesignKind kind) {
  if (!data_.lineStored) {
    Tell(kNoTerrainDataMessage);
    return;
  }
  const bool borehole = kind == DesignKind::kBorehole;
  view_._SetCommandFlag(borehole ? kFlagDesignBorehole : kFlagDesignTrench);
  bool clear = false;
  if (CountDesign(data_, kind) > 0) {
    const char* question = borehole ? kClearBoreholesQuestion : kClearTrenchesQuestion;
    clear = prompt::Message(QString::fromUtf8(question), prompt::kYesNo | prompt::kIconQuestion) == prompt::kAnswerYes;
  }
  zavediz::BeginDesign(data_, kind, clear, borehole ? boreholes_ : trenches_);
}

template <typename Dialog>
Dialog* PlanGeologyController::DialogOn(QPointer<Dialog>& dialog) {
  if (!dialog) {
    dialog = new Dialog(&view_);
    dialog->show();
  }
  return dialog;
}

bool PlanGeologyController::LButtonDown(unsigned, CPoint point) {
  const long flag = view_._GetCommandFlag();
  if (!IsDesignFlag(flag)) return false;
  view_.Draw_Cross(point, kCrossMode);
  const bool borehole = flag == kFlagDesignBorehole;
  const DesignKind kind = borehole ? DesignKind::kBorehole : DesignKind::kTrench;
  const DesignClick click = PlaceDesign(data_, kind, borehole ? boreholes_ : trenches_, view_._WpToLp(point));
  if (borehole) {
    DialogOn(boreholeDlg_)->ShowClick(click);
  } else {
    DialogOn(trenchDlg_)->ShowClick(click);
  }
  Tell(click.message);
  return true;
}

void PlanGeologyController::StoreBorehole() {
  if (!boreholeDlg_) return;
  Tell(StoreDesignBorehole(data_, boreholes_, boreholeDlg_->Values()).message);
}

void PlanGeologyController::StoreTrench() {
  if (!trenchDlg_) return;
  Tell(StoreDesignTrench(data_, trenches_, trenchDlg_->Values()).message);
}

void PlanGeologyController::EndDesign() {
  view_._SetCommandFlag(kFlagIdle);
  // A dialog left open would take values that nothing stores any more.
  if (boreholeDlg_) boreholeDlg_->Dismiss();
  if (trenchDlg_) trenchDlg_->Dismiss();
  boreholeDlg_ = nullptr;
  trenchDlg_ = nullptr;
}

void PlanGeologyController::OnPlanRequest(intptr_t code) {
  switch (code) {
    case kStoreBoreholeRequest:
      StoreBorehole();
      break;
    case kEndDesignRequest:
      EndDesign();
      break;
    case kStoreTrenchRequest:
      StoreTrench();
      break;
    case kReadGeologyRequest:
      ReadGeologyInfo();
      break;
    default:
      break;
  }
}

// ---- Geology ----------------------------------------------------------------------

void PlanGeologyController::ReadGeologyInfo() {
  if (!view_.GetProject()) return;
  GeologyRegionArea() = view_.GetCurrentRegArea();
  const GeologyReading reading = ReadGeologyCrossings(data_, geologyRead_, view_.GetCurrentRegArea());
  for (const std::string& message : reading.messages) Tell(message);
  if (!reading.refused) OnSetStrataInfo();
}

void PlanGeologyController::OnSetStrataInfo() {
  if (showAttributeBar_) showAttributeBar_();
  msg::PaneWindows().Post(msg::PaneEntry::kStrataList, msg::kRefillList, 1, view_.GetCurrentRegArea());
}

}  // namespace zv::zavediz

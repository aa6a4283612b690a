#include "zavediz/plan/plan_section_controller.h"

#include <QStringList>
#include <algorithm>

#include "common/dialogs/scale_dlg.h"
#include "common/globals/program_globals.h"
#include "framework/prompts/prompts.h"
#include "platform/project/map_project.h"
#include "zavediz/dialogs/title_block_dlg.h"
#include "zavediz/plan/elevation_range_dlg.h"
#include "zavediz/plan/pick_terrain_point_dlg.h"
#include "zavediz/plan/plan_messages.h"

namespace zv::zavediz {
namespace {

void Tell(const char* text) { prompt::Message(QString::fromUtf8(text)); }

void TellUnlessEmpty(const std::string& text) {
  if (!text.empty()) prompt::Message(QString::fromStdString(text));
}

// The attribute-field chooser of the program: CScaleDlg in its field mode.
std::optional<std::string> ChooseFieldByDialog(QWidget* parent, const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << QString::fromStdString(name);
  CScaleDlg dialog(1, parent);
  dialog.SetFieldNames(list);
  if (dialog.DoModal() != QDialog::Accepted) return std::nullopt;
  return dialog.Value().toStdString();
}

// The program's header step: the title-block dialog with its defaults and the
// caller's preset texts.
std::optional<ZavedizHeader> AskTitleBlock(QWidget* parent, const std::optional<TitleBlockPreset>& preset) {
  CTitleBlockDlg dialog(parent);
  if (preset) dialog.SetPreset(*preset);
  if (dialog.DoModal() != QDialog::Accepted) return std::nullopt;
  return HeaderFromTitleBlock(dialog.Values(), dialog.Rows());
}

}  // namespace

struct PlanSectionController::MouseSteps {
  using Step = void (PlanSectionController::*)(unsigned, CPoint);
  long flag;
  Step down;
  Step move;
  Step up;
};

using C = PlanSectionController;

PlanSectionController::PlanSectionController(CPrjEditView& view, SectionData& data, HeaderDialog headerDialog,
                                             FieldChooser chooseField)
    : view_(view), data_(data), headerDialog_(std::move(headerDialog)), chooseField_(std::move(chooseField)) {
  if (!headerDialog_) {
    headerDialog_ = [this](const std::optional<TitleBlockPreset>& preset) { return AskTitleBlock(&view_, preset); };
  }
  if (!chooseField_) {
    chooseField_ = [this](const std::vector<std::string>& names, int) { return ChooseFieldByDialog(&view_, names); };
  }
}

PlanSectionController::~PlanSectionController() { delete pickDialog_.data(); }

CPickTerrainPointDlg* PlanSectionController::PickDialog() const { return pickDialog_; }

// ---- The preamble and the header ---------------------------------------------

bool PlanSectionController::BeginLine(uint16_t verticalProjection) {
  data_.verticalProjection = verticalProjection;
  BeginSectionLine(plan_, data_);
  return data_.headerSet || AskHeader();
}

bool PlanSectionController::AskHeader(const std::optional<TitleBlockPreset>& preset) {
  const std::optional<ZavedizHeader> header = headerDialog_ ? headerDialog_(preset) : std::nullopt;
  if (!header) return false;
  if (!HeaderScalesUsable(*header)) {
    Tell(kBadScalesMessage);
    return false;
  }
  StoreZavedizHeader(data_, *header);
  return true;
}

void PlanSectionController::StoreLine(const std::vector<D_DOT>& vertices) {
  if (!view_.GetProject()) return;
  plan_.vertices = vertices;
  plan_.start = vertices.front();
  plan_.end = vertices.back();
  const StoreOutcome outcome = StoreTerrainData(plan_, data_, view_.GetCurrentLinArea(), chooseField_);
  TellUnlessEmpty(outcome.message);
  view_.OnCleanWindow();
}

// ---- Commands ------------------------------------------------------------------

void PlanSectionController::OnTraceSection() {
  if (BeginLine(0)) view_._SetCommandFlag(kFlagTraceSection);
}

void PlanSectionController::OnPickSectionPoints() {
  if (!BeginLine(0) || pickDialog_) return;
  pickDialog_ = new CPickTerrainPointDlg(&view_);
  pickDialog_->show();
}

void PlanSectionController::OnTakeLine() {
  if (BeginLine(0)) view_._SetCommandFlag(kFlagTakeLine);
}

void PlanSectionController::OnTakePolyline() {
  if (BeginLine(0)) view_._SetCommandFlag(kFlagTakePolyline);
}

void PlanSectionController::OnVerticalProjection() {
  if (BeginLine(kVerticalProjection)) view_._SetCommandFlag(kFlagTakePolyline);
}

// The stored profile and line geometry are millimetres of the old scales: a
// sheet cut from them under new ones would be labelled with the wrong grid
// and elevations, so new scales drop the line, to be fixed again.
void PlanSectionController::OnSetTitleBlockData() {
  const int32_t planScale = data_.planScale, sectionScale = data_.sectionScale;
  if (!AskHeader() || !data_.lineStored) return;
  if (data_.planScale == planScale && data_.sectionScale == sectionScale) return;
  BeginSectionLine(plan_, data_);
  Tell(kScalesChangedMessage);
  view_.OnCleanWindow();
}

void PlanSectionController::OnAutoElevation() {
  savedSelectAfter_ = SelectAfterSetting();
  SelectAfterSetting() = 0;
  view_.CancelInterActive();
  if (!view_.GetProject()) {
    Tell(kOpenProjectFirstMessage);
    return;
  }
  view_._SetCommandFlag(kFlagAssignElevations);
  AddElevationField(view_.GetCurrentLinArea());
}

void PlanSectionController::OnShowAssignedContours() { MarkContours(true); }

void PlanSectionController::OnRestoreContourColour() { MarkContours(false); }

void PlanSectionController::MarkContours(bool show) {
  view_._StopFlash();
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  view_.RunCommand([&] {
    MarkAssignedContours(lines, show, savedColours_[lines], [&](const std::vector<int32_t>& ids) {
      view_.GetUndo().PushList(lines, kLineEntity, ids, GisUndo::kChanged);
    });
  });
  view_._UpdateWindow();
}

// ---- Mouse -----------------------------------------------------------------------

const PlanSectionController::MouseSteps* PlanSectionController::StepsFor(long flag) {
  static const MouseSteps kSteps[] = {
      {kFlagAssignElevations, &C::OnBandDown, &C::OnBandMove, &C::OnAssignUp},
      {kFlagTraceSection, &C::OnBandDown, &C::OnBandMove, &C::OnTraceUp},
      {kFlagPickStart, &C::OnPickPoint, nullptr, nullptr},
      {kFlagPickEnd, &C::OnPickPoint, nullptr, nullptr},
      {kFlagTakeLine, &C::OnSelectDown, &C::OnSelectMove, &C::OnSelectUp},
      {kFlagTakePolyline, &C::OnSelectDown, &C::OnSelectMove, &C::OnSelectUp},
  };
  const auto* found = std::find_if(std::begin(kSteps), std::end(kSteps), [flag](const MouseSteps& s) { return s.flag == flag; });
  return found == std::end(kSteps) ? nullptr : found;
}

bool PlanSectionController::Dispatch(MouseSteps::Step MouseSteps::*which, unsigned flags, CPoint point) {
  const MouseSteps* steps = StepsFor(view_._GetCommandFlag());
  if (!steps || !(steps->*which)) return false;
  (this->*(steps->*which))(flags, point);
  return true;
}

bool PlanSectionController::LButtonDown(unsigned flags, CPoint point) { return Dispatch(&MouseSteps::down, flags, point); }
bool PlanSectionController::MouseMove(unsigned flags, CPoint point) { return Dispatch(&MouseSteps::move, flags, point); }
bool PlanSectionController::LButtonUp(unsigned flags, CPoint point) { return Dispatch(&MouseSteps::up, flags, point); }

void PlanSectionController::OnBandDown(unsigned, CPoint point) {
  dragging_ = true;
  plan_.start = view_._WpToLp(point);
  anchor_ = bandEnd_ = point;
  view_._DrawXORLine(anchor_.x, anchor_.y, anchor_.x, anchor_.y);
  data_.terrain.RemoveAll();
  data_.geologyBoundary.RemoveAll();
  plan_.crossings.RemoveAll();
  plan_.geologyRead = false;
  bandShown_ = !bandShown_;
}

void PlanSectionController::OnBandMove(unsigned, CPoint point) {
  if (!bandShown_) return;
  view_._DrawXORLine(anchor_.x, anchor_.y, bandEnd_.x, bandEnd_.y);
  view_._DrawXORLine(anchor_.x, anchor_.y, point.x, point.y);
  bandEnd_ = point;
}

// Ends the band: what was drawn in XOR is taken off again.
bool PlanSectionController::EndBand() {
  dragging_ = false;
  if (!bandShown_) return false;
  bandShown_ = false;
  view_._DrawXORLine(anchor_.x, anchor_.y, bandEnd_.x, bandEnd_.y);
  return true;
}

void PlanSectionController::OnTraceUp(unsigned, CPoint point) {
  if (EndBand()) {
    plan_.end = view_._WpToLp(point);
    StoreLine({plan_.start, plan_.end});
  }
  view_._SetCommandFlag(kFlagIdle);
}

void PlanSectionController::OnAssignUp(unsigned, CPoint point) {
  dragging_ = false;
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const std::vector<uint16_t> projectAreas = PrjGetAreaList(view_.GetProject(), kLineArea);
  const bool current = projectAreas.size() > 1 && std::find(projectAreas.begin() + 1, projectAreas.end(), lines) != projectAreas.end();
  const char* refusal = !current ? kContoursNotCurrentMessage
                        : !PrepareElevationField(lines) ? kElevationStructureMessage
                                                        : nullptr;
  if (refusal) {
    EndBand();
    Tell(refusal);
    view_._SetCommandFlag(kFlagIdle);
    return;
  }
  const D_DOT end = view_._WpToLp(point);
  ElevationRange shown = range_;
  shown.start = FirstCrossedElevation(lines, plan_.start, end);
  CElevationRangeDlg dialog(shown, &view_);
  const bool accepted = dialog.DoModal() == QDialog::Accepted;
  if (accepted) range_ = dialog.Range();
  if (!EndBand() || !accepted) return;
  plan_.end = end;
  std::string refused;
  view_.RunCommand([&] {
    refused = AssignContourElevations(lines, plan_.start, end, range_, savedColours_[lines], [&](const std::vector<int32_t>& ids) {
      view_.GetUndo().PushList(lines, kLineEntity, ids, GisUndo::kChanged);
    });
  });
  TellUnlessEmpty(refused);
  view_._UpdateWindow();
}

void PlanSectionController::OnPickPoint(unsigned, CPoint point) {
  if (pickDialog_) pickDialog_->SetPicked(view_._GetCommandFlag() == kFlagPickStart, view_._WpToLp(point));
  view_._SetCommandFlag(kFlagIdle);
}

void PlanSectionController::OnSelectDown(unsigned flags, CPoint point) { view_.SelectLin(WM_LBUTTONDOWN, flags, point, 0); }
void PlanSectionController::OnSelectMove(unsigned flags, CPoint point) { view_.SelectLin(WM_MOUSEMOVE, flags, point, 0); }

void PlanSectionController::OnSelectUp(unsigned flags, CPoint point) {
  if (view_.SelectLin(WM_LBUTTONUP, flags, point, 0) != 1 || view_.PoolCount() != 1) return;
  const ENTITY_MSG picked = view_.Pool()[0];
  std::vector<D_DOT> vertices;
  if (!BasIsWorkAreaValid(picked.area) || BasReadLine(picked.area, picked.id, &vertices, nullptr) <= 0) return;
  if (view_._GetCommandFlag() == kFlagTakeLine) vertices = {vertices.front(), vertices.back()};
  StoreLine(vertices);
  view_._SetCommandFlag(kFlagIdle);
  view_.CancelInterActive();
  view_.ClearPool();
  if (SelectAfterSetting() != 0) view_.SelectGraphics();
}

// ---- Plan requests -----------------------------------------------------------------

void PlanSectionController::OnPlanRequest(intptr_t code, intptr_t wParam) {
  switch (code) {
    case kPickPointRequest:
      view_._SetCommandFlag(wParam != 0 ? kFlagPickStart : kFlagPickEnd);
      break;
    case kTakePickedLineRequest:
      TakePickedLine();
      break;
    case kPickDialogClosedRequest:
      pickDialog_ = nullptr;
      break;
    case kReloadSelectSettingRequest:
      SelectAfterSetting() = savedSelectAfter_;
      break;
    default:
      break;
  }
}

void PlanSectionController::TakePickedLine() {
  if (!pickDialog_) return;
  // Each line taken from the dialog starts afresh, as the other ways do.
  if (!BeginLine(0)) return;
  StoreLine({pickDialog_->Start(), pickDialog_->End()});
  view_._SetCommandFlag(kFlagIdle);
}

// ---- Overlay -------------------------------------------------------------------------

std::vector<D_DOT> PlanSectionController::OverlayChain() const {
  std::vector<D_DOT> chain;
  if (!data_.lineStored || !plan_.overlayShown) return chain;
  chain.push_back(plan_.overlayStart);
  for (int32_t i = 1; i <= plan_.crossings.GetCount(); ++i) {
    int32_t id;
    D_DOT at;
    plan_.crossings.GetAt(i, id, at.x, at.y);
    chain.push_back(at);
  }
  chain.push_back(plan_.overlayEnd);
  return chain;
}

void PlanSectionController::DrawOverlay(KernelDriver& dc) const {
  const std::vector<D_DOT> chain = OverlayChain();
  if (chain.empty()) return;
  dc.SetColor(kOverlayColour);
  for (size_t i = 1; i < chain.size(); ++i) dc.Line(chain[i - 1].x, chain[i - 1].y, chain[i].x, chain[i].y);
}

}  // namespace zv::zavediz

#include "zavediz/draw/section_request_handler.h"

#include <QDir>

#include "app/app_settings.h"
#include "common/dialogs/save_path_dlg.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "platform/view/center_on_entity.h"
#include "views/plan_requests.h"
#include "views/project_save_commands.h"
#include "views/sec_gis_edit_view.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/zavediz_drawing.h"
#include "zavediz/draw/zavediz_request_post.h"

namespace zv::zavediz {
namespace {

enum Operation : std::intptr_t { kDeleteObject = 0, kEndMeasuring = 1, kRulersHidden = 5, kFlash = 6, kSelectList = 7 };

void ShowMessage(const std::string& message) { prompt::Message(QString::fromStdString(message)); }

}  // namespace

SheetOptions CurrentSheetOptions() {
  const AppSettings& s = Settings();
  return SheetOptions{s.ichnography, s.groundData, static_cast<int32_t>(s.groundColor), s.curve, s.strap,
                      s.editStrap,   s.stratum,  static_cast<int32_t>(s.boreholeSymbol)};
}

SectionRequestHandler& SectionRequestHandler::Of(CSecGisEditView& view) {
  if (auto* existing = view.findChild<SectionRequestHandler*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
  return *new SectionRequestHandler(view);
}

SectionRequestHandler::SectionRequestHandler(CSecGisEditView& view) : QObject(&view), view_(view) {}

void BindSectionRequests() {
  RegisterDocumentRequest([](CSecGisEditView& view, std::intptr_t wParam, std::intptr_t code) {
    SectionRequestHandler::Of(view).OnDocumentRequest(wParam, code);
  });
}

void SectionRequestHandler::OnDocumentRequest(std::intptr_t wParam, std::intptr_t lParam) {
  if (lParam < 0 || lParam == 100) return;
  const msg::DocumentOperation request = msg::DecodeDocumentOperation(lParam);
  switch (request.operation) {
    case kDeleteObject:
      TakeRequestPayload(wParam);
      return;
    case kEndMeasuring:
      view_._SetCommandFlag(kIdleCommandFlag);
      return;
    case kRulersHidden:
      rulerVisible_ = false;
      return;
    case kFlash:
      FlashOne(wParam);
      return;
    case kSelectList:
      SelectEntityList(static_cast<WorkAreaHandle>(request.argument), wParam);
      return;
    default:
      if (IsDrawingOperation(static_cast<int>(request.operation))) DrawSection(static_cast<int>(request.operation), wParam);
  }
}

void SectionRequestHandler::DrawSection(int operation, std::intptr_t ticket) {
  CZavedizDoc* plan = TakeRequestDocument(ticket);
  if (plan == nullptr) return;
  document_ = plan;
  polyline_ = operation != kDrawStraight;
  view_.ClearLine();
  view_.ClearPoint();
  view_.ClearRegion();
  const ZavedizAreas areas{view_.GetCurrentLinArea(), view_.GetCurrentPntArea(), view_.GetCurrentRegArea()};
  if (!DrawZavedizSheet(operation, plan->Section(), areas, CurrentSheetOptions(), ShowMessage)) return;
  if (operation == kDrawStraight) {
    view_.ClearPool();
    drawn_ = true;
    view_._UpdateWindow();
  } else {
    view_.OnRestoreWindow();
    drawn_ = true;
  }
  if (view_.SaveFolder().isEmpty()) SaveZavediz();
}

void SectionRequestHandler::SaveZavediz() {
  if (view_.SaveFolder().isEmpty()) {
    CSavePathDlg dialog(&view_);
    dialog.SetFolder(CSavePathDlg::DefaultFolder());
    dialog.SetFileName(QString::fromUtf8(kUnnamedSection));
    if (dialog.DoModal() != QDialog::Accepted) {
      prompt::Message(QString::fromUtf8(kNoSavePathMessage));
    } else {
      QString folder = dialog.Folder();
      if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
      view_.SetSaveFolder(folder);
      view_.SetZavedizFileName(dialog.FileName());
    }
  }
  if (view_.SaveFolder().isEmpty()) return;
  // A folder set by 柱状图路径 comes without a name: the files would be
  // hidden ones named by their extension alone.
  if (view_.ZavedizFileName().isEmpty()) view_.SetZavedizFileName(QString::fromUtf8(kUnnamedSection));
  WriteZavedizFiles(view_);
}

void SectionRequestHandler::FlashOne(std::intptr_t ticket) {
  const std::any payload = TakeRequestPayload(ticket);
  const auto* flash = std::any_cast<FlashRequest>(&payload);
  if (flash == nullptr) return;
  const ENTITY_MSG entry{flash->area, flash->kind, flash->id};
  view_._StartFlash(&entry, 1);
  CenterOnEntity(view_, entry);
}

void SectionRequestHandler::SelectEntityList(WorkAreaHandle area, std::intptr_t ticket) {
  const std::any payload = TakeRequestPayload(ticket);
  if (!BasIsWorkAreaValid(area)) return;
  if (const auto* ids = std::any_cast<std::vector<int32_t>>(&payload)) {
    view_.ClearPool();
    const int16_t type = static_cast<int16_t>(static_cast<int8_t>(BasGetWorkAreaType(area)));
    for (int32_t id : *ids) {
      const ENTITY_MSG entry{area, type, id};
      view_.AddToPool(&entry, 1);
    }
    if (view_.PoolCount() > 0) {
      CenterOnEntity(view_, view_.Pool()[0]);
      view_._StartFlash(view_.Pool(), static_cast<int>(ids->size()));
    }
  }
  view_._UpdateWindow();
}

}  // namespace zv::zavediz

#include "geodesy/commands/geodesy_commands.h"

#include <QWidget>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"
#include "framework/prompts/prompts.h"
#include "geodesy/gauss/gauss_projection_dlg.h"
#include "geodesy/seven/seven_param_dlg.h"
#include "geodesy/sheet/sheet_number_dlg.h"
#include "platform/view/gis_edit_view.h"

namespace zv::geodesy {
namespace {

QWidget* ParentOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  return view ? view->Widget() : nullptr;
}

// 33384 图幅号转换
void OnSheetNumbers(cmd::CommandTarget& target) {
  sheet::CSheetNumberDlg dialog(ParentOf(target));
  prompt::Current().Exec(dialog);
}

// 33567 参数计算
void OnSevenParameters(cmd::CommandTarget& target) {
  seven::CSevenParamDlg dialog(ParentOf(target));
  prompt::Current().Exec(dialog);
}

// 33571 高斯投影正反算: on "展点" the points go into the view's current point
// and line areas as one undo step.
void OnGaussProjection(cmd::CommandTarget& target) {
  gauss::CGaussProjectionDlg dialog(ParentOf(target));
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  auto* view = dynamic_cast<CGisEditView*>(ParentOf(target));
  if (!view) return;
  view->RunCommand([&] {
    gauss::PlaceHandedOverPoints(dialog.handOver(), view->GetCurrentPntArea(), view->GetCurrentLinArea(),
                                 view->GetUndo());
  });
  view->_UpdateWindow();
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(33384, OnSheetNumbers, "OnSheetNumbers"),
    cmd::Handler(33567, OnSevenParameters, "OnSevenParameters"),
    cmd::Handler(33571, OnGaussProjection, "OnGaussProjection"),
};

}  // namespace

bool OpenAsDocument(const QString& path) {
  docview::CWinApp* app = docview::App();
  return app && app->OpenDocumentFile(path) != nullptr;
}

void RegisterGeodesyCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  for (const char* view : {"CSecToolView", "CSecPrjToolView"}) cmd::Registry().AddRows(view, kRows);
  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    rows.push_back({menu, "&W显示/图幅号转换", 33384});
    rows.push_back({menu, "&1辅助工具/专题辅助/坐标转换工具/参数计算", 33567});
    rows.push_back({menu, "&1辅助工具/专题辅助/坐标转换工具/高斯投影正反算", 33571});
  }
  cmd::Menus().AddRows(rows);
}

}  // namespace zv::geodesy

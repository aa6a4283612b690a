#include "views/project_save_commands.h"

#include "common/dialogs/save_path_dlg.h"
#include "common/dialogs/value_input_dlg.h"
#include "framework/prompts/prompts.h"
#include "views/core/project_saving.h"
#include "views/sec_gis_edit_view.h"
#include "views/sec_prj_edit_view.h"
#include "views/view_commands.h"

namespace zv {
namespace {

constexpr int16_t kIntervalMode = 5;

CSecPrjEditView* PlanViewOf(cmd::CommandTarget& target) {
  return dynamic_cast<CSecPrjEditView*>(EditViewOf(target));
}

QString FailureText(const views::SaveOutcome& outcome) {
  QString text = QStringLiteral("保存失败：");
  for (const std::string& f : outcome.failures) text += QLatin1Char('\n') + QString::fromStdString(f);
  return text;
}

void SaveProject(cmd::CommandTarget& target) {
  CSecPrjEditView* view = PlanViewOf(target);
  if (view == nullptr) return;
  const views::SaveOutcome outcome = views::SaveProjectFiles(view->GetProject());
  if (!outcome.ok) prompt::Message(FailureText(outcome), prompt::kIconWarning);
}

void ToggleAutoSave(cmd::CommandTarget& target) {
  CSecPrjEditView* view = PlanViewOf(target);
  if (view == nullptr) return;
  if (view->autoSaveOn()) {
    view->SetAutoSave(false);
    return;
  }
  CValueInputDlg dialog(kIntervalMode, view);
  if (dialog.DoModal() != QDialog::Accepted) return;
  std::string error;
  const int ms = views::AutoSaveIntervalMs(dialog.Value().toStdString(), &error);
  if (ms <= 0) {
    prompt::Message(QString::fromStdString(error), prompt::kIconWarning);
    return;
  }
  view->autoSaveFailureTold = false;
  view->SetAutoSave(true, ms);
}

cmd::CommandUpdate AutoSaveChecked(cmd::CommandTarget& target) {
  const CSecPrjEditView* view = PlanViewOf(target);
  return {true, view != nullptr && view->autoSaveOn(), {}};
}

void ResetDefaults(cmd::CommandTarget&) { views::ResetDefaultParams(); }

void SetChartSaveFolder(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecGisEditView*>(EditViewOf(target));
  if (view == nullptr) return;
  CSavePathDlg dialog(view);
  dialog.SetMode(0);
  if (dialog.DoModal() != QDialog::Accepted) {
    prompt::Message(QStringLiteral("没有设置保存路径，请手工保存文件！！！"));
    return;
  }
  QString folder = dialog.Folder();
  if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\'))) folder += QLatin1Char('/');
  view->SetSaveFolder(folder);
}

}  // namespace

void OnAutoSaveTimer(CSecPrjEditView& view) {
  const views::SaveOutcome outcome = views::SaveProjectFiles(view.GetProject());
  if (outcome.ok) {
    view.autoSaveFailureTold = false;
    return;
  }
  if (view.autoSaveFailureTold) return;
  view.autoSaveFailureTold = true;
  prompt::Message(FailureText(outcome), prompt::kIconWarning);
}

bool WriteZavedizFiles(CSecGisEditView& view) {
  const views::SaveOutcome outcome =
      views::WriteZavedizFiles(view.GetCurrentLinArea(), view.GetCurrentPntArea(), view.GetCurrentRegArea(),
                               view.SaveFolder().toStdString(), view.ZavedizFileName().toStdString());
  if (!outcome.ok) prompt::Message(FailureText(outcome), prompt::kIconWarning);
  return outcome.ok;
}

std::vector<cmd::CommandRow> PlanSaveRows() {
  return {
      cmd::Handler(33157, SaveProject, "SaveProject"),                      // &F文件/保存(&S)
      cmd::Handler(33528, ToggleAutoSave, "OnAutoSave", AutoSaveChecked),  // 自动保存
      cmd::Handler(33427, ResetDefaults, "OnResetDefaultParams"),
  };
}

std::vector<cmd::CommandRow> SectionSaveRows() {
  return {cmd::Handler(32965, SetChartSaveFolder, "OnSetChartSaveFolder")};  // 柱状图路径
}

}  // namespace zv

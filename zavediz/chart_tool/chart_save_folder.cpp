#include "zavediz/chart_tool/chart_save_folder.h"

#include "common/dialogs/save_path_dlg.h"

namespace zv::chart {

QString ChooseChartSaveFolder(QWidget* parent) {
  CSavePathDlg dialog(parent);
  dialog.SetFileName("本处不需要设置文件名称");
  dialog.SetMode(0);
  return dialog.DoModal() == QDialog::Accepted ? dialog.Folder() : QString();
}

}  // namespace zv::chart

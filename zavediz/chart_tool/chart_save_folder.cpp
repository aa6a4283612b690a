#include "zavediz/chart_tool/chart_save_folder.h"

#include <QDir>

#include "framework/prompts/prompts.h"

namespace zv::chart {

QString ChooseChartSaveFolder(QWidget*) {
  return prompt::Current().ChooseFolder("设置保存路径（本处不需要设置文件名称）", QDir::homePath());
}

}  // namespace zv::chart

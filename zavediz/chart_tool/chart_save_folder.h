#pragma once
// Where a chart run asks for the folder its projects go to: the folder, or
// empty when the user cancels. The chart names its files itself, so only a
// folder is asked for.

#include <QString>

class QWidget;

namespace zv::chart {

QString ChooseChartSaveFolder(QWidget* parent);

}  // namespace zv::chart

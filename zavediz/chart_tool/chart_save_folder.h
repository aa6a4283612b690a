#pragma once
// Where a chart run asks for the folder its projects go to (the save-path
// dialog with its file name greyed: the chart names its files after the
// holes); empty when the user cancels.

#include <QString>

class QWidget;

namespace zv::chart {

QString ChooseChartSaveFolder(QWidget* parent);

}  // namespace zv::chart

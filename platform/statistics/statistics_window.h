#pragma once
// The attribute statistics window: a modeless tool window (deleted when
// closed) with a tree of the figures: the live entity count, then one row
// per numeric field (count, sum, least, greatest, mean), then one row per
// other field with a child row per distinct value and its count.

#include <QString>

#include "platform/statistics/attribute_statistics.h"

class QTreeWidget;
class QWidget;

namespace zv::stats {

inline constexpr const char* kStatisticsWindowName = "AttributeStatisticsWindow";

// Shows a new window over the figures; the window (its tree is a child
// named "figures").
QWidget* ShowStatisticsWindow(const AttributeStatistics& figures, const QString& title, QWidget* parent);

}  // namespace zv::stats

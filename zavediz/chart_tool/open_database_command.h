#pragma once
// 剖面数据采集 (32964) of both tool views: after the data-source check, the
// borehole database file the user registered opens in the desktop's program
// for it, where the borehole data are entered.

namespace zv::chart {

void RegisterOpenDatabaseCommand();

}  // namespace zv::chart

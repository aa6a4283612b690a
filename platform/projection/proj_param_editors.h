#pragma once
// The editors of a projection-parameter object's two records: the landed
// map-parameter editor opened on the angle-unit record ("角度单位") or on the
// map-projection record ("投影参数"). 1 when accepted (the record then
// holds what was shown), 2 when cancelled (the record is unchanged).

#include <QWidget>

#include "platform/projection/proj_params.h"

namespace zv {

int ProjEditAngleParams(ProjParams& params, QWidget* parent = nullptr);
int ProjEditMapParams(ProjParams& params, QWidget* parent = nullptr);

}  // namespace zv

#pragma once
// The parameter editors of points, texts, lines and regions: one field per
// shown parameter (param_fields.h), each named after its field. A return
// of 1 means accepted (the record then holds the values shown), 2 means
// cancelled (the record is unchanged). Fields not shown are never touched.

#include <QString>
#include <QWidget>

#include "platform/data/map_params.h"
#include "platform/data/param_records.h"

namespace zv {

int EditPointParam(PNT_INFO& info, const QString& title, QWidget* parent = nullptr);
int EditLineParam(LIN_INFO& info, const QString& title, QWidget* parent = nullptr);
int EditRegionParam(REG_INFO& info, const QString& title, QWidget* parent = nullptr);
// The map parameters: coordinate kind, units, projection, ellipsoid, scale,
// the projection's meridians, parallels and false origin (angles as the
// record packs them, DDDMMSS.s).
int EditMapParams(MapParams& params, const QString& title, QWidget* parent = nullptr);

}  // namespace zv

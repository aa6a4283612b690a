#pragma once
// The attribute editors: the record of one entity, field by field (read-only
// fields shown but not editable), and the structure of an entity type of a
// work area (names, types, lengths and decimals; fields added and deleted;
// "ID" stays first). 1 when accepted and written, 2 when cancelled or when
// a value could not be taken (a message names the field; nothing is written).

#include <QString>
#include <QWidget>

#include "platform/data/work_area.h"

namespace zv {

int EditEntityAttribute(WorkAreaHandle area, int entityType, int32_t id, const QString& title,
                        QWidget* parent = nullptr);
int EditAttributeStructure(WorkAreaHandle area, int entityType, const QString& title, QWidget* parent = nullptr);

}  // namespace zv

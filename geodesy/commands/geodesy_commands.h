#pragma once
// The coordinate, map-sheet and reserve-verification commands of the two
// tool views ("CSecToolView", "CSecPrjToolView"): their command rows and
// their places in the section and plan menus. Each handler runs its dialog
// with the view as parent; projects that a command writes open as documents
// through the application.
#include <QString>

namespace zv::geodesy {

// Opens a written project as a document of the running application; false
// when none runs or the open fails.
bool OpenAsDocument(const QString& path);

// Registers the rows and menu items once; later calls do nothing.
void RegisterGeodesyCommands();

}  // namespace zv::geodesy

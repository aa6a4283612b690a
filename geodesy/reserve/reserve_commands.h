#pragma once
// The reserve-verification project command: the catalogue dialog, then an
// empty file of its kind at each chosen layer path and the project listing
// them; failures are told by name, and the project opens only when saved.
#include <QString>
#include <functional>

class QWidget;

namespace zv::reserve {

// Opens a saved project as a document; false when it could not.
using DocumentOpener = std::function<bool(const QString& projectPath)>;

void RunReserveVerificationProject(QWidget* parent, const DocumentOpener& open);

}  // namespace zv::reserve

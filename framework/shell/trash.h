#pragma once
// The recycle bin: a file moved to the desktop's trash (the freedesktop.org
// trash of the user's data folder), from which the user can restore it.

#include <QString>

namespace zv::shell {

// Moves the file to the trash; false when it could not be moved (the file
// then stays where it was). The user's data folder is created first when
// missing, so the file never lands in a trash of another folder.
bool MoveToTrash(const QString& path);

}  // namespace zv::shell

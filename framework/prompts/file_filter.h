#pragma once

#include <QString>

namespace zv::prompt {

// "Data Files(*.MDB)|*.MDB|All Files(*.*)|*.*||" -> the Qt form
// "Data Files(*.MDB) (*.MDB *.mdb);;All Files(*.*) (*)". Patterns are matched
// without regard to case, as on the system the names come from, so each
// pattern is offered in upper and lower case.
QString ToQtFilter(const QString& filter);

}  // namespace zv::prompt

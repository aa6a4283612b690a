#pragma once
// What the user does with new workbooks: save them as .xlsx, open them in
// the desktop's spreadsheet program, and decide about unsaved ones at exit.

#include <QString>
#include <memory>

#include "framework/workbook/session.h"

namespace zv::workbook {

// Asks for a workbook file and opens it in the session (brought forward
// and read again when already open); false when cancelled or unreadable
// (with a message).
bool OpenWorkbookFile(Session& session);

// Asks for a file name and saves; false when cancelled or failed (with a
// message).
bool SaveWorkbookAs(Session& session, const std::shared_ptr<Book>& book);

// Opens the workbook in the desktop's spreadsheet program: its own file when
// it is saved and unchanged, else a temporary .xlsx written for it. Gives the
// file handed over, empty on failure (with a message).
QString OpenInDesktopProgram(const std::shared_ptr<Book>& book);

// Asks about every new workbook with unsaved content; false when the user
// cancels (the program then does not exit).
bool ConfirmUnsavedWorkbooks(Session& session);

}  // namespace zv::workbook

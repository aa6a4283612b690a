#pragma once
// How a command reaches the spreadsheet program, with the messages it shows:
// attach to the running program (the workbook opened last; the user picks a
// workbook file when none is open) or start one with a new workbook. A
// failure shows a message and the command ends; the program itself goes on.

#include <QString>
#include <optional>

#include "framework/workbook/object_model.h"

namespace zv::workbook {

namespace message {
inline const char* const kNoExcelOpenOne = "没有发现Excel!,请先打开EXCEL。";
inline const char* const kNoExcel = "没有发现Excel!";
inline const char* const kNoEt = "没有发现ET!";
inline const char* const kNoSheet = "没有发现有效的表格!";
inline const char* const kExcelStartFailed = "创建Excel服务失败!";
inline const char* const kEtStartFailed = "创建WPS ET服务失败!";
}  // namespace message

// The running program as Excel; `missingText` is shown when no workbook is
// open and the user picks none (or one that cannot be read).
std::optional<Application> AttachExcel(const QString& missingText);

// The active sheet of the running program as Excel; `missingText` when no
// workbook is open and none is picked, "没有发现有效的表格!" without an
// active sheet.
std::optional<Worksheet> AttachExcelSheet(const QString& missingText);

// The running program as ET with its active sheet; "没有发现ET!" or
// "没有发现有效的表格!" otherwise. Makes the program visible.
struct EtAttachment {
  Application app;
  Worksheet sheet;
};
std::optional<EtAttachment> AttachEt();

// A new workbook in the running program, shown: one sheet for Excel, three
// for ET. Gives the program and the new workbook.
struct Started {
  Application app;
  Workbook book;
};
Started StartExcel();
Started StartEt();

// A hidden program of the command's own, for reading a chosen workbook file
// apart from the user's open workbooks; `Quit` ends it.
Application StartPrivateExcel();

// Shows what went wrong in a spreadsheet call; the command then ends.
void ReportWorkbookError(const std::exception& error);

}  // namespace zv::workbook
